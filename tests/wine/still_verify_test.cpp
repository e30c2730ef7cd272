// StillVerify, run as its own program on stills the viewer saved: a saved view is repeated
// exactly from its source, and every kind of tampering or damage is told apart.
#include "image_magick.h"
#include "jpeg_comment.h"
#include "jpeg_segments.h"
#include "resource.h"
#include "source_digest.h"
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

// The still with its record's text changed by the edit.
std::string WithRecordEdited(const std::string& still, const std::string& from,
                             const std::string& to) {
    JpegParts parts;
    std::string edited;
    if (!SplitJpeg(still, &parts) || parts.comment.find(from) == std::string::npos) {
        ADD_FAILURE() << "no \"" << from << "\" in the record";
        return still;
    }
    std::string comment = parts.comment;
    comment.replace(comment.find(from), from.size(), to);
    InsertJpegComment(parts.imageData, comment, &edited);
    return edited;
}

class StillVerify : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(::CopyFileW(SamplePicture().c_str(), source.c_str(), FALSE));
    }

    ScratchFolder folder;
    // A source whose path holds Chinese and Japanese characters.
    std::wstring source = folder.Path(L"錄影機-カメラ03.bmp");
};

TEST_F(StillVerify, EverySavedViewIsRepeatedExactlyFromItsSource) {
    ViewerWindow viewer(source);
    ViewerDlg& dlg = viewer.Dlg();
    // Zoomed as far as it goes, at the bottom-right corner, three steps brighter, Good Quality.
    for (int i = 0; i < 30; ++i) {
        viewer.Click(IDC_ZOOM_IN);
    }
    viewer.Scroll(IDC_HSCROLL, SB_RIGHT);
    viewer.Scroll(IDC_VSCROLL, SB_BOTTOM);
    for (int i = 0; i < 3; ++i) {
        viewer.Click(IDC_BRIGHTER);
    }
    ASSERT_LT(dlg.State().view.m_nSrcWidth, 100);
    ASSERT_EQ(dlg.State().view.m_nSrcX + dlg.State().view.m_nSrcWidth, 640);
    const std::wstring bright = folder.Path(L"BRIGHT.JPG");
    ASSERT_EQ(dlg.ExportJpeg(bright.c_str()), SaveOutcome::kDone);

    // Three steps darker than normal, Fair Quality.
    viewer.ChooseQuality(0);
    for (int i = 0; i < 6; ++i) {
        viewer.Click(IDC_DARKER);
    }
    const std::wstring dark = folder.Path(L"DARK.JPG");
    ASSERT_EQ(dlg.ExportJpeg(dark.c_str()), SaveOutcome::kDone);

    // The whole picture, Better Quality.
    viewer.ChooseQuality(2);
    viewer.Click(IDC_ONE_TO_ONE);
    const std::wstring whole = folder.Path(L"WHOLE.JPG");
    ASSERT_EQ(dlg.ExportJpeg(whole.c_str()), SaveOutcome::kDone);

    VerifierRun run = RunVerifier(Quoted(bright) + L" " + Quoted(dark) + L" " + Quoted(whole));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(Count(run.output, "VERIFIED: identical image data\n"), 3u) << run.output;
    EXPECT_EQ(Count(run.output, "錄影機-カメラ03.bmp"), 6u) << "recorded and checked, each still";

    VerifierRun json = RunVerifier(L"--json " + Quoted(dark));
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_EQ(json.output.front(), '{') << json.output;
    EXPECT_NE(json.output.find("\"verdict\": \"verified\""), std::string::npos) << json.output;
    EXPECT_NE(json.output.find("\"interpolation\": 3"), std::string::npos) << json.output;
    // The export's hash is that of the whole file as it lies on the disk.
    SourceDigest onDisk(dark);
    ASSERT_TRUE(onDisk.Wait());
    EXPECT_NE(json.output.find("\"export_sha256\": \"" + onDisk.Sha256() + "\""), std::string::npos)
        << json.output;
}

