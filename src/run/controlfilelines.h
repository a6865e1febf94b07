// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/coordinatemethod.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The text of the engine's control file, built from plain values so that it
// can be checked without a window.

// Slots 1 to 4 of the limits of a request (slot 0 is not used):
//   indices:        smaller i, larger i, smaller j, larger j
//   box:            smaller latitude, larger latitude, western longitude, eastern longitude
//                   (the western the greater when the box crosses the 180th meridian)
//   centre, radius: centre latitude, centre longitude, radius in km
using LimitArray = std::array<double, 5>;

// a when a <= b, else b.
double MinOf(double a, double b);
// a when a >= b, else b.
double MaxOf(double a, double b);

// The twelve lines of "quorvantix.inp", without line ends, for the region
// number, the data year, the selection method and the limits. Empty for no
// method.
QStringList ControlFileLines(const QString &region, const QString &year, CoordinateMethod selectionMethod,
                             const LimitArray &limits);

// The lines as the file holds them: single-byte text, CR LF after each line.
QByteArray ControlFileBytes(const QStringList &lines);
