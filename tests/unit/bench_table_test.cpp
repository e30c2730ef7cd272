#include "tools/bench/bench_table.h"

#include <gtest/gtest.h>

namespace {

TEST(BenchTable, MedianIsTheMiddleOfTheSortedSamples) {
    EXPECT_DOUBLE_EQ(Median({9.0, 1.0, 5.0}), 5.0);
    EXPECT_DOUBLE_EQ(Median({4.0, 1.0, 3.0, 2.0}), 2.5);
    EXPECT_DOUBLE_EQ(Median({7.0}), 7.0);
    EXPECT_DOUBLE_EQ(Median({}), 0.0);
}

TEST(BenchTable, EachRowShowsMediansRatiosAndRuns) {
    std::vector<BenchRow> rows = {
        {"Open", "ms", {420.0, 400.0, 410.0}, {200.0, 205.0, 190.0}, {400.0, 420.0, 380.0}},
        {"Wheel", "ms", {30.0, 36.0}, {24.0, 24.0}, {}},
        {"Peak", "MB", {30.0, 31.0}, {}, {20.0}},
    };
    EXPECT_EQ(FormatTable(rows),
              "| Measurement | Viewer | Floor | Ratio | Dialog floor | Ratio | Runs |\n"
              "|---|---:|---:|---:|---:|---:|---:|\n"
              "| Open (ms) | 410.0 | 200.0 | 2.050 | 400.0 | 1.025 | 3 |\n"
              "| Wheel (ms) | 33.0 | 24.0 | 1.375 | - | - | 2 |\n"
              "| Peak (MB) | - | - | - | - | - | 0 |\n");
}

} // namespace
