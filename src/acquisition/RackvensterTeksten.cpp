#include "acquisition/RackvensterTeksten.h"

#include "acquisition/Kanaaladres.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Temperatuur.h"
#include "acquisition/vensters/Rackvenster.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <cmath>

namespace {

constexpr uint8_t MaskerBuitenBereik = 0x0F;
constexpr uint8_t MaskerTemperatuur = VlagTemperatuurTeHoog | VlagTemperatuurTeLaag;
constexpr int TekstMetingBuitenBereik = 285;
constexpr int TekstTemperatuurBuitenBereik = 300;
constexpr int TekstKalibratieVereist = 365;

// Number patterns by unit for resolution 1, resolution 2 and any other resolution.
struct WaardeFormaat {
    Eenheidsoort soort;
    const char* resolutie1;
    const char* resolutie2;
    const char* anders;
};
constexpr WaardeFormaat WaardeFormaten[] = {
    {Eenheidsoort::Millivolt, "0.0", "0", "0"},
    {Eenheidsoort::ZuurstofProcent, "0.0", "0", "0"},
    {Eenheidsoort::PH, "0.00", "0.000", "0.0"},
    {Eenheidsoort::ZuurstofMgL, "0.00", "0.0", "0.0"},
};

} // namespace

QString FormaatDecimalen(int r, int m, int c) {
    int resolutie = 0;
    if (m == -1 && c == -1)
        resolutie = r;
    else if (IsKanaalAdres(r, m, c))
        resolutie = Racks[r].Modules[m].Temperatuur[c].Resolution;
    return resolutie == 1 ? QStringLiteral("0.0") : QStringLiteral("0");
}

QString FormaatWaarde(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    return FormaatWaarde(Racks[r].Modules[m], c);
}

QString FormaatWaarde(const ModuleRecord& module, int c) {
    if (c < 1 || c > AantalIngangen) return QString();
    const KanaalRecord& k = module.Meting[c];
    const Eenheidsoort soort = SoortVanTekst(module, c);
    if (soort == Eenheidsoort::Temperatuur) return FormaatDecimalen(module.Temperatuur[c].Resolution, -1, -1);
    for (const WaardeFormaat& f : WaardeFormaten)
        if (soort == f.soort)
            return QString::fromLatin1(k.Resolution == 1   ? f.resolutie1
                                       : k.Resolution == 2 ? f.resolutie2
                                                           : f.anders);
    return QString();
}

QString GrootheidKanaal(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const QString eenheid = Racks[r].Modules[m].Meting[c].Unit.getrimd();
    return QString::fromLatin1(ModelVan(r, m).Eenheid(eenheid).grootheid);
}

bool KalibratieVereist(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return false;
    const ModuleRecord& module = Racks[r].Modules[m];
    const KanaalRecord& k = module.Meting[c];
    const Eenheidsoort soort = SoortVanTekst(module, c);
    if (soort == Eenheidsoort::Temperatuur) return false;
    switch (ModelVan(module).type) {
    case Modeltype::K761:
        return soort != Eenheidsoort::Millivolt && k.KalibratieDatum == 0;
    case Modeltype::K762: {
        // The cell type now chosen against the one the calibration was made with.
        const double gekozen = std::floor(static_cast<double>(k.Extra));
        return k.KalibratieDatum == 0 || gekozen != TekstNaarInteger(k.KalibratieInfo.toString());
    }
    case Modeltype::Geen:
        break;
    }
    return false;
}

QString TemperatuurWaardeTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    const KanaalRecord& t = Racks[r].Modules[m].Temperatuur[c];
    return OpmaakSingle(CelsiusNaarEenheid(t.Waarde, t.Unit), FormaatDecimalen(r, m, c));
}

QString TemperatuurWaardeEenheidTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    return TemperatuurWaardeTekst(r, m, c) + Racks[r].Modules[m].Temperatuur[c].Unit.tekst();
}

QString KanaalEenheidTekst(int r, int m, int c) {
    if (!IsKanaalAdres(r, m, c)) return QString();
    return ModelVan(r, m).eenheidTekst(r, m, c);
}

