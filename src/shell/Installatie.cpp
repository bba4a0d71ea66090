// Where the program is put together. Every seam between the folders is filled here, and only here.
//
// A seam is how a lower folder reaches something that a higher folder provides: a window, a dialog,
// the file layer. Every seam is built the same way, and a new one copies it:
//   1. A class in the lower folder's header, named for what it offers (Hoofdvenster, Bestandslaag).
//      Its virtual functions have bodies that do nothing and answer as Cancel or "none"; where the
//      lower folder does the real work itself (the file operations, the sounds) the bodies do that
//      work. A fake overrides only what its test needs.
//   2. void Zet<Seam>(<Seam>*) registers an object; nullptr takes it away again. Whoever registers an
//      object keeps it alive while it is registered.
//   3. <seam>() (the name with a small first letter) gives the registered object, or a plain <Seam>
//      when none is registered, so no caller tests for null.
//   4. The folder's reset (Reset<Folder>, see Beginstand.h) registers nullptr again.
// The higher folder implements the class in a class of its own (<Window>Venster, <Window>Maker), or a
// window implements it itself, as mdiK740 does Hoofdvenster. The program's objects are made and
// registered below; tests register fakes (tests/support/Opname*.h, or the fixture implements the
// class). A seam only crosses folders, upwards: files of one folder call each other directly, and the
// shell, which is the top, calls every folder directly.
//
// Windows that come and go are no seams: rack, table and graph windows and the system tree put
// themselves into the engine's window lists while they exist (ZetRackVenster, TabelVensters.Zet,
// ZetGrafiekVenster, ZetSysteemboom), and a list answers nullptr for a window that is not there. Nor
// are the clock and the rack lines: the engine owns them and makes the real ones itself; tests hand in
// a virtual clock (platform::zetKlok) and an in-memory line (ZetMSComm1). Nor are the print engine's
// hooks that stay inside reports: ZetPrinterbron (tests put a list of their own in place of the
// system's printers), ZetAfdrukverdeler (what a print run prints) and afdrukbronnen() (the report
// window hands the print dialog its report).
//
// seam                    declared in                          filled here with      faked in tests by
// ----------------------  -----------------------------------  --------------------  -----------------------
// Hoofdvenster            acquisition/vensters/Hoofdvenster.h  the main window       OpnameHoofdvenster
// MeldingOmgeving         shared/Melding.h                     the main window       Hoofdvensterdubbel
// Kindvensterbeheer       shared/ui/Kindvensters.h             the main window       MdiBeheer
// MeldingVenster          shared/Melding.h                     FormMeldingVenster    OpnameMelding
// VoortgangVenster        shared/Voortgang.h                   FrmVoortgangVenster   OpnameVoortgang
// VoortgangOmgeving       shared/Voortgang.h                   LinkAfbreking         VoortgangTest
// MapKeuzeVenster         shared/MapKeuze.h                    FormPathInputVenster  OpnameMapKeuze
// GeluidSpeler            shared/ui/Geluiden.h                 - (its own plays)     Geluidsopname
// Bestandslaag            acquisition/Koppelingen.h            Bestandsdiensten      OpnameBestandslaag
// RackvensterMaker        acquisition/vensters/Rackvenster.h   FormRackMaker         RackConfiguratieTest
// TabelvensterMaker       acquisition/vensters/Tabelvenster.h  FrmTabelMaker         OpnameTabelvensterMaker
// Bestandsdialogen        files/Bestandsdialogen.h             Standaarddialogen     DialoogDubbel
// Bestandsbewerkingen     files/Bestandsbewerkingen.h          - (its own works)     FouteBewerkingen
// TabelvensterHerstel     files/RackConfiguratie.h             FrmTabelHerstel       OpnameTabelHerstel
// RackvensterActies       rackviews/RackvensterActies.h        Rackingangen (below)  Acties (FormRackTest)
// ModuleInstellingenActies rackviews/DialogK76xSettings.h      Moduleknoppen (below) Knopacties
// TabelvensterOmgeving    views/frmTabel.h                     the main window       Menuopname
// GrafiekvensterOmgeving  views/Grafiekvensters.h              the main window       Sluitopname
// Vensterafdruk           reports/Afdrukverdeling.h            Programmaafdruk (below) Afdrukopname
// Opslagmelder            platform/Opslag.h                    Opslagmeldingen (below) - (the program's side)
//
// The program's sides: FormMeldingVenster, FrmVoortgangVenster and FormPathInputVenster in shared/ui,
// Bestandsdiensten in files, FormRackMaker in rackviews, FrmTabelMaker, FrmTabelHerstel and
// FrmTabelRackingangen in views, Standaarddialogen in shell, and below: Rackingangen (the table
// window's entries of FrmTabelRackingangen, the module settings dialog of rackviews and the factory
// adjustment dialogs) and Moduleknoppen (the pH, conductivity, 1-point and ion-selective calibrations
// of calibration, the report window's GLP tab of reports). The fakes named Opname* are in
// tests/support; the others live beside the tests of their seam: Hoofdvensterdubbel and Geluidsopname
// in MeldingTest, MdiBeheer and Acties in FormRackTest, OpnameVoortgang in MeetbestandTest,
// DialoogDubbel and FouteBewerkingen in tests/files/Bestandsomgeving.h, OpnameTabelHerstel in
// RackConfiguratieTest, Menuopname in TabelvensterTest, Sluitopname in frmGrafiekTest, Knopacties and
// Moduleopener in DialogK76xSettingsTest, Afdrukopname in VensterafdrukTest (and Terminalafdruk in
// AfdrukverdelingTest, Tabelkeuze in AfdrukdialoogTest). The table window's menu side is the main
// window's Edit menu and toolbar.
#include "shell/Installatie.h"

