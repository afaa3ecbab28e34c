// Points and rectangles of the table, in window coordinates.
#pragma once

namespace vellamor {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vellamor
