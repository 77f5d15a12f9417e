// Start of the platform's application object for code that draws or builds windows outside the
// program's own start-up (tests, command-line tools).
#include "Application.h"

#include "GuiApplication.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace zyfo {

namespace {

// Never destroyed: at exit Qt's own global objects may already be gone, and destroying the
// application after them crashes. The pointer keeps it reachable for leak checkers.
GuiApplication *application = nullptr;

bool hasDisplay()
{
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}
} // namespace

void ensureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && !hasDisplay())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt keeps references to argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "zyfo";
    static char *argv[] = {name, nullptr};
    application = new GuiApplication(argc, argv);
}

void keepToolkitMessagesQuiet()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
}

} // namespace zyfo
