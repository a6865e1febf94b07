// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the readers of pasted coordinates and of control
// files. A coordinate read is written as a magnitude with a hemisphere
// letter (none for a lone unsigned number), an index as a whole number; a
// control file that reads gives complete entries and lines that, written
// again, read back as the same request.
#include "fuzzcheck.h"

#include "common/numbertext.h"
#include "entry/pastedtext.h"
#include "run/controlfilereader.h"
#include "run/tilerequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    for (const char *field : {"txtLat1", "txtLonS2", "txtEMRLON01", "TextIndexiStart"}) {
        const PastedText::Outcome outcome = PastedText::paste(QLatin1String(field), text);
        FUZZ_CHECK(outcome.writes.isEmpty() || outcome.hint.isEmpty());
        FUZZ_CHECK(!outcome.refused || (outcome.writes.isEmpty() && !outcome.hint.isEmpty()));
        for (const PastedText::Write &write : outcome.writes) {
            const std::optional<double> value = NumberText::toNumber(write.text);
            // An index is a whole number, a coordinate a magnitude with at most a hemisphere letter.
            if (write.hemisphereList.isEmpty())
                FUZZ_CHECK(value && *value == std::trunc(*value) && std::fabs(*value) <= 32768);
            else
                FUZZ_CHECK(value && *value >= 0 && *value <= 180);
            FUZZ_CHECK(QStringList({"", "N", "S", "E", "W"}).contains(write.letter));
        }
    }

    const std::optional<ControlFileRequest> read = ReadControlFile(bytes).request;
    if (!read)
        return 0;
    const QStringList lines = ControlFileLines(read->region, read->year, read->selectionMethod, read->limits);
    const std::optional<ControlFileRequest> again = ReadControlFile(ControlFileBytes(lines)).request;
    FUZZ_CHECK(again && ControlFileLines(again->region, again->year, again->selectionMethod, again->limits) == lines);
    // Entries only for a known method, whose lines are twelve (fuzz_controlfile).
    FUZZ_CHECK(!TileRequests::entriesFromLimits(read->selectionMethod, read->limits).isEmpty());
    return 0;
}
