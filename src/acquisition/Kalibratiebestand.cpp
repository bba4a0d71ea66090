#include "acquisition/Kalibratiebestand.h"

#include "acquisition/K761.h"
#include "acquisition/K761Teksten.h"
#include "acquisition/K762.h"
#include "acquisition/K762Teksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Temperatuur.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Teksten.h"

#include <QtEndian>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int TekstToegangGeweigerd = 234; // "The file is in use, access to # is rejected!"

bool geldigeModule(int r, int m) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules;
}

// The inputs a load covers: c alone, or 1..4 for c = 0; none for any other c.
std::pair<int, int> ingangenVan(int c) {
    if (c == 0) return {1, AantalIngangen};
    if (c >= 1 && c <= AantalIngangen) return {c, c};
    return {1, 0};
}

// The eleven single fields in file order.
std::array<float*, 11> velden(KalibratieRecord& r) {
    return {&r.Nulpunt,    &r.Helling,      &r.Blanco,       &r.Standaard1, &r.Standaard2, &r.MilliVolt1,
            &r.MilliVolt2, &r.Temperatuur1, &r.Temperatuur2, &r.Duur1,      &r.Duur2};
}

// The unit of a channel, trimmed and written back trimmed.
QString getrimdeEenheid(KanaalRecord& k) {
    const QString e = k.Unit.getrimd();
    k.Unit = e;
    return e;
}

QString pad(int r, int m) {
    return KalibratieBestandsnaam(r, m, MapKalibratie, QStringLiteral(".cal"));
}

void meldToegang(const QString& bestand) {
    ToonMelding(VervangHekje(Tekst[TekstToegangGeweigerd], bestand), vbExclamation, bestand);
}

// A calibration file as it was read: whether it exists and, if so, its contents.
struct Gelezen {
    bool bestaat = false;
    QByteArray inhoud;
};

// The file at `bestand`: nothing read when it does not exist (bestaat false, contents empty); nothing
// (with a message when `melden`) when it exists but cannot be read.
std::optional<Gelezen> leesInhoud(const QString& bestand, bool melden) {
    Gelezen gelezen;
    gelezen.bestaat = BestandBestaat(bestand);
    if (!gelezen.bestaat) return gelezen;
    if (platform::LeesBestand(bestand, gelezen.inhoud)) return gelezen;
    if (melden) meldToegang(bestand);
    return std::nullopt;
}

// Replaces the file safely; a message with the system's reason when it cannot be written.
bool schrijfInhoud(const QString& bestand, const QByteArray& inhoud, bool melden) {
    if (platform::SchrijfBestandVeilig(bestand, inhoud)) return true;
    if (melden) ToonMelding(SchrijffoutTekst(bestand), vbExclamation, bestand);
    return false;
}

// A value of a calibration text (a standard, a reading), or 0 when it lies outside what the module can
// measure: a damaged file never shows a number no calibration can have given.
float Waarneembaar(float x, float laag, float hoog) {
    return x >= laag && x <= hoog ? x : 0.0f;
}
constexpr float MaxMillivolt = 2000.0f;
constexpr float MaxPH = 14.0f;
constexpr float MaxZuurstof = 60.0f;    // mg/l
constexpr float MinLuchtdruk = 800.0f;  // hPa
constexpr float MaxLuchtdruk = 1200.0f; // hPa
constexpr float MinTemperatuur = -30.0f;
constexpr float MaxTemperatuur = 130.0f;

// The temperature channel of input c from its record: text, date, offset, scale 1, manual temperature.
void laadTemperatuur(int c, ModuleRecord& module, Handwaarden& hand, const KalibratieRecord& rec) {
    KanaalRecord& t = module.Temperatuur[c];
    const QString eenheid = getrimdeEenheid(t);
    t.KalibratieTekst =
        OpmaakSingle(
            CelsiusNaarEenheid(Waarneembaar(rec.Standaard1, MinTemperatuur, MaxTemperatuur), eenheid),
            QStringLiteral("0.0")) +
        eenheid;
    t.KalibratieDatum = rec.Tijdstip;
    t.Offset = GeldigeTemperatuurOffset(rec.Nulpunt);
    t.Scale = 1.0f;
    hand[c] = GeldigeHandTemperatuur(rec.Temperatuur2);
}

