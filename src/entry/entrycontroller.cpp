// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entrycontroller.h"

#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "entry/dmssync.h"
#include "entry/entryeventfilter.h"
#include "entry/entrykeys.h"
#include "entry/entrypaste.h"
#include "entry/indexchecks.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

EntryController::EntryController(WindowContext &context)
    : m_context(context)
    , m_keys(std::make_unique<EntryKeys>(context.form, [this] { moveOn(); }))
    , m_dms(std::make_unique<DmsSync>(context.form))
    , m_indexChecks(std::make_unique<IndexChecks>(context.form, context.state, *context.services.messages))
{
    m_filter = std::make_unique<EntryEventFilter>(EntryEventFilter::Handlers{
        [this](const QObject *control, qint16 &KeyAscii) { return m_keys->KeyPress(control, KeyAscii); },
        [this](const QObject *control, qsizetype textLength, qsizetype selectedLength) {
            return EntryKeys::exceedsTypingLimit(m_keys->typingLimit(control), textLength, selectedLength);
        },
        [this](const QObject *control) {
            return m_dms->hasLostFocusHandler(control) || m_indexChecks->hasLostFocusHandler(control);
        },
        [this](const QObject *control) { lostFocus(control); }});

    // Every control with a key or focus-loss handler.
    const MainWindowForm &f = m_context.form;
    QWidget *const handled[] = {f.txtLat1,         f.txtLat2,         f.txtLon1,       f.txtLon2,      f.txtEMRLAT01,
                                f.txtEMRLON01,     f.txtRadius1,      f.cboEMRLAT01,   f.txtLatD1,     f.txtLatM1,
                                f.txtLatS1,        f.txtLonD1,        f.txtLonM1,      f.txtLonS1,     f.txtLatD2,
                                f.txtLatM2,        f.txtLatS2,        f.txtLonD2,      f.txtLonM2,     f.txtLonS2,
                                f.TextIndexiStart, f.TextIndexjStart, f.TextIndexiEnd, f.TextIndexjEnd};
    for (QWidget *control : handled) {
        control->installEventFilter(m_filter.get());
        // Composed text of an input method would reach the field without a
        // key press and so pass the filters; these fields take numbers only.
        if (qobject_cast<QLineEdit *>(control))
            control->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    // A pasted degree, minute or second is taken in as when its field is left.
    m_paste = std::make_unique<EntryPaste>(f, [this](const QObject *field) { m_dms->LostFocus(field); });

    // The filter object is the connections' context: they end with it.
    DmsSync *dms = m_dms.get();
    QObject::connect(f.txtLat1, &QLineEdit::textChanged, m_filter.get(), [dms] { dms->txtLat1_Change(); });
    QObject::connect(f.txtLon1, &QLineEdit::textChanged, m_filter.get(), [dms] { dms->txtLon1_Change(); });
    QObject::connect(f.txtLat2, &QLineEdit::textChanged, m_filter.get(), [dms] { dms->txtLat2_Change(); });
    QObject::connect(f.txtLon2, &QLineEdit::textChanged, m_filter.get(), [dms] { dms->txtLon2_Change(); });
}

EntryController::~EntryController() = default;

void EntryController::moveOn()
{
    // Sent to the window, the Tab moves on from whatever holds the focus when
    // it is handled; Qt skips hidden and disabled controls and wraps around.
    QCoreApplication::postEvent(m_context.form.centralWidget->window(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void EntryController::lostFocus(const QObject *control)
{
    if (m_indexChecks->isGivingFocusBack())
        return;
    if (!m_dms->LostFocus(control))
        m_indexChecks->LostFocus(control);
}
