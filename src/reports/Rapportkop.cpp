#include "reports/Rapportkop.h"

#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "reports/Printerinstellingen.h"
#include "shared/Getallen.h"
#include "shared/Teksten.h"

#include <QVariant>
#include <QWidget>

QString VensterTag(const QWidget* venster) {
    if (!venster) return QString();
    const QString tag = venster->property("Tag").toString();
    return tag.isEmpty() ? venster->objectName() : tag;
}

int16_t VensterSoort(const QString& tag) {
    const QString soort = tag.left(5).toLower();
    QString rest;
    if (soort == QStringLiteral("metin"))
        rest = QString(tag).remove(QStringLiteral("meting"), Qt::CaseInsensitive);
    else if (soort == QStringLiteral("grafi"))
        rest = QString(tag).remove(QStringLiteral("grafiek"), Qt::CaseInsensitive);
    else if (soort == QStringLiteral("tabel"))
        rest = QString(tag).remove(QStringLiteral("tabel"), Qt::CaseInsensitive);
    else
        return 0;
    return TekstNaarInteger(rest);
}

AfdrukVenster AfdrukVensterVan(const QWidget* venster) {
    AfdrukVenster v;
    if (!venster) return v;
    v.Tag = VensterTag(venster);
    v.Caption = venster->windowTitle();
    const QString soort = v.Tag.left(5);
    if (soort == QStringLiteral("tabel")) v.Ri = VensterSoort(v.Tag);
    if (soort == QStringLiteral("grafi")) {
        if (GrafiekvensterInterface* g = GrafiekVenster(VensterSoort(v.Tag))) {
            v.XYrecorder = g->Instellingen().XYrecorder;
            v.RecorderTussentijd = g->Instellingen().RecorderTussentijd;
            v.Caption = g->Caption();
        }
    }
    v.Rnr = static_cast<int16_t>(venster->property("Rnr").toInt());
    v.Mnr = static_cast<int16_t>(venster->property("Mnr").toInt());
    v.Knr = static_cast<int16_t>(venster->property("Knr").toInt());
    return v;
}

QString BepaalRapportTitel(const AfdrukVenster& venster) {
    const QString soort = venster.Tag.left(5);
    if (soort == QStringLiteral("GLPre")) return Tekst[399];
    if (soort == QStringLiteral("SYSre")) return Tekst[400];
    return Gegevensbestand;
}

