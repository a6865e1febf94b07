// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

class QKeyEvent;

// The character code a key handler sees for a key event, or nothing for a
// key that goes to the control unfiltered: shortcuts (Ctrl+V, Ctrl+C),
// arrows, Delete, Home, End, Tab and other keys that type no character.
//
// Enter and Return (main keyboard and keypad) give 13, Backspace 8, the
// minus key 45; a typed character gives its Latin-1 code. A character beyond
// the 8-bit set gives 63: where the program's fields take 8-bit text such a
// character arrives as its replacement "?", so every filter swallows it, as
// it does other characters that cannot belong to a number.
std::optional<qint16> KeyAsciiOf(const QKeyEvent &event);
