// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/cataloguetext.h"
#include "catalogue/substringautomaton.h"
#include "catalogue/texttable.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// The numbers of the domains, ascending, joined by ",".
QString joinedNumbers(const std::vector<int> &domains)
{
    QString text(qsizetype(domains.size()) * 11, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    char16_t *const begin = out;
    for (const int domain : domains) {
        if (out != begin)
            *out++ = u',';
        // Written from the last digit back, straight into the text.
        int count = 1;
        for (int rest = domain; rest >= 10; rest /= 10)
            ++count;
        out += count;
        char16_t *digit = out;
        for (int rest = domain; count > 0; rest /= 10, --count)
            *--digit = char16_t(u'0' + rest % 10);
    }
    text.truncate(out - begin);
    return text;
}

} // namespace

// An item without a comma can only lie inside one of the comma-separated
// parts of a country text, and the texts repeat the same few parts: each
// distinct part is read once by an automaton of those items, and a text's
// items are gathered from its parts. Items with a comma, if any, go into a
// second automaton that reads the whole texts. The empty item is in every
// text that is not empty.
QStringList MapCountriesToDomains(const QStringList &listItems, const QStringList &domainCountries)
{
    QHash<QString, int> idOf;
    std::vector<int> itemId;
    itemId.reserve(size_t(listItems.size()));
    QStringList inPart;
    std::vector<int> inPartId;
    QStringList acrossParts;
    std::vector<int> acrossPartsId;
    int emptyId = -1;
    for (const QString &item : listItems) {
        auto known = idOf.constFind(item);
        if (known == idOf.cend()) {
            const int id = int(idOf.size());
            known = idOf.insert(item, id);
            if (item.isEmpty()) {
                emptyId = id;
            } else if (item.contains(u',')) {
                acrossParts << item;
                acrossPartsId.push_back(id);
            } else {
                inPart << item;
                inPartId.push_back(id);
            }
        }
        itemId.push_back(*known);
    }

    std::vector<std::vector<int>> domainsOf(size_t(idOf.size()));
    std::vector<int> lastDomain(size_t(idOf.size()), 0);
    const auto add = [&](int id, int domain) {
        if (lastDomain[size_t(id)] != domain) {
            lastDomain[size_t(id)] = domain;
            domainsOf[size_t(id)].push_back(domain);
        }
    };

    SubstringAutomaton partAutomaton(inPart);
    // Per distinct part: where its items start in foundIds, and how many.
    struct Found
    {
        int first = 0;
        int count = 0;
    };
    TextTable<Found> foundInPart;
    std::vector<int> foundIds;
    for (qsizetype j = 0; j < domainCountries.size(); ++j) {
        const QStringView text(domainCountries.at(j));
        const int domain = int(j + 1);
        if (text.isEmpty())
            continue;
        if (emptyId >= 0)
            add(emptyId, domain);
        qsizetype begin = 0;
        for (;;) {
            qsizetype comma = text.indexOf(u',', begin);
            if (comma < 0)
                comma = text.size();
            const QStringView part = text.mid(begin, comma - begin);
            auto [found, isNew] = foundInPart.insert(part);
            if (isNew) {
                found.first = int(foundIds.size());
                partAutomaton.search(part, [&](int pattern) { foundIds.push_back(inPartId[size_t(pattern)]); });
                found.count = int(foundIds.size()) - found.first;
            }
            for (int k = found.first; k < found.first + found.count; ++k)
                add(foundIds[size_t(k)], domain);
            if (comma == text.size())
                break;
            begin = comma + 1;
        }
    }

    if (!acrossParts.isEmpty()) {
        SubstringAutomaton wholeAutomaton(acrossParts);
        wholeAutomaton.searchAll(domainCountries, [&](qsizetype j, int pattern) {
            domainsOf[size_t(acrossPartsId[size_t(pattern)])].push_back(int(j + 1));
        });
        // The texts are read side by side, so the numbers come out of order.
        for (const int id : acrossPartsId)
            std::sort(domainsOf[size_t(id)].begin(), domainsOf[size_t(id)].end());
    }

    std::vector<QString> numbers(domainsOf.size());
    for (size_t id = 0; id < domainsOf.size(); ++id)
        numbers[id] = joinedNumbers(domainsOf[id]);
    QStringList countryDomains;
    countryDomains.reserve(listItems.size());
    for (const int id : itemId)
        countryDomains << numbers[size_t(id)];
    return countryDomains;
}
