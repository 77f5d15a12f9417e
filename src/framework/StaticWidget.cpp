// A static control: text, grey rectangle, sunken frame or picture, or drawn by its CWnd.
#include "StaticWidget.h"

#include "CWnd.h"
#include "WindowLink.h"

#include <QPainter>

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

} // namespace zyfo
