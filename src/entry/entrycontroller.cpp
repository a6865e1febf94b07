#include "entry/entrycontroller.h"

#include "app/windowcontext.h"
#include "entry/dmssync.h"
#include "entry/entryeventfilter.h"
#include "entry/entrypaste.h"
#include "entry/entrykeys.h"
#include "entry/indexchecks.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Every control with a key or focus-loss handler.
const char *const EntryControls[] = {
    "txtLat1", "txtLat2", "txtLon1", "txtLon2", "txtEMRLAT01", "txtEMRLON01", "txtRadius1", "cboEMRLAT01",
    "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1", "txtLonM1", "txtLonS1",
    "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2",
    "TextIndexiStart", "TextIndexjStart", "TextIndexiEnd", "TextIndexjEnd"};

} // namespace

EntryController::EntryController(WindowContext &context)
    : m_context(context)
    , m_keys(std::make_unique<EntryKeys>(context.controls, [this] { moveOn(); }))
    , m_dms(std::make_unique<DmsSync>(context.controls))
    , m_indexChecks(std::make_unique<IndexChecks>(context.controls, context.state, *context.services.messages))
{
    m_filter = std::make_unique<EntryEventFilter>(EntryEventFilter::Handlers{
        [this](const QString &control, qint16 &KeyAscii) { return m_keys->KeyPress(control, KeyAscii); },
        [](const QString &control) {
            return DmsSync::hasLostFocusHandler(control) || IndexChecks::hasLostFocusHandler(control);
        },
        [this](const QString &control) { lostFocus(control); }});

    const ui::Controls &c = m_context.controls;
    for (const char *name : EntryControls) {
        QWidget *control = c.widget(QLatin1String(name));
        control->installEventFilter(m_filter.get());
        // Composed text of an input method would reach the field without a
        // key press and so pass the filters; these fields take numbers only.
        if (qobject_cast<QLineEdit *>(control))
            control->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    m_paste = std::make_unique<EntryPaste>(c.window());

    // The filter object is the connections' context: they end with it.
    const auto onChange = [this, &c](const char *name, void (EntryController::*handler)()) {
        QObject::connect(c.lineEdit(QLatin1String(name)), &QLineEdit::textChanged, m_filter.get(),
                         [this, handler] { (this->*handler)(); });
    };
    onChange("txtLat1", &EntryController::txtLat1_Change);
    onChange("txtLon1", &EntryController::txtLon1_Change);
    onChange("txtLat2", &EntryController::txtLat2_Change);
    onChange("txtLon2", &EntryController::txtLon2_Change);
}

EntryController::~EntryController() = default;

void EntryController::txtLat1_Change() { m_dms->txtLat1_Change(); }
void EntryController::txtLon1_Change() { m_dms->txtLon1_Change(); }
void EntryController::txtLat2_Change() { m_dms->txtLat2_Change(); }
void EntryController::txtLon2_Change() { m_dms->txtLon2_Change(); }

void EntryController::moveOn()
{
    // Sent to the window, the Tab moves on from whatever holds the focus when
    // it is handled; Qt skips hidden and disabled controls and wraps around.
    QCoreApplication::postEvent(m_context.controls.window(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void EntryController::lostFocus(const QString &control)
{
    if (m_indexChecks->isGivingFocusBack())
        return;
    if (!m_dms->LostFocus(control))
        m_indexChecks->LostFocus(control);
}
