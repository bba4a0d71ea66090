// The module settings dialog as the user drives it: opened from a rack window, edited, confirmed or
// cancelled, against the rack emulator on the in-memory line and through a pseudo-terminal.
#include "rackviews/DialogK76xSettings.h"
#include "EchteMelding.h"
#include "Opnametaal.h"
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "TekstControle.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Frames.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "files/Eenheidcontrole.h"
#include "files/Logboek.h"
#include "files/RackConfiguratie.h"
#include "platform/SerielePoort.h"
#include "rackviews/FormEditInfo.h"
#include "rackviews/FormOptionsEC.h"
#include "rackviews/FormOptionsOx.h"
#include "rackviews/FormRack.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString u8(const char* t) {
    return QString::fromUtf8(t);
}

// The user's choice in a list: what the list shows and the choice it reports.
void Kies(QComboBox* lijst, int index) {
    lijst->setCurrentIndex(index);
    emit lijst->activated(index);
}

// Answers the next modal dialog of kind D as soon as it shows.
template <class D> void BeantwoordModaal(std::function<void(D&)> antwoord) {
    QTimer::singleShot(0, [antwoord] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        antwoord(*d);
    });
}

// The options of a K762: range `bereik` chosen, then OK (or Cancel).
void KiesBereik(int bereik, bool ok = true) {
    BeantwoordModaal<FormOptionsEC>([bereik, ok](FormOptionsEC& d) {
        if (bereik >= 0) Kies(d.ComboBereik, bereik);
        (ok ? d.OKButton : d.CancelButton)->click();
    });
}

QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Melding {
    QString tekst;
    QString titel;
};

// The messages shown, answered by `antwoord` (OK when it is not set).
class Meldingen : public MeldingVenster {
public:
    Meldingen() { installeer(); }
    ~Meldingen() override {
        if (&meldingVenster() == this) ZetMeldingVenster(nullptr);
    }
    // After a reset of every state (the test's SetUp) the box must be installed again.
    void installeer() { ZetMeldingVenster(this); }
    int Toon(const QString& tekst, int, const QString& titel) override {
        lijst.push_back({tekst, titel});
        return antwoord ? antwoord(tekst) : static_cast<int>(vbOK);
    }
    int aantal(const QString& tekst) const {
        return static_cast<int>(
            std::count_if(lijst.begin(), lijst.end(), [&](const Melding& m) { return m.tekst == tekst; }));
    }
    std::vector<Melding> lijst;
    std::function<int(const QString&)> antwoord;
};

int Index(const std::vector<RackEmulator::Verzoek>& v, uint8_t commando, bool laatste = false) {
    int gevonden = -1;
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
        if (v[i].commando == commando) {
            gevonden = i;
            if (!laatste) break;
        }
    return gevonden;
}

constexpr int32_t RackNr = RackIdno(0, 0, 1);
constexpr int32_t MvNr = K761Idno(1, 2, 3);
constexpr int32_t EcNr = K762Idno(1, 2, 4);

} // namespace

// The program's side of the rack window's module settings entry (and of the table window's tab).
class Moduleopener : public RackvensterActies {
public:
    bool HeeftModuleInstellingen() const override { return true; }
    void OpenModuleInstellingen(int r, int m, int k) override { ToonModuleInstellingen(r, m, k); }
};

// The rack windows as the program makes them, their module settings entry opening the dialog.
void InstalleerRackvensters() {
    static FormRackMaker rackvensters;
    static Moduleopener opener;
    ZetRackvensterMaker(&rackvensters);
    ZetRackvensterActies(&opener);
}

// What the dialog's Calibrate and GLP buttons started.
class Knopacties : public ModuleInstellingenActies {
public:
    struct Start {
        Kalibratiesoort soort;
        int r;
        int m;
        int k;
    };
    bool KanKalibreren(Kalibratiesoort) const override { return true; }
    bool Kalibreer(Kalibratiesoort soort, int r, int m, int k, ModuleRecord&) override {
        gestart.push_back({soort, r, m, k});
        return false;
    }
    bool HeeftGLP() const override { return true; }
    void ToonGLP(int, int, int k) override { glp.push_back(k); }
    std::vector<Start> gestart;
    std::vector<int> glp;
};

// Rack 1 with a K761 module in slot 1 and a K762 module in slot 2, on the in-memory line.
class DialogK76xSettingsTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        ASSERT_TRUE(QDir().mkpath(MapKalibratie));
        ASSERT_TRUE(QDir().mkpath(MapConfiguratie));
        PlaatsRack(emulator, 1, RackNr, {{1, MvNr}, {2, EcNr}});
        RackVlaggen[1].Measure = true;
        MetenActief = true;
        rcf = RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"));
        meldingen.installeer();
    }

    static DialogK76xSettings& Open(int m, int k) {
        ToonModuleInstellingen(1, m, k);
        DialogK76xSettings* d = ModuleInstellingenVenster();
        EXPECT_NE(d, nullptr);
        return *d;
    }

    Meldingen meldingen;
    QString rcf;
};

