// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class PasteFilter;
class QLineEdit;
class QObject;
class QWidget;

namespace PastedText {
struct Write;
}

// Pasting into the coordinate and index fields of a panel: a text that
// reads as a coordinate, a pair or a number is written into the fields and
// the hemisphere lists as the user would type and pick it; a number a field
// does not take is refused; any other text is pasted as usual. A short tip
// beside the field says when the text is refused or not what the field takes.
class EntryPaste
{
public:
    // `left` runs a field's focus-loss handling, as when the user leaves it.
    using LeftHandler = std::function<void(const QObject *field)>;

    // `controls` are the fields and hemisphere lists a paste may write, found
    // by their objectNames.
    EntryPaste(const QList<QWidget *> &controls, LeftHandler left);
    ~EntryPaste();

    // Takes the pastes into a coordinate or index field.
    void watch(QLineEdit *field);

    // True when the text was taken or refused instead of being pasted.
    bool pasted(QLineEdit *field, const QString &text);

    // How long the tip stays, in milliseconds.
    static constexpr int HintTime = 6000;

private:
    void write(const PastedText::Write &w);

    // The entry controls by the names the paste rules give them.
    QHash<QString, QWidget *> m_controls;
    LeftHandler m_left;
    std::unique_ptr<PasteFilter> m_filter;
};
