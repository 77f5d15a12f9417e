// Opening a file that reads slowly: the progress window after half a second, "Anuluj" leaving
// the file open before and its data as they were, and the live-update timer held off meanwhile.
#include "MainWindowFixture.h"
#include "ModelText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QProgressDialog>

#include <chrono>
#include <memory>
#include <thread>

namespace zyfo {
namespace {

using namespace test;

// A data file whose reads each wait a little and return a little, as over a slow network; it
// counts the reads it served.
class SlowFile : public CFile
{
public:
    SlowFile(std::chrono::milliseconds perRead, std::shared_ptr<int> reads)
        : m_perRead(perRead)
        , m_reads(std::move(reads))
    {}

    std::int64_t read(std::uint8_t *buffer, std::size_t size) override
    {
        ++*m_reads;
        std::this_thread::sleep_for(m_perRead);
        return CFile::read(buffer, std::min<std::size_t>(size, 8192));
    }
    bool readsAtOffsets() const override { return false; }

private:
    std::chrono::milliseconds m_perRead;
    std::shared_ptr<int> m_reads;
};

// About 1.2 MB of records with one humidity each: some 150 reads of 8 KiB, over a second at
// 8 ms a read.
constexpr int kSlowRows = 40000;

class ReadProgressTest : public MainWindowTest
{
protected:
    // The next file opened reads at `perRead` a read; the reads of it are counted in the result.
    std::shared_ptr<int> nextFileReads(std::chrono::milliseconds perRead)
    {
        auto reads = std::make_shared<int>(0);
        window.setDataFileMaker(
            [perRead, reads] { return std::make_unique<SlowFile>(perRead, reads); });
        return reads;
    }

    std::string writeHumidities(const std::string &name)
    {
        const std::filesystem::path path = folders.root() / name;
        std::ofstream out(path, std::ios::binary);
        for (int row = 0; row < kSlowRows; ++row)
            out << record(stampAt(row / 60 % 24, row % 60), {{5, 2, 26, std::to_string(row % 90)}});
        return path.string();
    }

    std::vector<std::string> items()
    {
        auto *list = qobject_cast<QComboBox *>(widgetOf(window, IDC_CHANNEL));
        std::vector<std::string> texts;
        for (int item = 0; list != nullptr && item < list->count(); ++item)
            texts.push_back(list->itemText(item).toStdString());
        return texts;
    }

    // Notes whether a progress window is shown while it lives.
    struct ProgressWatch
    {
        ProgressWatch()
        {
            QObject::connect(&timer, &QTimer::timeout, [this] {
                for (QWidget *widget : QApplication::topLevelWidgets())
                    seen = seen || (qobject_cast<QProgressDialog *>(widget) != nullptr &&
                                    widget->isVisible());
            });
            timer.start(5);
        }
        QTimer timer;
        bool seen = false;
    };
};

TEST_F(ReadProgressTest, AnsweringAnulujLeavesTheFileOpenBeforeAndItsData)
{
    nextFileReads(std::chrono::milliseconds(0));
    const std::string first = writeRecords("first.zyd", 0, 50);
    open(first);
    CFile *const before = window.dataFile();
    const std::string title = this->title();
    const std::vector<std::string> channels = items();
    const std::string model = modelText(file());
    ASSERT_EQ(file().rowCount(), 50);

    const std::string second = writeHumidities("second.zyd");
    const auto reads = nextFileReads(std::chrono::milliseconds(8));
    std::string label;
    std::string button;
    auto answer = whenShown<QProgressDialog>([&](QProgressDialog &progress) {
        label = progress.labelText().toStdString();
        auto *cancel = progress.findChild<QAbstractButton *>();
        ASSERT_NE(cancel, nullptr);
        button = cancel->text().toStdString();
        cancel->click();
    });
    open(second);

    EXPECT_EQ(label, "Wczytywanie pliku...");
    EXPECT_EQ(button, "Anuluj");
    EXPECT_GT(*reads, 0);
    EXPECT_EQ(window.dataFile(), before);
    EXPECT_EQ(window.filePath(), first);
    EXPECT_EQ(this->title(), title);
    EXPECT_EQ(items(), channels);
    EXPECT_TRUE(modelText(file()) == model); // too long to print
    EXPECT_TRUE(enabled(IDC_CHANNEL));
}

TEST_F(ReadProgressTest, LiveUpdateWaitsForTheReadAndAShortReadShowsNoProgress)
{
    const auto firstReads = nextFileReads(std::chrono::milliseconds(0));
    open(writeRecords("first.zyd", 0, 50));
    window.setLiveUpdate({1, 1, 20, 0}); // every second
    QTimer *liveUpdate = runningTimer(kLiveUpdateEverySecond);
    ASSERT_NE(liveUpdate, nullptr);
    const int readsBefore = *firstReads;
    int ticks = 0;
    QObject::connect(liveUpdate, &QTimer::timeout, [&] { ++ticks; });

    // Over a second of reading: a tick of the timer comes meanwhile and must not re-read the
    // file open before (it would read into the data being replaced).
    const auto slowReads = nextFileReads(std::chrono::milliseconds(8));
    ProgressWatch slow;
    open(writeHumidities("second.zyd"));
    EXPECT_TRUE(slow.seen);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(*firstReads, readsBefore);
    EXPECT_GT(*slowReads, 100);
    EXPECT_EQ(file().rowCount(), kSlowRows);
    EXPECT_NE(title().find("second.zyd"), std::string::npos);

    // A few reads: done long before half a second, no progress window.
    nextFileReads(std::chrono::milliseconds(1));
    ProgressWatch quick;
    open(writeRecords("third.zyd", 0, 200));
    EXPECT_FALSE(quick.seen);
    EXPECT_EQ(file().rowCount(), 200);
}

} // namespace
} // namespace zyfo
