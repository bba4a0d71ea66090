#include "shell/Instellingenkopie.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shell/Vensterbeheer.h"
#include "views/frmGrafiek.h"
#include "views/frmTabel.h"

#include <QPointer>
#include <QTabWidget>

namespace {

constexpr int AantalKolomBreedten = 20;

TabelGrid* Grid(int r, int m) {
    frmTabel* venster = r >= 1 && r <= AantalRacks ? frmTabelVan(r) : nullptr;
    return venster && m >= 1 && m <= AantalModules ? venster->MSHFlexGrid[static_cast<size_t>(m)] : nullptr;
}

// The question of a paste; true on Yes.
bool Bevestigd(int tekst, const QString& bron, const QString& doel) {
    QString vraag = Tekst[tekst];
    vraag.replace(QStringLiteral("XX"), bron).replace(QStringLiteral("YY"), doel);
    return ToonStandaardMelding(vraag, vbYesNo | vbQuestion, VervangAmpersand(Tekst[343], QString())) ==
           vbYes;
}

} // namespace

void KopieerInstellingen(Kopieerbron& bron, QWidget* actief) {
    bron.KopieerSetGraph = false;
    bron.KopieerSetTab = false;
    if (!actief) return;
    const QString soort = VensterSoort(actief).toLower();
    if (soort == QLatin1String("tabel")) {
        if (auto* tabel = dynamic_cast<frmTabel*>(actief)) {
            bron.Rs = tabel->Ri();
            bron.Ms = tabel->GekozenModule();
            bron.KopieerSetTab = true;
        }
    } else if (soort == QLatin1String("grafi")) {
        if (auto* grafiek = dynamic_cast<frmGrafiek*>(actief)) {
            bron.Rs = grafiek->GrafiekIndex();
            bron.KopieerSetGraph = true;
        }
    }
}

void PlakInstellingen(const Kopieerbron& bron, QWidget* actief) {
    if (!actief) return;
    // Source and target as they are when asked; the windows are looked up again at the answer (a graph
    // may be gone by then, or its number taken by another).
    const int16_t bronNummer = bron.Rs;
    const QString soort = VensterSoort(actief).toLower();
    if (soort == QLatin1String("tabel") && bron.KopieerSetTab) {
        const int16_t bronModule = bron.Ms;
        auto* tabel = dynamic_cast<frmTabel*>(actief);
        if (!tabel || bronNummer < 1 || bronNummer > AantalRacks || bronModule < 1 ||
            bronModule > AantalModules)
            return;
        const int16_t r = tabel->Ri();
        const int16_t m = tabel->GekozenModule();
        if (r < 1 || r > AantalRacks) return;
        if (Bevestigd(340, Racks[bronNummer].Modules[bronModule].Name, Racks[r].Modules[m].Name))
            KopieerTabelInstellingen(bronNummer, bronModule, r, m);
    } else if (soort == QLatin1String("grafi") && bron.KopieerSetGraph) {
        auto* doel = dynamic_cast<frmGrafiek*>(actief);
        GrafiekvensterInterface* bronVenster = GrafiekVenster(bronNummer);
        if (!doel || !bronVenster || bronVenster->GrafiekIndex() != bronNummer) return;
        const QPointer<frmGrafiek> doelVenster(doel);
        const int16_t doelNummer = doel->GrafiekIndex();
        if (!Bevestigd(341, bronVenster->Caption(), doel->Caption())) return;
        if (doelVenster && doelVenster->GrafiekIndex() == doelNummer &&
            GrafiekVenster(doelNummer) == static_cast<GrafiekvensterInterface*>(doelVenster.data()))
            KopieerGrafiekInstellingen(bronNummer, doelNummer);
    }
}

void KopieerTabelInstellingen(int16_t bronRack, int16_t bronModule, int16_t doelRack, int16_t doelModule) {
    TabelGrid* bron = Grid(bronRack, bronModule);
    TabelGrid* doel = Grid(doelRack, doelModule);
    if (!bron || !doel) return;
    for (int c = 0; c < AantalKolomBreedten; ++c)
        doel->setColumnWidth(c, bron->columnWidth(c));
    const QFont b = bron->font();
    QFont f = doel->font();
    f.setFamily(b.family());
    f.setPointSizeF(b.pointSizeF());
    f.setBold(b.bold());
    f.setItalic(b.italic());
    f.setStrikeOut(b.strikeOut());
    f.setUnderline(b.underline());
    doel->setFont(f);
}

void KopieerGrafiekInstellingen(int16_t bron, int16_t doel) {
    GrafiekvensterInterface* b = GrafiekVenster(bron);
    GrafiekvensterInterface* d = GrafiekVenster(doel);
    if (!b || !d || b->GrafiekIndex() != bron || d->GrafiekIndex() != doel) return;
    const GrafiekInstellingen& van = b->Instellingen();
    GrafiekInstellingen& naar = d->Instellingen();
    naar.AutomatischeSchaal = van.AutomatischeSchaal;
    naar.GrafiekMinimum = van.GrafiekMinimum;
    naar.GrafiekMaximum = van.GrafiekMaximum;
    // The statistics lines are flags of each curve; the curves themselves stay.
    for (int lijn = 1; lijn <= AantalGrafiekLijnen; ++lijn)
        for (int index : {LijnMinimum, LijnMaximum, LijnGemiddelde})
            d->SchrijfGrafiekLijnRef(lijn, index, b->LeesGrafiekLijnRef(lijn, index));
    naar.AantalWaardenVerdelingen = van.AantalWaardenVerdelingen;
    naar.AantalTijdVerdelingen = van.AantalTijdVerdelingen;
    naar.AantalWaardenOnderverdelingen = van.AantalWaardenOnderverdelingen;
    naar.MaxGrafiekZichtbaar = van.MaxGrafiekZichtbaar;
    naar.LabelKeuze = van.LabelKeuze;
    naar.LegendeKeuze = van.LegendeKeuze;
    for (int reeks = 1; reeks <= AantalDiagramReeksen; ++reeks)
        d->ZetDiagramKleur(reeks, RGBKleur(b->LeesDiagramRood(reeks), b->LeesDiagramGroen(reeks),
                                           b->LeesDiagramBlauw(reeks)));
    naar.AlarmHoog = van.AlarmHoog;
    naar.AlarmLaag = van.AlarmLaag;
    naar.AlarmHoogWaarde = van.AlarmHoogWaarde;
    naar.AlarmLaagWaarde = van.AlarmLaagWaarde;
    d->HerInitialiseerGrafiek();
}
