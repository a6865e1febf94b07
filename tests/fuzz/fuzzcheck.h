// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

// What the fuzz targets share: a failed invariant aborts, so that libFuzzer
// keeps the input that broke it; the input as bytes; the C headers of the
// arithmetic and copying they do.

// Shorter allocation stacks: the reports stay useful and the runs get faster.
extern "C" inline const char *__asan_default_options()
{
    return "malloc_context_size=8";
}

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort(); \
        } \
    } while (false)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A number read back from its written text: within the rounding of the
// fifteen significant digits the writers keep.
inline bool readsBack(const std::optional<double> &read, double written)
{
    return read && std::fabs(*read - written) <= std::fabs(written) * 1e-14;
}
