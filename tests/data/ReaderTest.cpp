// Tests of the data file reader: records, check bytes, continuation, listing and faulty input.
#include "LoadedFile.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <random>

namespace zyfo {
namespace {

constexpr ChannelKind kTemp = ChannelKind::Temperature;
constexpr ChannelKind kHumidity = ChannelKind::RelativeHumidity;

TEST(Reader, WorkedExampleGivesOneRowAndNoListUntilASecondRowArrives)
{
    LoadedFile loaded(record("20061205143000", {{4, 1, 25, "21.5"}, {4, 1, 26, "45.2"}}));
    const ReadResult result = loaded.open();
    const MeasurementFile &file = loaded.file;
    ASSERT_EQ(file.rowCount(), 1);
    EXPECT_EQ(result.rowsAdded, 1);
    EXPECT_TRUE(result.fullRead);
    EXPECT_EQ(file.rowTime(0), 1165325400); // 13:30 UTC
    EXPECT_EQ(file.value(0, kTemp, 0), 21.5);
    EXPECT_EQ(file.value(0, kHumidity, 0), 45.2);
    EXPECT_EQ(file.channelNames(kHumidity).name(0), "RT-460 nr 1");
    // One row: nothing listed, controls disabled, but the to-end is on the row.
    EXPECT_TRUE(loaded.listener.items().empty());
    EXPECT_FALSE(loaded.listener.controlsEnabled());
    EXPECT_EQ(loaded.listener.shownToTime(), 1165325400);

    loaded.source.bytes() += record("20061205143500", {{4, 1, 25, "3"}});
    EXPECT_TRUE(loaded.refresh().fullRead); // still under 2000 bytes
    ASSERT_EQ(file.rowCount(), 2);
    EXPECT_TRUE(loaded.listener.controlsEnabled());
    EXPECT_EQ(loaded.listener.items(), std::vector<std::string>{"Temp. RT-460 nr 1"});
    EXPECT_EQ(loaded.listener.shownFromTime(), file.rowTime(0));
    EXPECT_EQ(loaded.listener.shownToTime(), file.rowTime(1));
}

TEST(Reader, EqualStampsKeepFileOrderAndAStampAloneGivesARow)
{
    // The stamp-only record is not last: 18 trailing bytes would wait for more.
    LoadedFile loaded(
        encodeRecord(stampAt(11, 0) + "$") + record(stampAt(10, 0), {{4, 1, 25, "1"}}) +
        record(stampAt(9, 0), {{4, 1, 25, "2"}}) + record(stampAt(9, 0), {{4, 1, 25, "3"}}) +
        record(stampAt(12, 0), {{4, 1, 25, "4"}}));
    loaded.open();
    ASSERT_EQ(loaded.file.rowCount(), 5);
    EXPECT_EQ(loaded.file.value(0, kTemp, 0), 2.0);
    EXPECT_EQ(loaded.file.value(1, kTemp, 0), 3.0);
    EXPECT_EQ(loaded.file.value(2, kTemp, 0), 1.0);
    EXPECT_EQ(loaded.file.rowTimeText(3), "11:00:00");
    for (int kind = 0; kind < kKindCount; ++kind)
        EXPECT_FALSE(loaded.file.row(3).hasKind(kindAt(kind)));
}

TEST(Reader, KindCode47IsPascalsAndValuesIgnoreTheLocale)
{
    // A comma as the C++ decimal point and, where the system has one, a Polish C locale.
    struct CommaPoint : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    for (const char *name : {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8"})
        if (std::setlocale(LC_ALL, name))
            break;
    LoadedFile loaded(record(stampAt(10, 0), {{4, 1, 47, "101325"}, {4, 1, 25, "21.5"}}) +
                      record(stampAt(10, 1), {{4, 1, 47, "  -1.5e2xyz"}, {4, 1, 25, "+.5"}}));
    loaded.open();
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);

    EXPECT_EQ(loaded.file.channelCount(ChannelKind::Pressure), 1);
    EXPECT_DOUBLE_EQ(*loaded.file.value(0, ChannelKind::Pressure, 0), 1013.25);
    EXPECT_DOUBLE_EQ(*loaded.file.value(1, ChannelKind::Pressure, 0), -1.5);
    EXPECT_EQ(loaded.file.value(0, kTemp, 0), 21.5);
    EXPECT_EQ(loaded.file.value(1, kTemp, 0), 0.5);
}

TEST(Reader, ListingCountsValuesOfThisReadIncludingRepeats)
{
    // Device 1: twice in the first record only; device 2: once in each; device 3: once.
    // Humidity: only "?" readings, so a name but no values.
    LoadedFile loaded(record(stampAt(10, 0), {{14, 1, 25, "1"},
                                              {14, 1, 25, "2"},
                                              {14, 2, 25, "5"},
                                              {14, 3, 24, "7"},
                                              {14, 1, 26, "?"}}) +
                      record(stampAt(10, 1), {{14, 2, 25, "6"}, {14, 1, 26, "?5"}}));
    loaded.open();
    EXPECT_EQ(loaded.file.value(0, kTemp, 0), 2.0); // the later value of the row stays
    EXPECT_EQ(loaded.file.channelCount(kHumidity), 1);
    EXPECT_EQ(loaded.file.valueCount(kHumidity, 0), 0);
    EXPECT_EQ(loaded.listener.items(),
              (std::vector<std::string>{"Temp. RT-350 nr 1", "Temp. RT-350 nr 2"}));
    EXPECT_EQ(loaded.file.listEntry(1), (ChannelListEntry{0, 1}));
    EXPECT_EQ(loaded.file.listEntry(2), (ChannelListEntry{}));
    EXPECT_EQ(loaded.file.selectedChannel(), (ChannelListEntry{0, 0}));
    EXPECT_TRUE(loaded.file.channelView(kTemp, 1).shown);
    EXPECT_FALSE(loaded.file.channelView(ChannelKind::DewPoint, 0).shown);
    EXPECT_EQ(loaded.file.groupView(UnitGroup::Temperature).viewMinimum,
              loaded.file.groupRange(1).displayMinimum);
}

TEST(Reader, FilesUnder2000BytesAreReadWholeOnEveryRefresh)
{
    // Garbage in front brings the file to exactly 1999 bytes, then to 2000.
    const std::string records = minuteRecords(30);
    LoadedFile loaded(stored(std::string(1999 - records.size(), 'x')) + records);
    ASSERT_EQ(loaded.source.bytes().size(), 1999u);
    loaded.open();
    const std::string once = loaded.text();
    const ReadResult again = loaded.refresh();
    EXPECT_TRUE(again.fullRead);
    EXPECT_EQ(again.rowsAdded, 30);
    EXPECT_EQ(loaded.text(), once);

    loaded.source.bytes().insert(0, stored("x"));
    loaded.open();
    const ReadResult continued = loaded.refresh();
    EXPECT_FALSE(continued.fullRead);
    EXPECT_EQ(continued.rowsAdded, 0);
    EXPECT_EQ(loaded.file.rowCount(), 30);
}

TEST(Reader, ATornOrShortLastRecordWaitsForMore)
{
    // Torn records met at every cut are compared with a full read below; here the reader is
    // seen to stop in front of them. A whole record of fewer than 22 bytes waits as well.
    const std::string head = minuteRecords(60);
    const std::string last = record(stampAt(11, 0), {{4, 1, 25, "30.5"}});
    for (const std::string &tail : {last.substr(0, 14), last.substr(0, last.size() - 1),
                                    encodeRecord(stampAt(11, 5) + "$")}) {
        LoadedFile loaded(head + tail);
        loaded.open();
        EXPECT_EQ(loaded.file.rowCount(), 60) << tail.size();
        EXPECT_EQ(loaded.file.readOffset(), static_cast<std::int64_t>(head.size()));
    }
}

TEST(Reader, FailedTornOrOverlongRecordsAndGarbageLeaveNoTraceAndTheNextRecordIsFound)
{
    const std::string torn = record(stampAt(10, 30), {{4, 1, 25, "99"}, {4, 1, 26, "45"}});
    const std::string decoded = recordBody(stampAt(10, 30), {{4, 1, 25, "99"}, {9, 9, 26, "10"}});
    std::string changed = encodeRecord(decoded); // fails its check as device 9/8
    changed[decoded.find("9,9") + 2] = static_cast<char>(negateByte('8'));
    std::string longGarbage(100000, 'x'); // skipped with a bounded look-ahead
    longGarbage[5000] = '$';
    for (const std::string &bad :
         {changed, torn.substr(0, 25), torn.substr(0, torn.size() - 4), stored("12345$$,,@@,,$"),
          stored("2006120510300"), stored(std::string(40, '\0')), stored("@@@"),
          stored(longGarbage),
          record(stampAt(10, 30), {{4, 1, 25, std::string(17000, ' ') + "99"}})}) {
        LoadedFile loaded(minuteRecords(5) + bad + minuteRecords(5, 5));
        const ReadResult result = loaded.open();
        EXPECT_EQ(result.rowsAdded, 10);
        EXPECT_GE(result.recordsSkipped, 1);
        // No phantom channel, no range from the bad bytes.
        EXPECT_EQ(loaded.file.channelCount(kTemp), 1);
        EXPECT_EQ(loaded.file.channelCount(kHumidity), 1);
        EXPECT_EQ(loaded.file.groupRange(1).dataMaximum, 28); // 99 never counted
        EXPECT_EQ(loaded.file.groupRange(3).dataMinimum, 44); // nor 10
        EXPECT_EQ(loaded.listener.items(),
                  (std::vector<std::string>{"Temp. RT-460 nr 1", "Wilg. wzgl. RT-460 nr 1"}));
        EXPECT_EQ(loaded.file.readOffset(),
                  static_cast<std::int64_t>(loaded.source.bytes().size()));
    }
}

TEST(Reader, EntriesThatStopEarly)
{
    std::vector<EntryText> entries36;
    for (int i = 0; i < 36; ++i)
        entries36.push_back({4, i, 25, "1"});
    std::vector<EntryText> entries35(entries36.begin(), entries36.end() - 1);
    // The 10:02 record ends in an unknown kind code: it is stored without that entry.
    LoadedFile loaded(record(stampAt(10, 0), entries36) + record(stampAt(10, 1), entries35) +
                      record(stampAt(10, 2), {{4, 1, 25, "2"}, {4, 1, 99, "3"}}) +
                      record(stampAt(10, 3), {{4, 77, 25, "2"}, {4, 1, 39, "3"}, {4, 1, 25, "4"}}));
    const ReadResult result = loaded.open();
    EXPECT_EQ(result.rowsAdded, 2);
    EXPECT_EQ(result.recordsSkipped, 2);
    EXPECT_EQ(loaded.file.channelCount(kTemp), 35); // device 4/35 and 4/77 never named
    EXPECT_EQ(loaded.file.channelNames(kTemp).find("RT-460 nr 35"), -1);
    EXPECT_EQ(loaded.file.value(1, kTemp, 1), 2.0);
}

TEST(Reader, A256thNameOfAKindIsLeftOut)
{
    std::string bytes;
    for (int device = 0; device < 300; ++device)
        bytes += record(stampAt(10, device / 60, device % 60),
                        {{14, device, 25, std::to_string(device)}, {14, device, 26, "50"}});
    LoadedFile loaded(bytes);
    loaded.open();
    EXPECT_EQ(loaded.file.channelCount(kTemp), 255);
    EXPECT_EQ(loaded.file.channelCount(kHumidity), 255);
    EXPECT_EQ(loaded.file.rowCount(), 300);
    EXPECT_EQ(loaded.file.value(254, kTemp, 254), 254.0);
    EXPECT_FALSE(loaded.file.row(299).hasKind(kTemp));
    // 252 sets the maximum to 254, which 253 and 254 do not pass; 255 would.
    EXPECT_EQ(loaded.file.groupRange(1).dataMaximum, 254);
}

TEST(Reader, ContinuationAfterAnyCutEqualsAFullRead)
{
    std::string noStamp = stampAt(11, 0);
    noStamp[3] = '\0';
    std::string bytes = minuteRecords(60) + record(stampAt(9, 0), {{4, 2, 25, "-3"}}) +
                        record(noStamp, {{4, 2, 25, "4"}}) + minuteRecords(30, 70);
    bytes.insert(1234, stored("garbage"));
    bytes.insert(3000, stored("20061205" + std::string(30, '$')));
    bytes[3500] = 'x';
    for (std::size_t cut = 1900; cut < bytes.size(); cut += 37) {
        LoadedFile growing(bytes.substr(0, cut));
        growing.open();
        growing.source.bytes() = bytes;
        growing.refresh();
        LoadedFile whole(bytes);
        whole.open();
        // Listing goes by the values of each call, so only the model is compared.
        ASSERT_EQ(growing.text(false), whole.text(false)) << cut;
    }
}

TEST(Reader, PiecesReadInParallelEqualOnePassWhereverTheFileIsCut)
{
    // Damage, a record without a stamp and a clock that goes back, 300 channel names of one
    // kind (a piece with 255 of its own refuses names one pass would take) and a torn end.
    std::string noStamp = stampAt(11, 0);
    noStamp[3] = '\0';
    std::string names;
    for (int device = 0; device < 300; ++device)
        names += record(stampAt(12, device / 60, device % 60), {{14, device, 25, "1"}});
    std::string bytes = minuteRecords(80) + record(stampAt(9, 0), {{4, 2, 25, "-3"}}) +
                        record(noStamp, {{4, 2, 25, "4"}}) + minuteRecords(60, 20) + names +
                        minuteRecords(40, 200);
    bytes.insert(2345, stored("garbage 20061205101000$4,1,25,1,0$@"));
    bytes[5000] = 'x';
    bytes.resize(bytes.size() - 5);
    LoadedFile whole(bytes);
    const ReadResult once = whole.open();
    for (std::size_t cut = 1; cut < bytes.size(); cut += 263) {
        for (const std::vector<std::int64_t> &cuts :
             {std::vector<std::int64_t>{static_cast<std::int64_t>(cut)},
              {static_cast<std::int64_t>(cut / 3), static_cast<std::int64_t>(cut / 3 + 17),
               static_cast<std::int64_t>(cut)}}) {
            LoadedFile pieces(bytes);
            pieces.source.setReadsAtOffsets(true);
            const ReadResult read = ReadMeasurementFile(pieces.file, &pieces.source,
                                                        pieces.listener, false, {true, cuts, {}});
            ASSERT_EQ(pieces.text(), whole.text()) << cut;
            EXPECT_EQ(read.rowsAdded, once.rowsAdded);
            EXPECT_EQ(read.recordsSkipped, once.recordsSkipped) << cut;
        }
    }
}

TEST(Reader, ShortReadsAndReadErrorsLoseNothing)
{
    const std::string bytes = minuteRecords(100);
    LoadedFile whole(bytes);
    whole.open();
    LoadedFile trickle(bytes);
    trickle.source.setLargestRead(7);
    trickle.open();
    EXPECT_EQ(trickle.text(), whole.text());

    LoadedFile loaded(bytes);
    loaded.source.failReadsFrom(3000);
    const ReadResult failed = loaded.open();
    EXPECT_TRUE(failed.readError);
    EXPECT_GT(loaded.file.rowCount(), 0);
    EXPECT_LE(loaded.file.readOffset(), 3000);
    EXPECT_EQ(loaded.file.readOffset() % static_cast<std::int64_t>(bytes.size() / 100), 0);

    loaded.source.failReadsFrom(-1);
    loaded.source.setLengthFails(true);
    const int rows = loaded.file.rowCount();
    EXPECT_TRUE(loaded.refresh().readError);
    EXPECT_EQ(loaded.file.rowCount(), rows); // a failed length changes nothing

    loaded.source.setLengthFails(false);
    EXPECT_FALSE(loaded.refresh().readError);
    EXPECT_EQ(loaded.text(), whole.text());
}

TEST(Reader, ZeroByteInTheStampGivesARowAtThePreviousRecordsTime)
{
    std::string stamp = stampAt(10, 7);
    stamp[9] = '\0';
    LoadedFile whole(minuteRecords(50) + record(stampAt(9, 0), {{4, 1, 25, "1"}}) +
                     record(stamp, {{4, 1, 25, "30"}}) + minuteRecords(2, 50));
    whole.open();
    ASSERT_EQ(whole.file.rowCount(), 54);
    // Sorted: the 09:00 record first, then the row without a stamp at the same time.
    EXPECT_FALSE(whole.file.rowHasStamp(1));
    EXPECT_EQ(whole.file.rowDateText(1), "yyyy.mm.dd");
    EXPECT_EQ(whole.file.rowTimeText(1), "gg.mm.ss");
    EXPECT_EQ(whole.file.rowTime(1), whole.file.rowTime(0));
    EXPECT_EQ(whole.file.value(1, kTemp, 0), 30.0);
}

TEST(Reader, UnusualFieldsAreReadSafely)
{
    const std::string longValue = "  " + std::string(150, '0') + "12.25";
    const std::string padding(700, ' '); // a record longer than the 600-byte look-ahead
    LoadedFile loaded(record(stampAt(10, 0), {{4, 1, 25, longValue}, {4, 1, 26, "1e999"}}) +
                      record(stampAt(10, 1), {{4, 1, 25, padding + "7"}, {4, 1, 26, "nan"}}) +
                      record(stampAt(10, 2), {{4, 99999999, 25, "-1e-999"}}) +
                      record(stampAt(10, 3), {{4, 1, 25, "5"}}));
    const ReadResult result = loaded.open();
    EXPECT_EQ(result.rowsAdded, 4);
    EXPECT_EQ(loaded.file.value(0, kTemp, 0), 12.25);
    EXPECT_FALSE(loaded.file.value(0, kHumidity, 0)); // too large: a missing reading
    EXPECT_EQ(loaded.file.channelCount(kHumidity), 1);
    EXPECT_EQ(loaded.file.value(1, kTemp, 0), 7.0);
    EXPECT_EQ(loaded.file.value(1, kHumidity, 0), 0.0); // "nan" is no number: 0
    EXPECT_EQ(loaded.file.value(2, kTemp, 1), 0.0);
    EXPECT_EQ(loaded.file.channelNames(kTemp).name(1), "RT-460 nr 99999999");
}

} // namespace
} // namespace zyfo
