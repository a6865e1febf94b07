#pragma once

#include "ui/shell.h"

#include <QStringList>

// Records the shell requests instead of making them.
class RecordingShell final : public ui::Shell
{
public:
    bool openDocument(const QString &path) override
    {
        documents << path;
        return true;
    }
    bool openUrl(const QString &address) override
    {
        urls << address;
        return true;
    }
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingFolder) override
    {
        programs << QStringList{program, arguments.join(u' '), workingFolder};
        return true;
    }

    QStringList documents;
    QStringList urls;
    QList<QStringList> programs;
};
