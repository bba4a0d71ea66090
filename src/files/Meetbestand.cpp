#include "files/Meetbestand.h"

#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/CsvVelden.h"
#include "files/Logbestanden.h"
#include "files/Tijdbasis.h"
#include "files/Werkkopie.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

QString Gegevensbestand;
bool BezigMetLaden = false;
int16_t LaatsteKeuze = 0;

namespace {

constexpr int VeldenPerModule = 21;
constexpr int VeldenPerIngang = 5;
const QString OR = QStringLiteral("OR.");
const QString CRLF = QStringLiteral("\r\n");

// ---------------------------------------------------------------------------------------------------
// Writing

void VoegVeldToe(QString& regel, const QString& tekst) {
    VoegCsvVeldToe(regel, tekst, false, TekstAfbakening);
}

void SluitRegel(QString& regel) {
    if (regel.endsWith(QLatin1Char(','))) regel.chop(1);
    regel += CRLF;
}

// The title of input n in the header line.
QString IngangTitel(int r, int m, int n) {
    KanaalRecord& k = Racks[r].Modules[m].Meting[n];
    const QString naam = k.Name.getrimd();
    k.Name = naam;
    if (naam.isEmpty()) return QStringLiteral("R%1M%2C%3").arg(r).arg(m).arg(n);
    if (naam == QLatin1String("CH1") || naam == QLatin1String("CH2") || naam == QLatin1String("CH3") ||
        naam == QLatin1String("CH4"))
        return TrimSpaties(Racks[r].Modules[m].Name) + QLatin1Char(' ') + naam;
    return naam;
}

QString Kopregel() {
    QString regel;
    VoegVeldToe(regel, QStringLiteral("Time"));
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            for (int n = 1; n <= AantalIngangen; ++n) {
                const QString t = IngangTitel(r, m, n);
                VoegVeldToe(regel, QStringLiteral("Flags ") + t);
                VoegVeldToe(regel, QStringLiteral("Value ") + t);
                VoegVeldToe(regel, QStringLiteral("Unit ") + t);
                VoegVeldToe(regel, QStringLiteral("Temp ") + t);
                VoegVeldToe(regel, QStringLiteral("T.Unit ") + t);
            }
            VoegVeldToe(regel, TrimSpaties(Racks[r].Modules[m].Name));
        }
    }
    SluitRegel(regel);
    return regel;
}

// A row emptied by a delete has no time cells left: it is no sample any more.
bool RijZonderTijd(int32_t rij) {
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            const Tabelvenster* venster = TabelVensters.Maak(r);
            const auto cel = [&](int16_t kolom) {
                return venster ? venster->CelTekst(static_cast<int16_t>(m), rij, kolom).trimmed() : QString();
            };
            return cel(KolomDatum).isEmpty() && cel(KolomTijd).isEmpty();
        }
    }
    return true;
}

void VoegRijToe(QString& uit, int32_t rij) {
    if (RijZonderTijd(rij)) return;
    bool eerste = true;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        Tabelvenster* venster = TabelVensters.Maak(r);
        auto cel = [venster, rij](int m, int kolom) {
            return venster ? venster->CelTekst(static_cast<int16_t>(m), rij, static_cast<int16_t>(kolom))
                           : QString();
        };
        for (int m = 1; m <= AantalModules; ++m) {
            if (!Racks[r].Modules[m].Present) continue;
            if (eerste) {
                // Relative times cannot be read back as rows: the file always gets the clock time.
                VoegVeldToe(uit, RelatieveTijd && TijdBasis != 0
                                     ? platform::DatumTijdTekst(TijdUitRelatief(static_cast<int16_t>(r),
                                                                                static_cast<int16_t>(m), rij))
                                     : cel(m, KolomDatum) + QLatin1Char(' ') + cel(m, KolomTijd));
                eerste = false;
            }
            for (int n = 1; n <= AantalIngangen; ++n) {
                if (!Racks[r].Modules[m].Meting[n].Set) {
                    for (int k = 0; k < VeldenPerIngang; ++k)
                        VoegVeldToe(uit, QString());
                    continue;
                }
                const int c = KolomVanKanaal(n);
                const QString waarde = cel(m, c);
                const QString temperatuur = cel(m, c + 2);
                int flags = 0;
                if (waarde == OR) flags |= VlagBovenBereik;
                if (temperatuur == OR) flags |= VlagTemperatuurTeHoog;
                VoegVeldToe(uit, QString::number(flags));
                VoegVeldToe(uit, TrimSpaties(waarde));
                VoegVeldToe(uit, TrimSpaties(cel(m, c + 1)));
                VoegVeldToe(uit, TrimSpaties(temperatuur));
                VoegVeldToe(uit, TrimSpaties(cel(m, c + 3)));
            }
            VoegVeldToe(uit, cel(m, InfoKolom(r, m)));
        }
    }
    SluitRegel(uit);
}

