// The program's menu, strings, icon and pictures.
#include "Resources.h"

#include "Artwork.h"
#include "DialogIds.h"

namespace zyfo {

const MenuTemplate &mainMenu()
{
    static const MenuTemplate menu{
        IDR_MENU,
        {{"&Plik",
          0,
          {{"Otwórz plik", ID_FILE_OPEN, {}},
           {"Zapisz jako...", ID_FILE_SAVE_AS, {}},
           {"Drukuj", ID_FILE_PRINT, {}},
           {},
           {"Zakończ", ID_FILE_EXIT, {}}}},
         {"&Ustawienia",
          0,
          {{"Format daty", ID_SETTINGS_DATE_FORMAT, {}},
           {"Wykres", ID_SETTINGS_CHART, {}},
           {"Uaktualnianie pomiarów", ID_SETTINGS_LIVE_UPDATE, {}}}},
         {"P&omoc", 0, {{"Pomoc", ID_HELP_CONTENTS, {}}, {"O programie", ID_HELP_ABOUT, {}}}}}};
    return menu;
}

std::string loadString(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About zyfo...";
    case IDS_TITLE:
        return "VENTRO ZYFO";
    default:
        return {};
    }
}

const IconResource &programIcon()
{
    static const IconResource icon{{ImageData(artwork::icon16, artwork::icon16Size),
                                    ImageData(artwork::icon32, artwork::icon32Size),
                                    ImageData(artwork::icon48, artwork::icon48Size),
                                    ImageData(artwork::icon256, artwork::icon256Size)}};
    return icon;
}

ImageData aboutPicture()
{
    return ImageData(artwork::about, artwork::aboutSize);
}

ImageData splashPicture()
{
    return ImageData(artwork::splash, artwork::splashSize);
}

} // namespace zyfo
