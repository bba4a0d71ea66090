#include "factory/Afregeling.h"

#include "acquisition/Commandos.h"
#include "acquisition/RackModel.h"
#include "factory/Afregelbestand.h"
#include "factory/Beheer.h"
#include "platform/Datum.h"
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/Opmaak.h"
#include "shared/Systeemfuncties.h"

#include <QLabel>
#include <QLocale>
#include <QScopeGuard>
#include <cmath>
#include <limits>

AfregelingRecord AfregelRecord;
AfregelingRecord VorigeAfregeling;
int32_t AfregelSerienummer = 0;
int AfregelBestandNummer = -1;
int32_t AfregelRecordNummer = 0;
bool AfregelBestandOpen = false;
QString AfregelMap;

namespace {

const QString CRLF = QStringLiteral("\r\n");
constexpr int MeldingFoutKritiek = vbOKCancel | vbCritical;   // 17
constexpr int MeldingOpnieuw = vbRetryCancel | vbExclamation; // 53

bool GeldigeModule(int rack, int module) {
    return rack >= 1 && rack <= AantalRacks && module >= 1 && module <= AantalModules;
}

// A date that the date type can show (years 100 to 9999).
bool IsToonbareDatum(platform::Datum d) {
    return std::isfinite(d) && d >= -657434.0 && d < 2958466.0;
}

// A stored date counts from 1 January 2000 up to (not including) 1 January 2200, by its day.
bool IsGeldigeAfregelDatum(platform::Datum d) {
    if (!IsToonbareDatum(d)) return false;
    const QDate dag = platform::QDateTimeUitDatum(d).date();
    return dag >= QDate(2000, 1, 1) && dag < QDate(2200, 1, 1);
}

// The outcome of a check: its result text, or a failing step (reading, locking, the database).
struct Controle {
    QString resultaat;
    bool mislukt = false;
};

Controle Controleer(int32_t serie, int rack, int module, bool zonderIdControle) {
    // Only a valid record of this serial is kept to start the new one from.
    VorigeAfregeling = AfregelingRecord();
    if (!GeldigeModule(rack, module)) return {};
    const bool zelfGeopend = !AfregelBestandOpen;
    if (zelfGeopend) OpenAfregelBestand();
    if (!AfregelBestandOpen) return {};
    const auto sluit = qScopeGuard([zelfGeopend] {
        if (zelfGeopend) SluitAfregelBestand();
    });
    const ModuleRecord& mod = Racks[rack].Modules[module];

    std::optional<LoopFout> databaseFout;
    const QString toestel = ToestelVanSerienummer(serie, &databaseFout);
    if (databaseFout) return {QString(), true};
    if (toestel != mod.Type.tekst() || !ProductieItem) return {};

    AfregelRecordNummer = ProductieItem->RecordAfregeling();
    const int64_t aantal = afregelbestand::AantalRecords(AfregelBestandNummer);
    if (aantal < 0) return {QString(), true};
    if (AfregelRecordNummer <= 0 || AfregelRecordNummer > aantal) return {};
    if (!afregelbestand::VergrendelRecord(AfregelBestandNummer, AfregelRecordNummer, false))
        return {QString(), true};
    AfregelingRecord gelezen;
    const bool gelukt = afregelbestand::LeesRecord(AfregelBestandNummer, AfregelRecordNummer, gelezen);
    afregelbestand::OntgrendelRecord(AfregelBestandNummer, AfregelRecordNummer);
    if (!gelukt) return {QString(), true};
    if (!IsGeldigeAfregelDatum(gelezen.AfregelDatum)) return {};
    VorigeAfregeling = gelezen;

    Controle controle{platform::KorteDatum(VorigeAfregeling.AfregelDatum)};
    if (!ProductieDatabaseBeschikbaar()) return controle;
    int antwoord = vbOK;
    if (VorigeAfregeling.Serienummer != serie || VorigeAfregeling.Toesteltype.getrimd() != mod.Type.tekst())
        antwoord = ToonMelding(QStringLiteral("Opgegeven serienummer en toesteltype stemmen niet overeen!"),
                               MeldingFoutKritiek, QString());
    // A Cancel on the first message stands: the second question is not asked then.
    if (antwoord != vbCancel && !zonderIdControle && mod.Idno != VorigeAfregeling.Identificatiecode)
        antwoord =
            ToonMelding(QStringLiteral("Reeds geprogrammeerde Identificatiecode en zojuist afgeregelde "
                                       "code stemmen niet overeen!"),
                        MeldingFoutKritiek, QString());
    if (antwoord == vbCancel) controle.resultaat = QStringLiteral("2");
    return controle;
}

// Runs a step until it succeeds; after a failure the operator chooses Retry or Cancel. False when
// cancelled.
template <typename Stap> bool Probeer(Stap stap) {
    while (!stap()) {
        const QString tekst = QStringLiteral("Error when locking/writing record from/to file ") +
                              AfregelBestandPad() + QStringLiteral(" !");
        if (ToonMelding(tekst, MeldingOpnieuw, QString()) != vbRetry) return false;
    }
    return true;
}

// Writes the number of the appended record into the serial's production row. The row is looked up
// again when the check found none (so that a Retry finds a row added meanwhile).
bool Koppel(int32_t serie) {
    if (!ProductieItem) ToestelVanSerienummer(serie);
    if (!ProductieItem) return false;
    ProductieItem->ZetRecordAfregeling(AfregelRecordNummer);
    return ProductieItem->Update(ProductieDatabasePad) == 1;
}

} // namespace

