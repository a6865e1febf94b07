// SPDX-License-Identifier: GPL-3.0-or-later
// The number readings on arbitrary text: coordinates, grid indices, the skip
// count and the catalogue date. Each reading must agree with the plainer ones
// it is built on, and a number written plainly must read back as itself.
#include "fuzzcheck.h"

#include "catalogue/configreader.h"
#include "common/numbertext.h"
#include "entry/dmsmath.h"
#include "entry/indexrange.h"

#include <cmath>

namespace {

void checkNumber(const QString &text)
{
    const std::optional<double> value = NumberText::toNumber(text);
    FUZZ_CHECK(!value || (NumberText::isNumeric(text) && std::isfinite(*value)));
    if (value) {
        // Fifteen significant digits read back within their rounding.
        const std::optional<double> back = NumberText::toNumber(NumberText::plain(*value));
        FUZZ_CHECK(back && std::fabs(*back - *value) <= std::fabs(*value) * 1e-14);
        FUZZ_CHECK(NumberText::toNumber(NumberText::fixed2(*value)).has_value());
    }

    // Skip count and grid indices: rounded halves to even, 16 bits.
    const std::optional<qint16> whole = NumberText::toInt16(text);
    FUZZ_CHECK(!whole || (value && double(*whole) == std::nearbyint(*value)));

    // Coordinates: an empty field is 0, anything else a plain decimal.
    const std::optional<double> field = DecimalFieldValue(text);
    FUZZ_CHECK(!field || (text.isEmpty() ? *field == 0.0 : value && *field == *value));
    const std::optional<qint32> degrees = LeadingWhole(text, 3);
    FUZZ_CHECK(!degrees || (*degrees >= -32768 && *degrees <= 32767));
    const std::optional<double> seconds = LeadingSeconds(text);
    FUZZ_CHECK(!seconds || std::isfinite(*seconds));

    const std::optional<QString> message = IndexRange::message(QStringLiteral("Lowest I index allowed: "),
                                                               IndexRange::Bound::Lowest, text, QStringLiteral("10"));
    FUZZ_CHECK(!message || (whole && *whole < 10));
}

void checkDate(const QString &text)
{
    const std::optional<QDate> date = DateFromText(text);
    if (date) {
        FUZZ_CHECK(date->isValid());
        FUZZ_CHECK(date->year() == text.left(4).toInt() && date->month() == text.mid(4, 2).toInt()
                   && date->day() == text.right(2).toInt());
    }
    const std::optional<QString> dateText = CatalogueDateText(text);
    FUZZ_CHECK(CatalogueDate(text) == (dateText ? DateFromText(*dateText) : std::nullopt));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const QString text = QString::fromLatin1(fuzzBytes(data, size));
    checkNumber(text);
    checkDate(text);
    return 0;
}
