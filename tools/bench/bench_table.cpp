#include "bench_table.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    size_t middle = samples.size() / 2;
    if (samples.size() % 2 == 1) {
        return samples[middle];
    }
    return (samples[middle - 1] + samples[middle]) / 2.0;
}

namespace {

// Median, ratio of the viewer's median to this one's, as two table cells.
std::string Against(double viewer, const std::vector<double>& samples) {
    if (samples.empty()) {
        return " - | - |";
    }
    double median = Median(samples);
    char cells[64];
    std::snprintf(cells, sizeof cells, " %.1f | %.3f |", median,
                  median > 0.0 ? viewer / median : 0.0);
    return cells;
}

std::string FormatRow(const BenchRow& row) {
    std::string line = "| " + row.name + " (" + row.unit + ") |";
    if (row.viewer.empty() || row.floor.empty()) {
        return line + " - | - | - | - | - | 0 |\n";
    }
    double viewer = Median(row.viewer);
    size_t runs = std::min(row.viewer.size(), row.floor.size());
    if (!row.dialogFloor.empty()) {
        runs = std::min(runs, row.dialogFloor.size());
    }
    char cell[32];
    std::snprintf(cell, sizeof cell, " %.1f |", viewer);
    return line + cell + Against(viewer, row.floor) + Against(viewer, row.dialogFloor) + " " +
           std::to_string(runs) + " |\n";
}

} // namespace

std::string FormatTable(const std::vector<BenchRow>& rows) {
    std::string table = "| Measurement | Viewer | Floor | Ratio | Dialog floor | Ratio | Runs |\n"
                        "|---|---:|---:|---:|---:|---:|---:|\n";
    for (const BenchRow& row : rows) {
        table += FormatRow(row);
    }
    return table;
}
