#include "domain/maplink.h"

#include "app/windowcontext.h"

MapLink::MapLink(WindowContext &context)
    : m_context(context)
{
}

void MapLink::DownloadMapButton_Click() {}
