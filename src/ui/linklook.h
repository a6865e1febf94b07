// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;

namespace ui {

// Makes a label read as a link: underlined, in the link colour, with a
// pointing hand over it. What a click does is the owner's business.
void giveLinkLook(QLabel *label);

} // namespace ui
