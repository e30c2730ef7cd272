#pragma once

#include "art/shapes.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

bool operator==(Rgb a, Rgb b);
bool operator!=(Rgb a, Rgb b);

// The colour `step` steps of `steps` along the way from `from` to `to`.
Rgb mix(Rgb from, Rgb to, int step, int steps);

// Keeps an alpha value per pixel so that cursors and icons can tell "transparent" from black.
class Canvas {
  public:
    static Canvas opaque(int width, int height, Rgb background);
    static Canvas transparent(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb colour(int x, int y) const;
    bool isOpaque(int x, int y) const;

    // Samples per pixel side; 1 gives hard edges, needed where only a fixed palette is allowed.
    void setSmoothing(int samplesPerSide);
    // Pixels per unit of the shapes painted from now on, so one drawing serves every size.
    void setScale(double pixelsPerUnit);
    double scale() const { return scale_; }
    void paint(const Shape& shape, Rgb colour);
    void paint(const Shape& shape, const std::function<Rgb(Point)>& colourAt);

  private:
    struct Pixel {
        Rgb colour;
        int alpha;
    };

    Canvas(int width, int height, Pixel fill);
    int coveredSamples(const Shape& shape, int x, int y) const;
    void blend(int x, int y, Rgb colour, int alpha);
    Pixel& at(int x, int y);
    const Pixel& at(int x, int y) const;

    int width_;
    int height_;
    int samplesPerSide_ = 4;
    double scale_ = 1;
    std::vector<Pixel> pixels_;
};

} // namespace art
