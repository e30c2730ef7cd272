// libFuzzer entry point for CheckImageHeader. Build and run, from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
//     -I. tools/fuzz/image_header_fuzzer.cpp imaging/image_header.cpp -o image_header_fuzzer
//   ./image_header_fuzzer -max_total_time=120 CORPUS_FOLDER tests/corpus/malformed

#include "imaging/image_header.h"

#include <cstdlib>

namespace {

bool WithinLimits(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= imaging::kMaxImageSide &&
           height <= imaging::kMaxImageSide && width * height <= imaging::kMaxImagePixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const imaging::MemoryByteSource source(data, size);
    const imaging::HeaderCheckResult result = imaging::CheckImageHeader(source);
    const bool unrecognised = result.verdict == imaging::HeaderVerdict::Unrecognised;
    if (unrecognised != (result.format == imaging::ImageFormat::Unknown)) {
        std::abort();
    }
    if (result.verdict == imaging::HeaderVerdict::Acceptable &&
        !WithinLimits(result.width, result.height)) {
        std::abort();
    }
    return 0;
}
