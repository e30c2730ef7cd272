// StillVerify [--json] [--source SOURCE] EXPORT.JPG...
// StillVerify --platform
// Checks that each exported still is exactly the recorded view of exactly its source; or what
// the program assumes of this machine's imaging library.
#include "gdiplus_session.h"
#include "platform_check.h"
#include "scratch_file.h"
#include "still_check.h"
#include "utf8_text.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kUsage[] = "usage: StillVerify [--json] [--source SOURCE] EXPORT.JPG...\n"
                      "       StillVerify --platform\n";

struct Arguments {
    bool platform = false;
    bool json = false;
    std::wstring source;
    std::vector<std::wstring> exports;
};

// What is wrong with the command line; empty when nothing is.
std::string ParseArguments(int argc, wchar_t** argv, Arguments* arguments) {
    for (int i = 1; i < argc; ++i) {
        std::wstring argument = argv[i];
        if (argument == L"--platform") {
            arguments->platform = true;
        } else if (argument == L"--json") {
            arguments->json = true;
        } else if (argument == L"--source") {
            if (i + 1 == argc) {
                return "--source needs the source's path";
            }
            arguments->source = argv[++i];
        } else if (argument.rfind(L"--", 0) == 0) {
            return "unknown option " + Utf8(argument);
        } else {
            arguments->exports.push_back(argument);
        }
    }
    if (arguments->platform) {
        return argc == 2 ? "" : "--platform stands alone";
    }
    return arguments->exports.empty() ? "no still to check" : "";
}

void Write(DWORD stream, const std::string& utf8) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(stream), utf8.data(), static_cast<DWORD>(utf8.size()), &written,
                nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // A still or source named on an empty drive is a report, never the system's "no disk" box.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ::SetConsoleOutputCP(CP_UTF8);
    Arguments arguments;
    std::string wrong = ParseArguments(argc, argv, &arguments);
    if (!wrong.empty()) {
        Write(STD_ERROR_HANDLE, "StillVerify: " + wrong + "\n" + kUsage);
        return static_cast<int>(Verdict::CannotVerify);
    }
    ULONG_PTR token = StartImaging();
    if (arguments.platform) {
        PlatformFindings findings = CheckPlatform();
        Write(STD_OUTPUT_HANDLE, PlatformReportText(findings));
        StopImaging(token);
        return PlatformExitStatus(findings);
    }
    std::vector<Verdict> verdicts;
    {
        ScratchFile scratch;
        for (const std::wstring& path : arguments.exports) {
            Verification verification = CheckStill(path, arguments.source, scratch.Path());
            verdicts.push_back(verification.Outcome());
            std::string report =
                arguments.json ? ReportJson(verification) + "\n" : ReportText(verification);
            Write(STD_OUTPUT_HANDLE, (verdicts.size() > 1 && !arguments.json ? "\n" : "") + report);
        }
    }
    StopImaging(token);
    return ExitStatus(verdicts);
}
