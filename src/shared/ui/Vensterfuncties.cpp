#include "shared/ui/Vensterfuncties.h"

#include "platform/Vensterwacht.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/ui/FormMelding.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTableView>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace {
int32_t Kleurwaarde(const QColor& c) {
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

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

void BewaarVensterPositie(const QString& sectie, QWidget* venster) {
    if (!venster) return;
    const int toestand = venster->isMinimized() ? 1 : venster->isMaximized() ? 2 : 0;
    // The restored bounds, whatever the state.
    const QRect normaal =
        venster->isWindow() && toestand != 0 ? venster->normalGeometry() : venster->geometry();
    const QPoint hoek =
        venster->isWindow() && toestand == 0 ? venster->frameGeometry().topLeft() : normaal.topLeft();
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Windowstate"), QString::number(toestand));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Top"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(hoek.y()))));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Left"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(hoek.x()))));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Height"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(normaal.height()))));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Width"),
                     SingleAlsTekst(static_cast<float>(PixelsNaarTwips(normaal.width()))));
}

void LeesVensterPositie(const QString& sectie, QWidget* venster) {
    if (!venster) return;
    const int toestand =
        TekstNaarInteger(LeesInstelling(AppNaam, sectie, QStringLiteral("Windowstate"), QStringLiteral("0")));
    const int boven = TwipsNaarPixels(
        TekstNaarSingle(LeesInstelling(AppNaam, sectie, QStringLiteral("Top"), QStringLiteral("0"))));
    const int links = TwipsNaarPixels(
        TekstNaarSingle(LeesInstelling(AppNaam, sectie, QStringLiteral("Left"), QStringLiteral("0"))));
    const int hoogte = TwipsNaarPixels(
        TekstNaarSingle(LeesInstelling(AppNaam, sectie, QStringLiteral("Height"), QStringLiteral("7000"))));
    const int breedte = TwipsNaarPixels(
        TekstNaarSingle(LeesInstelling(AppNaam, sectie, QStringLiteral("Width"), QStringLiteral("10000"))));
    venster->setWindowState(Qt::WindowNoState);
    venster->move(links, boven);
    venster->resize(std::max(breedte, 1), std::max(hoogte, 1));
    // Setting the normal state again would put a sub-window of a window area back where it was.
    if (toestand == 1 || toestand == 2)
        venster->setWindowState(toestand == 1 ? Qt::WindowMinimized : Qt::WindowMaximized);
    venster->show();
}

void BewaarLettertype(const QString& sectie, QWidget* besturing) {
    if (!besturing) return;
    const QFont f = besturing->font();
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontname"), f.family());
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontsize"),
                     SingleAlsTekst(static_cast<float>(f.pointSizeF())));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontbold"), BooleanAlsTekst(f.bold()));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontitalic"), BooleanAlsTekst(f.italic()));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontstrikethrough"), BooleanAlsTekst(f.strikeOut()));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontunderline"), BooleanAlsTekst(f.underline()));
    BewaarInstelling(AppNaam, sectie, QStringLiteral("Fontcolor"),
                     QString::number(Kleurwaarde(besturing->palette().color(besturing->foregroundRole()))));
}

void LeesLettertype(const QString& sectie, QWidget* besturing) {
    if (!besturing) return;
    QFont f = besturing->font();
    f.setFamily(LeesInstelling(AppNaam, sectie, QStringLiteral("Fontname"), QStringLiteral("MS Sans Serif")));
    const float grootte =
        TekstNaarSingle(LeesInstelling(AppNaam, sectie, QStringLiteral("Fontsize"), QStringLiteral("8")));
    if (grootte > 0) f.setPointSizeF(grootte);
    f.setBold(LeesBooleanInstelling(sectie, QStringLiteral("Fontbold"), false));
    f.setItalic(LeesBooleanInstelling(sectie, QStringLiteral("Fontitalic"), false));
    f.setStrikeOut(LeesBooleanInstelling(sectie, QStringLiteral("Fontstrikethrough"), false));
    f.setUnderline(LeesBooleanInstelling(sectie, QStringLiteral("Fontunderline"), false));
    besturing->setFont(f);
    const auto kleur = static_cast<int64_t>(
        TekstNaarDouble(LeesInstelling(AppNaam, sectie, QStringLiteral("Fontcolor"), QStringLiteral("0"))));
    QPalette p = besturing->palette();
    p.setColor(besturing->foregroundRole(), QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF));
    besturing->setPalette(p);
}