TEST_F(DialogK76xSettingsTest, ADoubleClickOpensTheInputsTabStopsPollingAndEscapeGivesItAllBack) {
    RackVlaggen[1].Show = true;
    InstalleerRackvensters();
    auto* rack = dynamic_cast<FormRack*>(MaakRackVenster(1));
    ASSERT_NE(rack, nullptr);
    rack->show();
    QMainWindow hoofd;
    hoofd.show();

    // The temperature label of input 3 of module 2.
    QTest::mouseDClick(rack->LabelGraden[RackLabelIndex(2, 3)], Qt::LeftButton);
    DialogK76xSettings* d = ModuleInstellingenVenster();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->uitslag(), DialogK76xSettings::Uitslag::Open);
    EXPECT_EQ(d->Mi, 2);
    EXPECT_EQ(d->SSTab->currentIndex(), 6);
    EXPECT_EQ(d->Ki, 3);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Rack 1.0.0.1 - K762(mS/°C)"));
    EXPECT_EQ(d->SSTab->tabText(0), QStringLiteral("Input 1"));
    EXPECT_EQ(d->SSTab->tabText(6), u8("°C 3"));
    EXPECT_TRUE(InstellingenOpen);
    EXPECT_FALSE(MetenActief);
    EXPECT_FALSE(hoofd.isEnabled());

    // No second dialog while one is open.
    QTest::mouseDClick(rack->LabelWaarde[RackLabelIndex(1, 1)], Qt::LeftButton);
    EXPECT_EQ(ModuleInstellingenVenster(), d);
    EXPECT_EQ(d->Mi, 2);

    // Choosing another tab makes its input the current one.
    d->SSTab->tabKnop(1)->click();
    EXPECT_EQ(d->Ki, 2);

    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(d->uitslag(), DialogK76xSettings::Uitslag::Geannuleerd);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(InstellingenOpen);
    EXPECT_TRUE(MetenActief);
    EXPECT_TRUE(hoofd.isEnabled());
    EXPECT_TRUE(emulator.verzoeken().empty());

    // The module menu opens it on input 1 of the module whose name was pressed.
    QTest::mousePress(rack->LabelModule[0], Qt::LeftButton);
    rack->mnuRackSettings->close();
    rack->mnuModuleSettings->trigger();
    ASSERT_NE(ModuleInstellingenVenster(), nullptr);
    EXPECT_EQ(ModuleInstellingenVenster()->Mi, 1);
    EXPECT_EQ(ModuleInstellingenVenster()->SSTab->currentIndex(), 0);

    // The windows of other folders (a table window's tab) open it through the registered side.
    ModuleInstellingenVenster()->CancelButton->click();
    rackvensterActies().OpenModuleInstellingen(1, 2, 8);
    EXPECT_EQ(ModuleInstellingenVenster()->Mi, 2);
    EXPECT_EQ(ModuleInstellingenVenster()->SSTab->currentIndex(), 7);
    EXPECT_EQ(ModuleInstellingenVenster()->Ki, 4);
}

// The dialog is a window of the main window, so that the window manager keeps it above it when the
// disabled main window is clicked; it stays usable while the main window is disabled.
TEST_F(DialogK76xSettingsTest, TheDialogIsAWindowOfTheMainWindowAndStaysUsableAboveIt) {
    QMainWindow hoofd;
    hoofd.show();
    DialogK76xSettings& d = Open(1, 1);
    ASSERT_NE(d.windowHandle(), nullptr);
    EXPECT_EQ(d.windowHandle()->transientParent(), hoofd.windowHandle());
    EXPECT_FALSE(hoofd.isEnabled());
    EXPECT_TRUE(d.isEnabled());
    EXPECT_TRUE(d.isVisible());
    d.CancelButton->click();
    EXPECT_TRUE(hoofd.isEnabled());
}

// The port goes (the adapter pulled) while the settings of module 1 are open: every module on the line
// is given up, the one in the dialog too, and every LED of the rack window turns red; it stays red when
// the dialog closes.
TEST_F(DialogK76xSettingsTest, APortLostWhileTheDialogIsOpenTurnsItsModulesLedRedWithTheOthers) {
    PollHarnas harnas(emulator, nullptr);
    RackVlaggen[1].Show = true;
    InstalleerRackvensters();
    auto* rack = dynamic_cast<FormRack*>(MaakRackVenster(1));
    ASSERT_NE(rack, nullptr);
    rack->show();
    int32_t bijOpenen = 0;
    const auto stap = [](qint64 ms, std::function<void()> actie) {
        platform::klok().planIn(ms, std::move(actie));
    };
    std::function<void()> zodraGepold = [&] {
        if (harnas.berekeningen.size() < 2) {
            stap(50, zodraGepold);
            return;
        }
        ToonModuleInstellingen(1, 1, 1);
        stap(300, [&] {
            bijOpenen = rack->ShapeLED[0]->kleur();
            lijn->verlies(QStringLiteral("Input/output error"));
        });
    };
    stap(50, zodraGepold);
    harnas.Draai(5000);

    ASSERT_NE(ModuleInstellingenVenster(), nullptr);
    EXPECT_EQ(ModuleInstellingenVenster()->uitslag(), DialogK76xSettings::Uitslag::Open);
    EXPECT_EQ(bijOpenen, KleurGroen);
    EXPECT_EQ(meldingen.lijst.size(), 1u);
    for (size_t m = 0; m < 2; ++m)
        EXPECT_EQ(rack->ShapeLED[m]->kleur(), KleurRood) << "module " << m + 1 << " with the dialog open";
    ModuleInstellingenVenster()->CancelButton->click();
    EXPECT_EQ(ModuleInstellingenVenster()->uitslag(), DialogK76xSettings::Uitslag::Geannuleerd);
    for (size_t m = 0; m < 2; ++m)
        EXPECT_EQ(rack->ShapeLED[m]->kleur(), KleurRood) << "module " << m + 1 << " after the dialog";
}

