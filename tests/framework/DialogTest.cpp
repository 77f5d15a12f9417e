// Dialogs built from templates on the off-screen platform: widget positions in dialog units,
// each notification exactly when the platform's control sends it, keyboard pre-translation,
// modal runs, timers inside modal loops, painting now and later.
#include "CButton.h"
#include "CComboBox.h"
#include "CDataExchange.h"
#include "CDateTimeCtrl.h"
#include "CEdit.h"
#include "CPaintDC.h"
#include "CSpinButtonCtrl.h"
#include "CStatic.h"
#include "DialogScript.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::dialogTemplate;
using test::waitFor;

constexpr int IDC_CHART = 1000;
constexpr int IDC_COMBO = 1001;
constexpr int IDC_EDIT = 1005;
constexpr int IDC_SPIN = 1010;
constexpr int IDC_CHECK = 1014;
constexpr int IDC_BUTTON = 1016;
constexpr int IDC_BUDDY = 1019;
constexpr int IDC_BUDDYSPIN = 1022;
constexpr int IDC_LABEL = 1041;
constexpr int IDC_DATE = 1052;
constexpr UINT ID_MENU_OPEN = 32771;

const MenuTemplate testMenu{129, {{"&Plik", 0, {{"Otwórz plik", ID_MENU_OPEN, {}}, {"", 0, {}}}}}};

DialogTemplate testTemplate(DWORD style = 0, const MenuTemplate *menu = nullptr)
{
    DialogTemplate result = dialogTemplate(
        {DialogItem{IDC_LABEL, ControlClass::Static, "Od", 136, 14, 10, 8},
         DialogItem{IDC_EDIT, ControlClass::Edit, "", 148, 11, 33, 14, ES_AUTOHSCROLL | WS_TABSTOP},
         DialogItem{IDC_SPIN, ControlClass::UpDown, "", 181, 11, 11, 14,
                    UDS_ARROWKEYS | UDS_NOTHOUSANDS},
         DialogItem{IDC_BUDDY, ControlClass::Edit, "", 20, 40, 40, 14, ES_AUTOHSCROLL | WS_TABSTOP},
         DialogItem{IDC_BUDDYSPIN, ControlClass::UpDown, "", 60, 40, 11, 14,
                    UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS},
         DialogItem{IDC_COMBO, ControlClass::ComboBox, "", 0, 11, 90, 91,
                    CBS_DROPDOWNLIST | WS_VSCROLL},
         DialogItem{IDC_CHECK, ControlClass::Button, "Wykres", 95, 8, 40, 10, BS_AUTOCHECKBOX},
         DialogItem{IDC_BUTTON, ControlClass::Button, "Kolor", 100, 70, 28, 12},
         DialogItem{IDC_DATE, ControlClass::DateTime, "", 20, 60, 53, 15,
                    DTS_SHORTDATEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN},
         DialogItem{IDC_CHART, ControlClass::Static, "", 0, 90, 140, 30, SS_GRAYRECT},
         DialogItem{IDOK, ControlClass::Button, "OK", 150, 100, 40, 14, BS_DEFPUSHBUTTON}},
        style);
    result.menu = menu;
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
    explicit LoggingDialog(const DialogTemplate &dialogTemplate, CWnd *parent = nullptr)
        : CDialog(dialogTemplate, parent)
    {}

    std::vector<std::string> log;
    std::vector<int> deltas;
    LRESULT deltaResult = 0;
    std::tm changed{};
    bool swallowEnterAndEscape = false;
    std::function<void(UINT_PTR)> onTick;
    std::vector<std::pair<int, int>> sizes;
    std::vector<UINT> systemCommands;

    CEdit m_edit;
    CEdit m_buddy;
    CSpinButtonCtrl m_spin;
    CSpinButtonCtrl m_buddySpin;
    CComboBox m_combo;
    CButton m_check;
    CButton m_button;
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

    size_t count(const std::string &entry) const
    {
        return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
    }

protected:
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, IDC_EDIT, m_edit);
        DDX_Control(dx, IDC_BUDDY, m_buddy);
        DDX_Control(dx, IDC_SPIN, m_spin);
        DDX_Control(dx, IDC_BUDDYSPIN, m_buddySpin);
        DDX_Control(dx, IDC_COMBO, m_combo);
        DDX_Control(dx, IDC_CHECK, m_check);
        DDX_Control(dx, IDC_BUTTON, m_button);
        DDX_Control(dx, IDC_DATE, m_date);
        DDX_Control(dx, IDC_CHART, m_chart);
    }

    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map{
            onNotify(EN_CHANGE, IDC_EDIT, &LoggingDialog::editChanged),
            onNotify(EN_KILLFOCUS, IDC_EDIT, &LoggingDialog::editLostFocus),
            onNotify(EN_CHANGE, IDC_BUDDY, &LoggingDialog::buddyChanged),
            onNotify(CBN_SELCHANGE, IDC_COMBO, &LoggingDialog::selectionChanged),
            onNotify(BN_CLICKED, IDC_CHECK, &LoggingDialog::checkClicked),
            onCommand(IDC_BUTTON, &LoggingDialog::buttonClicked),
            onCommand(static_cast<int>(ID_MENU_OPEN), &LoggingDialog::menuOpen),
            onNotify(UDN_DELTAPOS, IDC_SPIN, &LoggingDialog::deltaPos),
            onNotify(UDN_DELTAPOS, IDC_BUDDYSPIN, &LoggingDialog::deltaPos),
            onNotify(DTN_DATETIMECHANGE, IDC_DATE, &LoggingDialog::dateChanged),
            onTimer(&LoggingDialog::timer),
            onSize(&LoggingDialog::size),
            onSysCommand(&LoggingDialog::sysCommand),
        };
        return &map;
    }

