// SPDX-License-Identifier: GPL-3.0-or-later
// The number readings on arbitrary text: coordinates, grid indices, the skip
// count and the catalogue date. Each reading must agree with the plainer ones
// it is built on, and a number written plainly must read back as itself.
#include "fuzzcheck.h"

#include "catalogue/configreader.h"
#include "common/numbertext.h"
#include "entry/dmsmath.h"
#include "entry/indexrange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(fuzzBytes(data, size));
    const std::optional<double> value = NumberText::toNumber(text);
    FUZZ_CHECK(!value || (NumberText::isNumeric(text) && std::isfinite(*value)));
    // Written plainly, the number reads back within its fifteen digits.
    FUZZ_CHECK(!value || readsBack(NumberText::toNumber(NumberText::plain(*value)), *value));
    FUZZ_CHECK(!value || NumberText::toNumber(NumberText::fixed2(*value)).has_value());

    // Skip count and grid indices: rounded halves to even, 16 bits.
    const std::optional<qint16> whole = NumberText::toInt16(text);
    FUZZ_CHECK(!whole || (value && double(*whole) == std::nearbyint(*value)));

    // Coordinates: an empty field is 0, anything else a plain decimal.
    const std::optional<double> field = DecimalFieldValue(text);
    FUZZ_CHECK(!field || (text.isEmpty() ? *field == 0.0 : value && *field == *value));
    FUZZ_CHECK(std::in_range<qint16>(LeadingWhole(text, 3).value_or(0)));
    FUZZ_CHECK(std::isfinite(LeadingSeconds(text).value_or(0.0)));

    FUZZ_CHECK(!IndexRange::message({}, IndexRange::Bound::Lowest, text, "10") || (whole && *whole < 10));

    // The catalogue date: a valid day whose parts are the text's digits.
    if (const std::optional<QDate> date = DateFromText(text))
        FUZZ_CHECK(date->isValid() && date->year() == text.left(4).toInt() && date->month() == text.mid(4, 2).toInt()
                   && date->day() == text.right(2).toInt());
    const std::optional<QString> dateText = CatalogueDateText(text);
    FUZZ_CHECK(CatalogueDate(text) == (dateText ? DateFromText(*dateText) : std::nullopt));
    return 0;
}
