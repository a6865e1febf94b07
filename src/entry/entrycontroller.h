#pragma once

struct WindowContext;

// The entry fields of the three input panels: key filters, the decimal and
// degree/minute/second synchronisation, and the index range checks.
class EntryController
{
public:
    explicit EntryController(WindowContext &context);

    void txtLat1_Change();
    void txtLon1_Change();
    void txtLat2_Change();
    void txtLon2_Change();

private:
    WindowContext &m_context;
};
