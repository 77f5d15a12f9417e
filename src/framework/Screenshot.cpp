// A picture of a window as the screen shows it, for demonstrations and checks.
#include "Screenshot.h"

#include "CWnd.h"

#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace zyfo {

bool saveWindowScreenshot(const CWnd &window, const std::string &path)
{
    QWidget *widget = window.GetSafeHwnd();
    if (widget == nullptr)
        return false;
    QWidget *top = widget->window();
    QPixmap picture;
    if (QScreen *screen = top->screen()) {
        QRect frame = top->frameGeometry();
        picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    }
    if (picture.isNull())
        picture = top->grab();
    return picture.save(QString::fromStdString(path), "PNG");
}

} // namespace zyfo
