// Start of the platform's application object for code that draws or builds windows outside the
// program's own start-up (tests, command-line tools).
#pragma once

namespace zyfo {

// Creates the process's GUI application object unless one exists; it lives until the process
// exits. Without a display (no DISPLAY or WAYLAND_DISPLAY) and no QT_QPA_PLATFORM set, it uses
// the off-screen platform, so fonts and images work on a machine without a screen.
void ensureApplication();

// Keeps the toolkit's own messages (about the platform, the runtime folder, fonts ...) off
// standard error from now on, for command-line tools whose standard error carries their own
// messages alone. A fatal message is still written, as the process ends with it.
void keepToolkitMessagesQuiet();

} // namespace zyfo
