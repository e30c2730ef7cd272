#include "art/resource_files.h"

#include "art/app_icon.h"
#include "art/button_faces.h"
#include "art/cursors.h"
#include "art/sample_picture.h"

namespace art {

std::vector<ResourceFile> resourceFiles() {
    std::vector<ResourceFile> files;
    for (int scale : buttonFaceScales()) {
        const std::string suffix = scale == 100 ? "" : "_" + std::to_string(scale);
        for (int id : buttonFaceIds()) {
            files.push_back({"res/bitmaps/face_" + std::to_string(id) + suffix + ".bmp",
                             [id, scale] { return buttonFaceBmp(id, scale); }});
        }
    }
    for (int id : cursorIds()) {
        files.push_back(
            {"res/cursors/cursor_" + std::to_string(id) + ".cur", [id] { return cursorFile(id); }});
    }
    files.push_back({"res/icon_128.ico", appIconFile});
    files.push_back({"res/sample/b-320b.bmp", samplePictureBmp});
    return files;
}

} // namespace art
