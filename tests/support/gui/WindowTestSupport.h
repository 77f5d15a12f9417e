// Helpers of the window tests: waiting for the event loop and for a real dialog to show.
#pragma once

#include "Application.h"
#include "CDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zyfo::test {

// Runs the event loop until `done` holds or `ms` milliseconds pass; returns `done()`. The
// default is generous so that a loaded machine does not fail a wait that ends on its condition.
inline bool waitFor(const std::function<bool()> &done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(5);
    return done();
}

// Runs the event loop until `timer` fires once more; returns false if it does not within `ms`.
// Handlers connected before this call have seen that tick when it returns.
inline bool waitForTick(QTimer *timer, int ms = 10000)
{
    int ticks = 0;
    const auto counting = QObject::connect(timer, &QTimer::timeout, [&] { ++ticks; });
    const bool ticked = waitFor([&] { return ticks > 0; }, ms);
    QObject::disconnect(counting);
    return ticked;
}

// Watches for a shown top-level widget of type T (a real dialog about to run modally) and calls
// `steps` with it once. A dialog the steps leave open, or none shown within `ms` milliseconds,
// fails the test and is closed, so a failing test never hangs. The watch ends with the returned
// timer; keep it alive while the dialog runs.
template<class T>
std::unique_ptr<QTimer> whenShown(std::function<void(T &)> steps, int ms = 10000)
{
    auto timer = std::make_unique<QTimer>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer.get(), &QTimer::timeout, [watch = timer.get(), clock, steps, ms] {
        T *shown = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<T *>(widget); candidate && candidate->isVisible())
                shown = candidate;
        if (shown == nullptr && clock->elapsed() < ms)
            return;
        watch->stop();
        if (shown == nullptr) {
            ADD_FAILURE() << "no dialog was shown within " << ms << " ms";
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        steps(*shown);
        if (shown->isVisible()) {
            ADD_FAILURE() << "the dialog is still open after its steps";
            shown->close();
        }
    });
    timer->start(10);
    return timer;
}

} // namespace zyfo::test
