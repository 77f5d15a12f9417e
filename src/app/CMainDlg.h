// The main window: channel list, value and time range controls, the chart, opening a data file
// and following it while a logger appends to it.
#pragma once

#include "CButton.h"
#include "CChartCtrl.h"
#include "CChartSettingsDlg.h"
#include "CColorBox.h"
#include "CComboBox.h"
#include "CDateFormatDlg.h"
#include "CDateTimeCtrl.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CFile.h"
#include "CPrintDialog.h"
#include "CSpinButtonCtrl.h"
#include "LiveUpdateSettings.h"
#include "ReaderListener.h"
#include "ValueAxisRule.h"

#include <functional>
#include <memory>
#include <string>

namespace zyfo {

// The program's only top-level window (template 102 with menu 129). It owns the open data file,
// the chart control (which holds the loaded MeasurementFile and the chart settings), the two
// modeless settings dialogs, the print dialog and the live-update state. Before a file with at
// least two rows and one listed channel is loaded, the thirteen data controls are disabled.
//
// Re-entrancy: modal dialogs and message boxes let timer ticks through, so the chart's busy
// counter, the reloading flag and the printing flag keep a tick from starting a re-read while
// another handler is in the middle of its work.
class CMainDlg : public CDialog, private ReaderListener
{
public:
    static constexpr UINT_PTR kLiveUpdateTimer = 1036;
    static constexpr UINT_PTR kRedrawTimer = 1037;
    // Ticks while a file handed over from outside waits for the window to be free.
    static constexpr UINT_PTR kPendingFileTimer = 1040;

    explicit CMainDlg(CWnd *parent = nullptr);
    ~CMainDlg() override;

    // Disables the data controls, creates the two settings dialogs from the chart's settings,
    // brings the chart's bottom band up to date, places the chart and sets the title "VENTRO
    // ZYFO". FALSE, with the rest left undone, when a settings dialog cannot be created.
    BOOL OnInitDialog() override;
    // Enter and Escape never reach a control and never close the window: the focus moves to
    // the window itself, so an edit that had it commits its value.
    // Every help request opens the help at context 100, with the command unchanged.
    void WinHelp(DWORD data, UINT command = HELP_CONTEXT) override;

    // Reads the open data file into the chart: from its start (refresh false) or, for a
    // live-update re-read, from where the last read stopped. Brings the channel list, the
    // data controls and the time pickers up to date. Nothing without an open file. A read from
    // the start that takes over half a second shows its progress and can be cancelled: false
    // then, with the data, the channel list and the controls as they were.
    bool ReadMeasurementFile(bool refresh);

    // The handlers the reader and the settings dialogs call besides the window's own events.
    // Channel selection: shows the selected channel's value axis, "Wykres" and colour.
    void OnSelchangeChannel();
    // "Wykres": draws the selected channel or stops drawing it (making or dropping its pen).
    void OnChartCheck();
    // "Siatka": grid lines of the selected channel's value axis.
    void OnGridCheck();

    // Live updating: the settings in force, and replacing them as the live-update dialog's OK
    // does. With live update on, the file is re-read at once and then on timer 1036 every
    // period; with it off the timer stops.
    const LiveUpdateSettings &liveUpdate() const { return m_liveUpdate; }
    void setLiveUpdate(const LiveUpdateSettings &settings);
    // The settings as the settings store loads and stores them (before the window exists and
    // after it has closed).
    LiveUpdateSettings &liveUpdateSettings() { return m_liveUpdate; }

    CChartCtrl &chart() { return m_chart; }
    // The open data file, or nullptr; its full path (empty before the first open).
    CFile *dataFile() { return m_dataFile.get(); }
    const std::string &filePath() const { return m_filePath; }
    // Closes the open data file, if any.
    void closeDataFile();
    // How "Otwórz plik" makes the file object it opens (a plain CFile unless set); tests give
    // one that reads slowly.
    void setDataFileMaker(std::function<std::unique_ptr<CFile>()> maker);
    // Opens `path` (a full path) as "Otwórz plik" does once its file dialog returns it, as soon
    // as no modal dialog or message box of the window is open and no read or print is under
    // way; a file that cannot be opened shows "Nieprawidłowy plik" and the window goes on
    // without a file. A path given while another waits replaces it. The window comes to the
    // front at once; before it exists, the file waits for OnInitDialog.
    void openFileWhenIdle(const std::string &path);

protected:
    void DoDataExchange(CDataExchange *exchange) override;
    const MessageMap *GetMessageMap() const override;

private:
    // Window messages and commands.
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnTimer(UINT_PTR id);
    void OnOpenFile();
    // Steps of "Otwórz plik" after its file dialog: opens `path`, reads it with progress, sets the
    // title and applies live updating (a cancelled read keeps the file open before). False, after
    // "Nieprawidłowy plik", when it cannot be opened.
    bool openChosenFile(const std::string &path);
    // The file waiting to be opened: its timer started once the window exists, and each try.
    void schedulePendingFile();
    void openPendingFile();
    void OnAbout();
    void OnColorButton();
    void OnKillfocusValueFrom();
    void OnKillfocusValueTo();
    void OnDeltaposValueFrom(NMUPDOWN *notification, LRESULT *result);
    void OnDeltaposValueTo(NMUPDOWN *notification, LRESULT *result);
    void OnFromTimeChange(NMDATETIMECHANGE *notification, LRESULT *result);
    void OnToTimeChange(NMDATETIMECHANGE *notification, LRESULT *result);
    // "Zapisz jako...", "Drukuj", "Format daty", "Wykres", "Uaktualnianie pomiarów".
    void OnSaveAs();
    void OnPrint();
    void OnDateFormat();
    void OnChartSettings();
    void OnLiveUpdateSettings();

