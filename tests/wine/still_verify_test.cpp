// StillVerify, run as its own program on stills the viewer saved: a saved still is rebuilt byte
// for byte from its source, and every alteration of it, made as other programs and forgers make
// them, is named and refused.
#include "gdiplus_image.h"
#include "image_magick.h"
#include "jpeg_segment_writer.h"
#include "jpeg_segments.h"
#include "platform_findings.h"
#include "record_reading.h"
#include "resource.h"
#include "scratch_file.h"
#include "sha256.h"
#include "still_export.h"
#include "utf8_text.h"
#include "viewer_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct VerifierRun {
    DWORD exitCode = 999;
    std::string output;
};

// StillVerify.exe of the build under test (STILLVIEW_BINARY_DIR), as a Windows path.
std::wstring VerifierExecutable() {
    const char* root = std::getenv("STILLVIEW_BINARY_DIR");
    std::string path = std::string(root != nullptr ? root : ".") + "/StillVerify.exe";
    std::wstring windowsPath = L"Z:";
    for (char c : path) {
        windowsPath += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return windowsPath;
}

// Runs the verifier with these arguments and collects what it prints, within a deadline.
VerifierRun RunVerifier(const std::wstring& arguments) {
    VerifierRun run;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &inherit, 0)) {
        return run;
    }
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hWrite;
    startup.hStdError = hWrite;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::wstring commandLine = L"\"" + VerifierExecutable() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    bool started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE,
                                    CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    ::CloseHandle(hWrite);
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (::ReadFile(hRead, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            run.output.append(buffer, read);
        }
        if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
            ::GetExitCodeProcess(process.hProcess, &run.exitCode);
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(hRead);
    return run;
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The bytes with the first `from` replaced by `to`: a hex editor's edit.
std::string Patched(const std::string& still, const std::string& from, const std::string& to) {
    std::size_t at = still.find(from);
    if (at == std::string::npos) {
        ADD_FAILURE() << "cannot patch \"" << from << "\"";
        return still;
    }
    return still.substr(0, at) + to + still.substr(at + from.size());
}

// The still with a segment put in before its record's comment, or the record's comment replaced.
std::string WithSegmentAtRecord(const std::string& still, const std::string& segment,
                                bool replaceRecord) {
    JpegFile file;
    if (!ReadJpegFile(still, &file)) {
        ADD_FAILURE() << "not a JPEG";
        return still;
    }
    std::string result = still.substr(0, 2);
    for (const JpegPiece& piece : file.pieces) {
        bool record = piece.marker == JpegMarker::kComment;
        result += record ? segment : "";
        result += record && replaceRecord ? "" : piece.bytes;
    }
    return result + file.trailing;
}

std::string WithRecordText(const std::string& still, const std::string& text) {
    return WithSegmentAtRecord(still, JpegSegment(JpegMarker::kComment, text), true);
}

std::string RecordTextOf(const std::string& still) {
    JpegFile file;
    return ReadJpegFile(still, &file) ? RecordComment(file) : std::string();
}

// The record's line with this key, without its line end.
std::string RecordLine(const std::string& still, const std::string& key) {
    std::string text = RecordTextOf(still);
    std::size_t at = text.find(key + ": ");
    return at == std::string::npos ? std::string() : text.substr(at, text.find('\n', at) - at);
}

class StillVerify : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(::CopyFileW(SamplePicture().c_str(), source.c_str(), FALSE));
    }

    // Runs ExifTool, as a user would, on a copy of the still.
    bool ExifTool(const std::wstring& path, const std::string& arguments) {
        return RunHostCommand("exiftool -q -overwrite_original " + arguments + " " +
                                  ShellQuoted(HostPath(path)),
                              nullptr);
    }

    ScratchFolder folder;
    // A source whose path holds Chinese and Japanese characters.
    std::wstring source = folder.Path(L"錄影機-カメラ03.bmp");
};

