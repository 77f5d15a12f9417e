// The "Uaktualnianie pomiarów" dialog: re-reading the data file on a timer, and showing only the
// newest measurements.
#pragma once

#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"

namespace zyfo {

// Modal. The opener sets the four values, runs the dialog and takes them back only when it ends
// with IDOK. The numbers are kept within their limits as their edits lose the focus, and what
// does not apply is greyed. Enter and Esc only move the focus to the dialog.
class CLiveUpdateDlg : public CDialog
{
public:
    explicit CLiveUpdateDlg(CWnd *parent = nullptr);

    BOOL OnInitDialog() override;
    // Swallows Enter and Esc, giving the focus to the dialog window itself.

    int m_period = 5;      // seconds between re-reads, 2..10000 once validated
    int m_updateOn = 0;    // "Uaktualniaj pomiary"
    int m_lastCount = 100; // newest measurements shown, 5..50000 once validated
    int m_lastOn = 0;      // "Pokaż tylko ostatnie pomiary"

protected:
    void DoDataExchange(CDataExchange *exchange) override;
    const MessageMap *GetMessageMap() const override;

private:
    void OnOkButton();
    void OnCancelButton();
    // Update box: greys or enables the period group and the last-count group under it.
    void applyUpdateBox();
    // Last-on box: greys or enables the last-count group.
    void applyLastOnBox();
    void validatePeriod();
    void validateLastCount();

    CStatic m_lastLabel;
    CStatic m_showLabel;
    CStatic m_secondsLabel;
    CStatic m_periodLabel;
    CButton m_lastOnBox;
    CEdit m_lastCountEdit;
    CEdit m_periodEdit;
    CButton m_updateBox;
};

} // namespace zyfo
