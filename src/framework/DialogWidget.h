// A dialog's window: title bar and frame from the template style, an optional menu bar, the
// client area with the controls, and the platform's dialog keys.
#pragma once

#include <QDialog>

namespace zyfo {

class CDialog;
class DialogClient;

class DialogWidget : public QDialog
{
public:
    DialogWidget(CDialog &dialog, QWidget *owner, const QFont &font);

    CDialog &dialog() const { return m_dialog; }
    QWidget *client() const;

    // Sizes the window around a client area of `size`, fixed unless the template asks for a
    // sizing border, and centres it over its owner or the screen.
    void setClientSize(QSize size);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildMenuBar();
    void popupSystemMenu(QPoint position);
    void pressEnter();

    CDialog &m_dialog;
    DialogClient *m_client;
    int m_menuHeight = 0;
    int m_border = 0;
};

} // namespace zyfo
