// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

class Messages;
class MousePointer;
class Shell;

// What the window needs from the world outside its controls. The running
// program passes the Qt implementations; tests pass recorders.
struct Services
{
    Messages *messages = nullptr;
    MousePointer *pointer = nullptr;
    Shell *shell = nullptr;
};

} // namespace ui
