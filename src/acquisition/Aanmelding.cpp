#include "acquisition/Aanmelding.h"

#include "acquisition/Frames.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

namespace {

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
}

void VerwerkAanmeldAntwoord(int32_t idno) {
    PauzeOpvragen = true;
    if (TerminalDataInfo) Terminal(QStringLiteral("Logon :") + IdnoAlsTekst(idno) + CRLF);
    const int plaats = RegistreerRack(idno);
    if (plaats == 0) {
        ToonMelding(Tekst[447], vbExclamation | vbOKOnly, Tekst[448]);
        PauzeOpvragen = false;
        return;
    }
    ZendRackBevestiging(plaats);
    WisBuffers();
    LeesIdentificatienummers(plaats);
    ZetKanaalEenheden(plaats);
    bestandslaag().LeesRackConfiguratie(plaats);
    bestandslaag().LeesRackNamen(plaats);
    hoofdvenster().ToonRackVenster(plaats);
    if (BoomZichtbaar) {
        BoomZichtbaar = false;
        hoofdvenster().HerbouwSysteemboom();
    }
    PauzeOpvragen = false;
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

void LeesIdentificatienummers(int rack) {
    if (!IsRack(rack)) return;
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
        const QByteArray antwoord = WachtOpAntwoord();
        SchrijfLogboek(rack, 0, Tekst[452]);
        if (!MSComm1().isOpen() || antwoord.size() < 4) continue;
        if (HaalByte(antwoord, 3) != CommandoIdentificatie || !ControleerChecksum(antwoord) ||
            HaalLong(antwoord, 4) != r.Idno) {
            Antwoord = AntwoordMislukt;
            continue;
        }
        if (TerminalDataInfo) Terminal(QStringLiteral("id.nos from ") + IdnoAlsTekst(r.Idno) + CRLF);
        for (int m = 1; m <= AantalModules; ++m) {
            ModuleRecord& mod = r.Modules[m];
            mod.Present = false;
            mod.Idno = HaalLong(antwoord, 4 * m + 4);
            mod.Name.clear();
            for (int c = 1; c <= AantalIngangen; ++c)
                mod.Meting[c].Name = Ingangsnaam(c);
            if (TerminalDataInfo)
                Terminal(QStringLiteral(" id.no.") + QString::number(m) + QStringLiteral(": ") +
                         IdnoAlsTekst(mod.Idno) + CRLF);
            if (mod.Idno != 0) {
                mod.Present = true;
                mod.Name = SoortUitIdno(mod.Idno);
                mod.Type = ModuleTypeUitIdno(rack, m);
                for (int c = 1; c <= AantalIngangen; ++c)
                    mod.Meting[c].Name = Ingangsnaam(c);
                SchrijfLogboek(rack, m, Tekst[459] + Tekst[296]);
            }
        }
        // Every pass ends after at most 4 requests, also when the wait gives no reply at all (simulation).
    } while (MSComm1().isOpen() && Antwoord != AntwoordFrame && Pogingen < 4 && !Afbreken && !Pauzeren);
}

void ZetModuleTypes(int rack) {
    if (!IsRack(rack)) return;
    for (int m = 1; m <= AantalModules; ++m) {
        ModuleRecord& mod = Racks[rack].Modules[m];
        if (mod.Present) {
            mod.Type = ModuleTypeUitIdno(rack, m);
            if (mod.Type == QStringLiteral("K761") || mod.Type == QStringLiteral("K762"))
                mod.AantalStappen = 4;
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
        const bool k761 = mod.Type == QStringLiteral("K761");
        if (!k761 && !(mod.Type == QStringLiteral("K762"))) continue;
        mod.AantalStappen = 4;
        for (int c = 1; c <= AantalIngangen; ++c) {
            mod.Meting[c].Set = true;
            mod.Meting[c].Unit = k761 ? QStringLiteral("mV") : QStringLiteral("S/cm");
            mod.Meting[c].Resolution = k761 ? 1 : 0;
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
