// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The controls of the entry panels, each made with its objectName.
namespace EntryWidgets {

QLabel *label(QWidget *parent, const char *name, const QString &caption);
// A text field wide enough for `chars` digits.
QLineEdit *field(QWidget *parent, const char *name, const QString &text = {}, int chars = 10);
// A hemisphere list; its letters are added when the window starts.
QComboBox *hemisphere(QWidget *parent, const char *name);

// Queues a Tab keystroke to the window of `from`, handled after the current
// key: the focus moves on as if the user had pressed Tab. Qt skips hidden
// and disabled controls and wraps around.
void moveOn(QWidget *from);

enum class OnEnter { MovesOn, Stays };

// The key handling of a decimal coordinate field: a decimal number with one
// point; Enter moves on (or is only swallowed), minus flips the hemisphere
// list and moves on. Sets the code to 0 to swallow the key.
void decimalKey(qint16 &KeyAscii, QLineEdit *field, QComboBox *hemisphere, bool latitude,
                OnEnter enter = OnEnter::MovesOn);
// The minus key on a hemisphere list: N and S, or E and W, change places.
void flip(QComboBox *hemisphere, bool latitude);

} // namespace EntryWidgets
