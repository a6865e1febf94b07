#include "support/recordingmessages.h"

ui::MessageAnswer RecordingMessages::show(const QString &text, const QString &title,
                                          ui::MessageIcon icon, ui::MessageButtons buttons,
                                          const QString &details)
{
    shown.append({text, title, icon, buttons, details});
    if (onShow)
        onShow(shown.last());
    if (buttons == ui::MessageButtons::Ok)
        return ui::MessageAnswer::Ok;
    return answers.isEmpty() ? ui::MessageAnswer::Yes : answers.takeFirst();
}

QStringList RecordingMessages::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result << s.text;
    return result;
}
