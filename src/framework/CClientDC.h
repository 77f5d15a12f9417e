// A window's device context outside painting: for the screen's device capabilities.
#pragma once

#include "CImageDC.h"

namespace zyfo {

class CWnd;

// GetDeviceCaps answers for the screen the window is on (HORZRES and VERTRES: the screen's
// size; LOGPIXELSX and LOGPIXELSY: its logical resolution). Qt windows are painted only from
// their paint handler, so what is drawn here lands in an off-screen copy of the client area
// that is never shown.
class CClientDC : public CImageDC
{
public:
    explicit CClientDC(CWnd *window);

    int GetDeviceCaps(int index) const override;

private:
    int m_screenWidth = 0;
    int m_screenHeight = 0;
};

} // namespace zyfo