TEST_F(DialogK76xSettingsTest, EveryControlEditsItsOwnInputInTheDialogsCopyAndTheTitleBarKeepsTheRecords) {
    ModuleRecord& live = Racks[1].Modules[1];
    live.Meting[1].Unit = QStringLiteral("mg/l");
    live.Meting[3].Unit = QStringLiteral("pH");
    live.Meting[3].Resolution = 1;
    const ModuleRecord voor = live;
    DialogK76xSettings& d = Open(1, 1);
    EXPECT_EQ(d.ComboEenheid[0]->currentText(), QStringLiteral("mg/l (DO)"));
    EXPECT_EQ(d.ComboEenheid[0]->currentIndex(), 3);

    Kies(d.ComboEenheid[0], 4);
    EXPECT_EQ(d.Instellingen().Meting[1].Unit.getrimd(), QStringLiteral("%"));
    // The resolution list of input 3 chosen while input 1's tab is shown: input 3 takes it.
    Kies(d.ComboResolutie[2], 2);
    EXPECT_EQ(d.Instellingen().Meting[3].Resolution, 2);
    EXPECT_EQ(d.Instellingen().Meting[1].Resolution, voor.Meting[1].Resolution);
    // A list the program changes is no choice of the user's.
    d.ComboEenheid[1]->setCurrentIndex(1);
    EXPECT_EQ(d.Instellingen().Meting[2].Unit.getrimd(), QStringLiteral("mV"));
    d.TextNaam[3]->selectAll();
    QTest::keyClicks(d.TextNaam[3], QStringLiteral("Tank 4"));
    EXPECT_EQ(d.Instellingen().Meting[4].Name.getrimd(), QStringLiteral("Tank 4"));
    d.CheckIngesteld[1]->click();
    EXPECT_FALSE(d.Instellingen().Meting[2].Set);
    EXPECT_FALSE(d.Instellingen().Temperatuur[2].Set);
    EXPECT_TRUE(d.FrameCalibrationData[5]->isHidden());
    // Input 3 offers its temperature: the other tabs may use it, and a refresh keeps what was typed.
    d.CheckSharedMeasurement[2]->click();
    EXPECT_TRUE(d.Instellingen().Temperatuur[3].Shared);
    EXPECT_FALSE(d.CheckSharedMeasurement[0]->isEnabled());
    EXPECT_TRUE(d.CheckUseSharedMeasurement[0]->isEnabled());
    EXPECT_EQ(d.CheckUseSharedMeasurement[3]->text(), u8("Use the shared measurement (°C3)."));
    EXPECT_EQ(d.TextNaam[3]->text(), QStringLiteral("Tank 4"));

    // Nothing of it reached the rack model.
    EXPECT_EQ(live.Meting[1].Unit.getrimd(), QStringLiteral("mg/l"));
    EXPECT_EQ(live.Meting[3].Resolution, 1);
    EXPECT_TRUE(live.Meting[2].Set);
    EXPECT_FALSE(live.Temperatuur[3].Shared);

    d.close();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::Geannuleerd);
    EXPECT_EQ(live.Meting[1].Unit.getrimd(), QStringLiteral("mg/l"));
    EXPECT_EQ(live.Meting[4].Name.getrimd(), voor.Meting[4].Name.getrimd());
    EXPECT_FALSE(live.Temperatuur[3].Shared);
    EXPECT_FALSE(QFile::exists(rcf));
    EXPECT_TRUE(emulator.verzoeken().empty());
}

TEST_F(DialogK76xSettingsTest, ANegativeSalinityIsZeroAndOneAbove40IsWarnedAboutKeptAndReadBack) {
    Racks[1].Modules[1].Meting[2].Unit = QStringLiteral("mg/l");
    Racks[1].Modules[1].Meting[2].Extra = 12;
    DialogK76xSettings& d = Open(1, 1);
    QLineEdit* box = d.ComboExtra[1]->lineEdit();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("12.0"));
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("-5"));
    EXPECT_FLOAT_EQ(d.Instellingen().Meting[2].Extra, 0);
    EXPECT_EQ(box->text(), QStringLiteral("0.0"));

    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("45"));
    EXPECT_FLOAT_EQ(d.Instellingen().Meting[2].Extra, 45);
    EXPECT_TRUE(meldingen.lijst.empty());
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &weg);
    ASSERT_EQ(meldingen.lijst.size(), 1u);
    EXPECT_EQ(meldingen.lijst[0].tekst, QStringLiteral("The salinity may not exceed 40.0 g/kg!"));
    EXPECT_EQ(meldingen.lijst[0].titel, QStringLiteral("Salinity (g/kg):"));
    EXPECT_EQ(d.SSTab->currentIndex(), 1);
    EXPECT_EQ(box->text(), QStringLiteral("45.0"));

    // OK stores it, the file holds it and reading the file gives it back.
    meldingen.lijst.clear();
    d.OKButton->click();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::OK);
    EXPECT_FLOAT_EQ(Racks[1].Modules[1].Meting[2].Extra, 45);
    EXPECT_TRUE(Inhoud(rcf).contains("Extra=45.00"));
    Racks[1].Modules[1].Meting[2].Extra = 0;
    ASSERT_TRUE(LeesRackConfiguratie(1, LeesModusHerlezen));
    EXPECT_FLOAT_EQ(Racks[1].Modules[1].Meting[2].Extra, 45);
}

// The salinity box leaves the dialog usable: under it the user cancels the dialog and opens another
// module's. At the answer the first is left as cancelled and the second stays open.
TEST_F(DialogK76xSettingsTest, ADialogCancelledAndReplacedUnderTheSalinityBoxIsLeftAsItIs) {
    Racks[1].Modules[1].Meting[2].Unit = QStringLiteral("mg/l");
    Racks[1].Modules[1].Meting[2].Extra = 12;
    DialogK76xSettings& d = Open(1, 1);
    QLineEdit* box = d.ComboExtra[1]->lineEdit();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("45"));
    EchteMelding melding(Qt::Key_Return, 3000);
    ZetMeldingVenster(&melding);
    klok().planIn(300, [&] {
        QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        ToonModuleInstellingen(1, 2, 1);
    });
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &weg);
    meldingen.installeer();
    EXPECT_EQ(melding.teksten(), std::vector<QString>{"The salinity may not exceed 40.0 g/kg!"});
    EXPECT_FLOAT_EQ(Racks[1].Modules[1].Meting[2].Extra, 12);
    ASSERT_NE(ModuleInstellingenVenster(), nullptr);
    EXPECT_EQ(ModuleInstellingenVenster()->Mi, 2);
    EXPECT_TRUE(ModuleInstellingenVenster()->isVisible());
}

