#pragma once
// The geometry of a rack window, in twips: the design of one module panel, the panels of the present
// modules packed from the left in slot order, and which module and input a double-click on a label or
// a panel chooses.
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// One module panel: a header with the status LED and the module name, then per input its name, the
// value with its unit beside it and the temperature.
namespace Paneelontwerp {
inline constexpr int Breedte = 2010;
inline constexpr int Hoogte = 4590;
inline constexpr int Marge = 90;
inline constexpr int LedLinks = 105, LedBoven = 120, LedMaat = 180;
inline constexpr int ModuleLinks = 345, ModuleBoven = 75, ModuleBreedte = 1590, ModuleHoogte = 270;
inline constexpr int LijnBoven = 420;
inline constexpr int IngangBoven = 480;   // top of the first input's block
inline constexpr int IngangHoogte = 1020; // height of one input's block
inline constexpr int KanaalHoogte = 240;  // LabelKanaal at the top of the block
inline constexpr int WaardeBoven = 255;   // LabelWaarde and LabelEenheid, from the block's top
inline constexpr int WaardeBreedte = 1110;
inline constexpr int WaardeHoogte = 435;
inline constexpr int EenheidLinks = 1245, EenheidBreedte = 720;
inline constexpr int GradenBoven = 720; // Label°C, from the block's top
} // namespace Paneelontwerp

// The borders and caption of the window's frame, which the main window's area or the window manager
// draws around the panels.
inline constexpr int KaderBreedte = 90;
inline constexpr int KaderHoogte = 500;

struct RackIndeling {
    std::array<bool, AantalModules> zichtbaar{}; // panel m - 1 is shown (its module is present)
    std::array<int, AantalModules> links{};      // left of panel m - 1
    int breedte = KaderBreedte;                  // the window, frame included
    int hoogte = Paneelontwerp::Hoogte + KaderHoogte;
};

// Present modules stand side by side from the left without gaps; absent slots take no room. The
// window is as wide as its panels plus the frame, and as high as one panel plus the frame.
RackIndeling BerekenRackIndeling(int r);

// Module 1..7 and channel: 1..4 a measuring input, 5..8 the temperature channel of input channel - 4.
struct ModuleKanaal {
    int module = 0;
    int kanaal = 0;
};
// A double-click on label i (0..27) of one of the label arrays: the temperature label chooses the
// temperature channel, the others the measuring input.
ModuleKanaal KeuzeVanLabel(RackLabel label, int i);
// A double-click on panel i (0..6): its module, input 1.
ModuleKanaal KeuzeVanPaneel(int i);

// Where a rack window of size `maat` opens so that it covers none of the windows `andere` (their frames,
// in the same coordinates) and stays within the area `gebied` (from 0, 0): at `voorkeur` when it may,
// else at the free place nearest the top, then the left, beside or below the others. A window larger
// than the area counts as fitting at its left or top edge. With no such place left it is cascaded: one
// `trede` right of and below the lowest of the others.
QPoint VrijePlaats(QPoint voorkeur, QSize maat, const QList<QRect>& andere, QSize gebied, int trede);
