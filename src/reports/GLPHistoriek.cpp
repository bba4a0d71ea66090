#include "reports/GLPHistoriek.h"

#include "acquisition/K761.h"
#include "acquisition/K761Teksten.h"
#include "acquisition/K762.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr int TekstNietGekalibreerd = 366;

// The grid while it is built: rows are appended by the filler of column 1, the other columns write
// into them.
class Opbouw {
public:
    Opbouw() {
        Rij(QString(), UitlijningLinks, false); // header row
        Rij(Tekst[124], UitlijningLinks, false);
        Rij(Tekst[125], UitlijningLinks, false);
    }
    int Rij(const QString& label, int16_t uitlijning, bool vet) {
        m_rijen.push_back({});
        m_rijen.back().cellen[0] = label;
        m_rijen.back().uitlijning = uitlijning;
        m_rijen.back().vet = vet;
        return static_cast<int>(m_rijen.size()) - 1;
    }
    void Zet(int rij, int kolom, const QString& tekst) {
        if (rij >= 0 && rij < static_cast<int>(m_rijen.size()) && kolom >= 0 && kolom < AantalGLPKolommen)
            m_rijen[static_cast<std::size_t>(rij)].cellen[static_cast<std::size_t>(kolom)] = tekst;
    }
    int AantalRijen() const { return static_cast<int>(m_rijen.size()); }

    Raster NaarRaster(int kolommen) const {
        Raster r(AantalRijen(), kolommen);
        Lettertype vet = r.CelLettertype(0, 0);
        vet.vet = true;
        for (int i = 0; i < AantalRijen(); ++i) {
            const auto& rij = m_rijen[static_cast<std::size_t>(i)];
            for (int k = 0; k < kolommen; ++k)
                r.ZetCel(i, k, rij.cellen[static_cast<std::size_t>(k)]);
            if (i == 0) continue;
            r.ZetCelUitlijning(i, 0, rij.uitlijning);
            if (rij.vet) r.ZetCelLettertype(i, 0, vet);
        }
        r.ZetCelLettertype(0, 0, vet);
        for (int k = 0; k < kolommen; ++k) {
            r.ZetKolomUitlijning(k, k == 0 ? UitlijningLinks : UitlijningRechts);
            r.ZetKolomBreedte(k, GLPKolomBreedte(k));
        }
        return r;
    }

private:
    struct RijInhoud {
        std::array<QString, AantalGLPKolommen> cellen;
        int16_t uitlijning = UitlijningLinks;
        bool vet = false;
    };
    std::vector<RijInhoud> m_rijen;
};

// What the fillers of one column share.
struct Kolom {
    Opbouw& tabel;
    int r;
    int m;
    int ingang; // 1..4
    int g;      // generation 1..5
    int kolom() const { return g; }
};

// The temperature unit as a cell shows it: "K" with a blank before it, "°C" and "°F" as they are.
QString EenheidTekst(const QString& eenheid) {
    return eenheid == QLatin1String("K") ? QStringLiteral(" K") : eenheid;
}

QString TemperatuurEenheid(int r, int m, int ingang) {
    return Racks[r].Modules[m].Temperatuur[ingang].Unit.getrimd();
}

// T(x): a temperature in °C in the input's temperature unit.
QString TemperatuurCel(const Kolom& k, float celsius) {
    const QString eenheid = TemperatuurEenheid(k.r, k.m, k.ingang);
    return OpmaakSingle(CelsiusNaarEenheid(celsius, eenheid), FormaatDecimalen(k.r, k.m, k.ingang)) +
           EenheidTekst(eenheid);
}

// S(x): a duration in whole seconds.
QString DuurCel(float seconden) {
    return OpmaakSingle(std::fabs(seconden), QStringLiteral("0")) + QStringLiteral(" s");
}

QString MillivoltCel(float mV) {
    return OpmaakSingle(mV, QStringLiteral("0.0")) + QStringLiteral(" mV");
}

QString ConcentratieCel(float logConcentratie) {
    return ConcentratieTekst(logConcentratie);
}

