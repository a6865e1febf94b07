// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class Shell;
}

// The About box: name, version and notice of the program, and how to reach
// the maker. Made afresh for every showing, so each one runs its load steps.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(ui::Shell &shell, QWidget *parent = nullptr);

    // Major and minor version and the version date: 1.7.04_19_2011.
    static QString VersionText();

    void cmdOK_Click();
    void lblQMT_Web_Site_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildForm();
    void Form_Load();

    ui::Shell &m_shell;

    QLabel *imgLogo;
    QLabel *lblDesc;
    QLabel *lblDesc2;
    QLabel *lblVer;
    QLabel *lblCopyright;
    QLabel *Label8;
    QLabel *lblQMT_Web_Site;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QPushButton *cmdOK;
};
