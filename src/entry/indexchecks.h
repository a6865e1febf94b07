// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

#include <vector>

class QObject;
struct MainState;
struct MainWindowForm;

namespace ui {
class Messages;
}

// Checks each grid index field against the chosen domain's limits when it
// loses the focus, reports a value beyond them and gives the field the focus
// back. The start indices must not lie below the lowest, the end indices not
// above the highest index.
class IndexChecks
{
public:
    IndexChecks(const MainWindowForm &form, const MainState &state, ui::Messages &messages);
    ~IndexChecks();

    void TextIndexiStart_LostFocus();
    void TextIndexjStart_LostFocus();
    void TextIndexiEnd_LostFocus();
    void TextIndexjEnd_LostFocus();

    // Runs the focus-loss handler of the field; false when it has none.
    bool LostFocus(const QObject *control);
    bool hasLostFocusHandler(const QObject *control) const;

    // True while a failed field is being given the focus back. The field the
    // focus had moved on to loses it again then without the user leaving it:
    // checking it would answer one message with another, and two failing
    // fields would send the focus to and fro for ever.
    bool isGivingFocusBack() const { return m_givingFocusBack; }

private:
    struct Field;

    void check(int field);

    using Handler = void (IndexChecks::*)();

    std::vector<Field> m_fields;
    QHash<const QObject *, Handler> m_lostFocusHandlers;
    const MainState &m_state;
    ui::Messages &m_messages;
    bool m_givingFocusBack = false;
};