QString ZonderAmpersand(int tekst) {
    return VervangAmpersand(Tekst[tekst], QString());
}

// The record `nummer` of the module's calibration file; nothing when the file does not exist or cannot
// be read.
std::optional<KalibratieRecord> LeesRecord(int r, int m, int nummer) {
    const QString bestand = KalibratieBestandsnaam(r, m, MapKalibratie, QStringLiteral(".cal"));
    if (!BestandBestaat(bestand)) return std::nullopt;
    QByteArray inhoud;
    if (!platform::LeesBestand(bestand, inhoud)) return std::nullopt;
    return LeesKalibratieRecord(inhoud, nummer);
}

// Date and time of a calibration in rows 1 and 2; "Not calibrated!" in row 1 and false for an empty
// record.
bool DatumEnTijd(const Kolom& k, const KalibratieRecord& rec) {
    if (rec.Tijdstip == 0) {
        k.tabel.Zet(1, k.kolom(), Tekst[TekstNietGekalibreerd]);
        return false;
    }
    k.tabel.Zet(1, k.kolom(), platform::KorteDatum(rec.Tijdstip));
    k.tabel.Zet(2, k.kolom(), platform::LangeTijd(rec.Tijdstip));
    return true;
}

QString Instellingen() {
    return Tekst[127] + QLatin1Char(':');
}

bool Millivolt(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    if (k.g == 1) {
        t.Rij(Tekst[271], UitlijningLinks, false);
        t.Rij(Tekst[277], UitlijningLinks, false);
        t.Rij(Tekst[337], UitlijningLinks, false);
    }
    if (!DatumEnTijd(k, rec)) return false;
    const QString fw = FormaatWaarde(k.r, k.m, k.ingang);
    t.Zet(3, k.kolom(), OpmaakSingle(rec.Nulpunt, fw) + QStringLiteral(" mV"));
    t.Zet(4, k.kolom(), OpmaakSingle(rec.Standaard1, fw) + QStringLiteral(" mV"));
    t.Zet(5, k.kolom(), TemperatuurCel(k, rec.Temperatuur1));
    return true;
}

// Rows of one standard: potential, temperature, time, right-aligned under it.
void StandaardLabels(Opbouw& t) {
    t.Rij(Tekst[390], UitlijningRechts, false);
    t.Rij(Tekst[337], UitlijningRechts, false);
    t.Rij(Tekst[154], UitlijningRechts, false);
}

void StandaardWaarden(const Kolom& k, int rij, float mV, float temperatuur, float duur) {
    k.tabel.Zet(rij, k.kolom(), MillivoltCel(mV));
    k.tabel.Zet(rij + 1, k.kolom(), TemperatuurCel(k, temperatuur));
    k.tabel.Zet(rij + 2, k.kolom(), DuurCel(duur));
}

bool PH(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    if (k.g == 1) {
        t.Rij(Tekst[153], UitlijningLinks, false);
        t.Rij(Tekst[270], UitlijningLinks, false);
        t.Rij(Tekst[415] + QStringLiteral(" 1"), UitlijningLinks, false);
        StandaardLabels(t);
        t.Rij(Tekst[415] + QStringLiteral(" 2"), UitlijningLinks, false);
        StandaardLabels(t);
    }
    if (!DatumEnTijd(k, rec)) return false;
    const QString fw = FormaatWaarde(k.r, k.m, k.ingang);
    t.Zet(3, k.kolom(), OpmaakSingle(GeldigNulpuntPH(rec.Nulpunt), fw) + QStringLiteral(" pH"));
    t.Zet(4, k.kolom(),
          OpmaakSingle(GeldigeHellingPH(rec.Helling) * 100, QStringLiteral("0.0")) + QStringLiteral(" %"));
    t.Zet(5, k.kolom(), OpmaakSingle(rec.Standaard1, fw) + QStringLiteral(" pH"));
    StandaardWaarden(k, 6, rec.MilliVolt1, rec.Temperatuur1, rec.Duur1);
    if (rec.Standaard2 == 0) {
        t.Zet(9, k.kolom(), Tekst[TekstNietGekalibreerd]);
        return true;
    }
    t.Zet(9, k.kolom(), OpmaakSingle(rec.Standaard2, fw) + QStringLiteral(" pH"));
    StandaardWaarden(k, 10, rec.MilliVolt2, rec.Temperatuur2, rec.Duur2);
    return true;
}

