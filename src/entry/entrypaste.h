// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <memory>

struct MainWindowForm;

class PasteFilter;
class QLineEdit;
class QWidget;

// Pasting into the coordinate and index fields of the form: a text that
// reads as a coordinate or a pair is written into the decimal fields and the
// hemisphere lists as the user would type and pick it; any other text is
// pasted as usual, and a short tip beside the field says when it is not what
// the field takes.
class EntryPaste
{
public:
    explicit EntryPaste(const MainWindowForm &form);
    ~EntryPaste();

    // True when the text was taken as a coordinate instead of being pasted.
    bool pasted(QLineEdit *field, const QString &text);

    // How long the tip stays, in milliseconds.
    static constexpr int HintTime = 6000;

private:
    void writeCoordinate(const QString &decimalField, const QString &magnitude, const QString &hemisphereList,
                         const QString &letter);

    // The entry controls by the names the paste rules give them.
    QHash<QString, QWidget *> m_controls;
    std::unique_ptr<PasteFilter> m_filter;
};
