#include "art/button_faces.h"

#include "art/bmp_writer.h"
#include "art/font.h"
#include "art/magnifier.h"
#include "art/raster.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace art {

namespace {

constexpr int kSide = 50;
constexpr Point kCentre{kSide / 2.0, kSide / 2.0};
// The corners must be exactly this, one green step from the dialog colour RGB(214, 211, 203).
constexpr Rgb kBackground{214, 212, 203};
constexpr Rgb kFace{224, 222, 214};
constexpr Rgb kEdge{104, 102, 96};
constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kShadow{136, 134, 128};
constexpr Rgb kInk{28, 28, 32};
constexpr Rgb kPaper{250, 250, 248};
constexpr double kEdgeRadius = 23.5;
constexpr double kRimRadius = 22.5;
constexpr double kFaceRadius = 19.5;
// Few shading steps keep the picture within a 256-colour palette.
constexpr int kShadeSteps = 10;

enum class State { Up, Down };

using SymbolPainter = void (*)(Canvas&, Point);

struct FacePair {
    int upId;
    SymbolPainter paintSymbol;
};

Point offset(Point p, double dx, double dy) {
    return {p.x + dx, p.y + dy};
}

Box around(Point c, double left, double top, double right, double bottom) {
    return {c.x + left, c.y + top, c.x + right, c.y + bottom};
}

// The nearest length that is a whole number of the canvas's pixels.
double wholePixels(const Canvas& canvas, double length) {
    return std::round(length * canvas.scale()) / canvas.scale();
}

void paintOneToOne(Canvas& canvas, Point c) {
    const std::string text = "1:1";
    // Whole-pixel sizes and placement keep the bitmap font crisp at every scale.
    const double pixel = wholePixels(canvas, 3);
    const Point topLeft{wholePixels(canvas, c.x - textWidth(text, pixel) / 2),
                        wholePixels(canvas, c.y - kFontRows * pixel / 2)};
    canvas.paint(textShape(text, topLeft, pixel), kInk);
}

void paintSunRays(Canvas& canvas, Point c) {
    const int rays = 8;
    const double pi = std::acos(-1.0);
    for (int k = 0; k < rays; ++k) {
        const double angle = 2 * pi * k / rays;
        const double dx = std::cos(angle);
        const double dy = std::sin(angle);
        canvas.paint(capsule(offset(c, 9.5 * dx, 9.5 * dy), offset(c, 13 * dx, 13 * dy), 2.4),
                     kInk);
    }
}

void paintSunOutline(Canvas& canvas, Point c) {
    canvas.paint(ring(c, 6.5, 4.3), kInk);
    paintSunRays(canvas, c);
}

void paintSunFilled(Canvas& canvas, Point c) {
    canvas.paint(circle(c, 6.5), kInk);
    paintSunRays(canvas, c);
}

void paintCross(Canvas& canvas, Point c) {
    canvas.paint(capsule(offset(c, -8, -8), offset(c, 8, 8), 4), kInk);
    canvas.paint(capsule(offset(c, -8, 8), offset(c, 8, -8), 4), kInk);
}

void paintSheet(Canvas& canvas, Box sheet) {
    canvas.paint(rect(sheet), kPaper);
    canvas.paint(frame(sheet, 1.5), kInk);
}

void paintPrinter(Canvas& canvas, Point c) {
    paintSheet(canvas, around(c, -7, -12, 7, -2));
    canvas.paint(polygon({offset(c, -10, -4), offset(c, 10, -4), offset(c, 12, -2),
                          offset(c, 12, 6), offset(c, -12, 6), offset(c, -12, -2)}),
                 kInk);
    canvas.paint(circle(offset(c, 8.5, -0.5), 1.3), kFace);
    paintSheet(canvas, around(c, -7, 2, 7, 12));
    canvas.paint(rect(around(c, -4, 5, 4, 6)), kInk);
    canvas.paint(rect(around(c, -4, 8, 2, 9)), kInk);
}

void paintFloppy(Canvas& canvas, Point c) {
    canvas.paint(polygon({offset(c, -11, -11), offset(c, 8, -11), offset(c, 11, -8),
                          offset(c, 11, 11), offset(c, -11, 11)}),
                 kInk);
    canvas.paint(rect(around(c, -6, -11, 6, -3)), kFace);
    canvas.paint(rect(around(c, 1, -9.5, 4, -4.5)), kInk);
    canvas.paint(rect(around(c, -8, 1, 8, 11)), kPaper);
    canvas.paint(rect(around(c, -6, 4, 6, 5)), kInk);
    canvas.paint(rect(around(c, -6, 7, 6, 8)), kInk);
}

void paintZoom(Canvas& canvas, Point c, Zoom zoom) {
    const Magnifier magnifier{offset(c, -3, -3), 6.5, 2.5, 8, 4.5};
    canvas.paint(magnifierRim(magnifier), kInk);
    canvas.paint(magnifierHandle(magnifier), kInk);
    canvas.paint(zoomSign(magnifier, zoom, 8, 2.4), kInk);
}

const FacePair kPairs[] = {
    {213, paintOneToOne},
    {216, paintSunOutline},
    {218, paintSunFilled},
    {220, paintCross},
    {222, paintPrinter},
    {224, paintFloppy},
    {226, [](Canvas& canvas, Point c) { paintZoom(canvas, c, Zoom::In); }},
    {228, [](Canvas& canvas, Point c) { paintZoom(canvas, c, Zoom::Out); }},
};

// Light comes from the top left; a pressed button turns the rim's shading round.
Rgb rimColour(Point p, State state) {
    const double dx = p.x - kCentre.x;
    const double dy = p.y - kCentre.y;
    const double towardsLight = -(dx + dy) / std::sqrt(2 * (dx * dx + dy * dy));
    const double brightness = state == State::Up ? towardsLight : -towardsLight;
    const int step = static_cast<int>(std::lround((brightness + 1) / 2 * kShadeSteps));
    return mix(kShadow, kLight, step, kShadeSteps);
}

void paintButton(Canvas& canvas, State state) {
    canvas.paint(circle(kCentre, kEdgeRadius), kEdge);
    canvas.paint(ring(kCentre, kRimRadius, kFaceRadius - 1),
                 [state](Point p) { return rimColour(p, state); });
    canvas.paint(circle(kCentre, kFaceRadius), kFace);
}

const FacePair& pairFor(int id) {
    for (const FacePair& pair : kPairs) {
        if (id == pair.upId || id == pair.upId + 1) {
            return pair;
        }
    }
    throw std::invalid_argument("no button face " + std::to_string(id));
}

} // namespace

std::vector<int> buttonFaceIds() {
    std::vector<int> ids;
    for (const FacePair& pair : kPairs) {
        ids.push_back(pair.upId);
        ids.push_back(pair.upId + 1);
    }
    return ids;
}

std::vector<int> buttonFaceScales() {
    return {100, 150, 200};
}

std::vector<uint8_t> buttonFaceBmp(int id, int scalePercent) {
    const FacePair& pair = pairFor(id);
    const State state = id == pair.upId ? State::Up : State::Down;
    const int side = kSide * scalePercent / 100;
    Canvas canvas = Canvas::opaque(side, side, kBackground);
    canvas.setScale(scalePercent / 100.0);
    paintButton(canvas, state);
    // One whole pixel at every scale, so the pressed symbol stays as sharp as the raised one.
    const double press = state == State::Down ? wholePixels(canvas, 1) : 0;
    pair.paintSymbol(canvas, offset(kCentre, press, press));
    return encodeBmp8(canvas);
}

} // namespace art