private:
    void editChanged() { log.push_back("EN_CHANGE"); }
    void editLostFocus() { log.push_back("EN_KILLFOCUS"); }
    void buddyChanged()
    {
        // The up-down exists only once it is bound: during creation the buddy changes first.
        log.push_back(m_buddySpin.GetSafeHwnd() != nullptr ? "buddy EN_CHANGE" : "early EN_CHANGE");
    }
    void selectionChanged() { log.push_back("CBN_SELCHANGE"); }
    void checkClicked() { log.push_back("BN_CLICKED check"); }
    void buttonClicked() { log.push_back("BN_CLICKED button"); }
    void menuOpen() { log.push_back("menu open"); }
    void deltaPos(NMUPDOWN *notification, LRESULT *result)
    {
        log.push_back("UDN_DELTAPOS " + std::to_string(notification->hdr.idFrom));
        deltas.push_back(notification->iDelta);
        *result = deltaResult;
    }
    void dateChanged(NMDATETIMECHANGE *notification, LRESULT *result)
    {
        log.push_back("DTN_DATETIMECHANGE");
        changed = notification->st;
        *result = 0;
    }
    void timer(UINT_PTR id)
    {
        log.push_back("WM_TIMER " + std::to_string(id));
        if (onTick)
            onTick(id);
    }
    void size(UINT, int cx, int cy) { sizes.emplace_back(cx, cy); }
    void sysCommand(UINT id, LPARAM lParam)
    {
        systemCommands.push_back(id);
        CDialog::OnSysCommand(id, lParam);
    }
};

class DialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    // A shown, active modeless dialog of the test template.
    void open(DWORD style = 0, const MenuTemplate *menu = nullptr)
    {
        m_template = testTemplate(style, menu);
        dialog = std::make_unique<LoggingDialog>(m_template);
        ASSERT_TRUE(dialog->Create());
        dialog->ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog->GetSafeHwnd()));
    }

    template<class T>
    T *widget(const CWnd &control)
    {
        return qobject_cast<T *>(control.GetSafeHwnd());
    }

    DialogTemplate m_template;
    std::unique_ptr<LoggingDialog> dialog;
};

