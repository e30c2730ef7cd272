// The benchmark's results: per row the viewer's and the floor's samples, and for the rows that
// start programs the dialog floor's too, taken in alternating runs, reduced to medians and printed
// as one table.
#pragma once

#include <string>
#include <vector>

struct BenchRow {
    std::string name;
    std::string unit;
    std::vector<double> viewer;
    std::vector<double> floor;
    std::vector<double> dialogFloor;
};

// The middle sample; for an even count the mean of the two middle ones. 0 when empty.
double Median(std::vector<double> samples);

// A Markdown table: row, viewer median, floor median, ratio, dialog floor median, ratio to it,
// runs. A row without viewer or floor samples shows "-" in place of its numbers, and one without
// dialog-floor samples in place of the dialog floor's.
std::string FormatTable(const std::vector<BenchRow>& rows);
