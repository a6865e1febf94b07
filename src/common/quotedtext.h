// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A piece of a file or download quoted in a message: at most `longest`
// characters followed by "..." when there was more, on one line, with every
// control character (a NUL, a line end, a tab) shown as a blank, so that no
// file can make a message box taller or wider than the screen.
QString QuotedText(const QString &text, qsizetype longest = 80);
