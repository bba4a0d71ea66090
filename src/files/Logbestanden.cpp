#include "files/Logbestanden.h"

#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <vector>

namespace {

const QString MarkeringDatum = QStringLiteral("#date#");
const QString MarkeringRack = QStringLiteral("#rack#");
const QString MarkeringModule = QStringLiteral("#module#");
const QString MarkeringKanaal = QStringLiteral("#channel#");
const QString Stop = QStringLiteral("Stop");
const QString CRLF = QStringLiteral("\r\n");

bool IsRack(int r) {
    return r >= 1 && r <= AantalRacks;
}
bool IsModule(int m) {
    return m >= 1 && m <= AantalModules;
}

// A name that goes into a file name: characters that a file name cannot hold on either system become
// "_", so that a name never makes a folder of its own.
QString VeiligeNaam(const QString& naam) {
    QString t = naam;
    for (QChar& c : t) {
        switch (c.unicode()) {
        case ':':
        case '/':
        case '\\':
        case '?':
        case '*':
        case '<':
        case '>':
        case '|':
        case '"':
            c = QLatin1Char('_');
            break;
        default:
            if (c.unicode() < 0x20) c = QLatin1Char('_');
        }
    }
    return TrimSpaties(t);
}

QString Titel(int r, int m, int i) {
    return QStringLiteral("R%1M%2C%3").arg(r).arg(m).arg(i);
}

// The folders reported as not writable in this logging run, and whether a question about a file is
// open (a snapshot taken while it waits asks nothing more).
QSet<QString> gemeldeMappen;
bool vraagOpen = false;

constexpr int TekstOngeldigeMap = 269; // "The specified file map is invalid!"

// Tells once per logging run that the folder cannot be written, with the system's reason.
void MeldMap(const QString& map, const QString& reden) {
    if (gemeldeMappen.contains(map)) return;
    gemeldeMappen.insert(map);
    ToonMelding(Tekst[TekstOngeldigeMap] + CRLF + CRLF + map + CRLF + reden, vbOKOnly | vbExclamation,
                Gegevensbestand);
}

// True when the folder of a logging file cannot be written (reported once per run).
bool MapNietSchrijfbaar(const QString& pad) {
    const QString map = QFileInfo(pad).absolutePath();
    QString reden;
    if (platform::MapIsSchrijfbaar(map, &reden)) return false;
    MeldMap(map, reden);
    return true;
}

// The lines of one snapshot, per file in the order the files were first used. A file counts as empty
// while neither the disk nor the lines held here give it a byte.
class Logschrijver {
public:
    explicit Logschrijver(QString afbakening) : m_q(std::move(afbakening)) {}

    int Bestand(const QString& pad) {
        const auto gevonden = m_index.constFind(pad);
        if (gevonden != m_index.constEnd()) return *gevonden;
        const QFileInfo info(pad);
        m_bestanden.push_back({pad, info.isFile() ? info.size() : 0, QString()});
        const int nummer = static_cast<int>(m_bestanden.size() - 1);
        m_index.insert(pad, nummer);
        return nummer;
    }
    bool IsLeeg(int bestand) const {
        return m_bestanden[bestand].lengte == 0 && m_bestanden[bestand].inhoud.isEmpty();
    }
    void Veld(int bestand, const QString& tekst, bool laatste = false) {
        VoegCsvVeldToe(m_bestanden[bestand].inhoud, tekst, laatste, m_q);
    }
    // Appends every file's lines. A file whose folder cannot be written loses its lines (the folder is
    // reported once per run); for another file that cannot be written the user may try again. After a
    // Cancel, or while such a question waits, the other files lose this snapshot without asking.
    void Schrijf() {
        bool vragen = true;
        for (const Entry& b : m_bestanden) {
            if (b.inhoud.isEmpty()) continue;
            const QByteArray bytes = platform::NaarWindows1252(b.inhoud);
            if (platform::VoegToeAanBestand(b.pad, bytes) || MapNietSchrijfbaar(b.pad)) continue;
            if (!vragen || vraagOpen) continue;
            vraagOpen = true;
            vragen = VoegToeMetNieuwePoging(b.pad, bytes);
            vraagOpen = false;
        }
    }

private:
    struct Entry {
        QString pad;
        qint64 lengte;
        QString inhoud;
    };
    QString m_q;
    std::vector<Entry> m_bestanden;
    QHash<QString, int> m_index;
};

// The five header fields of input i.
void KopVanIngang(Logschrijver& uit, int bestand, const QString& t) {
    uit.Veld(bestand, QStringLiteral("Flags ") + t);
    uit.Veld(bestand, QStringLiteral("Value ") + t);
    uit.Veld(bestand, QStringLiteral("Unit ") + t);
    uit.Veld(bestand, QStringLiteral("Temp ") + t);
    uit.Veld(bestand, QStringLiteral("T.Unit ") + t);
}

// The header fields of a module: its four inputs and the info title.
void KopVanModule(Logschrijver& uit, int bestand, int r, int m, bool laatste) {
    for (int i = 1; i <= AantalIngangen; ++i)
        KopVanIngang(uit, bestand, Titel(r, m, i));
    uit.Veld(bestand, QStringLiteral("Info ") + TrimSpaties(Racks[r].Modules[m].Name), laatste);
}

// The five fields of input i of a snapshot.
void WaardenVanIngang(Logschrijver& uit, int bestand, int16_t r, int16_t m, int16_t i, bool stop) {
    KanaalRecord& meting = Racks[r].Modules[m].Meting[i];
    if (stop || !meting.Set) {
        for (int k = 0; k < 5; ++k)
            uit.Veld(bestand, QString());
        return;
    }
    // A module given up by the poll supervision holds only its last values, and one not read since the
    // previous snapshot only the values of an earlier row: none is logged as a measurement (as for a
    // rack that is not measured).
    const bool meten = RackVlaggen[r].Measure && !ModuleOpgegeven(r, m) && !ModuleNietGelezen(r, m);
    KanaalRecord& temperatuur = Racks[r].Modules[m].Temperatuur[i];
    uit.Veld(bestand, QString::number(meting.Flags));
    uit.Veld(bestand, meten ? WaardeTekstPerModel(r, m, i) : QString());
    uit.Veld(bestand, EenheidTekstPerModel(r, m, i));
    uit.Veld(bestand, meten ? TemperatuurWaardeTekst(r, m, i) : QString());
    temperatuur.Unit = temperatuur.Unit.getrimd();
    uit.Veld(bestand, temperatuur.Unit.getrimd());
}

} // namespace

