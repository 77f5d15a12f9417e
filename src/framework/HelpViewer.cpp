// The program's help viewer: a window showing the help document at a context's anchor.
#include "HelpViewer.h"

#include "DialogScript.h"

#include <QPointer>
#include <QTextBrowser>

namespace zyfo {

namespace {
constexpr int viewerWidth = 560;
constexpr int viewerHeight = 480;
} // namespace

void HelpViewer::open(const std::string &html, DWORD data, UINT command)
{
    if (DialogScript *script = DialogScript::active()) {
        DialogRequest request;
        request.kind = DialogRequest::Kind::Help;
        request.helpData = data;
        request.helpCommand = command;
        script->respond(std::move(request));
        return;
    }
    static QPointer<QTextBrowser> viewer;
    if (viewer == nullptr) {
        viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QStringLiteral("Pomoc"));
        viewer->resize(viewerWidth, viewerHeight);
    }
    viewer->setHtml(QString::fromStdString(html));
    viewer->scrollToAnchor(QStringLiteral("context-%1").arg(data));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace zyfo
