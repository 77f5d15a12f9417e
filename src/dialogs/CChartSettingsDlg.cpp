// The "Wykres" dialog: line width, colours, how many points a line draws, means in the legend.
#include "CChartSettingsDlg.h"

#include "CChartCtrl.h"
#include "CColorDialog.h"
#include "CDataExchange.h"
#include "DialogIds.h"
#include "EditNumber.h"
#include "Resources.h"

namespace zyfo {

namespace {
constexpr int kMinWidth = 1;
constexpr int kMaxWidth = 10;
constexpr int kMinPoints = 5;
constexpr int kMaxPoints = 100000;
// The points spin's own range reaches past the edit's limit; the edit's handlers clamp.
constexpr int kSpinMaxPoints = 1000000;
} // namespace

CChartSettingsDlg::CChartSettingsDlg(CChartCtrl &chart, CWnd *parent)
    : CDialog(chartSettingsDialogTemplate(), parent)
    , m_chart(chart)
{
    FocusSelfOnEnterAndEscape();
}

void CChartSettingsDlg::DoDataExchange(CDataExchange *exchange)
{
    DDX_Control(exchange, IDC_CHART_SHOW_MEANS, m_showMeansBox);
    DDX_Control(exchange, IDC_CHART_DRAW_ALL, m_drawAllBox);
    DDX_Control(exchange, IDC_CHART_POINTS_SPIN, m_pointsSpin);
    DDX_Control(exchange, IDC_CHART_POINTS, m_pointsEdit);
    DDX_Control(exchange, IDC_CHART_TEXT_SWATCH, m_textSwatch);
    DDX_Control(exchange, IDC_CHART_BACK_SWATCH, m_backSwatch);
    DDX_Control(exchange, IDC_CHART_WIDTH, m_widthEdit);
    DDX_Control(exchange, IDC_CHART_WIDTH_SPIN, m_widthSpin);
}

const MessageMap *CChartSettingsDlg::GetMessageMap() const
{
    using D = CChartSettingsDlg;
    static const MessageMap map = {
        onNotify(EN_KILLFOCUS, IDC_CHART_WIDTH, &D::OnWidthKillFocus),
        onNotify(EN_CHANGE, IDC_CHART_WIDTH, &D::OnWidthChange),
        onNotify(BN_CLICKED, IDC_CHART_BACK_COLOR, &D::OnBackColor),
        onNotify(BN_CLICKED, IDC_CHART_TEXT_COLOR, &D::OnTextColor),
        onNotify(BN_CLICKED, IDC_CHART_CLOSE, &D::OnClose),
        onNotify(BN_CLICKED, IDC_CHART_DRAW_ALL, &D::OnDrawAll),
        onNotify(EN_CHANGE, IDC_CHART_POINTS, &D::OnPointsChange),
        onNotify(EN_KILLFOCUS, IDC_CHART_POINTS, &D::OnPointsKillFocus),
        onNotify(BN_CLICKED, IDC_CHART_SHOW_MEANS, &D::OnShowMeans),
    };
    return &map;
}

BOOL CChartSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_backSwatch.setColor(m_backColor);
    m_textSwatch.setColor(m_textColor);
    m_widthSpin.SetRange32(kMinWidth, kMaxWidth);
    setEditNumber(m_widthEdit, m_lineWidth);
    m_pointsSpin.SetRange32(kMinPoints, kSpinMaxPoints);
    if (m_maxPoints > 0)
        setEditNumber(m_pointsEdit, m_maxPoints);
    else
        m_pointsEdit.SetWindowText("5");
    m_drawAllBox.SetCheck(m_maxPoints == 0 ? BST_CHECKED : BST_UNCHECKED);
    m_showMeansBox.SetCheck(m_showMeans != 0 ? BST_CHECKED : BST_UNCHECKED);
    applyDrawAll();
    return TRUE;
}

void CChartSettingsDlg::applyLineWidth()
{
    m_chart.SetLineWidth(clampEditNumber(m_widthEdit, kMinWidth, kMaxWidth));
}

void CChartSettingsDlg::OnWidthChange()
{
    // Text put into the edit while the window is being built is not the user's.
    if (m_widthSpin.GetSafeHwnd() == nullptr)
        return;
    applyLineWidth();
}

void CChartSettingsDlg::OnWidthKillFocus()
{
    applyLineWidth();
}

void CChartSettingsDlg::applyDrawAll()
{
    const bool drawAll = m_drawAllBox.GetCheck() != BST_UNCHECKED;
    m_pointsEdit.EnableWindow(drawAll ? FALSE : TRUE);
    m_pointsSpin.EnableWindow(drawAll ? FALSE : TRUE);
    m_chart.SetMaxPoints(drawAll ? 0 : editNumber(m_pointsEdit));
}

void CChartSettingsDlg::OnDrawAll()
{
    applyDrawAll();
}

void CChartSettingsDlg::OnPointsChange()
{
    if (m_pointsEdit.GetSafeHwnd() == nullptr)
        return;
    if (m_drawAllBox.GetCheck() != BST_UNCHECKED) {
        m_chart.SetMaxPoints(0);
        return;
    }
    // While typing, a small number is drawn as the least but left in the edit, so that the
    // user can go on typing its next digits.
    int points = editNumber(m_pointsEdit);
    if (points < kMinPoints) {
        points = kMinPoints;
    } else if (points > kMaxPoints) {
        points = kMaxPoints;
        setEditNumber(m_pointsEdit, points);
    }
    m_chart.SetMaxPoints(points);
}

void CChartSettingsDlg::OnPointsKillFocus()
{
    m_chart.SetMaxPoints(clampEditNumber(m_pointsEdit, kMinPoints, kMaxPoints));
}

bool CChartSettingsDlg::chooseColor(COLORREF current, COLORREF &chosen)
{
    CColorDialog dialog(current, CC_FULLOPEN);
    if (dialog.DoModal() != IDOK)
        return false;
    chosen = dialog.GetColor();
    return true;
}

void CChartSettingsDlg::OnBackColor()
{
    if (!chooseColor(m_chart.settings().backColor, m_backColor))
        return;
    m_chart.SetChartBackColor(m_backColor);
    m_backSwatch.setColor(m_backColor);
    m_backSwatch.RedrawWindow();
}

void CChartSettingsDlg::OnTextColor()
{
    if (!chooseColor(m_chart.settings().textColor, m_textColor))
        return;
    m_chart.SetChartTextColor(m_textColor);
    m_textSwatch.setColor(m_textColor);
    m_textSwatch.RedrawWindow();
}

void CChartSettingsDlg::OnClose()
{
    ShowWindow(SW_HIDE);
}

void CChartSettingsDlg::OnShowMeans()
{
    m_showMeans = m_showMeansBox.GetCheck() != BST_UNCHECKED ? 1 : 0;
    m_chart.SetShowMeans(m_showMeans);
}

} // namespace zyfo
