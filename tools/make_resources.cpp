// Redraws the program's button faces, cursors, icon and sample picture under a repository root.

#include "art/resource_files.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_resources <repository root>\n";
        return 2;
    }
    try {
        for (const art::ResourceFile& file : art::resourceFiles()) {
            writeFile(std::filesystem::path(argv[1]) / file.path, file.make());
            std::cout << file.path << '\n';
        }
    } catch (const std::exception& error) {
        std::cerr << "make_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
