// Drawing surface of a printer: a real printer chosen in the print dialog, or a PDF file.
#include "CPrinterDC.h"

#include "Application.h"
#include "LinePixels.h"

#include <QPageLayout>
#include <QPrinter>

namespace zyfo {

namespace {
std::unique_ptr<QPrinter> pdfPrinter(const std::string &path, int dpi)
{
    ensureApplication();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setResolution(dpi);
    return printer;
}
} // namespace

CPrinterDC::CPrinterDC(const std::string &pdfPath, int dpi)
    : CPrinterDC(*pdfPrinter(pdfPath, dpi).release())
{
    m_ownPrinter.reset(m_printer);
}

CPrinterDC::CPrinterDC(const std::string &pdfPath, int dpi, CSize page)
    : CPrinterDC(pdfPath, dpi)
{
    const QSizeF inches(static_cast<double>(page.cx) / dpi, static_cast<double>(page.cy) / dpi);
    m_printer->setPageSize(QPageSize(inches, QPageSize::Inch));
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_printer->setFullPage(true);
    m_linesAsPixels = true;
}

CPrinterDC::CPrinterDC(QPrinter &printer)
    : CPainterDC(0, 0, printer.resolution(), printer.resolution())
    , m_printer(&printer)
{}

CPrinterDC::~CPrinterDC()
{
    end();
}

int CPrinterDC::GetDeviceCaps(int index) const
{
    // Read from the printer each time: the print dialog may have changed paper or printer.
    QRect page = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    int dpi = m_printer->resolution();
    DeviceCaps caps{page.width(),
                    page.height(),
                    dpi,
                    dpi,
                    page.left() - paper.left(),
                    page.top() - paper.top()};
    return caps.capability(index);
}

void CPrinterDC::drawLine(CPoint from, CPoint to, const LOGPEN &pen)
{
    if (!m_linesAsPixels) {
        CPainterDC::drawLine(from, to, pen);
        return;
    }
    for (const CRect &block : linePixels(from, to, pen))
        fillRect(block, pen.lopnColor);
}

void CPrinterDC::drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen)
{
    if (!m_linesAsPixels) {
        CPainterDC::drawLines(ends, pen);
        return;
    }
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
        drawLine(ends[i], ends[i + 1], pen);
}

int CPrinterDC::StartDoc(const std::string &docName)
{
    if (m_started)
        return SP_ERROR;
    m_printer->setDocName(QString::fromStdString(docName));
    if (!begin(m_printer))
        return SP_ERROR;
    m_started = true;
    m_pages = 0;
    return 1;
}

int CPrinterDC::StartPage()
{
    if (!m_started)
        return SP_ERROR;
    if (m_pages++ > 0 && !m_printer->newPage())
        return SP_ERROR;
    return 1;
}

int CPrinterDC::EndPage()
{
    return m_started ? 1 : SP_ERROR;
}

int CPrinterDC::EndDoc()
{
    if (!m_started)
        return SP_ERROR;
    end();
    m_started = false;
    return 1;
}

} // namespace zyfo
