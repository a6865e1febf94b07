// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The steps of the update check that need no window: reading the downloaded
// catalogue's date, deciding whether it is newer, and writing it in place of
// the local one.
namespace CatalogueUpdate {

// Every LF is dropped and the text split at every CR, so a text that ends
// with CR LF gives a last, empty line, and LF-only line ends join their lines.
QStringList SplitLines(const QString &text);

// The date of the first line, read as the catalogue reader reads it.
struct RemoteDate
{
    enum class Status { Ok, NoDateText, NotADate };
    Status status = Status::NoDateText;
    QDate date;
    QString dateText;
};
RemoteDate ReadRemoteDate(const QStringList &lines);

// Whether the remote catalogue is newer than the one in use. With no local
// date (no catalogue was read) any remote date counts as newer.
bool IsNewer(const QDate &remote, const QDate &local);

// The lines as the catalogue file holds them: each with its blanks around it
// removed and followed by CR LF, in the single-byte code page.
QByteArray CatalogueBytes(const QStringList &lines);

// Text decoded from the single-byte code page, byte for byte.
QString DecodeSingleByte(const QByteArray &bytes);

} // namespace CatalogueUpdate
