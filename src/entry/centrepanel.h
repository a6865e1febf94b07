// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QtGlobal>

#include <memory>
#include <optional>

class EntryEventFilter;
class EntryPaste;
class QComboBox;
class QLabel;
class QLineEdit;

// The centre panel: a centre in decimal degrees, its hemispheres, and a
// radius in km. The fields take decimal numbers; the minus key flips a
// hemisphere instead of typing a sign.
class CentrePanel : public QGroupBox
{
    Q_OBJECT

public:
    // The signed centre and the radius; each nothing while its field is
    // empty or does not read.
    struct Values
    {
        std::optional<double> latitude, longitude, radius;
    };

    explicit CentrePanel(QWidget *parent = nullptr);
    ~CentrePanel() override;

    QLabel *Label55, *Label54, *Label53, *Label50;
    QLineEdit *txtEMRLAT01;
    QComboBox *cboEMRLAT01;
    QLineEdit *txtEMRLON01;
    QComboBox *cboEMRLON01;
    QLineEdit *txtRadius1;

    Values values() const;
    // Writes the centre and the radius as the user enters them: each
    // hemisphere is picked (its pick handling runs), then the magnitude typed.
    void enter(double latitude, double longitude, double radiusKm);

    void txtEMRLAT01_KeyPress(qint16 &KeyAscii);
    void txtEMRLON01_KeyPress(qint16 &KeyAscii);
    void txtRadius1_KeyPress(qint16 &KeyAscii);
    void cboEMRLAT01_KeyPress(qint16 &KeyAscii);

signals:
    // After every change of a field or a hemisphere.
    void valuesChanged(const CentrePanel::Values &values);

private:
    bool keyPress(const QObject *control, qint16 &KeyAscii);

    std::unique_ptr<EntryEventFilter> m_filter;
    std::unique_ptr<EntryPaste> m_paste;
};
