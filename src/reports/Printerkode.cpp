#include "reports/Printerkode.h"

#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "reports/Printerinstellingen.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QLocale>
#include <algorithm>
#include <utility>
#include <vector>

float MargeLinks = 0;
float MargeRechts = 0;
float MargeBoven = 0;
float MargeOnder = 0;
double RandLinks = 0;
double RandRechts = 0;
double RandBoven = 0;
double RandOnder = 0;
QString RapportTitel;
QString RapportBestandsnaam;
int16_t RapportRack = 0;
int16_t RapportModule = 0;
int16_t RapportKanaal = 0;
bool PrintVanuitGLP = false;
bool NaarBestand = false;
bool RapportVeldVerloren = false;

namespace {

// The report files being gathered: path and text, in the order of their first field.
std::vector<std::pair<QString, QString>>& Rapportbestanden() {
    static std::vector<std::pair<QString, QString>> bestanden;
    return bestanden;
}

} // namespace

void SchrijfRapportVeld(int16_t rack, int16_t module, int16_t kanaal, const QString& tekst, bool laatste) {
    const QString pad = MaakBestandsnaam(RapportBestandsnaam, rack, module, kanaal);
    auto& bestanden = Rapportbestanden();
    auto it = std::find_if(bestanden.begin(), bestanden.end(), [&](const auto& b) { return b.first == pad; });
    if (it == bestanden.end()) it = bestanden.insert(bestanden.end(), {pad, QString()});
    VoegCsvVeldToe(it->second, tekst, laatste);
}

bool BewaarRapportBestanden() {
    const auto bestanden = std::move(Rapportbestanden());
    Rapportbestanden().clear();
    for (const auto& [pad, tekst] : bestanden) {
        const QByteArray bytes = platform::NaarWindows1252(tekst);
        while (!platform::SchrijfBestandVeilig(pad, bytes)) {
            if (ToonMelding(SchrijffoutTekst(pad), vbRetryCancel | vbExclamation, Gegevensbestand) !=
                vbRetry) {
                RapportVeldVerloren = true;
                return false;
            }
        }
    }
    return true;
}

void VergeetRapportBestanden() {
    Rapportbestanden().clear();
}

// ---- Printer ----------------------------------------------------------------------------------------

Printer::Printer(Afdrukvlak& vlak) : m_vlak(vlak) {
    Font.naam = QStringLiteral("Arial");
    Font.grootte = 10;
}

double Printer::TextWidth(const QString& tekst) {
    m_vlak.zetLettertype(Font);
    return m_vlak.tekstBreedte(tekst);
}

double Printer::TekenBreedte(QChar teken) {
    if (m_tekenmaat >= m_tekenmaten.size() || !(m_tekenmaten[m_tekenmaat].font == Font)) {
        m_tekenmaat = 0;
        while (m_tekenmaat < m_tekenmaten.size() && !(m_tekenmaten[m_tekenmaat].font == Font))
            ++m_tekenmaat;
        if (m_tekenmaat == m_tekenmaten.size()) m_tekenmaten.push_back({Font, {}});
    }
    QHash<char16_t, double>& breedtes = m_tekenmaten[m_tekenmaat].breedtes;
    const auto i = breedtes.constFind(teken.unicode());
    if (i != breedtes.cend()) return *i;
    const double b = TextWidth(QString(teken));
    breedtes.insert(teken.unicode(), b);
    return b;
}

double Printer::TextHeight(const QString& tekst) {
    m_vlak.zetLettertype(Font);
    return m_vlak.tekstHoogte(tekst);
}

void Printer::Print(const QString& tekst, bool regeleinde) {
    m_vlak.zetLettertype(Font);
    if (!tekst.isEmpty()) {
        m_vlak.tekst(CurrentX, CurrentY, tekst);
        CurrentX += m_vlak.tekstBreedte(tekst);
    }
    if (regeleinde) {
        CurrentY += m_vlak.tekstHoogte(QStringLiteral(" "));
        CurrentX = 0;
    }
}

