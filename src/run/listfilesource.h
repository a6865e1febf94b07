// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The engine's list file as the run takes it in: only a regular file (a named
// pipe would never end, a device might never stop), and only up to a bound far
// above the largest real list.
struct ListFileSource
{
    enum class Problem { None, Unreadable, NotRegular, TooLarge };

    // 256 MB: a list of 100,000 tiles takes a few megabytes.
    static constexpr qint64 MaxBytes = qint64(256) * 1024 * 1024;

    static ListFileSource read(const QString &path, qint64 maxBytes = MaxBytes);

    Problem problem = Problem::Unreadable;
    QByteArray bytes;
};

// The engine's own words in a list file: its text before the tile table's
// header (all of it when there is none), trimmed, at most a few kilobytes.
QString ListFileWords(const QByteArray &bytes);
