#include "tools/fuzz/save_rules_properties.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Seeded inputs around the interesting lengths and bytes: the option, dots, forbidden
// characters, JPEG markers.
TEST(SaveRulesFuzz, RulesHoldForSeededRandomInputs) {
    std::mt19937 engine(20261207);
    static const char kAlphabet[] = "/ndraNDRA.jJpPgG\\:*?\"<>|\xFF\xD8\xE0\xE1\xFE\x00\x01 x";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    for (int run = 0; run < 20000; ++run) {
        std::size_t length = engine() % 140;
        std::vector<std::uint8_t> bytes(length);
        for (std::uint8_t& b : bytes) {
            b = engine() % 4 == 0 ? static_cast<std::uint8_t>(engine())
                                  : static_cast<std::uint8_t>(alphabet[engine() % alphabet.size()]);
        }
        std::string broken = BrokenSaveRule(bytes.data(), bytes.size());
        ASSERT_TRUE(broken.empty()) << broken << " (run " << run << ")";
    }
}

} // namespace