void laadIngangK761(int c, ModuleRecord& module, Handwaarden& hand, const QByteArray& inhoud) {
    KanaalRecord& k = module.Meting[c];
    const QString eenheid = getrimdeEenheid(k);
    auto record = [&](int soort) {
        return LeesKalibratieRecord(inhoud, KalibratieRecordNummer(0, c, soort, SoortenK761));
    };
    const QString f00 = QStringLiteral("0.00");
    const Modeleenheid& e = ModelMetType(Modeltype::K761).Eenheid(eenheid);
    switch (e.soort) {
    case Eenheidsoort::Millivolt: {
        const KalibratieRecord rec = record(e.kalibratiesoort);
        k.KalibratieTekst =
            OpmaakSingle(Waarneembaar(rec.Standaard1, -MaxMillivolt, MaxMillivolt), QStringLiteral("0.0")) +
            QStringLiteral(" mV");
        k.Offset = GeldigeOffsetMV(rec.Nulpunt);
        k.Scale = 1.0f;
        k.KalibratieDatum = rec.Tijdstip;
        break;
    }
    case Eenheidsoort::PH: {
        const KalibratieRecord rec = record(e.kalibratiesoort);
        const float buffer1 = Waarneembaar(rec.Standaard1, 0.0f, MaxPH);
        const float buffer2 = Waarneembaar(rec.Standaard2, 0.0f, MaxPH);
        k.KalibratieTekst = OpmaakSingle(buffer1, f00);
        if (buffer2 != 0.0f) k.KalibratieTekst += QLatin1Char('/') + OpmaakSingle(buffer2, f00);
        k.KalibratieTekst += QStringLiteral(" pH");
        k.Offset = GeldigNulpuntPH(rec.Nulpunt);
        k.Scale = GeldigeHellingPH(rec.Helling);
        k.KalibratieDatum = rec.Tijdstip;
        break;
    }
    case Eenheidsoort::ZuurstofMgL:
    case Eenheidsoort::ZuurstofProcent: {
        const KalibratieRecord rec = record(e.kalibratiesoort);
        k.KalibratieTekst =
            OpmaakSingle(Waarneembaar(rec.Standaard1, 0.0f, MaxZuurstof), f00) + QStringLiteral(" mg/l - ") +
            OpmaakSingle(Waarneembaar(rec.Standaard2, MinLuchtdruk, MaxLuchtdruk), QStringLiteral("0")) +
            QStringLiteral(" hPa");
        k.KalibratieInfo =
            OpmaakSingle(Waarneembaar(rec.MilliVolt1, -MaxMillivolt, MaxMillivolt), QStringLiteral("0.0")) +
            QStringLiteral(" mV");
        k.Offset = 0.0f;
        k.Scale = GeldigeZuurstofSchaal(rec.Helling);
        k.KalibratieDatum = rec.Tijdstip;
        break;
    }
    case Eenheidsoort::Ion: {
        const KalibratieRecord rec = record(e.kalibratiesoort);
        float s1 = rec.Standaard1;
        float s2 = rec.Standaard2;
        k.KalibratieTekst = ConcentratieTekst(s1) + QStringLiteral(" - ") + ConcentratieTekst(s2);
        k.Offset = GeldigeOffsetISE(rec.Nulpunt);
        k.Scale = GeldigeHellingISE(rec.Helling);
        if (rec.Tijdstip != 0.0 && rec.Blanco > -2000.0f && rec.Blanco < 2000.0f) {
            k.Extra = BerekenLogConcentratie(rec.Blanco, k.Scale, k.Offset);
            k.KalibratieInfo = OpmaakSingle(rec.Blanco, QStringLiteral("0.0")) + QStringLiteral(" mV");
        } else {
            k.Extra = 0.0f;
        }
        k.KalibratieDatum = rec.Tijdstip;
        break;
    }
    default:
        // A measuring input set to "°C" has no record of its own and keeps what it holds.
        break;
    }
    laadTemperatuur(c, module, hand, record(5));
}

void laadIngangK762(int c, ModuleRecord& mod, Handwaarden& hand, const QByteArray& inhoud) {
    KanaalRecord& k = mod.Meting[c];
    const KalibratieRecord rec = LeesKalibratieRecord(inhoud, KalibratieRecordNummer(0, c, 1, SoortenK762));
    k.KalibratieTekst = GeleidbaarheidTekst(rec.Standaard1, -1, 0, true);
    k.Offset = 0.0f;
    k.Scale = GeldigeCelconstanteFactor(rec.Helling);
    k.KalibratieDatum = rec.Tijdstip;
    // The cell type of the calibration, nearest whole number with ties to even; a value no 16-bit
    // number can hold reads as 0.
    const double celtype = std::nearbyint(static_cast<double>(rec.Blanco));
    const bool past =
        celtype >= std::numeric_limits<int16_t>::min() && celtype <= std::numeric_limits<int16_t>::max();
    k.KalibratieInfo = past ? static_cast<int>(celtype) : 0;
    mod.Temperatuur[c].Extra = GeldigeNulwaardeK762(rec.MilliVolt2);
    laadTemperatuur(c, mod, hand, LeesKalibratieRecord(inhoud, KalibratieRecordNummer(0, c, 2, SoortenK762)));
}