TEST_F(StillVerify, EverySavedStillIsRebuiltByteForByte) {
    ViewerWindow viewer(source);
    ViewerDlg& dlg = viewer.Dlg();
    // Zoomed as far as it goes, at the bottom-right corner: as far off the centre as a view goes.
    for (int i = 0; i < 30; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    viewer.Scroll(IDC_HSCROLL, SB_RIGHT);
    viewer.Scroll(IDC_VSCROLL, SB_BOTTOM);
    ASSERT_EQ(dlg.State().view.m_nSrcX + dlg.State().view.m_nSrcWidth, 640);
    ASSERT_EQ(dlg.State().view.m_nSrcY + dlg.State().view.m_nSrcHeight, 480);
    // Down every brighter step to the brightest, then darker past the normal brightness: each
    // step a still, the three qualities in turn.
    std::vector<int> steps(9, IDC_BRIGHTER);
    steps.insert(steps.end(), 12, IDC_DARKER);
    std::wstring stills;
    int saved = 0;
    for (std::size_t i = 0; i <= steps.size(); ++i) {
        viewer.ChooseQuality(static_cast<int>(i % 3));
        const std::wstring path = folder.Path(L"STEP" + std::to_wstring(i) + L".JPG");
        ASSERT_EQ(dlg.ExportJpeg(path.c_str()), SaveOutcome::kDone);
        stills += L" " + Quoted(path);
        ++saved;
        if (i < steps.size()) {
            viewer.Click(steps[i]);
        }
    }
    VerifierRun run = RunVerifier(stills.substr(1));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(Count(run.output, "\nVERIFIED: identical file\n"), static_cast<size_t>(saved))
        << run.output;
    for (const char* gamma : {"gamma: 0.1 (exact", "gamma: 0.5 (exact", "gamma: 1.3 (exact"}) {
        EXPECT_NE(run.output.find(gamma), std::string::npos) << gamma;
    }
    EXPECT_EQ(Count(run.output, "錄影機-カメラ03.bmp"), 2u * saved) << "checked and stated";

    VerifierRun json = RunVerifier(L"--json " + Quoted(folder.Path(L"STEP1.JPG")));
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_EQ(json.output.front(), '{') << json.output;
    EXPECT_NE(json.output.find("\"verdict\": \"verified\""), std::string::npos) << json.output;
    EXPECT_NE(json.output.find("\"interpolation\": 7"), std::string::npos) << json.output;
    // The export's hash is that of the whole file as it lies on the disk.
    std::string onDisk = Sha256Of(ReadBytes(folder.Path(L"STEP1.JPG")));
    EXPECT_NE(json.output.find("\"export_sha256\": \"" + onDisk + "\""), std::string::npos)
        << json.output;
}

TEST_F(StillVerify, EveryAlterationIsNamedAndRefused) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        for (int i = 0; i < 4; ++i) {
            viewer.Click(IDC_ZOOM_IN);
        }
        viewer.Click(IDC_BRIGHTER);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    const std::string still = ReadBytes(plate);
    VerifierRun run = RunVerifier(Quoted(plate));
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    ASSERT_NE(run.output.find("\nVERIFIED: identical file\n"), std::string::npos) << run.output;
    ASSERT_EQ(RecordLine(still, "gamma"), "gamma: 0.9");

    const std::string viewInSource = RecordLine(still, "view in source");
    std::string otherView = viewInSource;
    otherView[otherView.find(" x ") + 3] = otherView[otherView.find(" x ") + 3] == '1' ? '2' : '1';
    const std::string thumbnail = HostPath(folder.Path(L"OTHER-SCENE.JPG"));
    ASSERT_TRUE(RunHostCommand("convert -size 160x120 gradient:red-blue " + ShellQuoted(thumbnail),
                               nullptr));
    const std::string profile = "/usr/share/color/icc/ghostscript/srgb.icc";
    // What ImageMagick and Photoshop put in: version 100, no flags, colours transformed.
    const std::string kAdobe("Adobe\0\x64\0\0\0\0\x01", 12);
    const JpegMarker kApplication14 = static_cast<JpegMarker>(0xEE);

    struct Alteration {
        const char* name;
        std::string bytes;    // the altered still, or empty when ExifTool alters a copy
        std::string exifTool; // ExifTool's arguments
        const char* finding;  // a line of the report's differences
        const char* verdict;  // the start of the verdict line
    };
    const Alteration alterations[] = {
        {"the rounded gamma", Patched(still, "gamma: 0.9\n", "gamma: 1.9\n"), "",
         "  record: the line \"gamma: 1.9\" where StillView writes \"gamma: 0.9\"\n",
         "NOT VERIFIED: record: the line \"gamma: 1.9\""},
        {"the view in source", Patched(still, viewInSource, otherView), "",
         "where StillView writes \"view in source: x ", "NOT VERIFIED: record: the line"},
        {"the source pixels", Patched(still, "source pixels: 704 x", "source pixels: 705 x"), "",
         "",
         "NOT VERIFIED: the record states a value StillView cannot produce: source pixels "
         "705 x 576 (the source decodes to 704 x 576)"},
        {"a duplicate key", WithRecordText(still, RecordTextOf(still) + "gamma: 1.9\n"), "",
         "  record: a line StillView never writes: \"gamma: 1.9\"\n", "NOT VERIFIED: record: "},
        {"a second comment",
         WithSegmentAtRecord(still,
                             JpegSegment(JpegMarker::kComment,
                                         Patched(RecordTextOf(still), "gamma: 0.9", "gamma: 1.9")),
                             false),
         "", "  a second comment before the record, which StillView never writes\n",
         "NOT VERIFIED: a second comment"},
        {"an EXIF orientation", "", "-n -Orientation=6", "  EXIF copy: Orientation added\n",
         "NOT VERIFIED: EXIF copy: Orientation added"},
        {"an embedded thumbnail", "", "'-ThumbnailImage<=" + thumbnail + "'",
         "  EXIF copy: a thumbnail picture added\n", "NOT VERIFIED: EXIF copy: a thumbnail"},
        {"the EXIF description", "", "'-ImageDescription=View 0,0 640x480 of other.bmp, gamma 1'",
         "  EXIF copy: ImageDescription changed\n", "NOT VERIFIED: EXIF copy: ImageDescription"},
        {"Windows' Comments field", "", "'-XPComment=source: C:\\other.bmp'",
         "  EXIF copy: XPComment changed\n", "NOT VERIFIED: EXIF copy: XPComment changed"},
        {"the XMP history", "", "'-XMP-xmpMM:HistoryParameters=cropped to nothing'",
         "  XMP copy: the value \"cropped to nothing\" where StillView writes \"cropped to x ",
         "NOT VERIFIED: XMP copy: the value \"cropped to nothing\""},
        {"an ICC profile", "", "'-ICC_Profile<=" + profile + "'",
         "  an APP2 segment (ICC profile) StillView never writes\n",
         "NOT VERIFIED: an APP2 segment (ICC profile) StillView never writes\n"},
        {"an Adobe segment", WithSegmentAtRecord(still, JpegSegment(kApplication14, kAdobe), false),
         "", "  an APP14 segment (Adobe) StillView never writes\n",
         "NOT VERIFIED: an APP14 segment (Adobe) StillView never writes\n"},
        {"data after the end", still + "hidden", "",
         "  6 bytes of data after the end of the picture\n",
         "NOT VERIFIED: 6 bytes of data after the end of the picture\n"},
    };
    int number = 0;
    for (const Alteration& alteration : alterations) {
        const std::wstring path = folder.Path(L"ALTERED" + std::to_wstring(++number) + L".JPG");
        ASSERT_TRUE(WriteWholeFile(path, alteration.bytes.empty() ? still : alteration.bytes));
        if (!alteration.exifTool.empty()) {
            ASSERT_TRUE(ExifTool(path, alteration.exifTool)) << alteration.name;
        }
        run = RunVerifier(Quoted(path));
        EXPECT_EQ(run.exitCode, 1u) << alteration.name << "\n" << run.output;
        EXPECT_NE(run.output.find(alteration.finding), std::string::npos) << alteration.name << "\n"
                                                                          << run.output;
        EXPECT_NE(run.output.find("\n" + std::string(alteration.verdict)), std::string::npos)
            << alteration.name << "\n"
            << run.output;
        EXPECT_EQ(run.output.find("pixels differ"), std::string::npos)
            << alteration.name << ": the pixels are the saved ones\n"
            << run.output;
    }
}

