#include "support/enginefolders.h"

#include "support/testfolders.h"

#include <QCoreApplication>
#include <QFile>

namespace EngineFolders {

QString builtEngine()
{
    return TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe");
}

QString replayEngine()
{
#ifdef Q_OS_WIN
    const QString suffix = QStringLiteral(".exe");
#else
    const QString suffix;
#endif
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quorvantix-replay-engine") + suffix;
}

bool copyProgram(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to)
           && QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner | QFile::ReadOwner);
}

} // namespace EngineFolders
