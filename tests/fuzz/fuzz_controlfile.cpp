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
    // Lines 7 and 8 begin with the limits, two to a line joined by a comma,
    // and read back as the values written: the box its longitudes, then its
    // latitudes; the indices their I range, then their J range; the centre
    // its longitude and latitude, then its radius alone.
    const QList<int> order = selection == CoordinateMethod::CentreRadius ? QList{2, 1, 3}
                             : selection == CoordinateMethod::LatLonBox  ? QList{3, 4, 1, 2}
                                                                         : QList{1, 2, 3, 4};
    for (qsizetype k = 0; finite && k < order.size(); ++k) {
        const QString number = lines.at(6 + k / 2).section(u' ', 0, 0).section(u',', k % 2, k % 2);
        FUZZ_CHECK(readsBack(NumberText::toNumber(number), limits[order.at(k)]));
    }

    const QByteArray bytes = ControlFileBytes(lines);
    // One byte a character, CR LF after each line.
    FUZZ_CHECK(bytes.size() == lines.join(QLatin1String("\r\n")).size() + 2 && bytes.endsWith("\r\n"));
    return 0;
}
