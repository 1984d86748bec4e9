#include "params_file_invariants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace brelo {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every seed of the parser's fuzzer goes through the parser in the normal test
// run, so a crash the fuzzer once found stays fixed.
TEST(ParamsFileCorpus, EverySeedKeepsTheInvariants)
{
    // Seeds whose fate is known by reading them.
    const std::map<std::string, bool> accepted = {
        {"design_one_line.txt", true}, {"crlf_lines.txt", true},
        {"quoted_and_empty.txt", false}, {"short_nine.txt", false},
        {"bom_fourteenth.txt", true}, {"extreme_numbers.txt", true},
        {"negative_zero_degrees.txt", true}, {"thirteen_empty.txt", false},
        {"exponent_and_long_fields.txt", true}, {"decimal_commas.txt", true}};

    int seeds = 0;
    for (const auto &entry : fs::directory_iterator(BRELO_PARAMS_CORPUS_DIR)) {
        if (!entry.is_regular_file())
            continue;
        ++seeds;
        const std::string name = entry.path().filename().string();
        const std::string contents = fileBytes(entry.path());
        EXPECT_EQ(paramsFileViolation(contents), "") << "seed " << name;
        if (const auto known = accepted.find(name); known != accepted.end()) {
            EXPECT_EQ(parseParamsFile(contents, ',').fields.has_value(), known->second) << "seed " << name;
        }
    }
    EXPECT_GE(seeds, static_cast<int>(accepted.size()));
}

} // namespace
} // namespace brelo
