// A push button or check box of a dialog; it sends BN_CLICKED when the user clicks it.
#pragma once

#include "CWnd.h"

namespace zyfo {

class CButton : public CWnd
{
public:
    // BST_CHECKED or BST_UNCHECKED (push buttons are never checked).
    int GetCheck() const;
    // Sets a check box's state without sending BN_CLICKED.
    void SetCheck(int check);
};

} // namespace zyfo
