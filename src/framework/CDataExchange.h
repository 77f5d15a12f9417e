// Data exchange of a dialog: binding member controls to the template's controls by id.
#pragma once

namespace zyfo {

class CDialog;
class CWnd;

class CDataExchange
{
public:
    explicit CDataExchange(CDialog &dialog)
        : m_dialog(dialog)
    {}

    CDialog &m_dialog;
};

// Binds `control` to the dialog's control `id`, so that its operations act on that control
// and its own command table (WM_PAINT of a custom-drawn static) is used. Throws
// std::invalid_argument when the template has no such control.
void DDX_Control(CDataExchange *exchange, int id, CWnd &control);

} // namespace zyfo
