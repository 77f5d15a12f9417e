// Reports a widget's loss of the keyboard focus (an edit's EN_KILLFOCUS).
#pragma once

#include <QObject>

#include <functional>

namespace zyfo {

// A child of the watched widget. Opening a pop-up (a context menu) does not count as losing
// the focus; the window losing its activation does, as on the original platform.
class FocusWatcher : public QObject
{
public:
    FocusWatcher(QObject *watched, std::function<void()> lost);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_lost;
};

} // namespace zyfo