// Generation 0 of every input of a new file.
QByteArray nieuweInhoud(int soorten) {
    QByteArray inhoud;
    for (int c = 1; c <= AantalIngangen; ++c)
        for (int k = 1; k <= soorten; ++k) {
            KalibratieRecord rec;
            const bool temperatuurRecord = k == soorten;
            if (!temperatuurRecord || soorten == SoortenK761) rec.Helling = 1.0f;
            if (temperatuurRecord) rec.Temperatuur2 = 25.0f;
            SchrijfKalibratieRecord(inhoud, KalibratieRecordNummer(0, c, k, soorten), rec);
        }
    return inhoud;
}

using LaadIngang = void (*)(int, ModuleRecord&, Handwaarden&, const QByteArray&);

bool laad(int r, int m, int c, ModuleRecord& module, Handwaarden& hand, int soorten, LaadIngang laadIngang,
          void (*standaard)(ModuleRecord&)) {
    if (!geldigeModule(r, m)) return false;
    const QString bestand = pad(r, m);
    const std::optional<Gelezen> gelezen = leesInhoud(bestand, false);
    if (!gelezen) return false;
    if (!gelezen->bestaat) {
        standaard(module);
        return schrijfInhoud(bestand, nieuweInhoud(soorten), false);
    }
    const auto [van, tot] = ingangenVan(c);
    for (int i = van; i <= tot; ++i)
        laadIngang(i, module, hand, gelezen->inhoud);
    return true;
}

int soortK761(const QString& eenheid) {
    return ModelMetType(Modeltype::K761).Eenheid(eenheid).kalibratiesoort;
}

int soortK762(const QString& eenheid) {
    return ModelMetType(Modeltype::K762).Eenheid(eenheid).kalibratiesoort;
}

bool bewaar(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record, bool temperatuur,
            int soorten, int (*soortVanEenheid)(const QString&)) {
    if (!geldigeModule(r, m) || c < 1 || c > AantalIngangen) return false;
    const QString bestand = pad(r, m);
    int soort = soorten;
    if (temperatuur)
        record.Temperatuur2 = HandTemperaturen[r][m][c];
    else
        soort = soortVanEenheid(getrimdeEenheid(module.Meting[c]));
    if (soort == 0) return false;
    std::optional<Gelezen> gelezen = leesInhoud(bestand, true);
    if (!gelezen) return false;
    QByteArray& inhoud = gelezen->inhoud;
    if (gelezen->bestaat)
        for (int g = AantalGeneraties - 1; g >= 1; --g)
            SchrijfKalibratieRecord(
                inhoud, KalibratieRecordNummer(g, c, soort, soorten),
                LeesKalibratieRecord(inhoud, KalibratieRecordNummer(g - 1, c, soort, soorten)));
    SchrijfKalibratieRecord(inhoud, KalibratieRecordNummer(0, c, soort, soorten), record);
    return schrijfInhoud(bestand, inhoud, true);
}

void zetSingle(char* p, float w) {
    qToLittleEndian(std::bit_cast<quint32>(w), p);
}
float leesSingle(const char* p) {
    const float w = std::bit_cast<float>(qFromLittleEndian<quint32>(p));
    return std::isfinite(w) ? w : 0.0f;
}

} // namespace

QString RackBestandsnaam(int rack, const QString& map, const QString& achtervoegsel) {
    if (rack < 1 || rack > AantalRacks) return QString();
    QString naam = map + QStringLiteral("/Rack") +
                   IdnoAlsTekst(Racks[rack].Idno).replace(QLatin1Char('.'), QLatin1Char('-')) + achtervoegsel;
    if (naam.indexOf(QStringLiteral("//"), 1) >= 0)
        naam = naam.left(1) + naam.mid(1).replace(QStringLiteral("//"), QStringLiteral("/"));
    return naam;
}

QString KalibratieBestandsnaam(int rack, int module, const QString& map, const QString& achtervoegsel) {
    return RackBestandsnaam(rack, map, QStringLiteral("-M") + QString::number(module) + achtervoegsel);
}

int KalibratieRecordNummer(int generatie, int ingang, int soort, int soorten) {
    return (generatie * AantalIngangen + (ingang - 1)) * soorten + soort;
}

