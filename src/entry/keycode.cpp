// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keycode.h"

#include <QKeyEvent>

namespace {

constexpr qint16 Replacement = 63; // "?"

} // namespace

std::optional<qint16> KeyAsciiOf(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const QString text = event.text();
    // Ctrl, Alt or Meta make a shortcut; Ctrl with Alt is how AltGr reaches
    // some platforms, and then the character it types counts.
    const bool altGr = modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier) && !text.isEmpty()
                       && text.at(0).isPrint();
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !altGr)
        return std::nullopt;

    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (key == Qt::Key_Backspace)
        return 8;
    if (key == Qt::Key_Minus && text.isEmpty())
        return 45;
    // Keys beyond the character range (Delete, Tab, Escape, arrows...) may
    // carry a control character as text (Delete as 127 on some systems): they
    // are not typed characters.
    if (key >= Qt::Key_Escape && key < Qt::Key_unknown)
        return std::nullopt;
    if (text.isEmpty())
        return std::nullopt;

    // One key types one character; text of several (an input method's
    // composition) could not be judged as one code and is treated as foreign.
    const QList<uint> characters = text.toUcs4();
    if (characters.size() != 1 || characters.first() > 255)
        return Replacement;
    return static_cast<qint16>(characters.first());
}
