// The platform's application object, which lets dialogs see key-downs before their controls.
#include "GuiApplication.h"

#include "CDialog.h"
#include "DialogWidget.h"

#include <QKeyEvent>

namespace zyfo {

namespace {

WPARAM virtualKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_F1:
        return VK_F1;
    default:
        // Letters and digits have their character codes as virtual keys.
        if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
            return static_cast<WPARAM>(key);
        return 0;
    }
}

} // namespace

GuiApplication::GuiApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool GuiApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        auto *dialog = dynamic_cast<DialogWidget *>(static_cast<QWidget *>(receiver)->window());
        MSG message{WM_KEYDOWN, virtualKey(static_cast<QKeyEvent *>(event)->key()), 0};
        if (dialog != nullptr && dialog->dialog().PreTranslateMessage(&message))
            return true;
    }
    return QApplication::notify(receiver, event);
}

} // namespace zyfo
