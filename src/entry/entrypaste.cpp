// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entrypaste.h"

#include "entry/pastedtext.h"
#include "entry/pastefilter.h"
#include "ui/userpick.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>

EntryPaste::EntryPaste(const QList<QWidget *> &controls, LeftHandler left)
    : m_left(std::move(left))
    , m_filter(
          std::make_unique<PasteFilter>([this](QLineEdit *field, const QString &text) { return pasted(field, text); }))
{
    for (QWidget *control : controls)
        m_controls.insert(control->objectName(), control);
}

void EntryPaste::watch(QLineEdit *field)
{
    Q_ASSERT(PastedText::takesCoordinates(field->objectName()) || PastedText::takesIndex(field->objectName()));
    m_filter->watch(field);
}

EntryPaste::~EntryPaste() = default;

bool EntryPaste::pasted(QLineEdit *field, const QString &text)
{
    if (text.isEmpty())
        return false;
    const PastedText::Outcome outcome = PastedText::paste(field->objectName(), text);
    if (!outcome.hint.isEmpty())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), outcome.hint, field, QRect(), HintTime);
    for (const PastedText::Write &w : outcome.writes)
        write(w);
    return outcome.refused || !outcome.writes.isEmpty();
}

// As the user would: pick the hemisphere, then put the text into the field.
// A decimal field's change handling brings its other fields into step; a
// degree, minute or second field is left as the user leaves it, so the
// decimal field follows it.
void EntryPaste::write(const PastedText::Write &w)
{
    auto *field = qobject_cast<QLineEdit *>(m_controls.value(w.field));
    Q_ASSERT(field);
    auto *list = qobject_cast<QComboBox *>(m_controls.value(w.hemisphereList));
    if (list && !w.letter.isEmpty()) {
        const int item = list->findText(w.letter);
        if (item >= 0)
            ui::pickAsUser(list, item);
    }
    if (field->text() == w.text) {
        // The same text again is no change of the field; its other fields
        // may have been edited since, so they are brought back into step.
        emit field->textChanged(w.text);
    } else {
        field->setText(w.text);
    }
    m_left(field);
}
