// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QtGlobal>

#include <functional>

// Hands the key presses and the focus losses of the entry controls to their
// handlers, identified by the control itself.
class EntryEventFilter : public QObject
{
    Q_OBJECT

public:
    struct Handlers
    {
        // Runs the control's key handler on the code; false when it has none.
        std::function<bool(const QObject *control, qint16 &KeyAscii)> keyPress;
        // Whether typing one more character into the field would exceed its limit.
        std::function<bool(const QObject *control, qsizetype textLength, qsizetype selectedLength)> exceedsTypingLimit;
        // Whether the control has a focus-loss handler, and running it.
        std::function<bool(const QObject *control)> hasLostFocus;
        std::function<void(const QObject *control)> lostFocus;
    };

    explicit EntryEventFilter(Handlers handlers, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(QObject *watched, QEvent *event);
    bool focusOut(QObject *watched, QEvent *event);

    Handlers m_handlers;
};
