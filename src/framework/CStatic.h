// A static control of a dialog (label, frame, picture); derived classes may paint it
// themselves with a WM_PAINT entry in their command table.
#pragma once

#include "CWnd.h"

namespace zyfo {

class CStatic : public CWnd
{
};

} // namespace zyfo
