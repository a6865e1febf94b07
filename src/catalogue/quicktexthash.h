// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>
#include <QStringView>

#include <cstdint>
#include <cstring>

// A quick hash of a short text for the catalogue's tables of country names.
// A catalogue may come from the network: the hash starts from a seed
// drawn once a process, so that names are not easily chosen in advance to
// collide and turn the table's lookups into a crawl.
namespace QuickTextHash {

inline std::uint64_t seed()
{
    static const std::uint64_t drawn = QRandomGenerator::system()->generate64();
    return drawn;
}

inline size_t of(QStringView text)
{
    // Eight bytes at a time, each mixed in with a multiplication; the last
    // eight are read whole, overlapping the ones before, so that no partial
    // copy stalls the load that follows it.
    const char *bytes = reinterpret_cast<const char *>(text.data());
    const size_t size = size_t(text.size()) * sizeof(QChar);
    std::uint64_t hash = (seed() ^ std::uint64_t(size)) * 0x9E3779B97F4A7C15ull;
    const auto mix = [&hash](std::uint64_t chunk) {
        hash = (hash ^ chunk) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    };
    if (size < 8) {
        std::uint64_t chunk = 0;
        for (const QChar c : text)
            chunk = (chunk << 16) | c.unicode();
        mix(chunk);
        return size_t(hash);
    }
    std::uint64_t chunk;
    for (size_t at = 0; at + 8 < size; at += 8) {
        std::memcpy(&chunk, bytes + at, 8);
        mix(chunk);
    }
    std::memcpy(&chunk, bytes + size - 8, 8);
    mix(chunk);
    return size_t(hash);
}

} // namespace QuickTextHash
