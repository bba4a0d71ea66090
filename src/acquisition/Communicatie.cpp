#include "acquisition/Communicatie.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Alarmuitgang.h"
#include "acquisition/Commandos.h"
#include "acquisition/Frames.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterIndicatoren.h"
#include "acquisition/RackvensterTeksten.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Systeemboom.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <optional>

int16_t OpvraagRack;
int16_t OpvraagModule;
int16_t OpvraagStap;
QString BewaardCommando;

namespace {

bool EindeLus = false;
// The loss of the rack line has been told (until the line is opened again).
bool VerliesGemeld = false;

// A pass that got no reply and did not wait for one (simulation, a closed port, an aborted wait)
// idles this long, so that a waiting program sleeps instead of spinning.
constexpr int RustMs = 150;
// In simulation every step of the poll walk is such a pass, a shorter one.
constexpr int RustSimulatieMs = SimulatiePasMs;
// Check ticks of 250 ms that a request stays unanswered before the supervision acts.
constexpr int16_t ControleTikken = 2;

const QString CRLF = QStringLiteral("\r\n");

bool IsErEenRackActief() {
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present) return true;
    return false;
}

bool IsBekendModel(const ModuleRecord& m) {
    return ModelVan(m).Bekend();
}

bool HeeftIngangInGebruik(const ModuleRecord& m) {
    for (int c = 1; c <= AantalIngangen; ++c)
        if (m.Meting[c].Set) return true;
    return false;
}

// Rack r is polled: registered, measuring, and not waiting for its log-on (a rack that did not answer a
// Search gets no request and no reset until it is registered again).
bool WordtGepold(int r) {
    return Racks[r].Present && RackVlaggen[r].Measure && !RackWachtOpAanmelding(r);
}

bool WordtGemeten(int r, int m) {
    return Racks[r].Modules[m].Present && WordtGepold(r);
}

// True when every module that the walk polls has had its turn since the turns were last opened. While
// a rack waits for its log-on and the log-on request may still get its reply, none has: a rack that
// answers is polled from its log-on on, and the row waits for its reading.
bool AlleBeurtenGehad() {
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present || !RackVlaggen[r].Measure) continue;
        if (RackWachtOpAanmelding(r)) {
            if (AanmeldingLoopt()) return false;
            continue;
        }
        for (int m = 1; m <= AantalModules; ++m) {
            const ModuleRecord& module = Racks[r].Modules[m];
            if (module.Present && HeeftIngangInGebruik(module) && BeurtOpen(r, m)) return false;
        }
    }
    return true;
}

// The turn of module (r, m) ends: read, or given up or passed over without a reading.
void EindigBeurt(int r, int m, bool gelezen) {
    SluitBeurt(r, m, gelezen);
    if (AlleBeurtenGehad()) CyclusVoltooid = true;
}

void Rust() {
    // With Pauzeren set, Wacht ends at once; the pump then sleeps until the next event.
    if (Pauzeren)
        platform::Pomp();
    else
        Wacht(Demo ? RustSimulatieMs : RustMs);
}

// The reply of a poll request belongs to the command the module has outstanding. A reply that
// answers another command (a late or repeated reply) is not taken: it would mark the outstanding
// request answered with the values of another one.
bool IsAntwoordOpOpenstaandCommando(uint8_t echo) {
    int r = 0, m = 0;
    ZoekRackModule(AntwoordIdno, r, m);
    if (r == 0 || m == 0) return false;
    return Racks[r].Modules[m].LaatsteCommando == QString::number(echo);
}

// The dispatcher: one reply taken by the loop.
void VerwerkLusAntwoord(const QByteArray& antwoord) {
    AntwoordIdno = HaalLong(antwoord, 4);
    const uint8_t echo = HaalByte(antwoord, 3);
    AntwoordEcho = QString::number(echo);
    AntwoordGeldig = ControleerChecksum(antwoord);
    hoofdvenster().ZetStatusTekst(3, QString());

    if (Fabrieksmodus) {
        int r = 0, m = 0;
        ZoekRackModule(AntwoordIdno, r, m);
        SchrijfLogboek(r, m, Tekst[461] + QLatin1Char(' ') + AntwoordEcho);
    }
    if (!AntwoordGeldig) return;
    // A reply too short to hold the fields its command reads counts as no reply.
    if (!IsVolledigAntwoord(antwoord)) return;

    MarkeerAntwoordOntvangen(AntwoordIdno);
    switch (echo) {
    case CommandoAanmelden:
        VerwerkAanmeldAntwoord(AntwoordIdno);
        break;
    case CommandoADC:
        if (IsAntwoordOpOpenstaandCommando(echo)) VerwerkADCAntwoord(antwoord);
        break;
    case CommandoTemperatuurADC:
        if (IsAntwoordOpOpenstaandCommando(echo)) VerwerkTemperatuurADCAntwoord(antwoord);
        break;
    case CommandoStatus:
        if (IsAntwoordOpOpenstaandCommando(echo)) VerwerkStatusAntwoord(antwoord);
        break;
    default:
        break;
    }
}

