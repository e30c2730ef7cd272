#include "art/raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art {

namespace {

constexpr int kFullAlpha = 255;

uint8_t overChannel(int source, int sourceAlpha, int below, int belowAlpha, int resultAlpha) {
    const int weighted =
        source * sourceAlpha * kFullAlpha + below * belowAlpha * (kFullAlpha - sourceAlpha);
    const int scale = resultAlpha * kFullAlpha;
    return static_cast<uint8_t>((weighted + scale / 2) / scale);
}

} // namespace

bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}

Rgb mix(Rgb from, Rgb to, int step, int steps) {
    const auto channel = [step, steps](int a, int b) {
        return static_cast<uint8_t>((a * (steps - step) + b * step + steps / 2) / steps);
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

Canvas::Canvas(int width, int height, Pixel fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("canvas size must be positive");
    }
}

Canvas Canvas::opaque(int width, int height, Rgb background) {
    return Canvas(width, height, {background, kFullAlpha});
}

Canvas Canvas::transparent(int width, int height) {
    return Canvas(width, height, {{0, 0, 0}, 0});
}

Rgb Canvas::colour(int x, int y) const {
    return at(x, y).colour;
}

bool Canvas::isOpaque(int x, int y) const {
    return at(x, y).alpha > kFullAlpha / 2;
}

void Canvas::setSmoothing(int samplesPerSide) {
    if (samplesPerSide < 1) {
        throw std::invalid_argument("at least one sample per pixel is needed");
    }
    samplesPerSide_ = samplesPerSide;
}

void Canvas::setScale(double pixelsPerUnit) {
    if (pixelsPerUnit <= 0) {
        throw std::invalid_argument("the scale must be positive");
    }
    scale_ = pixelsPerUnit;
}

void Canvas::paint(const Shape& shape, Rgb colour) {
    paint(shape, [colour](Point) { return colour; });
}

void Canvas::paint(const Shape& shape, const std::function<Rgb(Point)>& colourAt) {
    const int left = std::max(0, static_cast<int>(std::floor(shape.bounds.left * scale_)));
    const int top = std::max(0, static_cast<int>(std::floor(shape.bounds.top * scale_)));
    const int right =
        std::min(width_, static_cast<int>(std::ceil(shape.bounds.right * scale_)) + 1);
    const int bottom =
        std::min(height_, static_cast<int>(std::ceil(shape.bounds.bottom * scale_)) + 1);
    const int samples = samplesPerSide_ * samplesPerSide_;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int covered = coveredSamples(shape, x, y);
            if (covered > 0) {
                const int alpha = (covered * kFullAlpha + samples / 2) / samples;
                blend(x, y, colourAt({(x + 0.5) / scale_, (y + 0.5) / scale_}), alpha);
            }
        }
    }
}

void Canvas::blend(int x, int y, Rgb colour, int alpha) {
    Pixel& below = at(x, y);
    const int resultAlpha =
        alpha + (below.alpha * (kFullAlpha - alpha) + kFullAlpha / 2) / kFullAlpha;
    if (resultAlpha == 0) {
        return;
    }
    below.colour = {overChannel(colour.r, alpha, below.colour.r, below.alpha, resultAlpha),
                    overChannel(colour.g, alpha, below.colour.g, below.alpha, resultAlpha),
                    overChannel(colour.b, alpha, below.colour.b, below.alpha, resultAlpha)};
    below.alpha = resultAlpha;
}

int Canvas::coveredSamples(const Shape& shape, int x, int y) const {
    int covered = 0;
    for (int sy = 0; sy < samplesPerSide_; ++sy) {
        for (int sx = 0; sx < samplesPerSide_; ++sx) {
            const Point p{(x + (sx + 0.5) / samplesPerSide_) / scale_,
                          (y + (sy + 0.5) / samplesPerSide_) / scale_};
            covered += shape.contains(p) ? 1 : 0;
        }
    }
    return covered;
}

Canvas::Pixel& Canvas::at(int x, int y) {
    return const_cast<Pixel&>(static_cast<const Canvas&>(*this).at(x, y));
}

const Canvas::Pixel& Canvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the canvas");
    }
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

} // namespace art
