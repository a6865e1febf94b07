// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reads a text field by field, the way a comma-separated sequential file is
// read: blanks before a field are skipped; a field that begins with a double
// quote runs to the next double quote (the quotes are dropped, and what
// follows up to the comma or the line end is skipped); any other field runs
// up to the next comma or the end of its line. An empty or all-blank line
// gives one empty field. Lines end at CR LF, LF or CR.
class ListFieldReader
{
public:
    explicit ListFieldReader(const QString &text);

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next field; an empty text at the end.
    QString next();
    // The same, as a view into the text, valid as long as the reader.
    QStringView nextView();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    // Skips to the end of the field: past the next comma, or past the line end.
    void skipToFieldEnd();

    QString m_text;
    qsizetype m_pos = 0;
};
