// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class CentrePanel;
class CoordinateEntry;
class IndexRangePanel;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
struct MainState;

// The method list cboChoice1: switches the input panels, records the method
// and shows the selected domain's limits in the labels and the fields.
class MethodRefresh
{
    Q_DECLARE_TR_FUNCTIONS(MethodRefresh)

public:
    // The controls it acts on.
    struct Controls
    {
        QComboBox *cboChoice1;
        QGroupBox *Geodetic1, *Geodetic2;
        IndexRangePanel *indexRange;
        CentrePanel *centre;
        CoordinateEntry *startLatitude, *startLongitude, *endLatitude, *endLongitude;
        QLabel *label11, *Label8, *Label9, *Label10;
        QListWidget *TilesListBox;
    };

    MethodRefresh(const Controls &controls, MainState &state);

    void cboChoice1_Click();
    void HideEntryPanels();
    void EnableEntryFields();
    void ShowDomainLimits();

private:
    const Controls m_form;
    MainState &m_state;
};
