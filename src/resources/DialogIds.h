// Numeric ids of the program's resources: dialog templates, controls, menu commands, strings,
// the icon and the pictures.
#pragma once

#include "WinDefs.h"

namespace zyfo {

// Dialog templates, menu, strings, icon and pictures.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_ZYFO_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_MENU = 129;
inline constexpr int IDB_ABOUT = 130;
inline constexpr int IDD_SPLASH = 131;
inline constexpr int IDD_DATE_FORMAT = 133;
inline constexpr int IDD_CHART_SETTINGS = 134;
inline constexpr int IDD_LIVE_UPDATE = 135;
inline constexpr int IDD_REPORT = 136;
inline constexpr int IDB_SPLASH = 154;
inline constexpr int IDS_TITLE = 199;

// The About item of the main window's system menu.
inline constexpr UINT IDM_ABOUTBOX = 16;

// Statics that nothing refers to.
inline constexpr int IDC_STATIC = -1;

// Main window (102).
inline constexpr int IDC_CHART = 1000;
inline constexpr int IDC_CHANNEL = 1001;
inline constexpr int IDC_VALUE_TO = 1004;
inline constexpr int IDC_VALUE_FROM = 1005;
inline constexpr int IDC_VALUE_TO_SPIN = 1009;
inline constexpr int IDC_VALUE_FROM_SPIN = 1010;
inline constexpr int IDC_DRAW = 1014;
inline constexpr int IDC_GRID = 1015;
inline constexpr int IDC_COLOR = 1016;
inline constexpr int IDC_COLOR_BOX = 1017;
inline constexpr int IDC_FROM_DATE = 1052;
inline constexpr int IDC_FROM_TIME = 1053;
inline constexpr int IDC_TO_DATE = 1054;
inline constexpr int IDC_TO_TIME = 1055;

// Menu 129.
inline constexpr int ID_FILE_OPEN = 32771;
inline constexpr int ID_FILE_EXIT = 32772;
inline constexpr int ID_HELP_ABOUT = 32773;
inline constexpr int ID_HELP_CONTENTS = 32774;
inline constexpr int ID_SETTINGS_DATE_FORMAT = 32775;
inline constexpr int ID_SETTINGS_CHART = 32776;
inline constexpr int ID_FILE_PRINT = 32777;
inline constexpr int ID_SETTINGS_LIVE_UPDATE = 32778;
inline constexpr int ID_FILE_SAVE_AS = 32779;

// Date format dialog (133).
inline constexpr int IDC_DATE_CLOSE = 1025;
inline constexpr int IDC_DATE_SHOW_DATE = 1026;
inline constexpr int IDC_DATE_SHOW_TIME = 1027;
inline constexpr int IDC_DATE_ONE_LINE = 1028;

// Chart settings dialog (134).
inline constexpr int IDC_CHART_WIDTH = 1019;
inline constexpr int IDC_CHART_POINTS = 1020;
inline constexpr int IDC_CHART_WIDTH_SPIN = 1022;
inline constexpr int IDC_CHART_BACK_COLOR = 1023;
inline constexpr int IDC_CHART_BACK_SWATCH = 1024;
inline constexpr int IDC_CHART_TEXT_SWATCH = 1025;
inline constexpr int IDC_CHART_TEXT_COLOR = 1026;
inline constexpr int IDC_CHART_CLOSE = 1027;
inline constexpr int IDC_CHART_POINTS_SPIN = 1028;
inline constexpr int IDC_CHART_DRAW_ALL = 1029;
inline constexpr int IDC_CHART_SHOW_MEANS = 1048;

// Live update dialog (135).
inline constexpr int IDC_LIVE_PERIOD = 1032;
inline constexpr int IDC_LIVE_UPDATE = 1033;
inline constexpr int IDC_LIVE_OK = 1034;
inline constexpr int IDC_LIVE_CANCEL = 1035;
inline constexpr int IDC_LIVE_LAST_COUNT = 1037;
inline constexpr int IDC_LIVE_LAST_ON = 1038;
inline constexpr int IDC_LIVE_SHOW_LABEL = 1039;
inline constexpr int IDC_LIVE_LAST_LABEL = 1040;
inline constexpr int IDC_LIVE_PERIOD_LABEL = 1041;
inline constexpr int IDC_LIVE_SECONDS_LABEL = 1042;

// Save report dialog (136).
inline constexpr int IDC_REPORT_PATH = 1043;
inline constexpr int IDC_REPORT_CHOOSE = 1044;
inline constexpr int IDC_REPORT_FORMAT = 1045;
inline constexpr int IDC_REPORT_COMMENT_ON = 1046;
inline constexpr int IDC_REPORT_COMMENT = 1047;

} // namespace zyfo