// Module m of rack r is given up: its values are stale from now on, the rack window blanks them.
void GeefModuleOp(int r, int m) {
    VerhoogGeenAntwoordTeller(r, m);
    ToonMetingenRackvenster(r, m, true);
}

// The rack line's device failed while open (an adapter unplugged, the other end of a pseudo-terminal
// gone): the port has closed itself. Told once, as a port that cannot be used: every module on the
// line counts as given up, logging is switched off as with a closed port, and the loop idles as with a
// closed port until the port is opened again.
void ControleerLijnVerlies() {
    if (!MSComm1().verloren()) {
        VerliesGemeld = false;
        return;
    }
    if (VerliesGemeld) return;
    VerliesGemeld = true;
    BufferRS232.clear();
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present)
            for (int m = 1; m <= AantalModules; ++m)
                if (Racks[r].Modules[m].Present) GeefModuleOp(r, m);
    AanpassenRackIndicatoren(0, 0, false, false);
    const QString melding = Tekst[148] + hoofdvenster().PoortNaam() + Tekst[149];
    hoofdvenster().ZetStatusTekst(1, melding);
    if (VerbindingActief)
        // The logging switch with the port closed tells it and switches logging off with an end point.
        hoofdvenster().StartStopVerbinding();
    else
        ToonMelding(melding, vbCritical | vbOKOnly, Tekst[299]);
    hoofdvenster().ZetStatusTekst(3, melding);
}

// One pass of the loop. Only its waits may run further passes for the windows that wait inside them.
void LusRonde() {
    {
        // The loss is told where the loop waits: its box waits as every window does, with the loop
        // going on behind it (a Search run meanwhile logs the racks on).
        const Luswacht wacht(true);
        ControleerLijnVerlies();
    }
    const Luswacht werk(false);
    QByteArray antwoord;
    {
        const Luswacht wacht(true);
        antwoord = WachtOpAntwoord();
    }
    if (antwoord.size() > 6 && Antwoord == AntwoordFrame) {
        VerwerkLusAntwoord(antwoord);
    } else if (Demo || Antwoord != AntwoordMislukt) {
        // No frames arrive in simulation; a closed port or an aborted wait returns at once too.
        const Luswacht wacht(true);
        Rust();
    }
    if ((MSComm1().isOpen() || Demo) && MetenActief) {
        // The loop's requests leave their DTR hold running (platform/Vensterwacht.h).
        const platform::Vlaghouder zendt(platform::wachtstand().lusZendt);
        ControleerOpvraging();
    }
}

// A pass for a window that waits: only while measuring (the dialogs that talk to modules themselves
// stop it) and where the loop itself waits.
bool VensterwachtRonde() {
    if (EindeLus || !MetenActief || !LusMagGenestDraaien()) return false;
    LusRonde();
    return true;
}

void Verzend(int r, int m, uint8_t code) {
    ZendModuleCommando(r, m, QString::number(code));
}

// The compute step of module (r, m): converts, shows and drives the alarm and the indicators.
void BerekenModule(int r, int m) {
    ModelVan(r, m).verwerk(r, m);
    Racks[r].Modules[m].Berekend = true;
    EindigBeurt(r, m, true);
    ToonMetingenRackvenster(r, m, false);
    if (AlarmUitgang) StuurAlarmUitgang(r, m, false);
    if (BoomZichtbaar) AanpassenMetingenTreeView(r, m);
    AanpassenRackIndicatoren(r, m, false, false);
    CommandoAfgehandeld(r, m);
}

