// Common dialogs through the scriptable seam and for real, the printer surface writing a PDF
// file, and the SVG surface.
#include "Application.h"
#include "CColorDialog.h"
#include "CFileDialog.h"
#include "CPrinterDC.h"
#include "CSvgDC.h"
#include "DialogScript.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

const std::string reportFilter = "Plik tekstowy (*.txt)|*.txt|Lista CSV (*.csv)|*.csv||";

class CommonDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(CommonDialogTest, ScriptedFileDialogGivesTheExtensionsOffset)
{
    DialogScript script;
    script.answerFileDialog(IDOK, "/tmp/raporty/raport", 2);
    script.answerFileDialog(IDOK, "/tmp/raporty.d/raport.csv", 2);
    CFileDialog dialog(TRUE, ".csv", "", OFN_OVERWRITEPROMPT, reportFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), "/tmp/raporty/raport");
    EXPECT_EQ(dialog.m_ofn.nFileExtension, 0) << "a name without an extension";
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_ofn.nFileExtension,
              static_cast<int>(std::string("/tmp/raporty.d/raport.").size()))
        << "a dot in a folder's name is not an extension";
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "no answer queued: refused";
    EXPECT_EQ(dialog.GetPathName(), "/tmp/raporty.d/raport.csv") << "cancel keeps the path";
}

TEST_F(CommonDialogTest, RealFileDialogGivesTheSelectedFiltersExtension)
{
    QTemporaryDir folder;
    QString typed = folder.filePath(QStringLiteral("raport"));
    auto watch = test::whenShown<QFileDialog>([&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wybierz plik raportu"));
        EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Lista CSV (*.csv)"));
        dialog.selectNameFilter(QStringLiteral("Plik tekstowy (*.txt)"));
        dialog.selectFile(typed);
        // accept() is protected in the file dialog; its slot is reachable as the OK button's.
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    CFileDialog dialog(TRUE, "", "", OFN_OVERWRITEPROMPT, reportFilter);
    dialog.m_ofn.lpstrTitle = "Wybierz plik raportu";
    dialog.m_ofn.nFilterIndex = 2;
    dialog.m_ofn.lpstrDefExt = "csv";
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (typed + ".txt").toStdString());
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 1);
    EXPECT_GT(dialog.m_ofn.nFileExtension, 0);
}

TEST_F(CommonDialogTest, ColourDialogScriptedAndReal)
{
    {
        DialogScript script;
        script.answerColorDialog(IDOK, RGB(245, 20, 20));
        script.answerColorDialog(IDCANCEL);
        CColorDialog chosen(RGB(236, 226, 128), CC_FULLOPEN);
        ASSERT_EQ(chosen.DoModal(), IDOK);
        EXPECT_EQ(chosen.GetColor(), RGB(245, 20, 20));
        CColorDialog cancelled(RGB(1, 2, 3), CC_FULLOPEN);
        EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
        EXPECT_EQ(cancelled.GetColor(), RGB(1, 2, 3));
        EXPECT_EQ(script.requests()[0].color, RGB(236, 226, 128));
        EXPECT_EQ(script.requests()[0].flags, CC_FULLOPEN);
    }
    auto watch = test::whenShown<QColorDialog>([](QColorDialog &dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0, 0, 128)) << "opens on the initial colour";
        dialog.setCurrentColor(QColor(10, 20, 30));
        dialog.accept();
    });
    CColorDialog real(RGB(0, 0, 128), CC_FULLOPEN);
    ASSERT_EQ(real.DoModal(), IDOK);
    EXPECT_EQ(real.GetColor(), RGB(10, 20, 30));
}

// A page of a given size, printable to its edges, is checked through the chart export tool.
TEST_F(CommonDialogTest, PdfPrinterWritesOnePageAtItsResolution)
{
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("wykres.pdf")).toStdString();
    {
        CPrinterDC printer(path, 300);
        EXPECT_EQ(printer.GetDeviceCaps(LOGPIXELSY), 300);
        const int offset = printer.GetDeviceCaps(PHYSICALOFFSETX);
        EXPECT_GE(offset, 0);
        EXPECT_NEAR(printer.GetDeviceCaps(HORZRES) + 2 * offset, 2480, 1) << "A4 at 300 dpi";
        EXPECT_EQ(printer.StartPage(), SP_ERROR) << "no page before the document";
        ASSERT_GT(printer.StartDoc("VENTRO"), 0);
        ASSERT_GT(printer.StartPage(), 0);
        printer.TextOut(300, 180, "Pomiar: /dane/pomiar.zyd");
        printer.MoveTo(10, 10);
        printer.LineTo(400, 10);
        ASSERT_GT(printer.EndPage(), 0);
        ASSERT_GT(printer.EndDoc(), 0);
    }
    QFile pdf(QString::fromStdString(path));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contents = pdf.readAll();
    EXPECT_TRUE(contents.startsWith("%PDF"));
    EXPECT_EQ(contents.count("/Type /Page\n") + contents.count("/Type /Page\r"), 1);
}

TEST_F(CommonDialogTest, SvgSurfaceWritesIntegerCoordinates)
{
    CSvgDC svg(400, 300);
    svg.FillSolidRect(0, 0, 400, 300, RGB(0, 0, 0));
    CPen pen;
    pen.CreatePen(PS_SOLID, 2, RGB(236, 226, 128));
    svg.SelectObject(&pen);
    svg.MoveTo(36, 102);
    svg.LineTo(72, 95);
    LOGFONT description;
    description.lfHeight = 10;
    description.lfEscapement = 900;
    description.lfFaceName = "Arial";
    CFont vertical;
    vertical.CreateFontIndirect(&description);
    svg.SelectObject(&vertical);
    svg.SetBkMode(TRANSPARENT);
    svg.TextOut(129, 295, "2006.12.05 & <x>");
    CRect narrow{10, 10, 20, 30};
    svg.DrawText("-10000", &narrow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const std::string document = svg.document();
    for (const char *expected :
         {"width=\"400\" height=\"300\"",
          "<rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" fill=\"#000000\"/>",
          "<line x1=\"36\" y1=\"102\" x2=\"72\" y2=\"95\" stroke=\"#ece280\" "
          "stroke-width=\"2\" stroke-linecap=\"round\"/>",
          "transform=\"rotate(-90 129 295)\">2006.12.05 &amp; &lt;x&gt;</text>",
          // A text wider than its rectangle is clipped to it.
          "<clipPath id=\"clip1\"><rect x=\"10\" y=\"10\" width=\"10\" height=\"20\""})
        EXPECT_NE(document.find(expected), std::string::npos) << expected << "\n" << document;

    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("wykres.svg")).toStdString();
    ASSERT_TRUE(svg.Save(path));
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), document);
}

} // namespace
} // namespace zyfo
