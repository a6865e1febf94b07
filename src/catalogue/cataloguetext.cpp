// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/cataloguetext.h"

#include "common/numbertext.h"

#include <QCoreApplication>

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
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("CatalogueText", "January"),   QT_TRANSLATE_NOOP("CatalogueText", "February"),
        QT_TRANSLATE_NOOP("CatalogueText", "March"),     QT_TRANSLATE_NOOP("CatalogueText", "April"),
        QT_TRANSLATE_NOOP("CatalogueText", "May"),       QT_TRANSLATE_NOOP("CatalogueText", "June"),
        QT_TRANSLATE_NOOP("CatalogueText", "July"),      QT_TRANSLATE_NOOP("CatalogueText", "August"),
        QT_TRANSLATE_NOOP("CatalogueText", "September"), QT_TRANSLATE_NOOP("CatalogueText", "October"),
        QT_TRANSLATE_NOOP("CatalogueText", "November"),  QT_TRANSLATE_NOOP("CatalogueText", "December")};
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("CatalogueText", names[month - 1]);
}

QStringList SplitWords(const QString &line)
{
    QStringList words = line.split(u' ');
    RemoveBlankItems(words);
    return words;
}