void ZetBeginStand() {
    OpvraagRack = 1;
    OpvraagModule = 1;
    OpvraagStap = 1;
    BewaardCommando.clear();
    CyclusVoltooid = false;
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// The loop

void CommunicatieLus() {
    // The end flag is not cleared here: an end asked for before the loop came up ends the loop after its
    // start steps. An end that comes while the start waits for an answer (the box about a port that
    // does not open, the settings window) ends the start there: nothing of it follows the program's end.
    const bool eindeVoorDeStart = EindeLus;
    const auto beeindigdTijdensStart = [eindeVoorDeStart] {
        if (!EindeLus || eindeVoorDeStart) return false;
        EindeLus = false;
        return true;
    };
    BoomZichtbaar = false;
    InstellingenOpen = false;
    EindeTekens = QByteArrayLiteral("\r\n");

    bestandslaag().LeesRackAanmelding();

    hoofdvenster().ToonHoofdvenster();
    if (!MSComm1().isOpen()) hoofdvenster().OpenCommPoort();
    if (beeindigdTijdensStart()) return;

    if (!Demo && (!MSComm1().isOpen() || !IsErEenRackActief())) {
        hoofdvenster().ToonInstellingen(1);
        while (!hoofdvenster().InstellingenAfgesloten() && !EindeLus)
            platform::Pomp();
        if (beeindigdTijdensStart()) return;
        WisBuffers();
    }

    // What the start tells only (a last data file that reads with errors or is gone) waits until polling
    // and logging run, so that an unattended start after a power cut logs at once; a question that
    // decides which file is used still comes first.
    std::optional<MeldingenTerughouden> terughouden(std::in_place);
    bool aanmeldenNodig = false;
    if (IsErEenRackActief()) {
        if (LadenBijOpstarten) bestandslaag().OpenGegevensbestand();
        hoofdvenster().UpdateFileMenu(bestandslaag().Gegevensbestand(), QString());
    } else {
        aanmeldenNodig = true;
    }

    hoofdvenster().HerstelGrafieken();
    if (AlarmUitgang) StuurAlarmUitgang(1, 1, true);

    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present && RackVlaggen[r].Show) hoofdvenster().ToonRackVenster(r);

    ZetBeginStand();
    // The first snapshot waits until every module has been read.
    OpenBeurten();
    VolgendeStap(OpvraagRack, OpvraagModule, OpvraagStap);

    if (StartBijOpstarten)
        hoofdvenster().StartStopVerbinding();
    else
        hoofdvenster().StartTimerOpvragen();

    ConfiguratieGewijzigd = false;
    if (aanmeldenNodig && !Demo) {
        hoofdvenster().ToonTerminal();
        StopMeten();
        hoofdvenster().mnuWindowTileHorizontal_Click();
        hoofdvenster().TerminalToevoegen(CRLF + Tekst[135], false);
        ZendAanmeldVerzoek();
    }

    platform::zetLusRonde(VensterwachtRonde);
    terughouden.reset();
    while (!EindeLus)
        LusRonde();
    platform::zetLusRonde(nullptr);
    EindeLus = false;
}

void BeeindigCommunicatieLus() {
    EindeLus = true;
}

// ---------------------------------------------------------------------------------------------------
// The poll cycle

void ControleerOpvraging() {
    if (!IsModulePlaats(OpvraagRack, OpvraagModule)) {
        OpvraagRack = OpvraagModule = OpvraagStap = 1;
        return;
    }
    const int r = OpvraagRack;
    const int m = OpvraagModule;
    ModuleRecord& module = Racks[r].Modules[m];

    if (!WordtGemeten(r, m)) {
        OpvraagVolgendeModule();
        // Nothing is sent in this pass: the turn of the module reached has not begun, and the next pass
        // begins it with its status (it must not count a step as done that was never asked).
        OpvraagStap = 0;
        return;
    }

    if (!module.Beantwoord && !Demo) {
        // A request is outstanding.
        if (ControleTeller < ControleTikken) return;
        if (OpvraagStap < 1) OpvraagStap = 1;
        if (module.AantalPogingen < 3) {
            VolgendeStap(OpvraagRack, OpvraagModule, OpvraagStap);
        } else if (module.AantalPogingen == 3) {
            BewaardCommando = module.LaatsteCommando;
            Verzend(r, m, CommandoReset);
            SchrijfLogboek(r, m, Tekst[451]);
        } else if (module.AantalPogingen == 4) {
            if (!BewaardCommando.isEmpty()) {
                ZendModuleCommando(r, m, BewaardCommando);
            } else {
                EindigBeurt(r, m, false);
                OpvraagVolgendeModule();
                VolgendeStap(OpvraagRack, OpvraagModule, OpvraagStap);
            }
        } else {
            // Given up: the next pass finds the module answered and finished, and moves on.
            GeefModuleOp(r, m);
            EindigBeurt(r, m, false);
            CommandoAfgehandeld(r, m);
            ZendRackCommando(r, CommandoReset);
            SchrijfLogboek(r, m, Tekst[450]);
            OpvraagStap = module.AantalStappen;
        }
        return;
    }

    ++OpvraagStap;
    if (OpvraagStap > module.AantalStappen) OpvraagVolgendeModule();
    VolgendeStap(OpvraagRack, OpvraagModule, OpvraagStap);
}