void ToonMetingenRackvenster(int r, int m, bool wissen) {
    if (!IsModuleAdres(r, m) || !Racks[r].Present || !Racks[r].Modules[m].Present || !RackVlaggen[r].Show)
        return;
    RackvensterInterface* venster = RackVenster(r);
    if (!venster) return;
    RackvensterInterface& w = *venster;
    // A module given up by the poll supervision shows no stale values.
    wissen = wissen || ModuleOpgegeven(r, m);
    const auto toolTip = [&](int c, const QString& tekst) {
        QString t = tekst;
        w.InstellenToolTipKanaal(m, c, t);
    };
    const auto zichtbaar = [&](int i, bool aan) {
        for (RackLabel label : {RackLabel::Waarde, RackLabel::Eenheid, RackLabel::Kanaal, RackLabel::Graden})
            w.ZetLabelZichtbaar(label, i, aan);
    };

    for (int c = 1; c <= AantalIngangen; ++c) {
        const int i = RackLabelIndex(m, c);
        const KanaalRecord& meting = Racks[r].Modules[m].Meting[c];
        const KanaalRecord& temperatuur = Racks[r].Modules[m].Temperatuur[c];
        if (!meting.Set) {
            zichtbaar(i, false);
            w.ZetLabelTekst(RackLabel::Waarde, i, QString());
            w.ZetLabelTekst(RackLabel::Graden, i, QString());
            continue;
        }
        zichtbaar(i, true);
        const bool graden = SoortVanTekst(Racks[r].Modules[m], c) == Eenheidsoort::Temperatuur;
        const bool buitenBereik = BitGezet(meting.Flags, MaskerBuitenBereik);
        const bool temperatuurBuiten = BitGezet(meting.Flags, MaskerTemperatuur);

        // Range colour of the value.
        if (graden ? temperatuurBuiten : buitenBereik) {
            w.ZetLabelKleur(RackLabel::Waarde, i, KleurRood);
            toolTip(c, Tekst[temperatuurBuiten ? TekstTemperatuurBuitenBereik : TekstMetingBuitenBereik]);
        } else {
            w.ZetLabelKleur(RackLabel::Waarde, i, KleurGroen);
        }

        // Captions.
        if (!graden) {
            w.ZetLabelTekst(RackLabel::Waarde, i, wissen ? QString() : MeetwaardeTekst(r, m, c));
            w.ZetLabelTekst(RackLabel::Eenheid, i, KanaalEenheidTekst(r, m, c));
            if (wissen) {
                w.ZetLabelKleur(RackLabel::Graden, i, KleurZwart);
                w.ZetLabelTekst(RackLabel::Graden, i, temperatuur.Unit.getrimd());
            } else {
                w.ZetLabelKleur(RackLabel::Graden, i, temperatuurBuiten ? KleurRood : KleurZwart);
                w.ZetLabelTekst(RackLabel::Graden, i, TemperatuurWaardeEenheidTekst(r, m, c));
                // A module with a shared temperature shows it only at the input that supplies it.
                const int g = GedeeldeTemperatuurIngang(r, m);
                w.ZetLabelZichtbaar(RackLabel::Graden, i, g == 0 || g == c || !temperatuur.UseShared);
            }
        } else {
            w.ZetLabelTekst(RackLabel::Graden, i, QString());
            if (wissen) {
                w.ZetLabelTekst(RackLabel::Waarde, i, QString());
                w.ZetLabelTekst(RackLabel::Eenheid, i, temperatuur.Unit.getrimd());
            } else {
                w.ZetLabelTekst(RackLabel::Waarde, i, TemperatuurWaardeTekst(r, m, c));
                w.ZetLabelTekst(RackLabel::Eenheid, i, temperatuur.Unit.tekst());
            }
        }

        // Calibration and range colours of the unit and name labels.
        const bool kalibreren = KalibratieVereist(r, m, c);
        if (buitenBereik) {
            w.ZetLabelKleur(RackLabel::Eenheid, i, KleurRood);
            w.ZetLabelKleur(RackLabel::Kanaal, i, kalibreren ? KleurRood : KleurNormaleTekst);
            if (kalibreren) toolTip(c, w.ToolTipWaarde(i) + QLatin1Char(' ') + Tekst[TekstKalibratieVereist]);
        } else if (kalibreren) {
            w.ZetLabelKleur(RackLabel::Waarde, i, KleurRood);
            w.ZetLabelKleur(RackLabel::Eenheid, i, KleurRood);
            w.ZetLabelKleur(RackLabel::Kanaal, i, KleurRood);
            toolTip(c, Tekst[TekstKalibratieVereist]);
        } else {
            w.ZetLabelKleur(RackLabel::Kanaal, i, KleurNormaleTekst);
            w.ZetLabelKleur(RackLabel::Eenheid, i, KleurNormaleTekst);
            toolTip(c, QString());
        }
    }
}
