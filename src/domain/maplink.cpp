#include "domain/maplink.h"

#include "app/shellroutines.h"
#include "app/windowcontext.h"
#include "common/makerinfo.h"
#include "common/numbertext.h"

#include <QAbstractButton>

MapLink::MapLink(WindowContext &context)
    : m_context(context)
{
    QObject::connect(m_context.controls.button(QStringLiteral("DownloadMapButton")), &QAbstractButton::clicked,
                     m_context.controls.window(), [this] { DownloadMapButton_Click(); });
}

QString MapLink::MapAddress(const QString &domain)
{
    bool ok = false;
    const int number = NumberText::trimBlanks(domain).toInt(&ok);
    if (!ok || number < 0)
        return {};
    return MakerInfo::WebSite + QStringLiteral("/mm5/Files/MM5_D") + QString::number(number) + QStringLiteral(".pdf");
}

void MapLink::DownloadMapButton_Click()
{
    const QString address = MapAddress(m_context.state.SelectedDomain);
    if (!address.isEmpty())
        OpenUrl(*m_context.services.shell, address);
}