TEST_F(StillVerify, ChangedImageDataIsToldFromARecodingOfTheSamePixels) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        viewer.Click(IDC_ZOOM_IN);
        viewer.Click(IDC_DARKER);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    const std::string still = ReadBytes(plate);
    JpegFile file;
    ASSERT_TRUE(ReadJpegFile(still, &file));
    const std::string& scan = file.pieces.back().bytes;
    ASSERT_EQ(scan.find("\xFF\xD0"), std::string::npos) << "the encoder writes no restarts";
    const std::string pixels = " of 307200 pixels differ (largest difference ";
    const std::string recoded =
        "image data: re-encoded: the pixels are equal but the bytes are not";

    // Restart markers put in without changing a pixel, then one of them changed.
    const std::wstring restarts = folder.Path(L"RESTARTS.JPG");
    ASSERT_TRUE(RunHostCommand("jpegtran -copy all -restart 1 " + ShellQuoted(HostPath(plate)) +
                                   " > " + ShellQuoted(HostPath(restarts)),
                               nullptr));
    VerifierRun run = RunVerifier(Quoted(restarts));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find("\nNOT VERIFIED: " + recoded), std::string::npos) << run.output;
    std::string changed = ReadBytes(restarts);
    std::size_t marker = changed.find("\xFF\xD3", changed.size() / 2);
    ASSERT_NE(marker, std::string::npos);
    changed[marker + 1] = static_cast<char>(0xD5);
    ASSERT_TRUE(WriteWholeFile(restarts, changed));
    run = RunVerifier(Quoted(restarts));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find("\nNOT VERIFIED: image data: "), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(recoded), std::string::npos) << run.output;

    // Decoded and encoded anew, as any editor saves: the comment comes along, the pixels differ.
    const std::wstring reencoded = folder.Path(L"REENCODED.JPG");
    ASSERT_TRUE(RunHostCommand("convert " + ShellQuoted(HostPath(plate)) + " -quality 100 " +
                                   ShellQuoted(HostPath(reencoded)),
                               nullptr));
    run = RunVerifier(Quoted(reencoded));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find("  image data: "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(pixels), std::string::npos) << run.output;
}

