// Dialogs built from templates on the off-screen platform: keyboard pre-translation, up-downs,
// local-time pickers, modal runs with their timers, painting now and later.
#include "CDataExchange.h"
#include "CDateTimeCtrl.h"
#include "CEdit.h"
#include "CPaintDC.h"
#include "CSpinButtonCtrl.h"
#include "CStatic.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::waitFor;

constexpr int IDC_CHART = 1000;
constexpr int IDC_EDIT = 1005;
constexpr int IDC_SPIN = 1010;
constexpr int IDC_BUDDY = 1019;
constexpr int IDC_BUDDYSPIN = 1022;
constexpr int IDC_DATE = 1052;

DialogTemplate testTemplate()
{
    DialogTemplate result;
    result.id = 900;
    result.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    result.caption = "Próba";
    result.fontFace = "MS Sans Serif";
    result.fontPointSize = 8;
    result.cx = 200;
    result.cy = 120;
    result.items = {
        DialogItem{IDC_EDIT, ControlClass::Edit, "", 148, 11, 33, 14, ES_AUTOHSCROLL | WS_TABSTOP},
        DialogItem{IDC_SPIN, ControlClass::UpDown, "", 181, 11, 11, 14,
                   UDS_ARROWKEYS | UDS_NOTHOUSANDS},
        DialogItem{IDC_BUDDY, ControlClass::Edit, "", 20, 40, 40, 14, ES_AUTOHSCROLL | WS_TABSTOP},
        DialogItem{IDC_BUDDYSPIN, ControlClass::UpDown, "", 60, 40, 11, 14,
                   UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS},
        DialogItem{IDC_DATE, ControlClass::DateTime, "", 20, 60, 53, 15,
                   DTS_SHORTDATEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN},
        DialogItem{IDC_CHART, ControlClass::Static, "", 0, 90, 140, 30, SS_GRAYRECT},
        DialogItem{IDOK, ControlClass::Button, "OK", 150, 100, 40, 14, BS_DEFPUSHBUTTON}};
    return result;
}

// A static that paints itself unless it is busy, counting the paints that happened.
class PaintCounter : public CStatic
{
public:
    bool busy = false;
    int attempts = 0;
    int paints = 0;

protected:
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map{onPaint(&PaintCounter::paint)};
        return &map;
    }

private:
    void paint()
    {
        ++attempts;
        if (busy)
            return;
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 0, 0));
        ++paints;
    }
};

class LoggingDialog : public CDialog
{
public:
    explicit LoggingDialog(const DialogTemplate &dialogTemplate)
        : CDialog(dialogTemplate)
    {}

    int lostFocus = 0;
    int earlyBuddyChanges = 0;
    int dateChanges = 0;
    std::vector<int> deltas;
    LRESULT deltaResult = 0;
    std::tm changed{};
    bool swallowEnterAndEscape = false;
    std::function<void(UINT_PTR)> onTick;

    CEdit m_edit;
    CEdit m_buddy;
    CSpinButtonCtrl m_spin;
    CSpinButtonCtrl m_buddySpin;
    CDateTimeCtrl m_date;
    PaintCounter m_chart;

    BOOL PreTranslateMessage(MSG *msg) override
    {
        if (swallowEnterAndEscape && msg->message == WM_KEYDOWN &&
            (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
            SetFocus();
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, IDC_EDIT, m_edit);
        DDX_Control(dx, IDC_BUDDY, m_buddy);
        DDX_Control(dx, IDC_SPIN, m_spin);
        DDX_Control(dx, IDC_BUDDYSPIN, m_buddySpin);
        DDX_Control(dx, IDC_DATE, m_date);
        DDX_Control(dx, IDC_CHART, m_chart);
    }

    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map{
            onNotify(EN_KILLFOCUS, IDC_EDIT, &LoggingDialog::editLostFocus),
            onNotify(EN_CHANGE, IDC_BUDDY, &LoggingDialog::buddyChanged),
            onNotify(UDN_DELTAPOS, IDC_SPIN, &LoggingDialog::deltaPos),
            onNotify(UDN_DELTAPOS, IDC_BUDDYSPIN, &LoggingDialog::deltaPos),
            onNotify(DTN_DATETIMECHANGE, IDC_DATE, &LoggingDialog::dateChanged),
            onTimer(&LoggingDialog::timer),
        };
        return &map;
    }

private:
    void editLostFocus() { ++lostFocus; }
    void buddyChanged()
    {
        // The up-down exists only once it is bound: during creation the buddy changes first.
        earlyBuddyChanges += m_buddySpin.GetSafeHwnd() == nullptr ? 1 : 0;
    }
    void deltaPos(NMUPDOWN *notification, LRESULT *result)
    {
        EXPECT_TRUE(notification->hdr.idFrom == IDC_SPIN ||
                    notification->hdr.idFrom == IDC_BUDDYSPIN);
        deltas.push_back(notification->iDelta);
        *result = deltaResult;
    }
    void dateChanged(NMDATETIMECHANGE *notification, LRESULT *result)
    {
        ++dateChanges;
        changed = notification->st;
        *result = 0;
    }
    void timer(UINT_PTR id)
    {
        if (onTick)
            onTick(id);
    }
};

