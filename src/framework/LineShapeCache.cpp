// The pixels the painter sets for round-ended wide lines, made once per line shape and kept.
#include "LineShapeCache.h"

#include "PainterPen.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zyfo {

namespace {
constexpr QRgb kBlank = 0xFF000000;

bool lit(QRgb pixel)
{
    return pixel != kBlank;
}

bool blank(QRgb pixel)
{
    return pixel == kBlank;
}

std::uint64_t keyOf(int width, int dx, int dy)
{
    // Widths fit 16 bits and extents 24.
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(width)) << 48 |
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(dx)) & 0xFFFFFF) << 24 |
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(dy)) & 0xFFFFFF);
}
} // namespace

LineShapeCache::LineShapeCache(std::size_t byteLimit)
    : m_byteLimit(byteLimit)
{}

LineShapeCache::~LineShapeCache() = default;

LineShapeCache &LineShapeCache::forThisThread()
{
    // One for each thread that draws, so that none waits for a lock.
    thread_local LineShapeCache shapes(std::size_t{16} << 20);
    return shapes;
}

void LineShapeCache::clear()
{
    m_entries.clear();
    m_index.clear();
    m_vertical.clear();
    m_bytes = 0;
}

const LineShape *LineShapeCache::shape(int width, int dx, int dy)
{
    const std::uint64_t key = keyOf(width, dx, dy);
    if (const auto found = m_index.find(key); found != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found->second);
        return found->second->shape.rows.empty() ? nullptr : &found->second->shape;
    }
    m_entries.push_front(Entry{key, render(width, dx, dy)});
    m_index.emplace(key, m_entries.begin());
    m_bytes += cost(m_entries.front().shape);
    evict();
    const LineShape &made = m_entries.front().shape;
    return made.rows.empty() ? nullptr : &made;
}

const VerticalShape *LineShapeCache::vertical(int width, bool downwards)
{
    const auto [found, added] = m_vertical.try_emplace(downwards ? width : -width);
    if (added)
        found->second = decompose(width, downwards ? 1 : -1);
    return found->second ? &*found->second : nullptr;
}

std::optional<VerticalShape> LineShapeCache::decompose(int width, int sign)
{
    // A line long enough for a body well apart from both caps; the caps end `width` rows
    // inside the line's ends, below the half width and the rounding of the round end.
    const int length = 4 * width + 8;
    const LineShape line = render(width, 0, sign * length);
    VerticalShape vertical;
    vertical.capRows = width;
    const int upper = std::min(0, sign * length);
    const int lower = upper + length;
    const int last = line.top + static_cast<int>(line.rows.size()) - 1;
    if (line.rows.empty() || line.top > upper || last < lower)
        return std::nullopt;
    auto rowAt = [&](int y) { return line.rows[static_cast<std::size_t>(y - line.top)]; };
    vertical.top = line.top - upper;
    for (int y = line.top; y < upper + width; ++y)
        vertical.topCap.push_back(rowAt(y));
    vertical.body = rowAt(upper + width);
    for (int y = upper + width; y <= lower - width; ++y)
        if (rowAt(y) != vertical.body)
            return std::nullopt;
    for (int y = lower - width + 1; y <= last; ++y)
        vertical.bottomCap.push_back(rowAt(y));
    return vertical;
}

QPoint LineShapeCache::paint(int width, int dx, int dy, int &columns, int &rows)
{
    // The stroke reaches half the width and a pixel of rounding beyond the line; a lit pixel
    // on the border of the scratch area would mean it reached further.
    const int margin = width + 2;
    columns = std::abs(dx) + 2 * margin + 1;
    rows = std::abs(dy) + 2 * margin + 1;
    if (!m_scratch || m_scratch->width() < columns || m_scratch->height() < rows) {
        const int oldColumns = m_scratch ? m_scratch->width() : 0;
        const int oldRows = m_scratch ? m_scratch->height() : 0;
        m_scratch = std::make_unique<QImage>(std::max(columns, oldColumns), std::max(rows, oldRows),
                                             QImage::Format_RGB32);
    }
    for (int y = 0; y < rows; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(m_scratch->scanLine(y));
        std::fill(line, line + columns, kBlank);
    }
    const int x0 = margin + std::max(0, -dx);
    const int y0 = margin + std::max(0, -dy);
    QPainter painter(m_scratch.get());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(widePen(LOGPEN{PS_SOLID, width, RGB(255, 255, 255)}));
    painter.drawLine(x0, y0, x0 + dx, y0 + dy);
    return {x0, y0};
}

LineShape LineShapeCache::render(int width, int dx, int dy)
{
    int columns = 0;
    int rows = 0;
    const QPoint origin = paint(width, dx, dy, columns, rows);
    const int x0 = origin.x();
    const int y0 = origin.y();
    LineShape shape;
    int first = -1;
    for (int y = 0; y < rows; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_scratch->constScanLine(y));
        const QRgb *end = line + columns;
        const QRgb *left = std::find_if(line, end, lit);
        if (left == end)
            continue;
        const QRgb *right = std::find_if(left, end, blank);
        const bool oneRun = std::find_if(right, end, lit) == end;
        const bool inside = y > 0 && y < rows - 1 && left > line && right < end;
        const bool follows = first < 0 || y == first + static_cast<int>(shape.rows.size());
        if (!oneRun || !inside || !follows)
            return {};
        if (first < 0)
            first = y;
        shape.rows.push_back({static_cast<std::int16_t>(left - line - x0),
                              static_cast<std::int16_t>(right - line - 1 - x0)});
    }
    shape.top = first - y0;
    shape.rows.shrink_to_fit();
    return shape;
}

std::vector<CRect> LineShapeCache::runs(int width, int dx, int dy)
{
    int columns = 0;
    int rows = 0;
    const QPoint origin = paint(width, dx, dy, columns, rows);
    std::vector<CRect> found;
    for (int y = 0; y < rows; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_scratch->constScanLine(y));
        const QRgb *end = line + columns;
        for (const QRgb *left = std::find_if(line, end, lit); left != end;) {
            const QRgb *right = std::find_if(left, end, blank);
            const auto x = static_cast<int>(left - line) - origin.x();
            found.push_back(
                {x, y - origin.y(), x + static_cast<int>(right - left), y - origin.y() + 1});
            left = std::find_if(right, end, lit);
        }
    }
    return found;
}

std::size_t LineShapeCache::cost(const LineShape &shape)
{
    // The entry, its list and index nodes and its rows.
    return sizeof(Entry) + 6 * sizeof(void *) + shape.rows.capacity() * sizeof(ShapeRow);
}

void LineShapeCache::evict()
{
    while (m_bytes > m_byteLimit && m_entries.size() > 1) {
        const Entry &oldest = m_entries.back();
        m_bytes -= cost(oldest.shape);
        m_index.erase(oldest.key);
        m_entries.pop_back();
    }
}

} // namespace zyfo
