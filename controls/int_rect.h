// A rectangle of four ints, for the platform-free geometry (right and bottom are exclusive).
#pragma once

struct IntRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const IntRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
