// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/quotedtext.h"

QString QuotedText(const QString &text, qsizetype longest)
{
    QString quoted = text.left(longest);
    for (QChar &c : quoted) {
        // Control characters and the line and paragraph separators.
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = u' ';
    }
    return text.size() > longest ? quoted + QStringLiteral("...") : quoted;
}
