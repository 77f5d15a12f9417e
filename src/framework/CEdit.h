// An edit control of a dialog: its text is the window text; it sends EN_CHANGE and EN_KILLFOCUS.
#pragma once

#include "CWnd.h"

namespace zyfo {

class CEdit : public CWnd
{
};

} // namespace zyfo
