// The main window: channel list, value and time range controls, the chart, opening a data file
// and following it while a logger appends to it.
#include "CMainDlg.h"

#include "CClientDC.h"
#include "CColorDialog.h"
#include "CDataExchange.h"
#include "CFileDialog.h"
#include "CLiveUpdateDlg.h"
#include "CProgressDlg.h"
#include "CReportDlg.h"
#include "CWinApp.h"
#include "ChartPrintJob.h"
#include "DialogIds.h"
#include "EditNumber.h"
#include "MeasurementReader.h"
#include "Resources.h"

#include <algorithm>
#include <utility>

namespace zyfo {

namespace {

// System commands keep their low four bits for the system's own use.
constexpr UINT kSystemCommandMask = 0xFFF0;
// Every help request opens this topic.
constexpr DWORD kHelpContext = 100;
// The chart starts this many pixels below the window frame's thickness.
constexpr int kChartTop = 45;
// A picker change redraws the chart on the second tick of a 100 ms timer: the countdown
// starts at 300 and each tick takes 200 off.
constexpr UINT kRedrawTimerPeriod = 100;
constexpr int kRedrawCountdown = 300;
constexpr int kRedrawTickStep = 200;
// How often a file handed over while the window is busy tries to open.
constexpr UINT kPendingFilePeriod = 50;

// Told when the printer refused the job (it could not be started or finished).
constexpr const char *kPrintFailedMessage = "Nie udało się wydrukować wykresu.";
constexpr const char *kDataFileExtension = ".zyd";
constexpr const char *kDataFileFilter = "*.zyd|*.zyd||";
constexpr const char *kReadingLabel = "Wczytywanie pliku...";

} // namespace

CMainDlg::CMainDlg(CWnd *parent)
    : CDialog(mainDialogTemplate(), parent)
    , m_printDialog(std::make_unique<CPrintDialog>(FALSE, PD_RETURNDC, nullptr))
    , m_chartSettingsDlg(m_chart)
    , m_dateFormatDlg(m_chart)
{
    FocusSelfOnEnterAndEscape();
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange *exchange)
{
    DDX_Control(exchange, IDC_TO_TIME, m_toTimePicker);
    DDX_Control(exchange, IDC_TO_DATE, m_toDatePicker);
    DDX_Control(exchange, IDC_FROM_DATE, m_fromDatePicker);
    DDX_Control(exchange, IDC_FROM_TIME, m_fromTimePicker);
    DDX_Control(exchange, IDC_COLOR, m_colorButton);
    DDX_Control(exchange, IDC_COLOR_BOX, m_colorBox);
    DDX_Control(exchange, IDC_GRID, m_gridBox);
    DDX_Control(exchange, IDC_DRAW, m_chartBox);
    DDX_Control(exchange, IDC_VALUE_TO_SPIN, m_toSpin);
    DDX_Control(exchange, IDC_VALUE_FROM_SPIN, m_fromSpin);
    DDX_Control(exchange, IDC_VALUE_TO, m_toEdit);
    DDX_Control(exchange, IDC_CHANNEL, m_channelList);
    DDX_Control(exchange, IDC_VALUE_FROM, m_fromEdit);
    DDX_Control(exchange, IDC_CHART, m_chart);
}

const MessageMap *CMainDlg::GetMessageMap() const
{
    using D = CMainDlg;
    static const MessageMap map = {
        onSysCommand(&D::OnSysCommand),
        onSize(&D::OnSize),
        onCommand(ID_FILE_OPEN, &D::OnOpenFile),
        onNotify(CBN_SELCHANGE, IDC_CHANNEL, &D::OnSelchangeChannel),
        onNotify(EN_KILLFOCUS, IDC_VALUE_FROM, &D::commitValueFrom),
        onNotify(EN_KILLFOCUS, IDC_VALUE_TO, &D::commitValueTo),
        onNotify(BN_CLICKED, IDC_DRAW, &D::OnChartCheck),
        onNotify(BN_CLICKED, IDC_GRID, &D::OnGridCheck),
        onNotify(BN_CLICKED, IDC_COLOR, &D::OnColorButton),
        onCommand(ID_FILE_EXIT, &CDialog::OnOK),
        onCommand(ID_HELP_ABOUT, &D::OnAbout),
        onCommand(ID_HELP_CONTENTS, &CDialog::OnHelp),
        onNotify(UDN_DELTAPOS, IDC_VALUE_FROM_SPIN, &D::OnDeltaposValueFrom),
        onNotify(UDN_DELTAPOS, IDC_VALUE_TO_SPIN, &D::OnDeltaposValueTo),
        onTimer(&D::OnTimer),
        onNotify(DTN_DATETIMECHANGE, IDC_FROM_DATE, &D::OnFromTimeChange),
        onNotify(DTN_DATETIMECHANGE, IDC_FROM_TIME, &D::OnFromTimeChange),
        onNotify(DTN_DATETIMECHANGE, IDC_TO_DATE, &D::OnToTimeChange),
        onNotify(DTN_DATETIMECHANGE, IDC_TO_TIME, &D::OnToTimeChange),
        onCommand(ID_FILE_SAVE_AS, &D::OnSaveAs),
        onCommand(ID_FILE_PRINT, &D::OnPrint),
        onCommand(ID_SETTINGS_DATE_FORMAT, &D::OnDateFormat),
        onCommand(ID_SETTINGS_CHART, &D::OnChartSettings),
        onCommand(ID_SETTINGS_LIVE_UPDATE, &D::OnLiveUpdateSettings),
    };
    return &map;
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu *systemMenu = GetSystemMenu(FALSE)) {
        const std::string about = loadString(IDS_ABOUTBOX);
        if (!about.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SetIcon(&programIcon(), TRUE);
    SetIcon(&programIcon(), FALSE);
    CRect client;
    GetClientRect(&client);
    setDataControlsEnabled(false);

    const ChartSettings &settings = m_chart.settings();
    m_chartSettingsDlg.m_backColor = settings.backColor;
    m_chartSettingsDlg.m_showMeans = settings.showMeans;
    m_chartSettingsDlg.m_textColor = settings.textColor;
    m_chartSettingsDlg.m_lineWidth = settings.lineWidth;
    m_chartSettingsDlg.m_maxPoints = settings.maxPoints;
    if (m_chartSettingsDlg.GetSafeHwnd() == nullptr && !m_chartSettingsDlg.Create(this))
        return FALSE;
    m_dateFormatDlg.m_showDate = settings.showDate;
    m_dateFormatDlg.m_showTime = settings.showTime;
    m_dateFormatDlg.m_oneLine = settings.dateTimeOneLine;
    if (m_dateFormatDlg.GetSafeHwnd() == nullptr && !m_dateFormatDlg.Create(this))
        return FALSE;
    m_chart.SetDateTimeOneLine(settings.dateTimeOneLine);

    m_initialising = false;
    // Re-sizing the window sends the size notification that places the chart.
    SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOMOVE);
    SetWindowText(loadString(IDS_TITLE));
    schedulePendingFile();
    return TRUE;
}

void CMainDlg::WinHelp(DWORD, UINT command)
{
    CDialog::WinHelp(kHelpContext, command);
}

void CMainDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & kSystemCommandMask) == IDM_ABOUTBOX) {
        OnAbout();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

void CMainDlg::OnAbout()
{
    CDialog about(aboutDialogTemplate(), this);
    about.DoModal();
}

void CMainDlg::OnSize(UINT, int cx, int cy)
{
    if (m_initialising)
        return;
    const int top = GetSystemMetrics(SM_CYDLGFRAME) + kChartTop;
    m_chart.MoveWindow(0, top, cx, std::max(cy - top, 0));
    m_chart.RedrawWindow();
}

void CMainDlg::setDataControlsEnabled(bool enable)
{
    CWnd *const controls[] = {
        &m_channelList,    &m_gridBox,      &m_chartBox,     &m_fromEdit, &m_fromDatePicker,
        &m_fromTimePicker, &m_toDatePicker, &m_toTimePicker, &m_toEdit,   &m_fromSpin,
        &m_toSpin,         &m_colorBox,     &m_colorButton};
    for (CWnd *control : controls)
        control->EnableWindow(enable ? TRUE : FALSE);
}

void CMainDlg::redrawChart()
{
    m_chart.RedrawWindow();
}

// --- Channel, "Wykres", "Siatka", "Kolor" ---------------------------------------------------

void CMainDlg::OnSelchangeChannel()
{
    m_channelApplied = false;
    const int item = m_channelList.GetCurSel();
    if (item < 0)
        return;
    const ChannelListEntry channel = m_chart.file().listEntry(item);
    if (!channel.isChannel())
        return;
    CChartCtrl::BusyGuard busy(m_chart);
    m_chart.file().setSelectedChannel(channel);
    showUnitGroup(channel.channelKind());
    const bool shown = m_chart.file().channelView(channel.channelKind(), channel.channel).shown;
    m_chartBox.SetCheck(shown ? BST_CHECKED : BST_UNCHECKED);
    m_colorButton.EnableWindow(shown ? TRUE : FALSE);
    m_colorBox.setColor(m_chart.channelColor(channel.channelKind(), channel.channel));
    m_channelApplied = true;
    m_colorBox.RedrawWindow();
    m_fromSpin.RedrawWindow();
    m_toSpin.RedrawWindow();
}

void CMainDlg::createChannelPen(ChannelListEntry channel)
{
    CPen &pen = m_chart.channelPen(channel.channelKind(), channel.channel);
    if (pen.GetSafeHandle() == nullptr)
        pen.CreatePen(PS_SOLID, m_chart.settings().lineWidth,
                      m_chart.channelColor(channel.channelKind(), channel.channel));
}

void CMainDlg::OnChartCheck()
{
    MeasurementFile &file = m_chart.file();
    const ChannelListEntry channel = file.selectedChannel();
    ChannelView &view = file.channelView(channel.channelKind(), channel.channel);
    if (m_chartBox.GetCheck() == BST_CHECKED) {
        view.shown = true;
        createChannelPen(channel);
        m_colorButton.EnableWindow(TRUE);
    } else {
        view.shown = false;
        m_colorButton.EnableWindow(FALSE);
        m_chart.channelPen(channel.channelKind(), channel.channel).DeleteObject();
    }
    file.updateGroupShownFlags();
    redrawChart();
}

void CMainDlg::OnGridCheck()
{
    MeasurementFile &file = m_chart.file();
    const UnitGroup group = unitGroupOf(file.selectedChannel().channelKind());
    file.groupView(group).grid = m_gridBox.GetCheck() == BST_CHECKED;
    redrawChart();
}

void CMainDlg::OnColorButton()
{
    MeasurementFile &file = m_chart.file();
    const ChannelListEntry channel = file.selectedChannel();
    const ChannelKind kind = channel.channelKind();
    CColorDialog dialog(m_chart.channelColor(kind, channel.channel), CC_FULLOPEN, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    CChartCtrl::BusyGuard busy(m_chart);
    m_chart.setChannelColor(kind, channel.channel, dialog.GetColor());
    // A channel that is not drawn has no pen; it gets one in the new colour when drawn.
    if (file.channelView(kind, channel.channel).shown) {
        m_chart.channelPen(kind, channel.channel).DeleteObject();
        createChannelPen(channel);
    }
    m_colorBox.setColor(dialog.GetColor());
    redrawChart();
    m_colorBox.RedrawWindow();
}

// --- Value axis -------------------------------------------------------------------------------

void CMainDlg::showUnitGroup(ChannelKind kind)
{
    const MeasurementFile &file = m_chart.file();
    const UnitGroup group = unitGroupOf(kind);
    const GroupView &view = file.groupView(group);
    // The edit being typed in keeps what the user typed.
    const CWnd *focused = GetFocus();
    if (focused != &m_toEdit)
        setEditNumber(m_toEdit, view.viewMaximum);
    if (focused != &m_fromEdit)
        setEditNumber(m_fromEdit, view.viewMinimum);
    m_gridBox.SetCheck(view.grid ? BST_CHECKED : BST_UNCHECKED);
    const GroupRange &range = file.groupRange(groupNumber(group));
    const ValueAxisLimits limits =
        valueAxisLimits(kind, range.displayMinimum, range.displayMaximum);
    m_fromSpin.SetRange32(limits.fromLower, limits.fromUpper);
    m_toSpin.SetRange32(limits.toLower, limits.toUpper);
}

ValueAxisLimits CMainDlg::upDownLimits() const
{
    ValueAxisLimits limits;
    m_fromSpin.GetRange32(limits.fromLower, limits.fromUpper);
    m_toSpin.GetRange32(limits.toLower, limits.toUpper);
    return limits;
}

void CMainDlg::commitValueFrom()
{
    applyValueCommit(
        commitFrom(editNumber(m_fromEdit), editNumber(m_toEdit), upDownLimits(), m_channelApplied));
}

void CMainDlg::commitValueTo()
{
    applyValueCommit(
        commitTo(editNumber(m_toEdit), editNumber(m_fromEdit), upDownLimits(), m_channelApplied));
}

void CMainDlg::applyValueCommit(const ValueAxisCommit &commit)
{
    MeasurementFile &file = m_chart.file();
    GroupView &view = file.groupView(unitGroupOf(file.selectedChannel().channelKind()));
    if (commit.fromWritten) {
        setEditNumber(m_fromEdit, commit.from);
        view.viewMinimum = commit.from;
    }
    if (commit.toWritten) {
        setEditNumber(m_toEdit, commit.to);
        view.viewMaximum = commit.to;
    }
    redrawChart();
}

void CMainDlg::OnDeltaposValueFrom(NMUPDOWN *notification, LRESULT *result)
{
    setEditNumber(m_fromEdit, steppedNumber(editNumber(m_fromEdit), notification->iDelta));
    commitValueFrom();
    *result = 0;
}

void CMainDlg::OnDeltaposValueTo(NMUPDOWN *notification, LRESULT *result)
{
    setEditNumber(m_toEdit, steppedNumber(editNumber(m_toEdit), notification->iDelta));
    commitValueTo();
    *result = 0;
}

// --- Time window ------------------------------------------------------------------------------

std::time_t CMainDlg::pickedTime(const CDateTimeCtrl &date, const CDateTimeCtrl &time)
{
    std::tm day{};
    std::tm clock{};
    date.GetTime(day);
    time.GetTime(clock);
    day.tm_hour = clock.tm_hour;
    day.tm_min = clock.tm_min;
    day.tm_sec = clock.tm_sec;
    // A moment in a daylight-saving gap or overlap is resolved by the C library.
    day.tm_isdst = -1;
    return std::mktime(&day);
}

void CMainDlg::OnFromTimeChange(NMDATETIMECHANGE *, LRESULT *result)
{
    *result = 0;
    if (m_initialising)
        return;
    if (const auto shown =
            m_chart.file().setFromTime(pickedTime(m_fromDatePicker, m_fromTimePicker)))
        showFromTime(*shown);
    scheduleRedraw();
}

void CMainDlg::OnToTimeChange(NMDATETIMECHANGE *, LRESULT *result)
{
    *result = 0;
    if (m_initialising)
        return;
    if (const auto shown = m_chart.file().setToTime(pickedTime(m_toDatePicker, m_toTimePicker)))
        showToTime(*shown);
    scheduleRedraw();
}

void CMainDlg::scheduleRedraw()
{
    // Each change restarts the countdown but not the timer, so a run of quick changes ends in
    // one redraw shortly after the last of them.
    m_redrawCountdown = kRedrawCountdown;
    if (m_redrawTimerId == 0)
        m_redrawTimerId = SetTimer(kRedrawTimer, kRedrawTimerPeriod);
}

void CMainDlg::redrawTick()
{
    m_redrawCountdown -= kRedrawTickStep;
    if (m_redrawCountdown > 0)
        return;
    KillTimer(kRedrawTimer);
    m_redrawTimerId = 0;
    redrawChart();
}

void CMainDlg::OnTimer(UINT_PTR id)
{
    if (id == kLiveUpdateTimer && !m_printing && !m_reloading)
        reread();
    else if (id == kRedrawTimer)
        redrawTick();
    else if (id == kPendingFileTimer)
        openPendingFile();
}

// --- Opening and live updating ----------------------------------------------------------------

void CMainDlg::closeDataFile()
{
    if (m_dataFile == nullptr)
        return;
    m_dataFile->Close();
    m_dataFile.reset();
}

void CMainDlg::OnOpenFile()
{
    for (;;) {
        CFileDialog dialog(TRUE, kDataFileExtension, {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           kDataFileFilter, nullptr);
        if (dialog.DoModal() != IDOK) {
            redrawChart();
            return;
        }
        // On failure the data read before stays on screen, no longer re-read; the user may
        // choose again.
        if (openChosenFile(dialog.GetPathName()))
            return;
    }
}

bool CMainDlg::openChosenFile(const std::string &path)
{
    auto file = m_makeDataFile ? m_makeDataFile() : std::make_unique<CFile>();
    if (file->Open(path, CFile::modeRead | CFile::shareDenyNone)) {
        // A cancelled read leaves the file open before as it was, still re-read.
        if (readNewFile(std::move(file), path))
            applyLiveUpdate();
        return true;
    }
    m_chart.file().setReadOffset(0);
    CChartCtrl::BusyGuard busy(m_chart);
    closeDataFile();
    MessageBox("Nieprawidłowy plik", {}, MB_OK);
    return false;
}

void CMainDlg::openFileWhenIdle(const std::string &path)
{
    m_pendingFile = path;
    // Before the window exists the file waits for OnInitDialog.
    if (GetSafeHwnd() == nullptr)
        return;
    SetForegroundWindow();
    openPendingFile();
}

void CMainDlg::schedulePendingFile()
{
    if (!m_pendingFile.empty())
        SetTimer(kPendingFileTimer, kPendingFilePeriod);
}

void CMainDlg::openPendingFile()
{
    if (m_pendingFile.empty()) {
        KillTimer(kPendingFileTimer);
        return;
    }
    // Opening now would pull the data from under a handler that is waiting for its dialog,
    // message box, read or print to end: try again on the next tick.
    if (IsBlockedByModal() || m_printing || m_reloading || m_chart.busyCount() > 0) {
        SetTimer(kPendingFileTimer, kPendingFilePeriod);
        return;
    }
    KillTimer(kPendingFileTimer);
    const std::string path = std::exchange(m_pendingFile, {});
    // A file that cannot be opened leaves the window without one, as a cancelled retry of
    // "Otwórz plik" does.
    if (!openChosenFile(path))
        redrawChart();
}

void CMainDlg::setDataFileMaker(std::function<std::unique_ptr<CFile>()> maker)
{
    m_makeDataFile = std::move(maker);
}

bool CMainDlg::readNewFile(std::unique_ptr<CFile> file, const std::string &path)
{
    m_reloading = true;
    const bool read = readWithProgress(*file, false);
    m_reloading = false;
    if (!read) {
        file->Close();
        return false;
    }
    closeDataFile();
    m_dataFile = std::move(file);
    m_filePath = path;
    SetWindowText(loadString(IDS_TITLE) + " - " + m_filePath);
    return true;
}

bool CMainDlg::ReadMeasurementFile(bool refresh)
{
    return m_dataFile == nullptr || readWithProgress(*m_dataFile, refresh);
}

bool CMainDlg::readWithProgress(DataSource &source, bool refresh)
{
    // The reader runs here on the window's thread (it calls back into the window when it has
    // read all) and tells its progress now and then; the progress window handles the pending
    // events then, so the window paints and "Anuluj" can be clicked.
    CProgressDlg progress(this, kReadingLabel);
    ReadOptions options;
    options.progress = [&progress](std::int64_t done, std::int64_t total) {
        return progress.step(done, total);
    };
    return !zyfo::ReadMeasurementFile(m_chart.file(), &source, *this, refresh, options).cancelled;
}

void CMainDlg::setLiveUpdate(const LiveUpdateSettings &settings)
{
    m_liveUpdate = settings;
    applyLiveUpdate();
}

void CMainDlg::applyLiveUpdate()
{
    if (m_liveUpdateTimerId != 0)
        KillTimer(kLiveUpdateTimer);
    m_liveUpdateTimerId = 0;
    if (!m_liveUpdate.on)
        return;
    reread();
    m_liveUpdateTimerId = SetTimer(kLiveUpdateTimer, static_cast<UINT>(m_liveUpdate.timerElapse()));
}

void CMainDlg::reread()
{
    if (m_dataFile == nullptr || m_reloading)
        return;
    m_reloading = true;
    {
        CChartCtrl::BusyGuard busy(m_chart);
        ReadMeasurementFile(true);
        // "Wykres" is taken back only while a channel is selected: after a read that emptied
        // the list, the box's stale state must not mark a channel without data as drawn.
        if (m_channelList.GetCurSel() >= 0)
            OnChartCheck();
        MeasurementFile &file = m_chart.file();
        if (m_liveUpdate.lastOn && file.rowCount() > 0) {
            const int toRow = std::clamp(file.toRow(), 0, file.rowCount() - 1);
            const int first = m_liveUpdate.firstShownRow(toRow);
            if (const auto shown = file.setFromTime(file.rowTime(first)))
                showFromTime(*shown);
        }
        redrawChart();
    }
    m_reloading = false;
}

// --- What the reader asks of the window -----------------------------------------------------

int CMainDlg::itemCount() const
{
    return m_channelList.GetCount();
}

void CMainDlg::appendItem(const std::string &text)
{
    m_channelList.AddString(text);
}

void CMainDlg::clearItems()
{
    m_channelList.ResetContent();
}

int CMainDlg::currentItem() const
{
    return m_channelList.GetCurSel();
}

void CMainDlg::setCurrentItem(int item)
{
    m_channelList.SetCurSel(item);
}

bool CMainDlg::isChannelListEnabled() const
{
    return m_channelList.IsWindowEnabled() != FALSE;
}

void CMainDlg::applySelection()
{
    OnSelchangeChannel();
}

void CMainDlg::applyShownAndGrid()
{
    OnChartCheck();
    OnGridCheck();
}

void CMainDlg::dropPens()
{
    m_chart.DeletePens();
}

void CMainDlg::rebuildPens()
{
    m_chart.CreatePens(1);
}

void CMainDlg::showFromTime(std::time_t t)
{
    m_fromDatePicker.SetTime(t);
    m_fromTimePicker.SetTime(t);
}

void CMainDlg::showToTime(std::time_t t)
{
    m_toDatePicker.SetTime(t);
    m_toTimePicker.SetTime(t);
}

// --- Reports, printing and the settings dialogs ------------------------------------------------

void CMainDlg::OnSaveAs()
{
    // A new dialog each time, so every opening starts afresh; it does all the work itself.
    CReportDlg dialog(this);
    dialog.m_data = &m_chart.file();
    dialog.DoModal();
}

void CMainDlg::OnPrint()
{
    // Live-update ticks wait from here on, also while the print dialog is open.
    m_printing = true;
    PRINTDLG &pages = m_printDialog->m_pd;
    pages.nFromPage = pages.nToPage = pages.nMinPage = pages.nMaxPage = 1;
    CDC *printer = m_printDialog->DoModal() == IDOK ? m_printDialog->GetPrinterDC() : nullptr;
    if (printer == nullptr) {
        m_printing = false;
        return;
    }
    CClientDC screen(this);
    const PrintLayout page =
        printLayout(*printer, screen.GetDeviceCaps(LOGPIXELSX), screen.GetDeviceCaps(LOGPIXELSY));
    const bool printed = printChart(m_chart, *printer, page, m_filePath);
    m_printing = false;
    m_chart.RedrawWindow();
    if (!printed)
        MessageBox(kPrintFailedMessage, {}, MB_OK | MB_ICONEXCLAMATION);
}

void CMainDlg::OnDateFormat()
{
    m_dateFormatDlg.ShowWindow(SW_SHOW);
}

void CMainDlg::OnChartSettings()
{
    m_chartSettingsDlg.ShowWindow(SW_SHOW);
}

void CMainDlg::OnLiveUpdateSettings()
{
    CLiveUpdateDlg dialog(this);
    dialog.m_period = m_liveUpdate.period;
    dialog.m_updateOn = m_liveUpdate.on;
    dialog.m_lastCount = m_liveUpdate.lastCount;
    dialog.m_lastOn = m_liveUpdate.lastOn;
    if (dialog.DoModal() != IDOK)
        return;
    LiveUpdateSettings settings;
    settings.period = dialog.m_period;
    settings.on = dialog.m_updateOn;
    settings.lastCount = dialog.m_lastCount;
    settings.lastOn = dialog.m_lastOn;
    setLiveUpdate(settings);
}

} // namespace zyfo
