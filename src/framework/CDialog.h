// A dialog made from a template: modal or modeless, with its controls bound to members.
#pragma once

#include "CMenu.h"
#include "CWnd.h"
#include "DialogTemplate.h"

#include <ctime>
#include <map>
#include <memory>

namespace zyfo {

class CDataExchange;

// The window is made from the template when the dialog runs (DoModal) or is created (Create);
// OnInitDialog then binds the member controls (DoDataExchange with DDX_Control) before the
// window shows. Control notifications, menu commands and the dialog's messages go to the
// derived class's command table. Enter clicks the default push button (else sends IDOK),
// Escape and the close box send IDCANCEL; IDOK and IDCANCEL without a table entry run OnOK and
// OnCancel, which end the dialog (a modeless dialog is hidden, not destroyed).
class CDialog : public CWnd
{
public:
    // `dialogTemplate` must outlive the dialog. `parent` owns the window; for a modal run
    // without one, the application's main window does.
    explicit CDialog(const DialogTemplate &dialogTemplate, CWnd *parent = nullptr);
    ~CDialog() override;

    // Makes the window, initialises it, shows it and runs until EndDialog; the window is
    // destroyed before the call returns. Returns EndDialog's value, or -1 when the window
    // already exists.
    virtual int DoModal();
    // Makes the window modeless and initialises it; it stays hidden unless the template has
    // WS_VISIBLE. FALSE when the window already exists.
    BOOL Create(CWnd *parent = nullptr);
    // A modal dialog's run ends with `result`; a modeless dialog is hidden.
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Default processing of WM_SYSCOMMAND: SC_CLOSE sends IDCANCEL.
    void OnSysCommand(UINT id, LPARAM lParam);
    // The help command: WinHelp with the dialog's help context (0x20000 + template id).
    void OnHelp();
    // With FocusSelfOnEnterAndEscape, swallows a key-down of Enter or Esc after moving the
    // keyboard focus to the dialog itself; every other message goes to the base handling.
    BOOL PreTranslateMessage(MSG *msg) override;

    // The control with `id`: its bound member, else a wrapper the dialog keeps. nullptr when
    // the window does not exist or has no such control.
    CWnd *GetDlgItem(int id);
    // The system menu of a window with WS_SYSMENU (nullptr otherwise): "Zamknij" at first.
    CMenu *GetSystemMenu(BOOL revert);

    const DialogTemplate &dialogTemplate() const { return m_template; }

protected:
    virtual void DoDataExchange(CDataExchange *) {}
    // Enter and Esc then neither reach the controls nor end or hide the dialog: they move the
    // focus to the dialog, so that the edit that had it applies its value as it loses the focus.
    void FocusSelfOnEnterAndEscape() { m_focusSelfOnEnterAndEscape = true; }
    QWidget *clientWidget() const override;

private:
    friend class DialogWidget;
    friend class DialogClient;
    friend class ControlFactory;
    friend void DDX_Control(CDataExchange *exchange, int id, CWnd &control);

    bool createWindow(CWnd *parent);
    void destroyWindow();
    QWidget *ownerWidget(CWnd *parent) const;
    bool muted() const;

    // From the controls and the window.
    void command(UINT code, int id);
    LRESULT deltaPos(int id, int position, int delta);
    void dateTimeChanged(int id, const std::tm &value);
    void systemCommand(UINT id);
    void sized(UINT type, int cx, int cy);
    void bindControl(int id, CWnd &control);

    const DialogTemplate &m_template;
    CWnd *m_owner;
    QWidget *m_client = nullptr;
    std::map<int, QWidget *> m_controls;
    std::map<int, std::unique_ptr<CWnd>> m_wrappers;
    bool m_focusSelfOnEnterAndEscape = false;
    std::unique_ptr<CMenu> m_systemMenu;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = IDCANCEL;
};

} // namespace zyfo
