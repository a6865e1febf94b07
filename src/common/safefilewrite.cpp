// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/safefilewrite.h"

#include "common/regularfile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace SafeFileWrite {

std::optional<QString> replaceFile(const QString &path, const QByteArray &bytes)
{
    // Only a file is replaced: a device or a named pipe (or a link to one)
    // stays as it is. QSaveFile refuses a folder itself, with its own reason.
    if (std::optional<QString> kind = RegularFile::notRegular(path); kind && !QFileInfo(path).isDir())
        return kind;
    QSaveFile file(path);
    // Unbuffered, so that each write reaches the system and a failing one
    // brings its reason: commit() flushes a buffer of its own and renames the
    // file even when that flush failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace SafeFileWrite
