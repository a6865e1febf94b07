// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

// The update check without its window: what a downloaded catalogue means for
// the one in use, and installing it once the user has agreed.
class CatalogueUpdater
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueUpdater)

public:
    struct Verdict
    {
        enum class Kind {
            // The download cannot be a catalogue; message says why.
            Refused,
            // It is not newer than the catalogue in use.
            UpToDate,
            // It is newer: the user is to be asked before install().
            Newer,
        };
        Kind kind = Kind::Refused;
        QString message;
        // The bytes install() writes, for a newer catalogue.
        QByteArray catalogue;
    };

    // Why an install did not happen; details, when not empty, go behind the
    // message box's details button.
    struct Failure
    {
        QString message;
        QString details;
    };

    // inUse is invalid when no catalogue was read: any dated download is newer.
    static Verdict judge(const QString &downloaded, const QDate &inUse);

    // Replaces the catalogue in appFolder by the given bytes, but only when
    // they read completely with the program's own reader and name a country.
    // Nothing is written on failure.
    static std::optional<Failure> install(const QByteArray &catalogue, const QString &appFolder);
};
