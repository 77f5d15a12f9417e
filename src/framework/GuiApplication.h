// The platform's application object, which lets dialogs see key-downs before their controls.
#pragma once

#include <QApplication>

namespace zyfo {

// Every key press goes first to the PreTranslateMessage of the dialog whose window holds the
// receiving widget; if that swallows it, the widget never sees it.
class GuiApplication : public QApplication
{
public:
    GuiApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace zyfo
