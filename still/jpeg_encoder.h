// Finding the imaging library's JPEG encoder and the one parameter every saved JPEG gets.
#pragma once

#include <windows.h>

#include <gdiplus.h>

// The encoder whose MIME type is exactly mimeType: its class id goes to *pClsid and its index in
// the encoder list is returned; -1 (and *pClsid untouched) when there is none.
int FindEncoderByMimeType(const wchar_t* mimeType, CLSID* pClsid);

// The quality every saved JPEG is written with.
constexpr unsigned long kJpegQuality = 100;

// A JPEG quality, as one encoder parameter.
class JpegQualityParameters {
  public:
    explicit JpegQualityParameters(ULONG quality = kJpegQuality);
    JpegQualityParameters(const JpegQualityParameters&) = delete;
    JpegQualityParameters& operator=(const JpegQualityParameters&) = delete;

    const Gdiplus::EncoderParameters* Get() const { return &m_parameters; }

  private:
    ULONG m_quality;
    Gdiplus::EncoderParameters m_parameters{};
};
