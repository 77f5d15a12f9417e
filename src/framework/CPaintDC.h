// Drawing surface of a window's paint handler: draws straight onto the window.
#pragma once

#include "CPainterDC.h"

namespace zyfo {

class CWnd;

// Made inside a WM_PAINT handler, it begins the paint (so the window counts as painted) and
// draws on the window's client area until it is destroyed. Made anywhere else it draws nothing.
class CPaintDC : public CPainterDC
{
public:
    explicit CPaintDC(CWnd *window);
    ~CPaintDC() override;
};

} // namespace zyfo