TEST_F(StillVerify, ValuesStillViewCannotProduceAreRefused) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        viewer.Click(IDC_ZOOM_IN);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    const std::string still = ReadBytes(plate);
    const std::string view = RecordLine(still, "view in working picture");
    const std::string flat = "view in working picture: x 0 y 0 width 640 height 60 of 640 x 480";
    struct Forgery {
        std::string from;
        std::string to;
        const char* says;
    };
    const Forgery forgeries[] = {
        {RecordLine(still, "jpeg quality"), "jpeg quality: 5, chroma subsampling 4:2:0",
         "JPEG quality 5 (StillView saves at 100)"},
        {"gamma exact: 1\n", "gamma exact: 0.05\n", "gamma 0.0500000007 (not a value the Brighter"},
        {"interpolation: 7 (high-quality bicubic)", "interpolation: 42 (other)",
         "interpolation 42 (StillView draws with 3, 7, 6)"},
        {view, flat, "a view of 640 x 60 (no zoom of the 640 x 480 working picture shows that)"},
        {view, "view in working picture: x 32 y 24 width 576 height 432 of 320 x 240",
         "a working picture of 320 x 240 (StillView's is 640 x 480)"},
    };
    for (const Forgery& forgery : forgeries) {
        std::string text = RecordTextOf(still);
        std::size_t at = text.find(forgery.from);
        ASSERT_NE(at, std::string::npos) << forgery.from;
        text.replace(at, forgery.from.size(), forgery.to);
        const std::wstring forged = folder.Path(L"FORGED.JPG");
        ASSERT_TRUE(WriteWholeFile(forged, WithRecordText(still, text)));
        VerifierRun run = RunVerifier(Quoted(forged));
        EXPECT_EQ(run.exitCode, 1u) << run.output;
        EXPECT_NE(run.output.find("\nNOT VERIFIED: the record states a value StillView cannot "
                                  "produce: " +
                                  std::string(forgery.says)),
                  std::string::npos)
            << run.output;
    }
}