TEST_F(StillVerify, TamperingWithTheSourceTheRecordOrThePixelsIsFound) {
    std::string still;
    {
        ViewerWindow viewer(source);
        for (int i = 0; i < 4; ++i) {
            viewer.Click(IDC_ZOOM_IN);
        }
        viewer.Click(IDC_BRIGHTER);
        const std::wstring saved = folder.Path(L"PLATE.JPG");
        ASSERT_EQ(viewer.Dlg().ExportJpeg(saved.c_str()), SaveOutcome::kDone);
        still = ReadBytes(saved);
    }
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    ASSERT_EQ(RunVerifier(Quoted(plate)).exitCode, 0u);

    std::string picture = ReadBytes(source);
    picture[picture.size() / 2] = static_cast<char>(picture[picture.size() / 2] ^ 0x01);
    const std::wstring changedSource = folder.Path(L"CHANGED.BMP");
    ASSERT_TRUE(WriteBytes(changedSource, picture));
    VerifierRun run = RunVerifier(L"--source " + Quoted(changedSource) + L" " + Quoted(plate));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.output.find("NOT VERIFIED: the source differs from the recorded one"),
              std::string::npos)
        << run.output;

    const std::string kPixelsDiffer = " of 307200 pixels differ (largest difference ";
    struct Edit {
        const char* from;
        const char* to;
    };
    for (Edit edit : {Edit{"gamma exact: 0.", "gamma exact: 1."}, Edit{"width 4", "width 3"},
                      Edit{"interpolation: 7", "interpolation: 5"}}) {
        const std::wstring edited = folder.Path(L"EDITED.JPG");
        ASSERT_TRUE(WriteBytes(edited, WithRecordEdited(still, edit.from, edit.to)));
        run = RunVerifier(Quoted(edited));
        EXPECT_EQ(run.exitCode, 1u) << edit.to << "\n" << run.output;
        EXPECT_NE(run.output.find("NOT VERIFIED: "), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(kPixelsDiffer), std::string::npos) << edit.to << run.output;
    }

    const std::wstring reencoded = folder.Path(L"REENCODED.JPG");
    ASSERT_TRUE(RunHostCommand("convert " + ShellQuoted(HostPath(plate)) + " -quality 100 " +
                                   ShellQuoted(HostPath(reencoded)),
                               nullptr));
    run = RunVerifier(Quoted(reencoded));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_NE(run.output.find(kPixelsDiffer), std::string::npos) << "the comment came along";
}

TEST_F(StillVerify, ACopyOfTheRecordThatWindowsShowsIsCheckedAgainstTheComment) {
    const std::wstring plate = folder.Path(L"PLATE.JPG");
    {
        ViewerWindow viewer(source);
        viewer.Click(IDC_ZOOM_IN);
        ASSERT_EQ(viewer.Dlg().ExportJpeg(plate.c_str()), SaveOutcome::kDone);
    }
    VerifierRun run = RunVerifier(Quoted(plate));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(run.output.find("disagrees"), std::string::npos) << run.output;

    // What Explorer shows as Comments, rewritten by another program.
    ASSERT_TRUE(
        RunHostCommand("exiftool -q -overwrite_original '-XPComment=source: C:\\other.bmp' " +
                           ShellQuoted(HostPath(plate)),
                       nullptr));
    run = RunVerifier(Quoted(plate));
    EXPECT_EQ(run.exitCode, 0u) << "the image data is still the recorded view's\n" << run.output;
    EXPECT_NE(run.output.find("note: the record's EXIF copy, which Windows and photo programs "
                              "show, disagrees with its comment"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("XMP copy"), std::string::npos) << run.output;
    VerifierRun json = RunVerifier(L"--json " + Quoted(plate));
    EXPECT_NE(json.output.find("\"disagreeing_copies\": [\"EXIF\"]"), std::string::npos)
        << json.output;
}

TEST_F(StillVerify, WhatCannotBeCheckedSaysWhy) {
    std::string still;
    {
        ViewerWindow viewer(source);
        const std::wstring saved = folder.Path(L"PLATE.JPG");
        ASSERT_EQ(viewer.Dlg().ExportJpeg(saved.c_str()), SaveOutcome::kDone);
        still = ReadBytes(saved);
    }
    JpegParts parts;
    ASSERT_TRUE(SplitJpeg(still, &parts));
    struct Case {
        const wchar_t* name;
        std::string bytes;
        const char* says;
    };
    std::string noHash = WithRecordEdited(still, "source sha256: ", "source hash: ");
    for (const Case& c :
         {Case{L"NORECORD.JPG", parts.imageData,
               "CANNOT VERIFY: the export carries no record of where it came from"},
          Case{L"CUT.JPG", still.substr(0, still.size() / 2),
               "CANNOT VERIFY: the export is not a complete JPEG file"},
          Case{L"NOHASH.JPG", noHash, "CANNOT VERIFY: the record has no \"source sha256\" line"}}) {
        const std::wstring path = folder.Path(c.name);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        VerifierRun run = RunVerifier(Quoted(path));
        EXPECT_EQ(run.exitCode, 2u) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }

    const std::wstring plate = folder.Path(L"PLATE.JPG");
    ASSERT_TRUE(::DeleteFileW(source.c_str()));
    VerifierRun run = RunVerifier(Quoted(plate));
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.output.find("CANNOT VERIFY: the source cannot be read: "), std::string::npos)
        << run.output;
    EXPECT_EQ(RunVerifier(L"--source " + Quoted(SamplePicture()) + L" " + Quoted(plate) + L" " +
                          Quoted(folder.Path(L"MISSING.JPG")))
                  .exitCode,
              2u)
        << "the worst of several";
}

TEST_F(StillVerify, AStillSavedBeforeTheFullRecordIsCheckedAndSaysWhatItLacks) {
    VerifierRun run = RunVerifier(L"--source " + Quoted(SamplePicture()) + L" " +
                                  Quoted(SourceFile("tests/corpus/stills/before-full-record.jpg")));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("VERIFIED: identical image data"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("lacks the exact gamma"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("lacks the JPEG quality"), std::string::npos) << run.output;
}

} // namespace
