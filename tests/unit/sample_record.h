// What the record tests start from: a save of a 704 x 576 recording, and bytes written out.
#pragma once

#include "provenance.h"

#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

// A zoomed, brightened view of the recording at sourcePath; tests change what they look at.
inline ExportRecord SampleRecord(const std::string& sourcePath, const std::string& sha256) {
    ExportRecord record;
    record.program = "StillView 1.0.0.1";
    record.sourcePath = sourcePath;
    record.sourceBytes = 1216566;
    record.sourceSha256 = sha256;
    record.sourceWidth = 704;
    record.sourceHeight = 576;
    record.workingWidth = 640;
    record.workingHeight = 480;
    record.view = {120, 40, 466, 350};
    record.gamma = 0.8f;
    record.interpolation = 7;
    record.imagingLibrary = "gdiplus.dll 5.1.3102.2180";
    record.exportedAt = "2026-12-07T08:15:02+01:00";
    return record;
}
