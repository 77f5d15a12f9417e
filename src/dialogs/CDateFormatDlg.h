// The "Data i czas" dialog: which parts of the time labels the chart shows.
#pragma once

#include "CButton.h"
#include "CDialog.h"

namespace zyfo {

class CChartCtrl;

// A modeless tool window of the main window, made once and hidden. Each click on a box changes
// the chart at once; "Zamknij", Esc and the close box hide the window and keep its state.
class CDateFormatDlg : public CDialog
{
public:
    // `chart` is the main window's chart control; it must outlive the dialog.
    explicit CDateFormatDlg(CChartCtrl &chart, CWnd *parent = nullptr);

    // Ticks the boxes from m_showDate, m_showTime and m_oneLine.
    BOOL OnInitDialog() override;

    // What the boxes start with; set before Create. The boxes hold the state afterwards.
    int m_showDate = 1;
    int m_showTime = 1;
    int m_oneLine = 1;

protected:
    void DoDataExchange(CDataExchange *exchange) override;
    const MessageMap *GetMessageMap() const override;

private:
    void OnShowDate();
    void OnShowTime();
    void OnOneLine();
    void OnClose();

    CChartCtrl &m_chart;
    CButton m_showTimeBox;
    CButton m_oneLineBox;
    CButton m_showDateBox;
};

} // namespace zyfo
