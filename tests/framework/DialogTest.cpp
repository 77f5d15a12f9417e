// Dialogs built from templates on the off-screen platform: up-down buddies, local-time pickers,
// painting now, and timers running inside modal loops.
#include "CDataExchange.h"
#include "CDateTimeCtrl.h"
#include "CEdit.h"
#include "CPaintDC.h"
#include "CSpinButtonCtrl.h"
#include "CStatic.h"
#include "StampFields.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

constexpr int IDC_CHART = 1000;
constexpr int IDC_BUDDY = 1019;
constexpr int IDC_BUDDYSPIN = 1022;
constexpr int IDC_DATE = 1052;

DialogTemplate testTemplate()
{
    DialogTemplate result{
        900, WS_POPUP | WS_CAPTION | WS_SYSMENU, "Próba", "MS Sans Serif", 8, 200, 120, nullptr,
        {}};
    result.items = {
        DialogItem{IDC_BUDDY, ControlClass::Edit, "", 20, 40, 40, 14, ES_AUTOHSCROLL | WS_TABSTOP},
        DialogItem{IDC_BUDDYSPIN, ControlClass::UpDown, "", 60, 40, 11, 14,
                   UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS},
        DialogItem{IDC_DATE, ControlClass::DateTime, "", 20, 60, 53, 15,
                   DTS_SHORTDATEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN},
        DialogItem{IDC_CHART, ControlClass::Static, "", 0, 90, 140, 30, SS_GRAYRECT},
        DialogItem{IDOK, ControlClass::Button, "OK", 150, 100, 40, 14, BS_DEFPUSHBUTTON}};
    return result;
}

// A static that counts how often it painted itself.
class PaintCounter : public CStatic
{
public:
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
        CPaintDC dc(this);
        ++paints;
    }
};

class TestDialog : public CDialog
{
public:
    explicit TestDialog(const DialogTemplate &dialogTemplate)
        : CDialog(dialogTemplate)
    {}

    std::function<void(UINT_PTR)> onTick;
    CEdit m_buddy;
    CSpinButtonCtrl m_buddySpin;
    CDateTimeCtrl m_date;
    PaintCounter m_chart;

protected:
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, IDC_BUDDY, m_buddy);
        DDX_Control(dx, IDC_BUDDYSPIN, m_buddySpin);
        DDX_Control(dx, IDC_DATE, m_date);
        DDX_Control(dx, IDC_CHART, m_chart);
    }

    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map{onTimer(&TestDialog::timer)};
        return &map;
    }

private:
    void timer(UINT_PTR id) { onTick(id); }
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

    DialogTemplate m_template = testTemplate();
    TestDialog dialog{m_template};
};

TEST_F(DialogTest, UpDownArrowKeysStepTheBuddyAsAnIntegerWithoutSeparators)
{
    dialog.m_buddySpin.SetRange32(0, 100000);
    dialog.m_buddy.SetWindowText("99999");
    QWidget *buddy = dialog.m_buddy.GetSafeHwnd();
    buddy->setFocus();
    QTest::keyClick(buddy, Qt::Key_Up);
    QTest::keyClick(buddy, Qt::Key_Up);
    std::string text;
    dialog.m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "100000");
}

TEST_F(DialogTest, DatePickerKeepsLocalTime)
{
    std::tm midnight = fieldsTm(2006, 12, 5, 0, 0, 0);
    ASSERT_TRUE(dialog.m_date.SetTime(std::mktime(&midnight)));
    std::tm shown{};
    ASSERT_TRUE(dialog.m_date.GetTime(shown));
    EXPECT_EQ(shown.tm_mday, 5);
    EXPECT_EQ(shown.tm_hour, 0);
}

TEST_F(DialogTest, RedrawNowPaintsBeforeReturning)
{
    PaintCounter &chart = dialog.m_chart;
    ASSERT_TRUE(test::waitFor([&] { return chart.paints > 0; }));
    QCoreApplication::processEvents();
    const int painted = chart.paints;
    chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(chart.paints, painted + 1);
}

TEST_F(DialogTest, TimersRunInsideAMessageBoxAndAModalDialogAndAYesNoQuestionMustBeAnswered)
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
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(box->close());
        EXPECT_TRUE(box->isVisible());
        box->buttons().constFirst()->click();
    };
    dialog.SetTimer(1036, 20);
    EXPECT_EQ(dialog.MessageBox("Plik już istnieje.", "", MB_YESNO), IDYES);
    EXPECT_EQ(ticks, 3);
    dialog.KillTimer(1036);

    // A run its timer does not end is cancelled after five seconds, so the test cannot hang.
    TestDialog modal(m_template);
    modal.onTick = [&](UINT_PTR) {
        if (++ticks == 6)
            modal.EndDialog(IDOK);
    };
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the modal run did not end";
        modal.EndDialog(-2);
    });
    safety.start(5000);
    QTimer::singleShot(0, [&] { modal.SetTimer(7, 20); });
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_EQ(ticks, 6);
}

} // namespace
} // namespace zyfo
