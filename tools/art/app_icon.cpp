#include "art/app_icon.h"

#include "art/cursor_icon_writer.h"
#include "art/magnifier.h"
#include "art/raster.h"

#include <algorithm>

namespace art {

namespace {

struct IconColours {
    Rgb frame;
    Rgb sky;
    Rgb hill;
    Rgb ground;
    Rgb sun;
    Rgb glass;
    Rgb rim;
    Rgb handle;
};

// The 16-colour images may only use the standard palette's colours.
constexpr IconColours kStandardColours{{0, 0, 0},     {0, 255, 255},   {0, 128, 0}, {128, 128, 0},
                                       {255, 255, 0}, {255, 255, 255}, {0, 0, 0},   {128, 0, 0}};
constexpr IconColours kRichColours{{40, 40, 48},   {120, 180, 235}, {50, 125, 60}, {150, 130, 80},
                                   {255, 215, 60}, {225, 240, 250}, {30, 30, 36},  {120, 60, 30}};

// Drawn on a 32-unit grid; `unit` is the size of one grid step in pixels. The picture's edges
// lie on even grid lines so they stay on whole pixels at half size, and borders never get
// thinner than one pixel.
void paintMotif(Canvas& canvas, double unit, const IconColours& colours) {
    const auto at = [unit](double x, double y) { return Point{x * unit, y * unit}; };
    const Box picture{2 * unit, 4 * unit, 24 * unit, 22 * unit};
    canvas.paint(rect(picture), colours.sky);
    canvas.paint(
        polygon({at(2, 22), at(2, 15), at(8, 9), at(14, 14), at(19, 11), at(24, 15), at(24, 22)}),
        colours.hill);
    canvas.paint(rect({picture.left, 18 * unit, picture.right, picture.bottom}), colours.ground);
    canvas.paint(circle(at(17, 9), 2.6 * unit), colours.sun);
    canvas.paint(frame(picture, 1), colours.frame);
    const Magnifier magnifier{at(20, 19), 5.5 * unit, std::max(1.6 * unit, 1.4), 6.5 * unit,
                              4 * unit};
    canvas.paint(magnifierHandle(magnifier), colours.handle);
    canvas.paint(magnifierLens(magnifier), colours.rim);
    canvas.paint(magnifierGlass(magnifier), colours.glass);
}

Canvas motif(int side, int samplesPerSide, const IconColours& colours) {
    Canvas canvas = Canvas::transparent(side, side);
    canvas.setSmoothing(samplesPerSide);
    paintMotif(canvas, side / 32.0, colours);
    return canvas;
}

} // namespace

std::vector<uint8_t> appIconFile() {
    return encodeIcon({{motif(32, 1, kStandardColours), 4},
                       {motif(16, 1, kStandardColours), 4},
                       {motif(32, 4, kRichColours), 8}});
}

} // namespace art
