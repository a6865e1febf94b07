#pragma once

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <unordered_map>
#include <vector>

// Finds which of many texts occur inside another text in one pass over it
// (an Aho-Corasick automaton over the characters of the texts).
class SubstringAutomaton
{
public:
    // patterns: non-empty texts, each found by its index in this list.
    explicit SubstringAutomaton(const QStringList &patterns);

    // Calls found(index) once for every pattern that occurs in text.
    template<typename Found>
    void search(QStringView text, Found found);

private:
    int child(int node, char16_t c) const;
    void addPattern(QStringView pattern, int index);
    void linkFailures();

    static std::uint64_t edgeKey(int node, char16_t c) { return (std::uint64_t(node) << 16) | c; }

    std::unordered_map<std::uint64_t, int> m_edges;
    std::vector<int> m_firstChild;
    std::vector<int> m_nextSibling;
    std::vector<char16_t> m_label;
    std::vector<int> m_failure;    // node of the longest proper suffix in the trie
    std::vector<int> m_nextOutput; // nearest node along the failures that ends a pattern, or 0
    std::vector<int> m_pattern;    // the pattern a node ends, or -1
    std::vector<std::uint32_t> m_seenIn; // per pattern: the search that last reported it
    std::uint32_t m_search = 0;
};

template<typename Found>
void SubstringAutomaton::search(QStringView text, Found found)
{
    ++m_search;
    int node = 0;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        int next = child(node, c);
        while (next < 0 && node != 0) {
            node = m_failure[size_t(node)];
            next = child(node, c);
        }
        node = next < 0 ? 0 : next;
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
