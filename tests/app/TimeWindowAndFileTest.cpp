// The main window's time pickers, opening files that fail, and live re-reads of a file that
// grows: snapped times, the delayed redraw, disabled controls until a second row, last-N.
#include "MainWindowFixture.h"

#include <QEvent>
#include <QTest>

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

TEST_F(MainWindowTest, QuickPickerChangesGiveOneRedrawAfterTheLast)
{
    open(writeRecords("station.zyd", 0, 50));
    QDateTimeEdit *picker = pickerAt(IDC_TO_TIME, QDateTimeEdit::MinuteSection);
    ASSERT_NE(picker, nullptr);
    PaintCounter counter(window.chart().GetSafeHwnd());
    QTest::qWait(100);
    counter.paints = 0;
    // Three changes 50 ms apart: each restarts the countdown.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(picker, Qt::Key_Down);
        QTest::qWait(50);
    }
    EXPECT_EQ(counter.paints, 0);
    ASSERT_TRUE(waitFor([&] { return counter.paints > 0; }, 10000));
    QTest::qWait(500);
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(MainWindowTest, AFileThatCannotBeOpenedIsReportedAndTheDialogShownAgain)
{
    DialogScript script;
    script.answerFileDialog(IDOK, (folders.root() / "missing.zyd").string());
    script.answerMessageBox(IDOK);
    script.answerFileDialog(IDCANCEL);
    runMenu("Otwórz plik");
    ASSERT_EQ(script.requests().size(), 3u);
    EXPECT_EQ(script.requests()[1].text, "Nieprawidłowy plik");
    EXPECT_EQ(script.requests()[2].kind, DialogRequest::Kind::FileDialog);
}

TEST_F(MainWindowTest, OneRowLeavesTheControlsDisabledUntilAReReadBringsASecond)
{
    open(writeRecords("growing.zyd", 0, 1));
    // Turning live update on re-reads at once.
    window.setLiveUpdate({5, 1, 100, 0});
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
    writeRecords("growing.zyd", 1, 1, true);
    window.setLiveUpdate({5, 1, 100, 0});
    for (int id : kDataControls)
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(MainWindowTest, LastNShowsTheNewestRows)
{
    open(writeRecords("logger.zyd", 0, 300));
    window.setLiveUpdate({5, 1, 100, 1});
    EXPECT_EQ(file().fromRow(), 200);
    EXPECT_EQ(file().toRow(), 299);
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(200));
}

} // namespace
} // namespace zyfo
