// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/maplink.h"

#include "common/makerinfo.h"
#include "core/mainwindowform.h"
#include "core/shellroutines.h"
#include "core/windowcontext.h"

#include <QPushButton>

MapLink::MapLink(WindowContext &context)
    : m_context(context)
{
    QObject::connect(m_context.form.DownloadMapButton, &QPushButton::clicked, m_context.form.centralWidget,
                     [this] { DownloadMapButton_Click(); });
}

QString MapLink::MapAddress(std::optional<int> domain)
{
    if (!domain)
        return {};
    return MakerInfo::WebSite + QStringLiteral("/mm5/Files/MM5_D") + QString::number(*domain) + QStringLiteral(".pdf");
}

void MapLink::DownloadMapButton_Click()
{
    const QString address = MapAddress(m_context.state.selectedDomain());
    if (!address.isEmpty())
        OpenUrl(*m_context.services.shell, address);
}
