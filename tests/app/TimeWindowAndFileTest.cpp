// The main window's time pickers, opening files that fail, and live re-reads of a file that
// grows: snapped times, the delayed redraw, disabled controls until a second row, last-N.
#include "MainWindowFixture.h"

#include <QTest>

namespace zyfo {
namespace {

using namespace test;

TEST_F(MainWindowTest, PickersSnapToExistingRowsAndAFromDatePastTheLastRowToTheLastRow)
{
    // Rows every ten minutes, 00:00 to 08:10.
    open(writeRecords("station.zyd", 0, 50, false, 10));
    QDateTimeEdit *picker = pickerAt(IDC_TO_TIME, QDateTimeEdit::MinuteSection);
    ASSERT_NE(picker, nullptr);
    // 08:09 is earlier than the end's 08:10: back to the row at or before it.
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(file().toRow(), 48);
    EXPECT_EQ(picker->time(), QTime(8, 0));
    // 08:01 is later than 08:00: forward to the row at or after it.
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(file().toRow(), 49);
    EXPECT_EQ(picker->time(), QTime(8, 10));

    // Any step forward of the date lands after the file's only day.
    pressKey(window, IDC_FROM_DATE, Qt::Key_Up);
    EXPECT_EQ(file().fromRow(), 49);
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(49));
    pressKey(window, IDC_FROM_DATE, Qt::Key_Down);
    EXPECT_EQ(file().fromRow(), 0) << "back before the first row: the first row";
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
    EXPECT_EQ(file().toRow(), 46);
    ASSERT_TRUE(waitFor([&] { return counter.paints > 0; }, 10000));
    // The timer stopped with that redraw: no further ones come.
    QTest::qWait(500);
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(MainWindowTest, AFileThatCannotBeOpenedIsReportedAndTheDialogShownAgain)
{
    open(writeRecords("station.zyd", 0, 20));
    const std::string titleBefore = title();
    DialogScript script;
    script.answerFileDialog(IDOK, (folders.root() / "missing.zyd").string());
    script.answerMessageBox(IDOK);
    script.answerFileDialog(IDOK, folders.root().string()); // a folder is no data file
    script.answerMessageBox(IDOK);
    script.answerFileDialog(IDCANCEL);
    runMenu("Otwórz plik");
    const auto &requests = script.requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[1].text, "Nieprawidłowy plik");
    EXPECT_EQ(requests[2].kind, DialogRequest::Kind::FileDialog);
    EXPECT_EQ(requests[3].text, "Nieprawidłowy plik");
    // The data read before stays; the title too; the file is no longer held.
    EXPECT_EQ(title(), titleBefore);
    EXPECT_EQ(window.dataFile(), nullptr);
    EXPECT_EQ(file().rowCount(), 20);
    EXPECT_TRUE(enabled(IDC_CHANNEL));
}

TEST_F(MainWindowTest, OneRowLeavesTheControlsDisabledUntilAReReadBringsASecond)
{
    const std::string path = writeRecords("growing.zyd", 0, 1);
    open(path);
    EXPECT_EQ(title(), "VENTRO ZYFO - " + path);
    // Turning live update on re-reads at once: still one row.
    window.setLiveUpdate({5, 1, 100, 0});
    EXPECT_EQ(static_cast<CComboBox &>(control(IDC_CHANNEL)).GetCount(), 0);
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;

    writeRecords("growing.zyd", 1, 1, true);
    window.setLiveUpdate({5, 1, 100, 0});
    for (int id : kDataControls)
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(1));

    // The logger starts its file again: a re-read finds one record and empties the list. The
    // "Wykres" box still ticked from before must not mark a channel without data as drawn.
    writeRecords("growing.zyd", 0, 1);
    window.setLiveUpdate({5, 1, 100, 0});
    EXPECT_EQ(static_cast<CComboBox &>(control(IDC_CHANNEL)).GetCount(), 0);
    EXPECT_FALSE(enabled(IDC_CHANNEL));
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            EXPECT_FALSE(file().channelView(kindAt(kind), channel).shown) << kind << "/" << channel;
    EXPECT_FALSE(file().groupView(UnitGroup::Temperature).shown);
}

TEST_F(MainWindowTest, LastNShowsTheNewestRowsAndTheFromPickersFollow)
{
    const std::string path = writeRecords("logger.zyd", 0, 300);
    open(path);
    window.setLiveUpdate({5, 1, 100, 1});
    EXPECT_EQ(file().fromRow(), 200);
    EXPECT_EQ(file().toRow(), 299);
    writeRecords("logger.zyd", 300, 50, true);
    window.setLiveUpdate({5, 1, 100, 1});
    EXPECT_EQ(file().fromRow(), 250);
    EXPECT_EQ(file().toRow(), 349);
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(250));
    EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(349));
    window.setLiveUpdate({5, 1, 1000, 1});
    EXPECT_EQ(file().fromRow(), 0) << "fewer rows than N: all of them";

    // Turned off, the timer reads no more; cancelling "Otwórz plik" keeps the file.
    window.setLiveUpdate({1, 1, 100, 0});
    window.setLiveUpdate({1, 0, 100, 0});
    writeRecords("logger.zyd", 350, 10, true);
    QTest::qWait(1500);
    EXPECT_EQ(file().rowCount(), 350);
    DialogScript script;
    script.answerFileDialog(IDCANCEL);
    runMenu("Otwórz plik");
    EXPECT_EQ(window.filePath(), path);
    EXPECT_NE(window.dataFile(), nullptr);
}

} // namespace
} // namespace zyfo
