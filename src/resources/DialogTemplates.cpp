// The dialog templates: the About box, the main window, the splash window and the date format,
// chart settings, live update and save report dialogs, in dialog units.
#include "DialogIds.h"
#include "Resources.h"

namespace zyfo {

namespace {

constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD editStyle = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD checkStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD buttonStyle = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD buddyUpDownStyle =
    UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD dateStyle = DTS_SHORTDATEFORMAT | DTS_UPDOWN | DTS_RIGHTALIGN | WS_TABSTOP;
constexpr DWORD timeStyle = DTS_TIMEFORMAT | DTS_RIGHTALIGN | WS_TABSTOP;

DialogTemplate dialog(int id, DWORD style, std::string caption, int cx, int cy,
                      std::vector<DialogItem> items)
{
    DialogTemplate result;
    result.id = id;
    result.style = style;
    result.caption = std::move(caption);
    result.fontFace = "MS Sans Serif";
    result.fontPointSize = 8;
    result.cx = cx;
    result.cy = cy;
    result.items = std::move(items);
    return result;
}

DialogItem label(std::string text, int x, int y, int cx, int cy, int id = IDC_STATIC)
{
    return DialogItem{id, ControlClass::Static, std::move(text), x, y, cx, cy, SS_LEFT};
}

DialogItem separator(int x, int y, int cx)
{
    return DialogItem{IDC_STATIC, ControlClass::Static, "", x, y, cx, 1, SS_SUNKEN};
}

DialogItem picture(ImageData image, int x, int y, int cx, int cy)
{
    return DialogItem{IDC_STATIC, ControlClass::Static, "", x, y, cx, cy, SS_BITMAP, image};
}

} // namespace

const DialogTemplate &aboutDialogTemplate()
{
    static const DialogTemplate about =
        dialog(IDD_ABOUTBOX, dialogStyle, "O programie", 235, 82,
               {picture(aboutPicture(), 10, 10, 48, 48), label("VENTRO ZYFO", 70, 12, 155, 8),
                label("Wersja 1.0", 70, 24, 155, 8),
                label("Przeglądarka plików pomiarowych (.zyd)", 70, 36, 160, 8),
                label("rejestratorów i mierników VENTRO", 70, 48, 160, 8),
                DialogItem{IDOK, ControlClass::Button, "OK", 178, 62, 50, 14,
                           BS_DEFPUSHBUTTON | WS_TABSTOP}});
    return about;
}

const DialogTemplate &mainDialogTemplate()
{
    static const DialogTemplate main = [] {
        DialogTemplate result = dialog(
            IDD_ZYFO_DIALOG, dialogStyle | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, "Zyfo",
            517, 270,
            {DialogItem{IDC_CHART, ControlClass::Static, "", 0, 29, 517, 241, SS_GRAYRECT},
             DialogItem{IDC_CHANNEL, ControlClass::ComboBox, "", 0, 11, 90, 91,
                        CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
             DialogItem{IDC_DRAW, ControlClass::Button, "Wykres", 95, 8, 40, 10, checkStyle},
             DialogItem{IDC_GRID, ControlClass::Button, "Siatka", 95, 18, 36, 10, checkStyle},
             label("Oś pomiarów", 173, 0, 42, 8),
             label("Od", 136, 14, 10, 8),
             DialogItem{IDC_VALUE_FROM, ControlClass::Edit, "", 148, 11, 33, 14, editStyle},
             DialogItem{IDC_VALUE_FROM_SPIN, ControlClass::UpDown, "", 181, 11, 11, 14,
                        UDS_ARROWKEYS | UDS_NOTHOUSANDS},
             label("Do", 196, 14, 10, 8),
             DialogItem{IDC_VALUE_TO, ControlClass::Edit, "", 208, 11, 33, 14, editStyle},
             DialogItem{IDC_VALUE_TO_SPIN, ControlClass::UpDown, "", 241, 11, 11, 14,
                        UDS_ARROWKEYS | UDS_NOTHOUSANDS},
             label("Oś czasu", 355, 0, 30, 8),
             label("Od", 255, 14, 10, 8),
             DialogItem{IDC_FROM_DATE, ControlClass::DateTime, "", 267, 11, 53, 15, dateStyle},
             DialogItem{IDC_FROM_TIME, ControlClass::DateTime, "", 322, 11, 45, 15, timeStyle},
             label("Do", 371, 14, 10, 8),
             DialogItem{IDC_TO_DATE, ControlClass::DateTime, "", 383, 11, 53, 15, dateStyle},
             DialogItem{IDC_TO_TIME, ControlClass::DateTime, "", 438, 11, 45, 15, timeStyle},
             DialogItem{IDC_COLOR_BOX, ControlClass::Static, "", 489, 1, 28, 11, SS_GRAYRECT},
             DialogItem{IDC_COLOR, ControlClass::Button, "Kolor", 489, 14, 28, 12, buttonStyle}});
        result.menu = &mainMenu();
        return result;
    }();
    return main;
}

const DialogTemplate &splashDialogTemplate()
{
    static const DialogTemplate splash = dialog(IDD_SPLASH, WS_POPUP | WS_BORDER, "", 168, 105,
                                                {picture(splashPicture(), 0, 0, 168, 105)});
    return splash;
}

const DialogTemplate &dateFormatDialogTemplate()
{
    static const DialogTemplate dateFormat = dialog(
        IDD_DATE_FORMAT, dialogStyle, "Data i czas", 103, 82,
        {DialogItem{IDC_DATE_SHOW_TIME, ControlClass::Button, "Pokaż czas", 7, 10, 53, 10,
                    checkStyle},
         DialogItem{IDC_DATE_SHOW_DATE, ControlClass::Button, "Pokaż datę", 7, 25, 52, 10,
                    checkStyle},
         DialogItem{IDC_DATE_ONE_LINE, ControlClass::Button, "Data i czas w jednej lini", 7, 40, 89,
                    10, checkStyle},
         separator(7, 55, 89),
         DialogItem{IDC_DATE_CLOSE, ControlClass::Button, "Zamknij", 26, 61, 50, 14, buttonStyle}});
    return dateFormat;
}

const DialogTemplate &chartSettingsDialogTemplate()
{
    static const DialogTemplate chartSettings = dialog(
        IDD_CHART_SETTINGS, dialogStyle, "Wykres", 161, 169,
        {label("Grubość lini wykresu", 7, 16, 66, 8),
         DialogItem{IDC_CHART_WIDTH, ControlClass::Edit, "", 88, 14, 40, 14, editStyle},
         DialogItem{IDC_CHART_WIDTH_SPIN, ControlClass::UpDown, "", 128, 14, 11, 14,
                    buddyUpDownStyle},
         DialogItem{IDC_CHART_BACK_SWATCH, ControlClass::Static, "", 40, 37, 20, 11, SS_SUNKEN},
         DialogItem{IDC_CHART_BACK_COLOR, ControlClass::Button, "Kolor tła", 70, 36, 50, 14,
                    buttonStyle},
         DialogItem{IDC_CHART_TEXT_SWATCH, ControlClass::Static, "", 40, 60, 20, 11, SS_SUNKEN},
         DialogItem{IDC_CHART_TEXT_COLOR, ControlClass::Button, "Kolor tekstu", 70, 59, 50, 14,
                    buttonStyle},
         DialogItem{IDC_CHART_DRAW_ALL, ControlClass::Button, "Rysuj wszystkie pomiary", 7, 84, 147,
                    10, checkStyle},
         label("Rysuj co nawyżej", 7, 101, 56, 8),
         DialogItem{IDC_CHART_POINTS, ControlClass::Edit, "", 67, 99, 40, 14, editStyle},
         DialogItem{IDC_CHART_POINTS_SPIN, ControlClass::UpDown, "", 107, 99, 11, 14,
                    buddyUpDownStyle},
         label("pomiarów", 123, 101, 31, 8),
         DialogItem{IDC_CHART_SHOW_MEANS, ControlClass::Button, "Pokaż średnie wartości pomiarów",
                    7, 124, 120, 8, checkStyle},
         separator(7, 141, 147),
         DialogItem{IDC_CHART_CLOSE, ControlClass::Button, "Zamknij", 55, 148, 50, 14,
                    buttonStyle}});
    return chartSettings;
}

const DialogTemplate &liveUpdateDialogTemplate()
{
    static const DialogTemplate liveUpdate =
        dialog(IDD_LIVE_UPDATE, dialogStyle, "Uaktualnianie pomiarów", 220, 109,
               {DialogItem{IDC_LIVE_UPDATE, ControlClass::Button, "Uaktualniaj pomiary", 16, 16, 77,
                           10, checkStyle},
                label("Sprawdzaj dane w  pliku co", 17, 30, 88, 8, IDC_LIVE_PERIOD_LABEL),
                DialogItem{IDC_LIVE_PERIOD, ControlClass::Edit, "", 112, 29, 26, 14,
                           ES_NUMBER | WS_BORDER | WS_TABSTOP},
                label("sekund", 147, 31, 24, 8, IDC_LIVE_SECONDS_LABEL),
                DialogItem{IDC_LIVE_LAST_ON, ControlClass::Button, "Pokaż tylko ostatnie pomiary",
                           16, 51, 105, 10, checkStyle},
                label("Pokaż", 17, 67, 21, 8, IDC_LIVE_SHOW_LABEL),
                DialogItem{IDC_LIVE_LAST_COUNT, ControlClass::Edit, "", 45, 64, 26, 14,
                           ES_NUMBER | WS_BORDER | WS_TABSTOP},
                label("ostatnich pomiarów", 76, 67, 62, 8, IDC_LIVE_LAST_LABEL),
                DialogItem{IDC_LIVE_OK, ControlClass::Button, "OK", 45, 88, 50, 14, buttonStyle},
                DialogItem{IDC_LIVE_CANCEL, ControlClass::Button, "Anuluj", 121, 88, 50, 14,
                           buttonStyle}});
    return liveUpdate;
}

const DialogTemplate &reportDialogTemplate()
{
    static const DialogTemplate report = dialog(
        IDD_REPORT, dialogStyle, "Zapisz jako...", 275, 154,
        {label("W pliku", 15, 15, 25, 8),
         DialogItem{IDC_REPORT_PATH, ControlClass::Edit, "", 49, 13, 189, 13, editStyle},
         DialogItem{IDC_REPORT_CHOOSE, ControlClass::Button, "...", 244, 13, 17, 13, buttonStyle},
         label("Format zapisu", 15, 40, 44, 8),
         DialogItem{IDC_REPORT_FORMAT, ControlClass::ComboBox, "", 71, 38, 140, 47,
                    CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
         DialogItem{IDC_REPORT_COMMENT_ON, ControlClass::Button, "Dodaj komentarz", 15, 65, 69, 10,
                    checkStyle},
         DialogItem{IDC_REPORT_COMMENT, ControlClass::Edit, "", 15, 82, 245, 33,
                    ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
         separator(7, 125, 261),
         DialogItem{IDOK, ControlClass::Button, "OK", 67, 133, 50, 14,
                    BS_DEFPUSHBUTTON | WS_TABSTOP},
         DialogItem{IDCANCEL, ControlClass::Button, "Anuluj", 159, 133, 50, 14, buttonStyle}});
    return report;
}

} // namespace zyfo
