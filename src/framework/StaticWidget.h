// A static control: text, grey rectangle, sunken frame or picture, or drawn by its CWnd.
#pragma once

#include "DialogTemplate.h"

#include <QLabel>

namespace zyfo {

// When the CWnd bound to it has a WM_PAINT handler, that handler paints it instead.
class StaticWidget : public QLabel
{
public:
    StaticWidget(const DialogItem &item, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void scalePicture();

    QPixmap m_picture;
};

} // namespace zyfo
