#pragma once

namespace tavor::cad {

// A point in drawing units, as the CAD passes it (an array [0..2] of double: X, Y, Z).
struct Point {
    double x = 0, y = 0, z = 0;
    bool operator==(const Point&) const = default;
};

}  // namespace tavor::cad
