#include "acquisition/Aanmelding.h"

#include "acquisition/Frames.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/StatusADC.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Klok.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <algorithm>
#include <deque>
#include <limits>

namespace {

// Numbers of log-on replies that came while another rack's log-on was handled, in the order they came.
std::deque<int32_t> WachtendeAanmeldingen;
bool AanmeldingBezig = false;
// The rack whose log-on is being handled: a reply of its own meanwhile (to its acknowledge) is dropped.
int32_t RackInBehandeling = 0;

// A log-on request waits for its replies as long as the poll supervision waits for a module before it
// gives it up, five receive time-outs, or until the line closes, which loses them.
constexpr qint64 AanmeldAntwoordTijdMs = qint64{5} * OntvangTijdMs;
constexpr qint64 GeenAanmelding = std::numeric_limits<qint64>::min();
qint64 AanmeldingOpenTot = GeenAanmelding;

const QString CRLF = QStringLiteral("\r\n");

void Terminal(const QString& tekst) {
    hoofdvenster().TerminalToevoegen(tekst, false);
}

bool IsRack(int rack) {
    return rack >= 1 && rack <= AantalRacks;
}

QString Ingangsnaam(int c) {
    return QStringLiteral("CH%1").arg(c);
}

// Only a rack's number registers a rack: its dotted text begins with "1" (0.0.0.0, F.F.F.F and the
// numbers of modules do not).
bool IsRacknummer(int32_t idno) {
    return IdnoAlsTekst(idno).startsWith(QLatin1Char('1'));
}

void BewaarAanmelding(int32_t idno) {
    if (AanmeldingBezig && idno == RackInBehandeling) return;
    if (std::find(WachtendeAanmeldingen.begin(), WachtendeAanmeldingen.end(), idno) ==
        WachtendeAanmeldingen.end())
        WachtendeAanmeldingen.push_back(idno);
}

// A whole log-on reply is kept for handling; true when the reply was one.
bool BewaarAanmeldAntwoord(const QByteArray& antwoord) {
    if (HaalByte(antwoord, 3) != CommandoAanmelden || !ControleerChecksum(antwoord) ||
        !HeeftDatabytes(antwoord, 0))
        return false;
    BewaarAanmelding(HaalLong(antwoord, 4));
    return true;
}

// Empties the buffers of what came before the acknowledge, except the log-on replies of other racks
// (kept for handling) and the bytes of a reply still arriving.
void WisBuffersBehalveAanmeldingen() {
    HaalBytesBinnen();
    for (;;) {
        const Snede snede = SnijFrame(BufferRS232);
        if (!snede.gevonden) break;
        BewaarAanmeldAntwoord(snede.frame);
    }
}

// The reply to a rack request. Log-on replies of other racks that come meanwhile are kept for
// handling, not taken as the answer; at most one for every rack slot, so that the wait ends.
QByteArray WachtOpAntwoordBehalveAanmeldingen() {
    QByteArray antwoord = WachtOpAntwoord();
    for (int i = 0; i < AantalRacks && Antwoord == AntwoordFrame && MSComm1().isOpen() && !Afbreken &&
                    !Pauzeren && BewaarAanmeldAntwoord(antwoord);
         ++i)
        antwoord = WachtOpAntwoord();
    return antwoord;
}

// Module m of the rack as an identification gives it: present with its number, or absent (0). Only a
// number the rack's reply carried is logged as a module's log-on (`gemeld`).
void ZetModulenummer(int rack, int m, int32_t idno, bool gemeld = true) {
    ModuleRecord& mod = Racks[rack].Modules[m];
    mod.Present = false;
    mod.Berekend = false;
    OpenBeurt(rack, m);
    mod.Idno = idno;
    mod.Name.clear();
    for (int c = 1; c <= AantalIngangen; ++c)
        mod.Meting[c].Name = Ingangsnaam(c);
    if (idno == 0) return;
    mod.Present = true;
    mod.Name = SoortUitIdno(idno);
    mod.Type = ModuleTypeUitIdno(rack, m);
    if (gemeld) SchrijfLogboek(rack, m, Tekst[459] + Tekst[296]);
}

// The log-on reply of one rack.
void HandelAanmeldingAf(int32_t idno) {
    if (TerminalDataInfo) Terminal(QStringLiteral("Logon :") + IdnoAlsTekst(idno) + CRLF);
    if (!IsRacknummer(idno)) return;
    // No snapshot while the rack is being registered.
    const platform::Vlaghouder pauze(PauzeOpvragen);
    // The modules of the rack as known at its place: an identification that gets no good reply in its
    // attempts, or that the port's closing cuts short (the settings window closes it), leaves the rack
    // with them, rather than shown and logged empty until the next Search. They are polled as before, so
    // a module that is really gone shows no value.
    std::array<int32_t, AantalModules + 1> bekend{};
    if (const int p = ZoekRackPlaats(idno); p != 0 && Racks[p].Present && Racks[p].Idno == idno)
        for (int m = 1; m <= AantalModules; ++m)
            if (Racks[p].Modules[m].Present) bekend[m] = Racks[p].Modules[m].Idno;
    const int plaats = RegistreerRack(idno);
    if (plaats == 0) {
        // Told where the box waits beside the loop, once this reply is handled: polling and the
        // snapshots go on while no one answers it.
        platform::klok().planIn(0, [tekst = Tekst[447], titel = Tekst[448]] {
            NaastDeLus([tekst, titel] { ToonMelding(tekst, vbExclamation | vbOKOnly, titel); });
        });
        return;
    }
    ZendRackBevestiging(plaats);
    WisBuffersBehalveAanmeldingen();
    if (!LeesIdentificatienummers(plaats))
        for (int m = 1; m <= AantalModules; ++m)
            ZetModulenummer(plaats, m, bekend[m], false);
    ZetKanaalEenheden(plaats);
    bestandslaag().LeesRackConfiguratie(plaats);
    bestandslaag().LeesRackNamen(plaats);
    hoofdvenster().ToonRackVenster(plaats);
    // Graphs reopened before the rack was there name its inputs now.
    VernieuwGrafiekLegenden();
    if (BoomZichtbaar) {
        BoomZichtbaar = false;
        hoofdvenster().HerbouwSysteemboom();
    }
}

} // namespace

