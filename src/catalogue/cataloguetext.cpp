#include "catalogue/cataloguetext.h"

#include "common/numbertext.h"

#include <algorithm>

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

void AddCountries(QStringList &countryNames, const QString &countryList)
{
    const QStringList items = countryList.split(u',');
    for (const QString &item : items) {
        // The table starts as one empty entry, which the first item replaces.
        if (countryNames.size() == 1 && countryNames.first().isEmpty()) {
            countryNames.first() = item;
            continue;
        }
        const QString trimmed = NumberText::trimBlanks(item);
        const bool known = std::any_of(countryNames.cbegin(), countryNames.cend(),
                                       [&](const QString &name) {
                                           return NumberText::trimBlanks(name) == trimmed;
                                       });
        if (!known)
            countryNames.append(trimmed);
    }
}

QStringList MapCountriesToDomains(const QStringList &listItems, const QStringList &domainCountries)
{
    QStringList countryDomains;
    countryDomains.reserve(listItems.size());
    for (const QString &item : listItems) {
        QStringList numbers;
        for (qsizetype j = 0; j < domainCountries.size(); ++j) {
            // A domain that names no country is offered for none.
            const QString &countries = domainCountries.at(j);
            if (!countries.isEmpty() && countries.contains(item))
                numbers << QString::number(j + 1);
        }
        countryDomains << numbers.join(u',');
    }
    return countryDomains;
}