TEST_F(StillVerify, WhatCannotBeCheckedSaysWhy) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    const std::string still = ReadBytes(plate);
    JpegFile file;
    ASSERT_TRUE(ReadJpegFile(still, &file));
    std::string noRecord = WithSegmentAtRecord(still, "", true);
    // A source that cannot be decoded, with the record telling its size and hash.
    const std::wstring noise = folder.Path(L"NOISE.BMP");
    ASSERT_TRUE(WriteWholeFile(noise, std::string(5000, 'n')));
    std::string ofNoise = WithRecordText(
        still, Patched(Patched(RecordTextOf(still), RecordLine(still, "source sha256"),
                               "source sha256: " + Sha256Of(std::string(5000, 'n'))),
                       RecordLine(still, "source bytes") + "\n", "source bytes: 5000\n"));
    struct Case {
        const wchar_t* name;
        std::string bytes;
        std::wstring arguments;
        const char* says;
    };
    for (const Case& c :
         {Case{L"NORECORD.JPG", noRecord, L"",
               "CANNOT VERIFY: the export carries no record of where it came from"},
          Case{L"CUT.JPG", still.substr(0, still.size() / 2), L"",
               "CANNOT VERIFY: the export is not a complete JPEG file"},
          Case{L"NOHASH.JPG", Patched(still, "source sha256: ", "source hash:   "), L"",
               "CANNOT VERIFY: the record has no \"source sha256\" line"},
          Case{L"NOISE.JPG", ofNoise, L"--source " + Quoted(noise) + L" ",
               "CANNOT VERIFY: the source cannot be decoded"},
          Case{L"JSON.JPG", still.substr(0, still.size() / 2), L"--json ",
               "\"reason\": \"the export is not a complete JPEG file (damaged or cut short)\""}}) {
        const std::wstring path = folder.Path(c.name);
        ASSERT_TRUE(WriteWholeFile(path, c.bytes));
        VerifierRun run = RunVerifier(c.arguments + Quoted(path));
        EXPECT_EQ(run.exitCode, 2u) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }

    ASSERT_TRUE(::DeleteFileW(source.c_str()));
    VerifierRun run = RunVerifier(Quoted(plate));
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.output.find("CANNOT VERIFY: the source cannot be read: "), std::string::npos)
        << run.output;
    run = RunVerifier(L"--source " + Quoted(SamplePicture()) + L" " +
                      Quoted(folder.Path(L"MISSING.JPG")) + L" " + Quoted(plate));
    EXPECT_EQ(run.exitCode, 2u) << "the worst of several";
    EXPECT_NE(run.output.find("CANNOT VERIFY: the export cannot be read\n"), std::string::npos);
    EXPECT_NE(run.output.find("\nVERIFIED: identical file\n"), std::string::npos)
        << "the still after the missing one is checked\n"
        << run.output;

    struct Usage {
        const wchar_t* arguments;
        const char* says;
    };
    for (const Usage& usage :
         {Usage{L"", "StillVerify: no still to check\nusage: "},
          Usage{L"--sauce x.bmp PLATE.JPG", "unknown option --sauce\nusage: "},
          Usage{L"PLATE.JPG --source", "--source needs the source's path\n"}}) {
        run = RunVerifier(usage.arguments);
        EXPECT_EQ(run.exitCode, 2u) << usage.says;
        EXPECT_NE(run.output.find(usage.says), std::string::npos) << run.output;
    }
}

