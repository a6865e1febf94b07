// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

// The engine and every process it starts, ended together. On Unix the engine
// leads a process group of its own, which its children join; on Windows it
// runs in a job object that ends its members when the job is closed, also
// when this program itself ends abruptly. Whatever of the tree is left when
// this object goes is killed.
class EngineTree
{
public:
    // Prepares `engine`, which has not started yet.
    explicit EngineTree(QProcess &engine);
    ~EngineTree();
    Q_DISABLE_COPY_MOVE(EngineTree)

    // Takes in the engine just started.
    void adopt();
    // Asks every process of the tree to stop (on Windows, where a console
    // program without a window takes no such request, it ends them).
    void terminate();
    // Ends every process of the tree at once.
    void kill();
    // Whether a process of the tree may still be there.
    bool running() const;

private:
    QProcess &m_engine;
#ifdef Q_OS_WIN
    void *m_job = nullptr;
#else
    qint64 m_group = 0;
#endif
};