TEST_F(DialogTest, TemplateBecomesWidgetsAtThePixelsOfItsFont)
{
    open();
    QWidget *edit = dialog->m_edit.GetSafeHwnd();
    // Base units measured the way the platform's dialog manager does.
    QFontMetrics metrics(edit->parentWidget()->font());
    int baseX = (metrics.horizontalAdvance(
                     QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                     26 +
                 1) /
                2;
    int baseY = metrics.height();
    EXPECT_EQ(baseX, 6) << "the dialog face resolves to Liberation Sans 11 px";
    EXPECT_EQ(baseY, 12);
    auto px = [&](int units, int base, int divisor) {
        return (units * base + divisor / 2) / divisor;
    };

    EXPECT_EQ(edit->geometry(),
              QRect(px(148, baseX, 4), px(11, baseY, 8), px(33, baseX, 4), px(14, baseY, 8)));
    EXPECT_EQ(edit->geometry(), QRect(222, 17, 50, 21));
    QWidget *check = dialog->m_check.GetSafeHwnd();
    EXPECT_EQ(check->geometry(), QRect(px(95, baseX, 4), px(8, baseY, 8), 60, 15));
    EXPECT_EQ(dialog->m_chart.GetSafeHwnd()->geometry(), QRect(0, 135, 210, 45));
    QWidget *combo = dialog->m_combo.GetSafeHwnd();
    EXPECT_EQ(combo->pos(), QPoint(0, px(11, baseY, 8)));
    EXPECT_EQ(combo->width(), 135);

    CRect client;
    dialog->GetClientRect(&client);
    EXPECT_EQ(client, (CRect{0, 0, 300, 180}));
    std::string caption;
    dialog->GetWindowText(caption);
    EXPECT_EQ(caption, "Próba");
    std::string label;
    dialog->GetDlgItem(IDC_LABEL)->GetWindowText(label);
    EXPECT_EQ(label, "Od");
}

TEST_F(DialogTest, ButtonsNotifyOnClicksNotOnSetCheck)
{
    open();
    dialog->m_check.SetCheck(BST_CHECKED);
    EXPECT_EQ(dialog->m_check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dialog->count("BN_CLICKED check"), 0u);

    QTest::mouseClick(widget<QCheckBox>(dialog->m_check), Qt::LeftButton);
    EXPECT_EQ(dialog->count("BN_CLICKED check"), 1u);
    EXPECT_EQ(dialog->m_check.GetCheck(), BST_UNCHECKED);

    QTest::mouseClick(widget<QPushButton>(dialog->m_button), Qt::LeftButton);
    EXPECT_EQ(dialog->count("BN_CLICKED button"), 1u);

    dialog->m_button.EnableWindow(FALSE);
    QTest::mouseClick(widget<QPushButton>(dialog->m_button), Qt::LeftButton);
    EXPECT_EQ(dialog->count("BN_CLICKED button"), 1u) << "a disabled button sends nothing";
    EXPECT_FALSE(dialog->m_button.IsWindowEnabled());
}

TEST_F(DialogTest, ComboSelectionNotifiesOnlyForTheUsersChoice)
{
    open();
    EXPECT_EQ(dialog->m_combo.AddString("Temp. RT-350 nr 1"), 0);
    EXPECT_EQ(dialog->m_combo.AddString("Ciśn. BM-20 nr 2"), 1);
    EXPECT_EQ(dialog->m_combo.GetCurSel(), -1) << "adding items selects none";
    EXPECT_EQ(dialog->m_combo.SetCurSel(0), 0);
    EXPECT_EQ(dialog->m_combo.SetCurSel(5), -1);
    EXPECT_EQ(dialog->count("CBN_SELCHANGE"), 0u) << "a selection by the program sends nothing";

    QComboBox *combo = widget<QComboBox>(dialog->m_combo);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(dialog->count("CBN_SELCHANGE"), 1u);
    EXPECT_EQ(dialog->m_combo.GetCurSel(), 1);
    std::string text;
    dialog->m_combo.GetLBText(1, text);
    EXPECT_EQ(text, "Ciśn. BM-20 nr 2");
    dialog->m_combo.GetWindowText(text);
    EXPECT_EQ(text, "Ciśn. BM-20 nr 2");

    dialog->m_combo.ResetContent();
    EXPECT_EQ(dialog->m_combo.GetCount(), 0);
    EXPECT_EQ(dialog->m_combo.GetCurSel(), -1);
}

TEST_F(DialogTest, EditsNotifyChangesAndFocusLoss)
{
    open();
    QLineEdit *edit = widget<QLineEdit>(dialog->m_edit);
    dialog->m_edit.SetWindowText("12");
    EXPECT_EQ(dialog->count("EN_CHANGE"), 1u) << "setting the text sends EN_CHANGE too";

    edit->setFocus();
    ASSERT_TRUE(waitFor([&] { return edit->hasFocus(); }));
    QTest::keyClicks(edit, "3");
    EXPECT_EQ(dialog->count("EN_CHANGE"), 2u);
    EXPECT_EQ(dialog->count("EN_KILLFOCUS"), 0u);

    widget<QLineEdit>(dialog->m_buddy)->setFocus();
    EXPECT_EQ(dialog->count("EN_KILLFOCUS"), 1u);
    std::string text;
    dialog->m_edit.GetWindowText(text);
    EXPECT_EQ(text, "123");
}

TEST_F(DialogTest, SwallowedEnterMovesTheFocusAndCommitsTheEdit)
{
    open();
    dialog->swallowEnterAndEscape = true;
    QLineEdit *edit = widget<QLineEdit>(dialog->m_edit);
    edit->setFocus();
    ASSERT_TRUE(waitFor([&] { return edit->hasFocus(); }));
    QTest::keyClicks(edit, "500");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog->count("EN_KILLFOCUS"), 1u);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_TRUE(dialog->IsWindowVisible()) << "Enter did not reach the default button";
    EXPECT_EQ(CWnd::GetFocus(), dialog.get());

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(dialog->count("EN_KILLFOCUS"), 2u);
    EXPECT_TRUE(dialog->IsWindowVisible());
}

