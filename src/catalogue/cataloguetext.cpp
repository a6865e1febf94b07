#include "catalogue/cataloguetext.h"

#include "common/numbertext.h"

void RemoveBlankItems(QStringList &items)
{
    items.removeIf([](const QString &item) { return NumberText::trimBlanks(item).isEmpty(); });
}

QString GetMonthName(int month)
{
    static const char *const names[] = {"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};
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
