#include "shared/ui/Vensterfuncties.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace {
void zetBovenaan(QWidget* venster, bool bovenaan) {
    if (!venster || venster->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == bovenaan) return;
    Qt::WindowFlags vlaggen = venster->windowFlags();
    vlaggen.setFlag(Qt::WindowStaysOnTopHint, bovenaan);
    if (QWindow* w = venster->windowHandle()) {
        // The native window exists: change its flags in place, so that it is neither hidden, moved nor
        // activated (setWindowFlags would hide it and make a new one).
        venster->overrideWindowFlags(vlaggen);
        w->setFlags(vlaggen);
    } else {
        venster->setWindowFlags(vlaggen);
    }
}
} // namespace

void ZetVensterBovenaan(QWidget* venster) {
    zetBovenaan(venster, true);
}
void ZetVensterNietBovenaan(QWidget* venster) {
    zetBovenaan(venster, false);
}

double TwipsPerPixel() {
    const QScreen* scherm = QGuiApplication::primaryScreen();
    const double dpi = scherm ? scherm->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsNaarPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel()));
}
double PixelsNaarTwips(int pixels) {
    return pixels * TwipsPerPixel();
}
