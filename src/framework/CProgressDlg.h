// A progress window for long work on the user-interface thread, shown once the work has taken
// half a second, with "Anuluj".
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class QProgressDialog;

namespace zyfo {

class CWnd;

// Made when the work starts and destroyed (closing the window) when it ends. The work calls
// step() now and then on the user-interface thread; step handles the pending events at most
// every few milliseconds, so windows keep painting and timers keep ticking while the work runs.
// Until the window shows, user input waits; once it shows it is application-modal, so only
// "Anuluj" (or Escape, or closing it) reaches the program, and that cancels the work.
class CProgressDlg
{
public:
    static constexpr std::chrono::milliseconds kShowAfter{500};

    // `parent` (may be nullptr) must outlive this object.
    CProgressDlg(CWnd *parent, std::string label);
    ~CProgressDlg();
    CProgressDlg(const CProgressDlg &) = delete;
    CProgressDlg &operator=(const CProgressDlg &) = delete;

    // The work has done `done` of `total` (any unit; total 0 or less shows a bar without an
    // end). Returns false once the user has cancelled, and from then on.
    bool step(std::int64_t done, std::int64_t total);
    // True once the window has been shown.
    bool shown() const { return m_window != nullptr; }

private:
    void show();
    void showProgress(std::int64_t done, std::int64_t total);

    CWnd *m_parent;
    std::string m_label;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastEvents;
    std::unique_ptr<QProgressDialog> m_window;
    bool m_cancelled = false;
};

} // namespace zyfo
