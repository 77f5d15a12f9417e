// The tie between a CWnd and its widget: forgets the widget when it dies and owns the
// window's timers.
#pragma once

#include "WinDefs.h"

#include <QObject>
#include <QTimer>

#include <map>

class QWidget;

namespace zyfo {

class CWnd;

// A child of the widget, so it dies with it; its destructor tells the CWnd. A CWnd that goes
// first releases the link and deletes it, which stops its timers.
class WindowLink : public QObject
{
public:
    WindowLink(QWidget *widget, CWnd *window);
    ~WindowLink() override;

    // The CWnd attached to exactly this widget, or nullptr.
    static CWnd *windowOf(const QObject *widget);
    // The CWnd attached to `widget` or its nearest ancestor, or nullptr.
    static CWnd *nearestWindowOf(const QWidget *widget);

    void release() { m_window = nullptr; }

    void setWindowTimer(UINT_PTR id, int elapse);
    bool killWindowTimer(UINT_PTR id);

    // Painting: set when a paint handler began painting; a paint that did not begin is
    // retried shortly, so a window whose painting was skipped is painted later.
    bool paintBegun = false;
    void repaintLater(QWidget *widget);

private:
    CWnd *m_window;
    std::map<UINT_PTR, QTimer *> m_timers;
    QTimer m_retry;
};

} // namespace zyfo