class DialogTest : public ::testing::Test
{
protected:
    // A shown, active modeless dialog of the test template.
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetSafeHwnd()));
    }

    template<class T>
    T *widget(const CWnd &control)
    {
        return qobject_cast<T *>(control.GetSafeHwnd());
    }

    std::string text(CWnd &control)
    {
        std::string result;
        control.GetWindowText(result);
        return result;
    }

    void clickArrow(CSpinButtonCtrl &spin, bool up)
    {
        QWidget *widget = spin.GetSafeHwnd();
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          QPoint(widget->width() / 2, up ? 2 : widget->height() - 2));
    }

    DialogTemplate m_template = testTemplate();
    LoggingDialog dialog{m_template};
};

TEST_F(DialogTest, EnterAndEscapeEndTheDialogUnlessPreTranslationSwallowsThem)
{
    dialog.swallowEnterAndEscape = true;
    QLineEdit *edit = widget<QLineEdit>(dialog.m_edit);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        edit->setFocus();
        ASSERT_TRUE(waitFor([&] { return edit->hasFocus(); }));
        QTest::keyClick(edit, key);
        EXPECT_FALSE(edit->hasFocus()) << "the edit lost the focus and so was committed";
        EXPECT_EQ(CWnd::GetFocus(), &dialog);
        EXPECT_TRUE(dialog.IsWindowVisible());
    }
    EXPECT_EQ(dialog.lostFocus, 2);

    dialog.swallowEnterAndEscape = false;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        dialog.ShowWindow(SW_SHOW);
        edit->setFocus();
        QTest::keyClick(edit, key);
        EXPECT_FALSE(dialog.IsWindowVisible()) << "the default button or cancel hid it";
        EXPECT_NE(dialog.GetSafeHwnd(), nullptr) << "a modeless dialog is hidden, not destroyed";
    }
}

TEST_F(DialogTest, UpDownsNotifyTheArrowsSignAndStepTheirBuddyAsAnInteger)
{
    // Without a buddy the up-down only tells the step; a reversed range turns it round.
    dialog.m_edit.SetWindowText("5");
    dialog.m_spin.SetRange32(-20, 9);
    clickArrow(dialog.m_spin, true);
    clickArrow(dialog.m_spin, false);
    dialog.m_spin.SetRange32(100, 0);
    clickArrow(dialog.m_spin, true);
    EXPECT_EQ(dialog.deltas, (std::vector<int>{1, -1, -1}));
    EXPECT_EQ(text(dialog.m_edit), "5");

    EXPECT_GE(dialog.earlyBuddyChanges, 1)
        << "tying the buddy wrote the position into it while the dialog was being made";
    EXPECT_EQ(text(dialog.m_buddy), "0");
    dialog.m_buddySpin.SetRange32(1, 10);
    dialog.m_buddy.SetWindowText("9");
    clickArrow(dialog.m_buddySpin, true);
    EXPECT_EQ(text(dialog.m_buddy), "10");
    clickArrow(dialog.m_buddySpin, true);
    EXPECT_EQ(text(dialog.m_buddy), "10") << "the position stays inside the range";
    dialog.deltaResult = 1;
    clickArrow(dialog.m_buddySpin, false);
    EXPECT_EQ(text(dialog.m_buddy), "10") << "a non-zero result stops the step";

    dialog.deltaResult = 0;
    dialog.m_buddySpin.SetRange32(0, 100000);
    dialog.m_buddy.SetWindowText("99999");
    QLineEdit *buddy = widget<QLineEdit>(dialog.m_buddy);
    buddy->setFocus();
    QTest::keyClick(buddy, Qt::Key_Up);
    EXPECT_EQ(text(dialog.m_buddy), "100000") << "arrow keys step it, no thousands separator";
}