bool NearColour(COLORREF actual, COLORREF expected) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                     static_cast<int>((expected >> shift) & 0xFF)) > 16) {
            return false;
        }
    }
    return true;
}

COLORREF WorkingPixel(GdiplusImage& image, int x, int y) {
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(reinterpret_cast<Gdiplus::GpBitmap*>(image.Native()), x,
                                            y, &argb);
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// A camera JPEG carries a small preview of itself, which the imaging library's thumbnail call may
// scale in place of the picture. Here the preview shows another scene: the working picture, the
// screen and the saved still show the picture's own, and the still verifies.
TEST_F(StillVerify, APictureWithAnotherSceneInItsExifPreviewIsShownAndSavedAsItself) {
    const std::wstring camera = folder.Path(L"CAMERA.JPG");
    const std::wstring preview = folder.Path(L"PREVIEW.JPG");
    ASSERT_TRUE(WriteTwoColourPicture(camera, L"image/jpeg", 1280, 960));
    ASSERT_TRUE(WriteTwoColourPicture(preview, L"image/jpeg", 160, 120, 0xFF00FF00, 0xFF00FF00));
    ASSERT_TRUE(RunHostCommand("exiftool -q -overwrite_original " +
                                   ShellQuoted("-ThumbnailImage<=" + HostPath(preview)) + " " +
                                   ShellQuoted(HostPath(camera)),
                               nullptr));
    std::string tags;
    ASSERT_TRUE(
        RunHostCommand("exiftool -s3 -ThumbnailLength " + ShellQuoted(HostPath(camera)), &tags));
    ASSERT_GT(std::atoi(tags.c_str()), 0) << "the preview is in the file";

    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(camera);
        GdiplusImage& working = *viewer.Dlg().m_pImage;
        EXPECT_PRED2(NearColour, WorkingPixel(working, 160, 240), red);
        EXPECT_PRED2(NearColour, WorkingPixel(working, 480, 240), blue);
        viewer.Repaint();
        ClientCapture screen(viewer.Item(IDC_PICTURE));
        EXPECT_PRED2(NearColour, screen.At(screen.Width() / 4, screen.Height() / 2), red);
        EXPECT_PRED2(NearColour, screen.At(screen.Width() * 3 / 4, screen.Height() / 2), blue);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    RgbPicture saved;
    ASSERT_TRUE(DecodeWithImageMagick(plate, &saved));
    EXPECT_PRED2(NearColour, saved.At(160, 240), red);
    EXPECT_PRED2(NearColour, saved.At(480, 240), blue);
    EXPECT_EQ(RecordLine(ReadBytes(plate), "working picture made"),
              "working picture made: drawn from the whole picture");

    VerifierRun run = RunVerifier(Quoted(plate));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("VERIFIED: identical file"), std::string::npos) << run.output;
}

