// A picture of a window as the screen shows it, for demonstrations and checks.
#pragma once

#include <string>

namespace zyfo {

class CWnd;

// Saves what the screen shows of `window`'s top-level window (with the frame the window
// manager draws) as a PNG file. On a platform without a screen to read (off-screen), the
// window is rendered instead. false when the window does not exist or the file cannot be
// written.
bool saveWindowScreenshot(const CWnd &window, const std::string &path);

} // namespace zyfo
