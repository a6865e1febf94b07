// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/recentrequests.h"

#include "common/makerinfo.h"

#include <QSettings>

namespace RecentRequests {

namespace {

const QString Group = QStringLiteral("RecentRequests");

} // namespace

std::unique_ptr<QSettings> openSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, MakerInfo::ShortName,
                                       QStringLiteral("Quorvantix GUI"));
}

QList<TileRequest> load(QSettings &settings)
{
    QList<TileRequest> requests;
    const int size = settings.beginReadArray(Group);
    for (int i = 0; i < size && requests.size() < Capacity; ++i) {
        settings.setArrayIndex(i);
        TileRequest request;
        request.country = settings.value(QStringLiteral("country")).toString();
        request.region = settings.value(QStringLiteral("region")).toString();
        request.year = settings.value(QStringLiteral("year")).toString();
        request.selectionMethod = CoordinateMethod(settings.value(QStringLiteral("method")).toInt());
        request.entries = settings.value(QStringLiteral("entries")).toStringList();
        if (TileRequests::isComplete(request) && !request.region.isEmpty())
            requests << request;
    }
    settings.endArray();
    return requests;
}

void remember(QSettings &settings, const TileRequest &request)
{
    QList<TileRequest> requests = load(settings);
    requests.removeAll(request);
    requests.prepend(request);
    while (requests.size() > Capacity)
        requests.removeLast();

    settings.remove(Group);
    settings.beginWriteArray(Group, int(requests.size()));
    for (int i = 0; i < requests.size(); ++i) {
        const TileRequest &r = requests.at(i);
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("country"), r.country);
        settings.setValue(QStringLiteral("region"), r.region);
        settings.setValue(QStringLiteral("year"), r.year);
        settings.setValue(QStringLiteral("method"), int(r.selectionMethod));
        settings.setValue(QStringLiteral("entries"), r.entries);
    }
    settings.endArray();
    settings.sync();
}

} // namespace RecentRequests
