// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ways of describing the sub-domain, numbered as the window's method
// list orders them, from 1.
enum class CoordinateMethod {
    None = 0,
    LatLonBox = 1,
    Indices = 2,
    CentreRadius = 3,
};

// The engine numbers the methods its own way: 1 I/J, 2 lon/lat, 3 centre;
// 0 for no method.
constexpr int engineMethodNumber(CoordinateMethod method)
{
    switch (method) {
    case CoordinateMethod::Indices:
        return 1;
    case CoordinateMethod::LatLonBox:
        return 2;
    case CoordinateMethod::CentreRadius:
        return 3;
    case CoordinateMethod::None:
        break;
    }
    return 0;
}
