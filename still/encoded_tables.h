// What an encoder really wrote, read back from its own bytes: the quality its luminance
// quantization table shows and the chroma subsampling of its frame. A platform's encoder may
// ignore the quality it is asked for, so the record states these instead of the request.
#pragma once

#include <string>

struct EncodedTables {
    // The standard (IJG) quality, 1 to 100, whose luminance table is nearest the file's.
    int quality = 0;
    // "4:4:4", "4:2:2", "4:2:0", "4:4:0", "4:1:1", "grey", or the factors as "2x2,1x1,1x1".
    std::string subsampling;
};

// False when the bytes hold no luminance table or no frame before the scan.
bool ReadEncodedTables(const std::string& jpeg, EncodedTables* tables);