void BewaarKolomBreedte(const QString& sectie, QTableView* raster) {
    if (!raster || !raster->model()) return;
    for (int c = 0; c < raster->model()->columnCount(); ++c)
        BewaarInstelling(AppNaam, sectie, QStringLiteral("Width%1").arg(c),
                         QString::number(qRound(PixelsNaarTwips(raster->columnWidth(c)))));
}

void LeesKolomBreedte(const QString& sectie, QTableView* raster) {
    if (!raster || !raster->model()) return;
    for (int c = 0; c < raster->model()->columnCount(); ++c)
        raster->setColumnWidth(
            c, TwipsNaarPixels(TekstNaarLong(LeesInstelling(AppNaam, sectie, QStringLiteral("Width%1").arg(c),
                                                            QStringLiteral("1000")))));
}

int VoerDialoogUit(QDialog& dialoog) {
    if (platform::NiemandAntwoordt()) return QDialog::Rejected;
    QPointer<QDialog> d(&dialoog);
    bool klaar = false;
    const QMetaObject::Connection afgelopen =
        QObject::connect(&dialoog, &QDialog::finished, &dialoog, [&klaar] { klaar = true; });
    if (dialoog.windowModality() == Qt::NonModal) dialoog.setWindowModality(Qt::ApplicationModal);
    dialoog.setResult(QDialog::Rejected);
    dialoog.show();
    platform::WachtOpVenster([&] { return klaar || !d || !d->isVisible(); });
    if (!d) return QDialog::Rejected;
    QObject::disconnect(afgelopen);
    return d->result();
}

QAction* VoerMenuUit(QMenu& menu, const QPoint& globaal) {
    if (platform::NiemandAntwoordt()) return nullptr;
    QPointer<QMenu> m(&menu);
    QAction* gekozen = nullptr;
    bool dicht = false;
    const QMetaObject::Connection keuze =
        QObject::connect(&menu, &QMenu::triggered, &menu, [&gekozen](QAction* a) { gekozen = a; });
    const QMetaObject::Connection verborgen =
        QObject::connect(&menu, &QMenu::aboutToHide, &menu, [&dicht] { dicht = true; });
    menu.popup(globaal);
    // The choice is made as the menu hides: both have come when the pump returns.
    platform::WachtOpVenster([&] { return dicht || !m || !m->isVisible(); });
    if (m) {
        QObject::disconnect(keuze);
        QObject::disconnect(verborgen);
    }
    return gekozen;
}

namespace {

// The button of Qt's box that declines: No, else the one that rejects; a box that only tells something
// has one button.
QAbstractButton* WeigerKnop(QMessageBox& box) {
    QAbstractButton* weiger = nullptr;
    for (QAbstractButton* knop : box.buttons()) {
        const QMessageBox::ButtonRole rol = box.buttonRole(knop);
        if (rol == QMessageBox::NoRole) return knop;
        if (rol == QMessageBox::RejectRole && !weiger) weiger = knop;
    }
    if (!weiger && box.buttons().size() == 1) weiger = box.buttons().front();
    return weiger;
}

} // namespace

void SluitVenstersZonderGebruiker() {
    // The menus first: each one that closes ends the loop Qt runs it in.
    for (int i = 0; i < 32; ++i) {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu) break;
        menu->close();
    }
    QList<QPointer<QWidget>> vensters;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) vensters << w;
    for (const QPointer<QWidget>& w : vensters) {
        if (!w || !w->isVisible()) continue;
        if (auto* box = qobject_cast<QMessageBox*>(w.data())) {
            // Its dialog takes anything but its No for consent (the file dialog deletes the file).
            if (QAbstractButton* weiger = WeigerKnop(*box))
                weiger->click();
            else
                box->reject();
        } else if (qobject_cast<FormMelding*>(w.data())) {
            w->close();
        }
    }
    for (const QPointer<QWidget>& w : vensters) {
        auto* dialoog = qobject_cast<QDialog*>(w.data());
        if (!dialoog || !dialoog->isVisible() || qobject_cast<QMessageBox*>(dialoog) ||
            qobject_cast<FormMelding*>(dialoog))
            continue;
        // A name being typed into a list (a file being renamed) is dropped as by Escape: closing the
        // dialog would give it to the file.
        for (QAbstractItemView* lijst : dialoog->findChildren<QAbstractItemView*>())
            if (QWidget* invoer = lijst->indexWidget(lijst->currentIndex()))
                emit lijst->itemDelegateForIndex(lijst->currentIndex())
                    ->closeEditor(invoer, QAbstractItemDelegate::RevertModelCache);
        if (dialoog->isVisible()) dialoog->reject();
    }
}

QWidget* EigenaarVoorNieuwVenster() {
    return QApplication::activeModalWidget();
}
