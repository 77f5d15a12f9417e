// The "Uaktualnianie pomiarów" dialog: re-reading the data file on a timer, and showing only the
// newest measurements.
#include "CLiveUpdateDlg.h"

#include "CDataExchange.h"
#include "DialogIds.h"
#include "EditNumber.h"
#include "Resources.h"

#include <algorithm>

namespace zyfo {

namespace {
constexpr int kMinPeriod = 2;
constexpr int kMaxPeriod = 10000;
constexpr int kMinLastCount = 5;
constexpr int kMaxLastCount = 50000;

int checkedFlag(const CButton &box)
{
    return box.GetCheck() != BST_UNCHECKED ? 1 : 0;
}

// The edit's number within low..high, written back into the edit.
int validatedNumber(CEdit &edit, int low, int high)
{
    const int number = std::clamp(editNumber(edit), low, high);
    setEditNumber(edit, number);
    return number;
}
} // namespace

CLiveUpdateDlg::CLiveUpdateDlg(CWnd *parent)
    : CDialog(liveUpdateDialogTemplate(), parent)
{
    FocusSelfOnEnterAndEscape();
}

void CLiveUpdateDlg::DoDataExchange(CDataExchange *exchange)
{
    DDX_Control(exchange, IDC_LIVE_LAST_LABEL, m_lastLabel);
    DDX_Control(exchange, IDC_LIVE_SHOW_LABEL, m_showLabel);
    DDX_Control(exchange, IDC_LIVE_SECONDS_LABEL, m_secondsLabel);
    DDX_Control(exchange, IDC_LIVE_PERIOD_LABEL, m_periodLabel);
    DDX_Control(exchange, IDC_LIVE_LAST_ON, m_lastOnBox);
    DDX_Control(exchange, IDC_LIVE_LAST_COUNT, m_lastCountEdit);
    DDX_Control(exchange, IDC_LIVE_PERIOD, m_periodEdit);
    DDX_Control(exchange, IDC_LIVE_UPDATE, m_updateBox);
}

const MessageMap *CLiveUpdateDlg::GetMessageMap() const
{
    using D = CLiveUpdateDlg;
    static const MessageMap map = {
        onNotify(BN_CLICKED, IDC_LIVE_OK, &D::OnOkButton),
        onNotify(BN_CLICKED, IDC_LIVE_CANCEL, &D::OnCancelButton),
        onNotify(BN_CLICKED, IDC_LIVE_UPDATE, &D::applyUpdateBox),
        onNotify(EN_KILLFOCUS, IDC_LIVE_PERIOD, &D::validatePeriod),
        onNotify(BN_CLICKED, IDC_LIVE_LAST_ON, &D::applyLastOnBox),
        onNotify(EN_KILLFOCUS, IDC_LIVE_LAST_COUNT, &D::validateLastCount),
    };
    return &map;
}

BOOL CLiveUpdateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_updateBox.SetCheck(m_updateOn != 0 ? BST_CHECKED : BST_UNCHECKED);
    setEditNumber(m_periodEdit, m_period);
    m_lastOnBox.SetCheck(m_lastOn != 0 ? BST_CHECKED : BST_UNCHECKED);
    validatePeriod();
    setEditNumber(m_lastCountEdit, m_lastCount);
    validateLastCount();
    // Greyed once both groups are filled: with updating off the last-count group stays grey
    // even when its own box is ticked, as it does after a click on the update box.
    applyUpdateBox();
    return TRUE;
}

void CLiveUpdateDlg::OnOkButton()
{
    OnOK();
}

void CLiveUpdateDlg::OnCancelButton()
{
    OnCancel();
}

void CLiveUpdateDlg::applyUpdateBox()
{
    m_updateOn = checkedFlag(m_updateBox);
    const BOOL enable = m_updateOn != 0 ? TRUE : FALSE;
    m_periodEdit.EnableWindow(enable);
    m_periodLabel.EnableWindow(enable);
    m_secondsLabel.EnableWindow(enable);
    m_lastOnBox.EnableWindow(enable);
    if (m_updateOn != 0) {
        applyLastOnBox();
        return;
    }
    m_lastCountEdit.EnableWindow(FALSE);
    m_showLabel.EnableWindow(FALSE);
    m_lastLabel.EnableWindow(FALSE);
}

void CLiveUpdateDlg::applyLastOnBox()
{
    m_lastOn = checkedFlag(m_lastOnBox);
    const BOOL enable = m_lastOn != 0 ? TRUE : FALSE;
    m_lastCountEdit.EnableWindow(enable);
    m_showLabel.EnableWindow(enable);
    m_lastLabel.EnableWindow(enable);
}

void CLiveUpdateDlg::validatePeriod()
{
    m_period = validatedNumber(m_periodEdit, kMinPeriod, kMaxPeriod);
}

void CLiveUpdateDlg::validateLastCount()
{
    m_lastCount = validatedNumber(m_lastCountEdit, kMinLastCount, kMaxLastCount);
}

} // namespace zyfo
