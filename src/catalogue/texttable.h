// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/quicktexthash.h"

#include <QStringView>

#include <cstring>
#include <utility>
#include <vector>

// Short texts with a value each, in one open-addressed table: the catalogue
// looks up a few hundred distinct names once for every item of every
// country text, where a node-based set costs a cache miss a lookup. The
// keys are views: what they view must outlive the table.
template<typename Value>
class TextTable
{
public:
    // The value kept for `key`, and whether the key is new (its value then
    // default-constructed).
    std::pair<Value &, bool> insert(QStringView key)
    {
        if (2 * (m_used + 1) > m_slots.size())
            grow();
        const size_t hash = QuickTextHash::of(key);
        Slot &slot = m_slots[slotOf(key, hash)];
        const bool added = !slot.used;
        if (added) {
            slot = Slot{key, hash, Value{}, true};
            ++m_used;
        }
        return {slot.value, added};
    }

    bool contains(QStringView key) const
    {
        return !m_slots.empty() && m_slots[slotOf(key, QuickTextHash::of(key))].used;
    }

private:
    struct Slot
    {
        QStringView key;
        size_t hash = 0;
        Value value{};
        bool used = false;
    };

    size_t slotOf(QStringView key, size_t hash) const
    {
        const size_t mask = m_slots.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot &slot = m_slots[at];
            if (!slot.used
                || (slot.hash == hash && slot.key.size() == key.size()
                    && (key.isEmpty()
                        || std::memcmp(slot.key.data(), key.data(), size_t(key.size()) * sizeof(QChar)) == 0)))
                return at;
        }
    }
    void grow()
    {
        std::vector<Slot> old(m_slots.empty() ? 64 : m_slots.size() * 2);
        old.swap(m_slots);
        for (Slot &slot : old) {
            if (slot.used)
                m_slots[slotOf(slot.key, slot.hash)] = std::move(slot);
        }
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
};