TEST_F(DialogK76xSettingsTest, TheK762OptionsGiveAllFourInputsInput1sCellAndRangeAlsoAfterCancel) {
    ModuleRecord& live = Racks[1].Modules[2];
    live.Meting[1].Extra = -1;
    live.Meting[1].Resolution = 1;
    DialogK76xSettings& d = Open(2, 1);
    EXPECT_TRUE(d.CommandOpties->isVisibleTo(&d));
    EXPECT_EQ(d.ComboExtra[0]->currentText(), QStringLiteral("0.1 cm-1"));
    int typeCC = 99, bereik = 99;
    BeantwoordModaal<FormOptionsEC>([&](FormOptionsEC& o) {
        typeCC = o.TypeCC;
        bereik = o.Bereik;
        EXPECT_EQ(o.ComboTypeCC->currentText(), QStringLiteral("0.1 cm-1"));
        EXPECT_EQ(o.ComboBereik->currentText(), u8("200.0 µS"));
        Kies(o.ComboBereik, 3);
        o.CancelButton->click();
    });
    d.CommandOpties->click();
    EXPECT_EQ(typeCC, -1);
    EXPECT_EQ(bereik, 1);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_FLOAT_EQ(d.Instellingen().Meting[c].Extra, -1) << c;
        EXPECT_EQ(d.Instellingen().Meting[c].Resolution, 1) << c;
        EXPECT_EQ(d.ComboExtra[c - 1]->currentText(), QStringLiteral("0.1 cm-1")) << c;
        EXPECT_EQ(d.ComboResolutie[c - 1]->currentText(), u8("200.0 µS")) << c;
    }
    EXPECT_FLOAT_EQ(live.Meting[2].Extra, 0);
    EXPECT_EQ(d.Ki, 1);
    EXPECT_TRUE(emulator.verzoeken().empty());
}

TEST_F(DialogK76xSettingsTest, ARangeLeftUnchosenInTheOptionsBecomesRange2AtOK) {
    Demo = true; // a changed range is then the record's alone
    ModuleRecord& live = Racks[1].Modules[2];
    for (int c = 1; c <= 4; ++c) {
        live.Meting[c].Extra = 5; // no type of cell: no range list
        live.Meting[c].Resolution = c == 2 ? 2 : 0;
    }
    DialogK76xSettings& d = Open(2, 1);
    EXPECT_EQ(d.ComboResolutie[0]->count(), 0);
    BeantwoordModaal<FormOptionsEC>([](FormOptionsEC& o) {
        EXPECT_EQ(o.ComboTypeCC->currentIndex(), -1);
        Kies(o.ComboTypeCC, 2); // 1 cm-1: its ranges, none chosen
        EXPECT_EQ(o.ComboBereik->count(), 4);
        EXPECT_EQ(o.ComboBereik->currentIndex(), -1);
        o.OKButton->click();
    });
    d.CommandOpties->click();
    EXPECT_EQ(d.ComboResolutie[0]->currentText(), u8("20.00 mS"));
    EXPECT_EQ(live.Meting[1].Resolution, 0); // only at OK
    d.OKButton->click();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::OK);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(live.Meting[c].Resolution, 2) << c;
        EXPECT_FLOAT_EQ(live.Meting[c].Extra, 0) << c;
    }
    EXPECT_EQ(Index(emulator.verzoeken(), CommandoECBereik), -1);
}

TEST_F(DialogK76xSettingsTest, EveryWarningComesBeforeTheModuleOrTheFileIsTouched) {
    // Four uncalibrated conductivity inputs in use: each needs calibrating.
    ModuleRecord& live = Racks[1].Modules[2];
    for (int c = 1; c <= 4; ++c)
        live.Meting[c].Resolution = 0;
    DialogK76xSettings& d = Open(2, 1);
    KiesBereik(3);
    d.CommandOpties->click();
    EXPECT_EQ(Index(emulator.verzoeken(), CommandoECBereik), -1);

    // OK to the first two warnings, Cancel to the third: back on that input's tab, nothing sent or
    // written, the records as they were.
    int gevraagd = 0;
    meldingen.antwoord = [&](const QString&) { return ++gevraagd == 3 ? vbCancel : vbOK; };
    d.OKButton->click();
    ASSERT_EQ(meldingen.lijst.size(), 3u);
    EXPECT_EQ(meldingen.lijst[0].tekst, Tekst[368]);
    EXPECT_EQ(meldingen.lijst[2].titel, d.windowTitle() + QStringLiteral(" Input3"));
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::Open);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.isEnabled());
    EXPECT_EQ(d.SSTab->currentIndex(), 2);
    EXPECT_TRUE(emulator.verzoeken().empty());
    EXPECT_FALSE(QFile::exists(rcf));
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(live.Meting[c].Resolution, 0) << c;

    // OK to every warning: each range goes to the module and into its EEPROM at the input's index,
    // then the module is reset; the file holds the new ranges.
    meldingen.antwoord = nullptr;
    d.OKButton->click();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::OK);
    const auto& v = emulator.verzoeken();
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik, EcNr), 4);
    RackEmulator::Module* ec = emulator.module(EcNr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ec->bereik[i], 3) << i;
        EXPECT_EQ(ec->leesByte(static_cast<uint16_t>(i)), 3) << i;
        EXPECT_EQ(live.Meting[i + 1].Resolution, 3) << i;
    }
    ASSERT_GE(Index(v, CommandoReset), 0);
    EXPECT_GT(Index(v, CommandoReset), Index(v, CommandoSchrijfByte, true));
    EXPECT_EQ(ec->aantalResets, 1);
    EXPECT_EQ(Inhoud(rcf).count("Resolution=3"), 4);
    EXPECT_FALSE(InstellingenOpen);
    EXPECT_TRUE(MetenActief);
}

