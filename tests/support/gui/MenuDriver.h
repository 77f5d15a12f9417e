// Test helper: chooses an item of a window's menu bar as a click on it would.
#pragma once

#include "CDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QWidget>

namespace zyfo::test {

// Triggers the menu-bar item with `text` (for example "Otwórz plik"); false when the window
// has no such item.
inline bool chooseMenuItem(CDialog &window, const QString &text)
{
    QWidget *widget = window.GetSafeHwnd();
    auto *bar = widget != nullptr ? widget->findChild<QMenuBar *>() : nullptr;
    if (bar == nullptr)
        return false;
    for (QAction *popup : bar->actions())
        for (QAction *item : popup->menu()->actions())
            if (item->text() == text) {
                item->trigger();
                return true;
            }
    return false;
}

} // namespace zyfo::test
