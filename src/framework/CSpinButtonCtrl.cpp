// An up-down control of a dialog; it sends UDN_DELTAPOS for each arrow press.
#include "CSpinButtonCtrl.h"

#include "UpDownWidget.h"

namespace zyfo {

namespace {
UpDownWidget *upDownOf(const CWnd &window)
{
    return dynamic_cast<UpDownWidget *>(window.GetSafeHwnd());
}
} // namespace

void CSpinButtonCtrl::SetRange32(int lower, int upper)
{
    if (UpDownWidget *upDown = upDownOf(*this))
        upDown->setRange(lower, upper);
}

void CSpinButtonCtrl::GetRange32(int &lower, int &upper) const
{
    UpDownWidget *upDown = upDownOf(*this);
    lower = upDown != nullptr ? upDown->lower() : 0;
    upper = upDown != nullptr ? upDown->upper() : 0;
}

} // namespace zyfo
