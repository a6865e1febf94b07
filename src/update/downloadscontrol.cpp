#include "update/downloadscontrol.h"

#include "common/makerinfo.h"

#include <QHBoxLayout>
#include <QLabel>

DownloadsControl::DownloadsControl(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
{
    // Controls::find never reaches into a user control.
    setProperty("userControl", true);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setText(MakerInfo::WebSiteCaption);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
}

void DownloadsControl::attach(WindowContext &context)
{
    m_context = &context;
}
