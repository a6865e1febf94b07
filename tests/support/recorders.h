// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/messages.h"
#include "ui/mousepointer.h"
#include "ui/shell.h"

#include <QList>
#include <QStringList>

#include <functional>

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

    ui::MessageAnswer show(const QString &text, const QString &title, ui::MessageIcon icon, ui::MessageButtons buttons,
                           const QString &details) override
    {
        shown.append({text, title, icon, buttons, details});
        if (onShow)
            onShow(shown.last());
        if (buttons == ui::MessageButtons::Ok)
            return ui::MessageAnswer::Ok;
        return answers.isEmpty() ? ui::MessageAnswer::Yes : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result << box.text;
        return result;
    }
    void clear() { shown.clear(); }

    QList<Shown> shown;
    QList<ui::MessageAnswer> answers;
    // Run while the box would be open (for example to look at the focus).
    std::function<void(const Shown &)> onShow;
};

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

// Records the shell requests instead of making them.
class RecordingShell final : public ui::Shell
{
public:
    bool openDocument(const QString &path) override { return (documents << path, true); }
    bool openUrl(const QString &address) override { return (urls << address, true); }
    // Each program started is kept as "program arguments... | working folder".
    bool startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder) override
    {
        return (programs << (QStringList(program) + arguments).join(u' ') + QStringLiteral(" | ") + workingFolder,
                true);
    }

    QStringList documents;
    QStringList urls;
    QStringList programs;
};
