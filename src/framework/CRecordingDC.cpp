// Drawing surface for tests: keeps every primitive with its exact integer coordinates.
#include "CRecordingDC.h"

#include <ostream>

namespace zyfo {

namespace {
const char *kindName(Primitive::Kind kind)
{
    switch (kind) {
    case Primitive::Kind::Fill:
        return "Fill";
    case Primitive::Kind::Line:
        return "Line";
    case Primitive::Kind::Text:
        return "Text";
    case Primitive::Kind::DrawText:
        return "DrawText";
    case Primitive::Kind::StartDoc:
        return "StartDoc";
    case Primitive::Kind::StartPage:
        return "StartPage";
    case Primitive::Kind::EndPage:
        return "EndPage";
    case Primitive::Kind::EndDoc:
        return "EndDoc";
    }
    return "?";
}

std::ostream &operator<<(std::ostream &out, CPoint point)
{
    return out << '(' << point.x << ", " << point.y << ')';
}
} // namespace

std::ostream &operator<<(std::ostream &out, const Primitive &p)
{
    out << kindName(p.kind);
    switch (p.kind) {
    case Primitive::Kind::Fill:
        return out << " (" << p.rect.left << ", " << p.rect.top << ", " << p.rect.right << ", "
                   << p.rect.bottom << ") colour " << std::hex << p.color << std::dec;
    case Primitive::Kind::Line:
        return out << ' ' << p.from << " to " << p.to << " width " << p.pen.lopnWidth << " colour "
                   << std::hex << p.pen.lopnColor << std::dec;
    case Primitive::Kind::Text:
    case Primitive::Kind::DrawText:
        return out << " \"" << p.text << "\" at " << p.from << " size " << p.extent.cx << 'x'
                   << p.extent.cy << " font " << p.font.lfFaceName << ' ' << p.font.lfHeight
                   << " escapement " << p.font.lfEscapement;
    default:
        return p.text.empty() ? out : out << " \"" << p.text << '"';
    }
}

std::vector<Primitive> CRecordingDC::primitives(Primitive::Kind kind) const
{
    std::vector<Primitive> result;
    for (const Primitive &primitive : m_primitives)
        if (primitive.kind == kind)
            result.push_back(primitive);
    return result;
}

int CRecordingDC::GetDeviceCaps(int index) const
{
    return m_caps.capability(index);
}

Primitive &CRecordingDC::record(Primitive::Kind kind)
{
    Primitive &primitive = m_primitives.emplace_back();
    primitive.kind = kind;
    return primitive;
}

int CRecordingDC::StartDoc(const std::string &docName)
{
    record(Primitive::Kind::StartDoc).text = docName;
    return 1;
}

int CRecordingDC::StartPage()
{
    record(Primitive::Kind::StartPage);
    return 1;
}

int CRecordingDC::EndPage()
{
    record(Primitive::Kind::EndPage);
    return 1;
}

int CRecordingDC::EndDoc()
{
    record(Primitive::Kind::EndDoc);
    return 1;
}

void CRecordingDC::fillRect(const CRect &rect, COLORREF color)
{
    Primitive &primitive = record(Primitive::Kind::Fill);
    primitive.rect = rect;
    primitive.color = color;
}

void CRecordingDC::drawLine(CPoint from, CPoint to, const LOGPEN &pen)
{
    Primitive &primitive = record(Primitive::Kind::Line);
    primitive.from = from;
    primitive.to = to;
    primitive.pen = pen;
    primitive.color = pen.lopnColor;
}

void CRecordingDC::drawText(const TextRun &run)
{
    Primitive &primitive =
        record(run.layout != nullptr ? Primitive::Kind::DrawText : Primitive::Kind::Text);
    primitive.from = {run.x, run.y};
    primitive.extent = run.extent;
    primitive.text = std::string(run.text);
    primitive.font = *run.font;
    primitive.color = run.textColor;
    primitive.opaque = run.opaque;
    primitive.bkColor = run.bkColor;
    if (run.layout != nullptr)
        primitive.rect = *run.layout;
    primitive.format = run.format;
}

} // namespace zyfo
