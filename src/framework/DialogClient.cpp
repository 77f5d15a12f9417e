// The client area of a dialog: parent of its controls, source of WM_SIZE and WM_PAINT.
#include "DialogClient.h"

#include "CDialog.h"

#include <QResizeEvent>

namespace zyfo {

DialogClient::DialogClient(CDialog &dialog, QWidget *parent)
    : QWidget(parent)
    , m_dialog(dialog)
{}

void DialogClient::resizeEvent(QResizeEvent *event)
{
    UINT type = window()->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    m_dialog.sized(type, event->size().width(), event->size().height());
}

void DialogClient::paintEvent(QPaintEvent *)
{
    if (m_dialog.handles(WM_PAINT))
        m_dialog.handlePaint();
}

} // namespace zyfo
