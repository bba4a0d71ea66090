#include "shell/Vensterbeheer.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/RackConfiguratie.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {

bool IsErEenRackActief() {
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present) return true;
    return false;
}

// Brings a child window's frame forward: restored when minimised, shown, in front, with the focus.
void NaarVoren(QWidget* venster) {
    QWidget* kader = Kindvensterkader(venster);
    if (!kader) return;
    if (kader->isMinimized()) kader->showNormal();
    ToonKindvenster(venster);
    kader->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(kader); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    else
        kader->activateWindow();
    venster->setFocus();
}

// The graph numbers listed in the settings as open ("Graph"/"Index" & g holding g).
bool GrafiekInLijst(int g) {
    const QString waarde = LeesInstelling(AppNaam, QStringLiteral("Graph"), QStringLiteral("Index%1").arg(g),
                                          QStringLiteral("-1"));
    return std::lround(Val(waarde)) == g;
}

} // namespace

QString VensterSoort(const QWidget* venster) {
    return VensterTag(venster).left(5);
}

QWidget* ActiefVenster(const QMdiArea& gebied) {
    QMdiSubWindow* kader = gebied.currentSubWindow();
    return kader && kader->isVisible() ? kader->widget() : nullptr;
}

int ActieveVensters(const QMdiArea& gebied) {
    int n = 0;
    for (QMdiSubWindow* kader : gebied.subWindowList()) {
        const QString soort = VensterSoort(kader->widget());
        if ((soort == QLatin1String("tabel") || soort == QLatin1String("grafi") ||
             soort == QLatin1String("termi")) &&
            kader->isVisible())
            ++n;
    }
    return n;
}

int16_t VrijeGrafiekIndex() {
    for (int g = 1; g <= AantalGrafieken; ++g) {
        const GrafiekvensterInterface* venster = GrafiekVenster(g);
        if (!venster || venster->GrafiekIndex() == 0) return static_cast<int16_t>(g);
    }
    return 0;
}

QList<QRect> TegelIndeling(QSize maat, int aantal, bool horizontaal) {
    QList<QRect> indeling;
    if (aantal < 1 || maat.isEmpty()) return indeling;
    const int totaal = horizontaal ? maat.height() : maat.width();
    for (int i = 0; i < aantal; ++i) {
        // The remainder of the division goes to the first windows, one pixel each.
        const int begin = i * totaal / aantal;
        const int einde = (i + 1) * totaal / aantal;
        indeling << (horizontaal ? QRect(0, begin, maat.width(), einde - begin)
                                 : QRect(begin, 0, einde - begin, maat.height()));
    }
    return indeling;
}

QList<QRect> IcoonIndeling(QSize maat, int aantal, QSize icoon) {
    QList<QRect> indeling;
    if (aantal < 1 || icoon.isEmpty()) return indeling;
    const int perRij = std::max(1, maat.width() / icoon.width());
    for (int i = 0; i < aantal; ++i) {
        const int rij = i / perRij;
        const int kolom = i % perRij;
        indeling << QRect(QPoint(kolom * icoon.width(), maat.height() - (rij + 1) * icoon.height()), icoon);
    }
    return indeling;
}

void Vensterbeheer::VolgendRackVenster() {
    if (!IsErEenRackActief()) return;
    int r = 0;
    for (int stap = 0; stap < 2 && r == 0; ++stap) {
        for (int k = m_laatsteRack + 1; k <= AantalRacks; ++k)
            if (Racks[k].Present) {
                r = k;
                break;
            }
        if (r == 0) m_laatsteRack = 0;
    }
    if (r == 0) return;
    // A window not shown, or hidden while its rack waits for its log-on, shows the names its rack's file
    // gives.
    auto* getoond = dynamic_cast<QWidget*>(RackVenster(r));
    if (!RackVlaggen[r].Show || (getoond && Kindvensterkader(getoond)->isHidden())) LeesRackNamen(r);
    hoofdvenster().ToonRackVenster(r);
    if (auto* venster = dynamic_cast<QWidget*>(RackVenster(r))) NaarVoren(venster);
    RackVlaggen[r].Show = true;
    m_laatsteRack = r;
}

void Vensterbeheer::VolgendTabelVenster() {
    if (!IsErEenRackActief()) return;
    int begin = 0;
    if (ActieveVensters(m_gebied) > 0) {
        QWidget* actief = ActiefVenster(m_gebied);
        if (VensterSoort(actief).toLower() == QLatin1String("tabel"))
            if (auto* tabel = dynamic_cast<frmTabel*>(actief)) begin = tabel->Ri();
    }
    for (int i = 1; i <= AantalRacks; ++i) {
        const int r = (begin + i - 1) % AantalRacks + 1;
        if (!Racks[r].Present) continue;
        ToonTabelVenster(r);
        if (frmTabel* venster = frmTabelVan(r)) NaarVoren(venster);
        return;
    }
}

void Vensterbeheer::TonenGrafieken() {
    if (AantalOpenGrafieken() < 1) return;
    int begin = 0;
    QWidget* actief = ActiefVenster(m_gebied);
    if (VensterSoort(actief) == QLatin1String("grafi"))
        if (auto* grafiek = dynamic_cast<frmGrafiek*>(actief)) begin = grafiek->GrafiekIndex();
    for (int i = 1; i <= AantalGrafieken; ++i) {
        const int g = (begin + i - 1) % AantalGrafieken + 1;
        frmGrafiek* venster = GrafiekWidget(g);
        if (!venster || venster->GrafiekIndex() != g) continue;
        NaarVoren(venster);
        return;
    }
}

