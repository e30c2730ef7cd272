// Writes the files the viewer must refuse to hand to the imaging library, each named by what it is.
// Usage: make_malformed_corpus OUTPUT_FOLDER

#include "image_bytes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace {

using namespace image_bytes;

struct CorpusFile {
    const char* name;
    Bytes bytes;
};

Bytes Text(const char* text) {
    Bytes out;
    AppendText(out, text);
    return out;
}

// xorshift32, so every run and platform writes the same noise.
Bytes Noise(size_t size) {
    Bytes out(size);
    uint32_t state = 0x9E3779B9u;
    for (uint8_t& byte : out) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return out;
}

Bytes BmpWithPixelOffsetPastEnd() {
    Bytes bmp = MakeBmp(4, 4, 48);
    WriteLe32(bmp, 10, static_cast<uint32_t>(bmp.size() + 4096));
    return bmp;
}

std::vector<CorpusFile> CorpusFiles() {
    // About 1.5 KB, like the file that crashed the imaging library.
    const size_t crashSizedScan = 1100;
    return {
        {"jpeg-65500x65500.jpg", MakeJpeg(65500, 65500, {}, 0xC0, crashSizedScan)},
        {"jpeg-40000x100.jpg", MakeJpeg(40000, 100)},
        {"jpeg-0x480.jpg", MakeJpeg(0, 480)},
        {"jpeg-cut-after-soi.jpg", {0xFF, 0xD8}},
        {"bmp-pixel-offset-past-end.bmp", BmpWithPixelOffsetPastEnd()},
        {"bmp-width-0.bmp", MakeBmp(0, 16)},
        {"bmp-70000x70000-truncated.bmp", MakeBmp(70000, 70000, 64)},
        {"png-100000x1.png", MakePng(100000, 1)},
        {"gif-65535x65535.gif", MakeGif(65535, 65535, {{0, 0, 65535, 65535}})},
        {"tiff-65535x65535.tif", MakeTiff(false, 65535, 65535, kTiffShort)},
        {"empty.bin", {}},
        {"noise-4k.bin", Noise(4096)},
        {"text.txt", Text("This is a plain text file, not a picture.\r\n")},
    };
}

bool Write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const CorpusFile& file : CorpusFiles()) {
        if (!Write(folder / file.name, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / file.name).string().c_str());
            return 1;
        }
    }
    return 0;
}