void ZendAanmeldVerzoek() {
    if (!MSComm1().isOpen()) return;
    Bestemming = BestemmingRack;
    Commando = CommandoAanmelden;
    AantalbytesUIT = 2;
    ZendKopZonderIdno();
    ZendStaart();
    Terminal(CRLF + Tekst[267] + CRLF + CRLF + Tekst[142] + CRLF + CRLF);
    hoofdvenster().ZetStatusTekst(3, Tekst[142]);
    SchrijfLogboek(0, 0, Tekst[452]);
    HoudAanmeldingOpen();
}

void VerwerkAanmeldAntwoord(int32_t idno) {
    BewaarAanmelding(idno);
    if (AanmeldingBezig) return; // the handling under way takes it next
    AanmeldingBezig = true;
    while (!WachtendeAanmeldingen.empty()) {
        RackInBehandeling = WachtendeAanmeldingen.front();
        WachtendeAanmeldingen.pop_front();
        HandelAanmeldingAf(RackInBehandeling);
    }
    AanmeldingBezig = false;
    RackInBehandeling = 0;
}

void HoudAanmeldingOpen() {
    AanmeldingOpenTot = platform::klok().ms() + AanmeldAntwoordTijdMs;
}

void BeeindigAanmelding() {
    AanmeldingOpenTot = GeenAanmelding;
}

bool AanmeldingLoopt() {
    return AanmeldingBezig || platform::klok().ms() < AanmeldingOpenTot;
}

void WisWachtendeAanmeldingen() {
    WachtendeAanmeldingen.clear();
    AanmeldingBezig = false;
    RackInBehandeling = 0;
    BeeindigAanmelding();
}

int ZoekRackPlaats(int32_t idno) {
    int vrij = 0;
    for (int r = 1; r <= AantalRacks; ++r) {
        if (Racks[r].Present) {
            if (Racks[r].Idno == idno) return r;
        } else if (vrij == 0) {
            vrij = r;
        }
    }
    return vrij;
}

