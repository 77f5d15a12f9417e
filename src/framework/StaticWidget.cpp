// A static control: text, grey rectangle, sunken frame or picture, or drawn by its CWnd.
#include "StaticWidget.h"

#include "CWnd.h"
#include "VirtualKey.h"
#include "WindowLink.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace zyfo {

StaticWidget::StaticWidget(const DialogItem &item, QWidget *parent)
    : QLabel(parent)
{
    switch (item.style & SS_TYPEMASK) {
    case SS_GRAYRECT:
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Mid);
        break;
    case SS_BITMAP:
        m_picture.loadFromData(item.image.data(), static_cast<uint>(item.image.size()), "PNG");
        break;
    default:
        setText(QString::fromStdString(item.text));
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    if (item.style & SS_SUNKEN)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void StaticWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    scalePicture();
}

void StaticWidget::scalePicture()
{
    if (m_picture.isNull())
        return;
    // The picture fills the control, drawn from a larger image for a sharp result.
    setPixmap(
        m_picture.scaled(contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void StaticWidget::paintEvent(QPaintEvent *event)
{
    CWnd *owner = WindowLink::windowOf(this);
    if (owner != nullptr && owner->handles(WM_PAINT)) {
        // The border stays the control's; its owner paints the inside.
        QPainter frame(this);
        drawFrame(&frame);
        frame.end();
        owner->handlePaint();
        return;
    }
    QLabel::paintEvent(event);
}

CPoint StaticWidget::clientPoint(QPointF position) const
{
    const QPoint point = position.toPoint() - contentsRect().topLeft();
    return {point.x(), point.y()};
}

UINT StaticWidget::buttonFlags(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton) ? MK_LBUTTON : 0;
}

void StaticWidget::mouseMoveEvent(QMouseEvent *event)
{
    CWnd *owner = WindowLink::windowOf(this);
    if (owner == nullptr) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    owner->OnMouseMove(buttonFlags(event->buttons()), clientPoint(event->position()));
}

bool StaticWidget::forwardLeftButton(const QMouseEvent *event, void (CWnd::*handler)(UINT, CPoint))
{
    CWnd *owner = WindowLink::windowOf(this);
    if (owner == nullptr || event->button() != Qt::LeftButton)
        return false;
    (owner->*handler)(buttonFlags(event->buttons()), clientPoint(event->position()));
    return true;
}

void StaticWidget::mousePressEvent(QMouseEvent *event)
{
    if (!forwardLeftButton(event, &CWnd::OnLButtonDown))
        QLabel::mousePressEvent(event);
}

void StaticWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!forwardLeftButton(event, &CWnd::OnLButtonUp))
        QLabel::mouseReleaseEvent(event);
}

void StaticWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!forwardLeftButton(event, &CWnd::OnLButtonDblClk))
        QLabel::mouseDoubleClickEvent(event);
}

void StaticWidget::wheelEvent(QWheelEvent *event)
{
    CWnd *owner = WindowLink::windowOf(this);
    if (owner == nullptr) {
        QLabel::wheelEvent(event);
        return;
    }
    owner->OnMouseWheel(buttonFlags(event->buttons()), static_cast<short>(event->angleDelta().y()),
                        clientPoint(event->position()));
}

void StaticWidget::keyPressEvent(QKeyEvent *event)
{
    CWnd *owner = WindowLink::windowOf(this);
    const WPARAM key = virtualKey(event->key());
    // Keys the program has no name for go on to the dialog, as the label would pass them.
    if (owner == nullptr || key == 0) {
        QLabel::keyPressEvent(event);
        return;
    }
    owner->OnKeyDown(static_cast<UINT>(key), static_cast<UINT>(event->count()), 0);
}

void StaticWidget::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (CWnd *owner = WindowLink::windowOf(this))
        owner->OnMouseLeave();
}

} // namespace zyfo
