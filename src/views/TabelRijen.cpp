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

// A number text of the file with the locale's decimal sign (MetDecimaalTeken, the sign found once).
QString MetTeken(const QString& tekst, QChar teken) {
    if (teken == QLatin1Char('.') || !tekst.contains(QLatin1Char('.'))) return tekst;
    QString t = tekst;
    return t.replace(QLatin1Char('.'), teken);
}

// The flags field: a decimal byte; most rows hold one digit.
uint8_t Vlaggen(const QString& tekst) {
    if (tekst.size() == 1 && tekst[0] >= QLatin1Char('0') && tekst[0] <= QLatin1Char('9'))
        return static_cast<uint8_t>(tekst[0].unicode() - '0');
    return tekst.isEmpty() ? 0 : TekstNaarByte(tekst);
}

// The text already is the number as the pattern ("0" or "0.0") writes it: an optional minus, digits
// without a leading zero, and exactly the pattern's decimals; at most six digits, which a single holds
// exactly, and not a negative zero. Reading and formatting it again would give the same text.
bool IsOpgemaakt(const QString& tekst, const QString& patroon) {
    const qsizetype decimalen = patroon == QLatin1String("0.0") ? 1 : patroon == QLatin1String("0") ? 0 : -1;
    if (decimalen < 0) return false;
    const qsizetype n = tekst.size();
    qsizetype i = n > 0 && tekst[0] == QLatin1Char('-') ? 1 : 0;
    const qsizetype begin = i;
    bool nietNul = false;
    while (i < n && tekst[i].isDigit() && tekst[i].unicode() < 0x80) {
        nietNul = nietNul || tekst[i] != QLatin1Char('0');
        ++i;
    }
    const qsizetype geheel = i - begin;
    if (geheel == 0 || (geheel > 1 && tekst[begin] == QLatin1Char('0'))) return false;
    qsizetype breuk = 0;
    if (i < n && tekst[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && tekst[i].isDigit() && tekst[i].unicode() < 0x80) {
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
    const bool opgegeven = ModuleOpgegeven(r, m);
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

TabelRij BestandsRij(int r, int m, Regelvelden& velden) {
    TabelRij rij;
    ZetTijdCellen(rij);
    const QChar teken = QLocale().decimalPoint().front();
    for (int n = 1; n <= AantalIngangen; ++n) {
        const auto c = static_cast<size_t>(KolomVanKanaal(n));
        const uint8_t flags = Vlaggen(velden.VolgendVeld());
        const QString waarde = velden.VolgendVeld();
        rij[c] = BitGezet(flags, VlagBovenBereik | VlagOnderBereik) ? OR : MetTeken(waarde, teken);
        rij[c + 1] = velden.VolgendVeld();
        const QString temperatuur = velden.VolgendVeld();
        const QString bestandsEenheid = velden.VolgendVeld().trimmed();
        if (BitGezet(flags, VlagTemperatuurTeHoog | VlagTemperatuurTeLaag)) {
            rij[c + 2] = OR;
            rij[c] = Blanco;
            rij[c + 3] = TemperatuurEenheid(r, m, n);
        } else if (!temperatuur.isEmpty()) {
            const QString eenheid = TemperatuurEenheid(r, m, n);
            const QString patroon = FormaatDecimalen(r, m, n);
            if (bestandsEenheid == eenheid && IsOpgemaakt(temperatuur, patroon)) {
                rij[c + 2] = MetTeken(temperatuur, teken);
            } else {
                const float t = CelsiusNaarEenheid(
                    EenheidNaarCelsius(TekstNaarSingle(temperatuur), bestandsEenheid), eenheid);
                rij[c + 2] = OpmaakSingle(t, patroon);
            }
            rij[c + 3] = eenheid;
        }
    }
    rij[KolomInfo] = velden.VolgendVeld();
    return rij;
}
