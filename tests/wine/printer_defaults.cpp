#include "printer_defaults.h"

#include <winspool.h>

namespace {

std::wstring DefaultPrinter() {
    wchar_t name[256] = L"";
    DWORD size = 256;
    ::GetDefaultPrinterW(name, &size);
    return name;
}

} // namespace

PrinterPage DefaultPrinterPage() {
    HDC dc = ::CreateDCW(L"WINSPOOL", DefaultPrinter().c_str(), nullptr, nullptr);
    PrinterPage page{::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, VERTRES),
                     ::GetDeviceCaps(dc, PHYSICALOFFSETX), ::GetDeviceCaps(dc, PHYSICALOFFSETY),
                     ::GetDeviceCaps(dc, LOGPIXELSX)};
    ::DeleteDC(dc);
    return page;
}

ScopedPrinterDefaults::ScopedPrinterDefaults(short paperSize, short orientation, short dpiAcross,
                                             short dpiDown)
    : m_name(DefaultPrinter()) {
    ::OpenPrinterW(m_name.data(), &m_printer, nullptr);
    LONG size = ::DocumentPropertiesW(nullptr, m_printer, m_name.data(), nullptr, nullptr, 0);
    m_saved.resize(static_cast<size_t>(std::max<LONG>(size, sizeof(DEVMODEW))));
    ::DocumentPropertiesW(nullptr, m_printer, m_name.data(), Saved(), nullptr, DM_OUT_BUFFER);
    std::vector<char> changed = m_saved;
    auto* mode = reinterpret_cast<DEVMODEW*>(changed.data());
    mode->dmPaperSize = paperSize;
    mode->dmOrientation = orientation;
    mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
    if (dpiAcross > 0) {
        mode->dmPrintQuality = dpiAcross;
        mode->dmYResolution = dpiDown;
        mode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
    }
    Apply(mode);
}

DEVMODEW* ScopedPrinterDefaults::Current() {
    m_current.assign(m_saved.size(), 0);
    ::DocumentPropertiesW(nullptr, m_printer, m_name.data(),
                          reinterpret_cast<DEVMODEW*>(m_current.data()), nullptr, DM_OUT_BUFFER);
    return reinterpret_cast<DEVMODEW*>(m_current.data());
}

ScopedPrinterDefaults::~ScopedPrinterDefaults() {
    Apply(Saved());
    ::ClosePrinter(m_printer);
}

void ScopedPrinterDefaults::Apply(DEVMODEW* mode) {
    std::vector<char> out(m_saved.size());
    ::DocumentPropertiesW(nullptr, m_printer, m_name.data(),
                          reinterpret_cast<DEVMODEW*>(out.data()), mode,
                          DM_IN_BUFFER | DM_OUT_BUFFER);
}
