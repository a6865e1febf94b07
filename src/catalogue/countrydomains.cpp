// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/cataloguetext.h"
#include "catalogue/substringautomaton.h"

#include <QHash>

#include <algorithm>
#include <string>
#include <vector>

// The distinct items go into one automaton, which reads every country text
// once and reports each item found in it once; the empty item is in every
// text that is not empty.
QStringList MapCountriesToDomains(const QStringList &listItems, const QStringList &domainCountries)
{
    QHash<QString, int> idOf;
    std::vector<int> itemId;
    itemId.reserve(size_t(listItems.size()));
    QStringList patterns;
    std::vector<int> patternId;
    int emptyId = -1;
    for (const QString &item : listItems) {
        auto known = idOf.constFind(item);
        if (known == idOf.cend()) {
            const int id = int(idOf.size());
            known = idOf.insert(item, id);
            if (item.isEmpty()) {
                emptyId = id;
            } else {
                patterns << item;
                patternId.push_back(id);
            }
        }
        itemId.push_back(*known);
    }

    SubstringAutomaton automaton(patterns);
    std::vector<std::string> numbers(size_t(idOf.size()));
    const auto list = [&numbers](int id, qsizetype domain) {
        std::string &text = numbers[size_t(id)];
        if (!text.empty())
            text += ',';
        char digits[20];
        int count = 0;
        do {
            digits[count++] = char('0' + domain % 10);
            domain /= 10;
        } while (domain > 0);
        while (count > 0)
            text += digits[--count];
    };
    // Found in ascending domain order per item; the texts are read side by
    // side, so the numbers are gathered per item first.
    std::vector<std::vector<int>> domainsOf(size_t(idOf.size()));
    automaton.searchAll(domainCountries, [&](qsizetype j, int pattern) {
        domainsOf[size_t(patternId[size_t(pattern)])].push_back(int(j + 1));
    });
    if (emptyId >= 0) {
        for (qsizetype j = 0; j < domainCountries.size(); ++j) {
            if (!domainCountries.at(j).isEmpty())
                domainsOf[size_t(emptyId)].push_back(int(j + 1));
        }
    }
    for (size_t id = 0; id < domainsOf.size(); ++id) {
        std::sort(domainsOf[id].begin(), domainsOf[id].end());
        for (const int domain : domainsOf[id])
            list(int(id), domain);
    }

    QStringList countryDomains;
    countryDomains.reserve(listItems.size());
    for (const int id : itemId)
        countryDomains << QString::fromLatin1(numbers[size_t(id)]);
    return countryDomains;
}
