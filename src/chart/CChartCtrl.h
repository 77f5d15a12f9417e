// The chart control: the loaded file, the chart settings and drawing objects, and the chart's
// drawing on the screen, the printer or any other surface.
#pragma once

#include "CDC.h"
#include "CFont.h"
#include "CPen.h"
#include "CRect.h"
#include "CStatic.h"
#include "ChannelKind.h"
#include "ChartNavigator.h"
#include "ChartSettings.h"
#include "MeasurementFile.h"
#include "RowWindow.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zyfo {

class CImageDC;
class ChartLayout;
class RowPlacement;

// Owns the loaded MeasurementFile, the chart settings, one pen per channel, the two text pens
// and the four fonts. Render draws the whole chart on any surface, with or without a window;
// the window (the main dialog's control 1000, bound with DDX_Control) paints through it
// double-buffered. With the pointer over the plot band the window also shows a readout of the
// row under it, drawn over the rendered chart; the wheel, a drag, a double click and the keys
// move the time window through the navigator.
class CChartCtrl : public CStatic
{
public:
    // Raises the busy counter for its lifetime: the chart does not paint meanwhile.
    class BusyGuard
    {
    public:
        explicit BusyGuard(CChartCtrl &chart)
            : m_chart(chart)
        {
            ++m_chart.m_busy;
        }
        ~BusyGuard() { --m_chart.m_busy; }
        BusyGuard(const BusyGuard &) = delete;
        BusyGuard &operator=(const BusyGuard &) = delete;

    private:
        CChartCtrl &m_chart;
    };

    // The decimal separator of the legend's means is taken from the C library's current
    // numeric locale (set at start-up).
    CChartCtrl();
    ~CChartCtrl() override;
    CChartCtrl(const CChartCtrl &) = delete;
    CChartCtrl &operator=(const CChartCtrl &) = delete;

    // The loaded data, owned by the control; callers write it and then redraw the control.
    MeasurementFile &file() { return m_file; }
    const MeasurementFile &file() const { return m_file; }

    // The settings kept in the registry. The settings store reads and writes them directly;
    // everyone else changes them through the setters below.
    ChartSettings &settings() { return m_settings; }
    const ChartSettings &settings() const { return m_settings; }

    // Setters: each stores its value and redraws the control. The counted ones (line width,
    // colours, date and time flags) hold the busy counter meanwhile, so the chart shows the
    // change at the next pass of the event loop. SetLineWidth remakes the pens of the shown
    // channels, SetChartTextColor the screen text pen; the date and time flags update the
    // bottom band.
    void SetLineWidth(int width);
    void SetChartBackColor(COLORREF color);
    void SetChartTextColor(COLORREF color);
    void SetShowDate(int show);
    void SetShowTime(int show);
    void SetDateTimeOneLine(int oneLine);
    void SetMaxPoints(int points);
    void SetShowMeans(int show);

    // Deletes the pen of every channel that has one.
    void DeletePens();
    // Makes a solid pen of scale x line width in the channel's colour for every shown channel,
    // stopping at the first pen that cannot be made.
    void CreatePens(int scale);
    // The line colour and the pen of a channel (kind, index 0..255). The main window makes and
    // drops the pens of single channels when their shown flag or colour changes.
    COLORREF channelColor(ChannelKind kind, int channel) const;
    void setChannelColor(ChannelKind kind, int channel, COLORREF color);
    CPen &channelPen(ChannelKind kind, int channel);

    // Remakes the two print fonts for a printer whose horizontal resolution is `sx` (at least
    // 1) times the screen's: Arial 12 * sx for horizontal texts, 10 * sx turned 90 degrees for
    // the time labels. The print heading uses the horizontal one.
    void CreatePrintFonts(int sx);
    CFont &printHorizontalFont() { return m_printHorizontalFont; }

    // How series are drawn. Summaries (the default): from the summaries kept beside the values,
    // a pixel column at a time where rows are denser than pixels, with each column's vertical
    // lines merged into the few that cover the same pixels. EveryRow: row by row, merged the
    // same way. EverySegment: row by row, every line on its own. The pixels are the same every
    // way (and the lines of the first two): the other two exist to check that.
    enum class SeriesDrawing
    {
        Summaries,
        EveryRow,
        EverySegment,
    };
    void setSeriesDrawing(SeriesDrawing drawing) { m_seriesDrawing = drawing; }

    // The decimal separator of the means in the legend.
    void setDecimalSeparator(std::string separator) { m_decimalSeparator = std::move(separator); }

    // The sum and number of a channel's values that the last render drew (0 for channels
    // that are not shown).
    double meanSum(ChannelKind kind, int channel) const;
    int meanCount(ChannelKind kind, int channel) const;

    // Height of the band under the plot for the time labels: 95, 55, 45 or 10.
    int bottomBandHeight() const { return m_bottomBand; }
    // Recomputes it from the show-date, show-time and one-line flags.
    void UpdateBottomBand();

    // Above 0 while a setter, a render or a caller's BusyGuard runs; painting waits meanwhile.
    int busyCount() const { return m_busy; }

    // Draws the chart. Printing: into `rect` of the printer surface with the printing colours
    // and fonts, layout distances and pen widths multiplied by `scale` (below 1 counts as 1);
    // the channel pens are left at the printing width. Screen: into the control's client
    // rectangle at scale 1, `rect` and `scale` being ignored.
    void Render(CDC &dc, bool printing, const CRect &rect, int scale);
    // Draws the chart as the window shows it (screen colours and fonts, scale 1) into `rect`
    // of any surface, with no window needed: images and vector files of the chart.
    void RenderAsShown(CDC &dc, const CRect &rect);