frmGrafiek* Vensterbeheer::NieuweGrafiek(bool recorder) {
    if (AantalOpenGrafieken() >= AantalGrafieken) {
        ToonMelding(Tekst[335], vbExclamation, Tekst[334]);
        return nullptr;
    }
    const int16_t g = VrijeGrafiekIndex();
    if (g == 0) return nullptr;
    // A new window breaks the sequence of rows: a logging run gets its end point first.
    hoofdvenster().StopVerbinding();
    frmGrafiek* venster = MaakGrafiekVenster(g, recorder, true);
    if (!venster) return nullptr;
    if (!venster->Geladen()) {
        // Its settings were dropped: the window goes again.
        venster->Ontlaad();
        return nullptr;
    }
    if (recorder) venster->HerInitialiseerGrafiek();
    ConfiguratieGewijzigd = true;
    hoofdvenster().ZetKnoppen();
    return venster;
}

void Vensterbeheer::VerwijderenVensters() {
    AantalMetingen = 0;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (Racks[r].Present)
            if (Tabelvenster* tabel = TabelVensters[r]) tabel->Ontlaad();
        if (RackVlaggen[r].Show)
            if (RackvensterInterface* rack = RackVenster(r)) rack->Ontlaad();
    }
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (GrafiekInLijst(g))
            if (frmGrafiek* venster = GrafiekWidget(g)) venster->Ontlaad();
    // A graph the settings do not list (made since they were last saved) stays open: it starts empty
    // for the new file, without the points, the marker or the read-out of the old one.
    for (int g = 1; g <= AantalGrafieken; ++g)
        if (frmGrafiek* venster = GrafiekWidget(g); venster && venster->GrafiekIndex() == g)
            venster->WisGrafiekGegevens();
}

void Vensterbeheer::Schik(Schikking wijze) {
    QList<QMdiSubWindow*> open, iconen;
    for (QMdiSubWindow* kader : m_gebied.subWindowList()) {
        if (!kader->isVisible()) continue;
        (kader->isMinimized() ? iconen : open) << kader;
    }
    const QSize maat = m_gebied.viewport()->size();
    switch (wijze) {
    case Schikking::Cascade:
        m_gebied.cascadeSubWindows();
        break;
    case Schikking::TegelsHorizontaal:
    case Schikking::TegelsVerticaal: {
        const bool horizontaal = wijze == Schikking::TegelsHorizontaal;
        // The tiles share the whole area, as it is without scroll bars. A tile is never smaller than its
        // window needs to show itself whole; the tiles after a grown one move along, so that none
        // covers another. When they then run past the area's end, the area scrolls: its scroll bar
        // takes its width along that side, and the tiles are laid out again beside it.
        const QSize heel = m_gebied.maximumViewportSize();
        const int balk =
            m_gebied.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                          horizontaal ? static_cast<QWidget*>(m_gebied.verticalScrollBar())
                                                      : m_gebied.horizontalScrollBar());
        const auto leg = [&](QSize ruimte) {
            const QList<QRect> indeling = TegelIndeling(ruimte, static_cast<int>(open.size()), horizontaal);
            QList<QRect> tegels;
            int verder = 0;
            for (qsizetype i = 0; i < open.size(); ++i) {
                QRect tegel = indeling[i];
                if (const QWidget* binnen = open[i]->widget()) {
                    // A rack window's panels have a fixed size; a graph or table tells what it needs.
                    // The frame adds its border on every side and the title bar above.
                    const QSize nodig = binnen->minimumSizeHint().expandedTo(binnen->minimumSize());
                    const QSize kader(2 * binnen->x(), binnen->y() + binnen->x());
                    if (nodig.isValid() && !nodig.isEmpty())
                        tegel.setSize(tegel.size().expandedTo(nodig + kader));
                }
                if (horizontaal)
                    tegel.moveTop(std::max(tegel.top(), verder));
                else
                    tegel.moveLeft(std::max(tegel.left(), verder));
                verder = horizontaal ? tegel.bottom() + 1 : tegel.right() + 1;
                tegels << tegel;
            }
            return std::pair(tegels, verder);
        };
        for (QMdiSubWindow* kader : open)
            if (kader->isMaximized()) kader->showNormal();
        auto [tegels, einde] = leg(heel);
        if (einde > (horizontaal ? heel.height() : heel.width()))
            tegels = leg(horizontaal ? QSize(heel.width() - balk, heel.height())
                                     : QSize(heel.width(), heel.height() - balk))
                         .first;
        for (qsizetype i = 0; i < open.size(); ++i)
            open[i]->setGeometry(tegels[i]);
        break;
    }
    case Schikking::Iconen: {
        if (iconen.isEmpty()) break;
        const QList<QRect> indeling =
            IcoonIndeling(maat, static_cast<int>(iconen.size()), iconen.front()->size());
        for (qsizetype i = 0; i < iconen.size(); ++i)
            iconen[i]->move(indeling[i].topLeft());
        break;
    }
    }
    ConfiguratieGewijzigd = true;
    hoofdvenster().ZetKnoppen();
}
