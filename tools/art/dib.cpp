#include "art/dib.h"

#include "art/byte_writer.h"

#include <functional>

namespace art {

namespace {

constexpr int kMaskBits = 1;

size_t rowBytes(int width, int bitsPerPixel) {
    return static_cast<size_t>((width * bitsPerPixel + 31) / 32) * 4;
}

// Pixels narrower than a byte fill it from the high bits; wider ones are little-endian.
std::vector<uint8_t> packRows(const Canvas& canvas, int bitsPerPixel,
                              const std::function<uint32_t(int, int)>& valueAt) {
    const size_t stride = rowBytes(canvas.width(), bitsPerPixel);
    std::vector<uint8_t> data(stride * canvas.height(), 0);
    for (int y = 0; y < canvas.height(); ++y) {
        uint8_t* row = &data[(canvas.height() - 1 - y) * stride];
        for (int x = 0; x < canvas.width(); ++x) {
            const uint32_t value = valueAt(x, y);
            const int bitOffset = x * bitsPerPixel;
            if (bitsPerPixel >= 8) {
                for (int i = 0; i < bitsPerPixel / 8; ++i) {
                    row[bitOffset / 8 + i] = static_cast<uint8_t>(value >> (8 * i));
                }
            } else {
                row[bitOffset / 8] |=
                    static_cast<uint8_t>(value << (8 - bitsPerPixel - bitOffset % 8));
            }
        }
    }
    return data;
}

void writeInfoHeader(ByteWriter& out, const Canvas& canvas, int storedHeight, int bitsPerPixel,
                     size_t imageBytes, size_t paletteSize) {
    out.u32(kInfoHeaderBytes);
    out.i32(canvas.width());
    out.i32(storedHeight);
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(0);
    out.u32(static_cast<uint32_t>(imageBytes));
    out.i32(0);
    out.i32(0);
    out.u32(static_cast<uint32_t>(paletteSize));
    out.u32(0);
}

void writePalette(ByteWriter& out, const Palette& palette) {
    for (Rgb colour : palette.colours()) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
}

std::vector<uint8_t> colourIndices(const Canvas& canvas, const Palette& palette, int bitsPerPixel) {
    const std::vector<Rgb> colours = visibleColours(canvas);
    return packRows(canvas, bitsPerPixel, [&](int x, int y) {
        return palette.indexOf(colours[static_cast<size_t>(y) * canvas.width() + x]);
    });
}

std::vector<uint8_t> andMask(const Canvas& canvas) {
    return packRows(canvas, kMaskBits, [&](int x, int y) { return canvas.isOpaque(x, y) ? 0 : 1; });
}

// An icon's header counts the mask rows in its height.
std::vector<uint8_t> indexedImage(const Canvas& canvas, const Palette& palette, int bitsPerPixel,
                                  const std::vector<uint8_t>& mask) {
    const std::vector<uint8_t> pixels = colourIndices(canvas, palette, bitsPerPixel);
    const int storedHeight = mask.empty() ? canvas.height() : 2 * canvas.height();
    ByteWriter out;
    writeInfoHeader(out, canvas, storedHeight, bitsPerPixel, pixels.size() + mask.size(),
                    palette.colours().size());
    writePalette(out, palette);
    out.bytes(pixels);
    out.bytes(mask);
    return out.data();
}

} // namespace

std::vector<Rgb> visibleColours(const Canvas& canvas) {
    std::vector<Rgb> colours;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            colours.push_back(canvas.isOpaque(x, y) ? canvas.colour(x, y) : Rgb{0, 0, 0});
        }
    }
    return colours;
}

std::vector<uint8_t> trueColourDib(const Canvas& canvas) {
    const std::vector<uint8_t> pixels = packRows(canvas, 24, [&](int x, int y) {
        const Rgb c = canvas.colour(x, y);
        return static_cast<uint32_t>(c.b | c.g << 8 | c.r << 16);
    });
    ByteWriter out;
    writeInfoHeader(out, canvas, canvas.height(), 24, pixels.size(), 0);
    out.bytes(pixels);
    return out.data();
}

std::vector<uint8_t> indexedDib(const Canvas& canvas, const Palette& palette, int bitsPerPixel) {
    return indexedImage(canvas, palette, bitsPerPixel, {});
}

std::vector<uint8_t> maskedDib(const Canvas& canvas, const Palette& palette, int bitsPerPixel) {
    return indexedImage(canvas, palette, bitsPerPixel, andMask(canvas));
}

} // namespace art