TEST_F(DialogK76xSettingsTest, ChangingOnlyNamesSendsNoRangeAndNoEEPROMByteButResetsTheModule) {
    Racks[1].Modules[2].Meting[3].KalibratieDatum = 0;
    Racks[1].Modules[2].Meting[3].Set = false; // no warning for an input not in use
    for (int c : {1, 2, 4})
        Racks[1].Modules[2].Meting[c].Set = false;
    DialogK76xSettings& d = Open(2, 3);
    d.TextNaam[2]->selectAll();
    QTest::keyClicks(d.TextNaam[2], QStringLiteral("  Brine "));
    d.TextSensor[2]->setText(QStringLiteral(" cell 7 "));
    emit d.TextSensor[2]->textEdited(d.TextSensor[2]->text());
    d.TextNaam[0]->clear();
    emit d.TextNaam[0]->textEdited(QString());
    d.OKButton->click();
    EXPECT_TRUE(meldingen.lijst.empty());
    EXPECT_EQ(Racks[1].Modules[2].Meting[3].Name.getrimd(), QStringLiteral("Brine"));
    EXPECT_EQ(Racks[1].Modules[2].Meting[3].Sensor.getrimd(), QStringLiteral("cell 7"));
    EXPECT_EQ(Racks[1].Modules[2].Meting[1].Name.getrimd(), QStringLiteral("CH1"));
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 0);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoSchrijfByte), 0);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoReset, EcNr), 1);
    EXPECT_TRUE(Inhoud(rcf).contains("Name=Brine"));
}

TEST_F(DialogK76xSettingsTest, ARangeTheModuleDoesNotTakeIsReportedAndNotApplied) {
    for (int c = 1; c <= 4; ++c)
        Racks[1].Modules[2].Meting[c].Set = c == 1;
    emulator.module(EcNr)->stil = true;
    DialogK76xSettings& d = Open(2, 1);
    KiesBereik(3);
    d.CommandOpties->click();
    d.OKButton->click();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::OK);
    // Each unanswered range is told once; none is stored.
    EXPECT_EQ(meldingen.aantal(Tekst[129]), 4);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoSchrijfByte), 0);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(Racks[1].Modules[2].Meting[c].Resolution, 0) << c;
    EXPECT_EQ(Inhoud(rcf).count("Resolution=3"), 0);
}

TEST_F(DialogK76xSettingsTest, AnEEPROMWriteThatFailsIsReportedAndTheRangeNotApplied) {
    for (int c = 1; c <= 4; ++c)
        Racks[1].Modules[2].Meting[c].Set = false;
    emulator.module(EcNr)->bereik = {3, 3, 3, 0};
    Racks[1].Modules[2].Meting[4].Resolution = 0;
    for (int c = 1; c <= 3; ++c)
        Racks[1].Modules[2].Meting[c].Resolution = 3;
    // From the first EEPROM write on, the module's replies come garbled: the byte cannot be read back.
    auto naarEmulator = lijn->bijSchrijven;
    lijn->bijSchrijven = [this, naarEmulator](const QByteArray& bytes) {
        naarEmulator(bytes);
        if (emulator.aantalVerzoeken(CommandoSchrijfByte) == 1 &&
            emulator.verzoeken().back().commando == CommandoSchrijfByte)
            emulator.zetFout(RackEmulator::Fout::FouteChecksum, -1, EcNr);
    };
    meldingen.antwoord = [](const QString& tekst) {
        return tekst.startsWith(QStringLiteral("Error writing")) ? vbCancel : vbOK;
    };
    DialogK76xSettings& d = Open(2, 4);
    KiesBereik(3);
    d.CommandOpties->click();
    d.OKButton->click();
    EXPECT_EQ(d.uitslag(), DialogK76xSettings::Uitslag::OK);
    EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 1);
    EXPECT_EQ(meldingen.aantal(QStringLiteral("Error writing to Rack/Module !")), 1);
    ASSERT_EQ(meldingen.aantal(Tekst[129]), 1);
    EXPECT_EQ(meldingen.lijst.back().titel, d.windowTitle() + QStringLiteral(" Input4"));
    EXPECT_EQ(Racks[1].Modules[2].Meting[4].Resolution, 0);
    EXPECT_EQ(Racks[1].Modules[2].Meting[1].Resolution, 3);
}

// The dialog stops polling as the Measure command does, with the line of the event log, and gives it
// back as it was at its close.
TEST_F(DialogK76xSettingsTest, StoppingPollingIsWrittenToTheEventLog) {
    LogbestandAan = true;
    MapGegevens = tijdelijkeMap();
    DialogK76xSettings& d = Open(1, 1);
    EXPECT_FALSE(MetenActief);
    const QByteArray log = Inhoud(QDir(MapGegevens).filePath(LogboekBestandsnaam(platform::Nu())));
    EXPECT_TRUE(log.contains((Tekst[457] + QStringLiteral(" False")).toLatin1())) << log.toStdString();
    d.CancelButton->click();
    EXPECT_TRUE(MetenActief);
}

// The rack and module names typed through the dialog's name buttons are the dialog's, like every other
// setting: the caption shows them, Cancel forgets them, OK gives them to the rack model.
TEST_F(DialogK76xSettingsTest, NamesTypedThroughTheNameButtonsReachTheRackOnlyThroughOK) {
    Racks[1].Name = QStringLiteral("Bench");
    Racks[1].Modules[1].Name = QStringLiteral("pH module");
    const auto typ = [](const QString& naam) {
        BeantwoordModaal<formEditInfo>([naam](formEditInfo& e) {
            e.TextInfo->setText(naam);
            e.CommandOK->click();
        });
    };
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        DialogK76xSettings& d = Open(1, 1);
        typ(QStringLiteral(" Lab "));
        d.CommandRackNaam->click();
        typ(QStringLiteral("Buffer tank"));
        d.CommandModuleNaam->click();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Lab - Buffer tank"));
        EXPECT_EQ(Racks[1].Name.getrimd(), QStringLiteral("Bench"));
        EXPECT_EQ(Racks[1].Modules[1].Name, QStringLiteral("pH module"));
        (ok ? d.OKButton : d.CancelButton)->click();
        EXPECT_EQ(Racks[1].Name.getrimd(), ok ? QStringLiteral("Lab") : QStringLiteral("Bench"));
        EXPECT_EQ(Racks[1].Modules[1].Name, ok ? QStringLiteral("Buffer tank") : QStringLiteral("pH module"));
    }
    EXPECT_TRUE(Inhoud(rcf).contains("Buffer tank"));
}

