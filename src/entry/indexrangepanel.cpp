// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/indexrangepanel.h"

#include "common/fieldvalue.h"
#include "entry/entryeventfilter.h"
#include "entry/entrypaste.h"
#include "entry/entrywidgets.h"
#include "entry/indexrange.h"
#include "entry/keyfilters.h"
#include "state/mainstate.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

IndexRangePanel::IndexRangePanel(QWidget *parent)
    : QGroupBox(parent)
{
    using namespace EntryWidgets;
    setObjectName(QStringLiteral("Indices"));
    setTitle(tr("(I, J)"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label6 = label(this, "Label6", tr("Index I from")), 0, 0);
    grid->addWidget(TextIndexiStart = field(this, "TextIndexiStart", QStringLiteral("0"), 6), 0, 1);
    grid->addWidget(Label12 = label(this, "Label12", tr("To")), 0, 2);
    grid->addWidget(TextIndexiEnd = field(this, "TextIndexiEnd", QStringLiteral("0"), 6), 0, 3);
    grid->addWidget(Label7 = label(this, "Label7", tr("Index J from")), 1, 0);
    grid->addWidget(TextIndexjStart = field(this, "TextIndexjStart", QStringLiteral("0"), 6), 1, 1);
    grid->addWidget(Label13 = label(this, "Label13", tr("To")), 1, 2);
    grid->addWidget(TextIndexjEnd = field(this, "TextIndexjEnd", QStringLiteral("0"), 6), 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);

    const QList<QWidget *> fields = {TextIndexiStart, TextIndexiEnd, TextIndexjStart, TextIndexjEnd};
    // TextIndexiStart_KeyPress, TextIndexjStart_KeyPress, TextIndexiEnd_KeyPress
    // and TextIndexjEnd_KeyPress alike: digits only.
    m_filter = std::make_unique<EntryEventFilter>(EntryEventFilter::Handlers{
        [](const QObject *, qint16 &KeyAscii) {
            FilterDigitKey(KeyAscii);
            return true;
        },
        [](const QObject *, qsizetype, qsizetype) { return false; }, [](const QObject *) { return true; },
        [this](const QObject *field) { lostFocus(field); }});
    m_paste = std::make_unique<EntryPaste>(fields, [](const QObject *) {});
    for (QWidget *field : fields) {
        field->installEventFilter(m_filter.get());
        m_paste->watch(static_cast<QLineEdit *>(field));
        connect(static_cast<QLineEdit *>(field), &QLineEdit::textChanged, this,
                [this] { emit valuesChanged(values()); });
    }
}

IndexRangePanel::~IndexRangePanel() = default;

void IndexRangePanel::setChecks(const MainState &state, ui::Messages &messages)
{
    m_state = &state;
    m_messages = &messages;
}

IndexRangePanel::Values IndexRangePanel::values() const
{
    return {FieldValue::index(TextIndexiStart->text()), FieldValue::index(TextIndexiEnd->text()),
            FieldValue::index(TextIndexjStart->text()), FieldValue::index(TextIndexjEnd->text())};
}

void IndexRangePanel::setTexts(const QString &iStart, const QString &iEnd, const QString &jStart, const QString &jEnd)
{
    TextIndexiStart->setText(iStart);
    TextIndexiEnd->setText(iEnd);
    TextIndexjStart->setText(jStart);
    TextIndexjEnd->setText(jEnd);
}

void IndexRangePanel::lostFocus(const QObject *field)
{
    if (m_givingFocusBack)
        return;
    if (field == TextIndexiStart)
        TextIndexiStart_LostFocus();
    else if (field == TextIndexjStart)
        TextIndexjStart_LostFocus();
    else if (field == TextIndexiEnd)
        TextIndexiEnd_LostFocus();
    else if (field == TextIndexjEnd)
        TextIndexjEnd_LostFocus();
}

void IndexRangePanel::TextIndexiStart_LostFocus()
{
    check(TextIndexiStart, 0, true, tr("Starting index for I must be greater than "));
}
void IndexRangePanel::TextIndexjStart_LostFocus()
{
    check(TextIndexjStart, 1, true, tr("Starting index for J must be greater than "));
}
void IndexRangePanel::TextIndexiEnd_LostFocus()
{
    check(TextIndexiEnd, 2, false, tr("Ending index for I must be smaller than "));
}
void IndexRangePanel::TextIndexjEnd_LostFocus()
{
    check(TextIndexjEnd, 3, false, tr("Ending index for J must be smaller than "));
}

void IndexRangePanel::check(QLineEdit *field, int limitEntry, bool lowest, const QString &prefix)
{
    if (!m_state || !m_messages || !IndexRange::checksApply(m_state->SelectionMethod, m_state->selectedDomain()))
        return;
    const std::optional<QString> complaint = IndexRange::message(
        prefix, lowest ? IndexRange::Bound::Lowest : IndexRange::Bound::Highest, field->text(),
        m_state->DomainLimits.value(limitEntry));
    if (!complaint)
        return;
    m_messages->critical(*complaint);
    // The text stays as typed; the user corrects it in place.
    const QScopedValueRollback<bool> givingBack(m_givingFocusBack, true);
    field->setFocus(Qt::OtherFocusReason);
}
