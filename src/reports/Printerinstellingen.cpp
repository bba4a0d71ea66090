#include "reports/Printerinstellingen.h"

#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

QString PrintLettertype = QStringLiteral("Arial");
bool PrintCursief = false;
QString PrintOperator;
QString PrintAfdeling;
QString PrintBedrijf;
QString PrintToestel = QStringLiteral("K740");
bool PrintAlles = true;
QString PrintNota;
int16_t PrintOrientatie = 1;
int16_t PrinterIndex = -1;
bool PrintAlarmRapport = false;
bool PrintEnkelSelectie = false;

namespace {

QString Lees(const QString& sectie, const char* sleutel, const QString& standaard) {
    return LeesInstelling(AppNaam, sectie, QLatin1String(sleutel), standaard);
}

// "True"/"False" in any case, or a number (0 is False); anything else the default.
bool LeesBoolean(const QString& sectie, const char* sleutel, bool standaard) {
    const QString t = Lees(sectie, sleutel, BooleanAlsTekst(standaard)).trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    bool getal = false;
    const double w = t.toDouble(&getal);
    return getal ? w != 0 : standaard;
}

} // namespace

void LeesPrinterInstellingen(const QString& sectie) {
    PrintLettertype = Lees(sectie, "Fontname", QStringLiteral("Arial"));
    PrintCursief = LeesBoolean(sectie, "Fontitalic", false);
    PrintOperator = Lees(sectie, "Operator", QString());
    PrintAfdeling = Lees(sectie, "Department", QString());
    PrintBedrijf = Lees(sectie, "Company", QString());
    PrintToestel = Lees(sectie, "Instrument", QStringLiteral("K740"));
    PrintAlles = LeesBoolean(sectie, "Print All", true);
    MargeBoven = TekstNaarSingle(Lees(sectie, "Offset top", QStringLiteral("0")));
    MargeOnder = TekstNaarSingle(Lees(sectie, "Offset bottom", QStringLiteral("0")));
    MargeLinks = TekstNaarSingle(Lees(sectie, "Offset left", QStringLiteral("0")));
    MargeRechts = TekstNaarSingle(Lees(sectie, "Offset right", QStringLiteral("0")));
    PrintNota = Lees(sectie, "Note", QString());
    PrintOrientatie = TekstNaarInteger(Lees(sectie, "Orientation", QStringLiteral("1")));
    PrinterIndex = TekstNaarInteger(Lees(sectie, "Device", QStringLiteral("-1")));
    PrintAlarmRapport = LeesBoolean(sectie, "Alarm report", false);
}

QList<QPair<QString, QString>> PrinterWaarden() {
    return {{QStringLiteral("Fontname"), PrintLettertype},
            {QStringLiteral("Fontitalic"), BooleanAlsTekst(PrintCursief)},
            {QStringLiteral("Operator"), PrintOperator},
            {QStringLiteral("Department"), PrintAfdeling},
            {QStringLiteral("Company"), PrintBedrijf},
            {QStringLiteral("Instrument"), PrintToestel},
            {QStringLiteral("Print All"), BooleanAlsTekst(PrintAlles)},
            {QStringLiteral("Offset top"), SingleAlsTekst(MargeBoven)},
            {QStringLiteral("Offset bottom"), SingleAlsTekst(MargeOnder)},
            {QStringLiteral("Offset left"), SingleAlsTekst(MargeLinks)},
            {QStringLiteral("Offset right"), SingleAlsTekst(MargeRechts)},
            {QStringLiteral("Note"), PrintNota},
            {QStringLiteral("Orientation"), QString::number(PrintOrientatie)},
            {QStringLiteral("Device"), QString::number(PrinterIndex)},
            {QStringLiteral("Alarm report"), BooleanAlsTekst(PrintAlarmRapport)}};
}

void BewaarPrinterInstellingen(const QString& sectie) {
    for (const auto& [sleutel, waarde] : PrinterWaarden())
        BewaarInstelling(AppNaam, sectie, sleutel, waarde);
}

void ResetPrinterinstellingen() {
    PrintLettertype = QStringLiteral("Arial");
    PrintCursief = false;
    PrintOperator.clear();
    PrintAfdeling.clear();
    PrintBedrijf.clear();
    PrintToestel = QStringLiteral("K740");
    PrintAlles = true;
    PrintNota.clear();
    PrintOrientatie = 1;
    PrinterIndex = -1;
    PrintAlarmRapport = false;
    PrintEnkelSelectie = false;
}
