// A dialog as data: caption, style, font and size, and its controls in dialog units.
#pragma once

#include "ImageResource.h"
#include "MenuTemplate.h"
#include "WinDefs.h"

#include <string>
#include <utility>
#include <vector>

namespace zyfo {

enum class ControlClass
{
    Button,   // BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX
    Edit,     // ES_NUMBER, ES_AUTOHSCROLL; ES_MULTILINE with ES_WANTRETURN
    Static,   // text (SS_LEFT), SS_GRAYRECT, SS_BITMAP, SS_SUNKEN
    ComboBox, // CBS_DROPDOWNLIST; the height is that of the dropped list
    UpDown,   // UDS_AUTOBUDDY (the item before it), UDS_SETBUDDYINT, UDS_ARROWKEYS
    DateTime  // DTS_SHORTDATEFORMAT | DTS_UPDOWN or DTS_TIMEFORMAT
};

// One control. Statics that nothing refers to have id -1. Controls are visible; WS_DISABLED
// creates one disabled. A picture static shows `image`, scaled to its rectangle.
struct DialogItem
{
    DialogItem() = default;
    DialogItem(int itemId, ControlClass itemClass, std::string itemText, int left, int top,
               int width, int height, DWORD itemStyle = 0, ImageData picture = {})
        : id(itemId)
        , controlClass(itemClass)
        , text(std::move(itemText))
        , x(left)
        , y(top)
        , cx(width)
        , cy(height)
        , style(itemStyle)
        , image(picture)
    {}

    int id = -1;
    ControlClass controlClass = ControlClass::Static;
    std::string text;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    ImageData image;
};

// Size (cx, cy) is the client area. Style: WS_CAPTION (title bar), WS_SYSMENU, WS_THICKFRAME
// (resizable), WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_BORDER, WS_VISIBLE (shown by Create).
struct DialogTemplate
{
    int id = 0;
    DWORD style = 0;
    std::string caption;
    std::string fontFace;
    int fontPointSize = 8;
    int cx = 0;
    int cy = 0;
    const MenuTemplate *menu = nullptr;
    std::vector<DialogItem> items;
};

} // namespace zyfo