QByteArray KalibratieRecordNaarBytes(const KalibratieRecord& record) {
    QByteArray b(KalibratieRecordLengte, '\0');
    qToLittleEndian(std::bit_cast<quint64>(record.Tijdstip), b.data());
    KalibratieRecord kopie = record;
    int plaats = 8;
    for (float* veld : velden(kopie)) {
        zetSingle(b.data() + plaats, *veld);
        plaats += 4;
    }
    return b;
}

KalibratieRecord LeesKalibratieRecord(const QByteArray& inhoud, int nummer) {
    KalibratieRecord r;
    if (nummer < 1) return r;
    const qsizetype begin = qsizetype(nummer - 1) * KalibratieRecordLengte;
    if (begin >= inhoud.size()) return r;
    QByteArray b = inhoud.mid(begin, KalibratieRecordLengte);
    b.append(QByteArray(KalibratieRecordLengte - b.size(), '\0'));
    const double tijdstip = std::bit_cast<double>(qFromLittleEndian<quint64>(b.constData()));
    r.Tijdstip = platform::IsGeldigeDatum(tijdstip) ? tijdstip : 0.0;
    int plaats = 8;
    for (float* veld : velden(r)) {
        *veld = leesSingle(b.constData() + plaats);
        plaats += 4;
    }
    return r;
}

void SchrijfKalibratieRecord(QByteArray& inhoud, int nummer, const KalibratieRecord& record) {
    if (nummer < 1) return;
    const qsizetype begin = qsizetype(nummer - 1) * KalibratieRecordLengte;
    if (inhoud.size() < begin + KalibratieRecordLengte) inhoud.resize(begin + KalibratieRecordLengte, '\0');
    inhoud.replace(begin, KalibratieRecordLengte, KalibratieRecordNaarBytes(record));
}

void StandaardKalibratieK761(ModuleRecord& mod) {
    for (int c = 1; c <= AantalIngangen; ++c) {
        KanaalRecord& k = mod.Meting[c];
        switch (ModelMetType(Modeltype::K761).Soort(k.Unit.getrimd())) {
        case Eenheidsoort::Millivolt:
            k.Offset = 0.0f;
            k.Scale = 1.0f;
            break;
        case Eenheidsoort::PH:
            k.Offset = 7.0f;
            k.Scale = 1.0f;
            break;
        case Eenheidsoort::ZuurstofMgL:
        case Eenheidsoort::ZuurstofProcent:
            k.Offset = 0.0f;
            k.Scale = StandaardZuurstofSchaal;
            break;
        case Eenheidsoort::Ion:
            k.Offset = 0.0f;
            k.Scale = 1.0f;
            k.Extra = 0.0f; // the blank comes from the calibration
            break;
        default:
            break;
        }
        // The Extra of the other units (the salinity of an oxygen input) is the user's setting from the
        // rack configuration and stays.
        KanaalRecord& t = mod.Temperatuur[c];
        t.Offset = 0.0f;
        t.Scale = 1.0f;
        t.Extra = 0.0f;
        for (KanaalRecord* kanaal : {&k, &t}) {
            kanaal->KalibratieDatum = 0;
            kanaal->KalibratieTekst = QStringLiteral("0");
        }
    }
}

void StandaardKalibratieK762(ModuleRecord& mod) {
    for (int c = 1; c <= AantalIngangen; ++c) {
        // The zero value comes from the calibration; the cell type (the measuring input's Extra) is the
        // user's setting from the rack configuration and stays.
        mod.Temperatuur[c].Extra = 0.0f;
        for (KanaalRecord* kanaal : {&mod.Meting[c], &mod.Temperatuur[c]}) {
            kanaal->Offset = 0.0f;
            kanaal->Scale = 1.0f;
            kanaal->KalibratieDatum = 0;
            kanaal->KalibratieTekst = QStringLiteral("0");
            kanaal->KalibratieInfo = 0;
        }
    }
}

void StandaardKalibratieK761(int r, int m) {
    if (geldigeModule(r, m)) StandaardKalibratieK761(Racks[r].Modules[m]);
}

void StandaardKalibratieK762(int r, int m) {
    if (geldigeModule(r, m)) StandaardKalibratieK762(Racks[r].Modules[m]);
}

bool LaadKalibratieK761(int r, int m, int c, ModuleRecord& module, Handwaarden& hand) {
    return laad(r, m, c, module, hand, SoortenK761, laadIngangK761, StandaardKalibratieK761);
}

