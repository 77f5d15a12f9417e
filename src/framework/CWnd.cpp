// A window: the program's view of a Qt widget, with its command table, timers and painting.
#include "CWnd.h"

#include "CPaintDC.h"
#include "CWinApp.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "WindowLink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWindow>

#include <algorithm>

namespace zyfo {

namespace {
constexpr UINT minimumTimerMs = 10;
constexpr int exposeWaitMs = 1000;
constexpr int exposePollMs = 20;

QString qtText(const std::string &text)
{
    return QString::fromStdString(text);
}

// A top-level window's outer size minus its client size: what the window manager adds.
QSize frameExtra(const QWidget *window)
{
    return window->frameGeometry().size() - window->geometry().size();
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    detach();
}

void CWnd::attach(QWidget *widget)
{
    detach();
    m_widget = widget;
    m_link = new WindowLink(widget, this);
}

void CWnd::detach()
{
    if (m_link == nullptr)
        return;
    m_link->release();
    delete m_link;
    m_link = nullptr;
    m_widget = nullptr;
}

const MessageEntry *CWnd::findEntry(UINT message, UINT code, int id) const
{
    const MessageMap *map = GetMessageMap();
    if (map == nullptr)
        return nullptr;
    auto found = std::find_if(map->begin(), map->end(), [&](const MessageEntry &entry) {
        return entry.message == message && entry.code == code && entry.id == id;
    });
    return found == map->end() ? nullptr : &*found;
}

bool CWnd::handles(UINT message, UINT code, int id) const
{
    return findEntry(message, code, id) != nullptr;
}

BOOL CWnd::ShowWindow(int command)
{
    if (m_widget == nullptr)
        return FALSE;
    BOOL wasVisible = m_widget->isVisible() ? TRUE : FALSE;
    if (command == SW_HIDE) {
        m_widget->hide();
        return wasVisible;
    }
    m_widget->show();
    if (m_widget->isWindow()) {
        m_widget->raise();
        m_widget->activateWindow();
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_widget != nullptr && m_widget->isVisible() ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (m_widget == nullptr)
        return FALSE;
    BOOL wasDisabled = m_widget->isEnabled() ? FALSE : TRUE;
    m_widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget != nullptr && m_widget->isEnabled() ? TRUE : FALSE;
}

void CWnd::SetWindowText(const std::string &text)
{
    if (m_widget == nullptr)
        return;
    if (m_widget->isWindow())
        m_widget->setWindowTitle(qtText(text));
    else if (auto *edit = qobject_cast<QLineEdit *>(m_widget))
        edit->setText(qtText(text));
    else if (auto *multiLine = qobject_cast<QPlainTextEdit *>(m_widget))
        multiLine->setPlainText(qtText(text));
    else if (auto *button = qobject_cast<QAbstractButton *>(m_widget))
        button->setText(qtText(text));
    else if (auto *label = qobject_cast<QLabel *>(m_widget))
        label->setText(qtText(text));
}

void CWnd::GetWindowText(std::string &text) const
{
    QString value;
    if (m_widget == nullptr)
        value.clear();
    else if (m_widget->isWindow())
        value = m_widget->windowTitle();
    else if (auto *edit = qobject_cast<QLineEdit *>(m_widget))
        value = edit->text();
    else if (auto *multiLine = qobject_cast<QPlainTextEdit *>(m_widget))
        value = multiLine->toPlainText();
    else if (auto *button = qobject_cast<QAbstractButton *>(m_widget))
        value = button->text();
    else if (auto *label = qobject_cast<QLabel *>(m_widget))
        value = label->text();
    else if (auto *combo = qobject_cast<QComboBox *>(m_widget))
        value = combo->currentText();
    text = value.toStdString();
}

BOOL CWnd::SetForegroundWindow()
{
    if (m_widget == nullptr)
        return FALSE;
    QWidget *window = m_widget->window();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    if (IsBlockedByModal()) {
        QWidget *modal = QApplication::activeModalWidget();
        modal->raise();
        modal->activateWindow();
    }
    return TRUE;
}

BOOL CWnd::IsBlockedByModal() const
{
    if (m_widget == nullptr)
        return FALSE;
    const QWidget *modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != m_widget->window() ? TRUE : FALSE;
}

BOOL CWnd::RedrawWindow(UINT flags)
{
    if (m_widget == nullptr)
        return FALSE;
    QWidget *client = clientWidget();
    if ((flags & RDW_UPDATENOW) && client->isVisible())
        client->repaint();
    else if (flags & (RDW_INVALIDATE | RDW_UPDATENOW))
        client->update();
    return TRUE;
}

void CWnd::UpdateWindow()
{
    if (m_widget == nullptr || !m_widget->isVisible())
        return;
    QWindow *window = m_widget->window()->windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window != nullptr && !window->isExposed() && waited.elapsed() < exposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, exposePollMs);
    m_widget->repaint();
}

CWnd *CWnd::GetFocus()
{
    return WindowLink::nearestWindowOf(QApplication::focusWidget());
}

CWnd *CWnd::SetFocus()
{
    if (m_widget == nullptr)
        return nullptr;
    CWnd *previous = GetFocus();
    if (m_widget->isWindow())
        m_widget->activateWindow();
    m_widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (m_widget == nullptr)
        return;
    if (m_widget->isWindow()) {
        QSize extra = frameExtra(m_widget);
        m_widget->move(x, y);
        m_widget->resize(width - extra.width(), height - extra.height());
    } else {
        m_widget->setGeometry(x, y, width, height);
    }
    if (repaint)
        m_widget->update();
}

BOOL CWnd::SetWindowPos(const CWnd *, int x, int y, int cx, int cy, UINT flags)
{
    if (m_widget == nullptr)
        return FALSE;
    if (!(flags & SWP_NOMOVE))
        m_widget->move(x, y);
    if (!(flags & SWP_NOSIZE)) {
        QSize extra = m_widget->isWindow() ? frameExtra(m_widget) : QSize(0, 0);
        m_widget->resize(cx - extra.width(), cy - extra.height());
    }
    return TRUE;
}

void CWnd::GetClientRect(CRect *rect) const
{
    if (rect == nullptr)
        return;
    *rect = {};
    if (m_widget == nullptr)
        return;
    // Inside a framed control's border, as the platform's client area is.
    QRect client = clientWidget()->contentsRect();
    rect->right = client.width();
    rect->bottom = client.height();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse)
{
    if (m_link == nullptr || id == 0)
        return 0;
    m_link->setWindowTimer(id, static_cast<int>(std::max(elapse, minimumTimerMs)));
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return m_link != nullptr && m_link->killWindowTimer(id) ? TRUE : FALSE;
}

void CWnd::handleTimer(UINT_PTR id)
{
    dispatch(WM_TIMER, 0, 0, id);
}

void CWnd::SetIcon(const IconResource *icon, BOOL)
{
    if (m_widget == nullptr || icon == nullptr)
        return;
    QIcon qtIcon;
    for (ImageData image : icon->images) {
        QPixmap pixmap;
        if (pixmap.loadFromData(image.data(), static_cast<uint>(image.size()), "PNG"))
            qtIcon.addPixmap(pixmap);
    }
    m_widget->window()->setWindowIcon(qtIcon);
}

int CWnd::MessageBox(const std::string &text, const std::string &caption, UINT type)
{
    return runMessageBox(m_widget != nullptr ? m_widget->window() : nullptr, text, caption, type);
}

void CWnd::WinHelp(DWORD data, UINT command)
{
    CWinApp *app = AfxGetApp();
    HelpViewer::open(app != nullptr ? app->helpDocument() : std::string(), data, command);
}

BOOL CWnd::PreTranslateMessage(MSG *)
{
    return FALSE;
}

void CWnd::OnPaint()
{
    // Beginning and ending a paint without drawing validates the window.
    CPaintDC dc(this);
}

void CWnd::handlePaint()
{
    m_link->paintBegun = false;
    dispatch(WM_PAINT, 0, 0);
    if (m_link != nullptr && !m_link->paintBegun)
        m_link->repaintLater(clientWidget());
}

} // namespace zyfo
