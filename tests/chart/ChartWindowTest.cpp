// The chart in a window: what the double-buffered paint shows is what Render draws.
#include "CDataExchange.h"
#include "CImageDC.h"
#include "ChartFixture.h"
#include "WindowTestSupport.h"

#include <QImage>
#include <QWidget>

#include <cmath>

namespace zyfo::test {
namespace {

// A dialog of 300 x 200 units filled by the chart, control 1000.
DialogTemplate chartTemplate()
{
    return {.id = 102,
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
            .caption = "Wykres",
            .fontFace = "MS Sans Serif",
            .cx = 300,
            .cy = 200,
            .items = {DialogItem(1000, ControlClass::Static, "", 0, 0, 300, 200)}};
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

// The dialog's chart shows 40 rows; a render's mean count tells when it has been painted.
TEST(ChartWindowTest, ThePaintedWindowShowsWhatRenderDraws)
{
    ensureApplication();
    const DialogTemplate dialogTemplate = chartTemplate();
    ChartDialog dialog(dialogTemplate);
    CChartCtrl &chart = dialog.m_chart;
    Values values;
    for (int row = 0; row < 40; ++row)
        values.push_back(std::sin(row / 5.0) * 8);
    loadRows(chart, 40, {{ChannelKind::Temperature, "T", values}});
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    ASSERT_TRUE(waitFor([&] { return chart.meanCount(ChannelKind::Temperature, 0) == 40; }));

    CRect client;
    chart.GetClientRect(&client);
    ASSERT_GT(client.Width(), 100);
    const QImage shown =
        chart.GetSafeHwnd()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    CImageDC expected(client.Width(), client.Height());
    chart.RenderAsShown(expected, client);
    EXPECT_TRUE(shown == expected.image());
}

} // namespace
} // namespace zyfo::test
