// Tests of the report writer: both layouts byte for byte, headers, numbers, comment, files.
#include "ReportWriter.h"
#include "FileContents.h"
#include "SystemReportFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using K = ChannelKind;
using test::readFile;

// A MeasurementFile filled row by row, as the reader would.
struct Data
{
    int channel(K kind, const std::string &name) { return file.channelNames(kind).add(name); }

    Data &row(const char *stamp)
    {
        Stamp s{};
        std::copy(stamp, stamp + kStampLength, s.begin());
        file.appendRow(0, &s);
        return *this;
    }

    Data &value(K kind, int channel, double v)
    {
        file.storeValue(kind, channel, v);
        return *this;
    }

    MeasurementFile file;
};

// The example of two thermometers and a barometer, the second thermometer missing in row 3.
Data exampleData()
{
    Data d;
    const int t1 = d.channel(K::Temperature, "RT-350 nr 1");
    const int t2 = d.channel(K::Temperature, "RT-350 nr 2");
    const int p = d.channel(K::Pressure, "RT-390 nr 1");
    d.row("20060512134500").value(K::Temperature, t1, 21.5).value(K::Temperature, t2, 19.25);
    d.value(K::Pressure, p, 1013.2);
    d.row("20060512135000").value(K::Temperature, t1, 21.4).value(K::Temperature, t2, 19.3);
    d.value(K::Pressure, p, 1013.1);
    d.row("20060512135500").value(K::Temperature, t1, 21.3).value(K::Pressure, p, 1013.0);
    return d;
}

class ReportWriterTest : public ::testing::Test
{
protected:
    // Writes a report of `data` to m_path and returns the file's bytes.
    std::string report(const Data &data, ReportOptions options,
                       ExistingFileAction action = ExistingFileAction::Replace)
    {
        SystemReportFile file;
        m_asked = 0;
        const std::int64_t before =
            fs::exists(m_path) ? static_cast<std::int64_t>(fs::file_size(m_path)) : 0;
        const ReportResult result = ReportWriter(data.file, options).write(file, m_path, [&] {
            ++m_asked;
            return action;
        });
        EXPECT_EQ(result.status, ReportStatus::Written) << result.systemError;
        const std::string bytes = readFile(m_path);
        if (action == ExistingFileAction::Append)
            EXPECT_EQ(result.bytesWritten, static_cast<std::int64_t>(bytes.size()) - before);
        else
            EXPECT_EQ(result.bytesWritten, static_cast<std::int64_t>(bytes.size()));
        return bytes;
    }

    static ReportOptions csv(std::string separator = ".")
    {
        ReportOptions options;
        options.format = ReportFormat::Delimited;
        options.decimalSeparator = std::move(separator);
        return options;
    }

    test::TemporaryFolder m_folder{"zyfo-report"};
    const fs::path m_dir = m_folder.path();
    const fs::path m_path = m_dir / "raport.txt";
    int m_asked = 0;
};

// The header repeats each time the set of channels changes, also when a channel comes back; an
// empty row ends with the separator.
TEST_F(ReportWriterTest, DelimitedExampleByteForByte)
{
    Data d = exampleData();
    d.channel(K::RelativeHumidity, "RT-460 nr 1"); // named, but only "?" readings: never a column
    d.row("20060512140000").value(K::Temperature, 0, 21.2).value(K::Temperature, 1, 19.4);
    d.value(K::Pressure, 0, 1012.9);
    d.row("20060512140500");
    EXPECT_EQ(report(d, csv()), "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                                "C,Temp. RT-350 nr 2 \xB0"
                                "C,"
                                "Ci\x9C. RT-390 nr 1 hPa\r\n"
                                "2006.05.12 13:45:00,21.50,19.25,1013.20\r\n"
                                "2006.05.12 13:50:00,21.40,19.30,1013.10\r\n"
                                "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                                "C,Ci\x9C. RT-390 nr 1 hPa\r\n"
                                "2006.05.12 13:55:00,21.30,1013.00\r\n"
                                "Data i Godzina  ,Temp. RT-350 nr 1 \xB0"
                                "C,Temp. RT-350 nr 2 \xB0"
                                "C,"
                                "Ci\x9C. RT-390 nr 1 hPa\r\n"
                                "2006.05.12 14:00:00,21.20,19.40,1012.90\r\n"
                                "Data i Godzina  \r\n"
                                "2006.05.12 14:05:00,\r\n");
    EXPECT_EQ(m_asked, 0) << "a new file needs no question";
}