bool LaadKalibratieK762(int r, int m, int c, ModuleRecord& module, Handwaarden& hand) {
    return laad(r, m, c, module, hand, SoortenK762, laadIngangK762, StandaardKalibratieK762);
}

namespace {
// A load into `module` whose manual temperatures go into HandTemperaturen.
bool laadMetHandTemperaturen(int r, int m, int c, ModuleRecord& module,
                             bool (*laden)(int, int, int, ModuleRecord&, Handwaarden&)) {
    if (!geldigeModule(r, m)) return false;
    Handwaarden hand{};
    for (int i = 1; i <= AantalIngangen; ++i)
        hand[i] = HandTemperaturen[r][m][i];
    const bool gelukt = laden(r, m, c, module, hand);
    for (int i = 1; i <= AantalIngangen; ++i)
        HandTemperaturen[r][m][i] = hand[i];
    return gelukt;
}
} // namespace

bool LaadKalibratieK761(int r, int m, int c, ModuleRecord& module) {
    return laadMetHandTemperaturen(r, m, c, module, LaadKalibratieK761);
}

bool LaadKalibratieK762(int r, int m, int c, ModuleRecord& module) {
    return laadMetHandTemperaturen(r, m, c, module, LaadKalibratieK762);
}

bool LaadKalibratieK761(int r, int m, int c) {
    return geldigeModule(r, m) && LaadKalibratieK761(r, m, c, Racks[r].Modules[m]);
}

bool LaadKalibratieK762(int r, int m, int c) {
    return geldigeModule(r, m) && LaadKalibratieK762(r, m, c, Racks[r].Modules[m]);
}

bool BewaarKalibratieK761(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                          bool temperatuur) {
    return bewaar(r, m, c, module, record, temperatuur, SoortenK761, soortK761);
}

bool BewaarKalibratieK762(int r, int m, int c, ModuleRecord& module, KalibratieRecord& record,
                          bool temperatuur) {
    return bewaar(r, m, c, module, record, temperatuur, SoortenK762, soortK762);
}

bool BewaarKalibratieK761(int r, int m, int c, KalibratieRecord& record, bool temperatuur) {
    return geldigeModule(r, m) && BewaarKalibratieK761(r, m, c, Racks[r].Modules[m], record, temperatuur);
}

bool BewaarKalibratieK762(int r, int m, int c, KalibratieRecord& record, bool temperatuur) {
    return geldigeModule(r, m) && BewaarKalibratieK762(r, m, c, Racks[r].Modules[m], record, temperatuur);
}

bool BewaarHandTemperatuurK761(int r, int m, int c, const ModuleRecord& module) {
    if (!geldigeModule(r, m) || c < 1 || c > AantalIngangen) return false;
    const int soorten = ModelVan(module).kalibratieSoorten;
    if (soorten == 0) return false;
    const QString bestand = pad(r, m);
    std::optional<Gelezen> gelezen = leesInhoud(bestand, true);
    if (!gelezen) return false;
    QByteArray& inhoud = gelezen->inhoud;
    const int nummer = KalibratieRecordNummer(0, c, soorten, soorten);
    KalibratieRecord rec = LeesKalibratieRecord(inhoud, nummer);
    rec.Temperatuur2 = HandTemperaturen[r][m][c];
    SchrijfKalibratieRecord(inhoud, nummer, rec);
    return schrijfInhoud(bestand, inhoud, true);
}

bool BewaarHandTemperatuurK761(int r, int m, int c) {
    return geldigeModule(r, m) && BewaarHandTemperatuurK761(r, m, c, Racks[r].Modules[m]);
}

bool BewaarHandTemperatuurK762(int r, int m, int c, const ModuleRecord& module) {
    if (!geldigeModule(r, m) || c < 1 || c > AantalIngangen) return false;
    if (ModelVan(module).type != Modeltype::K762) return false;
    const QString bestand = pad(r, m);
    std::optional<Gelezen> gelezen = leesInhoud(bestand, true);
    if (!gelezen || !gelezen->bestaat) return false;
    QByteArray& inhoud = gelezen->inhoud;
    const int nummer = KalibratieRecordNummer(0, c, 1, SoortenK762);
    KalibratieRecord rec = LeesKalibratieRecord(inhoud, nummer);
    rec.MilliVolt2 = module.Temperatuur[c].Extra;
    SchrijfKalibratieRecord(inhoud, nummer, rec);
    return schrijfInhoud(bestand, inhoud, true);
}

bool BewaarHandTemperatuurK762(int r, int m, int c) {
    return geldigeModule(r, m) && BewaarHandTemperatuurK762(r, m, c, Racks[r].Modules[m]);
}