#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/vensters/Rackvenster.h"
#include "calibration/Kalibraties.h"
#include "factory/Fabrieksafregeling.h"
#include "files/Bestandsdialogen.h"
#include "files/Bestandsdiensten.h"
#include "files/Eenheidcontrole.h"
#include "files/RackConfiguratie.h"
#include "platform/Opslag.h"
#include "rackviews/DialogK76xSettings.h"
#include "rackviews/FormRack.h"
#include "reports/FormGLP.h"
#include "shared/Algemeen.h"
#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Voortgang.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/FormPathInput.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Standaarddialogen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Vensterafdruk.h"
#include "views/frmTabel.h"

namespace {

// The rack window's entries: the table window's from the table window, the module settings dialog and
// the factory adjustment dialogs.
class Rackingangen : public FrmTabelRackingangen {
public:
    bool HeeftModuleInstellingen() const override { return true; }
    void OpenModuleInstellingen(int r, int m, int k) override { ToonModuleInstellingen(r, m, k); }
    bool HeeftFabrieksafregeling() const override { return true; }
    void OpenFabrieksafregeling(const QString& type, int r, int m, bool alleenLezen) override {
        (void)type; // the dialog follows the module's own model
        if (alleenLezen)
            ToonInstellingenVanSN(r, m);
        else
            ToonFabrieksafregeling(r, m);
    }
};

// The module settings dialog's Calibrate and GLP: the pH, conductivity cell-constant, 1-point and
// ion-selective calibrations, and the report window's GLP tab.
class Moduleknoppen : public ModuleInstellingenActies {
public:
    bool KanKalibreren(Kalibratiesoort soort) const override { return soort != Kalibratiesoort::Geen; }
    // k: the dialog's tab, 1..4 an input, 5..8 the temperature of input k - 4.
    bool Kalibreer(Kalibratiesoort soort, int r, int m, int k, ModuleRecord& module) override {
        QWidget* eigenaar = ModuleInstellingenVenster();
        bool opgeslagen = false;
        switch (soort) {
        case Kalibratiesoort::PH:
            opgeslagen = ToonPhKalibratie(r, m, k, module, eigenaar);
            break;
        case Kalibratiesoort::Geleidbaarheid:
            opgeslagen = ToonECKalibratie(r, m, k, module, eigenaar);
            break;
        case Kalibratiesoort::EenPunt:
            opgeslagen = ToonEenpuntsKalibratie(r, m, k, module, eigenaar);
            break;
        case Kalibratiesoort::Ion:
            opgeslagen = ToonIonKalibratie(r, m, k, module, eigenaar);
            break;
        case Kalibratiesoort::Geen:
            return false;
        }
        // A stored calibration goes into the record worked on at once.
        if (opgeslagen) LaadModuleKalibratie(r, m, (k - 1) % AantalIngangen + 1, module);
        return opgeslagen;
    }
    bool HeeftGLP() const override { return true; }
    // The dialog holds the main window while it waits: the report window stands beside it meanwhile.
    void ToonGLP(int r, int m, int k) override {
        ToonRapport(static_cast<int16_t>(r), static_cast<int16_t>(m), static_cast<int16_t>(k), true,
                    ModuleInstellingenVenster());
    }
};

// The progress window's Cancel ends the rack-link transaction in progress.
class LinkAfbreking : public VoortgangOmgeving {
public:
    void Afbreken() override { ::Afbreken = true; }
};

// What the windows print: tables and graphs (views) and the terminal's text.
class Programmaafdruk : public Vensterafdrukken {
public:
    void PrintTerminalTekst(Printer& p) override {
        if (const frmTerminal* t = TerminalVenster()) {
            p.CurrentY += 5;
            PrintTekstBlok(p, RandLinks + 10, RandRechts - 10, t->TerminalTekst());
        }
    }
};

// A settings file that cannot be written is told with its path and the system's reason. The box waits
// where the loop may run behind it, as every box does; the write is made wherever the program pumps its
// events, so inside a transaction or the handling of a reply the box waits for the next such place.
class Opslagmeldingen : public platform::Opslagmelder {
public:
    ~Opslagmeldingen() override { *m_bestaat = false; }
    void SchrijvenMislukt(const QString& bestand) override {
        NaastDeLus([bestaat = m_bestaat, tekst = SchrijffoutTekst(bestand), bestand] {
            if (*bestaat) ToonMelding(tekst, vbExclamation, bestand);
        });
    }

private:
    std::shared_ptr<bool> m_bestaat = std::make_shared<bool>(true);
};

// Takes the registration away when it is still this object's.
template <class Seam, class Object>
void ZetTerug(Seam& (*geregistreerd)(), void (*zet)(Seam*), Object& object) {
    if (&geregistreerd() == &object) zet(nullptr);
}

} // namespace

