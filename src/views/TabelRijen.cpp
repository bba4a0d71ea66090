#include "views/TabelRijen.h"

#include "acquisition/Kanaalteksten.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/Temperatuur.h"
#include "files/Tijdbasis.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Opmaak.h"

#include <QLocale>
#include <algorithm>

namespace {

const QString OR = QStringLiteral("OR.");
const QString Blanco = QStringLiteral(" ");

// The trimmed unit of input n's temperature channel, stored back trimmed.
QString TemperatuurEenheid(int r, int m, int n) {
    KanaalRecord& t = Racks[r].Modules[m].Temperatuur[n];
    const QString eenheid = t.Unit.getrimd();
    t.Unit = eenheid;
    return eenheid;
}

// A number text of the file with the locale's decimal sign (MetDecimaalTeken, the sign found once): the
// field itself, or the text with its "." replaced in `klad`.
QStringView MetTeken(QStringView tekst, QChar teken, QString& klad) {
    if (teken == QLatin1Char('.')) return tekst;
    const char16_t* bron = tekst.utf16();
    const qsizetype n = tekst.size();
    qsizetype punt = 0;
    while (punt < n && bron[punt] != u'.')
        ++punt;
    if (punt == n) return tekst;
    // Every number cell of a file opened under a decimal comma comes here: `klad` keeps its buffer.
    if (klad.size() != n) klad.resize(n);
    char16_t* doel = reinterpret_cast<char16_t*>(klad.data());
    for (qsizetype i = 0; i < n; ++i)
        doel[i] = bron[i] == u'.' ? teken.unicode() : bron[i];
    return klad;
}

// The same characters. Units are a few characters long: compared in place, not through a call.
bool ZelfdeTekst(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.utf16()[i] != b.utf16()[i]) return false;
    return true;
}

// A text of one to eight ASCII characters as one number, every text its own; 0 for any other text.
uint64_t TekstSleutel(QStringView tekst) {
    if (tekst.isEmpty() || tekst.size() > 8) return 0;
    uint64_t sleutel = 0;
    for (const QChar c : tekst) {
        if (c.unicode() == 0 || c.unicode() >= 0x80) return 0;
        sleutel = sleutel << 8 | c.unicode();
    }
    return sleutel;
}

// The flags field: a decimal byte; most rows hold one digit.
uint8_t Vlaggen(QStringView tekst) {
    if (tekst.size() == 1 && tekst[0] >= QLatin1Char('0') && tekst[0] <= QLatin1Char('9'))
        return static_cast<uint8_t>(tekst[0].unicode() - '0');
    return tekst.isEmpty() ? 0 : TekstNaarByte(tekst.toString());
}

// The text already is the number as the pattern with `decimalen` decimals ("0" or "0.0") writes it: an
// optional minus, digits without a leading zero, and exactly the pattern's decimals; at most six digits,
// which a single holds exactly, and not a negative zero. Reading and formatting it again would give the
// same text.
bool IsOpgemaakt(QStringView tekst, qsizetype decimalen) {
    if (decimalen < 0) return false;
    const qsizetype n = tekst.size();
    qsizetype i = n > 0 && tekst[0] == QLatin1Char('-') ? 1 : 0;
    const qsizetype begin = i;
    bool nietNul = false;
    while (i < n && tekst[i] >= u'0' && tekst[i] <= u'9') {
        nietNul = nietNul || tekst[i] != QLatin1Char('0');
        ++i;
    }
    const qsizetype geheel = i - begin;
    if (geheel == 0 || (geheel > 1 && tekst[begin] == QLatin1Char('0'))) return false;
    qsizetype breuk = 0;
    if (i < n && tekst[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && tekst[i] >= u'0' && tekst[i] <= u'9') {
            nietNul = nietNul || tekst[i] != QLatin1Char('0');
            ++i;
            ++breuk;
        }
        if (breuk == 0) return false;
    }
    return i == n && breuk == decimalen && geheel + breuk <= 6 && (begin == 0 || nietNul);
}

} // namespace

void ZetTijdCellen(TabelRij& rij) {
    // Every module of every rack writes the same time into its row: it is formatted once.
    static platform::Datum tijd = -1, basis = -1;
    static bool relatief = false;
    static TijdCellen cellen;
    if (tijd != TijdMeting || basis != TijdBasis || relatief != RelatieveTijd) {
        cellen = TijdCellenVan(TijdMeting);
        tijd = TijdMeting;
        basis = TijdBasis;
        relatief = RelatieveTijd;
    }
    rij[KolomDatum] = cellen.kolom1;
    rij[KolomTijd] = cellen.kolom2;
}

