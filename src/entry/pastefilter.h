// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

// Sees every way text is pasted into the text fields it watches: the paste
// keys (Ctrl+V, Shift+Insert), the context menu's Paste, a middle click and
// a drop. Each pasted text goes first to a handler; when the handler takes
// it, the field does not paste it, otherwise the field pastes it as usual.
class PasteFilter : public QObject
{
    Q_OBJECT

public:
    // Returns true when it has dealt with the text itself.
    using Handler = std::function<bool(QLineEdit *field, const QString &text)>;

    explicit PasteFilter(Handler handler, QObject *parent = nullptr);

    void watch(QLineEdit *field);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool contextMenu(QLineEdit *field, QEvent *event);

    Handler m_handler;
};