int16_t LogModus(const QString& sjabloon) {
    if (sjabloon.contains(MarkeringKanaal)) return LogPerKanaal;
    if (sjabloon.contains(MarkeringModule)) return LogPerModule;
    if (sjabloon.contains(MarkeringRack)) return LogPerRack;
    return LogEenBestand;
}

QString MaakBestandsnaam(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal) {
    QString s = TrimSpaties(SchoonVasteTekst(sjabloon, QString()));
    if (s.contains(MarkeringDatum)) {
        const QDate vandaag = platform::QDateTimeUitDatum(platform::Nu()).date();
        s = VervangTekst(s, MarkeringDatum, QLocale::c().toString(vandaag, QStringLiteral("yyMMdd")));
    }
    if (IsRack(rack)) {
        RackRecord& rr = Racks[rack];
        rr.Name = rr.Name.getrimd();
        s = VervangTekst(s, MarkeringRack, VeiligeNaam(rr.Name.getrimd()));
        if (IsModule(module)) {
            ModuleRecord& mr = rr.Modules[module];
            s = VervangTekst(s, MarkeringModule, VeiligeNaam(TrimSpaties(mr.Name)));
            if (kanaal >= 1 && kanaal <= 2 * AantalIngangen && s.contains(MarkeringKanaal)) {
                QString naam;
                if (kanaal <= AantalIngangen) {
                    KanaalRecord& k = mr.Meting[kanaal];
                    k.Name = k.Name.getrimd();
                    naam = k.Name.getrimd();
                } else {
                    naam = mr.Meting[kanaal - AantalIngangen].Name.getrimd() + QStringLiteral("_DC");
                }
                s = VervangTekst(s, MarkeringKanaal, VeiligeNaam(naam));
            }
        }
    }
    for (const char* teken : {"?", "*", "<", ">", "|", "\""})
        s = VervangTekst(s, QString::fromLatin1(teken), QStringLiteral("_"));
    return s;
}

int32_t LengteLogBestand(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal) {
    const QString pad = MaakBestandsnaam(sjabloon, rack, module, kanaal);
    for (;;) {
        QFile f(pad);
        if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
            const qint64 lengte = f.size();
            return static_cast<int32_t>(std::min<qint64>(lengte, INT32_MAX));
        }
        if (ToonMelding(VervangHekje(Tekst[234], pad), vbRetryCancel | vbExclamation, Gegevensbestand) !=
            vbRetry)
            return 0;
    }
}

QString WaardeTekstPerModel(int16_t rack, int16_t module, int16_t kanaal) {
    if (!IsRack(rack) || !IsModule(module)) return QString();
    return ModelVan(rack, module).waardeTekst(rack, module, kanaal);
}

QString EenheidTekstPerModel(int16_t rack, int16_t module, int16_t kanaal) {
    if (!IsRack(rack) || !IsModule(module)) return QString();
    return ModelVan(rack, module).eenheidTekst(rack, module, kanaal);
}