    // The window that moves the time window for the mouse and the keys; not owned. Without
    // one the chart only shows the readout.
    void setNavigator(ChartNavigator *navigator) { m_navigator = navigator; }
    // The rows the time window shows, or nothing when it shows none (fewer than two rows, or
    // ends that do not make a window).
    std::optional<RowWindow> shownRows() const;
    // Move the time window through the navigator; nothing without one or without shown rows
    // (ShowWholeFile needs only two rows). ZoomAt narrows by kZoomInFactor per step for
    // positive `steps` and widens by kZoomOutFactor per step for negative ones around the point
    // `share` of the way across the window (see zoomedWindow); PanBy moves by `rows` rows
    // (negative: earlier).
    void ZoomAt(double share, int steps);
    void PanBy(long long rows);
    void ShowWholeFile();

    // Input: the readout follows the pointer; the wheel zooms around the row under the pointer
    // (one step per WHEEL_DELTA); a left-button drag pans by the rows passed; a double click
    // shows the whole file; Left and Right pan by a tenth of the window, Plus and Minus zoom
    // around its middle, Home shows the whole file. All of it is ignored while the chart is
    // busy or the navigator does not accept input.
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnMouseLeave() override;

protected:
    const MessageMap *GetMessageMap() const override;
    // Has the window track the pointer and take the focus when clicked.
    void PreSubclassWindow() override;

private:
    // WM_PAINT: unless busy, renders the client area off screen and copies it to the window in
    // one piece. While busy the window stays invalid and is painted later.
    void OnPaint();

    // The colours, pens and fonts of one render: the screen's or the printer's.
    struct Look
    {
        COLORREF background;
        COLORREF text;
        CPen *textPen;
        CFont *horizontalFont;
        CFont *verticalFont;
    };

    Look look(bool printing);
    void draw(CDC &dc, bool printing, const CRect &rect, int scale);
    void DrawValueAxis(CDC &dc, UnitGroup group, const ChartLayout &layout, const Look &look);
    void DrawSeries(CDC &dc, const ChartLayout &layout);
    struct ChannelTrace;
    // The width a channel's line batch merges for, or -1 for no merging.
    int batchPenWidth(ChannelKind kind, int channel) const;
    // Works out the lines and means of `traces`, on two threads when the window is big enough.
    // traced[i] turns true once traces[i] is worked out; drawReady is called on this thread
    // after each channel it works out, and all are worked out when this returns.
    void traceChannels(std::vector<ChannelTrace> &traces, std::vector<std::atomic<bool>> &traced,
                       const ChartLayout &layout, const std::function<void()> &drawReady) const;
    // Draws a worked-out channel's lines with its pen and keeps its mean for the legend.
    void drawTrace(CDC &dc, ChannelTrace &trace);
    void traceChannel(ChannelTrace &trace, const ChartLayout &layout) const;
    void DrawTimeAxis(CDC &dc, const ChartLayout &layout, const Look &look);
    void drawTimeLabel(CDC &dc, int row, double x, const ChartLayout &layout);
    void DrawLegend(CDC &dc, const ChartLayout &layout, const Look &look);
    void setLabelFlag(int &flag, int value);
    void remakeScreenTextPen();
    // Calls visit(channel slot) for every shown channel while it returns true.
    template<class Visit>
    void forEachShownChannel(Visit visit);
    void redraw();
    bool inputBlocked() const;
    // Asks the navigator to show `rows`; false when they are shown already or there is none.
    bool showRows(RowWindow rows);
    // Paints the readout anew over the last render, now, without rendering the chart again.
    void repaintReadout();
    // The layout of the window's client rectangle as the screen render lays it out.
    ChartLayout screenLayout() const;
    // Where the shown rows stand in the client rectangle; nothing without shown rows or room.
    std::optional<RowPlacement> placement() const;
    // The readout of the row under the pointer, over what the render drew.
    void DrawReadout(CDC &dc);

    static std::size_t slot(ChannelKind kind, int channel);

    MeasurementFile m_file;
    ChartSettings m_settings;
    int m_bottomBand = 0;
    COLORREF m_printBackColor = RGB(255, 255, 255);
    COLORREF m_printTextColor = RGB(0, 0, 0);
    // Per channel, kKindCount * kChannelSlots entries by kind then index.
    std::vector<COLORREF> m_colors;
    std::vector<CPen> m_pens;
    std::vector<double> m_meanSums;
    std::vector<int> m_meanCounts;
    CPen m_screenTextPen;
    CPen m_printTextPen;
    CFont m_screenHorizontalFont;
    CFont m_screenVerticalFont;
    CFont m_printHorizontalFont;
    CFont m_printVerticalFont;
    std::string m_decimalSeparator;
    SeriesDrawing m_seriesDrawing = SeriesDrawing::Summaries;
    int m_busy = 0;

    // A drag in progress: where it began and the rows shown then.
    struct Drag
    {
        int x;
        RowWindow start;
    };
    ChartNavigator *m_navigator = nullptr;
    // The pointer while it is over the plot band.
    std::optional<CPoint> m_pointer;
    std::optional<Drag> m_drag;
    // Wheel turns short of a step, kept for the next turn.
    int m_wheelRest = 0;
    // The last screen render, without the readout, and whether the paint under way may reuse
    // it (set only for the length of a readout repaint, which changes nothing else).
    std::unique_ptr<CImageDC> m_rendered;
    CRect m_renderedClient;
    bool m_readoutOnly = false;
};

} // namespace zyfo
