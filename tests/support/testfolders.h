// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QLibrary>
#include <QStringList>

// Paths and files the tests share.
namespace TestFolders {

// The sample catalogue shipped with the program.
inline QString sampleCatalogue()
{
    return QStringLiteral(QUORVANTIX_SOURCE_DIR "/data/tiles.cfg");
}
// The application folder of the build (GUI, engine, catalogue, help).
inline QString buildAppFolder()
{
    return QStringLiteral(QUORVANTIX_APP_DIR);
}

// Writes bytes to a file, creating it; fails the process on an I/O error.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Joins lines with CR LF after each one.
inline QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Whether the test runs a Windows build under Wine, whose ntdll names
// itself; some timings there are Wine's, not the program's.
inline bool runningUnderWine()
{
#ifdef Q_OS_WIN
    return QLibrary::resolve(QStringLiteral("ntdll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace TestFolders
