// The print tests' view of the printer's output: the Unix side (print-readback.sh) started
// from inside Wine, and the first page of a printout rendered to pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Runs one command of print-readback.sh and returns its key=value findings; "done" is "1" only
// when the command succeeded, and "error" then carries its complaint.
std::map<std::string, std::string> RunPrintReadback(const std::string& command, int dpi = 300);

// The text of page 1 of the last printout read back, as pdftotext found it (UTF-8).
std::string PrintoutText();

// Whether a pixel is clearly darker than the paper.
bool IsInked(COLORREF c);

// The smallest rectangle around every inked pixel of a width x height image.
RECT InkBox(int width, int height, const std::function<COLORREF(int, int)>& at);

// Page 1 of the last printout read back, as pdftoppm rendered it.
class RenderedPage {
  public:
    // False when the rendering is missing or not a binary PPM.
    bool Load();
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_rgb;
};