TEST_F(ReportWriterTest, EveryKindInReportOrderWithItsHeaderAndBlanks)
{
    Data d;
    // Channels added in ChannelKind order; the report orders them its own way.
    d.row("20060512134500");
    for (int k = 0; k < kKindCount; ++k)
        d.value(kindAt(k), d.channel(kindAt(k), std::string("D").append(std::to_string(k))),
                1.0 + k);
    const std::string bytes = report(d, ReportOptions{});
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")),
              "Data i Godzina  \tTemp. D0 \xB0"
              "C\tCi\x9C. D1 hPa\tWilg. wzgl. D2 %\t"
              "P. rosy D3 \xB0"
              "C\tZaw. pary D4 ppm\tProm. D5 W/m2\tProm. D6 kLx\t"
              "Prom. D10 \xB5mol/sm2\tPr\xEA"
              "dko\x9C\xE6 D7 m/s\tKier. D8 \xB0\tWys. D9 mm\t"
              "We. bin. D11 ppm");
    const auto cell = [](const char *v, int blanks) {
        return std::string(v) + std::string(blanks, ' ');
    };
    EXPECT_EQ(bytes.substr(bytes.find("\r\n") + 2),
              "2006.05.12 13:45:00\t" + cell("1.00", 18) + "\t" + cell("2.00", 17) + "\t" +
                  cell("3.00", 20) + "\t" + cell("4.00", 19) + "\t" + cell("5.00", 20) + "\t" +
                  cell("6.00", 21) + "\t" + cell("7.00", 21) + "\t" + cell("11.00", 21) + "\t" +
                  cell("8.00", 22) + "\t" + cell("9", 20) + "\t" + cell("10.00", 17) + "\t" +
                  cell("12.00", 20) + "\r\n");
}

// Values are rounded as printf rounds them, with the kind's number of decimals; the user's
// decimal comma is written unquoted also in the comma-separated layout.
TEST_F(ReportWriterTest, ReadingsAreRoundedToTheirKindsDecimals)
{
    struct Case
    {
        K kind;
        double value;
        const char *separator, *cell;
    };
    const Case cases[] = {{K::WindDirection, 359.6, ".", "360"},
                          {K::Temperature, -0.004, ",", "-0,00"},
                          {K::Pressure, 999.995, ",", "1000,00"}};
    for (const Case &c : cases) {
        Data d;
        d.row("20060512134500").value(c.kind, d.channel(c.kind, "D"), c.value);
        const std::string bytes = report(d, csv(c.separator));
        EXPECT_EQ(bytes.substr(bytes.find("\r\n") + 2),
                  std::string("2006.05.12 13:45:00,") + c.cell + "\r\n")
            << c.value;
    }
}

TEST_F(ReportWriterTest, CommentIsWrittenAsTypedWithCrLfOnlyWhenCheckedAndNotEmpty)
{
    const Data d = exampleData();
    ReportOptions options = csv();
    options.comment = "Pomiar w szklarni\nczujnik \xE2\x86\x92 okno\r\nkoniec";
    const std::string plain = report(d, options);
    EXPECT_EQ(plain.rfind("Data i Godzina", 0), 0u) << "box unchecked: no comment";

    options.withComment = true;
    const std::string withComment = report(d, options);
    EXPECT_EQ(withComment, "Pomiar w szklarni\r\nczujnik ? okno\r\nkoniec\r\n" + plain);

    ReportOptions emptyComment = csv();
    emptyComment.withComment = true;
    EXPECT_EQ(report(d, emptyComment), plain) << "box checked, comment empty: no line for it";

    options.comment = "Łódź";
    EXPECT_EQ(report(Data(), options), "\xA3\xF3"
                                       "d\x9F\r\n")
        << "no rows: the comment alone";
}

TEST_F(ReportWriterTest, AppendKeepsOldContentAndReplaceEmptiesTheFileFirst)
{
    const Data d = exampleData();
    std::ofstream(m_path, std::ios::binary) << std::string(100000, 'x');
    const std::string first = report(d, csv(), ExistingFileAction::Replace);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(first.find('x'), std::string::npos);
    ReportOptions options = csv();
    options.withComment = true;
    options.comment = "drugi";
    EXPECT_EQ(report(d, options, ExistingFileAction::Append), first + "drugi\r\n" + first);
    EXPECT_EQ(m_asked, 1);
}

TEST_F(ReportWriterTest, UnopenablePathIsUnavailableAndCreatesNothing)
{
    EXPECT_EQ(kFileUnavailableMessage, "Wybrany plik jest niedostępny.");
    SystemReportFile file;
    bool asked = false;
    const ReportResult result =
        ReportWriter(exampleData().file, csv()).write(file, m_dir / "no-such-dir" / "r.txt", [&] {
            asked = true;
            return ExistingFileAction::Append;
        });
    EXPECT_EQ(result.status, ReportStatus::FileUnavailable);
    EXPECT_FALSE(result.systemError.empty());
    EXPECT_FALSE(asked);
    EXPECT_FALSE(fs::exists(m_dir / "no-such-dir"));
}

} // namespace
} // namespace zyfo
