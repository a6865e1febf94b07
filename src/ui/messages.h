// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace ui {

// The title every message box of the program carries unless it names its own,
// as its source text; the boxes show it translated, in the context "ui".
inline constexpr char ApplicationTitle[] = QT_TRANSLATE_NOOP("ui", "Quorvantix GUI");

inline QString applicationTitle()
{
    return QCoreApplication::translate("ui", ApplicationTitle);
}

enum class MessageIcon { None, Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. The running program shows real boxes (QtMessages);
// tests put a recorder in its place and script the answers.
class Messages
{
public:
    virtual ~Messages() = default;
    // details, when not empty, is offered behind the box's "Show Details..." button.
    virtual MessageAnswer show(const QString &text, const QString &title, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok, const QString &details = {}) = 0;

    MessageAnswer critical(const QString &text, const QString &title = applicationTitle())
    {
        return show(text, title, MessageIcon::Critical);
    }
    MessageAnswer criticalWithDetails(const QString &text, const QString &details,
                                      const QString &title = applicationTitle())
    {
        return show(text, title, MessageIcon::Critical, MessageButtons::Ok, details);
    }
    MessageAnswer information(const QString &text, const QString &title = applicationTitle())
    {
        return show(text, title, MessageIcon::Information);
    }
    MessageAnswer plain(const QString &text, const QString &title = applicationTitle())
    {
        return show(text, title, MessageIcon::None);
    }
    MessageAnswer question(const QString &text, const QString &title = applicationTitle())
    {
        return show(text, title, MessageIcon::None, MessageButtons::YesNo);
    }
};

} // namespace ui
