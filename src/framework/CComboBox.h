// A drop-down list of a dialog; it sends CBN_SELCHANGE when the user chooses an item.
#pragma once

#include "CWnd.h"

#include <string>

namespace zyfo {

class CComboBox : public CWnd
{
public:
    // Appends an item; returns its index, or -1 (CB_ERR) without a window.
    int AddString(const std::string &text);
    void ResetContent();
    int GetCount() const;
    // The selected item's index, or -1 when none is selected.
    int GetCurSel() const;
    // Selects item `index` (-1 clears the selection) without sending CBN_SELCHANGE. Returns
    // the index, or -1 when it is out of range.
    int SetCurSel(int index);
};

} // namespace zyfo
