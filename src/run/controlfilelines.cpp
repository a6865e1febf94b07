// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilelines.h"

#include "common/numbertext.h"
#include "common/singlebytetext.h"

#include <QStringEncoder>

namespace {

QString pair(double first, double second)
{
    return NumberText::plain(first) + u',' + NumberText::plain(second);
}

} // namespace

double MinOf(double a, double b)
{
    return a <= b ? a : b;
}
double MaxOf(double a, double b)
{
    return a >= b ? a : b;
}

QStringList ControlFileLines(const QString &region, const QString &year, CoordinateMethod selectionMethod,
                             const LimitArray &limits)
{
    static const QString line7Comment = QStringLiteral("       ! Beg/End I indices, or longitudes, or center lon/lat");
    static const QString line8Comment = QStringLiteral("       ! Beg/End J indices, or latitudes, or range in km");
    static const QString radiusComment = QStringLiteral("   ! Beg/End J indices, or latitudes, or range in km");

    QString line7;
    QString line8;
    switch (selectionMethod) {
    case CoordinateMethod::Indices:
        line7 = pair(limits[1], limits[2]) + line7Comment;
        line8 = pair(limits[3], limits[4]) + line8Comment;
        break;
    case CoordinateMethod::LatLonBox:
        line7 = pair(limits[3], limits[4]) + line7Comment;
        line8 = pair(limits[1], limits[2]) + line8Comment;
        break;
    case CoordinateMethod::CentreRadius:
        line7 = pair(limits[2], limits[1]) + line7Comment;
        line8 = NumberText::plain(limits[3]) + radiusComment;
        break;
    case CoordinateMethod::None:
        return {};
    }
    const QString method = QString::number(engineMethodNumber(selectionMethod));

    return {
        QStringLiteral("Select a range for decode packed MM5 tiles "),
        QStringLiteral("quorvantix.lst       ! List file"),
        QStringLiteral("quorvantix.dat       ! Output file name"),
        region + QStringLiteral("       ! MM5 region ID (See list below)"),
        year + QStringLiteral("      ! Year of tiled data"),
        method + QStringLiteral("       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)"),
        line7,
        line8,
        QStringLiteral("1       ! Flag to create(1) or not(0) a batch file to rename tile files "),
        QStringLiteral("mvtiles.bat ! Batch file name (these three lines needed only for Flag=1)"),
        QStringLiteral("1       ! Way to rename tile file names (1/2; See notes below) "),
        QStringLiteral("1       ! Operating System (1: Window DOS, 2: UNIX/LINUX)"),
    };
}

QByteArray ControlFileBytes(const QStringList &lines)
{
    QStringEncoder encode(SingleByteEncoding);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}
