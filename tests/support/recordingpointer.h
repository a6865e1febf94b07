#pragma once

#include "ui/mousepointer.h"

#include <QList>

// Records the pointer shapes asked for, in order.
class RecordingPointer final : public ui::MousePointer
{
public:
    void setShape(QWidget *over, Shape shape) override
    {
        changes.append({over, shape});
        current = shape;
    }

    struct Change
    {
        QWidget *over;
        Shape shape;
    };
    QList<Change> changes;
    Shape current = Shape::Default;
};