// "Access rejected" when the file or its folder cannot be written; otherwise the write itself failed.
bool ToegangGeweigerd(const QString& naam) {
    const QFileInfo info(naam);
    if (info.exists() && !info.isWritable()) return true;
    const QFileInfo map(info.absolutePath());
    return !map.isDir() || !map.isWritable();
}

// ---------------------------------------------------------------------------------------------------
// Reading

// Lines of a file, read in blocks: CR LF, LF or a lone CR ends a line; a last line without an end
// counts.
class Regellezer {
public:
    explicit Regellezer(QIODevice& bron) : m_bron(bron) { m_blok.reserve(2 * BlokGrootte); }

    // The next line without its end, and the bytes it took with its end; false at the end of the file.
    bool Volgende(QByteArrayView& regel, qint64& bytes) {
        for (;;) {
            const char* begin = m_blok.constData() + m_positie;
            const qsizetype over = m_blok.size() - m_positie;
            const char* lf = static_cast<const char*>(std::memchr(begin, '\n', static_cast<size_t>(over)));
            const qsizetype tot = lf ? lf - begin : over;
            const char* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<size_t>(tot)));
            if (cr && (cr + 1 < begin + over || m_einde)) {
                const qsizetype lengte = cr - begin;
                const qsizetype einde = (cr + 1 < begin + over && cr[1] == '\n') ? 2 : 1;
                return Neem(regel, bytes, lengte, einde);
            }
            if (lf && !cr) return Neem(regel, bytes, tot, 1);
            if (m_einde) {
                if (over == 0) return false;
                return Neem(regel, bytes, over, 0);
            }
            Vul();
        }
    }
    bool Fout() const { return m_fout; }

private:
    bool Neem(QByteArrayView& regel, qint64& bytes, qsizetype lengte, qsizetype einde) {
        regel = QByteArrayView(m_blok.constData() + m_positie, lengte);
        bytes = lengte + einde;
        m_positie += lengte + einde;
        return true;
    }
    void Vul() {
        m_blok.remove(0, m_positie);
        m_positie = 0;
        const qsizetype oud = m_blok.size();
        m_blok.resize(oud + BlokGrootte);
        const qint64 gelezen = m_bron.read(m_blok.data() + oud, BlokGrootte);
        if (gelezen < 0) m_fout = true;
        m_blok.resize(oud + std::max<qint64>(gelezen, 0));
        if (gelezen <= 0) m_einde = true;
    }
    static constexpr qsizetype BlokGrootte = 256 * 1024;
    QIODevice& m_bron;
    QByteArray m_blok;
    qsizetype m_positie = 0;
    bool m_einde = false;
    bool m_fout = false;
};

enum class Codering { Ascii, Utf8, Windows1252 };

