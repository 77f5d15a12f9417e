// A dialog made from a template: modal or modeless, with its controls bound to members.
#include "CDialog.h"

#include "Application.h"
#include "CDataExchange.h"
#include "CWinApp.h"
#include "ControlFactory.h"
#include "DialogUnits.h"
#include "DialogWidget.h"
#include "WindowLink.h"

#include <stdexcept>
#include <string>

namespace zyfo {

namespace {
// Windows being destroyed: a focused control dying sends its focus-out, and the dialog object
// may already be half gone, so notifications are dropped meanwhile.
int destroying = 0;

constexpr DWORD helpContextBase = 0x20000;
constexpr UINT systemCommandMask = 0xFFF0;
} // namespace

CDialog::CDialog(const DialogTemplate &dialogTemplate, CWnd *parent)
    : m_template(dialogTemplate)
    , m_owner(parent)
{}

CDialog::~CDialog()
{
    destroyWindow();
}

QWidget *CDialog::clientWidget() const
{
    return GetSafeHwnd() != nullptr ? m_client : nullptr;
}

QWidget *CDialog::ownerWidget(CWnd *parent) const
{
    CWnd *owner = parent != nullptr ? parent : (m_modal ? AfxGetMainWnd() : nullptr);
    if (owner == nullptr || owner == this || owner->GetSafeHwnd() == nullptr)
        return nullptr;
    return owner->GetSafeHwnd()->window();
}

bool CDialog::muted() const
{
    return destroying > 0;
}

bool CDialog::createWindow(CWnd *parent)
{
    ensureApplication();
    DialogUnits units(m_template.fontFace, m_template.fontPointSize);
    auto *window = new DialogWidget(*this, ownerWidget(parent), units.font());
    attach(window);
    m_client = window->client();
    ControlFactory factory(*this, m_client, units);
    for (const DialogItem &item : m_template.items) {
        QWidget *control = factory.create(item);
        if (item.id != -1)
            m_controls[item.id] = control;
    }
    window->setClientSize(units.toPixels(m_template.cx, m_template.cy));
    return true;
}

void CDialog::destroyWindow()
{
    QWidget *window = GetSafeHwnd();
    if (window == nullptr)
        return;
    ++destroying;
    m_wrappers.clear();
    m_controls.clear();
    m_client = nullptr;
    detach();
    delete window;
    --destroying;
}

int CDialog::DoModal()
{
    if (GetSafeHwnd() != nullptr)
        return -1;
    m_modal = true;
    m_ended = false;
    m_result = IDCANCEL;
    createWindow(m_owner);
    OnInitDialog();
    int result = m_result;
    if (!m_ended && GetSafeHwnd() != nullptr)
        result = static_cast<DialogWidget *>(GetSafeHwnd())->exec();
    destroyWindow();
    m_modal = false;
    return result;
}

BOOL CDialog::Create(CWnd *parent)
{
    if (GetSafeHwnd() != nullptr)
        return FALSE;
    m_modal = false;
    m_ended = false;
    if (!createWindow(parent != nullptr ? parent : m_owner))
        return FALSE;
    OnInitDialog();
    if (m_template.style & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    auto *window = static_cast<DialogWidget *>(GetSafeHwnd());
    if (window == nullptr)
        return;
    if (m_modal)
        window->done(result);
    else
        window->hide();
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange exchange(*this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(UINT id, LPARAM)
{
    if ((id & systemCommandMask) == SC_CLOSE)
        command(BN_CLICKED, IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG *msg)
{
    if (m_focusSelfOnEnterAndEscape && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        SetFocus();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(msg);
}

void CDialog::OnHelp()
{
    WinHelp(helpContextBase + static_cast<DWORD>(m_template.id), HELP_CONTEXT);
}

CWnd *CDialog::GetDlgItem(int id)
{
    auto found = m_controls.find(id);
    if (GetSafeHwnd() == nullptr || found == m_controls.end())
        return nullptr;
    if (CWnd *bound = WindowLink::windowOf(found->second))
        return bound;
    auto &wrapper = m_wrappers[id];
    wrapper = std::make_unique<CWnd>();
    wrapper->attach(found->second);
    return wrapper.get();
}

CMenu *CDialog::GetSystemMenu(BOOL revert)
{
    if (!(m_template.style & WS_SYSMENU))
        return nullptr;
    if (revert || m_systemMenu == nullptr) {
        m_systemMenu = std::make_unique<CMenu>();
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Zamknij\tAlt+F4");
    }
    return revert ? nullptr : m_systemMenu.get();
}

void CDialog::command(UINT code, int id)
{
    if (muted() || dispatch(WM_COMMAND, code, id) || code != BN_CLICKED)
        return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

LRESULT CDialog::deltaPos(int id, int position, int delta)
{
    NMUPDOWN notification{{id, UDN_DELTAPOS}, position, delta};
    LRESULT result = 0;
    if (!muted())
        dispatch(WM_COMMAND, UDN_DELTAPOS, id, &notification, &result);
    return result;
}

void CDialog::dateTimeChanged(int id, const std::tm &value)
{
    NMDATETIMECHANGE notification{{id, DTN_DATETIMECHANGE}, GDT_VALID, value};
    LRESULT result = 0;
    if (!muted())
        dispatch(WM_COMMAND, DTN_DATETIMECHANGE, id, &notification, &result);
}

void CDialog::systemCommand(UINT id)
{
    if (!dispatch(WM_SYSCOMMAND, 0, 0, id, LPARAM{0}))
        OnSysCommand(id, 0);
}

void CDialog::sized(UINT type, int cx, int cy)
{
    if (!muted())
        dispatch(WM_SIZE, 0, 0, type, cx, cy);
}

void CDialog::bindControl(int id, CWnd &control)
{
    auto found = m_controls.find(id);
    if (found == m_controls.end())
        throw std::invalid_argument("dialog " + std::to_string(m_template.id) + " has no control " +
                                    std::to_string(id));
    if (control.GetSafeHwnd() == found->second)
        return;
    m_wrappers.erase(id);
    control.attach(found->second);
    control.PreSubclassWindow();
    // A control that paints itself keeps its last picture while a paint is skipped.
    if (control.handles(WM_PAINT))
        found->second->setAttribute(Qt::WA_OpaquePaintEvent);
}

void DDX_Control(CDataExchange *exchange, int id, CWnd &control)
{
    exchange->m_dialog.bindControl(id, control);
}

} // namespace zyfo
