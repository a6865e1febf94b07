// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/recentrequests.h"

#include "common/makerinfo.h"
#include "common/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUuid>

#include <algorithm>

namespace RecentRequests {

namespace {

const QString Group = QStringLiteral("RecentRequests");
const QString ProgramName = QStringLiteral("Quorvantix GUI");

} // namespace

QString settingsPath()
{
    // QSettings places the user's INI files by the platform's rules (or where
    // QSettings::setPath says) and reads them as soon as it is made. Made for
    // names that no file has, it reads nothing and still names the folder.
    const QString unused = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, unused, unused);
    const QDir folder = QFileInfo(probe.fileName()).dir().filePath(QStringLiteral(".."));
    return QDir::cleanPath(folder.filePath(MakerInfo::ShortName + u'/' + ProgramName + QStringLiteral(".ini")));
}

std::unique_ptr<QSettings> openSettings(QString *problem)
{
    const QString path = settingsPath();
    // QSettings would wait for ever on a named pipe and read a file of any
    // size, so the file is looked at first.
    std::optional<QString> refusal = RegularFile::notRegular(path);
    if (!refusal && QFileInfo(path).size() > LongestSettingsFile)
        refusal = QCoreApplication::translate("RecentRequests", "Is larger than %1 MB")
                      .arg(LongestSettingsFile / (1024 * 1024));
    if (refusal) {
        if (problem)
            *problem = QCoreApplication::translate("RecentRequests", "The settings file %1 cannot be used: %2.")
                           .arg(QDir::toNativeSeparators(path), *refusal);
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QList<TileRequest> load(QSettings &settings)
{
    QList<TileRequest> requests;
    const int size = settings.beginReadArray(Group);
    // The entries present, by their number (counted from 1), up to the size
    // claimed: a size of two billion must not mean two billion look-ups.
    QList<int> present;
    for (const QString &name : settings.childGroups()) {
        bool ok = false;
        const int number = name.toInt(&ok);
        if (ok && number >= 1 && number <= size)
            present << number;
    }
    std::sort(present.begin(), present.end());
    for (int number : std::as_const(present)) {
        if (requests.size() == Capacity)
            break;
        settings.setArrayIndex(number - 1);
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
