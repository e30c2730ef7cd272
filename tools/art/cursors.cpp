#include "art/cursors.h"

#include "art/cursor_icon_writer.h"
#include "art/magnifier.h"
#include "art/outline.h"
#include "art/raster.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace art {

namespace {

constexpr int kSide = 32;
// The sizes a cursor is drawn at, as screens at 100, 150 and 200 percent want it; the first is the
// one every screen had before.
constexpr double kScales[] = {1, 1.5, 2};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr double kFingerWidth = 3.4;

struct ScaledCursor {
    Canvas canvas;
    HotSpot hotSpot;
};

struct CursorArt {
    int id;
    ScaledCursor (*draw)(double scale);
};

Canvas blankCursor(double scale) {
    const int side = static_cast<int>(std::lround(kSide * scale));
    Canvas canvas = Canvas::transparent(side, side);
    canvas.setSmoothing(1);
    canvas.setScale(scale);
    return canvas;
}

// The pixel under a point of the drawing.
HotSpot pixelAt(Point point, double scale) {
    return {static_cast<int>(std::floor(point.x * scale)),
            static_cast<int>(std::floor(point.y * scale))};
}

// One whole pixel of outline up to 150 percent, two at 200.
double outlineWidth(double scale) {
    return std::floor(scale) / scale;
}

// An odd number of whole pixels, about `length` units long, in units.
double oddPixels(double length, double scale) {
    return (2 * std::floor(length * scale / 2) + 1) / scale;
}

// Finger columns sit four units apart, one unit wider than the fingers, so the outline draws a
// line between neighbours.
Shape finger(double x, double tipY, double baseY) {
    return capsule({x, tipY}, {x, baseY}, kFingerWidth);
}

ScaledCursor handCursor(double scale, const std::vector<Shape>& parts, Point hotSpot) {
    Canvas canvas = blankCursor(scale);
    paintOutlined(canvas, parts, kBlack, kWhite, outlineWidth(scale));
    return {canvas, pixelAt(hotSpot, scale)};
}

ScaledCursor grabbingHand(double scale) {
    return handCursor(
        scale,
        {
            finger(11.5, 11, 14),
            finger(15.5, 10.5, 14),
            finger(19.5, 10.5, 14),
            finger(23.5, 11.5, 14),
            polygon({{9.5, 13}, {25.2, 13}, {25.2, 21}, {22, 26}, {12, 26}, {9.5, 21}}),
            capsule({11, 20}, {7, 15.5}, 3.6),
        },
        {16.5, 14.5});
}

ScaledCursor openHand(double scale) {
    return handCursor(
        scale,
        {
            finger(11.5, 8.5, 17),
            finger(15.5, 6.5, 17),
            finger(19.5, 7.5, 17),
            finger(23.5, 10.5, 18),
            polygon({{9.8, 15}, {25.2, 15}, {25.2, 21}, {22, 27}, {12, 27}, {9.8, 22}}),
            capsule({11, 21}, {5.5, 14.5}, 3.6),
        },
        {15.5, 6.5});
}

// The glass is centred on the hot spot's pixel at every size, so the sign stays symmetric about
// it: at 100 percent that is pixel (16, 15).
ScaledCursor magnifierCursor(double scale, Zoom zoom) {
    Canvas canvas = blankCursor(scale);
    const HotSpot hotSpot = pixelAt({16.5, 15.5}, scale);
    const Point centre{(hotSpot.x + 0.5) / scale, (hotSpot.y + 0.5) / scale};
    const Magnifier magnifier{centre, 6.8, 1.8, 8, 4};
    paintOutlined(canvas, {magnifierLens(magnifier), magnifierHandle(magnifier)}, kBlack, kWhite,
                  outlineWidth(scale));
    canvas.paint(magnifierRim(magnifier), kBlack);
    canvas.paint(zoomSign(magnifier, zoom, oddPixels(9, scale), oddPixels(3, scale)), kBlack);
    return {canvas, hotSpot};
}

const CursorArt kCursors[] = {
    {250, grabbingHand},
    {251, [](double scale) { return magnifierCursor(scale, Zoom::In); }},
    {252, openHand},
    {278, [](double scale) { return magnifierCursor(scale, Zoom::Out); }},
};

} // namespace

std::vector<int> cursorIds() {
    std::vector<int> ids;
    for (const CursorArt& cursor : kCursors) {
        ids.push_back(cursor.id);
    }
    return ids;
}

std::vector<uint8_t> cursorFile(int id) {
    for (const CursorArt& cursor : kCursors) {
        if (cursor.id == id) {
            std::vector<CursorImage> images;
            for (double scale : kScales) {
                ScaledCursor drawn = cursor.draw(scale);
                images.push_back({drawn.canvas, drawn.hotSpot});
            }
            return encodeCursor(images);
        }
    }
    throw std::invalid_argument("no cursor " + std::to_string(id));
}

} // namespace art
