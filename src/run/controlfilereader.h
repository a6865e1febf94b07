// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilelines.h"
#include "state/coordinatemethod.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a control file the program wrote back into the request it stands for.

struct ControlFileRequest
{
    // The domain's number without leading zeros, and the data year.
    QString region;
    QString year;
    CoordinateMethod selectionMethod = CoordinateMethod::None;
    // Slots 1 to 4 as ControlFileLines takes them.
    LimitArray limits{};
};

// The first line that does not read, numbered from 1, and why.
struct ControlFileProblem
{
    int line = 0;
    QString text;
    QString reason;
};

struct ControlFileReading
{
    std::optional<ControlFileRequest> request;
    ControlFileProblem problem;
};

// The request of a control file: its twelve lines as ControlFileLines writes
// them. Line ends may be CR LF, LF or CR, blanks around the values and the
// comments after "!" may differ; anything else names the line that does not
// read. Latitudes beyond 90, longitudes beyond 180, a negative radius and
// indices beyond the 16-bit range do not read either.
ControlFileReading ReadControlFile(const QByteArray &bytes);

// "The file <path> is not a control file of this program. Line <n> ...",
// quoting no more than the line's start.
QString ControlFileProblemText(const QString &path, const ControlFileProblem &problem);
