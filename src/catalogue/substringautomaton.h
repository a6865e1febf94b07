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

private:
    // The node reached from node by c, following the failures.
    int step(int node, char16_t c) const
    {
        if (!m_next.empty())
            return m_next[size_t(node) * m_symbolCount + m_symbolOf[c]];
        int next = child(node, c);
        while (next < 0 && node != 0) {
            node = m_failure[size_t(node)];
            next = child(node, c);
        }
        return next < 0 ? 0 : next;
    }
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
    std::vector<std::uint32_t> m_seenIn; // per pattern: the search that last reported it

    // When the trie is small enough, every step is tabulated: one entry per
    // node and symbol, symbol 0 standing for every character no pattern has.
    std::vector<int> m_next;
    std::vector<std::uint16_t> m_symbolOf;
    std::size_t m_symbolCount = 0;
    std::uint32_t m_search = 0;
};

template<typename Found>
void SubstringAutomaton::search(QStringView text, Found found)
{
    ++m_search;
    int node = 0;
    for (const QChar qc : text) {
        node = step(node, qc.unicode());
        // Every pattern on the output chain ends here. Once a pattern has been
        // reported in this search, so has the rest of its chain.
        for (int out = m_pattern[size_t(node)] >= 0 ? node : m_nextOutput[size_t(node)]; out != 0;
             out = m_nextOutput[size_t(out)]) {
            const int pattern = m_pattern[size_t(out)];
            if (m_seenIn[size_t(pattern)] == m_search)
                break;
            m_seenIn[size_t(pattern)] = m_search;
            found(pattern);
        }
    }
}
