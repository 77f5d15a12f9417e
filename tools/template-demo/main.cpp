// Demonstration of dialog templates made into windows: the live update dialog (template 135)
// with typical settings, or another template as it stands (the splash, 131, shown as at
// start-up), to look at or to photograph.
// Usage: zyfo-template-demo [--template ID] [--screenshot OUT.png]
#include "CButton.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CStatic.h"
#include "CWinApp.h"
#include "DialogIds.h"
#include "Resources.h"
#include "Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zyfo {
namespace {

constexpr UINT_PTR photographTimer = 1;
constexpr UINT photographDelayMs = 700;
constexpr DWORD splashMs = 2000;

const DialogTemplate *templateFor(int id)
{
    for (const DialogTemplate *candidate :
         {&aboutDialogTemplate(), &mainDialogTemplate(), &splashDialogTemplate(),
          &dateFormatDialogTemplate(), &chartSettingsDialogTemplate(), &liveUpdateDialogTemplate(),
          &reportDialogTemplate()})
        if (candidate->id == id)
            return candidate;
    return nullptr;
}

// Template 135 gets its period and count filled in: live updating on every 5 s, the newest 100
// measurements not selected, so their group is greyed as in the program. Other templates are
// shown as they stand.
class DemoDialog : public CDialog
{
public:
    DemoDialog(const DialogTemplate &dialogTemplate, std::string screenshot)
        : CDialog(dialogTemplate)
        , m_screenshot(std::move(screenshot))
    {}

    bool photographed = false;

protected:
    void DoDataExchange(CDataExchange *exchange) override
    {
        if (!liveUpdate())
            return;
        DDX_Control(exchange, IDC_LIVE_UPDATE, m_update);
        DDX_Control(exchange, IDC_LIVE_PERIOD, m_period);
        DDX_Control(exchange, IDC_LIVE_LAST_ON, m_lastOn);
        DDX_Control(exchange, IDC_LIVE_LAST_COUNT, m_lastCount);
        DDX_Control(exchange, IDC_LIVE_SHOW_LABEL, m_showLabel);
        DDX_Control(exchange, IDC_LIVE_LAST_LABEL, m_lastLabel);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (!m_screenshot.empty())
            SetTimer(photographTimer, photographDelayMs);
        if (!liveUpdate())
            return TRUE;
        m_update.SetCheck(BST_CHECKED);
        m_period.SetWindowText("5");
        m_lastOn.SetCheck(BST_UNCHECKED);
        m_lastCount.SetWindowText("100");
        for (CWnd *control : {static_cast<CWnd *>(&m_lastCount), static_cast<CWnd *>(&m_showLabel),
                              static_cast<CWnd *>(&m_lastLabel)})
            control->EnableWindow(FALSE);
        return TRUE;
    }

    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map{onNotify(BN_CLICKED, IDC_LIVE_OK, &DemoDialog::OnOK),
                                    onNotify(BN_CLICKED, IDC_LIVE_CANCEL, &DemoDialog::OnCancel),
                                    onTimer(&DemoDialog::photograph)};
        return &map;
    }

private:
    bool liveUpdate() const { return dialogTemplate().id == IDD_LIVE_UPDATE; }

    void photograph(UINT_PTR)
    {
        KillTimer(photographTimer);
        photographed = saveWindowScreenshot(*this, m_screenshot);
        EndDialog(photographed ? IDOK : IDCANCEL);
    }

    std::string m_screenshot;
    CButton m_update;
    CEdit m_period;
    CButton m_lastOn;
    CEdit m_lastCount;
    CStatic m_showLabel;
    CStatic m_lastLabel;
};

class DemoApp : public CWinApp
{
public:
    const DialogTemplate *shown = &liveUpdateDialogTemplate();
    std::string screenshot;
    int exitCode = 0;

    BOOL InitInstance() override
    {
        if (shown->id == IDD_SPLASH)
            return showSplash();
        DemoDialog dialog(*shown, screenshot);
        dialog.DoModal();
        if (!screenshot.empty() && !dialog.photographed) {
            std::fprintf(stderr, "zyfo-template-demo: cannot write %s\n", screenshot.c_str());
            exitCode = 1;
        }
        return FALSE;
    }

    int ExitInstance() override { return exitCode; }

private:
    // The splash as the program shows it at start-up: modeless, then the thread sleeps and
    // handles nothing, so what shows must be on the screen when ShowWindow and UpdateWindow
    // return. The screenshot is taken at that moment.
    BOOL showSplash()
    {
        CDialog splash(*shown);
        if (!splash.Create())
            return FALSE;
        splash.ShowWindow(SW_SHOW);
        splash.UpdateWindow();
        if (!screenshot.empty() && !saveWindowScreenshot(splash, screenshot)) {
            std::fprintf(stderr, "zyfo-template-demo: cannot write %s\n", screenshot.c_str());
            exitCode = 1;
        }
        Sleep(screenshot.empty() ? splashMs : 0);
        return FALSE;
    }
};

DemoApp theApp;

} // namespace
} // namespace zyfo

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; i += 2) {
        const zyfo::DialogTemplate *chosen = nullptr;
        if (i + 1 < argc && std::strcmp(argv[i], "--screenshot") == 0) {
            zyfo::theApp.screenshot = argv[i + 1];
        } else if (i + 1 < argc && std::strcmp(argv[i], "--template") == 0 &&
                   (chosen = zyfo::templateFor(std::atoi(argv[i + 1]))) != nullptr) {
            zyfo::theApp.shown = chosen;
        } else {
            std::fprintf(
                stderr,
                "usage: %s [--template 100|102|131|133|134|135|136] [--screenshot OUT.png]\n",
                argv[0]);
            return 2;
        }
    }
    return zyfo::AfxWinMain(argc, argv);
}
