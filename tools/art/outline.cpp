#include "art/outline.h"

namespace art {

void paintOutlined(Canvas& canvas, const std::vector<Shape>& parts, Rgb outline, Rgb fill,
                   double width) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) {
                continue;
            }
            for (const Shape& part : parts) {
                canvas.paint(shifted(part, {dx * width, dy * width}), outline);
            }
        }
    }
    for (const Shape& part : parts) {
        canvas.paint(part, fill);
    }
}

} // namespace art