TEST_F(DialogTest, DatePickerKeepsLocalTimeAndNotifiesOnlyTheUsersChanges)
{
    // Local midnight stays on its own day: the picker keeps local time, not UTC.
    std::tm midnight{};
    midnight.tm_year = 106;
    midnight.tm_mon = 11;
    midnight.tm_mday = 5;
    midnight.tm_isdst = -1;
    ASSERT_TRUE(dialog.m_date.SetTime(std::mktime(&midnight)));
    std::tm shown{};
    ASSERT_TRUE(dialog.m_date.GetTime(shown));
    EXPECT_EQ(shown.tm_mday, 5);
    EXPECT_EQ(shown.tm_hour, 0);
    EXPECT_EQ(dialog.dateChanges, 0);

    QDateEdit *picker = widget<QDateEdit>(dialog.m_date);
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(dialog.dateChanges, 1);
    EXPECT_EQ(dialog.changed.tm_mday, 6);
    EXPECT_EQ(dialog.changed.tm_mon, 11);
}

TEST_F(DialogTest, RedrawNowPaintsBeforeReturningAndASkippedPaintHappensLater)
{
    PaintCounter &chart = dialog.m_chart;
    ASSERT_TRUE(waitFor([&] { return chart.paints > 0; }));
    QCoreApplication::processEvents();
    int painted = chart.paints;

    chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(chart.paints, painted + 1) << "RDW_UPDATENOW painted synchronously";

    chart.busy = true;
    int attempts = chart.attempts;
    chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(chart.attempts, attempts + 1);
    chart.busy = false;
    EXPECT_TRUE(waitFor([&] { return chart.paints == painted + 2; }))
        << "the window stayed invalid and was painted when the event loop ran";

    chart.RedrawWindow(RDW_INVALIDATE);
    EXPECT_EQ(chart.paints, painted + 2) << "invalidating alone paints later";
    EXPECT_TRUE(waitFor([&] { return chart.paints == painted + 3; }));
}

TEST_F(DialogTest, ModalRunsEndWithTheirResultRunTheirTimersAndAYesNoQuestionMustBeAnswered)
{
    int ticks = 0;
    dialog.onTick = [&](UINT_PTR) {
        if (++ticks != 3)
            return;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is open";
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        EXPECT_EQ(box->text(), QStringLiteral("Plik już istnieje.\nWybierz Tak"));
        // A Yes/No question has to be answered: Escape and the close box do nothing.
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(box->close());
        EXPECT_TRUE(box->isVisible());
        box->buttons().constFirst()->click();
    };
    EXPECT_EQ(dialog.SetTimer(1036, 20), 1036u);
    EXPECT_EQ(dialog.MessageBox("Plik już istnieje.\r\nWybierz Tak", "", MB_YESNO), IDYES);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(dialog.KillTimer(1036));
    QTest::qWait(60);
    EXPECT_EQ(ticks, 3) << "a killed timer stays quiet";

    // The window exists once the run's loop turns; a run its step does not end is cancelled
    // after five seconds and fails, so the test cannot hang.
    LoggingDialog modal(m_template);
    auto run = [&](const std::function<void()> &step) {
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [&] {
            ADD_FAILURE() << "the modal run did not end";
            modal.EndDialog(-2);
        });
        safety.start(5000);
        QTimer::singleShot(0, step);
        return modal.DoModal();
    };
    modal.onTick = [&](UINT_PTR id) {
        if (id == 7 && ++ticks == 6)
            modal.EndDialog(IDOK);
    };
    EXPECT_EQ(run([&] { modal.SetTimer(7, 20); }), IDOK);
    EXPECT_EQ(ticks, 6) << "the run ended from its timer's third tick";
    EXPECT_EQ(modal.GetSafeHwnd(), nullptr) << "the window is destroyed after the run";
    EXPECT_EQ(modal.m_edit.GetSafeHwnd(), nullptr) << "bound controls forget their widgets";

    // Enter clicks the default OK button; Escape and the close box cancel.
    EXPECT_EQ(run([&] { QTest::keyClick(modal.GetSafeHwnd(), Qt::Key_Return); }), IDOK);
    EXPECT_EQ(run([&] { QTest::keyClick(modal.GetSafeHwnd(), Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(run([&] { modal.GetSafeHwnd()->close(); }), IDCANCEL);
}

} // namespace
} // namespace zyfo
