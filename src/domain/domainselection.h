// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class CoordinateEntry;
class IndexRangePanel;
class MethodRefresh;
class QComboBox;
class QPushButton;
struct MainState;

namespace ui {
class PickList;
}

// The country list and the list of domain entries offered for the chosen
// country; choosing an entry makes its domain the selected domain.
class DomainSelection
{
    Q_DECLARE_TR_FUNCTIONS(DomainSelection)

public:
    // The controls it acts on.
    struct Controls
    {
        QComboBox *CountriesListBox;
        ui::PickList *DomainsAvailableBox;
        QPushButton *DownloadMapButton;
        QPushButton *cmdShow;
        CoordinateEntry *startLatitude, *startLongitude, *endLatitude, *endLongitude;
        IndexRangePanel *indexRange;
    };

    DomainSelection(const Controls &controls, MainState &state, MethodRefresh &methodRefresh);

    void CountriesListBox_Click();
    void DomainsAvailableBox_Click();
    void ClearEntryFields();
    // paddedNumber: the domain number with at least three digits ("007").
    void LoadDomainLimits(const QString &paddedNumber);

private:
    const Controls m_form;
    MainState &m_state;
    MethodRefresh &m_methodRefresh;
};
