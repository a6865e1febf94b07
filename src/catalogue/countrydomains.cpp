#include "catalogue/cataloguetext.h"
#include "catalogue/substringautomaton.h"

#include <QHash>

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
        text += std::to_string(domain);
    };
    for (qsizetype j = 0; j < domainCountries.size(); ++j) {
        const QString &countries = domainCountries.at(j);
        if (countries.isEmpty())
            continue;
        automaton.search(countries, [&](int pattern) { list(patternId[size_t(pattern)], j + 1); });
        if (emptyId >= 0)
            list(emptyId, j + 1);
    }

    QStringList countryDomains;
    countryDomains.reserve(listItems.size());
    for (const int id : itemId)
        countryDomains << QString::fromLatin1(numbers[size_t(id)]);
    return countryDomains;
}
