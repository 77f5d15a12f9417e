// Takes a picture of the main window with a data file opened in it, as a person sees it:
// window_screenshot FILE.zyd OUT.png. Run it on a display (for example under Xvfb).
#include "Application.h"
#include "CMainDlg.h"
#include "DialogScript.h"
#include "MenuDriver.h"
#include "Screenshot.h"

#include <QTest>

#include <clocale>
#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_screenshot FILE.zyd OUT.png\n");
        return 2;
    }
    zyfo::ensureApplication();
    std::setlocale(LC_ALL, "");
    zyfo::CMainDlg window;
    window.Create(nullptr);
    window.ShowWindow(zyfo::SW_SHOW);
    if (!QTest::qWaitForWindowExposed(window.GetSafeHwnd())) {
        std::fprintf(stderr, "window_screenshot: the window did not appear\n");
        return 1;
    }
    {
        zyfo::DialogScript script;
        script.answerFileDialog(zyfo::IDOK, argv[1]);
        zyfo::test::chooseMenuItem(window, "Otwórz plik");
    }
    if (window.dataFile() == nullptr) {
        std::fprintf(stderr, "window_screenshot: cannot open %s\n", argv[1]);
        return 1;
    }
    // Lets the window settle and paint before it is photographed.
    QTest::qWait(1000);
    if (!zyfo::saveWindowScreenshot(window, argv[2])) {
        std::fprintf(stderr, "window_screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
