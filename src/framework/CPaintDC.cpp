// Drawing surface of a window's paint handler: draws straight onto the window.
#include "CPaintDC.h"

#include "CWnd.h"
#include "WindowLink.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace zyfo {

namespace {
QSize screenSize(const QWidget *widget)
{
    return widget != nullptr && widget->screen() != nullptr ? widget->screen()->size() : QSize();
}

int dpiOf(const QWidget *widget)
{
    return widget != nullptr ? widget->logicalDpiY() : 96;
}
} // namespace

CPaintDC::CPaintDC(CWnd *window)
    : CPainterDC(screenSize(window->clientWidget()).width(),
                 screenSize(window->clientWidget()).height(), dpiOf(window->clientWidget()),
                 dpiOf(window->clientWidget()))
{
    QWidget *widget = window->clientWidget();
    if (widget == nullptr || window->m_link == nullptr)
        return;
    window->m_link->paintBegun = true;
    if (!begin(widget))
        return;
    // Client coordinates start inside a framed control's border.
    QRect client = widget->contentsRect();
    painter()->setClipRect(client);
    painter()->translate(client.topLeft());
}

CPaintDC::~CPaintDC()
{
    end();
}

} // namespace zyfo
