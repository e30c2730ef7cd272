#include "jpeg_encoder.h"

#include <cstdlib>
#include <cwchar>

using namespace Gdiplus;

int FindEncoderByMimeType(const wchar_t* mimeType, CLSID* pClsid) {
    UINT count = 0;
    UINT size = 0;
    DllExports::GdipGetImageEncodersSize(&count, &size);
    if (size == 0) {
        return -1;
    }
    auto* encoders = static_cast<ImageCodecInfo*>(std::malloc(size));
    if (encoders == nullptr) {
        return -1;
    }
    DllExports::GdipGetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wcscmp(encoders[i].MimeType, mimeType) == 0) {
            *pClsid = encoders[i].Clsid;
            std::free(encoders);
            return static_cast<int>(i);
        }
    }
    std::free(encoders);
    return -1;
}

JpegQualityParameters::JpegQualityParameters(ULONG quality) : m_quality(quality) {
    // {1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}
    static const GUID kEncoderQuality = {
        0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
    m_parameters.Count = 1;
    m_parameters.Parameter[0].Guid = kEncoderQuality;
    m_parameters.Parameter[0].NumberOfValues = 1;
    m_parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
    m_parameters.Parameter[0].Value = &m_quality;
}
