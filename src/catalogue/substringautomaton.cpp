#include "catalogue/substringautomaton.h"

SubstringAutomaton::SubstringAutomaton(const QStringList &patterns)
    : m_firstChild{-1}
    , m_nextSibling{-1}
    , m_label{0}
    , m_failure{0}
    , m_nextOutput{0}
    , m_pattern{-1}
    , m_seenIn(size_t(patterns.size()), 0)
{
    for (qsizetype i = 0; i < patterns.size(); ++i)
        addPattern(patterns.at(i), int(i));
    linkFailures();
}

int SubstringAutomaton::child(int node, char16_t c) const
{
    const auto edge = m_edges.find(edgeKey(node, c));
    return edge == m_edges.end() ? -1 : edge->second;
}

void SubstringAutomaton::addPattern(QStringView pattern, int index)
{
    int node = 0;
    for (const QChar qc : pattern) {
        const char16_t c = qc.unicode();
        int next = child(node, c);
        if (next < 0) {
            next = int(m_label.size());
            m_edges.emplace(edgeKey(node, c), next);
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