TEST_F(DialogTest, WithoutPreTranslationEnterAndEscapeEndTheDialog)
{
    open();
    QLineEdit *edit = widget<QLineEdit>(dialog->m_edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog->IsWindowVisible()) << "Enter clicked the default button: OnOK hid it";
    EXPECT_NE(dialog->GetSafeHwnd(), nullptr) << "a modeless dialog is hidden, not destroyed";

    dialog->ShowWindow(SW_SHOW);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(DialogTest, UpDownWithoutBuddyNotifiesTheArrowsSign)
{
    open();
    dialog->m_edit.SetWindowText("5");
    dialog->m_spin.SetRange32(-20, 9);
    QWidget *spin = dialog->m_spin.GetSafeHwnd();
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2));
    EXPECT_EQ(dialog->deltas, (std::vector<int>{1, -1}));
    EXPECT_EQ(dialog->count("UDN_DELTAPOS 1010"), 2u);
    std::string text;
    dialog->m_edit.GetWindowText(text);
    EXPECT_EQ(text, "5") << "an up-down without a buddy changes nothing itself";
    int lower = 0;
    int upper = 0;
    dialog->m_spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -20);
    EXPECT_EQ(upper, 9);

    // A reversed range turns the up arrow's step negative.
    dialog->m_spin.SetRange32(100, 0);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(dialog->deltas.back(), -1);
}

TEST_F(DialogTest, UpDownWithBuddySetsItsTextAsAnInteger)
{
    open();
    EXPECT_GE(dialog->count("early EN_CHANGE"), 1u)
        << "tying the buddy wrote the position into it while the dialog was being made";
    std::string text;
    dialog->m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "0");

    dialog->m_buddySpin.SetRange32(1, 10);
    dialog->m_buddy.SetWindowText("9");
    QWidget *spin = dialog->m_buddySpin.GetSafeHwnd();
    QPoint up(spin->width() / 2, 2);
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    dialog->m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "10");
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    dialog->m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "10") << "the position stays inside the range";
    EXPECT_EQ(dialog->m_buddySpin.GetPos32(), 10);

    dialog->deltaResult = 1;
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2));
    dialog->m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "10") << "a non-zero result stops the step";

    dialog->deltaResult = 0;
    dialog->m_buddySpin.SetRange32(0, 100000);
    dialog->m_buddy.SetWindowText("99999");
    QLineEdit *buddy = widget<QLineEdit>(dialog->m_buddy);
    buddy->setFocus();
    QTest::keyClick(buddy, Qt::Key_Up);
    dialog->m_buddy.GetWindowText(text);
    EXPECT_EQ(text, "100000") << "arrow keys in the buddy step it, no thousands separator";
    EXPECT_EQ(dialog->count("UDN_DELTAPOS 1022"), 4u);
}

