// The "Wykres" dialog: line width, colours, how many points a line draws, means in the legend.
#pragma once

#include "CButton.h"
#include "CColorBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CSpinButtonCtrl.h"

namespace zyfo {

class CChartCtrl;

// A modeless tool window of the main window, made once and hidden. Every change goes to the
// chart at once; there is no OK or Cancel. Enter and Esc only move the focus to the dialog, so
// the edit being typed in applies its value; "Zamknij" and the close box hide the window.
class CChartSettingsDlg : public CDialog
{
public:
    // `chart` is the main window's chart control; it must outlive the dialog.
    explicit CChartSettingsDlg(CChartCtrl &chart, CWnd *parent = nullptr);

    // Fills the controls from the members below and applies the draw-all choice.
    BOOL OnInitDialog() override;
    // Swallows Enter and Esc, giving the focus to the dialog window itself.

    // Set from the chart's settings before Create. The colours and show-means follow the
    // user's choices; line width and maximum points go straight to the chart.
    int m_showMeans = 0;
    int m_maxPoints = 0;
    int m_lineWidth = 2;
    COLORREF m_backColor = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);

protected:
    void DoDataExchange(CDataExchange *exchange) override;
    const MessageMap *GetMessageMap() const override;

private:
    void OnWidthChange();
    void OnWidthKillFocus();
    void OnBackColor();
    void OnTextColor();
    void OnClose();
    void OnDrawAll();
    void OnPointsChange();
    void OnPointsKillFocus();
    void OnShowMeans();

    // Clamps the width edit to 1..10 (writing a limit back) and sets the chart's line width.
    void applyLineWidth();
    // Greys or enables the points edit and its spin; draws all or at most the edit's N.
    void applyDrawAll();
    // Opens the colour dialog at `current`; the chosen colour, or nothing when cancelled.
    static bool chooseColor(COLORREF current, COLORREF &chosen);

    CChartCtrl &m_chart;
    CButton m_showMeansBox;
    CButton m_drawAllBox;
    CSpinButtonCtrl m_pointsSpin;
    CEdit m_pointsEdit;
    CColorBox m_textSwatch;
    CColorBox m_backSwatch;
    CEdit m_widthEdit;
    CSpinButtonCtrl m_widthSpin;
};

} // namespace zyfo
