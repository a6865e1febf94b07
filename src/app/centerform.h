// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Moves a window to the middle of its screen without changing its size; a
// window larger than the screen gets a negative position.
void CenterForm(QWidget *window);
