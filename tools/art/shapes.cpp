#include "art/shapes.h"

#include <algorithm>
#include <utility>

namespace art {

namespace {

Box boxAround(const std::vector<Point>& points, double margin) {
    Box box{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

double squaredDistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return ex * ex + ey * ey;
}

bool insidePolygon(const std::vector<Point>& corners, Point p) {
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside;
}

} // namespace

Shape circle(Point centre, double radius) {
    return {{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
            [centre, radius](Point p) {
                const double dx = p.x - centre.x;
                const double dy = p.y - centre.y;
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape ring(Point centre, double outerRadius, double innerRadius) {
    return difference(circle(centre, outerRadius), circle(centre, innerRadius));
}

Shape rect(Box box) {
    return {box, [box](Point p) {
                return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
            }};
}

Shape frame(Box outer, double thickness) {
    const Box inner{outer.left + thickness, outer.top + thickness, outer.right - thickness,
                    outer.bottom - thickness};
    return difference(rect(outer), rect(inner));
}

Shape capsule(Point from, Point to, double width) {
    const double radius = width / 2;
    return {boxAround({from, to}, radius), [from, to, radius](Point p) {
                return squaredDistanceToSegment(p, from, to) <= radius * radius;
            }};
}

Shape polygon(std::vector<Point> corners) {
    const Box bounds = boxAround(corners, 0);
    return {bounds, [corners = std::move(corners)](Point p) { return insidePolygon(corners, p); }};
}

Shape unite(Shape a, Shape b) {
    const Box bounds{std::min(a.bounds.left, b.bounds.left), std::min(a.bounds.top, b.bounds.top),
                     std::max(a.bounds.right, b.bounds.right),
                     std::max(a.bounds.bottom, b.bounds.bottom)};
    return {bounds, [a = std::move(a.contains), b = std::move(b.contains)](Point p) {
                return a(p) || b(p);
            }};
}

Shape intersect(Shape a, Shape b) {
    const Box bounds{std::max(a.bounds.left, b.bounds.left), std::max(a.bounds.top, b.bounds.top),
                     std::min(a.bounds.right, b.bounds.right),
                     std::min(a.bounds.bottom, b.bounds.bottom)};
    return {bounds, [a = std::move(a.contains), b = std::move(b.contains)](Point p) {
                return a(p) && b(p);
            }};
}

Shape difference(Shape a, Shape b) {
    return {a.bounds, [a = std::move(a.contains), b = std::move(b.contains)](Point p) {
                return a(p) && !b(p);
            }};
}

Shape shifted(Shape shape, Point by) {
    const Box& b = shape.bounds;
    return {{b.left + by.x, b.top + by.y, b.right + by.x, b.bottom + by.y},
            [contains = std::move(shape.contains), by](Point p) {
                return contains({p.x - by.x, p.y - by.y});
            }};
}

} // namespace art
