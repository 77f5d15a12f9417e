// The program's resources: dialog templates, the menu, strings, the icon, the pictures and the
// help document. All live as long as the program.
#pragma once

#include "DialogTemplate.h"
#include "ImageResource.h"
#include "MenuTemplate.h"

#include <string>

namespace zyfo {

const DialogTemplate &aboutDialogTemplate();         // 100, "O programie"
const DialogTemplate &mainDialogTemplate();          // 102, the main window, with menu 129
const DialogTemplate &splashDialogTemplate();        // 131, picture 154
const DialogTemplate &dateFormatDialogTemplate();    // 133, "Data i czas"
const DialogTemplate &chartSettingsDialogTemplate(); // 134, "Wykres"
const DialogTemplate &liveUpdateDialogTemplate();    // 135, "Uaktualnianie pomiarów"
const DialogTemplate &reportDialogTemplate();        // 136, "Zapisz jako..."
const MenuTemplate &mainMenu();                      // 129

// String 101 or 199; empty for another id.
std::string loadString(int id);

// Icon 128: the program's icon at 16, 32, 48 and 256 pixels.
const IconResource &programIcon();
// Bitmaps 130 (About) and 154 (splash), PNG.
ImageData aboutPicture();
ImageData splashPicture();

// The help document (HTML, Polish); the anchor "context-100" marks the main window's topic.
const std::string &helpDocument();

} // namespace zyfo
