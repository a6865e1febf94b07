#include "domain/methodrefresh.h"

#include "app/basmodule.h"
#include "app/windowcontext.h"

#include <QComboBox>

MethodRefresh::MethodRefresh(WindowContext &context)
    : m_context(context)
{
    QObject::connect(m_context.controls.comboBox(QStringLiteral("cboChoice1")), &QComboBox::activated,
                     m_context.controls.window(), [this] { cboChoice1_Click(); });
}

void MethodRefresh::cboChoice1_Click()
{
    // TODO(domain selection): the full refresh.
    basModule::SelectionMethod = 1;
}

void MethodRefresh::HideEntryPanels() {}
void MethodRefresh::EnableEntryFields() {}
void MethodRefresh::ShowDomainLimits() {}
