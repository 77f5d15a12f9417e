// Replays the kept fuzz corpus and every reproducer that ever failed through their checks.
#include "FuzzChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

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

TEST(FuzzRegression, CorpusAndReproducersPassEveryCheck)
{
    const fs::path root = ZYFO_FUZZ_DIR;
    for (const FuzzCheck &check : kFuzzChecks) {
        EXPECT_GT(replay(check, root / "corpus" / check.name), 0)
            << "the kept corpus of " << check.name << " is missing";
        replay(check, root / "reproducers" / check.name);
    }
}

} // namespace
} // namespace zyfo
