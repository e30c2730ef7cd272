// What a save writes: the view on screen, read back by an independent decoder; and what a
// failed save leaves: nothing new, nothing destroyed.
#include "encoded_tables.h"
#include "gdiplus_image.h"
#include "image_magick.h"
#include "jpeg_encoder.h"
#include "scratch_file.h"
#include "staged_file.h"
#include "modal_script.h"
#include "resource.h"
#include "test_files.h"
#include "version.h"
#include "viewer_app.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <new>
#include <sstream>

namespace {

// The test picture: 8 x 6 blocks of 80 x 80 pixels, each block its own colour.
constexpr int kBlock = 80;

int BlockRed(int bx) {
    return 30 + 28 * bx;
}
int BlockGreen(int by) {
    return 40 + 35 * by;
}
constexpr int kBlockBlue = 128;

UINT32 BlockColour(int bx, int by) {
    return 0xFF000000u | (BlockRed(bx) << 16) | (BlockGreen(by) << 8) | kBlockBlue;
}

// The same blocks at twice the size: the working picture is the source halved.
UINT32 SourceColourAt(UINT x, UINT y) {
    return BlockColour(static_cast<int>(x) / (2 * kBlock), static_cast<int>(y) / (2 * kBlock));
}

// The imaging library's gamma: each channel, as a fraction of full scale, to that power.
int WithGamma(int channel, double gamma) {
    return static_cast<int>(std::lround(255.0 * std::pow(channel / 255.0, gamma)));
}

struct ViewRect {
    int x, y, width, height;
};

// Compares a 640 x 480 picture with the view of the block picture it should show, at points
// that lie well inside a block of the source, so neither interpolation nor the JPEG encoder's
// blocks blur them. Returns the number of points that differ by more than the tolerance.
int CountWrongPoints(const RgbPicture& picture, const ViewRect& view, double gamma, int* checked) {
    const int tolerance = 8;
    const double margin = 4.0;
    int wrong = 0;
    *checked = 0;
    for (int y = 4; y < 480; y += 9) {
        for (int x = 4; x < 640; x += 9) {
            double sx = view.x + (x + 0.5) * view.width / 640.0;
            double sy = view.y + (y + 0.5) * view.height / 480.0;
            double inX = std::fmod(sx, kBlock);
            double inY = std::fmod(sy, kBlock);
            if (inX < margin || inX > kBlock - margin || inY < margin || inY > kBlock - margin) {
                continue;
            }
            ++*checked;
            int bx = static_cast<int>(sx) / kBlock;
            int by = static_cast<int>(sy) / kBlock;
            COLORREF got = picture.At(x, y);
            if (std::abs(GetRValue(got) - WithGamma(BlockRed(bx), gamma)) > tolerance ||
                std::abs(GetGValue(got) - WithGamma(BlockGreen(by), gamma)) > tolerance ||
                std::abs(GetBValue(got) - WithGamma(kBlockBlue, gamma)) > tolerance) {
                ++wrong;
            }
        }
    }
    return wrong;
}

unsigned long PictureFileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.nFileSizeLow;
}

// How far the record's export time, a local time with its offset from UTC, lies from the
// system's UTC clock now, in seconds; a large value when the record has no readable time.
double SecondsFromNow(const std::string& record) {
    SYSTEMTIME local{};
    int year, month, day, hour, minute, second, offsetHours, offsetMinutes;
    char sign = 0;
    size_t at = record.find("exported: ");
    if (at == std::string::npos ||
        sscanf(record.c_str() + at, "exported: %d-%d-%dT%d:%d:%d%c%d:%d", &year, &month, &day,
               &hour, &minute, &second, &sign, &offsetHours, &offsetMinutes) != 9) {
        return 1e9;
    }
    local = {static_cast<WORD>(year),
             static_cast<WORD>(month),
             0,
             static_cast<WORD>(day),
             static_cast<WORD>(hour),
             static_cast<WORD>(minute),
             static_cast<WORD>(second),
             0};
    FILETIME written{};
    FILETIME now{};
    ::SystemTimeToFileTime(&local, &written);
    ::GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    double offset = (sign == '-' ? -60.0 : 60.0) * (offsetHours * 60 + offsetMinutes);
    return std::fabs(ticks(written) - offset - ticks(now));
}