    // Value axis: puts the group's view range, grid flag and up-down limits into the controls.
    void showUnitGroup(ChannelKind kind);
    // The ranges of the two up-downs, which bound the value edits.
    ValueAxisLimits upDownLimits() const;
    // Clamps and stores a typed From or To value, keeping From below To.
    void commitValueFrom();
    void commitValueTo();
    void applyValueCommit(const ValueAxisCommit &commit);
    // The moment shown by a date picker and a time picker together, as local time.
    static std::time_t pickedTime(const CDateTimeCtrl &date, const CDateTimeCtrl &time);
    // Starts (or prolongs) the short delay after which a picker change redraws the chart.
    void scheduleRedraw();
    void redrawTick();

    // Reads `file`, just opened at `path`, from its start; once all is read it becomes the data
    // file. Cancelled: `file` is closed and the open file, path, title and data stay. Timer
    // 1036 waits meanwhile, as during a re-read.
    bool readNewFile(std::unique_ptr<CFile> file, const std::string &path);
    bool readWithProgress(DataSource &source, bool refresh);

    // Live updating: the re-read of timer 1036 and the timer's start or stop.
    void reread();
    void applyLiveUpdate();
    // Makes the channel's pen in its colour at the current line width, unless it has one.
    void createChannelPen(ChannelListEntry channel);

    // ReaderListener: the channel combo box, the data controls, pens and time pickers.
    int itemCount() const override;
    void appendItem(const std::string &text) override;
    void clearItems() override;
    int currentItem() const override;
    void setCurrentItem(int item) override;
    bool isChannelListEnabled() const override;
    void setDataControlsEnabled(bool enabled) override;
    void applySelection() override;
    void applyShownAndGrid() override;
    void dropPens() override;
    void rebuildPens() override;
    void redrawChart() override;
    void showFromTime(std::time_t t) override;
    void showToTime(std::time_t t) override;

    int m_redrawCountdown = 0;
    // Set while the chart is being printed, and while a live-update re-read runs: a timer
    // tick that comes meanwhile is skipped.
    bool m_printing = false;
    bool m_reloading = false;
    UINT_PTR m_liveUpdateTimerId = 0;
    UINT_PTR m_redrawTimerId = 0;
    LiveUpdateSettings m_liveUpdate;
    std::string m_filePath;
    // Handed over from outside the window and not opened yet; empty when none waits.
    std::string m_pendingFile;
    // Kept from one print to the next, so the printer chosen stays chosen.
    std::unique_ptr<CPrintDialog> m_printDialog;
    // False while a channel's settings are put into the controls, and after a selection
    // notification found no selected item: the value edits are then stored unclamped.
    bool m_channelApplied = true;
    std::unique_ptr<CFile> m_dataFile;
    std::function<std::unique_ptr<CFile>()> m_makeDataFile;
    // Set until the end of OnInitDialog: resizing does not place the chart and picker changes
    // are ignored meanwhile.
    bool m_initialising = true;

    CDateTimeCtrl m_toTimePicker;
    CDateTimeCtrl m_toDatePicker;
    CDateTimeCtrl m_fromDatePicker;
    CDateTimeCtrl m_fromTimePicker;
    CButton m_colorButton;
    CColorBox m_colorBox;
    CButton m_gridBox;
    CButton m_chartBox;
    CSpinButtonCtrl m_toSpin;
    CSpinButtonCtrl m_fromSpin;
    CEdit m_toEdit;
    CComboBox m_channelList;
    CEdit m_fromEdit;
    // Holds the loaded data; the settings dialogs below work on it.
    CChartCtrl m_chart;
    CChartSettingsDlg m_chartSettingsDlg;
    CDateFormatDlg m_dateFormatDlg;
};

} // namespace zyfo
