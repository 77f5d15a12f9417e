// A progress window for long work on the user-interface thread.
#include "CProgressDlg.h"

#include "CWnd.h"

#include <QApplication>
#include <QProgressDialog>

namespace zyfo {

namespace {

// Events are handled at most this often: handling them costs far more than a step.
constexpr std::chrono::milliseconds kEventsEvery{20};
// The bar's steps from empty to full.
constexpr int kBarSteps = 1000;

} // namespace

CProgressDlg::CProgressDlg(CWnd *parent, std::string label)
    : m_parent(parent)
    , m_label(std::move(label))
    , m_start(std::chrono::steady_clock::now())
    , m_lastEvents(m_start)
{}

CProgressDlg::~CProgressDlg() = default;

bool CProgressDlg::step(std::int64_t done, std::int64_t total)
{
    if (m_cancelled)
        return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastEvents < kEventsEvery)
        return true;
    m_lastEvents = now;
    if (m_window == nullptr && now - m_start >= kShowAfter)
        show();
    if (m_window == nullptr) {
        // Painting and timers go on; a click or a key waits for the work to end.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    showProgress(done, total);
    QCoreApplication::processEvents();
    m_cancelled = m_window->wasCanceled();
    return !m_cancelled;
}

void CProgressDlg::show()
{
    QWidget *owner = m_parent != nullptr ? m_parent->GetSafeHwnd() : nullptr;
    m_window = std::make_unique<QProgressDialog>(owner);
    m_window->setWindowTitle(QApplication::applicationDisplayName());
    m_window->setLabelText(QString::fromStdString(m_label));
    m_window->setCancelButtonText(QStringLiteral("Anuluj"));
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->setAutoReset(false);
    m_window->setMinimumDuration(0);
    m_window->show();
}

void CProgressDlg::showProgress(std::int64_t done, std::int64_t total)
{
    if (total <= 0) {
        m_window->setRange(0, 0);
        return;
    }
    m_window->setRange(0, kBarSteps);
    const std::int64_t clamped = std::clamp<std::int64_t>(done, 0, total);
    // In double, so that files of any length scale without overflowing.
    m_window->setValue(
        static_cast<int>(static_cast<double>(clamped) / static_cast<double>(total) * kBarSteps));
}

} // namespace zyfo
