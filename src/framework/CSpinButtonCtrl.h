// An up-down control of a dialog; it sends UDN_DELTAPOS for each arrow press.
#pragma once

#include "CWnd.h"

namespace zyfo {

class CSpinButtonCtrl : public CWnd
{
public:
    // UDM_SETRANGE32 / UDM_GETRANGE32. The up arrow moves towards `upper`.
    void SetRange32(int lower, int upper);
    void GetRange32(int &lower, int &upper) const;
};

} // namespace zyfo
