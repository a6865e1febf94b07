// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/cataloguetext.h"

#include "common/numbertext.h"

void RemoveBlankItems(QStringList &items)
{
    items.removeIf([](const QString &item) { return NumberText::trimBlanks(item).isEmpty(); });
}

QStringView TrimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString GetMonthName(int month)
{
    static const char *const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(names[month - 1]);
}

QStringList SplitWords(const QString &line)
{
    QStringList words = line.split(u' ');
    RemoveBlankItems(words);
    return words;
}
