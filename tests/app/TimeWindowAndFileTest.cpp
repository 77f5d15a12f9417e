// The main window's time pickers, opening files that fail or are cancelled or are handed over
// while a message box is open, and live re-reads of a file that grows: snapped times, the
// delayed redraw, last-N.
#include "MainWindowFixture.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <vector>

namespace zyfo {
namespace {

using namespace test;

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(MainWindowTest, AFromDatePastTheLastRowSnapsToTheLastRow)
{
    open(writeRecords("station.zyd", 0, 50, false, 10));
    pressKey(window, IDC_FROM_DATE, Qt::Key_Up);
    EXPECT_EQ(file().fromRow(), 49);
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(49));
}

// The redraw timer ticks every 100 ms and redraws on the second tick after the last change.
// Each change is made right after a tick, whatever the machine's load, so each one must restart
// the countdown for the chart to stay unpainted until the second tick after the third.
TEST_F(MainWindowTest, QuickPickerChangesGiveOneRedrawAfterTheLast)
{
    open(writeRecords("station.zyd", 0, 50));
    // Focused with the minutes current, as a click into them would leave it.
    focus(window, IDC_TO_TIME);
    auto *picker = qobject_cast<QDateTimeEdit *>(widgetOf(window, IDC_TO_TIME));
    ASSERT_NE(picker, nullptr);
    picker->setCurrentSection(QDateTimeEdit::MinuteSection);
    PaintCounter counter(window.chart().GetSafeHwnd());
    QApplication::processEvents();
    counter.paints = 0;
    QTest::keyClick(picker, Qt::Key_Down);
    const QPointer<QTimer> redraw = runningTimer(kRedrawTimerInterval);
    ASSERT_NE(redraw, nullptr);
    std::vector<int> paintsAtTicks;
    // Connected after the window's own handler: each entry is counted after the window's tick.
    QObject::connect(redraw, &QTimer::timeout, [&] {
        paintsAtTicks.push_back(counter.paints);
        if (paintsAtTicks.size() < 3)
            QTest::keyClick(picker, Qt::Key_Down);
    });
    // The timer is deleted once it has redrawn, so no later tick can paint again.
    ASSERT_TRUE(waitFor([&] { return redraw.isNull(); }));
    EXPECT_EQ(paintsAtTicks, (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(counter.paints, 1);
}

// Cancelling "Otwórz plik" keeps the file open and re-read on the timer; a file that cannot be
// opened leaves the data read before on screen and the title as it was, no longer re-read.
TEST_F(MainWindowTest, ACancelledOrFailedOpenKeepsTheDataShownAndOnlyACancelKeepsItLive)
{
    struct Case
    {
        bool fails;
        int rowsAfterATick;
    };
    const Case cases[] = {{false, 25}, {true, 20}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fails);
        open(writeRecords("station.zyd", 0, 20));
        window.setLiveUpdate({1, 1, 100, 0});
        const std::string shownTitle = title();
        const COLORREF color = window.chart().channelColor(ChannelKind::Temperature, 0);
        const std::size_t lines = linesIn(color);
        ASSERT_GT(lines, 0u);

        DialogScript script;
        if (c.fails) {
            script.answerFileDialog(IDOK, (folders.root() / "missing.zyd").string());
            script.answerMessageBox(IDOK);
        }
        script.answerFileDialog(IDCANCEL);
        runMenu("Otwórz plik");
        ASSERT_EQ(script.requests().size(), c.fails ? 3u : 1u);
        if (c.fails) {
            EXPECT_EQ(script.requests()[1].text, "Nieprawidłowy plik");
            EXPECT_EQ(script.requests()[2].kind, DialogRequest::Kind::FileDialog);
        }
        EXPECT_EQ(title(), shownTitle);
        EXPECT_EQ(window.dataFile() != nullptr, !c.fails);
        EXPECT_EQ(file().rowCount(), 20);
        EXPECT_EQ(linesIn(color), lines);

        writeRecords("station.zyd", 20, 5, true);
        QTimer *liveUpdate = runningTimer(kLiveUpdateEverySecond);
        ASSERT_NE(liveUpdate, nullptr);
        ASSERT_TRUE(waitForTick(liveUpdate));
        EXPECT_EQ(file().rowCount(), c.rowsAfterATick);
    }
}

TEST_F(MainWindowTest, FilesHandedOverWhileAMessageBoxIsOpenWaitAndTheLastOneOpens)
{
    const std::string earlier = writeRecords("earlier.zyd", 0, 20);
    const std::string last = writeRecords("last.zyd", 0, 30);
    auto watch = whenShown<QMessageBox>([&](QMessageBox &box) {
        window.openFileWhenIdle(earlier);
        window.openFileWhenIdle(last);
        QTimer *pending = runningTimer(50);
        ASSERT_NE(pending, nullptr);
        EXPECT_TRUE(waitForTick(pending));
        EXPECT_TRUE(waitForTick(pending));
        EXPECT_EQ(window.dataFile(), nullptr) << "opened while the box was open";
        box.accept();
    });
    window.MessageBox("Pomiar trwa");
    EXPECT_TRUE(waitFor([&] { return window.dataFile() != nullptr; }));
    EXPECT_EQ(window.filePath(), last);
    EXPECT_EQ(title(), "VENTRO ZYFO - " + last);
    EXPECT_EQ(file().rowCount(), 30);
    EXPECT_EQ(runningTimer(50), nullptr) << "nothing waits any more";
}

// From is the row N before the newest, or the first row when there are N rows or fewer.
TEST_F(MainWindowTest, LastNShowsTheNewestRowsOrAllOfFewer)
{
    struct Case
    {
        int rows, lastCount, fromRow;
    };
    const Case cases[] = {{300, 100, 200}, {100, 100, 0}, {30, 100, 0}, {30, 5, 25}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, last " << c.lastCount);
        open(writeRecords("logger.zyd", 0, c.rows));
        window.setLiveUpdate({5, 1, c.lastCount, 1});
        EXPECT_EQ(file().fromRow(), c.fromRow);
        EXPECT_EQ(file().toRow(), c.rows - 1);
        EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(c.fromRow));
    }
}

} // namespace
} // namespace zyfo
