// Helpers of the window tests: waiting for the event loop and a test dialog template.
#pragma once

#include "Application.h"
#include "CDialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace zyfo::test {

// Runs the event loop until `done` holds or `ms` milliseconds pass; returns `done()`.
inline bool waitFor(const std::function<bool()> &done, int ms = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(5);
    return done();
}

inline DialogTemplate dialogTemplate(std::vector<DialogItem> items, DWORD style = 0)
{
    DialogTemplate result;
    result.id = 900;
    result.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | style;
    result.caption = "Próba";
    result.fontFace = "MS Sans Serif";
    result.fontPointSize = 8;
    result.cx = 200;
    result.cy = 120;
    result.items = std::move(items);
    return result;
}

} // namespace zyfo::test