TEST_F(DialogK76xSettingsTest, CalibrateAndGLPShowOnlyWithTheirWindowsAndStartWhatTheTabNeeds) {
    Racks[1].Modules[1].Meting[2].Unit = QStringLiteral("pH");
    DialogK76xSettings& zonder = Open(1, 2);
    EXPECT_FALSE(zonder.CommandCalibrate->isVisibleTo(&zonder));
    EXPECT_FALSE(zonder.CommandGLP->isVisibleTo(&zonder));
    EXPECT_FALSE(zonder.CommandCapComp->isVisibleTo(&zonder));
    zonder.CancelButton->click();

    Knopacties acties;
    ZetModuleInstellingenActies(&acties);
    const std::vector<Knopacties::Start>& gestart = acties.gestart;
    const std::vector<int>& glp = acties.glp;
    DialogK76xSettings& d = Open(1, 2);
    EXPECT_TRUE(d.CommandCalibrate->isVisibleTo(&d));
    EXPECT_TRUE(d.CommandCalibrate->isEnabled());
    d.CommandCalibrate->click();
    d.SSTab->setCurrentIndex(5); // the temperature channel of input 2
    d.CommandCalibrate->click();
    d.CommandGLP->click();
    ASSERT_EQ(gestart.size(), 2u);
    EXPECT_EQ(gestart[0].soort, Kalibratiesoort::PH);
    EXPECT_EQ(gestart[0].k, 2);
    EXPECT_EQ(gestart[0].r, 1);
    EXPECT_EQ(gestart[0].m, 1);
    EXPECT_EQ(gestart[1].soort, Kalibratiesoort::EenPunt);
    EXPECT_EQ(gestart[1].k, 6);
    EXPECT_EQ(glp, std::vector<int>{6});
    // Input 2 takes input 1's shared temperature: its own channel is not calibrated.
    d.CheckSharedMeasurement[0]->click();
    d.CheckUseSharedMeasurement[1]->click();
    EXPECT_FALSE(d.CommandCalibrate->isEnabled());
    EXPECT_TRUE(d.CommandGLP->isEnabled());
    // An input not in use neither.
    d.SSTab->setCurrentIndex(2);
    d.CheckIngesteld[2]->click();
    EXPECT_FALSE(d.CommandCalibrate->isEnabled());
    EXPECT_FALSE(d.CommandGLP->isEnabled());
    d.CancelButton->click();
    ZetModuleInstellingenActies(nullptr);
}

TEST_F(DialogK76xSettingsTest, HelpAndF1ShowTheModuleSettingsPage) {
    DialogK76xSettings& d = Open(1, 1);
    const auto pagina = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<HelpVenster*>(w); h && h->isVisible()) return h->pagina();
        return QString();
    };
    d.CommandHelp->click();
    EXPECT_TRUE(pagina().endsWith(QStringLiteral("ModuleSettings.htm"))) << pagina().toStdString();
    SluitHelp();
    EXPECT_EQ(pagina(), QString());
    QApplication::setActiveWindow(&d);
    QTest::keyClick(d.TextNaam[0], Qt::Key_F1);
    EXPECT_TRUE(pagina().endsWith(QStringLiteral("ModuleSettings.htm")));
}

