#pragma once

#include <QByteArray>
#include <QString>

// Paths and files the tests share.
namespace TestFolders {

// The sample catalogue shipped with the program.
QString sampleCatalogue();
// The application folder of the build (GUI, engine, catalogue, help).
QString buildAppFolder();
// Writes bytes to a file, creating it; fails the process on an I/O error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// Joins lines with CR LF after each one.
QByteArray crlf(const QStringList &lines);

} // namespace TestFolders
