#pragma once

#include "ui/messages.h"

#include <QList>
#include <QString>

// Records every message box instead of showing it, and answers questions
// from a script (Yes when the script is empty).
class RecordingMessages final : public ui::Messages
{
public:
    struct Shown
    {
        QString text;
        QString title;
        ui::MessageIcon icon;
        ui::MessageButtons buttons;
        QString details;
    };

    ui::MessageAnswer show(const QString &text, const QString &title, ui::MessageIcon icon,
                           ui::MessageButtons buttons, const QString &details) override;

    QList<Shown> shown;
    QList<ui::MessageAnswer> answers;
    // Run while the box would be open (for example to look at the focus).
    std::function<void(const Shown &)> onShow;

    QStringList texts() const;
    void clear() { shown.clear(); }
};