// Renders the dialog on a K761 pH input and on a K762 conductivity input to PNG. With K740_SCREENSHOTS
// set to a folder the pictures are kept there, in each language (scripts/screenshot-module).
TEST_F(DialogK76xSettingsTest, RendersAK761PhInputAndAK762ConductivityInput) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS", tijdelijkeMap());
    ASSERT_TRUE(QDir().mkpath(map));
    Racks[1].Name = QStringLiteral("Lab bench");
    ModuleRecord& ph = Racks[1].Modules[1];
    ph.Name = QStringLiteral("pH module");
    for (int c = 1; c <= 4; ++c) {
        ph.Meting[c].Unit = QStringLiteral("pH");
        ph.Meting[c].Name = QStringLiteral("Tank %1").arg(c);
    }
    ph.Meting[1].Sensor = QStringLiteral("Gel electrode 12");
    LaadModuleKalibratie(1, 1, 0); // the module's file with its defaults, as a first start makes it
    KalibratieRecord buffers{platform::MaakDatum(2025, 11, 3, 14, 30, 0), 7.02f, 0.985f, 0, 4.01f, 7.0f};
    BewaarModuleKalibratie(1, 1, 1, buffers, false);
    ModuleRecord& ec = Racks[1].Modules[2];
    ec.Name = QStringLiteral("Conductivity");
    for (int c = 1; c <= 4; ++c) {
        ec.Meting[c].Extra = -2;
        ec.Meting[c].Resolution = 1;
        ec.Meting[c].Name = QStringLiteral("Cell %1").arg(c);
    }
    LaadModuleKalibratie(1, 2, 0);
    KalibratieRecord cel{platform::MaakDatum(2025, 11, 4, 9, 15, 0), 0, 1.02f, -2, 0.000147f};
    BewaarModuleKalibratie(1, 2, 1, cel, false);

    DialogK76xSettings& d1 = Open(1, 1);
    EXPECT_EQ(d1.LabelOffset[0]->text(), QStringLiteral("ISO-pH:"));
    EXPECT_EQ(d1.LabelOffsetData[0]->text(), QStringLiteral("7.02"));
    EXPECT_EQ(d1.LabelSlopeData[0]->text(), QStringLiteral("98.5 %"));
    EXPECT_EQ(d1.TextSensor[0]->text(), QStringLiteral("Gel electrode 12"));
    EXPECT_FALSE(d1.CommandOpties->isVisibleTo(&d1));
    // Input 2 was never calibrated: its frame warns in red.
    EXPECT_EQ(d1.FrameCalibrationData[1]->title(), QStringLiteral("Calibration required!"));
    EXPECT_EQ(d1.FrameCalibrationData[1]->palette().color(QPalette::Active, QPalette::WindowText),
              QColor(Qt::red));
    EXPECT_NE(d1.LabelDatum[0]->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    d1.CancelButton->click();

    DialogK76xSettings& d2 = Open(2, 1);
    EXPECT_EQ(d2.LabelOffsetData[0]->text(), QStringLiteral("0.01020 cm-1"));
    EXPECT_EQ(d2.ComboExtra[0]->currentText(), QStringLiteral("0.01 cm-1"));
    EXPECT_EQ(d2.ComboResolutie[0]->currentText(), u8("20.00 µS"));
    EXPECT_FALSE(d2.ComboResolutie[0]->isEnabled());
    EXPECT_TRUE(d2.CommandOpties->isVisibleTo(&d2));
    d2.CancelButton->click();

    // Each language: every caption whole on each tab of both dialogs and in the conductivity options
    // with their temperature-compensation picture, on and off.
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        const std::string waar = "language " + std::to_string(taal);
        const auto bewaar = [&](QWidget& w, const char* naam) {
            EXPECT_TRUE(w.grab().toImage().save(OpnameBestand(map, QLatin1String(naam), taal)));
        };
        DialogK76xSettings& p = Open(1, 1);
        ControleerVensterteksten(p, waar + " pH");
        bewaar(p, "module-k761-ph");
        p.CancelButton->click();
        DialogK76xSettings& c = Open(2, 1);
        ControleerVensterteksten(c, waar + " conductivity");
        bewaar(c, "module-k762-ec");
        c.SSTab->setCurrentIndex(4);
        ControleerVensterteksten(c, waar + " temperature");
        bewaar(c, "module-k762-temperature");
        c.CancelButton->click();
        FormOptionsEC opties;
        opties.Laad();
        opties.show();
        ControleerVensterteksten(opties, waar + " options");
        bewaar(opties, "module-options-atc-on");
        opties.CheckATC->click();
        bewaar(opties, "module-options-atc-off");
        FormOptionsOx zuurstof;
        zuurstof.Laad();
        zuurstof.show();
        ControleerVensterteksten(zuurstof, waar + " oxygen options");
        bewaar(zuurstof, "module-options-oxygen");
        formEditInfo info;
        info.Laad();
        info.show();
        ControleerVensterteksten(info, waar + " info text");
        bewaar(info, "module-info");
    }
}

// ---------------------------------------------------------------------------------------------------
// The whole road against the rack emulator with the poll cycle running: on the in-memory line with the
// virtual clock, and through a pseudo-terminal with QSerialPort on the real clock (a few seconds:
// the module's EEPROM write and the waits after OK and Cancel take their real time there).

enum class Lijnsoort { Geheugen, Pseudoterminal };

class ModuleInstellingenLijnTest : public SchoneOmgeving, public ::testing::WithParamInterface<Lijnsoort> {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        ASSERT_TRUE(QDir().mkpath(MapKalibratie));
        ASSERT_TRUE(QDir().mkpath(MapConfiguratie));
        if (GetParam() == Lijnsoort::Pseudoterminal) {
            platform::zetKlok(platform::maakEchteKlok());
            const QString pad = emulator.openPty();
            ASSERT_FALSE(pad.isEmpty()) << "no pseudo-terminal";
            auto poort = std::make_unique<platform::SerielePoort>();
            poort->zetPoort(pad);
            ASSERT_TRUE(poort->zetInstellingen(QStringLiteral("19200,N,8,1")));
            ASSERT_TRUE(poort->open()) << poort->foutmelding().toStdString();
            ZetMSComm1(std::move(poort));
        } else {
            lijn = &InstalleerRacklijn(emulator);
        }
    }

    RackEmulator emulator;
    platform::GeheugenLijn* lijn = nullptr;
};

