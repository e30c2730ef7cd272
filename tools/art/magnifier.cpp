#include "art/magnifier.h"

#include <cmath>

namespace art {

namespace {

Point alongHandle(const Magnifier& m, double distance) {
    const double diagonal = std::sqrt(0.5);
    return {m.centre.x + distance * diagonal, m.centre.y + distance * diagonal};
}

Shape bar(Point centre, double halfWidth, double halfHeight) {
    return rect(
        {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight});
}

} // namespace

Shape magnifierGlass(const Magnifier& magnifier) {
    return circle(magnifier.centre, magnifier.glassRadius);
}

Shape magnifierLens(const Magnifier& magnifier) {
    return circle(magnifier.centre, magnifier.glassRadius + magnifier.rimWidth);
}

Shape magnifierRim(const Magnifier& magnifier) {
    return ring(magnifier.centre, magnifier.glassRadius + magnifier.rimWidth,
                magnifier.glassRadius);
}

Shape magnifierHandle(const Magnifier& magnifier) {
    const double start = magnifier.glassRadius + magnifier.rimWidth / 2;
    return capsule(alongHandle(magnifier, start),
                   alongHandle(magnifier, start + magnifier.handleLength), magnifier.handleWidth);
}

Shape zoomSign(const Magnifier& magnifier, Zoom zoom, double length, double thickness) {
    const Shape across = bar(magnifier.centre, length / 2, thickness / 2);
    if (zoom == Zoom::Out) {
        return across;
    }
    return unite(across, bar(magnifier.centre, thickness / 2, length / 2));
}

} // namespace art