void VolgendeStap(int16_t& rack, int16_t& module, int16_t& stap) {
    if (!IsModulePlaats(rack, module)) return;
    if (!WordtGemeten(rack, module)) {
        VolgendeModule(rack, module);
        stap = 1;
        CommandoAfgehandeld(rack, module);
    }
    // A present module of no known model gets no request: it is passed over in this same pass, so that
    // it never holds the walk up. The walk stops when it finds no module of a known model.
    for (int overgeslagen = 0; WordtGemeten(rack, module) && !IsBekendModel(Racks[rack].Modules[module]);
         ++overgeslagen) {
        if (overgeslagen >= AantalRacks * AantalModules) return;
        const int16_t r0 = rack, m0 = module;
        CommandoAfgehandeld(rack, module);
        EindigBeurt(rack, module, false);
        VolgendeModule(rack, module);
        stap = 1;
        if (rack == r0 && module == m0) return;
        CommandoAfgehandeld(rack, module);
    }
    if (!WordtGemeten(rack, module)) {
        // Nothing to poll here (no rack registered yet, or none measuring): the turn of this place has
        // not begun, so that a module registered here later begins it with its status.
        stap = 0;
        return;
    }

    switch (stap) {
    case 1:
        AanpassenRackIndicatoren(rack, module, true, true);
        Verzend(rack, module, CommandoStatus);
        break;
    case 2:
        Verzend(rack, module, CommandoTemperatuurADC);
        break;
    case 3:
        Verzend(rack, module, CommandoADC);
        break;
    case 4:
        BerekenModule(rack, module);
        VolgendeModule(rack, module);
        stap = 1;
        CommandoAfgehandeld(rack, module);
        VolgendeStap(rack, module, stap);
        break;
    default:
        break;
    }
}

void VolgendeModule(int16_t& rack, int16_t& module) {
    if (!IsModulePlaats(rack, module)) {
        rack = 1;
        module = 1;
    }
    const int16_t r0 = rack, m0 = module;
    // With no module to poll every step of the walk completes the cycle.
    if (AlleBeurtenGehad()) CyclusVoltooid = true;
    for (;;) {
        ++module;
        if (module > AantalModules) {
            module = 1;
            do {
                ++rack;
                if (rack > AantalRacks) rack = 1;
            } while (rack != r0 && !WordtGepold(rack));
        }
        if (rack == r0 && module == m0) return;
        const ModuleRecord& m = Racks[rack].Modules[module];
        if (m.Present && HeeftIngangInGebruik(m)) return;
    }
}

void HerbeginOpvraging() {
    for (int r = 1; r <= AantalRacks; ++r)
        for (int m = 1; m <= AantalModules; ++m)
            CommandoAfgehandeld(r, m);
    BewaardCommando.clear();
    // The turn of the module the walk reaches begins with its status.
    OpvraagStap = 0;
    OpenBeurten();
    HoudAanmeldingOpen();
}

void OpvraagVolgendeModule() {
    VolgendeModule(OpvraagRack, OpvraagModule);
    OpvraagStap = 1;
}

void StartMeten() {
    MetenActief = true;
    hoofdvenster().ZetMetenKnop(true);
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral(" True"));
}

void StopMeten() {
    MetenActief = false;
    ToonMetenUit();
}

void ToonMetenUit() {
    hoofdvenster().ZetMetenKnop(false);
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral(" False"));
}

// ---------------------------------------------------------------------------------------------------
// The snapshot

void VerwerkOpvraagTik() {
    if (AantalMetingen == 0 && RelatieveTijd) TijdBasis = TijdMeting;
    if (AantalMetingen < INT32_MAX) ++AantalMetingen;
    VernieuwVensters(QString());
}

namespace {

// The run goes on in a new data file with the row being taken: the windows show that file as one just
// opened, whose first row this is. The tables begin empty, the graphs afresh (without a read-out of the
// rows that went), and relative time counts from this row as it does for a table that begins empty.
void BeginNieuwBestandInVensters() {
    AantalMetingen = 1;
    if (RelatieveTijd) TijdBasis = TijdMeting;
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present)
            if (Tabelvenster* tabel = TabelVensters[r]) tabel->StelTabelIn(false);
    for (int g = 1; g <= AantalGrafieken; ++g) {
        GrafiekvensterInterface* venster = GrafiekVenster(g);
        if (venster && venster->GrafiekIndex() == g) venster->ReInitGrafiekData();
    }
}

} // namespace

void VernieuwVensters(const QString& info) {
    ++Opnamenummer;
    if (bestandslaag().LogMeting(info)) BeginNieuwBestandInVensters();
    for (int r = 1; r <= AantalRacks; ++r)
        if (Racks[r].Present)
            if (Tabelvenster* tabel = TabelVensters.Maak(r)) tabel->VulTabellenAan(info);
    for (int g = 1; g <= AantalGrafieken; ++g) {
        GrafiekvensterInterface* venster = GrafiekVenster(g);
        if (venster && venster->GrafiekIndex() == g) venster->VulGrafiekAan(AantalMetingen);
    }
}

void ResetCommunicatie() {
    ZetBeginStand();
    WisWachtendeAanmeldingen();
    VerliesGemeld = false;
    EindeLus = false;
}
