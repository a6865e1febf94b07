// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files the user names are read and written only when they are plain files
// on disk: a named pipe or a device may never end or never answer, and a
// folder holds no bytes at all.
namespace RegularFile {

// Why `path` is no regular file ("Is a named pipe, not a file"), links
// followed; nothing when it is one or when nothing is there.
std::optional<QString> notRegular(const QString &path);

struct Reading
{
    // The whole file; nothing when it was refused or could not be read.
    std::optional<QByteArray> bytes;
    // Why not, in the system's manner ("No such file or directory").
    QString problem;
};

// The whole regular file at `path` when it holds at most `maxBytes`. It never
// waits: a named pipe or a device is refused before anything is read.
Reading read(const QString &path, qint64 maxBytes);

} // namespace RegularFile
