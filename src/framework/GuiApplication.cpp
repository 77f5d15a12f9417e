// The platform's application object, which lets dialogs see key-downs before their controls.
#include "GuiApplication.h"

#include "CDialog.h"
#include "DialogWidget.h"
#include "VirtualKey.h"

#include <QKeyEvent>

namespace zyfo {

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
