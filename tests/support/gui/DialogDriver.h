// Drives a dialog as a person would: clicks, typing, keys and focus changes as Qt input events
// on the real widgets, with modal runs stepped from inside their own event loop.
#pragma once

#include "Application.h"
#include "CDialog.h"
#include "WindowLink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zyfo::test {

inline QWidget *widgetOf(CDialog &dialog, int id)
{
    return dialog.GetDlgItem(id)->GetSafeHwnd();
}

inline std::string textOf(CDialog &dialog, int id)
{
    std::string text;
    dialog.GetDlgItem(id)->GetWindowText(text);
    return text;
}

inline bool isEnabled(CDialog &dialog, int id)
{
    return widgetOf(dialog, id)->isEnabled();
}

inline bool isChecked(CDialog &dialog, int id)
{
    auto *button = qobject_cast<QAbstractButton *>(widgetOf(dialog, id));
    return button != nullptr && button->isChecked();
}

// Makes the dialog's window the active one, so that focus changes reach its controls.
inline void activate(CDialog &dialog)
{
    QWidget *window = dialog.GetSafeHwnd();
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

inline void click(CDialog &dialog, int id)
{
    QTest::mouseClick(widgetOf(dialog, id), Qt::LeftButton);
}

// Gives the control the keyboard focus, as a click into it or a Tab would.
inline void focus(CDialog &dialog, int id)
{
    widgetOf(dialog, id)->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

// Focuses the edit, selects all it holds and types `text` over it key by key; an empty `text`
// deletes what was selected.
inline void typeInto(CDialog &dialog, int id, const QString &text)
{
    focus(dialog, id);
    QWidget *widget = widgetOf(dialog, id);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
}

// A key pressed while the control has the focus.
inline void pressKey(CDialog &dialog, int id, Qt::Key key)
{
    focus(dialog, id);
    QTest::keyClick(widgetOf(dialog, id), key);
}

// Chooses combo box item `index` as a person does, with the keyboard on the closed list.
inline void choose(CDialog &dialog, int id, int index)
{
    auto *combo = qobject_cast<QComboBox *>(widgetOf(dialog, id));
    ASSERT_NE(combo, nullptr);
    focus(dialog, id);
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

// The program's top-level dialog whose title is `caption`, or nullptr.
inline CDialog *dialogTitled(const QString &caption)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->windowTitle() == caption)
            if (auto *dialog = dynamic_cast<CDialog *>(WindowLink::windowOf(window)))
                return dialog;
    return nullptr;
}

// Runs `start`, which opens a modal dialog of the program, and calls `steps` with that dialog
// once its window is up. A dialog the steps leave open is cancelled (and the test told), so a
// failing test never hangs.
inline void withModalDialog(const std::function<void()> &start,
                            const std::function<void(CDialog &)> &steps)
{
    bool stepped = false;
    // A timer of this scope: if no dialog ran, it dies unfired with the steps' captures.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog =
            modal != nullptr ? dynamic_cast<CDialog *>(WindowLink::windowOf(modal)) : nullptr;
        stepped = true;
        ASSERT_NE(dialog, nullptr) << "no modal dialog is running";
        activate(*dialog);
        steps(*dialog);
        if (dialog->GetSafeHwnd() == nullptr || !dialog->GetSafeHwnd()->isVisible())
            return;
        ADD_FAILURE() << "the dialog is still open after the steps";
        dialog->EndDialog(IDCANCEL);
    });
    timer.start(0);
    start();
    EXPECT_TRUE(stepped);
}

// Runs `dialog` modally with `steps` as above; returns DoModal's result.
inline int runModal(CDialog &dialog, const std::function<void()> &steps)
{
    ensureApplication();
    int result = 0;
    withModalDialog([&] { result = dialog.DoModal(); }, [&](CDialog &) { steps(); });
    return result;
}

} // namespace zyfo::test
