// A window's device context outside painting: for the screen's device capabilities.
#include "CClientDC.h"

#include "CWnd.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zyfo {

namespace {
const QScreen *screenOf(const CWnd *window)
{
    QWidget *widget = window != nullptr ? window->GetSafeHwnd() : nullptr;
    if (widget != nullptr && widget->screen() != nullptr)
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

int dpiOf(const CWnd *window)
{
    const QScreen *screen = screenOf(window);
    return screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}

CRect clientOf(CWnd *window)
{
    CRect rect;
    if (window != nullptr)
        window->GetClientRect(&rect);
    return rect;
}
} // namespace

CClientDC::CClientDC(CWnd *window)
    : CImageDC(clientOf(window).Width(), clientOf(window).Height(), dpiOf(window))
{
    if (const QScreen *screen = screenOf(window)) {
        m_screenWidth = screen->size().width();
        m_screenHeight = screen->size().height();
    }
}

int CClientDC::GetDeviceCaps(int index) const
{
    if (index == HORZRES)
        return m_screenWidth;
    if (index == VERTRES)
        return m_screenHeight;
    return CImageDC::GetDeviceCaps(index);
}

} // namespace zyfo
