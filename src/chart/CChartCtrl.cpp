// The chart control: settings, pens and fonts, and the drawing of axes, series, time labels
// and legend.
#include "CChartCtrl.h"

#include "CImageDC.h"
#include "CPaintDC.h"
#include "ChartLayout.h"
#include "ChartReadout.h"
#include "DefaultColors.h"
#include "DenseSeries.h"
#include "GroupedSeries.h"
#include "LegendCaption.h"
#include "LineBatch.h"
#include "LocaleDecimalSeparator.h"
#include "RowPlacement.h"
#include "RowSeries.h"
#include "SegmentMapper.h"
#include "ValueScale.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <future>
#include <optional>
#include <thread>

namespace zyfo {
namespace {

// The kinds in the order their series are drawn; later lines cover earlier ones.
constexpr std::array<ChannelKind, kKindCount> kSeriesOrder = {
    ChannelKind::Temperature,   ChannelKind::Pressure,      ChannelKind::RelativeHumidity,
    ChannelKind::DewPoint,      ChannelKind::VapourContent, ChannelKind::RadiationWm2,
    ChannelKind::RadiationKlx,  ChannelKind::RadiationUmol, ChannelKind::WindSpeed,
    ChannelKind::WindDirection, ChannelKind::RainHeight,    ChannelKind::BinaryInput,
};

constexpr int kHorizontalFontHeight = 12;
constexpr int kVerticalFontHeight = 10;
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Pixels between the readout box's frame and its text.
constexpr int kReadoutPadding = 4;

// Arial of `height` device units, weight 500; turned 90 degrees counter-clockwise if `upright`.
LOGFONT arialFont(int height, bool upright)
{
    LOGFONT font;
    font.lfHeight = height;
    font.lfWeight = FW_MEDIUM;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfFaceName = "Arial";
    if (upright) {
        font.lfEscapement = 900;
        font.lfOrientation = 900;
        font.lfClipPrecision = CLIP_LH_ANGLES;
    }
    return font;
}

void remakeFont(CFont &font, int height, bool upright)
{
    font.DeleteObject();
    const LOGFONT description = arialFont(height, upright);
    font.CreateFontIndirect(&description);
}

} // namespace

CChartCtrl::CChartCtrl()
    : m_colors(static_cast<std::size_t>(kKindCount) * kChannelSlots)
    , m_pens(m_colors.size())
    , m_meanSums(m_colors.size())
    , m_meanCounts(m_colors.size())
    , m_decimalSeparator(localeDecimalSeparator())
{
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            m_colors[slot(kindAt(kind), channel)] = defaultChannelColor(kindAt(kind), channel);
    m_screenTextPen.CreatePen(PS_SOLID, 1, m_settings.textColor);
    m_printTextPen.CreatePen(PS_SOLID, 1, m_printTextColor);
    remakeFont(m_screenHorizontalFont, kHorizontalFontHeight, false);
    remakeFont(m_screenVerticalFont, kVerticalFontHeight, true);
    remakeFont(m_printHorizontalFont, kHorizontalFontHeight, false);
    remakeFont(m_printVerticalFont, kVerticalFontHeight, true);
    UpdateBottomBand();
}

CChartCtrl::~CChartCtrl() = default;

std::size_t CChartCtrl::slot(ChannelKind kind, int channel)
{
    return static_cast<std::size_t>(kindIndex(kind)) * kChannelSlots +
           static_cast<std::size_t>(channel);
}

// --- Settings ----------------------------------------------------------------------------------

void CChartCtrl::SetLineWidth(int width)
{
    BusyGuard busy(*this);
    m_settings.lineWidth = width;
    forEachShownChannel([&](std::size_t index) {
        m_pens[index].DeleteObject();
        m_pens[index].CreatePen(PS_SOLID, width, m_colors[index]);
        return true;
    });
    redraw();
}

void CChartCtrl::SetChartBackColor(COLORREF color)
{
    BusyGuard busy(*this);
    m_settings.backColor = color;
    redraw();
}

void CChartCtrl::SetChartTextColor(COLORREF color)
{
    BusyGuard busy(*this);
    m_settings.textColor = color;
    remakeScreenTextPen();
    redraw();
}

void CChartCtrl::SetShowDate(int show)
{
    setLabelFlag(m_settings.showDate, show);
}

void CChartCtrl::SetShowTime(int show)
{
    setLabelFlag(m_settings.showTime, show);
}

void CChartCtrl::SetDateTimeOneLine(int oneLine)
{
    setLabelFlag(m_settings.dateTimeOneLine, oneLine);
}

void CChartCtrl::setLabelFlag(int &flag, int value)
{
    BusyGuard busy(*this);
    flag = value;
    UpdateBottomBand();
    redraw();
}

void CChartCtrl::SetMaxPoints(int points)
{
    m_settings.maxPoints = points;
    redraw();
}

void CChartCtrl::SetShowMeans(int show)
{
    m_settings.showMeans = show;
    redraw();
}

void CChartCtrl::UpdateBottomBand()
{
    const bool date = m_settings.showDate != 0;
    const bool time = m_settings.showTime != 0;
    if (date && time)
        m_bottomBand = m_settings.dateTimeOneLine != 0 ? 95 : 55;
    else if (date)
        m_bottomBand = 55;
    else if (time)
        m_bottomBand = 45;
    else
        m_bottomBand = 10;
}

void CChartCtrl::remakeScreenTextPen()
{
    m_screenTextPen.DeleteObject();
    m_screenTextPen.CreatePen(PS_SOLID, 1, m_settings.textColor);
}

// --- Pens, colours, fonts, means ---------------------------------------------------------------

void CChartCtrl::DeletePens()
{
    for (CPen &pen : m_pens)
        pen.DeleteObject();
}

void CChartCtrl::CreatePens(int scale)
{
    forEachShownChannel([&](std::size_t index) {
        return m_pens[index].CreatePen(PS_SOLID, scale * m_settings.lineWidth, m_colors[index]) !=
               FALSE;
    });
}

template<class Visit>
void CChartCtrl::forEachShownChannel(Visit visit)
{
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            if (m_file.channelView(kindAt(kind), channel).shown &&
                !visit(slot(kindAt(kind), channel)))
                return;
}

COLORREF CChartCtrl::channelColor(ChannelKind kind, int channel) const
{
    return m_colors[slot(kind, channel)];
}

void CChartCtrl::setChannelColor(ChannelKind kind, int channel, COLORREF color)
{
    m_colors[slot(kind, channel)] = color;
}

CPen &CChartCtrl::channelPen(ChannelKind kind, int channel)
{
    return m_pens[slot(kind, channel)];
}

void CChartCtrl::CreatePrintFonts(int sx)
{
    const int ratio = std::max(sx, 1);
    remakeFont(m_printHorizontalFont, kHorizontalFontHeight * ratio, false);
    remakeFont(m_printVerticalFont, kVerticalFontHeight * ratio, true);
}

double CChartCtrl::meanSum(ChannelKind kind, int channel) const
{
    return m_meanSums[slot(kind, channel)];
}

int CChartCtrl::meanCount(ChannelKind kind, int channel) const
{
    return m_meanCounts[slot(kind, channel)];
}

void CChartCtrl::redraw()
{
    RedrawWindow();
}

// --- Window ------------------------------------------------------------------------------------

const MessageMap *CChartCtrl::GetMessageMap() const
{
    static const MessageMap map = {onPaint(&CChartCtrl::OnPaint)};
    return &map;
}

void CChartCtrl::OnPaint()
{
    // A paint put off while busy means the kept render may no longer be what is shown.
    if (m_busy > 0) {
        m_rendered.reset();
        return;
    }
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // Drawn into a bitmap first and copied in one piece, so the chart never shows half drawn.
    // The render is kept, so that a pointer move only draws the readout over a copy of it.
    const bool reuse = m_readoutOnly && m_rendered != nullptr && m_renderedClient == client;
    if (!reuse) {
        m_renderedClient = client;
        m_rendered = std::make_unique<CImageDC>(client.Width(), client.Height(),
                                                dc.GetDeviceCaps(LOGPIXELSY));
        m_rendered->FillSolidRect(&client, dc.GetBkColor());
        Render(*m_rendered, false, client, 1);
    }
    CImageDC buffer(client.Width(), client.Height(), dc.GetDeviceCaps(LOGPIXELSY));
    buffer.BitBlt(client.left, client.top, client.Width(), client.Height(), m_rendered.get(),
                  client.left, client.top, SRCCOPY);
    DrawReadout(buffer);
    dc.BitBlt(client.left, client.top, client.Width(), client.Height(), &buffer, client.left,
              client.top, SRCCOPY);
}

// --- Render ------------------------------------------------------------------------------------

void CChartCtrl::Render(CDC &dc, bool printing, const CRect &rect, int scale)
{
    if (printing) {
        draw(dc, true, rect, scale);
        return;
    }
    CRect client;
    GetClientRect(&client);
    draw(dc, false, client, 1);
}

void CChartCtrl::RenderAsShown(CDC &dc, const CRect &rect)
{
    draw(dc, false, rect, 1);
}

CChartCtrl::Look CChartCtrl::look(bool printing)
{
    if (printing)
        return {m_printBackColor, m_printTextColor, &m_printTextPen, &m_printHorizontalFont,
                &m_printVerticalFont};
    return {m_settings.backColor, m_settings.textColor, &m_screenTextPen, &m_screenHorizontalFont,
            &m_screenVerticalFont};
}

void CChartCtrl::draw(CDC &dc, bool printing, const CRect &rect, int scale)
{
    BusyGuard busy(*this);
    const int s = std::max(scale, 1);
    if (printing) {
        DeletePens();
        CreatePens(s);
    } else if (const LOGPEN *pen = m_screenTextPen.GetSafeHandle();
               pen == nullptr || pen->lopnColor != m_settings.textColor) {
        // The text colour may have been loaded straight into the settings; the axes follow it.
        remakeScreenTextPen();
    }
    const Look colors = look(printing);
    dc.SetTextColor(colors.text);
    dc.SetBkMode(OPAQUE);
    dc.FillSolidRect(&rect, colors.background);

    const ChartLayout layout(rect, s, m_bottomBand, m_file);
    if (m_file.rowCount() < 2 || !layout.hasRoom())
        return;
    for (const UnitGroup group : kAxisOrder)
        if (m_file.groupView(group).shown)
            DrawValueAxis(dc, group, layout, colors);
    DrawSeries(dc, layout);
    DrawTimeAxis(dc, layout, colors);
}

// --- Value axes --------------------------------------------------------------------------------

void CChartCtrl::DrawValueAxis(CDC &dc, UnitGroup group, const ChartLayout &layout,
                               const Look &colors)
{
    const GroupView &view = m_file.groupView(group);
    const ValueScale values(layout.plotTop(), layout.plotBottom(), view.viewMinimum,
                            view.viewMaximum);
    if (!values.isDrawable())
        return;
    const int s = layout.scale();
    const int step = values.tickStep(s);
    long long tick = values.firstTick(step);
    int y = values.rowOf(static_cast<double>(tick));
    const int left = layout.bandLeft(group);
    const int width = layout.bandWidth(group);
    const CRect &rect = layout.rect();

    dc.SelectObject(colors.textPen);
    dc.SelectObject(colors.horizontalFont);
    CRect caption{left - 10, rect.top, left + width + 10, rect.top + 25 * s};
    dc.DrawText(std::string(unitText(group)), &caption, kCentredLine);

    while (y >= layout.plotTop()) {
        // Relative humidity is labelled up to 100 %, however far its range goes.
        if (group == UnitGroup::RelativeHumidity && tick > 100)
            break;
        CRect label{left, y - 7 * s, left + width, y + 7 * s};
        dc.DrawText(std::to_string(tick), &label, kCentredLine);
        if (view.grid) {
            // One dot every 5 units whatever the scale; a one-unit line sets one pixel.
            for (int x = layout.axesEnd(); x < rect.right - 5; x += 5) {
                dc.MoveTo(x, y);
                dc.LineTo(x + 1, y);
            }
        }
        tick += step;
        y = values.rowOf(static_cast<double>(tick));
    }

    dc.SelectObject(colors.textPen);
    dc.MoveTo(left, layout.plotTop() + 1);
    dc.LineTo(left, layout.plotBottom() + 1);
    const int rightTop =
        group == UnitGroup::RadiationUmol ? layout.plotTop() + 1 : layout.plotTop();
    dc.MoveTo(left + width, rightTop);
    dc.LineTo(left + width, layout.plotBottom() + 1);
}

// --- Series ------------------------------------------------------------------------------------

// A shown channel's lines and mean, worked out before anything is drawn.
struct CChartCtrl::ChannelTrace
{
    ChannelKind kind;
    int channel;
    LineBatch lines;
    SeriesMean mean;
};

void CChartCtrl::DrawSeries(CDC &dc, const ChartLayout &layout)
{
    const int rows = m_file.rowCount();
    const int first = m_file.fromRow();
    const bool drawable = rows >= 1 && first >= 0 && first < rows - 1;
    std::vector<ChannelTrace> traces;
    for (const ChannelKind kind : kSeriesOrder) {
        for (int channel = 0; channel < m_file.channelCount(kind); ++channel) {
            m_meanSums[slot(kind, channel)] = 0;
            m_meanCounts[slot(kind, channel)] = 0;
            if (drawable && m_file.channelView(kind, channel).shown)
                traces.push_back({kind, channel, LineBatch(batchPenWidth(kind, channel)), {}});
        }
    }
    // Lines are drawn in channel order, on this thread, each as soon as it and the channels
    // before it are worked out, while the other thread may still work on later ones.
    std::vector<std::atomic<bool>> traced(traces.size());
    std::size_t drawn = 0;
    const auto drawReady = [&] {
        for (; drawn < traces.size() && traced[drawn].load(std::memory_order_acquire); ++drawn)
            drawTrace(dc, traces[drawn]);
    };
    traceChannels(traces, traced, layout, drawReady);
    drawReady();
}

void CChartCtrl::drawTrace(CDC &dc, ChannelTrace &trace)
{
    dc.SelectObject(&m_pens[slot(trace.kind, trace.channel)]);
    trace.lines.draw(dc);
    m_meanSums[slot(trace.kind, trace.channel)] = trace.mean.sum.value();
    m_meanCounts[slot(trace.kind, trace.channel)] = trace.mean.count;
}

int CChartCtrl::batchPenWidth(ChannelKind kind, int channel) const
{
    // Without a pen of its own the channel draws with whatever pen is selected, whose width is
    // not known here: then no line is merged.
    const LOGPEN *penShape = m_pens[slot(kind, channel)].GetSafeHandle();
    const bool merge = m_seriesDrawing != SeriesDrawing::EverySegment && penShape != nullptr;
    return merge ? penShape->lopnWidth : -1;
}

void CChartCtrl::traceChannels(std::vector<ChannelTrace> &traces,
                               std::vector<std::atomic<bool>> &traced, const ChartLayout &layout,
                               const std::function<void()> &drawReady) const
{
    // Each channel reads only its own column, so two threads may trace different channels at
    // once. A second thread pays for itself only on a window of many rows; the every-segment
    // reference keeps to one.
    constexpr long long kRowsWorthAThread = 200'000;
    const long long rowsInWindow = static_cast<long long>(m_file.toRow()) - m_file.fromRow();
    std::atomic<std::size_t> next = 0;
    const std::thread::id caller = std::this_thread::get_id();
    const auto traceRest = [&] {
        for (std::size_t i = next++; i < traces.size(); i = next++) {
            traceChannel(traces[i], layout);
            traced[i].store(true, std::memory_order_release);
            if (std::this_thread::get_id() == caller)
                drawReady();
        }
    };
    const bool worthAThread =
        traces.size() >= 2 && m_seriesDrawing != SeriesDrawing::EverySegment &&
        rowsInWindow * static_cast<long long>(traces.size()) >= kRowsWorthAThread &&
        std::thread::hardware_concurrency() >= 2;
    if (!worthAThread) {
        traceRest();
        return;
    }
    // Each thread takes the next channel left, so a slow channel does not hold the other back.
    std::future<void> other = std::async(std::launch::async, traceRest);
    traceRest();
    other.get();
}

void CChartCtrl::traceChannel(ChannelTrace &trace, const ChartLayout &layout) const
{
    const int first = m_file.fromRow();
    const int last = m_file.toRow();
    const GroupView &view = m_file.groupView(unitGroupOf(trace.kind));
    const SegmentMapper mapper(
        layout, static_cast<long long>(last) - first,
        ValueScale(layout.plotTop(), layout.plotBottom(), view.viewMinimum, view.viewMaximum));
    const SeriesWindow window{m_file.column(trace.kind, trace.channel),
                              first,
                              last,
                              std::min(last, m_file.rowCount() - 1),
                              m_settings.maxPoints,
                              mapper};
    const bool summaries = m_seriesDrawing == SeriesDrawing::Summaries;
    if (summaries && DenseSeries::suits(window, trace.lines))
        DenseSeries(window, trace.lines).draw(trace.mean);
    else if (summaries && GroupedSeries::suits(window))
        GroupedSeries(window, trace.lines, trace.mean).draw();
    else
        RowSeries(window, trace.lines).draw(trace.mean);
}

// --- Time axis ---------------------------------------------------------------------------------

void CChartCtrl::DrawTimeAxis(CDC &dc, const ChartLayout &layout, const Look &colors)
{
    const int rows = m_file.rowCount();
    const int first = m_file.fromRow();
    const int last = m_file.toRow();
    if (last >= rows)
        return;
    const int s = layout.scale();
    const CRect &rect = layout.rect();
    const long long span = static_cast<long long>(last) - first;
    const int width = rect.right - 10 * s - layout.axesEnd();
    const double pitch = span > 0 ? width / static_cast<double>(span) : width;
    if (pitch <= 0)
        return;

    dc.SelectObject(colors.textPen);
    dc.MoveTo(layout.axesEnd(), layout.plotBottom() + 1);
    dc.LineTo(rect.right, layout.plotBottom() + 1);

    dc.SelectObject(colors.verticalFont);
    dc.SetBkMode(TRANSPARENT);
    const bool twoColumns =
        m_settings.showDate != 0 && m_settings.showTime != 0 && m_settings.dateTimeOneLine == 0;
    const double spacing = (twoColumns ? 24 : 15) * s;
    for (long long row = first; row <= last; ++row) {
        if (pitch < spacing && row > first) {
            // Skip rows so that neighbouring labels stand at least `spacing` apart.
            row += std::max(1LL, static_cast<long long>(std::ceil(spacing / pitch)));
        }
        if (row > last || row >= rows)
            break;
        const double x = static_cast<double>(row - first) * pitch + layout.axesEnd();
        if (row >= 0)
            drawTimeLabel(dc, static_cast<int>(row), x, layout);
    }
    dc.SetBkMode(OPAQUE);
    DrawLegend(dc, layout, colors);
}

void CChartCtrl::drawTimeLabel(CDC &dc, int row, double x, const ChartLayout &layout)
{
    const bool date = m_settings.showDate != 0;
    const bool time = m_settings.showTime != 0;
    // The turned text starts at its cell's corner and runs upwards from just above the bottom.
    const int y = layout.rect().bottom - 5;
    const int s = layout.scale();
    if (date && time && m_settings.dateTimeOneLine == 0) {
        dc.TextOut(truncToDevice(x - 12 * s), y, m_file.rowDateText(row));
        dc.TextOut(truncToDevice(x - 2 * s), y, m_file.rowTimeText(row));
        return;
    }
    std::string text;
    if (date)
        text = m_file.rowDateText(row);
    if (date && time)
        text += ' ';
    if (time)
        text += m_file.rowTimeText(row);
    if (!text.empty())
        dc.TextOut(truncToDevice(x - 5), y, text);
}

// --- Legend ------------------------------------------------------------------------------------

void CChartCtrl::DrawLegend(CDC &dc, const ChartLayout &layout, const Look &colors)
{
    dc.SetBkMode(OPAQUE);
    dc.SelectObject(colors.horizontalFont);
    const int s = layout.scale();
    const int x0 = layout.axesEnd();
    const CRect &rect = layout.rect();
    int lx = 10 * s;
    int ly = 0;
    for (int kindNumber = 0; kindNumber < kKindCount; ++kindNumber) {
        const ChannelKind kind = kindAt(kindNumber);
        for (int channel = 0; channel < m_file.channelCount(kind); ++channel) {
            if (!m_file.channelView(kind, channel).shown)
                continue;
            dc.SelectObject(&m_pens[slot(kind, channel)]);
            const int count = m_meanCounts[slot(kind, channel)];
            std::optional<double> mean;
            if (count != 0 && m_settings.showMeans != 0)
                mean = m_meanSums[slot(kind, channel)] / count;
            const std::string caption = legendCaption(kind, m_file.channelNames(kind).name(channel),
                                                      mean, m_decimalSeparator);

            CRect box{x0 + 15 * s + lx, rect.top + ly, x0 + 110 * s + lx, rect.top + 25 * s + ly};
            dc.DrawText(caption, &box, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
            // A caption that runs past the right edge starts a new row, once; the first entry
            // of a row stays (the 20 is not scaled).
            if (box.right > rect.right && lx > 20) {
                ly += 12 * s;
                lx = 10 * s;
                box = {x0 + 25 * s, rect.top + ly, x0 + 120 * s, rect.top + 25 * s + ly};
                dc.DrawText(caption, &box, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
            }
            box.top = rect.top + ly;
            box.bottom = rect.top + 25 * s + ly;
            dc.DrawText(caption, &box, DT_SINGLELINE | DT_VCENTER);
            dc.MoveTo(x0 + lx, rect.top + 12 * s + ly);
            dc.LineTo(x0 + lx + 10 * s, rect.top + 12 * s + ly);
            lx += box.Width() + 25 * s;
        }
    }
}

// --- Mouse and keys -----------------------------------------------------------------------------

void CChartCtrl::PreSubclassWindow()
{
    EnableMouseInput();
}

bool CChartCtrl::inputBlocked() const
{
    return m_busy > 0 || (m_navigator != nullptr && !m_navigator->acceptsInput());
}

std::optional<RowWindow> CChartCtrl::shownRows() const
{
    const int first = m_file.fromRow();
    const int last = m_file.toRow();
    if (m_file.rowCount() < 2 || first < 0 || last >= m_file.rowCount() || first >= last)
        return std::nullopt;
    return RowWindow{first, last};
}

ChartLayout CChartCtrl::screenLayout() const
{
    CRect client;
    GetClientRect(&client);
    return ChartLayout(client, 1, m_bottomBand, m_file);
}

std::optional<RowPlacement> CChartCtrl::placement() const
{
    const std::optional<RowWindow> rows = shownRows();
    const ChartLayout layout = screenLayout();
    if (!rows || !layout.hasRoom())
        return std::nullopt;
    return RowPlacement(layout, *rows);
}

bool CChartCtrl::showRows(RowWindow rows)
{
    if (m_navigator == nullptr || shownRows() == rows)
        return false;
    m_navigator->showRows(rows);
    return true;
}

void CChartCtrl::repaintReadout()
{
    // The flag lasts only while the paint runs here, so no other paint can reuse a stale render.
    m_readoutOnly = true;
    RedrawWindow(RDW_UPDATENOW);
    m_readoutOnly = false;
}

void CChartCtrl::ZoomAt(double share, int steps)
{
    std::optional<RowWindow> rows = shownRows();
    if (!rows)
        return;
    for (int step = 0; step < std::abs(steps); ++step)
        rows = zoomedWindow(*rows, share, steps > 0 ? kZoomInFactor : kZoomOutFactor,
                            m_file.rowCount());
    showRows(*rows);
}

void CChartCtrl::PanBy(long long rows)
{
    if (const std::optional<RowWindow> shown = shownRows())
        showRows(pannedWindow(*shown, rows, m_file.rowCount()));
}

void CChartCtrl::ShowWholeFile()
{
    if (m_file.rowCount() >= 2)
        showRows(wholeFile(m_file.rowCount()));
}

void CChartCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (inputBlocked())
        return;
    const std::optional<RowPlacement> places = placement();
    const std::optional<CPoint> pointer =
        places && places->covers(point) ? std::optional<CPoint>(point) : std::nullopt;
    const bool pointerMoved = pointer != m_pointer;
    m_pointer = pointer;
    if (m_drag && (flags & MK_LBUTTON) != 0 && places) {
        // The rows passed are counted on the window the drag began with, so the row grabbed
        // stays under the pointer. A pan repaints the whole chart, readout included.
        const RowPlacement start(screenLayout(), m_drag->start);
        if (showRows(pannedWindow(m_drag->start, -start.rowsAcross(point.x - m_drag->x),
                                  m_file.rowCount())))
            return;
    }
    if (pointerMoved)
        repaintReadout();
}

void CChartCtrl::OnLButtonDown(UINT, CPoint point)
{
    if (inputBlocked())
        return;
    const std::optional<RowWindow> rows = shownRows();
    if (rows)
        m_drag = Drag{point.x, *rows};
}

void CChartCtrl::OnLButtonUp(UINT, CPoint)
{
    m_drag.reset();
}

void CChartCtrl::OnLButtonDblClk(UINT, CPoint)
{
    if (inputBlocked())
        return;
    m_drag.reset();
    ShowWholeFile();
}

void CChartCtrl::OnMouseWheel(UINT, short delta, CPoint point)
{
    if (inputBlocked())
        return;
    m_wheelRest += delta;
    const int steps = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= steps * WHEEL_DELTA;
    const std::optional<RowPlacement> places = placement();
    if (steps != 0 && places)
        ZoomAt(places->shareAt(point.x), steps);
}

void CChartCtrl::OnKeyDown(UINT key, UINT, UINT)
{
    if (inputBlocked())
        return;
    if (key == VK_HOME) {
        ShowWholeFile();
        return;
    }
    const std::optional<RowWindow> rows = shownRows();
    if (!rows)
        return;
    const int tenth = std::max(rows->span() / 10, 1);
    switch (key) {
    case VK_LEFT:
        PanBy(-tenth);
        break;
    case VK_RIGHT:
        PanBy(tenth);
        break;
    case VK_ADD:
        ZoomAt(0.5, 1);
        break;
    case VK_SUBTRACT:
        ZoomAt(0.5, -1);
        break;
    default:
        break;
    }
}

void CChartCtrl::OnMouseLeave()
{
    // Leaving only hides the readout, so it is let through whatever the chart is doing.
    m_drag.reset();
    if (!m_pointer)
        return;
    m_pointer.reset();
    repaintReadout();
}

void CChartCtrl::DrawReadout(CDC &dc)
{
    const std::optional<RowPlacement> places = placement();
    if (!m_pointer || !places || !places->covers(*m_pointer))
        return;
    const ChartLayout layout = screenLayout();
    const int row = places->rowAt(m_pointer->x);
    const int x = places->xOf(row);
    dc.SelectObject(&m_screenTextPen);
    dc.MoveTo(x, layout.plotTop());
    dc.LineTo(x, layout.plotBottom() + 1);

    dc.SelectObject(&m_screenHorizontalFont);
    const std::vector<std::string> lines = readoutLines(m_file, row, m_decimalSeparator);
    CSize text;
    for (const std::string &line : lines) {
        const CSize extent = dc.GetTextExtent(line);
        text.cx = std::max(text.cx, extent.cx);
        text.cy = std::max(text.cy, extent.cy);
    }
    const int lineHeight = text.cy;
    const CSize size{text.cx + 2 * kReadoutPadding,
                     lineHeight * static_cast<int>(lines.size()) + 2 * kReadoutPadding};
    const CRect box = readoutBoxRect(*m_pointer, size, layout.rect());
    dc.FillSolidRect(&box, m_settings.backColor);
    dc.MoveTo(box.left, box.top);
    dc.LineTo(box.right - 1, box.top);
    dc.LineTo(box.right - 1, box.bottom - 1);
    dc.LineTo(box.left, box.bottom - 1);
    dc.LineTo(box.left, box.top);
    dc.SetTextColor(m_settings.textColor);
    dc.SetBkMode(TRANSPARENT);
    for (std::size_t i = 0; i < lines.size(); ++i)
        dc.TextOut(box.left + kReadoutPadding,
                   box.top + kReadoutPadding + lineHeight * static_cast<int>(i), lines[i]);
}

} // namespace zyfo
