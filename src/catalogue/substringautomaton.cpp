// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/substringautomaton.h"

#include <algorithm>

SubstringAutomaton::SubstringAutomaton(const QStringList &patterns, std::size_t tableLimit)
    : m_edgeKeys(1024, 0)
    , m_edgeTargets(1024, -1)
    , m_firstChild{-1}
    , m_nextSibling{-1}
    , m_label{0}
    , m_failure{0}
    , m_nextOutput{0}
    , m_pattern{-1}
    , m_seenIn(size_t(patterns.size()) * Lanes, 0)
{
    for (qsizetype i = 0; i < patterns.size(); ++i)
        addPattern(patterns.at(i), int(i));
    linkFailures();
    tabulateSteps(tableLimit);
}

int SubstringAutomaton::child(int node, char16_t c) const
{
    const std::uint64_t key = edgeKey(node, c);
    const std::size_t mask = m_edgeKeys.size() - 1;
    for (std::size_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
        if (m_edgeKeys[slot] == key)
            return m_edgeTargets[slot];
        if (m_edgeKeys[slot] == 0)
            return -1;
    }
}

void SubstringAutomaton::addEdge(int node, char16_t c, int child)
{
    // At most half full, so that a search meets a free slot soon.
    if (2 * (m_edgeCount + 1) > m_edgeKeys.size())
        growEdges();
    const std::uint64_t key = edgeKey(node, c);
    const std::size_t mask = m_edgeKeys.size() - 1;
    std::size_t slot = slotOf(key, mask);
    while (m_edgeKeys[slot] != 0)
        slot = (slot + 1) & mask;
    m_edgeKeys[slot] = key;
    m_edgeTargets[slot] = child;
    ++m_edgeCount;
}

void SubstringAutomaton::growEdges()
{
    std::vector<std::uint64_t> keys(m_edgeKeys.size() * 2, 0);
    std::vector<int> targets(keys.size(), -1);
    const std::size_t mask = keys.size() - 1;
    for (std::size_t old = 0; old < m_edgeKeys.size(); ++old) {
        if (m_edgeKeys[old] == 0)
            continue;
        std::size_t slot = slotOf(m_edgeKeys[old], mask);
        while (keys[slot] != 0)
            slot = (slot + 1) & mask;
        keys[slot] = m_edgeKeys[old];
        targets[slot] = m_edgeTargets[old];
    }
    m_edgeKeys.swap(keys);
    m_edgeTargets.swap(targets);
}

void SubstringAutomaton::addPattern(QStringView pattern, int index)
{
    int node = 0;
    for (const QChar qc : pattern) {
        const char16_t c = qc.unicode();
        int next = child(node, c);
        if (next < 0) {
            next = int(m_label.size());
            addEdge(node, c, next);
            m_label.push_back(c);
            m_firstChild.push_back(-1);
            m_nextSibling.push_back(m_firstChild[size_t(node)]);
            m_firstChild[size_t(node)] = next;
            m_failure.push_back(0);
            m_nextOutput.push_back(0);
            m_pattern.push_back(-1);
        }
        node = next;
    }
    m_pattern[size_t(node)] = index;
}

void SubstringAutomaton::tabulateSteps(std::size_t tableLimit)
{
    m_symbolOf.assign(0x10000, 0);
    std::vector<char16_t> symbols{0};
    for (const char16_t c : m_label) {
        if (c != 0 && m_symbolOf[c] == 0) {
            m_symbolOf[c] = std::uint16_t(symbols.size());
            symbols.push_back(c);
        }
    }
    // The character 0 in a pattern needs a symbol of its own.
    const bool zeroInPattern = std::find(m_label.begin() + 1, m_label.end(), char16_t(0)) != m_label.end();
    if (zeroInPattern || (symbols.size() + 1) * m_label.size() > tableLimit) {
        m_symbolOf.clear();
        return;
    }
    m_symbolCount = symbols.size();
    const std::size_t columns = m_symbolCount + 1;
    m_table.assign(m_label.size() * columns, 0);
    // Breadth first, so that the row of a node's failure is complete before use.
    std::vector<int> queue{0};
    for (size_t at = 0; at < queue.size(); ++at) {
        const int node = queue[at];
        int *row = &m_table[size_t(node) * columns];
        const int *failureRow = &m_table[size_t(m_failure[size_t(node)]) * columns];
        for (std::size_t symbol = 1; symbol < m_symbolCount; ++symbol)
            row[symbol] = node == 0 ? 0 : failureRow[symbol];
        row[m_symbolCount] = m_pattern[size_t(node)] >= 0 ? node : m_nextOutput[size_t(node)];
        for (int c = m_firstChild[size_t(node)]; c >= 0; c = m_nextSibling[size_t(c)]) {
            row[m_symbolOf[m_label[size_t(c)]]] = int(size_t(c) * columns);
            queue.push_back(c);
        }
    }
}

void SubstringAutomaton::linkFailures()
{
    // Breadth first, so that every failure target is complete before use.
    std::vector<int> queue;
    queue.reserve(m_label.size());
    for (int c = m_firstChild[0]; c >= 0; c = m_nextSibling[size_t(c)])
        queue.push_back(c);
    for (size_t at = 0; at < queue.size(); ++at) {
        const int node = queue[at];
        const int failure = m_failure[size_t(node)];
        m_nextOutput[size_t(node)] = m_pattern[size_t(failure)] >= 0 ? failure : m_nextOutput[size_t(failure)];
        for (int c = m_firstChild[size_t(node)]; c >= 0; c = m_nextSibling[size_t(c)]) {
            const char16_t label = m_label[size_t(c)];
            int f = failure;
            int target = child(f, label);
            while (target < 0 && f != 0) {
                f = m_failure[size_t(f)];
                target = child(f, label);
            }
            m_failure[size_t(c)] = target < 0 ? 0 : target;
            queue.push_back(c);
        }
    }
}
