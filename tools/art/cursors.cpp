#include "art/cursors.h"

#include "art/cursor_icon_writer.h"
#include "art/magnifier.h"
#include "art/outline.h"
#include "art/raster.h"

#include <stdexcept>
#include <string>

namespace art {

namespace {

constexpr int kSide = 32;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr double kFingerWidth = 3.4;

struct CursorArt {
    int id;
    HotSpot hotSpot;
    Canvas (*draw)();
};

Canvas blankCursor() {
    Canvas canvas = Canvas::transparent(kSide, kSide);
    canvas.setSmoothing(1);
    return canvas;
}

// Finger columns sit four pixels apart, one pixel wider than the fingers, so the outline
// draws a line between neighbours.
Shape finger(double x, double tipY, double baseY) {
    return capsule({x, tipY}, {x, baseY}, kFingerWidth);
}

Canvas handCursor(const std::vector<Shape>& parts) {
    Canvas canvas = blankCursor();
    paintOutlined(canvas, parts, kBlack, kWhite, 1);
    return canvas;
}

Canvas grabbingHand() {
    return handCursor({
        finger(11.5, 11, 14),
        finger(15.5, 10.5, 14),
        finger(19.5, 10.5, 14),
        finger(23.5, 11.5, 14),
        polygon({{9.5, 13}, {25.2, 13}, {25.2, 21}, {22, 26}, {12, 26}, {9.5, 21}}),
        capsule({11, 20}, {7, 15.5}, 3.6),
    });
}

Canvas openHand() {
    return handCursor({
        finger(11.5, 8.5, 17),
        finger(15.5, 6.5, 17),
        finger(19.5, 7.5, 17),
        finger(23.5, 10.5, 18),
        polygon({{9.8, 15}, {25.2, 15}, {25.2, 21}, {22, 27}, {12, 27}, {9.8, 22}}),
        capsule({11, 21}, {5.5, 14.5}, 3.6),
    });
}

// The glass is centred on pixel (16, 15), the hot spot.
Canvas magnifierCursor(Zoom zoom) {
    Canvas canvas = blankCursor();
    const Magnifier magnifier{{16.5, 15.5}, 6.8, 1.8, 8, 4};
    paintOutlined(canvas, {magnifierLens(magnifier), magnifierHandle(magnifier)}, kBlack, kWhite,
                  1);
    canvas.paint(magnifierRim(magnifier), kBlack);
    // Odd whole-pixel sizes keep the sign symmetric about the hot spot pixel.
    canvas.paint(zoomSign(magnifier, zoom, 9, 3), kBlack);
    return canvas;
}

const CursorArt kCursors[] = {
    {250, {16, 14}, grabbingHand},
    {251, {16, 15}, [] { return magnifierCursor(Zoom::In); }},
    {252, {15, 6}, openHand},
    {278, {16, 15}, [] { return magnifierCursor(Zoom::Out); }},
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
            return encodeCursor(cursor.draw(), cursor.hotSpot);
        }
    }
    throw std::invalid_argument("no cursor " + std::to_string(id));
}

} // namespace art
