#include "art/test_chart.h"

#include "art/font.h"

#include <cmath>

namespace art {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr double kMargin = 16;
constexpr double kPatch = 40;
constexpr double kGap = 8;

using CellTest = bool (*)(long column, long row);

// Black where `isBlack` says so, on a grid of `cell`-sized squares starting at the box corner.
Shape cellPattern(Box box, double cell, CellTest isBlack) {
    return intersect(rect(box),
                     {box, [box, cell, isBlack](Point p) {
                          return isBlack(std::lround(std::floor((p.x - box.left) / cell)),
                                         std::lround(std::floor((p.y - box.top) / cell)));
                      }});
}

void paintStar(Canvas& canvas, Point centre, double radius) {
    const int spokes = 16;
    const double pi = std::acos(-1.0);
    const double reach = radius * 1.2;
    canvas.paint(circle(centre, radius), kWhite);
    for (int k = 0; k < spokes; ++k) {
        const double from = 2 * pi * k / spokes;
        const double to = from + pi / spokes;
        const Shape wedge =
            polygon({centre,
                     {centre.x + reach * std::cos(from), centre.y + reach * std::sin(from)},
                     {centre.x + reach * std::cos(to), centre.y + reach * std::sin(to)}});
        canvas.paint(intersect(wedge, circle(centre, radius)), kBlack);
    }
}

void paintGratings(Canvas& canvas, Point topLeft) {
    const struct {
        double cell;
        CellTest isBlack;
    } gratings[] = {
        {1, [](long column, long) { return column % 2 == 0; }},
        {1, [](long, long row) { return row % 2 == 0; }},
        {1, [](long column, long row) { return (column + row) % 2 == 0; }},
        {2, [](long column, long row) { return (column + row) % 2 == 0; }},
    };
    double left = topLeft.x;
    for (const auto& grating : gratings) {
        const Box box{left, topLeft.y, left + kPatch, topLeft.y + kPatch};
        canvas.paint(rect(box), kWhite);
        canvas.paint(cellPattern(box, grating.cell, grating.isBlack), kBlack);
        left += kPatch + kGap;
    }
}

void paintTextSizes(Canvas& canvas, Point topLeft) {
    canvas.paint(textShape("SMALL TEXT 0123456789", topLeft, 1), kWhite);
    canvas.paint(textShape("ZOOM 1:1 2:1", {topLeft.x, topLeft.y + 12}, 2), kWhite);
    canvas.paint(textShape("ABCDEFGHIJKLMNOPQRSTUVWXYZ", {topLeft.x, topLeft.y + 31}, 1), kWhite);
}

void paintColourPatches(Canvas& canvas, Point topLeft) {
    const Rgb colours[] = {{220, 30, 30}, {240, 130, 20}, {240, 210, 30}, {30, 170, 60},
                           {0, 180, 200}, {30, 60, 200},  {190, 40, 170}, {225, 180, 150}};
    double left = topLeft.x;
    for (Rgb colour : colours) {
        canvas.paint(rect({left, topLeft.y, left + kPatch, topLeft.y + kPatch}), colour);
        left += kPatch + 4;
    }
}

void paintGreySteps(Canvas& canvas, Point topLeft) {
    const int steps = 16;
    const double width = 22;
    for (int i = 0; i < steps; ++i) {
        const double left = topLeft.x + i * width;
        canvas.paint(rect({left, topLeft.y, left + width, topLeft.y + kPatch}),
                     mix(kBlack, kWhite, i, steps - 1));
    }
}

// A one-pixel column per shade, so the ramp runs from pure black to pure white.
void paintGreyRamp(Canvas& canvas, Box band) {
    const int columns = static_cast<int>(band.right - band.left);
    for (int i = 0; i < columns; ++i) {
        const double x = band.left + i;
        canvas.paint(rect({x, band.top, x + 1, band.bottom}), mix(kBlack, kWhite, i, columns - 1));
    }
}

} // namespace

void paintTestChart(Canvas& canvas, double top) {
    const double right = canvas.width();
    canvas.paint(rect({0, top, right, double(canvas.height())}), {56, 56, 60});
    paintStar(canvas, {64, top + 56}, 48);
    paintGratings(canvas, {128, top + 12});
    paintTextSizes(canvas, {128, top + 60});
    paintColourPatches(canvas, {336, top + 12});
    paintGreySteps(canvas, {336, top + 60});
    paintGreyRamp(canvas, {kMargin, top + 108, right - kMargin, top + 130});
}

} // namespace art
