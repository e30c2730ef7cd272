// libFuzzer entry point for the Save-As rules. Build and run, from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
//     -I. -Iimaging -Isave -Istill tools/fuzz/save_rules_fuzzer.cpp \
//     tools/fuzz/save_rules_properties.cpp save/command_file_rules.cpp save/file_name_rules.cpp \
//     still/jpeg_comment.cpp still/jpeg_segment_writer.cpp \
//     -o save_rules_fuzzer
//   ./save_rules_fuzzer -max_total_time=120

#include "save_rules_properties.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string broken = BrokenSaveRule(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
