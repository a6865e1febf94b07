// SPDX-License-Identifier: GPL-3.0-or-later
// Degree/minute/second arithmetic on arbitrary values: a decimal value split
// into degrees, minutes and seconds adds back up to itself within the
// rounding of the seconds shown, and the carry keeps every part in range.
#include "fuzzcheck.h"

#include "entry/dmsmath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double value = 0.0;
    qint32 limit = 0;
    if (size < sizeof value + sizeof limit)
        return 0;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&limit, data + sizeof value, sizeof limit);
    if (!std::isfinite(value))
        return 0;

    const Dms dms = DecimalToDms(value);
    FUZZ_CHECK(dms.degrees >= 0 && dms.minutes >= 0 && dms.minutes < 60);
    FUZZ_CHECK(dms.seconds >= 0.0 && dms.seconds < 60.0);
    const double magnitude = std::fabs(value);
    // Below the largest 32-bit whole.
    if (magnitude < 2147483647.0) {
        FUZZ_CHECK(dms.degrees == qint32(std::trunc(magnitude)));
        // Back from the seconds as they are and as shown with two decimals:
        // within half a hundredth of a second.
        for (const double seconds : {dms.seconds, std::round(dms.seconds * 100.0) / 100.0})
            FUZZ_CHECK(std::fabs(DmsToDecimal(dms.degrees, dms.minutes, seconds) - magnitude)
                       <= 0.005 / 3600.0 + magnitude * 1e-15);
    }

    const Dms carried = CarrySeconds(dms, qMax(limit, dms.degrees));
    FUZZ_CHECK(carried.minutes >= 0 && carried.minutes < 60);
    FUZZ_CHECK(carried.seconds >= 0.0 && carried.seconds <= 59.99);
    FUZZ_CHECK(carried.degrees >= dms.degrees && carried.degrees <= qMax(limit, dms.degrees));

    // Whole parts of any size, as typed fields hold them.
    FUZZ_CHECK(DmsToDecimal(limit, qint32(size), value) >= 0.0);
    return 0;
}
