// The "Data i czas" dialog: which parts of the time labels the chart shows.
#include "CDateFormatDlg.h"

#include "CChartCtrl.h"
#include "CDataExchange.h"
#include "DialogIds.h"
#include "Resources.h"

namespace zyfo {

namespace {
int checkedFlag(const CButton &box)
{
    return box.GetCheck() != BST_UNCHECKED ? 1 : 0;
}
} // namespace

CDateFormatDlg::CDateFormatDlg(CChartCtrl &chart, CWnd *parent)
    : CDialog(dateFormatDialogTemplate(), parent)
    , m_chart(chart)
{}

void CDateFormatDlg::DoDataExchange(CDataExchange *exchange)
{
    DDX_Control(exchange, IDC_DATE_SHOW_TIME, m_showTimeBox);
    DDX_Control(exchange, IDC_DATE_ONE_LINE, m_oneLineBox);
    DDX_Control(exchange, IDC_DATE_SHOW_DATE, m_showDateBox);
}

const MessageMap *CDateFormatDlg::GetMessageMap() const
{
    static const MessageMap map = {
        onNotify(BN_CLICKED, IDC_DATE_SHOW_DATE, &CDateFormatDlg::OnShowDate),
        onNotify(BN_CLICKED, IDC_DATE_SHOW_TIME, &CDateFormatDlg::OnShowTime),
        onNotify(BN_CLICKED, IDC_DATE_ONE_LINE, &CDateFormatDlg::OnOneLine),
        onNotify(BN_CLICKED, IDC_DATE_CLOSE, &CDateFormatDlg::OnClose),
    };
    return &map;
}

BOOL CDateFormatDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_showDateBox.SetCheck(m_showDate != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_showTimeBox.SetCheck(m_showTime != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_oneLineBox.SetCheck(m_oneLine != 0 ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CDateFormatDlg::OnShowDate()
{
    m_chart.SetShowDate(checkedFlag(m_showDateBox));
}

void CDateFormatDlg::OnShowTime()
{
    m_chart.SetShowTime(checkedFlag(m_showTimeBox));
}

void CDateFormatDlg::OnOneLine()
{
    m_chart.SetDateTimeOneLine(checkedFlag(m_oneLineBox));
}

void CDateFormatDlg::OnClose()
{
    ShowWindow(SW_HIDE);
}

} // namespace zyfo