TEST_F(DialogTest, DatePickerNotifiesOnlyTheUsersChanges)
{
    open();
    std::tm noon{};
    noon.tm_year = 106;
    noon.tm_mon = 11;
    noon.tm_mday = 5;
    noon.tm_hour = 14;
    noon.tm_min = 30;
    noon.tm_isdst = -1;
    std::time_t stamp = std::mktime(&noon);
    ASSERT_TRUE(dialog->m_date.SetTime(stamp));
    EXPECT_EQ(dialog->count("DTN_DATETIMECHANGE"), 0u);
    std::tm shown{};
    ASSERT_TRUE(dialog->m_date.GetTime(shown));
    EXPECT_EQ(shown.tm_year, 106);
    EXPECT_EQ(shown.tm_mon, 11);
    EXPECT_EQ(shown.tm_mday, 5);
    EXPECT_EQ(shown.tm_isdst, -1);
    // Local midnight stays on its own day: the picker keeps local time, not UTC.
    noon.tm_hour = 0;
    noon.tm_min = 0;
    noon.tm_isdst = -1;
    ASSERT_TRUE(dialog->m_date.SetTime(std::mktime(&noon)));
    ASSERT_TRUE(dialog->m_date.GetTime(shown));
    EXPECT_EQ(shown.tm_mday, 5);
    EXPECT_EQ(shown.tm_hour, 0);

    QDateEdit *picker = widget<QDateEdit>(dialog->m_date);
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(dialog->count("DTN_DATETIMECHANGE"), 1u);
    EXPECT_EQ(dialog->changed.tm_mday, 6);
    EXPECT_EQ(dialog->changed.tm_mon, 11);
}

TEST_F(DialogTest, RedrawNowPaintsBeforeReturningAndASkippedPaintHappensLater)
{
    open();
    PaintCounter &chart = dialog->m_chart;
    ASSERT_TRUE(waitFor([&] { return chart.paints > 0; }));
    QCoreApplication::processEvents();
    int painted = chart.paints;

    chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(chart.paints, painted + 1) << "RDW_UPDATENOW painted synchronously";

    chart.busy = true;
    int attempts = chart.attempts;
    chart.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(chart.attempts, attempts + 1);
    EXPECT_EQ(chart.paints, painted + 1) << "the busy handler did not paint";
    chart.busy = false;
    EXPECT_TRUE(waitFor([&] { return chart.paints == painted + 2; }))
        << "the window stayed invalid and was painted when the event loop ran";

    chart.RedrawWindow(RDW_INVALIDATE);
    EXPECT_EQ(chart.paints, painted + 2) << "invalidating alone paints later";
    EXPECT_TRUE(waitFor([&] { return chart.paints == painted + 3; }));
}

TEST_F(DialogTest, ModalDialogEndsWithItsResultAndItsTimersRunInside)
{
    DialogTemplate modalTemplate = testTemplate();
    LoggingDialog modal(modalTemplate);
    int ticks = 0;
    modal.onTick = [&](UINT_PTR id) {
        if (id == 7 && ++ticks == 3)
            modal.EndDialog(IDOK);
    };
    // The timer starts once the window exists; the run ends from the third tick.
    QTimer::singleShot(0, [&] { modal.SetTimer(7, 20); });
    QTimer::singleShot(5000, [&] { modal.EndDialog(-2); });
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(modal.GetSafeHwnd(), nullptr) << "the window is destroyed after the run";
    EXPECT_EQ(modal.m_edit.GetSafeHwnd(), nullptr) << "bound controls forget their widgets";
    EXPECT_EQ(modal.SetTimer(7, 20), 0u);

    // Enter clicks the default OK button; Escape and the close box cancel.
    QTimer::singleShot(0, [&] { QTest::keyClick(modal.GetSafeHwnd(), Qt::Key_Return); });
    EXPECT_EQ(modal.DoModal(), IDOK);
    QTimer::singleShot(0, [&] { QTest::keyClick(modal.GetSafeHwnd(), Qt::Key_Escape); });
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    QTimer::singleShot(0, [&] { modal.GetSafeHwnd()->close(); });
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.systemCommands, (std::vector<UINT>{SC_CLOSE})) << "the close box is SC_CLOSE";
}

TEST_F(DialogTest, TimersFireWhileAMessageBoxIsOpen)
{
    open();
    int ticks = 0;
    dialog->onTick = [&](UINT_PTR) {
        if (++ticks != 3)
            return;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("Plik już istnieje.\nWybierz Tak"));
        box->buttons().constFirst()->click();
    };
    EXPECT_EQ(dialog->SetTimer(1036, 20), 1036u);
    int answer =
        dialog->MessageBox("Plik już istnieje.\r\nWybierz Tak", "", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(answer, IDYES);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(dialog->KillTimer(1036));
    EXPECT_FALSE(dialog->KillTimer(1036));
    QTest::qWait(60);
    EXPECT_EQ(ticks, 3) << "a killed timer stays quiet";
}