TEST_P(ModuleInstellingenLijnTest, AK762UnitAndRangeReachTheModuleAndTheFileOnlyThroughOK) {
    PollHarnas harnas(emulator, lijn);
    harnas.PlaatsRacks(1, 2);
    const int32_t ec = PollHarnas::ModuleNummer(1, 2);
    // The module measures inputs 1..3 in range 3 already; input 4 in range 0.
    emulator.module(ec)->bereik = {3, 3, 3, 0};
    RackVlaggen[1].Show = true;
    RackVlaggen[1].Measure = true;
    InstalleerRackvensters();
    auto* rack = dynamic_cast<FormRack*>(MaakRackVenster(1));
    ASSERT_NE(rack, nullptr);
    rack->show();
    Meldingen meldingen; // every calibration warning answered with OK
    const QString rcf = RackBestandsnaam(1, MapConfiguratie, QStringLiteral(".rcf"));

    size_t verzoekenVoorOK = 0, verzoekenNaOK = 0, pollsNaCancel = 0;
    QByteArray bestandNaOK;
    DialogK76xSettings::Uitslag eerste = DialogK76xSettings::Uitslag::Open;
    DialogK76xSettings::Uitslag tweede = DialogK76xSettings::Uitslag::Open;
    const auto stap = [](qint64 ms, std::function<void()> actie) {
        platform::klok().planIn(ms, std::move(actie));
    };

    // Each step waits for what it needs: the module polled (its ranges known), polls after the dialog.
    std::function<void()> zodraGepold;
    std::function<void()> zodraWeerGepold;
    zodraWeerGepold = [&] {
        if (emulator.aantalVerzoeken(CommandoStatus) < static_cast<int>(pollsNaCancel) + 2)
            stap(50, zodraWeerGepold);
        else
            BeeindigCommunicatieLus();
    };
    zodraGepold = [&] {
        if (Racks[1].Modules[2].Meting[1].Resolution != 3) {
            stap(50, zodraGepold);
            return;
        }
        QTest::mouseDClick(rack->LabelWaarde[RackLabelIndex(2, 1)], Qt::LeftButton);
        stap(300, [&] {
            DialogK76xSettings* d = ModuleInstellingenVenster();
            ASSERT_NE(d, nullptr);
            EXPECT_FALSE(MetenActief);
            Kies(d->ComboEenheid[0], 1); // g/l (TDS)
            KiesBereik(3);
            d->CommandOpties->click();
            verzoekenVoorOK = emulator.verzoeken().size();
            EXPECT_EQ(emulator.aantalVerzoeken(CommandoECBereik), 0);
            d->OKButton->click();
            eerste = d->uitslag();
            verzoekenNaOK = emulator.verzoeken().size();
            bestandNaOK = Inhoud(rcf);
            stap(500, [&] {
                // A second edit, cancelled.
                QTest::mouseDClick(rack->LabelWaarde[RackLabelIndex(2, 2)], Qt::LeftButton);
                DialogK76xSettings* d2 = ModuleInstellingenVenster();
                ASSERT_NE(d2, nullptr);
                Kies(d2->ComboEenheid[1], 2); // °C
                KiesBereik(0);
                d2->CommandOpties->click();
                d2->CancelButton->click();
                tweede = d2->uitslag();
                pollsNaCancel = static_cast<size_t>(emulator.aantalVerzoeken(CommandoStatus));
                stap(50, zodraWeerGepold);
            });
        });
    };
    stap(50, zodraGepold);
    QTimer waakhond;
    waakhond.setSingleShot(true);
    QObject::connect(&waakhond, &QTimer::timeout, [] {
        BeeindigCommunicatieLus();
        Afbreken = Pauzeren = true;
    });
    waakhond.start(60000);
    MetenActief = true;
    CommunicatieLus();
    EXPECT_TRUE(waakhond.isActive()) << "the watchdog ended the test";

    EXPECT_EQ(eerste, DialogK76xSettings::Uitslag::OK);
    // OK: the one changed range to the module, its EEPROM byte at address 3, then the reset.
    std::vector<RackEmulator::Verzoek> ok(emulator.verzoeken().begin() + static_cast<long>(verzoekenVoorOK),
                                          emulator.verzoeken().begin() + static_cast<long>(verzoekenNaOK));
    const auto bereik =
        std::find_if(ok.begin(), ok.end(), [](const auto& v) { return v.commando == CommandoECBereik; });
    ASSERT_NE(bereik, ok.end());
    EXPECT_EQ(bereik->data, QByteArray("\x03\x03", 2));
    EXPECT_EQ(
        std::count_if(ok.begin(), ok.end(), [](const auto& v) { return v.commando == CommandoECBereik; }), 1);
    const auto schrijf =
        std::find_if(ok.begin(), ok.end(), [](const auto& v) { return v.commando == CommandoSchrijfByte; });
    ASSERT_NE(schrijf, ok.end());
    EXPECT_EQ(schrijf->data, QByteArray("\x00\x03\x03", 3));
    const auto reset =
        std::find_if(ok.begin(), ok.end(), [](const auto& v) { return v.commando == CommandoReset; });
    ASSERT_NE(reset, ok.end());
    EXPECT_GT(reset - ok.begin(), schrijf - ok.begin());
    EXPECT_EQ(reset->idno, ec);
    EXPECT_EQ(emulator.module(ec)->leesByte(3), 3);
    EXPECT_TRUE(bestandNaOK.contains("[INPUT1]\r\nName=CH1"));
    EXPECT_TRUE(bestandNaOK.contains("Unit=g/l\r\nResolution=3"));
    EXPECT_EQ(bestandNaOK.count("Resolution=3"), 4);
    EXPECT_EQ(Racks[1].Modules[2].Meting[1].Unit.getrimd(), QStringLiteral("g/l"));

    // Cancel: nothing more to the module than the polls, the file as OK left it.
    EXPECT_EQ(tweede, DialogK76xSettings::Uitslag::Geannuleerd);
    const auto& alle = emulator.verzoeken();
    for (size_t i = verzoekenNaOK; i < alle.size(); ++i)
        EXPECT_TRUE(alle[i].commando == CommandoStatus || alle[i].commando == CommandoADC ||
                    alle[i].commando == CommandoTemperatuurADC)
            << "request " << static_cast<int>(alle[i].commando);
    EXPECT_EQ(Inhoud(rcf), bestandNaOK);
    EXPECT_EQ(Racks[1].Modules[2].Meting[2].Unit.getrimd(), QStringLiteral("S/cm"));
    EXPECT_EQ(Racks[1].Modules[2].Meting[1].Resolution, 3);
    // Polling went on after the dialog.
    EXPECT_GT(emulator.aantalVerzoeken(CommandoStatus), static_cast<int>(pollsNaCancel));
    EXPECT_TRUE(MetenActief);
}

INSTANTIATE_TEST_SUITE_P(Lijnen, ModuleInstellingenLijnTest,
                         ::testing::Values(Lijnsoort::Geheugen, Lijnsoort::Pseudoterminal),
                         [](const ::testing::TestParamInfo<Lijnsoort>& info) {
                             return info.param == Lijnsoort::Geheugen ? std::string("GeheugenLijn")
                                                                      : std::string("Pseudoterminal");
                         });
