// The lines one text has where another has others: what a reader needs to see of two records,
// or two XMP packets, that should be the same.
#pragma once

#include <string>
#include <vector>

struct LineChange {
    enum Kind { kChanged, kAdded, kMissing } kind;
    std::string found;    // in the still (empty when missing)
    std::string expected; // in the rebuilt one (empty when added)
};

// The changes that turn `expected` into `found`, in order: the lines they share stay put (the
// longest run in common), and in each stretch between them a line found stands against the
// expected line at the same place; what is left over was added or is missing.
std::vector<LineChange> LineChanges(const std::vector<std::string>& found,
                                    const std::vector<std::string>& expected);

// The text's lines, without their line ends.
std::vector<std::string> LinesOf(const std::string& text);
