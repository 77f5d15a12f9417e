// A static control: text, grey rectangle, sunken frame or picture, or drawn by its CWnd.
#pragma once

#include "CPoint.h"
#include "DialogTemplate.h"

#include <QLabel>

namespace zyfo {

class CWnd;

// When the CWnd bound to it has a WM_PAINT handler, that handler paints it instead. Mouse, wheel
// and key events go to the bound CWnd's input handlers.
class StaticWidget : public QLabel
{
public:
    StaticWidget(const DialogItem &item, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void scalePicture();
    // The event's point in client coordinates (inside the frame) and its button flags.
    CPoint clientPoint(QPointF position) const;
    // Hands a left-button event to the bound window's `handler`; false, handing nothing, for
    // another button or without a bound window.
    bool forwardLeftButton(const QMouseEvent *event, void (CWnd::*handler)(UINT, CPoint));
    static UINT buttonFlags(Qt::MouseButtons buttons);

    QPixmap m_picture;
};

} // namespace zyfo