ViewRect ViewOf(const ViewerDlg& dlg) {
    return {dlg.State().view.m_nSrcX, dlg.State().view.m_nSrcY, dlg.State().view.m_nSrcWidth,
            dlg.State().view.m_nSrcHeight};
}

// Presses Save, names the file in the dialog opened on the folder (confirming the replacement
// of a file of that name when asked to), and reads the result.
ShownDialog SaveThroughTheDialog(ViewerWindow& viewer, const std::wstring& folder,
                                 const wchar_t* name, bool replacing = false) {
    theApp.WriteProfileString(L"Path", L"SavePath", folder.c_str());
    ShownDialog question;
    ShownDialog result;
    ModalScript script;
    script.Then(L"Varnolt -- Save As JPEG File", [name](HWND hDialog) {
        ::SetDlgItemTextW(hDialog, IDC_FILE_NAME, name);
        PostClick(hDialog, IDC_SAVE);
    });
    if (replacing) {
        script.Answer(L"Varnolt -- Save As", IDOK, &question);
    }
    script.Answer(L"Varnolt Digital Recorder KT-410", IDOK, &result);
    viewer.Click(IDC_SAVE);
    EXPECT_TRUE(script.Finished());
    return result;
}

// What libjpeg's own reader (djpeg) shows of a JPEG's tables: the luminance quantization table
// as printed, and the sampling factors under their usual name.
struct OutsideTables {
    std::string luminance;
    std::string subsampling;
};

OutsideTables ReadByDjpeg(const std::wstring& jpeg) {
    std::string shown;
    EXPECT_TRUE(RunHostCommand("djpeg -verbose -verbose -outfile /dev/null " +
                                   ShellQuoted(HostPath(jpeg)) + " 2>&1",
                               &shown));
    OutsideTables tables;
    std::size_t table = shown.find("Define Quantization Table 0");
    for (std::size_t at = shown.find('\n', table), row = 0; table != std::string::npos && row < 8;
         ++row) {
        std::size_t end = shown.find('\n', at + 1);
        tables.luminance += shown.substr(at + 1, end - at);
        at = end;
    }
    std::string factors;
    for (std::size_t at = shown.find("Component 1: "); at < shown.find("Start Of Scan");
         at = shown.find("Component ", at + 1)) {
        int h = 0;
        int v = 0;
        if (std::sscanf(shown.c_str() + at, "Component %*d: %dhx%dv", &h, &v) == 2) {
            factors += (factors.empty() ? "" : ",") + std::to_string(h) + "x" + std::to_string(v);
        }
    }
    const std::map<std::string, std::string> names = {
        {"1x1,1x1,1x1", "4:4:4"}, {"2x1,1x1,1x1", "4:2:2"}, {"2x2,1x1,1x1", "4:2:0"}};
    tables.subsampling = names.count(factors) != 0 ? names.at(factors) : factors;
    return tables;
}

// A JPEG from libjpeg's own encoder (cjpeg) at this quality and sampling.
std::wstring MadeByCjpeg(const ScratchFolder& folder, int quality, const char* sampling) {
    std::wstring path = folder.Path(L"CJPEG" + std::to_wstring(quality) + L".JPG");
    EXPECT_TRUE(RunHostCommand("convert -size 64x48 gradient:red-blue ppm:- | cjpeg -quality " +
                                   std::to_string(quality) + " -sample " + sampling + " > " +
                                   ShellQuoted(HostPath(path)),
                               nullptr));
    return path;
}

std::string LoadedImagingLibrarySha256() {
    wchar_t module[MAX_PATH] = L"";
    ::GetModuleFileNameW(::GetModuleHandleW(L"gdiplus.dll"), module, MAX_PATH);
    std::string hash;
    EXPECT_TRUE(RunHostCommand("sha256sum " + ShellQuoted(HostPath(module)), &hash));
    return hash.substr(0, 64);
}

class JpegExport : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WritePicture(picture, L"image/bmp", 1280, 960, &SourceColourAt));
    }

    ScratchFolder folder;
    std::wstring picture = folder.Path(L"blocks.bmp");
};

