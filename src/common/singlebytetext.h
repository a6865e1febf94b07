// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringConverter>

// The program's files are single-byte text: the machine's ANSI code page on
// Windows; elsewhere Latin-1, which maps every byte to one character and back.
inline constexpr QStringConverter::Encoding SingleByteEncoding =
#ifdef Q_OS_WIN
    QStringConverter::System;
#else
    QStringConverter::Latin1;
#endif