QString AfregelBestandPad() {
    return AfregelMap + QStringLiteral("DataK740.fcd");
}

void OpenAfregelBestand() {
    if (AfregelBestandOpen) return;
    // Without the factory folder there is no shared file to open.
    AfregelBestandNummer = AfregelMap.isEmpty() ? -1 : afregelbestand::Open(AfregelBestandPad());
    AfregelBestandOpen = AfregelBestandNummer >= 0;
    if (!AfregelBestandOpen)
        ToonMelding(QStringLiteral("Kan '") + AfregelBestandPad() + QStringLiteral("' niet openen !"),
                    vbOKOnly | vbCritical);
}

void SluitAfregelBestand() {
    afregelbestand::Sluit(AfregelBestandNummer);
    AfregelBestandNummer = -1;
    AfregelBestandOpen = false;
}

QString ControleerAfregeling(int32_t serie, int rack, int module, bool zonderIdControle) {
    // Another workstation may have linked a record for the serial since the list was loaded.
    if (GeldigeModule(rack, module)) LaadProductie(serie);
    Controle controle;
    const bool verder = Probeer([&] {
        controle = Controleer(serie, rack, module, zonderIdControle);
        return !controle.mislukt;
    });
    return verder ? controle.resultaat : QStringLiteral("2");
}

bool BewaarAfregeling(int32_t serie, int rack, int module, bool gewijzigd) {
    if (!GeldigeModule(rack, module)) return false;
    LaadProductie(serie);
    OpenAfregelBestand();

    const ModuleRecord& mod = Racks[rack].Modules[module];
    AfregelRecord.Serienummer = AfregelSerienummer;
    AfregelRecord.Toesteltype = mod.Type.tekst();
    AfregelRecord.Operator = AangemeldeGebruiker();
    AfregelRecord.SoftwareVersie = LeesSoftwareVersie(rack, module);
    AfregelRecord.AfregelDatum = platform::Nu();
    if (gewijzigd && AfregelRecord.AantalAfregelingen < std::numeric_limits<int16_t>::max())
        ++AfregelRecord.AantalAfregelingen;
    AfregelRecord.Identificatiecode = mod.Idno;

    if (!AfregelBestandOpen) return false;
    const auto sluit = qScopeGuard(SluitAfregelBestand);
    const int fd = AfregelBestandNummer;

    Controle controle;
    if (!Probeer([&] {
            controle = Controleer(serie, rack, module, false);
            return !controle.mislukt;
        }))
        return false;
    // The operator refused to take over the record of another serial, type or module.
    if (controle.resultaat == QLatin1String("2")) return false;

    if (!controle.resultaat.isEmpty()) {
        if (!Probeer([&] { return afregelbestand::VergrendelRecord(fd, AfregelRecordNummer, true); }))
            return false;
        const bool geschreven =
            Probeer([&] { return afregelbestand::SchrijfRecord(fd, AfregelRecordNummer, AfregelRecord); });
        afregelbestand::OntgrendelRecord(fd, AfregelRecordNummer);
        return geschreven;
    }

    if (!Probeer([&] { return afregelbestand::VergrendelBestand(fd); })) return false;
    const bool geschreven = Probeer([&] {
        const int64_t aantal = afregelbestand::AantalRecords(fd);
        if (aantal < 0 || aantal >= std::numeric_limits<int32_t>::max()) return false;
        AfregelRecordNummer = static_cast<int32_t>(aantal + 1);
        return afregelbestand::SchrijfRecord(fd, AfregelRecordNummer, AfregelRecord);
    });
    afregelbestand::OntgrendelBestand(fd);
    if (!geschreven) return false;
    if (ProductieDatabaseBeschikbaar()) Probeer([&] { return Koppel(serie); });
    return true;
}

AfregelRapport MaakAfregelRapport(const AfregelingRecord& record) {
    const QStringList teksten = {
        QStringLiteral("Serial Number: "),    QStringLiteral("Id.N°: "),
        QStringLiteral("Calibrated on:"),     QString(),
        QStringLiteral("Operator: "),         QString(),
        QStringLiteral("Software Version: "), QStringLiteral("N° of calibrations: ")};
    const bool datum = IsToonbareDatum(record.AfregelDatum);
    const QStringList waarden = {
        QString::number(record.Serienummer),
        IdnoAlsTekst(record.Identificatiecode),
        datum ? platform::KorteDatum(record.AfregelDatum) : QString(),
        datum ? QLocale().toString(platform::QDateTimeUitDatum(record.AfregelDatum).time(),
                                   QLocale::ShortFormat)
              : QString(),
        record.Operator.getrimd(),
        QString(),
        OpmaakSingle(record.SoftwareVersie, QStringLiteral("0.0")),
        QString::number(record.AantalAfregelingen)};
    return {teksten.join(CRLF) + CRLF, waarden.join(CRLF) + CRLF};
}

void AfregelRapportTekst(QLabel& teksten, QLabel& waarden, const AfregelingRecord& record) {
    const AfregelRapport rapport = MaakAfregelRapport(record);
    teksten.setText(rapport.Teksten);
    waarden.setText(rapport.Waarden);
}

void ResetAfregeling() {
    SluitAfregelBestand();
    AfregelRecord = AfregelingRecord();
    VorigeAfregeling = AfregelingRecord();
    AfregelSerienummer = 0;
    AfregelRecordNummer = 0;
    AfregelMap.clear();
}
