// SPDX-License-Identifier: GPL-3.0-or-later
// The control file lines from arbitrary region, year, method and limits: a
// known method gives twelve lines whose limits read back as the values
// written, any other gives none; the bytes are the lines with CR LF ends.
#include "fuzzcheck.h"

#include "common/numbertext.h"
#include "run/controlfilelines.h"

#include <cmath>
#include <cstring>

namespace {

void checkPair(const QString &line, double first, double second)
{
    const QString values = line.section(u' ', 0, 0);
    const std::optional<double> a = NumberText::toNumber(values.section(u',', 0, 0));
    const std::optional<double> b = NumberText::toNumber(values.section(u',', 1, 1));
    FUZZ_CHECK(a && std::fabs(*a - first) <= std::fabs(first) * 1e-14);
    FUZZ_CHECK(b && std::fabs(*b - second) <= std::fabs(second) * 1e-14);
}

} // namespace

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
    bool finite = true;
    for (double &limit : limits)
        finite = finite && std::isfinite(limit) && std::fabs(limit) < 1e300;

    const auto selection = static_cast<CoordinateMethod>(method & 3);
    const QStringList lines = ControlFileLines(region, year, selection, limits);
    if (selection == CoordinateMethod::None) {
        FUZZ_CHECK(lines.isEmpty());
        return 0;
    }
    FUZZ_CHECK(lines.size() == 12);
    FUZZ_CHECK(lines.at(3).startsWith(region) && lines.at(4).startsWith(year));
    if (finite && !region.contains(u' ')) {
        switch (selection) {
        case CoordinateMethod::LatLonBox:
            checkPair(lines.at(6), limits[3], limits[4]);
            checkPair(lines.at(7), limits[1], limits[2]);
            break;
        case CoordinateMethod::Indices:
            checkPair(lines.at(6), limits[1], limits[2]);
            checkPair(lines.at(7), limits[3], limits[4]);
            break;
        case CoordinateMethod::CentreRadius:
            checkPair(lines.at(6), limits[2], limits[1]);
            break;
        case CoordinateMethod::None:
            break;
        }
    }

    const QByteArray bytes = ControlFileBytes(lines);
    qsizetype expected = 0;
    for (const QString &line : lines)
        expected += line.size() + 2;
    FUZZ_CHECK(bytes.size() == expected && bytes.endsWith("\r\n"));
    return 0;
}
