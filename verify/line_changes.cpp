#include "line_changes.h"

#include <algorithm>

std::vector<LineChange> LineChanges(const std::vector<std::string>& found,
                                    const std::vector<std::string>& expected) {
    std::size_t n = found.size();
    std::size_t m = expected.size();
    // common[i][j]: the longest run the two texts share from found[i] and expected[j] on.
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = found[i] == expected[j] ? common[i + 1][j + 1] + 1
                                                   : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::vector<LineChange> changes;
    std::vector<std::string> added;
    std::vector<std::string> missing;
    auto flush = [&]() {
        std::size_t paired = std::min(added.size(), missing.size());
        for (std::size_t k = 0; k < paired; ++k) {
            changes.push_back({LineChange::kChanged, added[k], missing[k]});
        }
        for (std::size_t k = paired; k < added.size(); ++k) {
            changes.push_back({LineChange::kAdded, added[k], std::string()});
        }
        for (std::size_t k = paired; k < missing.size(); ++k) {
            changes.push_back({LineChange::kMissing, std::string(), missing[k]});
        }
        added.clear();
        missing.clear();
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && found[i] == expected[j]) {
            flush();
            ++i;
            ++j;
        } else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1])) {
            added.push_back(found[i++]);
        } else {
            missing.push_back(expected[j++]);
        }
    }
    flush();
    return changes;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
