// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entrypaste.h"

#include "core/mainwindowform.h"
#include "entry/pastedtext.h"
#include "entry/pastefilter.h"
#include "ui/userpick.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>

EntryPaste::EntryPaste(const MainWindowForm &form)
    : m_filter(
        std::make_unique<PasteFilter>([this](QLineEdit *field, const QString &text) { return pasted(field, text); }))
{
    for (QWidget *control : form.entryWidgets()) {
        m_controls.insert(control->objectName(), control);
        auto *field = qobject_cast<QLineEdit *>(control);
        if (field && (PastedText::takesCoordinates(field->objectName()) || PastedText::takesIndex(field->objectName())))
            m_filter->watch(field);
    }
}

EntryPaste::~EntryPaste() = default;

bool EntryPaste::pasted(QLineEdit *field, const QString &text)
{
    if (text.isEmpty())
        return false;
    const PastedText::Outcome outcome = PastedText::paste(field->objectName(), text);
    if (!outcome.hint.isEmpty())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), outcome.hint, field, QRect(), HintTime);
    for (const PastedText::Write &write : outcome.writes)
        writeCoordinate(write.decimalField, write.magnitude, write.hemisphereList, write.letter);
    return !outcome.writes.isEmpty();
}

// As the user would: pick the hemisphere, then put the magnitude into the
// decimal field, whose change handling brings its other fields into step.
void EntryPaste::writeCoordinate(const QString &decimalField, const QString &magnitude, const QString &hemisphereList,
                                 const QString &letter)
{
    auto *list = qobject_cast<QComboBox *>(m_controls.value(hemisphereList));
    auto *decimal = qobject_cast<QLineEdit *>(m_controls.value(decimalField));
    Q_ASSERT(list && decimal);
    const int item = list->findText(letter);
    if (item >= 0)
        ui::pickAsUser(list, item);
    if (decimal->text() == magnitude) {
        // The same text again is no change of the field; its other fields
        // may have been edited since, so they are brought back into step.
        emit decimal->textChanged(magnitude);
    } else {
        decimal->setText(magnitude);
    }
}
