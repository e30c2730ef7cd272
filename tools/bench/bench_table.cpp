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

std::string FormatRow(const BenchRow& row) {
    char line[256];
    if (row.viewer.empty() || row.floor.empty()) {
        std::snprintf(line, sizeof line, "| %s (%s) | - | - | - | 0 |\n", row.name.c_str(),
                      row.unit.c_str());
        return line;
    }
    double viewer = Median(row.viewer);
    double floor = Median(row.floor);
    size_t runs = std::min(row.viewer.size(), row.floor.size());
    std::snprintf(line, sizeof line, "| %s (%s) | %.1f | %.1f | %.3f | %zu |\n", row.name.c_str(),
                  row.unit.c_str(), viewer, floor, floor > 0.0 ? viewer / floor : 0.0, runs);
    return line;
}

} // namespace

std::string FormatTable(const std::vector<BenchRow>& rows) {
    std::string table = "| Measurement | Viewer | Floor | Ratio | Runs |\n"
                        "|---|---:|---:|---:|---:|\n";
    for (const BenchRow& row : rows) {
        table += FormatRow(row);
    }
    return table;
}
