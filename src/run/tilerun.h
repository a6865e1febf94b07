#pragma once

struct WindowContext;

// "Show tiles in domain": writes the control file, runs the engine and lists
// the tiles it found.
class TileRun
{
public:
    explicit TileRun(WindowContext &context);

    void ShowTiles();

private:
    WindowContext &m_context;
};
