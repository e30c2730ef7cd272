// The benchmark's results: per row the viewer's and the floor's samples, taken in alternating
// runs, reduced to medians and printed as one table.
#pragma once

#include <string>
#include <vector>

struct BenchRow {
    std::string name;
    std::string unit;
    std::vector<double> viewer;
    std::vector<double> floor;
};

// The middle sample; for an even count the mean of the two middle ones. 0 when empty.
double Median(std::vector<double> samples);

// A Markdown table: row, viewer median, floor median, ratio, runs. A row with no samples on
// either side shows "-" in place of its numbers.
std::string FormatTable(const std::vector<BenchRow>& rows);