TEST_F(JpegExport, SavedFileShowsTheZoomedPannedBrightenedViewSaysWhereItCameFrom) {
    ViewerWindow viewer(picture);
    ViewerDlg& dlg = viewer.Dlg();
    for (int i = 0; i < 3; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    viewer.Scroll(IDC_HSCROLL, SB_RIGHT);
    viewer.Scroll(IDC_VSCROLL, SB_TOP);
    viewer.Click(IDC_BRIGHTER);
    viewer.Click(IDC_BRIGHTER);
    ViewRect view = ViewOf(dlg);
    ASSERT_LT(view.width, 500) << "zoomed in";
    ASSERT_EQ(view.x + view.width, 640) << "panned to the right edge";

    ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"plate");
    std::wstring saved = folder.Path(L"PLATE.JPG");
    EXPECT_EQ(result.text, L"\t" + saved + L"\n\n\t   has been saved successfully.\t\t");
    EXPECT_FALSE(result.StopIcon());

    RgbPicture decoded;
    ASSERT_TRUE(DecodeWithImageMagick(saved, &decoded));
    ASSERT_EQ(decoded.width, 640);
    ASSERT_EQ(decoded.height, 480);
    int checked = 0;
    EXPECT_EQ(CountWrongPoints(decoded, view, 0.8, &checked), 0);
    EXPECT_GT(checked, 1000);

    std::string comment;
    ASSERT_TRUE(RunHostCommand("identify -format %c " + ShellQuoted(HostPath(saved)), &comment));
    std::string hash;
    ASSERT_TRUE(RunHostCommand("sha256sum " + ShellQuoted(HostPath(picture)), &hash));
    char expected[512];
    snprintf(expected, sizeof expected,
             "program: StillView " STILLVIEW_VERSION_TEXT "\n"
             "source: %s\n"
             "source bytes: %lu\n"
             "source sha256: %s\n"
             "source pixels: 1280 x 960\n"
             "view in working picture: x %d y %d width %d height %d of 640 x 480\n"
             "view in source: x %d y %d width %d height %d of 1280 x 960\n"
             "gamma: 0.8\n"
             "interpolation: 7 (high-quality bicubic)\n"
             "exported: ",
             std::string(picture.begin(), picture.end()).c_str(), PictureFileSize(picture),
             hash.substr(0, 64).c_str(), view.x, view.y, view.width, view.height, 2 * view.x,
             2 * view.y, 2 * view.width, 2 * view.height);
    EXPECT_EQ(comment.substr(0, strlen(expected)), expected);
    EXPECT_LT(SecondsFromNow(comment), 120.0) << "the export time, as UTC, is now: " << comment;
    size_t exact = comment.find("\ngamma exact: ");
    ASSERT_NE(exact, std::string::npos) << comment;
    float recordedGamma = std::strtof(comment.c_str() + exact + 14, nullptr);
    EXPECT_EQ(std::memcmp(&recordedGamma, &dlg.State().settings.m_fGamma, sizeof recordedGamma), 0)
        << "the record holds the very gamma of the view";
    // The quality the record states is the one whose tables the file holds: libjpeg's encoder
    // asked for that quality writes the same luminance table; and the subsampling is the file's.
    int quality = 0;
    char subsampling[16] = "";
    size_t line = comment.find("\njpeg quality: ");
    size_t chroma = comment.find(", chroma subsampling ", line);
    ASSERT_NE(chroma, std::string::npos) << comment;
    ASSERT_EQ(sscanf(comment.c_str() + line, "\njpeg quality: %d", &quality), 1) << comment;
    ASSERT_EQ(sscanf(comment.c_str() + chroma, ", chroma subsampling %15s", subsampling), 1);
    EXPECT_EQ(comment.substr(line, chroma - line), "\njpeg quality: " + std::to_string(quality) +
                                                       (quality == 100 ? "" : " (100 requested)"));
    OutsideTables file = ReadByDjpeg(saved);
    EXPECT_EQ(file.luminance, ReadByDjpeg(MadeByCjpeg(folder, quality, "1x1")).luminance)
        << quality;
    EXPECT_EQ(subsampling, file.subsampling);
    EXPECT_NE(comment.find("\nimaging library: gdiplus.dll "), std::string::npos) << comment;
    EXPECT_EQ(comment.find("(version unknown)"), std::string::npos);
    EXPECT_NE(comment.find(", sha256 " + LoadedImagingLibrarySha256() + ", under Wine "),
              std::string::npos)
        << comment;

    RgbPicture temporary;
    ASSERT_TRUE(DecodeWithImageMagick(std::wstring(CString(dlg.m_szTempFile)), &temporary));
    EXPECT_EQ(CountWrongPoints(temporary, {0, 0, 640, 480}, 1.0, &checked), 0)
        << "the temporary file holds the working picture, unadjusted";
}

