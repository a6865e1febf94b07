// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/mainstate.h"
#include "ui/services.h"

struct MainWindowForm;

// Handed by the main window to the parts that act on it.
struct WindowContext
{
    MainWindowForm &form;
    MainState &state;
    ui::Services services;
};
