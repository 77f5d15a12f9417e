// The client area of a dialog: parent of its controls, source of WM_SIZE and WM_PAINT.
#pragma once

#include <QWidget>

namespace zyfo {

class CDialog;

class DialogClient : public QWidget
{
public:
    DialogClient(CDialog &dialog, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    CDialog &m_dialog;
};

} // namespace zyfo
