// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How values drawn with the mouse are rounded before they go into the
// entry fields: no finer than a pixel can tell, so that a drag between two
// whole degrees gives whole degrees.
namespace DragRounding {

// The smallest step of 1, 2 or 5 times a power of ten that is at least
// one pixel at this scale; between 0.000001 and 1 degree.
double degreeStep(double pixelsPerDegree);
// `value` rounded to a multiple of `step`.
double roundTo(double value, double step);
// A radius in km to three significant digits, at least to 0.1 km.
double radiusKm(double km);

} // namespace DragRounding
