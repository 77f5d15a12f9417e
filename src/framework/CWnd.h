// A window: the program's view of a Qt widget, with its command table, timers and painting.
#pragma once

#include "CRect.h"
#include "ImageResource.h"
#include "MessageMap.h"
#include "WinDefs.h"

#include <functional>
#include <string>

class QWidget;

namespace zyfo {

class WindowLink;

// A message a dialog sees before its control does (WM_KEYDOWN with the virtual key in wParam).
struct MSG
{
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// A CWnd is attached to a widget made by the framework (a dialog's window or one of its
// controls) and forgets it when the widget is destroyed; the widget's lifetime belongs to its
// dialog. Texts are UTF-8. Operations on a CWnd without a window do nothing and report failure
// (FALSE, 0 or an empty result).
class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;

    // The widget, or nullptr when the window does not exist.
    QWidget *GetSafeHwnd() const { return m_widget; }

    // SW_SHOW or SW_HIDE; returns whether the window was visible before.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    // Caption of a dialog, text of an edit, static or button, the selected item of a combo box.
    // Setting an edit's text sends EN_CHANGE, as the platform's edit does.
    void SetWindowText(const std::string &text);
    void GetWindowText(std::string &text) const;

    // RDW_INVALIDATE asks for a paint when the event loop next runs; with RDW_UPDATENOW a
    // visible window is painted before the call returns. RDW_ERASE changes nothing here.
    BOOL RedrawWindow(UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    // Paints the window now. A top-level window that the platform has not put on screen yet
    // is waited for (at most a second, handling window-system events but no input) so that it
    // shows its contents, as a splash window must before the program sleeps.
    void UpdateWindow();

    // Brings the window's top-level window to the front and activates it (restoring it when
    // minimised), and with it the modal dialog or message box open over it, if any. The window
    // manager may decline to activate it; FALSE when the window does not exist.
    BOOL SetForegroundWindow();
    // Whether a modal dialog or message box other than the window's own top-level window is
    // open, so the user cannot use this window until it closes.
    BOOL IsBlockedByModal() const;

    // Gives the window the keyboard focus; returns the window that had it (nullptr if none of
    // ours). The window that loses the focus gets its focus-out notification (EN_KILLFOCUS).
    CWnd *SetFocus();
    static CWnd *GetFocus();

    // Position and size: a control's in its dialog's client coordinates; a top-level window's
    // on the screen, outer size (with the frame the window manager adds).
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    // SWP_NOMOVE and SWP_NOSIZE keep position or size; the z-order argument is not used.
    BOOL SetWindowPos(const CWnd *insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(CRect *rect) const;

    // Starts (or restarts) timer `id` of this window; WM_TIMER with the id arrives every
    // `elapse` ms (at least 10), also while a modal dialog or message box runs. Returns `id`,
    // or 0 when the window does not exist or id is 0. Timers die with the window.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);

    // The window's icon (big and small are the same multi-size icon here).
    void SetIcon(const IconResource *icon, BOOL bigIcon);

    // A message box owned by this window; caption empty: the program's name. Returns IDOK,
    // IDYES or IDNO. Goes through the scriptable seam (DialogScript).
    int MessageBox(const std::string &text, const std::string &caption = {}, UINT type = MB_OK);
    // Opens the program's help at `data` (HELP_CONTEXT), through the scriptable seam.
    virtual void WinHelp(DWORD data, UINT command = HELP_CONTEXT);

    // Sees every key-down of the window's controls before they do; TRUE swallows it.
    virtual BOOL PreTranslateMessage(MSG *msg);

    // Default processing, for handlers of mapped messages to call.
    void OnPaint();
    void OnSize(UINT, int, int) {}
    void OnTimer(UINT_PTR) {}

protected:
    // The window's command table; nullptr when it handles nothing itself.
    virtual const MessageMap *GetMessageMap() const { return nullptr; }

    // Calls the handler of (message, code, id) with `args`; false when the table has none.
    template<class... Args>
    bool dispatch(UINT message, UINT code, int id, Args... args);
    bool handles(UINT message, UINT code = 0, int id = 0) const;

    // Binds this object to `widget`, a control or window made by the framework.
    void attach(QWidget *widget);
    void detach();
    // Where painting and the client rectangle are: the window itself except for dialogs.
    virtual QWidget *clientWidget() const { return m_widget; }

private:
    friend class WindowLink;
    friend class CDialog;
    friend class CPaintDC;
    friend class StaticWidget;
    friend class DialogClient;

    const MessageEntry *findEntry(UINT message, UINT code, int id) const;
    void handlePaint();
    void handleTimer(UINT_PTR id);

    QWidget *m_widget = nullptr;
    WindowLink *m_link = nullptr;
};

template<class... Args>
bool CWnd::dispatch(UINT message, UINT code, int id, Args... args)
{
    const MessageEntry *entry = findEntry(message, code, id);
    if (entry == nullptr)
        return false;
    std::get<std::function<void(CWnd &, Args...)>>(entry->handler)(*this, args...);
    return true;
}

} // namespace zyfo
