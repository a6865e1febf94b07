// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QtGlobal>

#include <memory>
#include <optional>

class EntryEventFilter;
class EntryPaste;
class QLabel;
class QLineEdit;
struct MainState;

namespace ui {
class Messages;
}

// The grid index panel "(I, J)": a start and an end index for I and for J.
// Its fields take digits only; each is checked against the domain's limits
// when the user leaves it: a value beyond them is reported and the field
// gets the focus back. The start indices must not lie below the lowest, the
// end indices not above the highest index.
class IndexRangePanel : public QGroupBox
{
    Q_OBJECT

public:
    // The four indices as the control file gives them: whole numbers within
    // the 16-bit range, or nothing.
    struct Values
    {
        std::optional<qint16> iStart, iEnd, jStart, jEnd;
    };
    explicit IndexRangePanel(QWidget *parent = nullptr);
    ~IndexRangePanel() override;

    QLabel *Label6, *Label12, *Label7, *Label13;
    QLineEdit *TextIndexiStart, *TextIndexiEnd, *TextIndexjStart, *TextIndexjEnd;

    // The checks apply while the state's method is the index method and a
    // domain is chosen; they compare with the state's domain limits.
    void setChecks(const MainState &state, ui::Messages &messages);
    Values values() const;
    // Writes the four fields, in the order iStart, iEnd, jStart, jEnd.
    void setTexts(const QString &iStart, const QString &iEnd, const QString &jStart, const QString &jEnd);

    void TextIndexiStart_LostFocus();
    void TextIndexjStart_LostFocus();
    void TextIndexiEnd_LostFocus();
    void TextIndexjEnd_LostFocus();

    // True while a failed field is being given the focus back. The field the
    // focus had moved on to loses it again then without the user leaving it:
    // checking it would answer one message with another, and two failing
    // fields would send the focus to and fro for ever.
    bool isGivingFocusBack() const { return m_givingFocusBack; }

signals:
    // After every change of a field's text.
    void valuesChanged(const IndexRangePanel::Values &values);

private:
    void check(QLineEdit *field, int limitEntry, bool lowest, const QString &prefix);
    void lostFocus(const QObject *field);

    const MainState *m_state = nullptr;
    ui::Messages *m_messages = nullptr;
    bool m_givingFocusBack = false;
    std::unique_ptr<EntryEventFilter> m_filter;
    std::unique_ptr<EntryPaste> m_paste;
};
