// Feeds arbitrary bytes to the readers of pasted coordinates and of control
// files. Any outcome but a crash is fine; a control file that reads must
// give a request whose entries are complete and whose lines read back.
#include "entry/pastedtext.h"
#include "run/controlfilereader.h"
#include "run/tilerequest.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    for (const char *field : {"txtLat1", "txtLonS2", "txtEMRLON01", "TextIndexiStart"})
        PastedText::paste(QLatin1String(field), text);

    const ControlFileReading reading = ReadControlFile(bytes);
    if (reading.request) {
        const ControlFileRequest &r = *reading.request;
        const QStringList lines = ControlFileLines(r.region, r.year, r.selectionMethod, r.limits);
        if (lines.size() != 12 || !ReadControlFile(ControlFileBytes(lines)).request
            || TileRequests::entriesFromLimits(r.selectionMethod, r.limits).isEmpty())
            std::abort();
    }
    return 0;
}
