#include "art/sample_scene.h"

#include "art/font.h"

#include <cmath>
#include <string>

namespace art {

namespace {

constexpr Rgb kInk{20, 20, 22};
constexpr Rgb kSignWhite{244, 244, 238};
constexpr Rgb kGlass{88, 108, 128};
constexpr Rgb kWindowFrame{60, 56, 52};
constexpr Rgb kCarBlue{36, 72, 140};
constexpr double kHorizon = 300;
constexpr double kWallTop = 70;
constexpr double kWallRight = 340;
constexpr double kPavement = 372;
constexpr double kRoad = 392;

void paintText(Canvas& canvas, const std::string& text, Point topLeft, double pixel) {
    canvas.paint(textShape(text, topLeft, pixel), kInk);
}

// Text centred on `centreX` inside a framed plate.
void paintPlate(Canvas& canvas, const std::string& text, double centreX, double top, double pixel) {
    const double width = textWidth(text, pixel) + 6 * pixel;
    const double height = (kFontRows + 4) * pixel;
    // Whole-pixel placement keeps the bitmap font crisp.
    const double left = std::round(centreX - width / 2);
    const Box plate{left, top, left + width, top + height};
    canvas.paint(rect(plate), kSignWhite);
    canvas.paint(frame(plate, 2), kInk);
    paintText(canvas, text, {plate.left + 3 * pixel, top + 2 * pixel}, pixel);
}

void paintBackdrop(Canvas& canvas) {
    const Rgb top{150, 175, 205};
    const Rgb low{210, 218, 226};
    const double right = canvas.width();
    for (int y = 0; y < kHorizon; ++y) {
        canvas.paint(rect({0, double(y), right, y + 1.0}), mix(top, low, y, int(kHorizon)));
    }
    canvas.paint(rect({0, kHorizon, right, kPavement}), {112, 124, 100});
}

void paintFence(Canvas& canvas) {
    const Rgb wire{96, 100, 104};
    for (double x = kWallRight; x < canvas.width(); x += 6) {
        canvas.paint(rect({x, 250, x + 1, kPavement}), wire);
    }
    canvas.paint(rect({kWallRight, 248, double(canvas.width()), 252}), wire);
}

void paintWindow(Canvas& canvas, Point topLeft) {
    const Box window{topLeft.x, topLeft.y, topLeft.x + 64, topLeft.y + 70};
    canvas.paint(rect(window), kGlass);
    canvas.paint(frame(window, 4), kWindowFrame);
    canvas.paint(rect({topLeft.x + 31, window.top, topLeft.x + 33, window.bottom}), kWindowFrame);
    canvas.paint(rect({window.left, topLeft.y + 34, window.right, topLeft.y + 36}), kWindowFrame);
}

void paintDoor(Canvas& canvas) {
    canvas.paint(rect({222, 228, 308, kPavement}), {52, 46, 42});
    canvas.paint(rect({230, 236, 300, kPavement}), {128, 44, 34});
    canvas.paint(rect({244, 250, 286, 290}), kGlass);
    canvas.paint(circle({290, 312}, 4), {200, 190, 120});
    paintPlate(canvas, "EXIT B", 265, 200, 2);
}

void paintNotice(Canvas& canvas) {
    const Box notice{24, 300, 144, 352};
    canvas.paint(rect(notice), kSignWhite);
    canvas.paint(frame(notice, 2), kInk);
    paintText(canvas, "NO PARKING", {30, 306}, 2);
    paintText(canvas, "ZONE 4 - 24H", {30, 326}, 1);
    paintText(canvas, "TEL 0123/456.789", {30, 338}, 1);
}

void paintBuilding(Canvas& canvas) {
    canvas.paint(rect({0, kWallTop, kWallRight, kPavement}), {182, 166, 146});
    for (double y = kWallTop + 10; y < kPavement; y += 10) {
        canvas.paint(rect({0, y, kWallRight, y + 1}), {150, 136, 120});
    }
    canvas.paint(rect({0, kWallTop - 14, kWallRight + 10, kWallTop + 4}), {84, 86, 92});
    for (const Point& corner :
         {Point{24, 100}, Point{112, 100}, Point{230, 100}, Point{24, 210}, Point{112, 210}}) {
        paintWindow(canvas, corner);
    }
    paintDoor(canvas);
    paintNotice(canvas);
}

void paintLamp(Canvas& canvas) {
    canvas.paint(rect({660, 120, 666, kPavement}), {60, 62, 66});
    canvas.paint(polygon({{640, 112}, {686, 112}, {676, 124}, {650, 124}}), {60, 62, 66});
    canvas.paint(rect({652, 124, 674, 128}), {250, 245, 200});
}

void paintGround(Canvas& canvas, double bottom) {
    const double right = canvas.width();
    canvas.paint(rect({0, kPavement, right, kRoad - 4}), {170, 168, 160});
    canvas.paint(rect({0, kRoad - 4, right, kRoad}), {120, 118, 112});
    canvas.paint(rect({0, kRoad, right, bottom}), {78, 80, 84});
    for (double x : {60.0, 200.0, 340.0, 660.0}) {
        canvas.paint(polygon({{x, kRoad}, {x + 6, kRoad}, {x + 26, bottom}, {x + 20, bottom}}),
                     {225, 225, 220});
    }
}

void paintHeadlight(Canvas& canvas, double left) {
    const Box lamp{left, 334, left + 62, 358};
    canvas.paint(rect(lamp), {245, 242, 220});
    canvas.paint(frame(lamp, 2), kInk);
}

void paintCarFront(Canvas& canvas) {
    canvas.paint(rect({388, 400, 430, 436}), kInk);
    canvas.paint(rect({590, 400, 632, 436}), kInk);
    canvas.paint(polygon({{414, 236}, {606, 236}, {634, 318}, {386, 318}}), kCarBlue);
    canvas.paint(polygon({{376, 318}, {644, 318}, {648, 330}, {648, 408}, {372, 408}, {372, 330}}),
                 kCarBlue);
    canvas.paint(polygon({{424, 246}, {596, 246}, {618, 312}, {402, 312}}), {160, 182, 200});
    canvas.paint(polygon({{452, 246}, {472, 246}, {432, 312}, {412, 312}}), {200, 215, 228});
    canvas.paint(polygon({{364, 290}, {386, 294}, {388, 310}, {362, 306}}), kCarBlue);
    canvas.paint(polygon({{656, 290}, {634, 294}, {632, 310}, {658, 306}}), kCarBlue);
    paintHeadlight(canvas, 388);
    paintHeadlight(canvas, 570);
    canvas.paint(rect({462, 334, 558, 366}), {24, 24, 28});
    for (double y = 337; y < 364; y += 4) {
        canvas.paint(rect({466, y, 554, y + 2}), {110, 112, 118});
    }
    canvas.paint(circle({510, 326}, 5), {200, 204, 210});
    canvas.paint(rect({368, 398, 652, 412}), {150, 152, 158});
    paintPlate(canvas, "KT 410 B", 510, 370, 3);
}

} // namespace

void paintScene(Canvas& canvas, double bottom) {
    paintBackdrop(canvas);
    paintFence(canvas);
    paintBuilding(canvas);
    paintLamp(canvas);
    paintGround(canvas, bottom);
    paintCarFront(canvas);
}

} // namespace art
