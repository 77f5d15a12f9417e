// The platform's application object, which lets dialogs see key-downs before their controls.
#include "GuiApplication.h"

#include "CDialog.h"
#include "DialogWidget.h"

#include <QKeyEvent>

namespace zyfo {

namespace {

// The keys a dialog's pre-translation looks at; any other key reaches it as 0.
WPARAM virtualKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    default:
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
