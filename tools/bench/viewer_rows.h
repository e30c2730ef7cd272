// The rows measured inside one process: the viewer dialog against the bare imaging calls it
// makes for a paint, an export and a wheel step.
#pragma once

#include "bench_table.h"

#include <string>
#include <vector>

// Opens the viewer on the picture (a Windows path) and alternates viewer and bare runs; the
// export writes into the scratch folder.
std::vector<BenchRow> MeasureViewerInProcess(const std::wstring& picture,
                                             const std::wstring& scratch, int runs);
