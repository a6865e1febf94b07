#pragma once

#include "app/mainstate.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <functional>

// Handed by the main window to the parts that act on it.
struct WindowContext
{
    ui::Controls &controls;
    MainState &state;
    ui::Services services;
    // Re-reads the catalogue and refills the country list.
    std::function<void()> initMainForm;
};
