// Reading the chart with the mouse and the keys in the main window: the wheel zooms around the
// row under the pointer, a drag pans, a double click and Home show the whole file, the pickers
// follow every change; the readout is drawn over the chart only; live updating goes on as
// before; a busy chart ignores the input.
#include "ChartLayout.h"
#include "MainWindowFixture.h"
#include "RowPlacement.h"

#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include <ostream>

namespace zyfo {

void PrintTo(const RowWindow &rows, std::ostream *out)
{
    *out << rows.first << ".." << rows.last;
}

namespace {

using namespace test;

constexpr int kRows = 100;

class ChartMouseTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        open(writeRecords("station.zyd", 0, kRows));
    }

    QWidget *chartWidget() { return window.chart().GetSafeHwnd(); }

    ChartLayout layout()
    {
        CRect client;
        window.chart().GetClientRect(&client);
        return ChartLayout(client, 1, window.chart().bottomBandHeight(), file());
    }

    // The widget point over row `row` of the shown rows, halfway down the plot band.
    QPoint pointAt(int row)
    {
        const ChartLayout band = layout();
        return QPoint(RowPlacement(band, shown()).xOf(row),
                      (band.plotTop() + band.plotBottom()) / 2) +
               chartWidget()->contentsRect().topLeft();
    }

    // The shown row nearest to the widget point `at`.
    int rowUnder(QPoint at)
    {
        return RowPlacement(layout(), shown()).rowAt(at.x() - chartWidget()->contentsRect().x());
    }

    void wheel(QPoint at, int delta)
    {
        QWheelEvent event(at, chartWidget()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chartWidget(), &event);
    }

    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(chartWidget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(chartWidget(), to);
        QTest::mouseRelease(chartWidget(), Qt::LeftButton, {}, to);
    }

    RowWindow shown() { return {file().fromRow(), file().toRow()}; }

    // Both picker pairs show the times of the shown rows' ends.
    void expectPickersShowTheEnds()
    {
        EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(file().fromRow()));
        EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(file().toRow()));
    }
};

TEST_F(ChartMouseTest, TheWheelZoomsAroundTheRowUnderThePointerWithThePickersFollowing)
{
    struct Step
    {
        int row; // under the pointer
        int delta;
        RowWindow rows;
        bool atFileEnds; // the window cannot move further, so the row may leave the pointer
    };
    const Step steps[] = {
        {40, WHEEL_DELTA, {8, 87}, false},     // 79 rows, row 40 keeps 32 of them before it
        {40, WHEEL_DELTA, {15, 78}, false},    // 63 rows
        {40, -WHEEL_DELTA, {9, 88}, false},    // back out: row 40 is still the nearest
        {40, -2 * WHEEL_DELTA, {0, 99}, true}, // two notches at once, stopping at the ends
        {40, WHEEL_DELTA / 2, {0, 99}, false}, // half a notch waits for the other half
        {40, WHEEL_DELTA / 2, {8, 87}, false},
    };
    for (const Step &step : steps) {
        const QPoint at = pointAt(step.row);
        wheel(at, step.delta);
        EXPECT_EQ(shown(), step.rows) << step.delta;
        expectPickersShowTheEnds();
        if (!step.atFileEnds) {
            EXPECT_EQ(rowUnder(at), step.row) << "the row left the pointer at " << step.delta;
        }
    }
}

// Zooming in stops at two rows, zooming out at the whole file; a double click shows the whole
// file at once.
TEST_F(ChartMouseTest, ZoomingStopsAtTwoRowsAndAtTheWholeFileAndADoubleClickShowsItAll)
{
    for (int notch = 0; notch < 40; ++notch)
        wheel(pointAt(std::clamp(50, file().fromRow(), file().toRow())), WHEEL_DELTA);
    EXPECT_EQ(shown().span(), 1);
    EXPECT_LE(file().fromRow(), 50);
    EXPECT_GE(file().toRow(), 50);
    QTest::mouseDClick(chartWidget(), Qt::LeftButton, {}, pointAt(file().fromRow()));
    EXPECT_EQ(shown(), (RowWindow{0, kRows - 1}));
    expectPickersShowTheEnds();
    wheel(pointAt(40), WHEEL_DELTA);
    ASSERT_NE(shown(), (RowWindow{0, kRows - 1}));
    for (int notch = 0; notch < 40; ++notch)
        wheel(pointAt(file().fromRow()), -WHEEL_DELTA);
    EXPECT_EQ(shown(), (RowWindow{0, kRows - 1}));
    expectPickersShowTheEnds();
}

