// Whether a picture file carries a small preview of itself besides the picture. Asked for a
// thumbnail, the imaging library scales such a preview rather than the picture (EXIF thumbnails of
// camera JPEGs and TIFFs), so the working picture of such a file is drawn from the picture itself.
#pragma once

#include <cstddef>

namespace imaging {

// True for a JPEG whose EXIF block has a second directory (the thumbnail's), and for a TIFF with
// more than one directory.
bool HasEmbeddedThumbnail(const unsigned char* data, std::size_t size);

} // namespace imaging