// How the file's text is to be read: UTF-8 when it holds non-ASCII bytes and all of it is valid UTF-8,
// else Windows-1252 (plain ASCII reads the same either way).
Codering BepaalCodering(QFile& f) {
    QByteArray blok(256 * 1024, Qt::Uninitialized);
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool nietAscii = false;
    for (;;) {
        const qint64 n = f.read(blok.data(), blok.size());
        if (n <= 0) break;
        const QByteArrayView deel(blok.constData(), n);
        if (!nietAscii) {
            qsizetype i = 0;
            while (i < n && static_cast<unsigned char>(deel[i]) < 0x80)
                ++i;
            if (i == n) continue;
            nietAscii = true;
        }
        const QString proef = utf8.decode(deel);
        if (utf8.hasError()) break;
    }
    const bool geldig = !utf8.hasError();
    f.seek(0);
    if (!nietAscii) return Codering::Ascii;
    return geldig ? Codering::Utf8 : Codering::Windows1252;
}

// The text of each line, decoded into one buffer that is used again for every line.
class Regeldecoder {
public:
    explicit Regeldecoder(Codering codering) : m_codering(codering) {}

    // Valid until the next call.
    const QString& Tekst(QByteArrayView bytes) {
        QStringDecoder& decoder = Decoder(bytes);
        m_tekst.resize(decoder.requiredSpace(bytes.size()));
        const QChar* einde = decoder.appendToBuffer(m_tekst.data(), bytes);
        m_tekst.truncate(einde - m_tekst.constData());
        return m_tekst;
    }

private:
    QStringDecoder& Decoder(QByteArrayView bytes) {
        if (m_codering == Codering::Utf8) return m_utf8;
        if (m_codering == Codering::Ascii || !m_windows1252.isValid()) return m_latijn1;
        // Windows-1252 differs from Latin-1 only in the bytes 0x80..0x9F.
        const bool latijn1 = std::none_of(bytes.begin(), bytes.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b >= 0x80 && b <= 0x9F;
        });
        return latijn1 ? m_latijn1 : m_windows1252;
    }

    Codering m_codering;
    QStringDecoder m_latijn1{QStringDecoder::Latin1};
    QStringDecoder m_utf8{QStringDecoder::Utf8};
    QStringDecoder m_windows1252{"windows-1252"};
    QString m_tekst;
};

// A number as the file writes flags, values and temperatures: a sign, digits with "." or "," as
// decimal sign, and an exponent.
bool IsGetal(QStringView t) {
    t = t.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
    qsizetype cijfers = 0;
    while (i < n && t[i].isDigit()) {
        ++i;
        ++cijfers;
    }
    if (i < n && (t[i] == u'.' || t[i] == u',')) {
        ++i;
        while (i < n && t[i].isDigit()) {
            ++i;
            ++cijfers;
        }
    }
    if (cijfers == 0) return false;
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
        qsizetype exponent = 0;
        while (i < n && t[i].isDigit()) {
            ++i;
            ++exponent;
        }
        if (exponent == 0) return false;
    }
    return i == n;
}

bool IsFlagsVeld(QStringView t) {
    t = t.trimmed();
    if (t.isEmpty()) return true;
    if (t.size() > 3) return false;
    for (QChar c : t)
        if (!c.isDigit()) return false;
    return t.toInt() <= 255;
}

bool IsMeetVeld(QStringView t) {
    return t.trimmed().isEmpty() || t == OR || IsGetal(t);
}

// Checks the module blocks of a row; a flag, value or temperature that is no number is emptied, so that
// nothing unsound reaches the tables. False when anything was wrong.
bool ControleerVelden(QStringList& velden, qsizetype verwacht) {
    bool goed = velden.size() >= verwacht;
    const qsizetype einde = std::min(velden.size(), verwacht);
    for (qsizetype i = 1; i < einde; ++i) {
        const qsizetype plaats = (i - 1) % VeldenPerModule;
        if (plaats == VeldenPerModule - 1) continue; // the info text
        const qsizetype soort = plaats % VeldenPerIngang;
        const bool geldig = soort == 0   ? IsFlagsVeld(velden.at(i))
                            : soort == 1 ? IsMeetVeld(velden.at(i))
                            : soort == 3 ? IsMeetVeld(velden.at(i))
                                         : true;
        if (!geldig) {
            velden[i].clear();
            goed = false;
        }
    }
    return goed;
}

