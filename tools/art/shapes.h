#pragma once

#include <functional>
#include <vector>

namespace art {

struct Point {
    double x;
    double y;
};

struct Box {
    double left;
    double top;
    double right;
    double bottom;
};

// A region is a membership test plus a bounding box, so painting can supersample any outline
// without each primitive needing its own rasteriser.
struct Shape {
    Box bounds;
    std::function<bool(Point)> contains;
};

Shape circle(Point centre, double radius);
Shape ring(Point centre, double outerRadius, double innerRadius);
Shape rect(Box box);
Shape frame(Box outer, double thickness);
Shape capsule(Point from, Point to, double width);
Shape polygon(std::vector<Point> corners);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape difference(Shape a, Shape b);
Shape shifted(Shape shape, Point by);

} // namespace art
