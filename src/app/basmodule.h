#pragma once

#include <QDate>
#include <QString>

// The few process-wide values of the program.
namespace basModule {

// Version date, part of the version text of the About box.
inline QString VersionDate;
// The active way of describing the sub-domain: 1 latitude/longitude box,
// 2 grid indices, 3 centre and radius.
inline qint16 SelectionMethod = 0;
// Date of the catalogue in use; invalid until a catalogue's first line was read.
inline QDate ConfigFileDate;

} // namespace basModule
