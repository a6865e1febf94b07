// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/shortpath.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <vector>
#endif

QString GetShortPath(const QString &path)
{
#ifdef Q_OS_WIN
    const std::wstring longPath = QDir::toNativeSeparators(path).toStdWString();
    const DWORD needed = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetShortPathNameW(longPath.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed)
        return {};
    return QString::fromWCharArray(buffer.data(), int(length));
#else
    return QFileInfo::exists(path) ? path : QString();
#endif
}
