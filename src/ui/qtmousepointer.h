// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/mousepointer.h"

namespace ui {

// The hourglass is an application-wide override cursor: the window thread is
// blocked while it shows, so the pointer must not depend on widget events.
class QtMousePointer final : public MousePointer
{
public:
    ~QtMousePointer() override;
    void setShape(QWidget *over, Shape shape) override;

private:
    int m_depth = 0;
};

} // namespace ui
