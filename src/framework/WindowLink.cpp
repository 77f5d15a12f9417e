// The tie between a CWnd and its widget: forgets the widget when it dies and owns the
// window's timers.
#include "WindowLink.h"

#include "CWnd.h"

#include <QVariant>
#include <QWidget>

namespace zyfo {

namespace {
constexpr const char *linkProperty = "zyfoWindowLink";
constexpr int paintRetryMs = 10;
} // namespace

WindowLink::WindowLink(QWidget *widget, CWnd *window)
    : QObject(widget)
    , m_window(window)
{
    widget->setProperty(linkProperty, QVariant::fromValue(static_cast<void *>(this)));
    m_retry.setSingleShot(true);
}

WindowLink::~WindowLink()
{
    if (parent() != nullptr)
        parent()->setProperty(linkProperty, QVariant());
    if (m_window != nullptr) {
        m_window->m_widget = nullptr;
        m_window->m_link = nullptr;
    }
}

CWnd *WindowLink::windowOf(const QObject *widget)
{
    if (widget == nullptr)
        return nullptr;
    void *link = widget->property(linkProperty).value<void *>();
    return link != nullptr ? static_cast<WindowLink *>(link)->m_window : nullptr;
}

CWnd *WindowLink::nearestWindowOf(const QWidget *widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
        if (CWnd *window = windowOf(widget))
            return window;
    return nullptr;
}

void WindowLink::setWindowTimer(UINT_PTR id, int elapse)
{
    QTimer *&timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (m_window != nullptr)
                m_window->handleTimer(id);
        });
    }
    timer->start(elapse);
}

bool WindowLink::killWindowTimer(UINT_PTR id)
{
    auto found = m_timers.find(id);
    if (found == m_timers.end())
        return false;
    // The timer may be the one whose tick is being handled: stop it now, delete it later.
    found->second->stop();
    found->second->deleteLater();
    m_timers.erase(found);
    return true;
}

void WindowLink::repaintLater(QWidget *widget)
{
    if (m_retry.isActive())
        return;
    m_retry.disconnect();
    connect(&m_retry, &QTimer::timeout, widget, [widget] { widget->update(); });
    m_retry.start(paintRetryMs);
}

} // namespace zyfo
