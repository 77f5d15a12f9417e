// Replays the kept fuzz corpus and every reproducer that ever failed through their checks.
#include "FuzzChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

class FuzzRegression : public ::testing::TestWithParam<FuzzCheck>
{
};

// Runs every file of `folder` (if it exists) through the check; returns how many there were.
int replay(const FuzzCheck &check, const fs::path &folder)
{
    if (!fs::is_directory(folder))
        return 0;
    int count = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
        EXPECT_EQ(check.check({data, bytes.size()}), "") << entry.path();
        ++count;
    }
    return count;
}

TEST_P(FuzzRegression, CorpusAndReproducersPass)
{
    const FuzzCheck &check = GetParam();
    const fs::path root = ZYFO_FUZZ_DIR;
    const int corpus = replay(check, root / "corpus" / check.name);
    replay(check, root / "reproducers" / check.name);
    EXPECT_GT(corpus, 0) << "the kept corpus of " << check.name << " is missing";
}

INSTANTIATE_TEST_SUITE_P(Fuzz, FuzzRegression, ::testing::ValuesIn(kFuzzChecks),
                         [](const ::testing::TestParamInfo<FuzzCheck> &param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace zyfo
