// The benchmark: the viewer against the least the imaging library must do, and its start-up also
// against the least its window costs the platform, in alternating runs, printed as one table.
//
// usage: stillview_bench [--runs N] [--open-only] VIEWER_EXE FLOOR_EXE DIALOG_FLOOR_EXE
//        SAMPLE_BMP SCRATCH_FOLDER
// (Windows paths). Exits with 1 when a row could not be measured.
#include "bench_pictures.h"
#include "bench_table.h"
#include "gdiplus_session.h"
#include "launch_probe.h"
#include "viewer_app.h"
#include "viewer_rows.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

struct Options {
    int runs = 7;
    bool openOnly = false;
    std::wstring viewer;
    std::wstring floor;
    std::wstring dialogFloor;
    std::wstring sample;
    std::wstring scratch;
};

bool ParseOptions(Options* options) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr) {
        return false;
    }
    int next = 1;
    if (argc > next + 1 && std::wstring(argv[next]) == L"--runs") {
        options->runs = _wtoi(argv[next + 1]);
        next += 2;
    }
    if (argc > next && std::wstring(argv[next]) == L"--open-only") {
        options->openOnly = true;
        ++next;
    }
    bool ok = argc - next == 5 && options->runs > 0;
    if (ok) {
        options->viewer = argv[next];
        options->floor = argv[next + 1];
        options->dialogFloor = argv[next + 2];
        options->sample = argv[next + 3];
        options->scratch = argv[next + 4];
    }
    ::LocalFree(argv);
    return ok;
}

// One picture to open, and where in it the probe looks (fractions of its width and height).
struct OpenCase {
    const char* label;
    std::wstring path;
    double fx;
    double fy;
    bool timeOpen;
};

ScreenProbe ProbeFor(const RECT& area, const OpenCase& open) {
    LONG x = area.left + static_cast<LONG>(open.fx * (area.right - area.left));
    LONG y = area.top + static_cast<LONG>(open.fy * (area.bottom - area.top));
    return {{x, y}, kBenchMarkColour};
}

std::wstring AreaArguments(const RECT& area) {
    return std::to_wstring(area.left) + L" " + std::to_wstring(area.top) + L" " +
           std::to_wstring(area.right - area.left) + L" " + std::to_wstring(area.bottom - area.top);
}

// Viewer, dialog floor and floor started in turn on one picture: the time to the picture and the
// memory.
void MeasureOpen(const Options& options, const RECT& area, const OpenCase& open,
                 std::vector<BenchRow>* openRows, std::vector<BenchRow>* memoryRows) {
    std::wstring floorArguments = L" \"" + open.path + L"\" " + AreaArguments(area);
    const std::wstring commandLines[] = {
        L"\"" + options.viewer + L"\" " + open.path,
        L"\"" + options.dialogFloor + L"\"" + floorArguments,
        L"\"" + options.floor + L"\"" + floorArguments,
    };
    BenchRow time{std::string("Open to first paint, ") + open.label, "ms", {}, {}, {}};
    BenchRow peak{std::string("Peak working set, ") + open.label, "MB", {}, {}, {}};
    BenchRow settled{std::string("Settled working set, ") + open.label, "MB", {}, {}, {}};
    std::vector<double> BenchRow::*const sides[] = {&BenchRow::viewer, &BenchRow::dialogFloor,
                                                    &BenchRow::floor};
    ScreenProbe probe = ProbeFor(area, open);
    for (int i = 0; i < options.runs; ++i) {
        for (int side = 0; side < 3; ++side) {
            LaunchResult result = TimeLaunch(commandLines[side], probe);
            if (!result.ok) {
                continue;
            }
            (time.*sides[side]).push_back(result.msToPicture);
            (peak.*sides[side]).push_back(result.peakMB);
            (settled.*sides[side]).push_back(result.settledMB);
        }
    }
    if (open.timeOpen) {
        openRows->push_back(time);
    }
    memoryRows->push_back(peak);
    memoryRows->push_back(settled);
}

bool Complete(const std::vector<BenchRow>& rows, bool withDialogFloor) {
    for (const BenchRow& row : rows) {
        if (row.viewer.empty() || row.floor.empty() ||
            (withDialogFloor && row.dialogFloor.empty())) {
            return false;
        }
    }
    return !rows.empty();
}

} // namespace

int main() {
    Options options;
    if (!ParseOptions(&options)) {
        std::fprintf(stderr, "usage: stillview_bench [--runs N] [--open-only] VIEWER_EXE FLOOR_EXE "
                             "DIALOG_FLOOR_EXE SAMPLE_BMP SCRATCH_FOLDER\n");
        return 64;
    }
    theApp.AfxWinInit(::GetModuleHandleW(nullptr), L"", SW_SHOWNORMAL);
    ::InitCommonControls();
    ULONG_PTR token = StartImaging();

    std::wstring jpeg24 = options.scratch + L"\\bench-6000x4000.jpg";
    std::wstring jpeg96 = options.scratch + L"\\bench-12000x8000.jpg";
    if (!EnsureBenchJpeg(jpeg24, 6000, 4000) || !EnsureBenchJpeg(jpeg96, 12000, 8000)) {
        std::fprintf(stderr, "stillview_bench: could not write the test pictures\n");
        return 1;
    }
    // The sample's red swatch, and the plain block in the middle of the generated pictures.
    const OpenCase cases[] = {
        {"704 x 576 BMP", options.sample, 356.0 / 704.0, 472.0 / 576.0, true},
        {"6000 x 4000 JPEG (24 MP)", jpeg24, 0.5, 0.5, true},
        {"12000 x 8000 JPEG (96 MP)", jpeg96, 0.5, 0.5, false},
    };
    RECT area = ViewerPictureArea(L"\"" + options.viewer + L"\" " + options.sample);
    if (::IsRectEmpty(&area)) {
        std::fprintf(stderr, "stillview_bench: the viewer showed no picture area\n");
    }
    std::vector<BenchRow> openRows;
    std::vector<BenchRow> memoryRows;
    for (const OpenCase& open : cases) {
        if (open.timeOpen || !options.openOnly) {
            MeasureOpen(options, area, open, &openRows, &memoryRows);
        }
    }
    std::vector<BenchRow> inProcessRows;
    if (!options.openOnly) {
        inProcessRows = MeasureViewerInProcess(options.sample, options.scratch, options.runs);
    }
    bool complete = Complete(openRows, true) && Complete(memoryRows, true) &&
                    (options.openOnly || Complete(inProcessRows, false));
    std::vector<BenchRow> rows = openRows;
    rows.insert(rows.end(), inProcessRows.begin(), inProcessRows.end());
    rows.insert(rows.end(), memoryRows.begin(), memoryRows.end());

    std::printf("Screen %d x %d, %d runs of each side per row, alternating.\n\n",
                ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), options.runs);
    std::printf("%s", FormatTable(rows).c_str());
    StopImaging(token);
    return complete ? 0 : 1;
}
