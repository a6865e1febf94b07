// SPDX-License-Identifier: GPL-3.0-or-later
// The control file lines from arbitrary region, year, method and limits: a
// known method gives twelve lines whose limits read back as the values
// written, any other gives none; the bytes are the lines with CR LF ends.
#include "fuzzcheck.h"

#include "common/numbertext.h"
#include "run/controlfilelines.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LimitArray limits{};
    qint16 method = 0;
    const size_t fixed = sizeof limits + sizeof method;
    if (size < fixed || size > fixed + 256)
        return 0;
    std::memcpy(limits.data(), data, sizeof limits);
    std::memcpy(&method, data + sizeof limits, sizeof method);
    const QString texts = QString::fromLatin1(fuzzBytes(data + fixed, size - fixed));
    const QString region = texts.section(u'\n', 0, 0);
    const QString year = texts.section(u'\n', 1);
    // Not a NaN, an infinity or a value too large to write plainly.
    const bool finite = std::ranges::all_of(limits, [](double limit) { return std::fabs(limit) < 1e300; });

    const auto selection = static_cast<CoordinateMethod>(method & 3);
    const QStringList lines = ControlFileLines(region, year, selection, limits);
    FUZZ_CHECK(lines.size() == (selection == CoordinateMethod::None ? 0 : 12));
    if (lines.isEmpty())
        return 0;
    FUZZ_CHECK(lines.at(3).startsWith(region) && lines.at(4).startsWith(year));
    // The first two numbers of a line, read back as the limits written.
    const auto checkPair = [](const QString &line, double first, double second) {
        const QString values = line.section(u' ', 0, 0);
        FUZZ_CHECK(readsBack(NumberText::toNumber(values.section(u',', 0, 0)), first));
        FUZZ_CHECK(readsBack(NumberText::toNumber(values.section(u',', 1, 1)), second));
    };
    // Lines 7 and 8 hold the limits in pairs: the box its longitudes first,
    // the indices their I range first; the centre its longitude, then its
    // latitude, on line 7 alone.
    if (finite && !region.contains(u' ') && selection == CoordinateMethod::CentreRadius) {
        checkPair(lines.at(6), limits[2], limits[1]);
    } else if (finite && !region.contains(u' ')) {
        const int first = selection == CoordinateMethod::LatLonBox ? 3 : 1;
        checkPair(lines.at(6), limits[first], limits[first + 1]);
        checkPair(lines.at(7), limits[4 - first], limits[5 - first]);
    }

    const QByteArray bytes = ControlFileBytes(lines);
    // One byte a character, CR LF after each line.
    FUZZ_CHECK(bytes.size() == lines.join(QLatin1String("\r\n")).size() + 2 && bytes.endsWith("\r\n"));
    return 0;
}
