#include "run/tilerun.h"

#include "app/windowcontext.h"

TileRun::TileRun(WindowContext &context)
    : m_context(context)
{
}

void TileRun::ShowTiles() {}
