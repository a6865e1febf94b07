// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entrywidgets.h"

#include "entry/keyfilters.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr qint16 EnterCode = 13;
constexpr qint16 MinusCode = 45;

} // namespace

namespace EntryWidgets {

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, const QString &text, int chars)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setText(text);
    const int width = edit->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 16;
    edit->setMinimumWidth(width);
    edit->setMaximumWidth(width + width / 2);
    // Composed text of an input method would reach the field without a key
    // press and so pass the key filters; these fields take numbers only.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return edit;
}

QComboBox *hemisphere(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void moveOn(QWidget *from)
{
    QCoreApplication::postEvent(from->window(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void decimalKey(qint16 &KeyAscii, QLineEdit *field, QComboBox *hemisphere, bool latitude, OnEnter enter)
{
    FilterDecimalKey(KeyAscii);
    FilterSecondPoint(KeyAscii, field->text());
    if (KeyAscii == EnterCode) {
        KeyAscii = 0;
        if (enter == OnEnter::MovesOn)
            moveOn(field);
    } else if (KeyAscii == MinusCode) {
        // The sign lives in the hemisphere list, never in the field.
        flip(hemisphere, latitude);
        moveOn(field);
        KeyAscii = 0;
    }
}

void flip(QComboBox *hemisphere, bool latitude)
{
    const QString text = hemisphere->currentText();
    const QString flipped = FlipHemisphere(text, latitude);
    if (flipped != text)
        hemisphere->setCurrentIndex(hemisphere->findText(flipped, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace EntryWidgets
