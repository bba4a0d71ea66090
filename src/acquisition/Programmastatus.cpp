#include "acquisition/Programmastatus.h"

platform::Houdvlag MetenActief{false};
platform::Houdvlag PauzeOpvragen{true};
bool Pauzeren;
bool Afbreken;
platform::Houdvlag VerbindingActief{false};
bool InstellingenOpen;
bool BoomZichtbaar;
bool ConfiguratieGewijzigd;
bool Demo;
platform::Datum DemoStart;
bool Fabrieksmodus;
bool AlarmUitgang;
QString AlarmPoort;
bool LogbestandAan;
QString MapGegevens;
QString MapBibliotheek;
QString MapConfiguratie;
QString MapKalibratie;
QString Baudsnelheid;
bool StartBijOpstarten;
bool LadenBijOpstarten;
bool TerminalDataUit;
bool TerminalDataIn;
bool TerminalDataHex;
bool TerminalDataInfo;
bool RelatieveTijd;
platform::Datum TijdBasis;
bool TemperatuurCompensatie;
int ReferentieTemperatuur;
bool CyclusVoltooid;
platform::Datum TijdMeting;
int32_t AantalMetingen;

void ResetProgrammastatus() {
    MetenActief.Herstel(false);
    PauzeOpvragen.Herstel(false);
    VerbindingActief.Herstel(false);
    Pauzeren = Afbreken = false;
    InstellingenOpen = BoomZichtbaar = ConfiguratieGewijzigd = false;
    Demo = Fabrieksmodus = AlarmUitgang = LogbestandAan = false;
    DemoStart = 0;
    AlarmPoort = QStringLiteral("COM1");
    MapGegevens.clear();
    MapBibliotheek.clear();
    MapConfiguratie.clear();
    MapKalibratie.clear();
    Baudsnelheid = QStringLiteral("19200");
    StartBijOpstarten = LadenBijOpstarten = false;
    TerminalDataUit = TerminalDataIn = TerminalDataHex = TerminalDataInfo = false;
    RelatieveTijd = false;
    TijdBasis = 0;
    TemperatuurCompensatie = true;
    ReferentieTemperatuur = 1;
    CyclusVoltooid = false;
    TijdMeting = 0;
    AantalMetingen = 0;
}