// The lines that were not loaded whole, for the message after the load.
class Meldingen {
public:
    void Voeg(qint64 regelNummer, const QString& regel) {
        if (m_regels.size() < MaxGetoond)
            m_regels.append(
                QString::number(regelNummer) + QStringLiteral(": ") +
                (regel.size() > MaxLengte ? regel.left(MaxLengte) + QStringLiteral("...") : regel));
        ++m_aantal;
    }
    bool Leeg() const { return m_aantal == 0; }
    QString Tekst() const {
        QString t = m_regels.join(CRLF);
        if (m_aantal > m_regels.size()) t += CRLF + QStringLiteral("...");
        return t;
    }

private:
    static constexpr qsizetype MaxGetoond = 10;
    static constexpr qsizetype MaxLengte = 60;
    QStringList m_regels;
    qint64 m_aantal = 0;
};

// Reads the time field of a row. Rows follow each other in time, so most share the date of the row
// before: when the text starts with that date as written, only the time after it is read, with the
// locale's long-time pattern when it is plain hours, minutes and seconds. Anything else goes through
// the platform's date reading.
class DatumLezer {
public:
    DatumLezer() {
        const QString patroon = platform::LangeTijdPatroon();
        qsizetype i = 0;
        while (i < patroon.size()) {
            const QChar c = patroon.at(i);
            qsizetype n = 1;
            while (i + n < patroon.size() && patroon.at(i + n) == c)
                ++n;
            if (c == u'H' || c == u'm' || c == u's') {
                if (n > 2) return;
                m_delen.push_back({c, QString(), n == 1 ? 1 : 2});
            } else if (c.isLetter() || c == u'\'') {
                return; // 12-hour clock, quoted text: the platform reads it
            } else {
                m_delen.push_back({QChar(), QString(n, c), 0});
            }
            i += n;
        }
        m_snel = !m_delen.empty();
    }

    bool Lees(const QString& veld, platform::Datum& d) {
        const QString t = veld.trimmed();
        const qsizetype n = m_datumTekst.size();
        if (m_snel && n > 0 && t.size() > n + 1 && t.startsWith(m_datumTekst) && t.at(n) == u' ') {
            int seconden = 0;
            if (LeesTijd(QStringView(t).sliced(n + 1), seconden)) {
                d = m_dag + (seconden * 1000) / 86400000.0;
                return true;
            }
        }
        if (!platform::LeesDatumTijd(t, d)) return false;
        if (d >= 1) {
            const QString datum = platform::KorteDatum(d);
            if (t.size() > datum.size() && t.startsWith(datum) && t.at(datum.size()) == u' ') {
                m_datumTekst = datum;
                m_dag = std::floor(d);
            }
        }
        return true;
    }

private:
    struct Deel {
        QChar soort; // 'H', 'm', 's', or none for a separator
        QString letterlijk;
        int cijfers; // 1: one or two digits, 2: exactly two
    };

    bool LeesTijd(QStringView t, int& seconden) const {
        int waarden[3] = {0, 0, 0};
        qsizetype p = 0;
        for (const Deel& deel : m_delen) {
            if (deel.soort.isNull()) {
                if (!t.sliced(p).startsWith(deel.letterlijk)) return false;
                p += deel.letterlijk.size();
                continue;
            }
            int waarde = 0;
            qsizetype cijfers = 0;
            while (p < t.size() && cijfers < 2 && t.at(p).isDigit()) {
                waarde = waarde * 10 + t.at(p).digitValue();
                ++p;
                ++cijfers;
            }
            if (cijfers == 0 || (deel.cijfers == 2 && cijfers != 2)) return false;
            waarden[deel.soort == u'H' ? 0 : deel.soort == u'm' ? 1 : 2] = waarde;
        }
        if (p != t.size() || waarden[0] > 23 || waarden[1] > 59 || waarden[2] > 59) return false;
        seconden = waarden[0] * 3600 + waarden[1] * 60 + waarden[2];
        return true;
    }