TabelRij LiveRij(int r, int m, const QString& info) {
    TabelRij rij;
    ZetTijdCellen(rij);
    if (info == InfoStop) return rij;
    const bool meten = RackVlaggen[r].Measure;
    // Given up, or not read since the previous snapshot: its values belong to an earlier row.
    const bool opgegeven = ModuleOpgegeven(r, m) || ModuleNietGelezen(r, m);
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        if (!Racks[r].Modules[m].Meting[n].Set) {
            rij[c] = rij[c + 1] = rij[c + 2] = rij[c + 3] = Blanco;
            continue;
        }
        const QString eenheid = TemperatuurEenheid(r, m, n);
        if (!meten) {
            rij[c] = rij[c + 2] = Blanco;
        } else if (!opgegeven) {
            // A value that is invalid only because of its temperature shows empty.
            rij[c] = MeetwaardeTekst(r, m, n).remove(OR + eenheid);
            rij[c + 2] = TemperatuurTekst(r, m, n);
        }
        rij[c + 1] = EenheidTekst(r, m, n);
        rij[c + 3] = eenheid;
    }
    rij[KolomInfo] = info;
    return rij;
}

BestandsRijen::BestandsRijen() {
    Begin();
}

void BestandsRijen::Begin() {
    for (auto& module : m_ingangen)
        for (Ingang& ingang : module)
            ingang = Ingang();
    m_tijden = std::make_unique<TijdcelOpmaak>();
    m_teken = QLocale().decimalPoint().front();
    m_punt = m_teken == QLatin1Char('.');
}

void BestandsRijen::ZoekIngang(Ingang& ingang, int r, int m, int n) {
    ingang.eenheid = TemperatuurEenheid(r, m, n);
    ingang.patroon = FormaatDecimalen(r, m, n);
    ingang.decimalen = ingang.patroon == QLatin1String("0.0") ? 1
                       : ingang.patroon == QLatin1String("0") ? 0
                                                              : -1;
    ingang.bekend = true;
}

void BestandsRijen::Schrijf(TabelModel& model, int32_t rij, int r, int m, Regelvelden& velden) {
    // Every cell is set below: the row before's cells are not cleared first.
    TabelRijZicht& cellen = m_cellen;
    const TijdCellen& tijd = m_tijden->Cellen(TijdMeting);
    cellen[KolomDatum] = tijd.kolom1;
    cellen[KolomTijd] = tijd.kolom2;
    // The module's block: per input flags, value, unit, temperature and temperature unit, then the info.
    Blok& blok = m_blok;
    velden.NeemVelden(blok);
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        const QStringView* veld = &blok[static_cast<size_t>(5 * (n - 1))];
        QString& kladWaarde = m_klad[static_cast<size_t>(2 * n)];
        QString& kladTemperatuur = m_klad[static_cast<size_t>(2 * n + 1)];
        const uint8_t flags = Vlaggen(veld[0]);
        const QStringView waarde = veld[1];
        cellen[c] = BitGezet(flags, VlagBovenBereik | VlagOnderBereik) ? QStringView(OR)
                    : m_punt                                           ? waarde
                             : MetTeken(waarde, m_teken, kladWaarde);
        cellen[c + 1] = veld[2];
        const QStringView temperatuur = veld[3];
        const QStringView bestandsEenheid = Bijgesneden(veld[4]);
        if (BitGezet(flags, VlagTemperatuurTeHoog | VlagTemperatuurTeLaag)) {
            cellen[c + 2] = OR;
            cellen[c] = Blanco;
            cellen[c + 3] = LeesIngang(r, m, n).eenheid;
        } else if (!temperatuur.isEmpty()) {
            Ingang& ingang = LeesIngang(r, m, n);
            if (ZelfdeTekst(bestandsEenheid, ingang.eenheid) && IsOpgemaakt(temperatuur, ingang.decimalen)) {
                cellen[c + 2] = m_punt ? temperatuur : MetTeken(temperatuur, m_teken, kladTemperatuur);
            } else {
                // A file in another unit holds few temperature texts: each is converted once.
                if (!ZelfdeTekst(bestandsEenheid, ingang.omgerekendVan)) {
                    ingang.omgerekend.clear();
                    ingang.omgerekendVan = bestandsEenheid.toString();
                }
                const uint64_t sleutel = TekstSleutel(temperatuur);
                const auto bekend = sleutel ? ingang.omgerekend.find(sleutel) : ingang.omgerekend.end();
                if (bekend != ingang.omgerekend.end()) {
                    cellen[c + 2] = bekend->second;
                } else {
                    const float t = CelsiusNaarEenheid(
                        EenheidNaarCelsius(TekstNaarSingle(temperatuur.toString()), ingang.omgerekendVan),
                        ingang.eenheid);
                    kladTemperatuur = OpmaakSingle(t, ingang.patroon);
                    cellen[c + 2] = kladTemperatuur;
                    if (sleutel && ingang.omgerekend.size() < 4096)
                        ingang.omgerekend.emplace(sleutel, kladTemperatuur);
                }
            }
            cellen[c + 3] = ingang.eenheid;
        } else {
            cellen[c + 2] = cellen[c + 3] = QStringView();
        }
    }
    cellen[KolomInfo] = blok.back();
    model.ZetRij(rij, cellen, false);
}
