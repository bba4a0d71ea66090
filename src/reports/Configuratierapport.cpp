#include "reports/Configuratierapport.h"

#include "acquisition/K761Teksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "platform/Datum.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <QTime>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr std::array<double, AantalConfiguratieKolommen> StandaardBreedtes = {
    1200, 800, 1200, 800, 800, 900, 800, 700, 700, 700, 1750, 2000, 2000};

const QString Oplopend = QStringLiteral(" /\\");
const QString Aflopend = QStringLiteral(" \\/");

using Rij = std::array<QString, AantalConfiguratieKolommen>;

QString StatusTekst(int r, int m, int i, QString status) {
    const ModuleRecord& module = Racks[r].Modules[m];
    const KanaalRecord& k = module.Meting[i];
    const QString buiten = Tekst[120] + QLatin1Char('!');
    if (k.Flags & (VlagBovenBereik | VlagOnderBereik)) status = buiten;
    if (k.Flags & (VlagTemperatuurTeHoog | VlagTemperatuurTeLaag))
        status = module.Temperatuur[i].Unit.getrimd() + QLatin1Char(' ') + buiten;
    if (module.GeenAntwoordTeller != 0) status = Tekst[129];
    if (!RackVlaggen[r].Measure) status = Tekst[417];
    return status;
}

QString InfoTekst(const ModuleRecord& module, const KanaalRecord& k) {
    const Eenheidsoort soort = SoortVanTekst(ModelVan(module), k.Unit.getrimd());
    if (IsZuurstof(soort))
        return Tekst[273] + QStringLiteral(" = ") + OpmaakSingle(k.Extra, QStringLiteral("0.0")) +
               QStringLiteral(" g/kg");
    if (soort == Eenheidsoort::Ion) return Tekst[155] + QStringLiteral(": ") + IonNaam(k.Resolution);
    return QString();
}

Rij IngangRij(int r, int m, int i) {
    const RackRecord& rack = Racks[r];
    const ModuleRecord& module = rack.Modules[m];
    const KanaalRecord& k = module.Meting[i];
    Rij rij;
    rij[0] = rack.Name.getrimd();
    rij[1] = IdnoAlsTekst(rack.Idno);
    rij[2] = module.Name.trimmed();
    rij[3] = IdnoAlsTekst(module.Idno);
    rij[4] = module.Type.getrimd();
    rij[5] = k.Name.getrimd();
    rij[KolomIngeschakeld] = k.Set ? Vinkje : QString();
    if (!k.Set) return rij;
    rij[7] = k.Unit.getrimd();
    rij[8] = k.Sensor.getrimd();
    rij[9] = GrootheidKanaal(r, m, i);
    // A temperature input shows the date of its temperature calibration.
    const double datum = SoortVanTekst(module, i) == Eenheidsoort::Temperatuur
                             ? module.Temperatuur[i].KalibratieDatum
                             : k.KalibratieDatum;
    rij[KolomKalibratie] = KalibratieDatumTekst(datum);
    QString status;
    if (datum == 0 && KalibratieVereist(r, m, i)) status = Tekst[365];
    rij[11] = StatusTekst(r, m, i, status);
    rij[KolomStatus] = InfoTekst(module, k);
    return rij;
}

QString ZonderMarkering(QString kop) {
    if (kop.endsWith(Oplopend) || kop.endsWith(Aflopend)) kop.chop(Oplopend.size());
    return kop;
}

// The data rows (1..) in a new order: row i of the result is row volgorde[i - 1] of the old grid.
void ZetVolgorde(Raster& raster, const std::vector<int>& volgorde) {
    std::vector<Rij> oud;
    for (const int r : volgorde) {
        Rij rij;
        for (int k = 0; k < raster.AantalKolommen() && k < AantalConfiguratieKolommen; ++k)
            rij[static_cast<std::size_t>(k)] = raster.CelTekst(r, k);
        oud.push_back(rij);
    }
    for (std::size_t i = 0; i < oud.size(); ++i)
        for (int k = 0; k < raster.AantalKolommen() && k < AantalConfiguratieKolommen; ++k)
            raster.ZetCel(static_cast<int>(i) + 1, k, oud[i][static_cast<std::size_t>(k)]);
}

