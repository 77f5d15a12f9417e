// Reports a widget's loss of the keyboard focus (an edit's EN_KILLFOCUS).
#include "FocusWatcher.h"

#include <QFocusEvent>

namespace zyfo {

FocusWatcher::FocusWatcher(QObject *watched, std::function<void()> lost)
    : QObject(watched)
    , m_lost(std::move(lost))
{
    watched->installEventFilter(this);
}

bool FocusWatcher::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        m_lost();
    return false;
}

} // namespace zyfo
