// The default printer as its driver reports it, and its defaults changed for a while.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The printable area of the default printer's page as its driver reports it now.
struct PrinterPage {
    int width;
    int height;
    int offsetX;
    int offsetY;
    int dpi;
};

PrinterPage DefaultPrinterPage();

// Sets the paper and orientation of the driver's document properties, as the Print dialog's
// Properties button does; the driver keeps them as its defaults for this process, so the next
// Print dialog starts from them. The old defaults come back at the end of the object's life.
class ScopedPrinterDefaults {
  public:
    // With dpiAcross and dpiDown, also the print quality and the vertical resolution.
    ScopedPrinterDefaults(short paperSize, short orientation, short dpiAcross = 0,
                          short dpiDown = 0);
    // The driver's defaults as they are now.
    DEVMODEW* Current();
    ~ScopedPrinterDefaults();
    ScopedPrinterDefaults(const ScopedPrinterDefaults&) = delete;
    ScopedPrinterDefaults& operator=(const ScopedPrinterDefaults&) = delete;

  private:
    DEVMODEW* Saved() { return reinterpret_cast<DEVMODEW*>(m_saved.data()); }
    void Apply(DEVMODEW* mode);

    std::wstring m_name;
    HANDLE m_printer = nullptr;
    std::vector<char> m_saved;
    std::vector<char> m_current;
};
