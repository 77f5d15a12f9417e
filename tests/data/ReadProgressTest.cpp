// Tests of a full read's progress and cancelling: bytes told in order up to the length, and a
// cancelled read that leaves the model and the channel list as they were.
#include "LoadedFile.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <vector>

namespace zyfo {
namespace {

// About 700 KB of records, so a read tells its progress several times on the way.
std::string manyRecords(const std::string &device)
{
    std::string bytes;
    for (int row = 0; row < 12000; ++row)
        bytes += record(stampAt(row / 60 % 24, row % 60),
                        {{4, 1, 25, std::to_string(row % 30) + ".5"}, {4, 1, 26, device}});
    return bytes;
}

struct ReadWay
{
    const char *name;
    bool atOffsets;
    ReadOptions options;
};

const ReadWay kWays[] = {
    {"one pass in small reads", false, {false, {}, {}}},
    {"pieces on threads", true, {true, {100000, 250000, 400000}, {}}},
};

TEST(ReadProgress, TellsIncreasingBytesUpToTheLengthAndReadsAsWithout)
{
    for (const ReadWay &way : kWays) {
        SCOPED_TRACE(way.name);
        LoadedFile plain(manyRecords("45"));
        plain.source.setReadsAtOffsets(way.atOffsets);
        ReadMeasurementFile(plain.file, &plain.source, plain.listener, false, way.options);

        LoadedFile told(manyRecords("45"));
        told.source.setReadsAtOffsets(way.atOffsets);
        told.source.setLargestRead(4096);
        const auto length = static_cast<std::int64_t>(told.source.bytes().size());
        std::vector<std::int64_t> done;
        ReadOptions options = way.options;
        options.progress = [&](std::int64_t bytes, std::int64_t total) {
            EXPECT_EQ(total, length);
            done.push_back(bytes);
            return true;
        };
        const ReadResult result =
            ReadMeasurementFile(told.file, &told.source, told.listener, false, options);
        EXPECT_FALSE(result.cancelled);
        ASSERT_GE(done.size(), 2u);
        EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
        EXPECT_EQ(done.back(), length);
        EXPECT_EQ(told.text(), plain.text());
    }
}

TEST(ReadProgress, CancelLeavesTheModelAndTheListAsTheyWere)
{
    for (const ReadWay &way : kWays) {
        for (const int callsBeforeCancel : {0, 1}) {
            SCOPED_TRACE(std::string(way.name) + ", cancel at call " +
                         std::to_string(callsBeforeCancel));
            LoadedFile loaded(manyRecords("45"));
            loaded.source.setReadsAtOffsets(way.atOffsets);
            loaded.open();
            const std::string before = loaded.text();
            const int current = loaded.listener.currentItem();

            // Another file in the same source, as a new open reads it.
            loaded.source.bytes() = manyRecords("?") + record(stampAt(3, 0), {{5, 2, 25, "1"}});
            int calls = 0;
            ReadOptions options = way.options;
            options.progress = [&](std::int64_t, std::int64_t) {
                return calls++ < callsBeforeCancel;
            };
            const ReadResult result =
                ReadMeasurementFile(loaded.file, &loaded.source, loaded.listener, false, options);
            EXPECT_TRUE(result.cancelled);
            EXPECT_EQ(result.rowsAdded, 0);
            EXPECT_EQ(loaded.text(), before);
            EXPECT_EQ(loaded.listener.currentItem(), current);
            EXPECT_EQ(calls, callsBeforeCancel + 1); // nothing is told after a cancel
        }
    }
}

TEST(ReadProgress, AContinuationTellsNothing)
{
    LoadedFile loaded(manyRecords("45"));
    loaded.open();
    loaded.source.bytes() += record(stampAt(23, 59), {{4, 1, 25, "2"}});
    int calls = 0;
    ReadOptions options;
    options.progress = [&](std::int64_t, std::int64_t) { return ++calls < 0; };
    const ReadResult result =
        ReadMeasurementFile(loaded.file, &loaded.source, loaded.listener, true, options);
    EXPECT_FALSE(result.fullRead);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.rowsAdded, 1);
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace zyfo
