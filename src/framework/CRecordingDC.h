// Drawing surface for tests: keeps every primitive with its exact integer coordinates.
#pragma once

#include "CDC.h"
#include "DeviceCaps.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zyfo {

// One recorded primitive. Which fields matter depends on the kind:
// Fill: rect, color. Line: from, to (the end the line stops short of for one-pixel pens), pen.
// Text (TextOut) and DrawText: from (the text cell's reference point after layout), extent, text,
// font, color (text colour), opaque, bkColor; DrawText also rect and format. StartDoc: text
// (document name). StartPage, EndPage, EndDoc: nothing.
struct Primitive
{
    enum class Kind
    {
        Fill,
        Line,
        Text,
        DrawText,
        StartDoc,
        StartPage,
        EndPage,
        EndDoc
    };

    Kind kind = Kind::Fill;
    CRect rect;
    CPoint from;
    CPoint to;
    COLORREF color = 0;
    LOGPEN pen;
    std::string text;
    LOGFONT font;
    CSize extent;
    UINT format = 0;
    bool opaque = false;
    COLORREF bkColor = 0;

    bool operator==(const Primitive &) const = default;
};

// Readable form for test failure messages.
std::ostream &operator<<(std::ostream &out, const Primitive &primitive);

class CRecordingDC : public CDC
{
public:
    using DeviceCaps = zyfo::DeviceCaps;

    CRecordingDC() = default;
    explicit CRecordingDC(const DeviceCaps &caps)
        : m_caps(caps)
    {}

    const std::vector<Primitive> &primitives() const { return m_primitives; }
    // The recorded primitives of one kind, in drawing order.
    std::vector<Primitive> primitives(Primitive::Kind kind) const;
    void clear() { m_primitives.clear(); }

    int GetDeviceCaps(int index) const override;
    int StartDoc(const std::string &docName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

protected:
    void fillRect(const CRect &rect, COLORREF color) override;
    void drawLine(CPoint from, CPoint to, const LOGPEN &pen) override;
    void drawText(const TextRun &run) override;

private:
    Primitive &record(Primitive::Kind kind);

    DeviceCaps m_caps;
    std::vector<Primitive> m_primitives;
};

} // namespace zyfo