bool Ion(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    if (k.g == 1) {
        t.Rij(Tekst[270], UitlijningLinks, false);
        t.Rij(Tekst[275], UitlijningLinks, false);
        t.Rij(Tekst[294] + QStringLiteral(" 1"), UitlijningLinks, false);
        StandaardLabels(t);
        t.Rij(Tekst[294] + QStringLiteral(" 2"), UitlijningLinks, false);
        StandaardLabels(t);
        t.Rij(Tekst[416], UitlijningLinks, false);
        t.Rij(Instellingen(), UitlijningLinks, true);
        const int ion = t.Rij(Tekst[155], UitlijningLinks, false);
        // The ion the input is set to now.
        t.Zet(ion, 1, IonNaam(Racks[k.r].Modules[k.m].Meting[k.ingang].Resolution));
    }
    if (!DatumEnTijd(k, rec)) return false;
    t.Zet(3, k.kolom(), OpmaakSingle(rec.Helling, QStringLiteral("0.0")) + QLatin1Char(' ') + Tekst[372]);
    t.Zet(4, k.kolom(), ConcentratieCel(-rec.Nulpunt));
    t.Zet(5, k.kolom(), ConcentratieCel(rec.Standaard1));
    StandaardWaarden(k, 6, rec.MilliVolt1, rec.Temperatuur1, rec.Duur1);
    // An ion calibration always has two standards: 0 is log10 of 1 g/l, not a missing standard. The
    // record's date alone tells a calibration.
    t.Zet(9, k.kolom(), ConcentratieCel(rec.Standaard2));
    StandaardWaarden(k, 10, rec.MilliVolt2, rec.Temperatuur2, rec.Duur2);
    t.Zet(13, k.kolom(),
          rec.Blanco > -2000 && rec.Blanco < 2000 ? MillivoltCel(rec.Blanco) : Tekst[TekstNietGekalibreerd]);
    return true;
}

bool Zuurstof(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    if (k.g == 1) {
        t.Rij(Tekst[277], UitlijningLinks, false);
        t.Rij(Tekst[390], UitlijningLinks, false);
        t.Rij(Tekst[337], UitlijningLinks, false);
        t.Rij(Tekst[274], UitlijningLinks, false);
        t.Rij(Instellingen(), UitlijningLinks, true);
        const int zout = t.Rij(Tekst[273], UitlijningLinks, false);
        const int druk = t.Rij(Tekst[274], UitlijningLinks, false);
        t.Zet(zout, 1,
              OpmaakSingle(Racks[k.r].Modules[k.m].Meting[k.ingang].Extra, QStringLiteral("0.0")) +
                  QStringLiteral(" g/kg"));
        t.Zet(druk, 1, OpmaakSingle(Luchtdruk, QStringLiteral("0")) + QStringLiteral(" hPa"));
    }
    if (!DatumEnTijd(k, rec)) return false;
    t.Zet(3, k.kolom(),
          OpmaakSingle(rec.Standaard1, FormaatWaarde(k.r, k.m, k.ingang)) + QStringLiteral(" mg/l"));
    t.Zet(4, k.kolom(), MillivoltCel(rec.MilliVolt1));
    t.Zet(5, k.kolom(), TemperatuurCel(k, rec.Temperatuur1));
    t.Zet(6, k.kolom(), OpmaakSingle(rec.Standaard2, QStringLiteral("0")) + QStringLiteral(" hPa"));
    return true;
}

