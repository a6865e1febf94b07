#pragma once

#include "run/controlfilewriter.h"

#include <QStringList>

struct WindowContext;

// "Show tiles in domain": writes the control file, runs the engine and lists
// the tiles it found.
class TileRun
{
public:
    explicit TileRun(WindowContext &context);

    void cmdShow_Click();
    void ShowTiles();
    // True when the engine was found in the application folder and has run
    // to its end; false when it is missing or could not be started.
    bool RunEngine();

private:
    bool domainSelected() const;

    WindowContext &m_context;
    ControlFileWriter m_writer;
    QStringList m_tileNumbers;
};
