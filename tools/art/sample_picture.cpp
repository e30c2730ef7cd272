#include "art/sample_picture.h"

#include "art/bmp_writer.h"
#include "art/font.h"
#include "art/outline.h"
#include "art/raster.h"
#include "art/sample_scene.h"
#include "art/test_chart.h"

namespace art {

namespace {

constexpr int kWidth = 704;
constexpr int kHeight = 576;
constexpr double kChartTop = 440;

// Recorders burn white text with a dark edge into the picture so it reads on any scene.
void paintOverlay(Canvas& canvas) {
    const Shape text = textShape("CAM 03  2026-12-07 14:32:05", {16, 16}, 3);
    paintOutlined(canvas, {text}, {16, 16, 16}, {255, 255, 255}, 2);
}

} // namespace

std::vector<uint8_t> samplePictureBmp() {
    Canvas canvas = Canvas::opaque(kWidth, kHeight, {0, 0, 0});
    paintScene(canvas, kChartTop);
    paintTestChart(canvas, kChartTop);
    paintOverlay(canvas);
    return encodeBmp24(canvas);
}

} // namespace art