    std::vector<Deel> m_delen;
    bool m_snel = false;
    QString m_datumTekst;
    double m_dag = 0;
};

struct RackTabel {
    Tabelvenster* venster;
    std::vector<int16_t> modules;
};

} // namespace

bool SchrijfGegevensbestand(const QString& naam) {
    QString uit = Kopregel();
    for (int32_t rij = 1; rij <= AantalMetingen; ++rij)
        VoegRijToe(uit, rij);
    const QByteArray bytes = platform::NaarWindows1252(uit);
    uit.clear();
    while (!platform::SchrijfBestandVeilig(naam, bytes)) {
        const bool toegang = ToegangGeweigerd(naam);
        const QString tekst = toegang ? VervangHekje(Tekst[234], naam) : Tekst[490] + CRLF + CRLF + naam;
        const int stijl = vbRetryCancel | (toegang ? vbExclamation : vbCritical);
        if (ToonMelding(tekst, stijl, naam) != vbRetry) return false;
    }
    return true;
}

void LeesGegevensbestand(const QString& naam) {
    LaatsteKeuze = 1;
    if (naam.isEmpty() || !QFileInfo(naam).isFile()) {
        if (AantalMetingen < 0) AantalMetingen = 0;
        return;
    }
    AantalMetingen = -1;
    BezigMetLaden = true;
    QFile f(naam);
    const bool open = f.open(QIODevice::ReadOnly);
    ToonVoortgang(0, 100, 0, Tekst[181]);
    const qint64 lengte = std::max<qint64>(f.size(), 1);

    // The present racks and modules as they are now; the file's blocks are assigned in this order.
    std::vector<RackTabel> tabellen;
    qsizetype aantalModules = 0;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        RackTabel tabel{TabelVensters.Maak(r), {}};
        if (tabel.venster) tabel.venster->StelTabelIn(false);
        for (int16_t m = 1; m <= AantalModules; ++m)
            if (Racks[r].Modules[m].Present) tabel.modules.push_back(m);
        aantalModules += static_cast<qsizetype>(tabel.modules.size());
        tabellen.push_back(std::move(tabel));
    }
    const qsizetype verwacht = 1 + VeldenPerModule * aantalModules;

    bool leesFout = !open;
    Meldingen meldingen;
    if (open) {
        const Codering codering = BepaalCodering(f);
        Regeldecoder decoder(codering);

        Regellezer lezer(f);
        DatumLezer datumLezer;
        Veldsplitser splitser;
        QByteArrayView bytes;
        qint64 regelBytes = 0, totaal = 0, regelNummer = 0;
        int16_t voortgang = -1;
        while (lezer.Volgende(bytes, regelBytes)) {
            ++regelNummer;
            totaal += regelBytes;
            const auto nieuw = static_cast<int16_t>(std::min<qint64>(totaal * 100 / lengte, 100));
            if (nieuw != voortgang) {
                voortgang = nieuw;
                ZetVoortgang(voortgang);
                if (VoortgangAfbreken) break;
            }
            const QString& regel = decoder.Tekst(bytes);
            bool onafgesloten = false;
            QStringList velden = splitser.Splits(regel, &onafgesloten);
            platform::Datum tijd = 0;
            const bool isRij = !velden.isEmpty() && datumLezer.Lees(velden.at(0), tijd);
            if (AantalMetingen < 0) {
                // Line 1 is the header, whatever it holds; a sample row there is not loaded.
                AantalMetingen = 0;
                if (isRij) meldingen.Voeg(regelNummer, regel);
                continue;
            }
            if (!isRij) {
                if (!TrimSpaties(regel).isEmpty()) meldingen.Voeg(regelNummer, regel);
                continue;
            }
            ++AantalMetingen;
            TijdMeting = tijd;
            if (RelatieveTijd && TijdBasis == 0) TijdBasis = TijdMeting;
            if (!ControleerVelden(velden, verwacht) || onafgesloten) meldingen.Voeg(regelNummer, regel);

            Regelvelden info(std::move(velden), 1);
            for (RackTabel& tabel : tabellen)
                for (int16_t m : tabel.modules) {
                    const qsizetype begin = info.Positie();
                    if (tabel.venster) tabel.venster->VulEnkeleTabelAanUitBestand(m, info);
                    info.ZetPositie(begin + VeldenPerModule);
                }
        }
        leesFout = lezer.Fout() || f.error() != QFileDevice::NoError;
    }

    for (RackTabel& tabel : tabellen)
        if (tabel.venster)
            for (int16_t m : tabel.modules)
                tabel.venster->ToonRaster(m);
    if (AantalMetingen < 0) AantalMetingen = 0;
    BezigMetLaden = false;
    f.close();
    SluitVoortgang();

    if (leesFout) {
        ToonMelding(Tekst[449], vbCritical, naam);
        LaatsteKeuze = 2;
    } else if (!meldingen.Leeg()) {
        ToonMelding(Tekst[449] + CRLF + CRLF + meldingen.Tekst(), vbExclamation, naam);
    }
}

