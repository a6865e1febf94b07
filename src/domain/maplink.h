#pragma once

struct WindowContext;

// "Show map for domain": opens the selected domain's map document on the
// maker's web site.
class MapLink
{
public:
    explicit MapLink(WindowContext &context);

    void DownloadMapButton_Click();

private:
    WindowContext &m_context;
};
