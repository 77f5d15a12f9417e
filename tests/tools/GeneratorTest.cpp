// Tests of the data-file generator: valid, reproducible records, faults on request, file limits.
#include "Generator.h"
#include "CivilTime.h"
#include "FileGeneration.h"
#include "GeneratedRecords.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace zyfo {
namespace {

using testing::decodeRecords;
using testing::entriesOf;
using testing::readAll;

std::string generate(const GeneratorOptions &options, int records)
{
    Generator generator(options);
    std::string out;
    for (int i = 0; i < records; ++i)
        generator.appendNext(out);
    return out;
}

TEST(Generator, RecordsPassTheirCheckAndCarryPlausibleDistinctChannels)
{
    GeneratorOptions options;
    options.missingProbability = 0.0;
    options.gapProbability = 0.0;
    const auto records = decodeRecords(generate(options, 200));
    ASSERT_EQ(records.size(), 200u);
    for (const auto &record : records) {
        EXPECT_TRUE(record.checkPasses) << record.body;
        EXPECT_EQ(entriesOf(record.body).size(), 22u);
    }
    EXPECT_EQ(records[1].body.substr(0, 14), "20060512000100");

    options.entries = 35;
    options.periodSeconds = 600;
    const auto days = decodeRecords(generate(options, 3 * 144));
    std::set<std::string> keys;
    for (const std::string &entry : entriesOf(days.front().body))
        keys.insert(entry.substr(0, entry.find(',', entry.find(',', entry.find(',') + 1) + 1)));
    EXPECT_EQ(keys.size(), 35u) << "device, number and kind code make each channel unique";
    double lowest = 1e9, highest = -1e9;
    for (const auto &record : days) {
        for (const std::string &entry : entriesOf(record.body)) {
            if (entry.rfind("4,1,26,", 0) == 0) {
                const double rh = std::stod(entry.substr(7));
                EXPECT_GE(rh, 1.0);
                EXPECT_LE(rh, 100.0);
            }
            if (entry.rfind("14,1,25,", 0) == 0) {
                lowest = std::min(lowest, std::stod(entry.substr(8)));
                highest = std::max(highest, std::stod(entry.substr(8)));
            }
        }
    }
    EXPECT_GT(highest - lowest, 3.0) << "three days show a daily temperature cycle";
    EXPECT_LT(highest - lowest, 40.0);
}

TEST(Generator, SameSeedGivesSameBytesOtherSeedOtherBytes)
{
    GeneratorOptions options;
    options.corruptProbability = 0.1;
    const std::string a = generate(options, 300);
    EXPECT_EQ(a, generate(options, 300));
    options.seed = 2;
    EXPECT_NE(a, generate(options, 300));
}

TEST(Generator, MissingReadingsGapsAndEntryCount)
{
    GeneratorOptions options;
    options.entries = 3;
    options.missingProbability = 1.0;
    options.gapProbability = 1.0;
    options.longestGap = 5;
    const auto records = decodeRecords(generate(options, 50));
    ASSERT_EQ(records.size(), 50u);
    std::int64_t previous = -1;
    for (const auto &record : records) {
        const auto entries = entriesOf(record.body);
        ASSERT_EQ(entries.size(), 3u);
        for (const std::string &entry : entries)
            EXPECT_NE(entry.find(",?,"), std::string::npos) << entry;
        const std::int64_t t = CivilTime::parse(record.body.substr(0, 14))->toSeconds();
        if (previous >= 0) {
            EXPECT_GE(t - previous, 120) << "every step has a gap of one period or more";
            EXPECT_LE(t - previous, 360);
        }
        previous = t;
    }

    options.entries = 0;
    const auto empty = decodeRecords(generate(options, 2));
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_EQ(empty[0].body.size(), 15u) << "a stamp and the closing $";
    EXPECT_TRUE(empty[0].checkPasses);
}

TEST(Generator, DamageBreaksTheCheckOrAddsNoiseBeforeAWholeRecord)
{
    GeneratorOptions options;
    options.corruptProbability = 1.0;
    Generator generator(options);
    std::set<RecordDamage> seen;
    for (int i = 0; i < 60; ++i) {
        std::string out;
        const RecordDamage kind = generator.appendNext(out);
        seen.insert(kind);
        std::string stamp;
        CivilTime::fromSeconds(options.start.toSeconds() + 60 * i).appendStamp(stamp);
        std::string decoded = out;
        for (char &c : decoded)
            c = static_cast<char>(negateByte(static_cast<std::uint8_t>(c)));
        const auto records = decodeRecords(out);
        if (kind == RecordDamage::Torn) {
            const std::size_t kept = std::min<std::size_t>(decoded.size(), 14);
            EXPECT_EQ(decoded.substr(0, kept), stamp.substr(0, kept));
            EXPECT_TRUE(records.empty()) << "the check bytes never arrive";
        } else if (kind == RecordDamage::FlippedByte) {
            EXPECT_TRUE(records.empty() || !records.front().checkPasses);
        } else {
            ASSERT_EQ(kind, RecordDamage::LineNoise);
            const std::size_t start = decoded.rfind(stamp);
            ASSERT_NE(start, std::string::npos);
            ASSERT_GT(start, 0u);
            const auto whole = decodeRecords(out.substr(start));
            ASSERT_EQ(whole.size(), 1u);
            EXPECT_TRUE(whole.front().checkPasses);
        }
    }
    EXPECT_EQ(seen.size(), 3u);

    GeneratorOptions last;
    last.start = *CivilTime::parse("99991231235900");
    Generator atTheEnd(last);
    std::string out;
    EXPECT_NO_THROW(atTheEnd.appendNext(out));
    EXPECT_THROW(atTheEnd.appendNext(out), std::out_of_range) << "no clock past year 9999";
}

TEST(FileGeneration, SizeLimitAppendReplaceAndFailures)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zydgen-test-" + std::to_string(::getpid()) + ".zyd"))
                                 .string();
    GeneratorOptions options;
    options.entries = 35;
    Generator generator(options);
    const GenerationResult result = generateFile(generator, path, {-1, 100000}, false);
    ASSERT_TRUE(result.ok) << result.error;
    const std::string bytes = readAll(path);
    EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), result.bytes);
    EXPECT_LE(bytes.size(), 100000u);
    EXPECT_GT(bytes.size(), 100000u - 600u);
    EXPECT_EQ(testing::wholeRecordCount(bytes), result.records) << "whole records only";

    Generator fresh(GeneratorOptions{});
    ASSERT_TRUE(generateFile(fresh, path, {10, -1}, false).ok);
    ASSERT_TRUE(generateFile(fresh, path, {5, -1}, true).ok);
    const auto both = decodeRecords(readAll(path));
    ASSERT_EQ(both.size(), 15u) << "append keeps the old records";
    EXPECT_EQ(both[10].body.substr(0, 14), "20060512001000") << "the clock runs on";
    ASSERT_TRUE(generateFile(fresh, path, {3, -1}, false).ok);
    EXPECT_EQ(decodeRecords(readAll(path)).size(), 3u) << "replace drops them";
    std::filesystem::remove(path);

    const GenerationResult missingDir =
        generateFile(fresh, "/nonexistent-dir/x.zyd", {10, -1}, false);
    EXPECT_FALSE(missingDir.ok);
    EXPECT_NE(missingDir.error.find("cannot open"), std::string::npos);
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const GenerationResult full = generateFile(fresh, "/dev/full", {20000, -1}, false);
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.error.find("cannot write"), std::string::npos);
}

} // namespace
} // namespace zyfo
