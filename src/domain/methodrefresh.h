// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct WindowContext;

// The method list cboChoice1: switches the input panels, records the method
// and shows the selected domain's limits in the labels and the fields.
class MethodRefresh
{
public:
    explicit MethodRefresh(WindowContext &context);

    void cboChoice1_Click();
    void HideEntryPanels();
    void EnableEntryFields();
    void ShowDomainLimits();

private:
    WindowContext &m_context;
};
