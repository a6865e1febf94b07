// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/catalogueupdater.h"

#include "common/quotedtext.h"
#include "common/safefilewrite.h"
#include "update/cataloguecheck.h"
#include "update/catalogueupdate.h"

#include <QDir>

namespace {

const QString CatalogueFile = QStringLiteral("tiles.cfg");

} // namespace

CatalogueUpdater::Verdict CatalogueUpdater::judge(const QString &downloaded, const QDate &inUse)
{
    const QStringList lines = CatalogueUpdate::SplitLines(downloaded);
    const CatalogueUpdate::RemoteDate remote = CatalogueUpdate::ReadRemoteDate(lines);
    switch (remote.status) {
    case CatalogueUpdate::RemoteDate::Status::NoDateText:
        return {Verdict::Kind::Refused,
                tr("The downloaded configuration file does not start with its date "
                   "(a label, a colon and the date as YYYYMMDD).\n"
                   "Your configuration file was not changed."),
                {}};
    case CatalogueUpdate::RemoteDate::Status::NotADate:
        return {Verdict::Kind::Refused,
                tr("The date \"%1\" of the downloaded configuration file is not a "
                   "calendar date (YYYYMMDD).\n"
                   "Your configuration file was not changed.")
                    .arg(QuotedText(remote.dateText, 40)),
                {}};
    case CatalogueUpdate::RemoteDate::Status::Ok:
        break;
    }
    if (!CatalogueUpdate::IsNewer(remote.date, inUse))
        return {Verdict::Kind::UpToDate, {}, {}};
    return {Verdict::Kind::Newer, {}, CatalogueUpdate::CatalogueBytes(lines)};
}

std::optional<CatalogueUpdater::Failure> CatalogueUpdater::install(const QByteArray &catalogue,
                                                                   const QString &appFolder)
{
    if (const std::optional<QString> complaint = CatalogueCheck::Complaint(catalogue)) {
        return Failure{tr("The new configuration file could not be read, so the one in use was kept."), *complaint};
    }
    const QString path = QDir(appFolder).filePath(CatalogueFile);
    if (const std::optional<QString> failure = SafeFileWrite::replaceFile(path, catalogue)) {
        return Failure{tr("The configuration file %1 could not be written: %2\n"
                          "Your configuration file was not changed.")
                           .arg(QDir::toNativeSeparators(path), *failure),
                       {}};
    }
    return std::nullopt;
}
