#include "catalogue/cataloguetext.h"
#include "catalogue/substringautomaton.h"

#include <QHash>

#include <string>
#include <vector>

// An item without a comma can only lie inside one comma-separated piece of a
// country text. The pieces repeat from domain to domain, so the automaton
// reads each distinct piece once and every domain gathers its items from the
// pieces it is made of. The rare item with a comma is looked for directly.
QStringList MapCountriesToDomains(const QStringList &listItems, const QStringList &domainCountries)
{
    QHash<QString, int> idOf;
    std::vector<int> itemId;
    itemId.reserve(size_t(listItems.size()));
    QStringList pieceItems;
    std::vector<int> pieceItemIds;
    QStringList commaItems;
    std::vector<int> commaItemIds;
    int emptyId = -1;
    for (const QString &item : listItems) {
        auto known = idOf.constFind(item);
        if (known == idOf.cend()) {
            const int id = int(idOf.size());
            known = idOf.insert(item, id);
            if (item.isEmpty()) {
                emptyId = id;
            } else if (item.contains(u',')) {
                commaItems << item;
                commaItemIds.push_back(id);
            } else {
                pieceItems << item;
                pieceItemIds.push_back(id);
            }
        }
        itemId.push_back(*known);
    }

    SubstringAutomaton automaton(pieceItems);
    // The items found in each distinct piece, as ranges of one flat array.
    QHash<QStringView, std::pair<qsizetype, qsizetype>> foundInPiece;
    std::vector<int> found;
    std::vector<std::string> numbers(size_t(idOf.size()));
    std::vector<qsizetype> listedDomain(size_t(idOf.size()), 0);
    const auto list = [&](int id, qsizetype domain) {
        if (listedDomain[size_t(id)] == domain)
            return;
        listedDomain[size_t(id)] = domain;
        std::string &text = numbers[size_t(id)];
        if (!text.empty())
            text += ',';
        text += std::to_string(domain);
    };

    for (qsizetype j = 0; j < domainCountries.size(); ++j) {
        const QString &countries = domainCountries.at(j);
        if (countries.isEmpty())
            continue;
        const qsizetype domain = j + 1;
        qsizetype begin = 0;
        for (;;) {
            qsizetype comma = countries.indexOf(u',', begin);
            if (comma < 0)
                comma = countries.size();
            const QStringView piece = QStringView(countries).mid(begin, comma - begin);
            auto range = foundInPiece.constFind(piece);
            if (range == foundInPiece.cend()) {
                const qsizetype first = qsizetype(found.size());
                automaton.search(piece, [&](int index) { found.push_back(pieceItemIds[size_t(index)]); });
                range = foundInPiece.insert(piece, {first, qsizetype(found.size())});
            }
            for (qsizetype f = range->first; f < range->second; ++f)
                list(found[size_t(f)], domain);
            if (comma == countries.size())
                break;
            begin = comma + 1;
        }
        for (size_t c = 0; c < commaItemIds.size(); ++c) {
            if (countries.contains(commaItems.at(qsizetype(c))))
                list(commaItemIds[c], domain);
        }
        if (emptyId >= 0)
            list(emptyId, domain);
    }

    QStringList countryDomains;
    countryDomains.reserve(listItems.size());
    for (const int id : itemId)
        countryDomains << QString::fromLatin1(numbers[size_t(id)]);
    return countryDomains;
}
