// Command tables: a window class maps notifications, menu commands and window messages to its
// member functions.
#pragma once

#include "WinDefs.h"

#include <ctime>
#include <functional>
#include <variant>
#include <vector>

namespace zyfo {

class CWnd;

// Header of a notification: which control sent which code.
struct NMHDR
{
    int idFrom = 0;
    UINT code = 0;
};

// UDN_DELTAPOS: an arrow of an up-down control was pressed. iDelta is +1 for the arrow that
// moves towards the range's upper end and -1 for the other; the handler sets its result to 0
// to let the control move, non-zero to stop it.
struct NMUPDOWN
{
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// DTN_DATETIMECHANGE: the user changed a date or time picker; st is the picker's new value.
struct NMDATETIMECHANGE
{
    NMHDR hdr;
    DWORD dwFlags = GDT_VALID;
    std::tm st{};
};

using MessageHandler =
    std::variant<std::function<void(CWnd &)>, std::function<void(CWnd &, NMUPDOWN *, LRESULT *)>,
                 std::function<void(CWnd &, NMDATETIMECHANGE *, LRESULT *)>,
                 std::function<void(CWnd &, UINT_PTR)>, std::function<void(CWnd &, UINT, int, int)>,
                 std::function<void(CWnd &, UINT, LPARAM)>>;

// One row of a command table. Control notifications and menu commands are WM_COMMAND rows
// keyed by notification code and id (a menu command or a button click has code 0, so a
// command row and a BN_CLICKED row for the same id are one row); window messages are keyed
// by the message alone.
struct MessageEntry
{
    UINT message = 0;
    UINT code = 0;
    int id = 0;
    MessageHandler handler;
};

using MessageMap = std::vector<MessageEntry>;

// Menu command or button `id`: handler().
template<class T>
MessageEntry onCommand(int id, void (T::*handler)())
{
    return {WM_COMMAND, BN_CLICKED, id,
            std::function<void(CWnd &)>([handler](CWnd &w) { (static_cast<T &>(w).*handler)(); })};
}

// BN_CLICKED, EN_CHANGE, EN_KILLFOCUS or CBN_SELCHANGE from control `id`: handler().
template<class T>
MessageEntry onNotify(UINT code, int id, void (T::*handler)())
{
    return {WM_COMMAND, code, id,
            std::function<void(CWnd &)>([handler](CWnd &w) { (static_cast<T &>(w).*handler)(); })};
}

// UDN_DELTAPOS from up-down `id`: handler(notification, result).
template<class T>
MessageEntry onNotify(UINT code, int id, void (T::*handler)(NMUPDOWN *, LRESULT *))
{
    return {
        WM_COMMAND, code, id,
        std::function<void(CWnd &, NMUPDOWN *, LRESULT *)>(
            [handler](CWnd &w, NMUPDOWN *n, LRESULT *r) { (static_cast<T &>(w).*handler)(n, r); })};
}

// DTN_DATETIMECHANGE from picker `id`: handler(notification, result).
template<class T>
MessageEntry onNotify(UINT code, int id, void (T::*handler)(NMDATETIMECHANGE *, LRESULT *))
{
    return {WM_COMMAND, code, id,
            std::function<void(CWnd &, NMDATETIMECHANGE *, LRESULT *)>(
                [handler](CWnd &w, NMDATETIMECHANGE *n, LRESULT *r) {
                    (static_cast<T &>(w).*handler)(n, r);
                })};
}

// WM_TIMER: handler(timer id).
template<class T>
MessageEntry onTimer(void (T::*handler)(UINT_PTR))
{
    return {WM_TIMER, 0, 0, std::function<void(CWnd &, UINT_PTR)>([handler](CWnd &w, UINT_PTR id) {
                (static_cast<T &>(w).*handler)(id);
            })};
}

// WM_SIZE: handler(SIZE_RESTORED or SIZE_MAXIMIZED, client width, client height).
template<class T>
MessageEntry onSize(void (T::*handler)(UINT, int, int))
{
    return {
        WM_SIZE, 0, 0,
        std::function<void(CWnd &, UINT, int, int)>([handler](CWnd &w, UINT type, int cx, int cy) {
            (static_cast<T &>(w).*handler)(type, cx, cy);
        })};
}

// WM_PAINT: handler(). A handler that returns without making a CPaintDC leaves the window to be
// painted again when the event loop next runs.
template<class T>
MessageEntry onPaint(void (T::*handler)())
{
    return {WM_PAINT, 0, 0,
            std::function<void(CWnd &)>([handler](CWnd &w) { (static_cast<T &>(w).*handler)(); })};
}

// WM_SYSCOMMAND: handler(command id, 0), for the system menu's items and its close command.
template<class T>
MessageEntry onSysCommand(void (T::*handler)(UINT, LPARAM))
{
    return {WM_SYSCOMMAND, 0, 0,
            std::function<void(CWnd &, UINT, LPARAM)>(
                [handler](CWnd &w, UINT id, LPARAM l) { (static_cast<T &>(w).*handler)(id, l); })};
}

} // namespace zyfo
