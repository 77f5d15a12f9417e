// Virtual keys of the Qt keys that dialogs and controls look at.
#include "VirtualKey.h"

#include <Qt>

namespace zyfo {

WPARAM virtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    default:
        return 0;
    }
}

} // namespace zyfo
