// Drawing surface of a printer: a real printer chosen in the print dialog, or a PDF file.
#pragma once

#include "CPainterDC.h"
#include "CSize.h"

#include <memory>
#include <string>

class QPrinter;

namespace zyfo {

// Device units are printer dots; the origin is the printable area's top-left corner, whose
// distance from the paper's edge PHYSICALOFFSETX/Y give. Nothing is drawn before StartDoc.
class CPrinterDC : public CPainterDC
{
public:
    // A printer that writes `pdfPath`: A4 pages at `dpi` dots per inch.
    explicit CPrinterDC(const std::string &pdfPath, int dpi = 600);
    // A printer that writes `pdfPath` on pages of exactly `page` device units at `dpi` dots
    // per inch, printable to their edges (a picture saved as a vector file). Its lines are the
    // pixels the image surface sets, so that a renderer at one pixel a unit lights those.
    CPrinterDC(const std::string &pdfPath, int dpi, CSize page);
    // Printing on `printer`, which must outlive the surface (the print dialog's choice).
    explicit CPrinterDC(QPrinter &printer);
    ~CPrinterDC() override;

    int GetDeviceCaps(int index) const override;
    // Starts the job named `docName`; SP_ERROR when the printer cannot be opened.
    int StartDoc(const std::string &docName) override;
    // Pages after the first begin on a new sheet.
    int StartPage() override;
    int EndPage() override;
    // Ends the job: the document is printed, or the PDF file complete.
    int EndDoc() override;

protected:
    void drawLine(CPoint from, CPoint to, const LOGPEN &pen) override;
    void drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen) override;

private:
    std::unique_ptr<QPrinter> m_ownPrinter;
    bool m_linesAsPixels = false;
    QPrinter *m_printer;
    bool m_started = false;
    int m_pages = 0;
};

} // namespace zyfo