TEST_F(ChartMouseTest, DraggingPansByTheRowsPassedAndStopsAtBothEnds)
{
    wheel(pointAt(40), WHEEL_DELTA);
    ASSERT_EQ(shown(), (RowWindow{8, 87}));
    struct Case
    {
        int fromRow;
        int toRow;  // of the rows shown when the drag begins
        int beyond; // pixels past the second row
        RowWindow rows;
    };
    const Case cases[] = {
        {40, 30, 0, {18, 97}},   // ten rows to the left shows ten later rows
        {40, 45, 0, {13, 92}},   // five to the right, five earlier
        {40, 40, 5000, {0, 79}}, // far to the right: the first row
        {40, 40, -5000, {20, 99}},
    };
    for (const Case &c : cases) {
        drag(pointAt(c.fromRow), pointAt(c.toRow) + QPoint(c.beyond, 0));
        EXPECT_EQ(shown(), c.rows) << c.fromRow << " to " << c.toRow << " + " << c.beyond;
        expectPickersShowTheEnds();
    }
}

// A click focuses the chart; Enter and Escape then move the focus to the window, which stays
// open, as they do from any control.
TEST_F(ChartMouseTest, KeysPanZoomAndShowTheWholeFileAndEnterAndEscapeKeepTheirMeaning)
{
    QTest::mouseClick(chartWidget(), Qt::LeftButton, {}, pointAt(50));
    ASSERT_EQ(CWnd::GetFocus(), &window.chart());
    struct Case
    {
        Qt::Key key;
        RowWindow rows;
    };
    const Case cases[] = {
        {Qt::Key_Plus, {10, 89}}, // around row 49, the middle
        {Qt::Key_Left, {3, 82}},  // a tenth of 79 rows
        {Qt::Key_Left, {0, 79}},  {Qt::Key_Right, {7, 86}}, {Qt::Key_Minus, {0, 99}},
        {Qt::Key_Plus, {10, 89}}, {Qt::Key_Home, {0, 99}},
    };
    for (const Case &c : cases) {
        QTest::keyClick(chartWidget(), c.key);
        EXPECT_EQ(shown(), c.rows) << c.key;
        expectPickersShowTheEnds();
    }
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::mouseClick(chartWidget(), Qt::LeftButton, {}, pointAt(50));
        QTest::keyClick(chartWidget(), key);
        EXPECT_TRUE(window.IsWindowVisible()) << key;
        EXPECT_EQ(CWnd::GetFocus(), &window) << key;
        EXPECT_EQ(shown(), (RowWindow{0, kRows - 1})) << key;
    }
}

// The readout changes what the window shows while the pointer is over the plot band and
// nothing of what the chart renders; leaving the band takes it away.
TEST_F(ChartMouseTest, TheReadoutIsDrawnOverTheChartAndGoesWhenThePointerLeaves)
{
    const auto rendered = [&] {
        CRecordingDC dc;
        window.chart().RenderAsShown(dc, {0, 0, 800, 600});
        return dc.primitives().size();
    };
    const std::size_t before = rendered();
    const QImage plain = chartWidget()->grab().toImage();
    QTest::mouseMove(chartWidget(), pointAt(30));
    const QImage pointed = chartWidget()->grab().toImage();
    EXPECT_NE(pointed, plain);
    EXPECT_EQ(rendered(), before);
    QTest::mouseMove(chartWidget(), QPoint(2, 2)); // over the value axes: no readout
    EXPECT_EQ(chartWidget()->grab().toImage(), plain);
    QTest::mouseMove(chartWidget(), pointAt(30));
    EXPECT_EQ(chartWidget()->grab().toImage(), pointed);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chartWidget(), &leave);
    EXPECT_EQ(chartWidget()->grab().toImage(), plain);
}

TEST_F(ChartMouseTest, ABusyChartIgnoresTheWheelTheMouseAndTheKeys)
{
    CChartCtrl::BusyGuard busy(window.chart());
    wheel(pointAt(40), WHEEL_DELTA);
    QTest::mouseDClick(chartWidget(), Qt::LeftButton, {}, pointAt(40));
    drag(pointAt(40), pointAt(10));
    QTest::keyClick(chartWidget(), Qt::Key_Plus);
    EXPECT_EQ(shown(), (RowWindow{0, kRows - 1}));
}

// With last-N on, the next re-read moves a zoomed window back onto the newest rows; with it
// off, a re-read keeps the zoomed From end and moves only the To end to the newest row.
TEST_F(ChartMouseTest, AZoomLastsUntilTheNextReReadMovesTheWindow)
{
    struct Case
    {
        int lastOn;
        RowWindow zoomed;
        RowWindow afterReRead;
    };
    const Case cases[] = {{1, {82, 97}, {90, 109}}, {0, {18, 97}, {18, 109}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lastOn);
        open(writeRecords("station.zyd", 0, kRows));
        window.setLiveUpdate({1, 1, 20, c.lastOn});
        wheel(pointAt(90), WHEEL_DELTA);
        EXPECT_EQ(shown(), c.zoomed);
        writeRecords("station.zyd", kRows, 10, true);
        ASSERT_TRUE(waitFor([&] { return file().rowCount() == kRows + 10; }));
        EXPECT_EQ(shown(), c.afterReRead);
        expectPickersShowTheEnds();
        window.setLiveUpdate({1, 0, 20, 0});
    }
}

} // namespace
} // namespace zyfo
