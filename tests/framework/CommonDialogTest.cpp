// Common dialogs through the scriptable seam and for real, and the SVG surface.
#include "Application.h"
#include "CColorDialog.h"
#include "CFileDialog.h"
#include "CImageDC.h"
#include "CSvgDC.h"
#include "DialogScript.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QTemporaryDir>

#include <QImage>

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace zyfo {
namespace {

const std::string reportFilter = "Plik tekstowy (*.txt)|*.txt|Lista CSV (*.csv)|*.csv||";

class CommonDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(CommonDialogTest, ANameWithoutAnExtensionHasExtensionOffsetZero)
{
    DialogScript script;
    script.answerFileDialog(IDOK, "/tmp/raporty.d/raport", 2);
    CFileDialog dialog(TRUE, ".csv", "", OFN_OVERWRITEPROMPT, reportFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_ofn.nFileExtension, 0) << "a dot in a folder's name is not an extension";
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

// A scripted colour chosen, and the request's colour and flags, are checked with the chart
// settings dialog that asks for them.
TEST_F(CommonDialogTest, ColourDialogCancelledKeepsItsColourAndRealOneGivesTheChosen)
{
    {
        DialogScript script;
        script.answerColorDialog(IDCANCEL);
        CColorDialog cancelled(RGB(1, 2, 3), CC_FULLOPEN);
        EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
        EXPECT_EQ(cancelled.GetColor(), RGB(1, 2, 3));
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

TEST_F(CommonDialogTest, SvgSurfaceWritesLinesAsThePixelsTheImageSets)
{
    // A sloping line of each pen kind: the SVG's rectangles cover exactly the image's pixels.
    for (const int width : {1, 2, 7}) {
        CSvgDC svg(400, 300);
        CImageDC image(400, 300);
        CPen pen;
        pen.CreatePen(PS_SOLID, width, RGB(236, 226, 128));
        for (CDC *dc : {static_cast<CDC *>(&svg), static_cast<CDC *>(&image)}) {
            dc->SelectObject(&pen);
            dc->MoveTo(36, 102);
            dc->LineTo(72, 95);
        }
        std::set<std::pair<int, int>> covered;
        const std::string document = svg.document();
        const std::regex block(R"(M(-?\d+) (-?\d+)h(\d+)v(\d+)h-\d+z)");
        for (auto it = std::sregex_iterator(document.begin(), document.end(), block);
             it != std::sregex_iterator(); ++it)
            for (int y = std::stoi((*it)[2]); y < std::stoi((*it)[2]) + std::stoi((*it)[4]); ++y)
                for (int x = std::stoi((*it)[1]); x < std::stoi((*it)[1]) + std::stoi((*it)[3]);
                     ++x)
                    covered.emplace(x, y);
        std::set<std::pair<int, int>> lit;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                if ((image.image().pixel(x, y) & 0xFFFFFF) != 0)
                    lit.emplace(x, y);
        EXPECT_FALSE(lit.empty());
        EXPECT_EQ(covered, lit) << "width " << width;
        EXPECT_NE(document.find("fill=\"#ece280\""), std::string::npos);
    }
}

} // namespace
} // namespace zyfo