struct Installatie::Delen {
    explicit Delen(mdiK740& venster) : hoofdvenster(venster) {}
    mdiK740& hoofdvenster;
    FormMeldingVenster melding;
    FrmVoortgangVenster voortgang;
    LinkAfbreking afbreking;
    FormPathInputVenster mapKeuze;
    Bestandsdiensten bestanden;
    FormRackMaker rackvensters;
    FrmTabelMaker tabelvensters;
    FrmTabelHerstel tabelherstel;
    Rackingangen rackingangen;
    Moduleknoppen moduleknoppen;
    Standaarddialogen dialogen;
    Programmaafdruk afdruk;
    Opslagmeldingen opslagmeldingen;
};

void InstalleerHoofdvenster(mdiK740& hoofdvenster) {
    ZetHoofdvenster(&hoofdvenster);
    ZetMeldingOmgeving(&hoofdvenster);
    ZetKindvensterbeheer(&hoofdvenster);
    ZetGrafiekvensterOmgeving(&hoofdvenster);
    ZetTabelvensterOmgeving(&hoofdvenster);
}

Installatie::Installatie(mdiK740& hoofdvenster) : m_delen(std::make_unique<Delen>(hoofdvenster)) {
    Delen& d = *m_delen;
    InstalleerHoofdvenster(hoofdvenster);
    ZetMeldingVenster(&d.melding);
    ZetVoortgangVenster(&d.voortgang);
    ZetVoortgangOmgeving(&d.afbreking);
    ZetMapKeuzeVenster(&d.mapKeuze);
    ZetBestandslaag(&d.bestanden);
    ZetRackvensterMaker(&d.rackvensters);
    ZetTabelvensterMaker(&d.tabelvensters);
    ZetTabelvensterHerstel(&d.tabelherstel);
    ZetRackvensterActies(&d.rackingangen);
    ZetModuleInstellingenActies(&d.moduleknoppen);
    ZetBestandsdialogen(&d.dialogen);
    ZetVensterafdruk(&d.afdruk);
    platform::ZetOpslagmelder(&d.opslagmeldingen);
}

Installatie::~Installatie() {
    Delen& d = *m_delen;
    ZetTerug<platform::Opslagmelder, Opslagmeldingen>(platform::opslagmelder, platform::ZetOpslagmelder,
                                                      d.opslagmeldingen);
    ZetTerug<Vensterafdruk, Programmaafdruk>(vensterafdruk, ZetVensterafdruk, d.afdruk);
    ZetTerug(bestandsdialogen, ZetBestandsdialogen, d.dialogen);
    ZetTerug(moduleInstellingenActies, ZetModuleInstellingenActies, d.moduleknoppen);
    ZetTerug(rackvensterActies, ZetRackvensterActies, d.rackingangen);
    ZetTerug(tabelvensterHerstel, ZetTabelvensterHerstel, d.tabelherstel);
    ZetTerug(tabelvensterMaker, ZetTabelvensterMaker, d.tabelvensters);
    ZetTerug(rackvensterMaker, ZetRackvensterMaker, d.rackvensters);
    ZetTerug(bestandslaag, ZetBestandslaag, d.bestanden);
    ZetTerug(mapKeuzeVenster, ZetMapKeuzeVenster, d.mapKeuze);
    ZetTerug(voortgangOmgeving, ZetVoortgangOmgeving, d.afbreking);
    // The progress window closes with its object.
    ZetTerug(voortgangVenster, ZetVoortgangVenster, d.voortgang);
    ZetTerug(meldingVenster, ZetMeldingVenster, d.melding);
    ZetTerug<TabelvensterOmgeving, mdiK740>(tabelvensterOmgeving, ZetTabelvensterOmgeving, d.hoofdvenster);
    ZetTerug<GrafiekvensterOmgeving, mdiK740>(grafiekvensterOmgeving, ZetGrafiekvensterOmgeving,
                                              d.hoofdvenster);
    ZetTerug<Kindvensterbeheer, mdiK740>(kindvensterbeheer, ZetKindvensterbeheer, d.hoofdvenster);
    ZetTerug<MeldingOmgeving, mdiK740>(meldingOmgeving, ZetMeldingOmgeving, d.hoofdvenster);
    ZetTerug<Hoofdvenster, mdiK740>(hoofdvenster, ZetHoofdvenster, d.hoofdvenster);
}
