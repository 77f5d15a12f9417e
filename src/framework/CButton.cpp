// A push button or check box of a dialog; it sends BN_CLICKED when the user clicks it.
#include "CButton.h"

#include <QAbstractButton>

namespace zyfo {

int CButton::GetCheck() const
{
    auto *button = qobject_cast<QAbstractButton *>(GetSafeHwnd());
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    if (auto *button = qobject_cast<QAbstractButton *>(GetSafeHwnd());
        button && button->isCheckable())
        button->setChecked(check != BST_UNCHECKED);
}

} // namespace zyfo
