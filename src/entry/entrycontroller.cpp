#include "entry/entrycontroller.h"

#include "app/windowcontext.h"

EntryController::EntryController(WindowContext &context)
    : m_context(context)
{
}

void EntryController::txtLat1_Change() {}
void EntryController::txtLon1_Change() {}
void EntryController::txtLat2_Change() {}
void EntryController::txtLon2_Change() {}
