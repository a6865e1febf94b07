// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

namespace {

QString sizeText(qint64 bytes)
{
    constexpr qint64 MB = 1024 * 1024;
    return bytes % MB == 0 ? QCoreApplication::translate("RegularFile", "%1 MB").arg(bytes / MB)
                           : QCoreApplication::translate("RegularFile", "%1 bytes").arg(bytes);
}

#ifdef Q_OS_UNIX
std::optional<QString> kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return QCoreApplication::translate("RegularFile", "Is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("RegularFile", "Is a named pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("RegularFile", "Is a device, not a file");
    return QCoreApplication::translate("RegularFile", "Is not a regular file");
}
#endif

} // namespace

std::optional<QString> notRegular(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return kindOf(info.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return std::nullopt;
    return info.isDir() ? QCoreApplication::translate("RegularFile", "Is a folder, not a file")
                        : QCoreApplication::translate("RegularFile", "Is not a regular file");
#endif
}

Reading read(const QString &path, qint64 maxBytes)
{
    Reading reading;
    if (const std::optional<QString> kind = notRegular(path)) {
        reading.problem = *kind;
        return reading;
    }
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting and looked at again, in case the path was
    // replaced by a pipe since: only a regular file is read.
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        reading.problem = qt_error_string(errno);
        return reading;
    }
    struct stat info;
    if (::fstat(handle, &info) != 0) {
        reading.problem = qt_error_string(errno);
        ::close(handle);
        return reading;
    }
    if (const std::optional<QString> kind = kindOf(info.st_mode)) {
        reading.problem = *kind;
        ::close(handle);
        return reading;
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        reading.problem = file.errorString();
        return reading;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.problem = file.errorString();
        return reading;
    }
#endif
    // One byte more than the bound tells a file that is too large, whatever
    // size it claimed when it was looked at.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        reading.problem = file.errorString();
    } else if (bytes.size() > maxBytes) {
        reading.problem = QCoreApplication::translate("RegularFile", "Is larger than %1").arg(sizeText(maxBytes));
    } else {
        reading.bytes = bytes;
    }
    return reading;
}

} // namespace RegularFile