int RegistreerRack(int32_t idno) {
    const int plaats = ZoekRackPlaats(idno);
    if (plaats == 0) return 0;
    RackRecord& r = Racks[plaats];
    r.Present = true;
    ZetRackWachtOpAanmelding(plaats, false);
    r.Idno = idno;
    r.Name = QStringLiteral("Rack ") + IdnoAlsTekst(idno);
    for (int m = 1; m <= AantalModules; ++m)
        r.Modules[m].Present = false;
    SchrijfLogboek(plaats, 0, Tekst[459] + r.Name.getrimd());
    return plaats;
}

void ZendRackBevestiging(int rack) {
    if (!IsRack(rack)) return;
    Bestemming = BestemmingRack;
    Commando = CommandoAanmelden;
    VerzendIdno = Racks[rack].Idno;
    AantalbytesUIT = 6;
    ZendKop();
    ZendStaart();
}

bool LeesIdentificatienummers(int rack) {
    if (!IsRack(rack)) return false;
    RackRecord& r = Racks[rack];
    Pogingen = 0;
    do {
        ++Pogingen;
        Bestemming = BestemmingRack;
        Commando = CommandoIdentificatie;
        VerzendIdno = r.Idno;
        AantalbytesUIT = 6;
        ZendKop();
        ZendStaart();
        const QByteArray antwoord = WachtOpAntwoordBehalveAanmeldingen();
        SchrijfLogboek(rack, 0, Tekst[452]);
        if (!MSComm1().isOpen() || antwoord.size() < 4) continue;
        // A reply too short to hold the seven module numbers is none.
        if (HaalByte(antwoord, 3) != CommandoIdentificatie || !ControleerChecksum(antwoord) ||
            !IsVolledigAntwoord(antwoord) || HaalLong(antwoord, 4) != r.Idno) {
            Antwoord = AntwoordMislukt;
            continue;
        }
        if (TerminalDataInfo) Terminal(QStringLiteral("id.nos from ") + IdnoAlsTekst(r.Idno) + CRLF);
        for (int m = 1; m <= AantalModules; ++m) {
            const int32_t idno = HaalLong(antwoord, 4 * m + 4);
            if (TerminalDataInfo)
                Terminal(QStringLiteral(" id.no.") + QString::number(m) + QStringLiteral(": ") +
                         IdnoAlsTekst(idno) + CRLF);
            ZetModulenummer(rack, m, idno);
        }
        return true;
        // At most 4 requests, also when the wait gives no reply at all (simulation).
    } while (MSComm1().isOpen() && Antwoord != AntwoordFrame && Pogingen < 4 && !Afbreken && !Pauzeren);
    return false;
}

void ZetModuleTypes(int rack) {
    if (!IsRack(rack)) return;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[rack].Modules[m];
        if (mod.Present) {
            mod.Type = ModuleTypeUitIdno(rack, m);
            if (ModelVan(mod).Bekend()) mod.AantalStappen = 4;
        } else {
            mod.Type = QStringLiteral("    ");
            mod.Name.clear();
        }
    }
}

void ZetKanaalEenheden(int rack) {
    if (!IsRack(rack)) return;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[rack].Modules[m];
        if (!mod.Present) continue;
        mod.Type = ModuleTypeUitIdno(rack, m);
        const Model& model = ModelVan(mod);
        if (!model.Bekend()) continue;
        mod.AantalStappen = 4;
        for (int c = 1; c <= AantalIngangen; ++c) {
            mod.Meting[c].Set = true;
            mod.Meting[c].Unit = QString::fromUtf8(model.standaardEenheid);
            mod.Meting[c].Resolution = model.standaardResolutie;
            mod.Temperatuur[c].Unit = QStringLiteral("°C");
            mod.Temperatuur[c].Resolution = 1;
        }
    }
    RackVlaggen[rack] = RackVlag{true, true, true};
}

void ZoekRackModule(int32_t idno, int& rack, int& module) {
    // Only registered racks and present modules count: an empty position carries the number 0, and an
    // unused slot has no number at all.
    for (int r = 1; r <= AantalRacks; ++r) {
        if (!Racks[r].Present) continue;
        if (Racks[r].Idno == idno) {
            rack = r;
            module = 0;
            return;
        }
        for (int m = 1; m <= AantalModules; ++m) {
            if (Racks[r].Modules[m].Present && Racks[r].Modules[m].Idno == idno) {
                rack = r;
                module = m;
                return;
            }
        }
    }
    rack = 0;
    module = 0;
}
