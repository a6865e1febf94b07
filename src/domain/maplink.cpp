// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/maplink.h"

#include "common/makerinfo.h"
#include "state/mainstate.h"
#include "ui/shellroutines.h"

#include <QPushButton>

MapLink::MapLink(QPushButton *DownloadMapButton, const MainState &state, ui::Shell &shell)
    : m_state(state)
    , m_shell(shell)
{
    QObject::connect(DownloadMapButton, &QPushButton::clicked, DownloadMapButton,
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
    const QString address = MapAddress(m_state.selectedDomain());
    if (!address.isEmpty())
        OpenUrl(m_shell, address);
}
