#include "entry/indexchecks.h"

#include "app/mainstate.h"
#include "entry/indexrange.h"
#include "ui/controls.h"
#include "ui/messages.h"

#include <QScopedValueRollback>
#include <QWidget>

namespace {

struct Field
{
    QString name;
    int limitEntry; // position in DomainLimits
    IndexRange::Bound bound;
    QString prefix;
};

const Field &field(int which)
{
    using IndexRange::Bound;
    static const Field fields[] = {
        {QStringLiteral("TextIndexiStart"), 0, Bound::Lowest,
         QStringLiteral("Starting index for I must be greater than ")},
        {QStringLiteral("TextIndexjStart"), 1, Bound::Lowest,
         QStringLiteral("Starting index for J must be greater than ")},
        {QStringLiteral("TextIndexiEnd"), 2, Bound::Highest,
         QStringLiteral("Ending index for I must be smaller than ")},
        {QStringLiteral("TextIndexjEnd"), 3, Bound::Highest,
         QStringLiteral("Ending index for J must be smaller than ")},
    };
    return fields[which];
}

int fieldNumber(const QString &control)
{
    for (int which = 0; which < 4; ++which) {
        if (field(which).name == control)
            return which;
    }
    return -1;
}

} // namespace

IndexChecks::IndexChecks(const ui::Controls &controls, const MainState &state, ui::Messages &messages)
    : m_controls(controls)
    , m_state(state)
    , m_messages(messages)
{
}

void IndexChecks::TextIndexiStart_LostFocus() { check(0); }
void IndexChecks::TextIndexjStart_LostFocus() { check(1); }
void IndexChecks::TextIndexiEnd_LostFocus() { check(2); }
void IndexChecks::TextIndexjEnd_LostFocus() { check(3); }

bool IndexChecks::LostFocus(const QString &control)
{
    const int which = fieldNumber(control);
    if (which < 0)
        return false;
    check(which);
    return true;
}

bool IndexChecks::hasLostFocusHandler(const QString &control)
{
    return fieldNumber(control) >= 0;
}

void IndexChecks::check(int which)
{
    const Field &f = field(which);
    if (!IndexRange::checksApply(m_controls.selectedIndex(QStringLiteral("cboChoice1")), m_state.SelectedDomain))
        return;
    const std::optional<QString> complaint = IndexRange::message(
        f.prefix, f.bound, m_controls.text(f.name), m_state.DomainLimits.value(f.limitEntry));
    if (!complaint)
        return;
    m_messages.critical(*complaint);
    // The text stays as typed; the user corrects it in place.
    const QScopedValueRollback<bool> givingBack(m_givingFocusBack, true);
    m_controls.widget(f.name)->setFocus(Qt::OtherFocusReason);
}
