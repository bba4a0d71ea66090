#pragma once
// The surroundings of the open, save and edit tests: the small rack system with its two table windows,
// common dialogs that answer from a list and record what they were shown with, a message box that
// records every question and answers from a list, a recording main window, and a data folder.
#include "Meetsysteem.h"
#include "OpnameHoofdvenster.h"
#include "OpnameMelding.h"
#include "OpnameTabelvenster.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/Bestandsbewerkingen.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"

#include <QDir>
#include <QFile>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

class DialoogDubbel : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override {
        vragen.push_back(vraag);
        if (bestanden.empty()) return std::nullopt;
        const std::optional<QString> antwoord = bestanden.front();
        bestanden.pop_front();
        return antwoord;
    }
    bool KiesLettertype(Lettertype& l, const QString& titel) override {
        lettertypeTitel = titel;
        getoondLettertype = l;
        if (!lettertype) return false;
        l = *lettertype;
        return true;
    }
    bool KiesKleur(int32_t& k, const QString&) override {
        if (!kleur) return false;
        k = *kleur;
        return true;
    }

    std::deque<std::optional<QString>> bestanden; // nullopt: Cancel
    std::vector<BestandsdialoogVraag> vragen;
    std::optional<Lettertype> lettertype;
    Lettertype getoondLettertype;
    QString lettertypeTitel;
    std::optional<int32_t> kleur;
};

// File operations that fail or end the program at operation number `bij` (counted from 1).
class FouteBewerkingen : public Bestandsbewerkingen {
public:
    struct Afgebroken : std::runtime_error {
        Afgebroken() : std::runtime_error("the program died") {}
    };
    enum class Soort { Geen, Mislukt, Sterft };

    bool Kopieer(const QString& van, const QString& naar) override {
        return Stap() && Bestandsbewerkingen::Kopieer(van, naar) && Na();
    }
    bool Hernoem(const QString& van, const QString& naar) override {
        return Stap() && Bestandsbewerkingen::Hernoem(van, naar) && Na();
    }
    bool Verwijder(const QString& pad) override {
        return Stap() && Bestandsbewerkingen::Verwijder(pad) && Na();
    }

    Soort soort = Soort::Geen;
    int bij = 0;
    int stappen = 0;

private:
    // Mislukt: operation `bij` fails without doing anything. Sterft: the program dies right after it.
    bool Stap() {
        ++stappen;
        return !(soort == Soort::Mislukt && stappen == bij);
    }
    bool Na() {
        if (soort == Soort::Sterft && stappen == bij) throw Afgebroken();
        return true;
    }
};

class Bestandsomgeving : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        BouwMeetsysteem();
        for (int r = 1; r <= 2; ++r) {
            vensters[r] = std::make_unique<OpnameTabelvenster>();
            vensters[r]->ZetRi(static_cast<int16_t>(r));
            vensters[r]->StelTabelIn(true);
            TabelVensters.Zet(r, vensters[r].get());
        }
        ZetBestandsdialogen(&dialogen);
        ZetHoofdvenster(&hoofd);
        ZetMeldingVenster(&melding);
        map = tijdelijkeMap() + QStringLiteral("/Data");
        QDir().mkpath(map);
        MapGegevens = map;
        TekstAfbakening = QStringLiteral("\"");
    }
    void TearDown() override {
        ZetBestandsbewerkingen(nullptr);
        ZetHoofdvenster(nullptr);
        SchoneOmgeving::TearDown();
    }

    QString Pad(const QString& naam) const { return map + QLatin1Char('/') + naam; }
    OpnameTabelvenster& venster(int r) { return *vensters[r]; }

    // A line of the test system's file (3 modules of 21 fields) at second s of 5 January 2026, every
    // info field holding `info`.
    static QString Regel(int s, const QString& info = QString(),
                         const QString& waarde = QStringLiteral("7.01")) {
        QString regel = QStringLiteral("\"05/01/2026 09:00:%1\"").arg(s, 2, 10, QLatin1Char('0'));
        for (int m = 0; m < 3; ++m) {
            regel += QStringLiteral(",\"0\",\"%1\",\"pH\",\"21.5\",\"%2\"").arg(waarde, u8("°C"));
            for (int n = 1; n < 4; ++n)
                regel += QStringLiteral(",\"\",\"\",\"\",\"\",\"\"");
            regel += QStringLiteral(",\"%1\"").arg(info);
        }
        return regel;
    }
    static QByteArray Bestand(const QStringList& regels) {
        QByteArray bytes = platform::NaarWindows1252(QStringLiteral("\"Time\",\"header\"\r\n"));
        for (const QString& r : regels)
            bytes += platform::NaarWindows1252(r) + "\r\n";
        return bytes;
    }
    // Row `rij` of every table at second s of 5 January 2026, in clock form, its line written with the
    // modules present now.
    void ZetRijTijd(int32_t rij, int s) {
        for (int r = 1; r <= 2; ++r) {
            venster(r).Indelingen().Zet(rij, rij, GeschrevenTabelmodules());
            for (int16_t m = 1; m <= AantalModules; ++m) {
                if (!Racks[r].Modules[m].Present) continue;
                venster(r).ZetCelTekst(m, rij, KolomDatum, QStringLiteral("05/01/2026"));
                venster(r).ZetCelTekst(m, rij, KolomTijd,
                                       QStringLiteral("09:00:%1").arg(s, 2, 10, QLatin1Char('0')));
            }
        }
    }

    std::array<std::unique_ptr<OpnameTabelvenster>, 3> vensters;
    DialoogDubbel dialogen;
    OpnameHoofdvenster hoofd;
    OpnameMelding melding;
    std::vector<Vraag>& vragen = melding.vragen;
    std::deque<int>& antwoorden = melding.antwoorden;
    QString map;
};