// A path named only by the record is opened on a drive of this machine alone: a share would be
// sent the examiner's credentials, and a pipe or console would hold the check for ever.
TEST_F(StillVerify, ARecordedSourceOffTheLocalDisksIsNeverOpened) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    const std::string still = ReadBytes(plate);
    // A pipe the verifier would connect to if it opened the recorded path.
    const std::string pipeName =
        "\\\\.\\pipe\\stillview-recorded-" + std::to_string(::GetCurrentProcessId());
    HANDLE hPipe = ::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                      PIPE_TYPE_BYTE, 1, 0, 4096, 0, nullptr);
    ASSERT_NE(hPipe, INVALID_HANDLE_VALUE);
    OVERLAPPED waiting{};
    waiting.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::ConnectNamedPipe(hPipe, &waiting);
    ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_IO_PENDING));

    for (const std::string& recorded : {std::string("\\\\127.0.0.1\\share\\x.bmp"), pipeName,
                                        std::string("CONIN$"), std::string("C:\\cam\\NUL.bmp")}) {
        SCOPED_TRACE(recorded);
        const std::wstring path = folder.Path(L"ELSEWHERE.JPG");
        ASSERT_TRUE(WriteWholeFile(
            path, WithRecordText(still, Patched(RecordTextOf(still), RecordLine(still, "source"),
                                                "source: " + recorded))));
        VerifierRun run = RunVerifier(Quoted(path));
        EXPECT_EQ(run.exitCode, 2u) << run.output;
        EXPECT_NE(run.output.find("CANNOT VERIFY: the recorded source is not on a local disk; "
                                  "give it with --source"),
                  std::string::npos)
            << run.output;
    }
    EXPECT_EQ(::WaitForSingleObject(waiting.hEvent, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the verifier connected to the recorded pipe";
    ::CancelIo(hPipe);
    ::CloseHandle(waiting.hEvent);
    ::CloseHandle(hPipe);

    // The same source given by the examiner is checked, and the report names it.
    VerifierRun given =
        RunVerifier(L"--source " + Quoted(source) + L" " + Quoted(folder.Path(L"ELSEWHERE.JPG")));
    EXPECT_NE(given.output.find(Utf8(source) + ", "), std::string::npos) << given.output;
}

// Pins Wine's encoder: the kept still was made under Wine, and another library's bytes differ.
TEST(WineBytes, AStillSavedBeforeTheRecordGrewIsRebuiltByItsVersionsRules) {
    VerifierRun run = RunVerifier(L"--source " + Quoted(SamplePicture()) + L" " +
                                  Quoted(SourceFile("tests/corpus/stills/before-full-record.jpg")));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("\nrules: the first stills': the record's first ten lines in a "
                              "comment, no EXIF or XMP copy\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("\nVERIFIED: identical file\n"), std::string::npos) << run.output;
}

// The still another imaging library would make of the viewer's view: the record names that
// library, and its encoder writes the same pixels in other bytes (restart markers here).
std::wstring StillOfAnotherLibrary(ViewerWindow& viewer, const ExportRecord& record,
                                   const std::string& library, const std::wstring& path,
                                   StillRules rules = StillRules::kWrittenTables) {
    ExportRecord other = record;
    other.imagingLibrary = library;
    std::unique_ptr<GdiplusImage> clone(viewer.Dlg().m_pImage->Clone());
    std::string jpeg;
    std::wstring made = path + L".made";
    EXPECT_TRUE(ExportStill(*clone, other, made + L".tmp", &jpeg, rules));
    EXPECT_TRUE(WriteWholeFile(made, jpeg));
    EXPECT_TRUE(RunHostCommand("jpegtran -copy all -restart 1 " + ShellQuoted(HostPath(made)) +
                                   " > " + ShellQuoted(HostPath(path)),
                               nullptr));
    return path;
}

TEST_F(StillVerify, AStillOfAnotherImagingLibraryIsNotJudgedHereButOneOfThisLibraryIs) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    ViewerWindow viewer(source);
    viewer.Click(IDC_ZOOM_IN);
    ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    RecordReading reading = ReadRecord(RecordTextOf(ReadBytes(plate)));
    ASSERT_EQ(reading.problem, "");
    ASSERT_EQ(reading.rules, StillRules::kWrittenTables);
    const std::string here = reading.record.imagingLibrary;
    const std::string under = ", under Wine ";
    ASSERT_NE(here.find(under), std::string::npos) << here;
    const std::string version = here.substr(0, here.find(", sha256 "));

    const std::string others[] = {
        // The same DLL's version and bytes on Windows, and another DLL of the same version.
        here.substr(0, here.find(under)) + ", on Windows",
        version + ", sha256 " + std::string(64, '0') + here.substr(here.find(under)),
    };
    for (const std::string& other : others) {
        VerifierRun run = RunVerifier(Quoted(
            StillOfAnotherLibrary(viewer, reading.record, other, folder.Path(L"OTHER.JPG"))));
        EXPECT_EQ(run.exitCode, 2u) << run.output;
        EXPECT_NE(run.output.find("\nCANNOT VERIFY: cannot verify here: made with another "
                                  "imaging library (" +
                                  other + "; checked with " + here + ")"),
                  std::string::npos)
            << run.output;
        EXPECT_EQ(run.output.find("NOT VERIFIED"), std::string::npos) << run.output;
    }
    // This library's own record over other bytes, and a still from before the hash whose
    // version is this one's: not another library, so the bytes are wrong.
    VerifierRun run = RunVerifier(
        Quoted(StillOfAnotherLibrary(viewer, reading.record, here, folder.Path(L"SAME.JPG"))));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find("\nNOT VERIFIED: image data: re-encoded"), std::string::npos)
        << run.output;
    run = RunVerifier(
        Quoted(StillOfAnotherLibrary(viewer, reading.record, version, folder.Path(L"BEFORE.JPG"),
                                     StillRules::kRecordWithCopies)));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find("\nrules: the record of thirteen lines in a comment, with its EXIF "
                              "and XMP copies\n"),
              std::string::npos)
        << run.output;
    run = RunVerifier(Quoted(folder.Path(L"BEFORE.JPG.made")));
    EXPECT_EQ(run.exitCode, 0u) << "as that version wrote it: " << run.output;
}