void Printer::Line(double x1, double y1, double x2, double y2, int32_t kleur) {
    m_vlak.lijn(x1, y1, x2, y2, DrawWidth, kleur);
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::Box(double x2, double y2) {
    m_vlak.kader(CurrentX, CurrentY, x2, y2, DrawWidth);
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::NewPage() {
    m_vlak.nieuwePagina();
    CurrentX = 0;
    CurrentY = 0;
}

// ---- Margins and edges ------------------------------------------------------------------------------

float BegrensWaarde(float waarde, float limiet) {
    if (waarde < 0) return 0;
    if (waarde > limiet) return limiet;
    return waarde;
}

Marges BegrensMarges(Marges m, double breedte, double hoogte) {
    const auto hoog = static_cast<float>(hoogte / 5);
    const auto breed = static_cast<float>(breedte / 5);
    m.boven = BegrensWaarde(m.boven, hoog);
    m.onder = BegrensWaarde(m.onder, hoog);
    m.links = BegrensWaarde(m.links, breed);
    m.rechts = BegrensWaarde(m.rechts, breed);
    return m;
}

void BerekenMarges(double breedte, double hoogte) {
    const Marges m = BegrensMarges({MargeBoven, MargeOnder, MargeLinks, MargeRechts}, breedte, hoogte);
    MargeBoven = m.boven;
    MargeOnder = m.onder;
    MargeLinks = m.links;
    MargeRechts = m.rechts;
}

void BerekenMarges(Printer& p) {
    BerekenMarges(p.ScaleWidth(), p.ScaleHeight());
}

void InitialiseerPagina(double breedte, double hoogte) {
    BerekenMarges(breedte, hoogte);
    RandLinks = MargeLinks;
    RandRechts = breedte - MargeRechts;
    RandBoven = MargeBoven;
    RandOnder = hoogte - MargeOnder;
}

void InitialiseerPrinter(Printer& p) {
    p.ForeColor = 0;
    p.DrawWidth = 1;
    p.ZetOrientation(PrintOrientatie == 2 ? 2 : 1);
    InitialiseerPagina(p.ScaleWidth(), p.ScaleHeight());
}

// ---- Page header, lines ------------------------------------------------------------------------------

void ZetKopLettertype(Printer& p) {
    p.Font.naam = PrintLettertype;
    p.Font.vet = true;
    p.Font.cursief = PrintCursief;
    p.Font.grootte = 10;
    p.Font.doorgehaald = false;
    p.Font.onderstreept = false;
    p.ForeColor = 0;
}

QString PaginaDatum() {
    const platform::Datum nu = platform::Nu();
    return platform::KorteDatum(nu) + QStringLiteral(" - ") +
           platform::QDateTimeUitDatum(nu).toString(QStringLiteral("hh:mm"));
}

void PrintPaginaHoofding(Printer& p) {
    const Lettertype font = p.Font;
    const int32_t kleur = p.ForeColor;
    p.ForeColor = 0;
    ZetKopLettertype(p);
    const QString datum = PaginaDatum();
    p.CurrentX = RandLinks;
    p.CurrentY = RandBoven;
    p.Print(RapportTitel, false);
    const double y = RandBoven + 1.25 * p.TextHeight(QStringLiteral(" "));
    p.CurrentX = RandRechts - p.TextWidth(datum);
    p.Print(datum, false);
    p.CurrentX = RandLinks;
    p.CurrentY = y;
    p.DrawWidth = 3;
    p.Box(RandRechts, RandOnder);
    p.DrawWidth = 1;
    p.CurrentX = RandLinks;
    p.CurrentY = y;
    p.Font = font;
    p.ForeColor = kleur;
}

bool ControleerPaginaEinde(Printer& p, const QString& tekst) {
    if (p.CurrentY + p.TextHeight(tekst) < RandOnder) return false;
    p.NewPage();
    PrintPaginaHoofding(p);
    return true;
}

void PrintLijn(Printer& p, double x, double y, int breedte, double lengte, int32_t kleur) {
    const int vorige = p.DrawWidth;
    p.DrawWidth = breedte;
    p.Line(x, y, x + lengte, y, kleur);
    p.DrawWidth = vorige;
}

void PrintHorizontaleLijn(Printer& p, int breedte) {
    const int vorige = p.DrawWidth;
    p.DrawWidth = breedte;
    p.Line(RandLinks, p.CurrentY, RandRechts, p.CurrentY, p.ForeColor);
    p.DrawWidth = vorige;
}

void PrintScheidingslijn(Printer& p, int breedte) {
    p.CurrentY += p.TextHeight(QStringLiteral(" ")) + 1.0;
    const double x = p.CurrentX;
    const double y = p.CurrentY;
    PrintHorizontaleLijn(p, breedte);
    p.CurrentX = x;
    p.CurrentY = y;
}

// ---- Word wrap ---------------------------------------------------------------------------------------

namespace {

bool IsEindteken(QChar c) {
    static const QString scheiding = QStringLiteral(" .,!?-;:/\\<[({'\"");
    switch (c.unicode()) {
    case '\r':
    case '\n':
    case '\t':
    case '\b':
    case '\f':
    case '\0':
        return true;
    default:
        return scheiding.contains(c);
    }
}

} // namespace

TekstBlok ZetTekstBlok(double links, double grens, QString tekst,
                       const std::function<double(const QString&)>& breedte) {
    TekstBlok blok;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    double x = links;
    bool opRegel = false; // something stands on the current line
    QString wachtend;
    auto regel = [&]() -> TekstRegel& {
        if (blok.regels.empty()) blok.regels.emplace_back();
        return blok.regels.back();
    };
    auto plaats = [&](const QString& stuk) {
        if (stuk.isEmpty()) return;
        regel().stukken.push_back({x, stuk});
        x += breedte(stuk);
        opRegel = true;
    };
    auto nieuweRegel = [&] {
        regel();
        blok.regels.emplace_back();
        x = links;
        opRegel = false;
    };
    qsizetype i = 0;
    while (i < tekst.size()) {
        qsizetype j = i;
        QString woord;
        for (; j < tekst.size() && !IsEindteken(tekst.at(j)); ++j)
            if (tekst.at(j).unicode() >= 32) woord.append(tekst.at(j));
        woord = wachtend + woord.trimmed();
        wachtend.clear();
        if (opRegel && !woord.isEmpty() && x + breedte(woord) > grens) nieuweRegel();
        plaats(woord);
        if (j >= tekst.size()) break;
        const QChar c = tekst.at(j);
        switch (c.unicode()) {
        case ' ':
        case '.':
        case ',':
        case '!':
        case '?':
        case '-':
        case ';':
        case ':':
        case '\t':
            plaats(QString(c));
            break;
        case '\r':
        case '\n':
        case '\f':
            nieuweRegel();
            break;
        case '\b':
        case '\0':
            break;
        default:
            wachtend = QString(c);
            break;
        }
        i = j + 1;
    }
    plaats(wachtend);
    blok.eindX = x;
    return blok;
}

void PrintTekstBlok(Printer& p, double links, double grens, const QString& tekst) {
    const TekstBlok blok =
        ZetTekstBlok(links, grens, tekst, [&p](const QString& stuk) { return p.TextWidth(stuk); });
    p.CurrentX = links;
    for (std::size_t r = 0; r < blok.regels.size(); ++r) {
        if (r > 0) {
            p.Print(QString());
            const auto& stukken = blok.regels[r].stukken;
            ControleerPaginaEinde(p, stukken.empty() ? QStringLiteral(" ") : stukken.front().tekst);
        }
        for (const TekstStuk& stuk : blok.regels[r].stukken) {
            p.CurrentX = stuk.x;
            p.Print(stuk.tekst, false);
        }
    }
    p.CurrentX = blok.regels.empty() ? links : blok.eindX;
}

bool LettertypeBestaat(Printer& p, const QString& naam) {
    return p.Fonts().contains(naam, Qt::CaseSensitive);
}

void ResetPrinterkode() {
    MargeLinks = MargeRechts = MargeBoven = MargeOnder = 0;
    RandLinks = RandRechts = RandBoven = RandOnder = 0;
    RapportTitel.clear();
    RapportBestandsnaam.clear();
    RapportRack = RapportModule = RapportKanaal = 0;
    PrintVanuitGLP = false;
    NaarBestand = false;
    RapportVeldVerloren = false;
    VergeetRapportBestanden();
}
