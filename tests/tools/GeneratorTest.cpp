// Tests of the data-file generator: valid, reproducible records and faults on request.
#include "Generator.h"
#include "CivilTime.h"
#include "GeneratedRecords.h"

#include <gtest/gtest.h>

#include <set>

namespace zyfo {
namespace {

using test::decodeRecords;
using test::entriesOf;

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
    options.entries = 35;
    options.periodSeconds = 600;
    const auto days = decodeRecords(generate(options, 3 * 144));
    for (const auto &record : days)
        EXPECT_TRUE(record.checkPasses) << record.body;
    EXPECT_EQ(days[1].body.substr(0, 14), "20060512001000");
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
}

} // namespace
} // namespace zyfo
