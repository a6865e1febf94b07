// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/indexchecks.h"

#include "core/mainstate.h"
#include "core/mainwindowform.h"
#include "entry/indexrange.h"
#include "ui/messages.h"

#include <QLineEdit>
#include <QScopedValueRollback>

struct IndexChecks::Field
{
    QLineEdit *edit;
    int limitEntry; // position in DomainLimits
    IndexRange::Bound bound;
    QString prefix;
};

IndexChecks::IndexChecks(const MainWindowForm &form, const MainState &state, ui::Messages &messages)
    : m_state(state)
    , m_messages(messages)
{
    using IndexRange::Bound;
    m_fields = {
        {form.TextIndexiStart, 0, Bound::Lowest, QStringLiteral("Starting index for I must be greater than ")},
        {form.TextIndexjStart, 1, Bound::Lowest, QStringLiteral("Starting index for J must be greater than ")},
        {form.TextIndexiEnd, 2, Bound::Highest, QStringLiteral("Ending index for I must be smaller than ")},
        {form.TextIndexjEnd, 3, Bound::Highest, QStringLiteral("Ending index for J must be smaller than ")},
    };
    m_lostFocusHandlers = {
        {form.TextIndexiStart, &IndexChecks::TextIndexiStart_LostFocus},
        {form.TextIndexjStart, &IndexChecks::TextIndexjStart_LostFocus},
        {form.TextIndexiEnd, &IndexChecks::TextIndexiEnd_LostFocus},
        {form.TextIndexjEnd, &IndexChecks::TextIndexjEnd_LostFocus},
    };
}

IndexChecks::~IndexChecks() = default;

void IndexChecks::TextIndexiStart_LostFocus()
{
    check(0);
}
void IndexChecks::TextIndexjStart_LostFocus()
{
    check(1);
}
void IndexChecks::TextIndexiEnd_LostFocus()
{
    check(2);
}
void IndexChecks::TextIndexjEnd_LostFocus()
{
    check(3);
}

bool IndexChecks::LostFocus(const QObject *control)
{
    const Handler handler = m_lostFocusHandlers.value(control);
    if (!handler)
        return false;
    (this->*handler)();
    return true;
}

bool IndexChecks::hasLostFocusHandler(const QObject *control) const
{
    return m_lostFocusHandlers.contains(control);
}

void IndexChecks::check(int which)
{
    const Field &f = m_fields[which];
    if (!IndexRange::checksApply(m_state.SelectionMethod, m_state.selectedDomain()))
        return;
    const std::optional<QString> complaint = IndexRange::message(f.prefix, f.bound, f.edit->text(),
                                                                 m_state.DomainLimits.value(f.limitEntry));
    if (!complaint)
        return;
    m_messages.critical(*complaint);
    // The text stays as typed; the user corrects it in place.
    const QScopedValueRollback<bool> givingBack(m_givingFocusBack, true);
    f.edit->setFocus(Qt::OtherFocusReason);
}
