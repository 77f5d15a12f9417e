// The application object and the program-wide platform calls: message boxes, system metrics,
// sleeping.
#include "CWinApp.h"

#include "CWnd.h"
#include "GuiApplication.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <thread>

namespace zyfo {

namespace {
CWinApp *theApp = nullptr;
}

CWinApp::CWinApp()
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

CWinApp *AfxGetApp()
{
    return theApp;
}

CWnd *AfxGetMainWnd()
{
    return theApp != nullptr ? theApp->m_pMainWnd : nullptr;
}

int AfxWinMain(int argc, char **argv)
{
    if (theApp == nullptr)
        return 1;
    GuiApplication platform(argc, argv);
    // The platform has taken its own options out of argv by now.
    theApp->SetArguments(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
    theApp->InitInstance();
    return theApp->ExitInstance();
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CYDLGFRAME:
        return QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    case SM_CXICON:
    case SM_CYICON:
        return QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    default:
        return 0;
    }
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace zyfo