// Everything after the JPEG's application and comment segments: tables and image data.
std::string ImageData(const std::string& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
        unsigned char marker = static_cast<unsigned char>(jpeg[at + 1]);
        if ((marker < 0xE0 || marker > 0xEF) && marker != 0xFE) {
            break;
        }
        at += 2 + ((static_cast<unsigned char>(jpeg[at + 2]) << 8) |
                   static_cast<unsigned char>(jpeg[at + 3]));
    }
    return at < jpeg.size() ? jpeg.substr(at) : std::string();
}

// The segments before the image data, each as its marker and, for APP1, its identifier.
std::vector<std::string> SegmentsBeforeImageData(const std::string& jpeg) {
    std::vector<std::string> segments;
    std::size_t end = jpeg.size() - ImageData(jpeg).size();
    for (std::size_t at = 2; at + 4 <= end;) {
        std::size_t length = (static_cast<unsigned char>(jpeg[at + 2]) << 8) |
                             static_cast<unsigned char>(jpeg[at + 3]);
        std::string name = jpeg.substr(at + 4, std::min<std::size_t>(length - 2, 28));
        switch (static_cast<unsigned char>(jpeg[at + 1])) {
        case 0xE0:
            segments.push_back("APP0 " + name.substr(0, 4));
            break;
        case 0xE1:
            segments.push_back("APP1 " + std::string(name.c_str()));
            break;
        case 0xFE:
            segments.push_back("COM");
            break;
        default:
            segments.push_back("other");
        }
        at += 2 + length;
    }
    return segments;
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string HostOutput(const std::string& command) {
    std::string output;
    EXPECT_TRUE(RunHostCommand(command, &output)) << command;
    return output;
}

TEST_F(JpegExport, SavedStillCarriesTheRecordInExifAndXmpThatReadersShowForAJapaneseName) {
    std::wstring japanese = folder.Path(L"\u8a3c\u62e0 \u30ab\u30e1\u30e9.bmp");
    ASSERT_TRUE(::CopyFileW(picture.c_str(), japanese.c_str(), FALSE));
    ViewerWindow viewer(japanese);
    viewer.Click(IDC_ZOOM_IN);
    viewer.Click(IDC_BRIGHTER);
    ViewRect view = ViewOf(viewer.Dlg());
    std::wstring saved = folder.Path(L"STILL.JPG");
    ASSERT_EQ(viewer.Dlg().ExportJpeg(saved.c_str()), SaveOutcome::kDone);

    std::string file = ShellQuoted(HostPath(saved));
    std::string validation = HostOutput("exiftool -validate -warning -error -a " + file);
    EXPECT_NE(validation.find("Validate                        : OK"), std::string::npos)
        << validation;
    EXPECT_EQ(validation.find("Warning"), std::string::npos) << validation;
    EXPECT_NE(HostOutput("jpeginfo -c " + file).find(" OK"), std::string::npos);
    EXPECT_EQ(HostOutput("identify -format %wx%h " + file), "640x480");

    std::string record = HostOutput("exiftool -b -Comment " + file);
    ASSERT_NE(record.find("source: " + Utf8(japanese) + "\n"), std::string::npos) << record;
    char summary[128];
    snprintf(summary, sizeof summary, "View %d,%d %dx%d of ", view.x, view.y, view.width,
             view.height);
    std::string name = Utf8(L"\u8a3c\u62e0 \u30ab\u30e1\u30e9.bmp");
    std::string gamma = ", gamma 0.9";
    auto tag = [&](const char* name) {
        return HostOutput(std::string("exiftool -b -") + name + " " + file);
    };
    EXPECT_EQ(tag("XPComment"), record);
    EXPECT_EQ(tag("UserComment"), record);
    EXPECT_EQ(tag("XPTitle"), summary + name + gamma);
    EXPECT_EQ(tag("ImageDescription"), summary + std::string("?? ???.bmp") + gamma);
    EXPECT_EQ(tag("Software"), "StillView " STILLVIEW_VERSION_TEXT);
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    char date[16];
    snprintf(date, sizeof date, "%04d:%02d:%02d ", today.wYear, today.wMonth, today.wDay);
    EXPECT_EQ(tag("ModifyDate").substr(0, 11), date);
    EXPECT_EQ(tag("DerivedFromFilePath"), Utf8(japanese));
    std::string hash = HostOutput("sha256sum " + ShellQuoted(HostPath(japanese)));
    EXPECT_EQ(tag("DerivedFromDocumentID"), "sha256:" + hash.substr(0, 64));
    EXPECT_EQ(tag("HistoryAction"), "derived");
    EXPECT_NE(tag("HistoryParameters").find("gamma 0.9; interpolation 7"), std::string::npos);

    EXPECT_EQ(HostOutput("exiv2 -q -K Exif.Image.XPComment -Pt " + file), record + "\n");
    EXPECT_EQ(HostOutput("exiv2 -q -K Xmp.xmpMM.DerivedFrom/stRef:filePath -Pt " + file),
              Utf8(japanese) + "\n");
}

// The pieces a check compares as the picture: the JFIF header and everything from the tables on.
std::string PictureBytes(const std::string& jpeg) {
    std::size_t jfif =
        2 + 2 + ((static_cast<unsigned char>(jpeg[4]) << 8) | static_cast<unsigned char>(jpeg[5]));
    return jpeg.substr(0, jfif) + ImageData(jpeg);
}

// Pins Wine's encoder: the kept still was made under Wine on a 96-dpi display. Run also on a
// display of 144 dpi, whose scale new bitmaps take: the picture's bytes are the same.
TEST(WineBytes, ExportedImageDataIsAsInAStillSavedBeforeTheRecordHadCopies) {
    ViewerWindow viewer(SamplePicture());
    ViewerDlg& dlg = viewer.Dlg();
    // The view the kept still was saved with: three steps in, right and bottom, two brighter.
    for (int i = 0; i < 3; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    viewer.Scroll(IDC_HSCROLL, SB_RIGHT);
    viewer.Scroll(IDC_VSCROLL, SB_BOTTOM);
    viewer.Click(IDC_BRIGHTER);
    viewer.Click(IDC_BRIGHTER);
    ViewRect view = ViewOf(dlg);
    ASSERT_EQ(view.x, 174);
    ASSERT_EQ(view.y, 131);
    ASSERT_EQ(view.width, 466);
    ASSERT_EQ(view.height, 349);
    ScratchFolder folder;
    std::wstring saved = folder.Path(L"AGAIN.JPG");
    ASSERT_EQ(dlg.ExportJpeg(saved.c_str()), SaveOutcome::kDone);

    std::string now = ReadBytes(saved);
    std::string before = ReadBytes(SourceFile("tests/corpus/stills/before-full-record.jpg"));
    EXPECT_EQ(SegmentsBeforeImageData(now),
              (std::vector<std::string>{"APP0 JFIF", "APP1 Exif",
                                        "APP1 http://ns.adobe.com/xap/1.0/", "COM"}));
    EXPECT_EQ(SegmentsBeforeImageData(before), (std::vector<std::string>{"APP0 JFIF", "COM"}));
    ASSERT_GT(ImageData(before).size(), 10000u);
    EXPECT_TRUE(PictureBytes(now) == PictureBytes(before)) << "the image data changed";
    // The EXIF copy states the same resolution, so no reader sees two.
    EXPECT_EQ(HostOutput("exiftool -s3 -JFIF:XResolution -JFIF:YResolution -JFIF:ResolutionUnit "
                         "-IFD0:XResolution -IFD0:YResolution -IFD0:ResolutionUnit " +
                         ShellQuoted(HostPath(saved))),
              "96\n96\ninches\n96\n96\ninches\n");
}

TEST_F(JpegExport, DarkenedWholeViewWithFairQuality) {
    ViewerWindow viewer(picture);
    ViewerDlg& dlg = viewer.Dlg();
    viewer.Click(IDC_ZOOM_IN);
    viewer.Click(IDC_ONE_TO_ONE);
    viewer.ChooseQuality(0);
    for (int i = 0; i < 3; ++i) {
        viewer.Click(IDC_DARKER);
    }
    std::wstring saved = folder.Path(L"DARK.JPG");
    ASSERT_EQ(dlg.ExportJpeg(saved.c_str()), SaveOutcome::kDone);
    RgbPicture decoded;
    ASSERT_TRUE(DecodeWithImageMagick(saved, &decoded));
    int checked = 0;
    EXPECT_EQ(CountWrongPoints(decoded, {0, 0, 640, 480}, 1.3, &checked), 0);
}

TEST_F(JpegExport, AFailedStepWritesNothingAndKeepsTheFileItWasToReplace) {
    ViewerWindow viewer(picture);
    ViewerDlg& dlg = viewer.Dlg();
    std::wstring target = folder.Path(L"OLD.JPG");
    ASSERT_TRUE(WriteWholeFile(target, "the old evidence"));
    std::set<std::wstring> before = FileNames(folder.Root(), L"*");

    lstrcpyA(dlg.m_szTempFile, "C:\\no such folder\\Intern.jpeg");
    EXPECT_EQ(dlg.ExportJpeg(target.c_str()), SaveOutcome::kFailed)
        << "no temporary picture, no save";
    EXPECT_EQ(ReadBytes(target), "the old evidence");

    dlg.m_szTempFile[0] = '\0';
    EXPECT_EQ(dlg.ExportJpeg(target.c_str()), SaveOutcome::kFailed) << "no temporary name, no save";
    EXPECT_EQ(ReadBytes(target), "the old evidence");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before) << "nothing half-written is left";

    EXPECT_EQ(dlg.ExportJpeg(folder.Path(L"missing\\NEW.JPG").c_str()), SaveOutcome::kFailed);

    // The same through the Save command: the path and the failure, with the stop icon.
    ShownDialog result = SaveThroughTheDialog(viewer, folder.Path(L"missing\\"), L"new");
    EXPECT_EQ(result.text, folder.Path(L"missing\\NEW.JPG") + L"\n  SAVE FAILED!");
    EXPECT_TRUE(result.StopIcon());
}

TEST(JpegEncoder, IsFoundOnlyByItsExactMimeType) {
    // The imaging library's JPEG encoder.
    const CLSID kJpegEncoder = {
        0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    CLSID found{};
    EXPECT_GE(FindEncoderByMimeType(L"image/jpeg", &found), 0);
    EXPECT_TRUE(IsEqualCLSID(found, kJpegEncoder));
    CLSID untouched = kJpegEncoder;
    untouched.Data1 = 7;
    CLSID probe = untouched;
    EXPECT_EQ(FindEncoderByMimeType(L"IMAGE/JPEG", &probe), -1);
    EXPECT_EQ(FindEncoderByMimeType(L"image/x-none", &probe), -1);
    EXPECT_TRUE(IsEqualCLSID(probe, untouched));
}

// The temporary folder's path is longer than the name buffer: the viewer has no temporary
// name, and a save fails instead of writing somewhere cut short.
TEST(TemporaryName, AFolderPathTooLongForTheBufferGivesNoNameAndASaveFails) {
    wchar_t saved[32767] = L"";
    ::GetEnvironmentVariableW(L"TMP", saved, 32767);
    ScratchFolder folder;
    std::wstring deep = folder.Root() + L"\\" + std::wstring(250, L'd');
    ::SetEnvironmentVariableW(L"TMP", deep.c_str());
    {
        ViewerWindow viewer(SamplePicture());
        EXPECT_STREQ(viewer.Dlg().m_szTempFile, "");
        EXPECT_EQ(viewer.Dlg().ExportJpeg(folder.Path(L"X.JPG").c_str()), SaveOutcome::kFailed);
        EXPECT_FALSE(FileExists(folder.Path(L"X.JPG")));
    }
    ::SetEnvironmentVariableW(L"TMP", saved[0] != L'\0' ? saved : nullptr);
}

// A medium that keeps every byte but one as written.
std::string FlipsOneByte(const std::string& bytes) {
    std::string stored = bytes;
    stored[stored.size() / 2] = static_cast<char>(stored[stored.size() / 2] ^ 0x10);
    return stored;
}

std::string RunsOutOfMemory(const std::string&) {
    throw std::bad_alloc();
}

// Puts a faulty medium under every staged write for the life of the object.
class FaultyMedium {
  public:
    explicit FaultyMedium(StagedFile::MediumFault fault) { StagedFile::SetMediumFault(fault); }
    ~FaultyMedium() { StagedFile::SetMediumFault(nullptr); }
    FaultyMedium(const FaultyMedium&) = delete;
    FaultyMedium& operator=(const FaultyMedium&) = delete;
};

TEST_F(JpegExport, WhatTheMediumGivesBackIsCheckedBeforeItReplacesAnything) {
    ViewerWindow viewer(picture);
    std::wstring target = folder.Path(L"OLD.JPG");
    ASSERT_TRUE(WriteWholeFile(target, "the old evidence"));
    std::set<std::wstring> before = FileNames(folder.Root(), L"*");
    {
        FaultyMedium medium(&FlipsOneByte);
        ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"old", true);
        EXPECT_EQ(result.text, target + L"\n  SAVE FAILED!");
        EXPECT_TRUE(result.StopIcon());
    }
    EXPECT_EQ(ReadBytes(target), "the old evidence");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before) << "the staged file is gone";
    {
        FaultyMedium medium(&RunsOutOfMemory);
        ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"old", true);
        EXPECT_EQ(result.text, target + L"\n  SAVE FAILED!") << "out of memory is a failed save";
    }
    EXPECT_TRUE(::IsWindow(viewer.Dlg().m_hWnd)) << "and the viewer lives on";
    EXPECT_EQ(ReadBytes(target), "the old evidence");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before);
    EXPECT_EQ(viewer.Dlg().ExportJpeg(target.c_str()), SaveOutcome::kDone)
        << "a sound medium saves again";
}