// The temperature layout of input `ingang` (a temperature channel, or a measuring input set to °C).
bool Temperatuur(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    const QString eenheid = TemperatuurEenheid(k.r, k.m, k.ingang);
    if (k.g == 1) {
        t.Rij(Tekst[271], UitlijningLinks, false);
        t.Rij(Tekst[277], UitlijningLinks, false);
        t.Rij(Instellingen(), UitlijningLinks, true);
        const int hand = t.Rij(Tekst[310], UitlijningLinks, false);
        const int gedeeld = t.Rij(Tekst[487], UitlijningLinks, false);
        t.Zet(hand, 1,
              OpmaakSingle(CelsiusNaarEenheid(HandTemperaturen[k.r][k.m][k.ingang], eenheid),
                           QStringLiteral("0.0")) +
                  EenheidTekst(eenheid));
        const int s = GedeeldeTemperatuurIngang(k.r, k.m);
        QString tekst = ZonderAmpersand(100);
        if (s != 0 && s == k.ingang)
            tekst = ZonderAmpersand(99);
        else if (s != 0 && Racks[k.r].Modules[k.m].Temperatuur[k.ingang].UseShared)
            tekst = Tekst[488] + QString::number(s);
        t.Zet(gedeeld, 1, tekst);
    }
    if (!DatumEnTijd(k, rec)) return false;
    t.Zet(3, k.kolom(),
          OpmaakSingle(VerschilNaarEenheid(GeldigeTemperatuurOffset(rec.Nulpunt), eenheid),
                       FormaatDecimalen(k.r, k.m, k.ingang)) +
              EenheidTekst(eenheid));
    t.Zet(4, k.kolom(), TemperatuurCel(k, rec.Standaard1));
    return true;
}

// The cell type stored in a conductivity record, rounded to the nearest whole number (ties to even); a
// value no 16-bit number holds counts as 0.
int Celtype(float waarde) {
    const double t = std::nearbyint(static_cast<double>(waarde));
    return t >= std::numeric_limits<int16_t>::min() && t <= std::numeric_limits<int16_t>::max()
               ? static_cast<int>(t)
               : 0;
}

bool Geleidbaarheid(const Kolom& k, const KalibratieRecord& rec) {
    Opbouw& t = k.tabel;
    if (k.g == 1) {
        t.Rij(Tekst[316], UitlijningLinks, false);
        t.Rij(Tekst[294], UitlijningLinks, false);
        t.Rij(Tekst[337], UitlijningLinks, false);
        t.Rij(Tekst[154], UitlijningLinks, false);
        t.Rij(Instellingen(), UitlijningLinks, true);
        const int compensatie = t.Rij(Tekst[359], UitlijningLinks, false);
        const int referentie = t.Rij(Tekst[360], UitlijningLinks, false);
        const int cel = t.Rij(Tekst[329], UitlijningLinks, false);
        const int bereik = t.Rij(Tekst[237], UitlijningLinks, false);
        const int capacitief = t.Rij(Tekst[465], UitlijningLinks, false);
        t.Zet(compensatie, 1, CompensatieTekst());
        if (TemperatuurCompensatie)
            t.Zet(referentie, 1, ReferentieTemperatuurTekst(TemperatuurEenheid(k.r, k.m, k.ingang)));
        t.Zet(cel, 1, CelconstanteGLPTekst(k.r, k.m, k.ingang));
        t.Zet(bereik, 1, GeleidbaarheidGLPTekst(k.r, k.m, k.ingang));
        t.Zet(capacitief, 1, InstellingTekstK762(k.r, k.m, k.ingang));
    }
    if (!DatumEnTijd(k, rec)) return false;
    t.Zet(3, k.kolom(),
          CelconstanteTekst(GeldigeCelconstanteFactor(rec.Helling), Celtype(rec.Blanco)) +
              QStringLiteral(" cm-1"));
    const QString standaard = KClStandaardNaam(GeleidbaarheidTekst(rec.Standaard1, -1, 0, true));
    t.Zet(4, k.kolom(), standaard);
    // After a cell constant typed in by hand there was no measurement.
    if (standaard != Tekst[481]) {
        t.Zet(5, k.kolom(), TemperatuurCel(k, rec.Temperatuur1));
        t.Zet(6, k.kolom(), DuurCel(rec.Duur1));
    }
    return true;
}

using Vuller = bool (*)(const Kolom&, const KalibratieRecord&);

