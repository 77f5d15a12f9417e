// The chart in a window: double-buffered painting, counted and uncounted setters, busy guard.
#include "Application.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CImageDC.h"
#include "ChartFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <cmath>

namespace zyfo::test {
namespace {

// Runs the event loop until `done` holds or two seconds pass; returns `done()`.
template<class Done>
bool waitFor(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

DialogTemplate chartTemplate()
{
    DialogItem frame;
    frame.id = 1000;
    frame.controlClass = ControlClass::Static;
    frame.cx = 300;
    frame.cy = 200;
    DialogTemplate result;
    result.id = 102;
    result.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    result.caption = "Wykres";
    result.fontFace = "MS Sans Serif";
    result.cx = 300;
    result.cy = 200;
    result.items = {frame};
    return result;
}

class ChartDialog : public CDialog
{
public:
    explicit ChartDialog(const DialogTemplate &dialogTemplate)
        : CDialog(dialogTemplate)
    {}
    CChartCtrl m_chart;

protected:
    void DoDataExchange(CDataExchange *exchange) override { DDX_Control(exchange, 1000, m_chart); }
};

// The dialog is shown with the first 20 of 40 rows in the window; a render's mean count of the
// channel then tells whether, and over which window, the chart was last painted.
TEST(ChartWindowTest, PaintShowsRenderAndSettersAndTheBusyGuardPaintWhenTheyShould)
{
    ensureApplication();
    const DialogTemplate dialogTemplate = chartTemplate();
    ChartDialog dialog(dialogTemplate);
    CChartCtrl &chart = dialog.m_chart;
    Values values;
    for (int row = 0; row < 40; ++row)
        values.push_back(std::sin(row / 5.0) * 8);
    loadRows(chart, 40, {{ChannelKind::Temperature, "T", values}});
    const auto setWindow = [&](int lastRow) {
        chart.file().setToTime(chart.file().rowTime(lastRow));
    };
    const auto painted = [&](int rows) {
        return waitFor([&] { return chart.meanCount(ChannelKind::Temperature, 0) == rows; });
    };
    setWindow(19);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    ASSERT_TRUE(painted(20));

    CRect client;
    chart.GetClientRect(&client);
    ASSERT_GT(client.Width(), 100);
    const QImage shown =
        chart.GetSafeHwnd()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    CImageDC expected(client.Width(), client.Height());
    chart.RenderAsShown(expected, client);
    EXPECT_TRUE(shown == expected.image()) << "the window shows what Render draws";

    // A counted setter paints after it returns, in the event loop; an uncounted one at once.
    setWindow(29);
    chart.SetChartBackColor(RGB(0, 0, 64));
    EXPECT_EQ(chart.meanCount(ChannelKind::Temperature, 0), 20);
    EXPECT_EQ(chart.busyCount(), 0);
    EXPECT_TRUE(painted(30));
    setWindow(39);
    chart.SetShowMeans(1);
    EXPECT_EQ(chart.meanCount(ChannelKind::Temperature, 0), 40);

    {
        CChartCtrl::BusyGuard busy(chart);
        setWindow(29);
        chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(chart.meanCount(ChannelKind::Temperature, 0), 40) << "held back";
        EXPECT_EQ(chart.busyCount(), 1);
    }
    EXPECT_TRUE(painted(30));
}

} // namespace
} // namespace zyfo::test