TEST_F(JpegExport, APictureFileChangedAfterOpeningIsNotSaved) {
    ViewerWindow viewer(picture);
    ASSERT_EQ(viewer.Dlg().ExportJpeg(folder.Path(L"FIRST.JPG").c_str()), SaveOutcome::kDone);
    std::string bytes = ReadBytes(picture);
    bytes[bytes.size() - 1] = static_cast<char>(bytes[bytes.size() - 1] ^ 0x01);
    ASSERT_TRUE(WriteWholeFile(picture, bytes));
    std::set<std::wstring> before = FileNames(folder.Root(), L"*");

    ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"plate");
    EXPECT_EQ(result.text,
              L"\tThe picture file was changed after it was opened. The still was not saved.");
    EXPECT_TRUE(result.StopIcon());
    EXPECT_EQ(result.title, L"Varnolt Digital Recorder KT-410");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before) << "nothing written";
}

TEST(EncodedTables, SayTheQualityLibjpegsEncoderWasAskedFor) {
    ScratchFolder folder;
    struct Made {
        int quality;
        const char* sampling;
        const char* name;
    };
    // Quality 100 writes tables of 1 only.
    const Made made[] = {{100, "1x1", "4:4:4"},
                         {92, "2x2", "4:2:0"},
                         {75, "2x2", "4:2:0"},
                         {50, "2x1", "4:2:2"},
                         {12, "1x1", "4:4:4"}};
    for (const Made& m : made) {
        std::wstring path = MadeByCjpeg(folder, m.quality, m.sampling);
        if (m.quality == 100) {
            EXPECT_EQ(ReadByDjpeg(path).luminance.find_first_not_of("1 \n"), std::string::npos);
        }
        EXPECT_EQ(ReadByDjpeg(path).subsampling, m.name);
        EncodedTables tables;
        ASSERT_TRUE(ReadEncodedTables(ReadBytes(path), &tables)) << m.quality;
        EXPECT_EQ(tables.quality, m.quality);
        EXPECT_EQ(tables.subsampling, m.name) << m.quality;
    }
}

