// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// Finds which of many texts occur inside another text in one pass over it
// (an Aho-Corasick automaton over the characters of the texts).
class SubstringAutomaton
{
public:
    static constexpr std::size_t DefaultTableLimit = std::size_t(1) << 22;

    // patterns: distinct non-empty texts, each found by its index in this list. The
    // steps are tabulated when that takes at most tableLimit entries.
    explicit SubstringAutomaton(const QStringList &patterns, std::size_t tableLimit = DefaultTableLimit);

    // Calls found(index) once for every pattern that occurs in text.
    template<typename Found>
    void search(QStringView text, Found found);

    // Calls found(t, index) once for every pattern that occurs in texts[t].
    // Several texts are read side by side, so that the steps of one need not
    // wait for the memory reads of another.
    template<typename Found>
    void searchAll(const QStringList &texts, Found found);

private:
    template<typename Found>
    void report(int out, std::uint32_t *seen, Found found);
    int child(int node, char16_t c) const;
    void tabulateSteps(std::size_t tableLimit);
    void addEdge(int node, char16_t c, int child);
    void growEdges();
    void addPattern(QStringView pattern, int index);
    void linkFailures();

    // Never 0, which marks a free slot.
    static std::uint64_t edgeKey(int node, char16_t c) { return ((std::uint64_t(node) << 16) | c) + 1; }
    static std::size_t slotOf(std::uint64_t key, std::size_t mask)
    {
        return std::size_t((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    }

    // The edges of the trie in one open-addressed table: far fewer cache
    // misses than a node-based map on the hot path of the search.
    std::vector<std::uint64_t> m_edgeKeys;
    std::vector<int> m_edgeTargets;
    std::size_t m_edgeCount = 0;
    std::vector<int> m_firstChild;
    std::vector<int> m_nextSibling;
    std::vector<char16_t> m_label;
    std::vector<int> m_failure;    // node of the longest proper suffix in the trie
    std::vector<int> m_nextOutput; // nearest node along the failures that ends a pattern, or 0
    std::vector<int> m_pattern;    // the pattern a node ends, or -1
    static constexpr int Lanes = 4;
    // Per lane and pattern: the search that last reported it.
    std::vector<std::uint32_t> m_seenIn;

    // When the trie is small enough, every step is tabulated: one row per
    // node, one column per symbol (symbol 0 stands for every character no
    // pattern has) holding the offset of the next node's row, and a last
    // column holding the first node of the row's output chain, or 0.
    std::vector<int> m_table;
    std::vector<std::uint16_t> m_symbolOf;
    std::size_t m_symbolCount = 0;
    std::uint32_t m_search = 0;
};

template<typename Found>
void SubstringAutomaton::searchAll(const QStringList &texts, Found found)
{
    if (m_table.empty()) {
        for (qsizetype t = 0; t < texts.size(); ++t)
            search(texts.at(t), [&](int pattern) { found(t, pattern); });
        return;
    }
    const int *table = m_table.data();
    const std::uint16_t *symbolOf = m_symbolOf.data();
    const std::size_t outputColumn = m_symbolCount;
    const std::size_t patterns = m_seenIn.size() / Lanes;
    for (qsizetype first = 0; first < texts.size(); first += Lanes) {
        const int lanes = int(qMin<qsizetype>(Lanes, texts.size() - first));
        const QChar *at[Lanes] = {};
        const QChar *end[Lanes] = {};
        std::size_t row[Lanes] = {};
        ++m_search;
        for (int l = 0; l < lanes; ++l) {
            at[l] = texts.at(first + l).constData();
            end[l] = at[l] + texts.at(first + l).size();
        }
        const auto step = [&](int l) {
            row[l] = std::size_t(table[row[l] + symbolOf[(at[l]++)->unicode()]]);
            if (const int out = table[row[l] + outputColumn])
                report(out, m_seenIn.data() + size_t(l) * patterns, [&](int p) { found(first + l, p); });
        };
        bool more = true;
        while (more) {
            more = false;
            for (int l = 0; l < lanes; ++l) {
                if (at[l] != end[l]) {
                    step(l);
                    more = true;
                }
            }
        }
    }
}

// Every pattern on the output chain of a node ends there. Once a pattern has
// been reported in this search, so has the rest of its chain.
template<typename Found>
void SubstringAutomaton::report(int out, std::uint32_t *seen, Found found)
{
    for (; out != 0; out = m_nextOutput[size_t(out)]) {
        const int pattern = m_pattern[size_t(out)];
        if (seen[pattern] == m_search)
            break;
        seen[pattern] = m_search;
        found(pattern);
    }
}

template<typename Found>
void SubstringAutomaton::search(QStringView text, Found found)
{
    ++m_search;
    const auto report = [&](int out) { this->report(out, m_seenIn.data(), found); };
    if (!m_table.empty()) {
        const int *table = m_table.data();
        const std::uint16_t *symbolOf = m_symbolOf.data();
        const std::size_t outputColumn = m_symbolCount;
        std::size_t row = 0;
        for (const QChar qc : text) {
            row = std::size_t(table[row + symbolOf[qc.unicode()]]);
            if (const int out = table[row + outputColumn])
                report(out);
        }
        return;
    }
    int node = 0;
    for (const QChar qc : text) {
        int next = child(node, qc.unicode());
        while (next < 0 && node != 0) {
            node = m_failure[size_t(node)];
            next = child(node, qc.unicode());
        }
        node = next < 0 ? 0 : next;
        report(m_pattern[size_t(node)] >= 0 ? node : m_nextOutput[size_t(node)]);
    }
}