TEST_F(DialogTest, SizeMenuAndSystemMenuReachTheCommandTable)
{
    open(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, &testMenu);
    dialog->sizes.clear();
    CRect client;
    dialog->GetClientRect(&client);
    EXPECT_EQ(client, (CRect{0, 0, 300, 180})) << "the menu bar is outside the client area";
    ASSERT_TRUE(dialog->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER));
    ASSERT_TRUE(waitFor([&] { return !dialog->sizes.empty(); }));
    dialog->GetClientRect(&client);
    EXPECT_EQ(dialog->sizes.back(), std::make_pair(client.Width(), client.Height()));
    QWidget *window = dialog->GetSafeHwnd();
    int frame = window->frameGeometry().width() - window->geometry().width();
    EXPECT_EQ(client.Width(), 400 - frame) << "the size given is the outer size";

    dialog->m_chart.MoveWindow(0, 48, client.Width(), client.Height() - 48);
    EXPECT_EQ(dialog->m_chart.GetSafeHwnd()->geometry(),
              QRect(0, 48, client.Width(), client.Height() - 48));

    QMenuBar *bar = dialog->GetSafeHwnd()->findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    QMenu *file = bar->actions().constFirst()->menu();
    EXPECT_EQ(file->title(), QStringLiteral("&Plik"));
    file->actions().constFirst()->trigger();
    EXPECT_EQ(dialog->count("menu open"), 1u);

    CMenu *system = dialog->GetSystemMenu(FALSE);
    ASSERT_NE(system, nullptr);
    EXPECT_TRUE(system->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(system->AppendMenu(MF_STRING, 16, "&About zyfo..."));
    EXPECT_FALSE(system->AppendMenu(MF_STRING, 17, ""));
    QTest::keyClick(dialog->GetSafeHwnd(), Qt::Key_Space, Qt::AltModifier);
    auto *popup = dialog->GetSafeHwnd()->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->actions().size(), 3);
    EXPECT_EQ(popup->actions().at(2)->text(), QStringLiteral("&About zyfo..."));
    popup->actions().at(2)->trigger();
    EXPECT_EQ(dialog->systemCommands, (std::vector<UINT>{16}));
    popup->actions().at(0)->trigger();
    EXPECT_FALSE(dialog->IsWindowVisible()) << "Zamknij cancelled the dialog";
}

TEST_F(DialogTest, ControlsWithoutMembersAndUnknownIds)
{
    open();
    CWnd *label = dialog->GetDlgItem(IDC_LABEL);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(dialog->GetDlgItem(IDC_LABEL), label);
    label->EnableWindow(FALSE);
    EXPECT_FALSE(label->IsWindowEnabled());
    EXPECT_EQ(dialog->GetDlgItem(IDC_EDIT), &dialog->m_edit);
    EXPECT_EQ(dialog->GetDlgItem(4242), nullptr);

    CDataExchange exchange(*dialog);
    CEdit stray;
    EXPECT_THROW(DDX_Control(&exchange, 4242, stray), std::invalid_argument);

    CWnd detached;
    EXPECT_FALSE(detached.ShowWindow(SW_SHOW));
    EXPECT_EQ(detached.SetTimer(1, 10), 0u);
    std::string text = "x";
    detached.GetWindowText(text);
    EXPECT_TRUE(text.empty());
}

TEST_F(DialogTest, ScriptedMessageBoxesAndHelpNeedNoPerson)
{
    open();
    DialogScript script;
    script.answerMessageBox(IDYES);
    EXPECT_EQ(dialog->MessageBox("Plik już istnieje.", "", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(dialog->MessageBox("Nieprawidłowy plik"), IDOK) << "unanswered: refused with OK";
    dialog->OnHelp();
    ASSERT_EQ(script.requests().size(), 3u);
    EXPECT_TRUE(script.requests()[0].answered);
    EXPECT_EQ(script.requests()[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_FALSE(script.requests()[1].answered);
    EXPECT_EQ(script.requests()[1].text, "Nieprawidłowy plik");
    EXPECT_EQ(script.requests()[2].kind, DialogRequest::Kind::Help);
    EXPECT_EQ(script.requests()[2].helpData, 0x20000u + 900u);
    EXPECT_EQ(script.pendingAnswers(), 0u);
}

} // namespace
} // namespace zyfo