// Holds a file open without letting it be replaced, as a scanner or indexer does, until let go.
class FileHolder {
  public:
    explicit FileHolder(const std::wstring& path)
        : m_hFile(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileHolder() { LetGo(); }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool Holding() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // Lets go after ms milliseconds, from a thread of its own.
    void LetGoAfter(DWORD ms) {
        m_ms = ms;
        m_hThread = ::CreateThread(nullptr, 0, &FileHolder::Later, this, 0, nullptr);
    }
    void LetGo() {
        if (m_hThread != nullptr) {
            ::WaitForSingleObject(m_hThread, INFINITE);
            ::CloseHandle(m_hThread);
            m_hThread = nullptr;
        }
        if (m_hFile != INVALID_HANDLE_VALUE) {
            ::CloseHandle(m_hFile);
            m_hFile = INVALID_HANDLE_VALUE;
        }
    }

  private:
    static DWORD WINAPI Later(void* self) {
        auto* holder = static_cast<FileHolder*>(self);
        ::Sleep(holder->m_ms);
        HANDLE hFile = holder->m_hFile;
        holder->m_hFile = INVALID_HANDLE_VALUE;
        ::CloseHandle(hFile);
        return 0;
    }

    HANDLE m_hFile;
    HANDLE m_hThread = nullptr;
    DWORD m_ms = 0;
};

TEST_F(JpegExport, AHeldTargetIsReplacedWhenLetGoAndAFileHeldLongerIsKept) {
    ViewerWindow viewer(picture);
    std::wstring target = folder.Path(L"OLD.JPG");
    ASSERT_TRUE(WriteWholeFile(target, "the old evidence"));
    std::wstring other = folder.Path(L"OTHER.JPG");
    ASSERT_TRUE(WriteWholeFile(other, "another"));
    {
        FileHolder holder(target);
        ASSERT_TRUE(holder.Holding());
        ASSERT_FALSE(::MoveFileExW(other.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
            << "a held file cannot be replaced at once";
        holder.LetGoAfter(1000);
        EXPECT_EQ(viewer.Dlg().ExportJpeg(target.c_str()), SaveOutcome::kDone);
    }
    EXPECT_EQ(ReadBytes(target).substr(0, 2), "\xFF\xD8") << "the still replaced it";

    ASSERT_TRUE(WriteWholeFile(target, "the old evidence"));
    std::set<std::wstring> before = FileNames(folder.Root(), L"*");
    {
        // Held for ten seconds: far longer than the save waits.
        FileHolder holder(target);
        ASSERT_TRUE(holder.Holding());
        ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"old", true);
        EXPECT_EQ(result.text, target + L"\n  SAVE FAILED!");
        EXPECT_TRUE(result.StopIcon());
    }
    EXPECT_EQ(ReadBytes(target), "the old evidence");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before) << "the staged file is gone";
}

TEST_F(JpegExport, AReadOnlyEarlierStillIsRefusedBeforeAnythingIsWritten) {
    ViewerWindow viewer(picture);
    std::wstring target = folder.Path(L"OLD.JPG");
    ASSERT_TRUE(WriteWholeFile(target, "the old evidence"));
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    std::set<std::wstring> before = FileNames(folder.Root(), L"*");
    ShownDialog result = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"old", true);
    EXPECT_EQ(result.text, target + L"\n  SAVE FAILED!");
    EXPECT_TRUE(result.StopIcon());
    EXPECT_EQ(ReadBytes(target), "the old evidence");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before);
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The record vouches for the bytes on the screen: a file replaced once the picture is up is
// neither hashed in their place nor saved as if it were them.
TEST_F(JpegExport, TheRecordHashesTheBytesShownEvenWhenTheFileIsReplacedAfterTheFirstPaint) {
    std::string shownHash;
    ASSERT_TRUE(RunHostCommand("sha256sum " + ShellQuoted(HostPath(picture)), &shownHash));
    const std::string shownBytes = ReadBytes(picture);
    ViewerWindow viewer(picture);
    // Replaced as soon as the window is up, so that any later read of the file would see the
    // new bytes; the paint then shows what was decoded at opening.
    ASSERT_TRUE(WritePicture(picture, L"image/bmp", 1280, 960,
                             [](UINT, UINT) -> UINT32 { return 0xFF204060u; }));
    viewer.Repaint();

    std::set<std::wstring> before = FileNames(folder.Root(), L"*");
    ShownDialog refused = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"plate");
    EXPECT_EQ(refused.text,
              L"\tThe picture file was changed after it was opened. The still was not saved.");
    EXPECT_EQ(FileNames(folder.Root(), L"*"), before) << "nothing written";

    ASSERT_TRUE(WriteWholeFile(picture, shownBytes));
    ShownDialog saved = SaveThroughTheDialog(viewer, folder.Root() + L"\\", L"plate");
    EXPECT_FALSE(saved.StopIcon()) << std::string(saved.text.begin(), saved.text.end());
    std::string comment;
    ASSERT_TRUE(RunHostCommand(
        "identify -format %c " + ShellQuoted(HostPath(folder.Path(L"PLATE.JPG"))), &comment));
    EXPECT_NE(comment.find("source sha256: " + shownHash.substr(0, 64) + "\n"), std::string::npos)
        << comment;
    RgbPicture decoded;
    ASSERT_TRUE(DecodeWithImageMagick(folder.Path(L"PLATE.JPG"), &decoded));
    int checked = 0;
    EXPECT_EQ(CountWrongPoints(decoded, {0, 0, 640, 480}, 1.0, &checked), 0) << "the blocks shown";
}

} // namespace