// Pins Wine's differences from Windows.
TEST(WineBytes, ThePlatformCheckNamesWinesQualityAndInterpolationAsNotHonoured) {
    VerifierRun run = RunVerifier(L"--platform");
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    for (const char* finding :
         {"\njpeg quality 100: not honoured: the tables written show 75\n",
          "\ninterpolation: not honoured: the three qualities draw the same pixels\n",
          "\nembedded thumbnail: not returned by the thumbnail call",
          "\ndensity written: 96 x 96 dpi", "\na still made here: VERIFIED: identical file\n",
          "\nPLATFORM: not as assumed: jpeg quality 100, interpolation\n"}) {
        EXPECT_NE(run.output.find(finding), std::string::npos) << finding << run.output;
    }
    EXPECT_EQ(run.output.find("imaging library: gdiplus.dll "), 0u) << run.output;
}

// The thumbnail probe is only worth its answer if its EXIF holds a thumbnail readers find.
TEST(StillVerifyPlatform, TheProbesEmbeddedThumbnailIsOneReadersFind) {
    ScratchFolder folder;
    std::wstring picture = folder.Path(L"PICTURE.JPG");
    std::wstring thumbnail = folder.Path(L"THUMB.JPG");
    ASSERT_TRUE(RunHostCommand("convert -size 320x240 xc:blue " + ShellQuoted(HostPath(picture)) +
                                   " && convert -size 160x120 xc:red " +
                                   ShellQuoted(HostPath(thumbnail)),
                               nullptr));
    std::string main = ReadBytes(picture);
    std::string small = ReadBytes(thumbnail);
    std::wstring both = folder.Path(L"BOTH.JPG");
    ASSERT_TRUE(
        WriteWholeFile(both, main.substr(0, 2) + ExifWithThumbnail(small) + main.substr(2)));
    std::string found;
    ASSERT_TRUE(
        RunHostCommand("exiftool -b -ThumbnailImage " + ShellQuoted(HostPath(both)), &found));
    EXPECT_TRUE(found == small) << "exiftool finds " << found.size() << " bytes";
}

} // namespace
