// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace SafeFileWrite {

// Replaces the file at `path` by `bytes`, all or nothing: the bytes go to a
// temporary file beside it, which is flushed and checked before it is renamed
// over the old one. On failure the old file is left as it was and the
// system's reason (for example "No space left on device") is returned. A
// device, a named pipe or a folder (or a link to one) is refused and left as
// it is.
std::optional<QString> replaceFile(const QString &path, const QByteArray &bytes);

} // namespace SafeFileWrite