QString RecorderTijd(int32_t seconden) {
    const int32_t s = ((seconden % 86400) + 86400) % 86400;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

std::optional<Identificatieparen> BepaalIdentificatie(const AfdrukVenster& venster, int16_t nummer) {
    Identificatieparen paren;
    auto paar = [&paren](int i, int tekst, const QString& waarde) {
        paren[static_cast<std::size_t>(i)] = {Tekst[tekst] + QLatin1Char(':'), waarde.trimmed()};
    };
    const QString soort = venster.Tag.left(5);
    if (soort == QStringLiteral("tabel")) {
        const int r = venster.Ri;
        if (r < 1 || r > AantalRacks || nummer < 1 || nummer > AantalModules) return std::nullopt;
        const ModuleRecord& module = Racks[r].Modules[nummer];
        paar(0, 122, Racks[r].Name.getrimd());
        paar(1, 296, module.Name);
        paar(2, 200, IdnoAlsTekst(module.Idno));
    } else if (soort == QStringLiteral("grafi")) {
        if (venster.XYrecorder) {
            paar(0, 344, venster.Caption);
            paar(1, 126, Tekst[134] + QLatin1Char('=') + RecorderTijd(venster.RecorderTussentijd));
        } else {
            paar(0, 121, venster.Caption);
        }
    } else if (soort == QStringLiteral("GLPre")) {
        const int r = venster.Rnr;
        const int m = venster.Mnr;
        const int k = venster.Knr;
        if (r < 1 || r > AantalRacks || m < 1 || m > AantalModules || k < 1 || k > 2 * AantalIngangen)
            return std::nullopt;
        const ModuleRecord& module = Racks[r].Modules[m];
        const KanaalRecord& ingang = module.Meting[k > AantalIngangen ? k - AantalIngangen : k];
        paar(0, k > AantalIngangen ? 484 : 369, ingang.Sensor.getrimd());
        paar(1, 295, ingang.Name.getrimd());
        paar(2, 296, module.Name);
        paar(3, 297, Racks[r].Name.getrimd());
    }
    return paren;
}

namespace {

void Veld(const AfdrukVenster& venster, const QString& tekst, bool laatste) {
    SchrijfRapportVeld(venster.Rnr, venster.Mnr, venster.Knr, tekst, laatste);
}

void SchrijfHoofding(const AfdrukVenster& venster) {
    RapportRack = venster.Rnr;
    RapportModule = venster.Mnr;
    RapportKanaal = venster.Knr;
    Veld(venster, RapportTitel, true);
    Veld(venster, QString(), true);
    const std::array<std::pair<int, QString>, 4> regels = {
        std::pair{195, PrintOperator}, {196, PrintBedrijf}, {197, PrintAfdeling}, {199, PrintToestel}};
    for (const auto& [label, waarde] : regels) {
        Veld(venster, Tekst[label], false);
        Veld(venster, waarde, true);
    }
    Veld(venster, QString(), true);
    if (!PrintNota.isEmpty()) {
        Veld(venster, Tekst[198], false);
        Veld(venster, PrintNota, true);
    }
    if (venster.Tag.left(5) != QStringLiteral("GLPre")) return;
    const std::optional<Identificatieparen> paren = BepaalIdentificatie(venster, 0);
    if (!paren) return;
    for (const auto& [label, waarde] : *paren) {
        Veld(venster, label, false);
        Veld(venster, waarde, true);
    }
    Veld(venster, QString(), true);
}

} // namespace

void PrintVensterHoofding(const AfdrukVenster& venster, Printer& p, int16_t nummer) {
    RapportTitel = BepaalRapportTitel(venster);
    if (NaarBestand) {
        SchrijfHoofding(venster);
        return;
    }

    PrintPaginaHoofding(p);
    ZetKopLettertype(p);
    p.Font.vet = true;
    p.Font.grootte = 10;
    p.CurrentY += p.TextHeight(QStringLiteral(" "));
    const double blokBoven = p.CurrentY;

    const std::array<std::pair<int, QString>, 4> regels = {
        std::pair{195, PrintOperator}, {196, PrintBedrijf}, {197, PrintAfdeling}, {199, PrintToestel}};
    for (const auto& [label, waarde] : regels) {
        p.Font.vet = true;
        p.CurrentX = RandLinks + 10;
        p.Print(Tekst[label], false);
        p.Font.vet = false;
        p.CurrentX = RandLinks + 40;
        p.Print(waarde);
    }
    p.Font.vet = true;
    p.Print(QString());
    p.Print(QString());
    p.CurrentX = RandLinks + 10;

    if (!PrintNota.isEmpty()) {
        p.Print(Tekst[198], false);
        p.CurrentX = RandLinks + 40;
        p.Font.vet = false;
        PrintTekstBlok(p, RandLinks + 40, RandRechts - 10, PrintNota);
        p.Print(QString());
        p.Print(QString());
    }

    PrintHorizontaleLijn(p, 3);
    const double lijnY = p.CurrentY;

    if (nummer >= 1 || PrintVanuitGLP) {
        if (const std::optional<Identificatieparen> paren = BepaalIdentificatie(venster, nummer)) {
            const double midden = RandLinks + (RandRechts - RandLinks) / 2;
            p.CurrentY = blokBoven;
            for (const auto& [label, waarde] : *paren) {
                p.Font.vet = true;
                p.CurrentX = midden;
                p.Print(label, false);
                p.Font.vet = false;
                p.CurrentX = midden + 35;
                p.Print(waarde);
            }
        }
    }
    p.Font.vet = false;
    p.CurrentX = RandLinks;
    p.CurrentY = lijnY;
}