void SorteerOpTekst(Raster& raster, int kolom, bool aflopend) {
    std::vector<int> volgorde(static_cast<std::size_t>(std::max(0, raster.AantalRijen() - 1)));
    std::iota(volgorde.begin(), volgorde.end(), 1);
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
        for (int k = kolom; k < raster.AantalKolommen(); ++k) {
            const int v = raster.CelTekst(a, k).compare(raster.CelTekst(b, k), Qt::CaseInsensitive);
            if (v != 0) return aflopend ? v > 0 : v < 0;
        }
        return false;
    });
    ZetVolgorde(raster, volgorde);
}

} // namespace

QString KalibratieDatumTekst(double datum) {
    if (datum == 0) return QString();
    if (platform::QDateTimeUitDatum(datum).time() == QTime(0, 0)) return platform::KorteDatum(datum);
    return platform::DatumTijdTekst(datum);
}

Configuratietabel VulConfiguratieTabel() {
    std::vector<Rij> rijen;
    Configuratietabel uit;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            for (int i = 1; i <= AantalIngangen; ++i) {
                rijen.push_back(IngangRij(r, m, i));
                if (Racks[r].Modules[m].Meting[i].Set && uit.eersteIngang.Rnr == 0)
                    uit.eersteIngang = {static_cast<int16_t>(r), static_cast<int16_t>(m),
                                        static_cast<int16_t>(i)};
            }
        }
    }
    Raster& raster = uit.raster = Raster(static_cast<int>(rijen.size()) + 1, AantalConfiguratieKolommen);
    for (int k = 0; k < AantalConfiguratieKolommen; ++k) {
        raster.ZetCel(0, k, Tekst[401 + k]);
        raster.ZetKolomUitlijning(k, k == KolomIngeschakeld ? UitlijningMidden
                                     : k == KolomKalibratie ? UitlijningRechts
                                                            : UitlijningLinks);
        raster.ZetKolomBreedte(k, StandaardBreedtes[static_cast<std::size_t>(k)]);
    }
    for (std::size_t i = 0; i < rijen.size(); ++i)
        for (int k = 0; k < AantalConfiguratieKolommen; ++k)
            raster.ZetCel(static_cast<int>(i) + 1, k, rijen[i][static_cast<std::size_t>(k)]);
    return uit;
}

void WisselRijen(Raster& raster, int rij1, int rij2) {
    for (int k = 0; k < raster.AantalKolommen(); ++k) {
        const QString t = raster.CelTekst(rij1, k);
        raster.ZetCel(rij1, k, raster.CelTekst(rij2, k));
        raster.ZetCel(rij2, k, t);
    }
}

void SorteerOpDatum(Raster& raster, int kolom, bool aflopend) {
    // The dates are read once and travel with their rows.
    std::vector<double> datums(static_cast<std::size_t>(raster.AantalRijen()), 0.0);
    for (int r = 1; r < raster.AantalRijen(); ++r) {
        const QString tekst = raster.CelTekst(r, kolom).trimmed();
        double d = 0;
        if (!tekst.isEmpty() && !platform::LeesDatumTijd(tekst, d)) d = 0;
        datums[static_cast<std::size_t>(r)] = d;
    }
    for (bool gewisseld = true; gewisseld;) {
        gewisseld = false;
        for (int n = 1; n + 1 < raster.AantalRijen(); ++n) {
            double& a = datums[static_cast<std::size_t>(n)];
            double& b = datums[static_cast<std::size_t>(n) + 1];
            if (aflopend ? b > a : a > b) {
                WisselRijen(raster, n, n + 1);
                std::swap(a, b);
                gewisseld = true;
            }
        }
    }
}

void KlikKolomKop(Raster& raster, Sorteertoestand& toestand, int kolom) {
    if (kolom < 0 || kolom >= raster.AantalKolommen()) return;
    toestand.SorteerAflopend = kolom == toestand.SorteerKolom ? !toestand.SorteerAflopend : false;
    toestand.SorteerKolom = kolom;
    for (int k = 0; k < raster.AantalKolommen(); ++k)
        raster.ZetCel(0, k, ZonderMarkering(raster.CelTekst(0, k)));
    if (kolom == KolomKalibratie)
        SorteerOpDatum(raster, kolom, toestand.SorteerAflopend);
    else
        SorteerOpTekst(raster, kolom, toestand.SorteerAflopend);
    raster.ZetCel(0, kolom, raster.CelTekst(0, kolom) + (toestand.SorteerAflopend ? Aflopend : Oplopend));
}