int16_t OpenGegevensbestand() {
    hoofdvenster().ZetWachtcursor(true);
    bool bestaat = false;
    if (!Gegevensbestand.isEmpty()) {
        AantalMetingen = 0;
        bestaat = BestandBestaat(Gegevensbestand);
        if (bestaat) {
            // Edits left from an earlier run are committed or dropped before the file is read.
            ControleerWijzigingen(Gegevensbestand, false, true);
            LeesGegevensbestand(Gegevensbestand);
            SluitVoortgang();
            hoofdvenster().VernieuwGrafieken();
        }
    }
    int16_t antwoord = 1;
    if (bestaat || HeeftSjabloon(Gegevensbestand)) {
        hoofdvenster().ZetTitel();
    } else {
        ToonMelding(Tekst[252] + CRLF + CRLF + Gegevensbestand + CRLF, vbExclamation,
                    Tekst[187] + QLatin1Char(':'));
        antwoord = 2;
        hoofdvenster().VerwijderRecentBestand(Gegevensbestand);
    }
    hoofdvenster().ZetWachtcursor(false);
    return antwoord;
}

bool HeeftSjabloon(const QString& naam) {
    for (const char* markering : {"#date#", "#rack#", "#module#", "#channel#"})
        if (naam.contains(QLatin1String(markering))) return true;
    return false;
}

QString ZetGegevensbestand(const QString& naam) {
    LaatsteKeuze = 1;
    QString s = TrimSpaties(naam);
    if (s.isEmpty()) return QString();
    if (!s.contains(QLatin1String(".csv"), Qt::CaseInsensitive)) s += QStringLiteral(".csv");
    GevondenBestand = BestandBestaat(MaakBestandsnaam(s, 0, 0, 0));

    // The folder of the name; a bare name lies in the program's folder.
    const qsizetype schuine = s.lastIndexOf(QLatin1Char('/'));
    const QString map = schuine >= 0 ? s.left(schuine + 1) : QString();
    MapGegevens = map.isEmpty() ? QCoreApplication::applicationDirPath()
                                : QDir::cleanPath(QDir::current().absoluteFilePath(map));
    if (!QDir::setCurrent(MapGegevens)) {
        ToonMelding(Tekst[269], vbCritical, MapGegevens);
        LaatsteKeuze = 2;
        return s;
    }
    // A relative name is now relative to the folder just entered.
    if (!map.isEmpty() && QDir::isRelativePath(map)) return s.mid(map.size());
    return s;
}

void ResetMeetbestand() {
    Gegevensbestand.clear();
    AantalMetingen = 0;
    TijdMeting = 0;
    BezigMetLaden = false;
    LaatsteKeuze = 0;
}
