// Test fixture of the main window: a real CMainDlg on the off-screen platform, data files made
// record by record, menu commands and common dialogs driven as a person would.
#pragma once

#include "CMainDlg.h"
#include "CRecordingDC.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"
#include "MenuDriver.h"
#include "RecordText.h"
#include "UserFolders.h"
#include "WindowTestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zyfo::test {

// A temperature (device 4 nr 1), a humidity, a dew point and a binary input in every record.
inline std::vector<EntryText> weatherEntries(int row)
{
    const std::string temperature = std::to_string(20 + row % 5) + ".5";
    const std::string humidity = std::to_string(60 + row % 20);
    const std::string dewPoint = std::to_string(10 + row % 3);
    return {{4, 1, 25, temperature},
            {4, 1, 26, humidity},
            {4, 1, 24, dewPoint},
            {4, 1, 57, std::to_string(row % 2)}};
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(window.Create(nullptr));
        activate(window);
    }

    // Writes (or, with `append`, adds) records `first`..`first + count - 1` of the weather
    // station, one every `minutes`, to `name` in the test folder; returns the path.
    std::string writeRecords(const std::string &name, int first, int count, bool append = false,
                             int minutes = 1)
    {
        const std::filesystem::path path = folders.root() / name;
        std::ofstream out(path, append ? std::ios::binary | std::ios::app : std::ios::binary);
        for (int row = first; row < first + count; ++row)
            out << record(stampAt(row * minutes / 60, row * minutes % 60), weatherEntries(row));
        return path.string();
    }

    void runMenu(const QString &text)
    {
        EXPECT_TRUE(chooseMenuItem(window, text)) << text.toStdString();
    }

    // "Otwórz plik" with the open-file dialog answering `path`.
    void open(const std::string &path)
    {
        DialogScript script;
        script.answerFileDialog(IDOK, path);
        runMenu("Otwórz plik");
        EXPECT_EQ(script.pendingAnswers(), 0u);
    }

    // Types `value` over the edit's text and presses `key` (Enter or Escape) in it.
    void enterValue(int id, const QString &value, Qt::Key key = Qt::Key_Return)
    {
        typeInto(window, id, value);
        QTest::keyClick(widgetOf(window, id), key);
    }

    // The window's running timer of `interval` ms, or null.
    QTimer *runningTimer(int interval)
    {
        for (QTimer *timer : window.GetSafeHwnd()->findChildren<QTimer *>())
            if (timer->isActive() && timer->interval() == interval)
                return timer;
        return nullptr;
    }

    CWnd &control(int id) { return *window.GetDlgItem(id); }
    std::string title() { return window.GetSafeHwnd()->windowTitle().toStdString(); }
    std::string text(int id) { return textOf(window, id); }
    bool enabled(int id) { return isEnabled(window, id); }
    MeasurementFile &file() { return window.chart().file(); }

    // The moment a picker pair shows.
    std::time_t shownTime(int dateId, int timeId)
    {
        std::tm day{};
        std::tm clock{};
        static_cast<CDateTimeCtrl &>(control(dateId)).GetTime(day);
        static_cast<CDateTimeCtrl &>(control(timeId)).GetTime(clock);
        day.tm_hour = clock.tm_hour;
        day.tm_min = clock.tm_min;
        day.tm_sec = clock.tm_sec;
        return std::mktime(&day);
    }

    // The lines the chart draws in `color`, as the window shows it.
    std::size_t linesIn(COLORREF color)
    {
        CRecordingDC dc;
        window.chart().RenderAsShown(dc, {0, 0, 800, 600});
        const auto lines = dc.primitives(Primitive::Kind::Line);
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const Primitive &p) { return p.pen.lopnColor == color; }));
    }

    UserFolders folders;
    CMainDlg window;
};

// The intervals of the window's timers: the live-update re-read with a period of one second,
// and the delayed redraw after a picker change.
inline constexpr int kLiveUpdateEverySecond = 1000;
inline constexpr int kRedrawTimerInterval = 100;

// The thirteen controls that stay disabled until a file with data is loaded.
inline constexpr int kDataControls[] = {
    IDC_CHANNEL,       IDC_GRID,      IDC_DRAW,    IDC_VALUE_FROM, IDC_FROM_DATE,
    IDC_FROM_TIME,     IDC_TO_DATE,   IDC_TO_TIME, IDC_VALUE_TO,   IDC_VALUE_FROM_SPIN,
    IDC_VALUE_TO_SPIN, IDC_COLOR_BOX, IDC_COLOR};

} // namespace zyfo::test