void LogMeting(const QString& info) {
    const QString sjabloon = Gegevensbestand;
    // Without a data file there is nowhere to log to.
    if (TrimSpaties(sjabloon).isEmpty()) return;
    const int16_t modus = LogModus(sjabloon);
    const bool stop = info == Stop;
    const QString infoTekst = stop ? QString() : info;
    Logschrijver uit(TekstAfbakening);

    // The files of this snapshot, worked out once: [rack][module][input], 0 where the mode has none.
    int een = -1;
    std::array<int, AantalRacks + 1> perRack{};
    std::array<std::array<int, AantalModules + 1>, AantalRacks + 1> perModule{};
    std::array<std::array<std::array<int, AantalIngangen + 1>, AantalModules + 1>, AantalRacks + 1>
        perKanaal{};

    // Header pass: every file of the mode that is still empty gets its header.
    if (modus == LogEenBestand) {
        een = uit.Bestand(MaakBestandsnaam(sjabloon, 0, 0, 0));
        if (uit.IsLeeg(een)) {
            uit.Veld(een, QStringLiteral("Time"));
            for (int16_t r = 1; r <= AantalRacks; ++r) {
                if (!Racks[r].Present) continue;
                for (int16_t m = 1; m <= AantalModules; ++m)
                    if (Racks[r].Modules[m].Present) KopVanModule(uit, een, r, m, false);
            }
            uit.Veld(een, QString(), true);
        }
    }
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) {
            perRack[r] = uit.Bestand(MaakBestandsnaam(sjabloon, r, 0, 0));
            if (uit.IsLeeg(perRack[r])) {
                uit.Veld(perRack[r], QStringLiteral("Time"));
                for (int16_t m = 1; m <= AantalModules; ++m)
                    if (Racks[r].Modules[m].Present) KopVanModule(uit, perRack[r], r, m, false);
                uit.Veld(perRack[r], QString(), true);
            }
            continue;
        }
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) {
                const int b = perModule[r][m] = uit.Bestand(MaakBestandsnaam(sjabloon, r, m, 0));
                if (uit.IsLeeg(b)) {
                    uit.Veld(b, QStringLiteral("Time"));
                    KopVanModule(uit, b, r, m, true);
                }
            } else if (modus == LogPerKanaal) {
                for (int16_t i = 1; i <= AantalIngangen; ++i) {
                    const int b = perKanaal[r][m][i] = uit.Bestand(MaakBestandsnaam(sjabloon, r, m, i));
                    if (uit.IsLeeg(b)) {
                        const QString t = Titel(r, m, i);
                        uit.Veld(b, QStringLiteral("Time"));
                        KopVanIngang(uit, b, t);
                        uit.Veld(b, QStringLiteral("Info ") + t, true);
                    }
                }
            }
        }
    }

    // Row pass.
    const QString tijd = platform::DatumTijdTekst(TijdMeting);
    if (modus == LogEenBestand) uit.Veld(een, tijd);
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) uit.Veld(perRack[r], tijd);
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) uit.Veld(perModule[r][m], tijd);
            const int moduleBestand = modus == LogEenBestand ? een
                                      : modus == LogPerRack  ? perRack[r]
                                                             : perModule[r][m];
            for (int16_t i = 1; i <= AantalIngangen; ++i) {
                if (modus == LogPerKanaal) {
                    const int b = perKanaal[r][m][i];
                    uit.Veld(b, tijd);
                    WaardenVanIngang(uit, b, r, m, i, stop);
                    uit.Veld(b, infoTekst, true);
                } else {
                    WaardenVanIngang(uit, moduleBestand, r, m, i, stop);
                }
            }
            if (modus != LogPerKanaal) uit.Veld(moduleBestand, infoTekst, modus == LogPerModule);
        }
        if (modus == LogPerRack) uit.Veld(perRack[r], QString(), true);
    }
    if (modus == LogEenBestand) uit.Veld(een, QString(), true);

    uit.Schrijf();
    // The run has ended: a folder that still cannot be written is reported again in the next one.
    if (stop) gemeldeMappen.clear();
}

QStringList LogBestanden(const QString& sjabloon) {
    QStringList paden;
    if (TrimSpaties(sjabloon).isEmpty()) return paden;
    const int16_t modus = LogModus(sjabloon);
    const auto voegToe = [&](int16_t r, int16_t m, int16_t i) {
        const QString pad = MaakBestandsnaam(sjabloon, r, m, i);
        if (!paden.contains(pad)) paden.append(pad);
    };
    if (modus == LogEenBestand) voegToe(0, 0, 0);
    for (int16_t r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (modus == LogPerRack) voegToe(r, 0, 0);
        for (int16_t m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (modus == LogPerModule) voegToe(r, m, 0);
            if (modus == LogPerKanaal)
                for (int16_t i = 1; i <= AantalIngangen; ++i)
                    voegToe(r, m, i);
        }
    }
    return paden;
}

bool BeginLogging() {
    gemeldeMappen.clear();
    bool schrijfbaar = true;
    QSet<QString> gezien;
    for (const QString& pad : LogBestanden(Gegevensbestand)) {
        const QString map = QFileInfo(pad).absolutePath();
        if (gezien.contains(map)) continue;
        gezien.insert(map);
        if (MapNietSchrijfbaar(pad)) schrijfbaar = false;
    }
    return schrijfbaar;
}

void ResetLogbestanden() {
    gemeldeMappen.clear();
    vraagOpen = false;
}
