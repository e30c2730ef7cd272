// Which files carry a preview besides the picture, read from bytes that may be hostile.
#include "imaging/embedded_thumbnail.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A little-endian EXIF block whose first directory has no entries and names the next at `next`.
std::string Exif(unsigned char next) {
    return std::string("Exif\0\0II*\0\x08\0\0\0\0\0", 16) + static_cast<char>(next) +
           std::string(3, '\0') + std::string(8, '\0');
}

std::string Jpeg(const std::string& app1Body) {
    const size_t length = app1Body.size() + 2;
    return std::string("\xFF\xD8\xFF\xE1", 4) + static_cast<char>(length >> 8) +
           static_cast<char>(length & 0xFF) + app1Body + std::string("\xFF\xDA\0\x02\xFF\xD9", 6);
}

bool Has(const std::string& bytes) {
    return imaging::HasEmbeddedThumbnail(reinterpret_cast<const unsigned char*>(bytes.data()),
                                         bytes.size());
}

} // namespace

TEST(EmbeddedThumbnail, OnlyASecondExifDirectoryWithinTheFileCounts) {
    EXPECT_TRUE(Has(Jpeg(Exif(14))));
    EXPECT_FALSE(Has(Jpeg(Exif(0)))) << "one directory: no preview";
    EXPECT_FALSE(Has(Jpeg(std::string("Exif\0\0II*\0\x08\0\0\0\x40\x00", 16)))) << "cut short";
    EXPECT_FALSE(Has(Jpeg(std::string("XMP\0", 4) + Exif(14).substr(6)))) << "not EXIF";
    std::string lying = Jpeg(Exif(14));
    lying[5] = static_cast<char>(0xF0); // the segment claims more than the file holds
    EXPECT_FALSE(Has(lying));
    EXPECT_FALSE(Has(lying.substr(0, 9)));
    // A classic TIFF with a second directory, in either byte order.
    EXPECT_TRUE(Has(std::string("II*\0\x08\0\0\0\0\0\x0E\0\0\0", 14) + std::string(8, '\0')));
    EXPECT_TRUE(Has(std::string("MM\0*\0\0\0\x08\0\0\0\0\0\x0E", 14) + std::string(8, '\0')));
    EXPECT_FALSE(Has(std::string("MM\0*\0\0\0\x08\0\0\0\0\0\0", 14)));
    EXPECT_FALSE(Has(std::string("BM", 2)));
    EXPECT_FALSE(Has(std::string()));
}