// The filler and record kind of channel kanaal (1..8) of a module; no filler when there is no layout.
struct Keuze {
    Vuller vuller = nullptr;
    int soort = 0;
    int soorten = 0;
};

Keuze KiesLayout(const Model& model, const QString& eenheid, int kanaal) {
    if (!model.Bekend()) return {};
    const int soorten = model.kalibratieSoorten;
    if (kanaal > AantalIngangen) return {Temperatuur, soorten, soorten};
    const Modeleenheid& e =
        model.glpSoort != Eenheidsoort::Anders ? model.MetSoort(model.glpSoort) : model.Eenheid(eenheid);
    switch (e.soort) {
    case Eenheidsoort::Millivolt:
        return {Millivolt, e.kalibratiesoort, soorten};
    case Eenheidsoort::PH:
        return {PH, e.kalibratiesoort, soorten};
    case Eenheidsoort::ZuurstofMgL:
    case Eenheidsoort::ZuurstofProcent:
        return {Zuurstof, e.kalibratiesoort, soorten};
    case Eenheidsoort::Ion:
        return {Ion, e.kalibratiesoort, soorten};
    case Eenheidsoort::Temperatuur:
        return {Temperatuur, e.kalibratiesoort, soorten};
    case Eenheidsoort::Geleidbaarheid:
    case Eenheidsoort::TDS:
        return {Geleidbaarheid, e.kalibratiesoort, soorten};
    case Eenheidsoort::Anders:
        break;
    }
    return {};
}

// VulGLPKolom: one generation into its column; false when it holds no calibration (or none can be
// shown), which ends the columns.
bool VulGLPKolom(Opbouw& tabel, int r, int m, int kanaal, int g) {
    const ModuleRecord& module = Racks[r].Modules[m];
    const int ingang = kanaal > AantalIngangen ? kanaal - AantalIngangen : kanaal;
    const Keuze keuze = KiesLayout(ModelVan(module), module.Meting[ingang].Unit.getrimd(), kanaal);
    if (!keuze.vuller) return false;
    const std::optional<KalibratieRecord> rec =
        LeesRecord(r, m, KalibratieRecordNummer(g - 1, ingang, keuze.soort, keuze.soorten));
    if (!rec) return false;
    return keuze.vuller(Kolom{tabel, r, m, ingang, g}, *rec);
}

QString KopKolom0() {
    QString kop = Tekst[263];
    kop.remove(QLatin1Char('#'));
    return kop.trimmed().replace(QStringLiteral(" :"), QStringLiteral(":"));
}

} // namespace

double GLPKolomBreedte(int kolom) {
    const double b = TekstNaarLong(LeesInstelling(AppNaam, QStringLiteral("Report"),
                                                  QStringLiteral("GLP Colwidth ") + QString::number(kolom),
                                                  QStringLiteral("2000")));
    return b < 0 ? 1250 : b;
}

int GLPRecordNummer(const QString& type, const QString& eenheid, int k, int g) {
    if (k < 1 || k > AantalGLPKanalen || g < 1 || g > AantalGeneraties) return 0;
    const Keuze keuze = KiesLayout(ModelMetNaam(type), eenheid, k);
    if (!keuze.vuller) return 0;
    const int ingang = k > AantalIngangen ? k - AantalIngangen : k;
    return KalibratieRecordNummer(g - 1, ingang, keuze.soort, keuze.soorten);
}

Raster StelGLPTabelIn(int r, int m, int k) {
    Opbouw tabel;
    tabel.Zet(0, 0, KopKolom0());
    for (int c = 1; c < AantalGLPKolommen; ++c)
        tabel.Zet(0, c, Tekst[392 + c]);
    int kolommen = AantalGLPKolommen;
    const bool geldig =
        r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules && k >= 1 && k <= AantalGLPKanalen;
    for (int c = 1; c < AantalGLPKolommen; ++c) {
        if (!geldig || !VulGLPKolom(tabel, r, m, k, c)) {
            kolommen = c == 1 ? 2 : c;
            break;
        }
    }
    return tabel.NaarRaster(kolommen);
}
