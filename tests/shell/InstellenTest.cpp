#include "Bestandsgrens.h"
#include "EchteMelding.h"
#include "OpnameMapKeuze.h"
#include "Opnametaal.h"
#include "SchoneOmgeving.h"
#include "TekstControle.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"
#include "platform/GeheugenLijn.h"
#include "platform/Opslag.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Instellingen.h"
#include "shared/MapKeuze.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/FormPathInput.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Titelbalk.h"
#include "shell/DialogInputTijdstip.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/Opdrachtregel.h"
#include "shell/Poorten.h"
#include "shell/Programmainstellingen.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <cerrno>
#include <cstring>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

namespace {
constexpr platform::Datum Seconde = 1.0 / 86400.0;

QString Opgeslagen(const char* sleutel) {
    return LeesInstelling(AppNaam, QStringLiteral("Settings"), QLatin1String(sleutel), "<none>");
}
} // namespace

class InstellenTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes: from `antwoorden` while it holds any, else OK.
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        meldingen.emplace_back(tekst, stijl, titel);
        if (antwoorden.empty()) return static_cast<int>(vbOK);
        const int a = antwoorden.front();
        antwoorden.pop_front();
        return a;
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        auto l = std::make_unique<platform::GeheugenLijn>();
        lijn = l.get();
        lijn->zetPoort(QStringLiteral("COM1"));
        lijn->open();
        ZetMSComm1(std::move(l));
        hoofdvenster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*hoofdvenster);
        ZetMeldingVenster(this);
        const QString documenten = QDir(tijdelijkeMap()).filePath("Documents/Quorvex/K740/");
        MapGegevens = documenten + "Data";
        MapBibliotheek = documenten + "Library";
        MapConfiguratie = documenten + "Configuration";
        MapKalibratie = documenten + "Calibration";
        CommPoort = "COM1";
        Baudsnelheid = "19200";
        Tijdsinterval = 60;
    }
    void TearDown() override {
        ResetInstellen();
        hoofdvenster.reset();
        SchoneOmgeving::TearDown();
    }

    frmInstellen& open(int tab = -1) { return ToonInstellingen(tab); }

    // Runs `actie` on the date and time picker as soon as it waits.
    void InDePicker(std::function<void(DialogInputTijdstip&)> actie) {
        klok().planIn(0, [actie] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<DialogInputTijdstip*>(w); p && p->isVisible()) {
                    actie(*p);
                    return;
                }
            ADD_FAILURE() << "no picker";
        });
    }

    // Runs `actie` on the window of class Venster as soon as it waits. The flag tells that it ran: the
    // test checks it as soon as the command that opens the window has returned, and ends there when the
    // window did not open (the action, left waiting, then goes with the test's clock).
    template <class Venster> std::shared_ptr<bool> InHetVenster(std::function<void(Venster&)> actie) {
        auto gedaan = std::make_shared<bool>(false);
        klok().planIn(0, [actie, gedaan] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* v = qobject_cast<Venster*>(w); v && v->isVisible()) {
                    *gedaan = true;
                    actie(*v);
                    return;
                }
            ADD_FAILURE() << "no " << Venster::staticMetaObject.className() << " waits";
        });
        return gedaan;
    }

    static void KiesMoment(DialogInputTijdstip& p, platform::Datum d) {
        const QDateTime m = platform::QDateTimeUitDatum(d);
        p.MonthView->setSelectedDate(m.date());
        p.DTPicker->setTime(m.time());
    }

    // Clicks a check box on its box (a click right of its caption does not count).
    static void Vink(QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2)); }

    static void TypInterval(frmInstellen& v, const char* tekst) {
        v.TextTijdsinterval->setFocus();
        v.TextTijdsinterval->selectAll();
        QTest::keyClicks(v.TextTijdsinterval, QLatin1String(tekst));
    }

    platform::GeheugenLijn* lijn = nullptr;
    std::unique_ptr<mdiK740> hoofdvenster;
    std::vector<std::tuple<QString, int, QString>> meldingen;
    std::deque<int> antwoorden;
};

TEST_F(InstellenTest, LoadHoldsLoggingClosesThePortAndDisablesTheMainWindowUntilUnload) {
    VerbindingActief = true;
    PauzeOpvragen = false;
    frmInstellen& v = open();
    EXPECT_FALSE(v.Afsluiten);
    EXPECT_FALSE(InstellenAfsluiten());
    EXPECT_FALSE(VerbindingActief);
    EXPECT_TRUE(PauzeOpvragen);
    EXPECT_FALSE(lijn->isOpen());
    EXPECT_FALSE(hoofdvenster->isEnabled());
    EXPECT_EQ(v.SSTab->currentIndex(), 1); // "TabConfiguration" defaults to the Connection tab
    EXPECT_EQ(v.windowTitle(), "Settings");

    QTest::mouseClick(v.CancelButton, Qt::LeftButton);
    EXPECT_TRUE(v.Afsluiten);
    EXPECT_TRUE(InstellenAfsluiten());
    EXPECT_FALSE(v.isVisible());
    EXPECT_TRUE(VerbindingActief);
    EXPECT_FALSE(PauzeOpvragen);
    EXPECT_TRUE(hoofdvenster->isEnabled());
    EXPECT_TRUE(lijn->isOpen()); // opened again with the settings unchanged
    EXPECT_EQ(lijn->instellingen(), "19200,N,8,1");
    EXPECT_EQ(Tekst[127], "Settings"); // the language the main window is relabelled in
}

TEST_F(InstellenTest, TheIntervalShowsAsATimeAndFollowsTheUpDown) {
    Tijdsinterval = 60;
    frmInstellen& v = open(0);
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:01:00");
    EXPECT_EQ(v.UpDownPollInterval->value(), 60);

    v.UpDownPollInterval->setFocus();
    QTest::keyClick(v.UpDownPollInterval, Qt::Key_Up);
    EXPECT_EQ(v.GekozenInterval(), 61);
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:01:01");

    TypInterval(v, "013000");
    EXPECT_EQ(v.GekozenInterval(), 5400);
    EXPECT_EQ(v.UpDownPollInterval->value(), 5400);
    EXPECT_EQ(Tijdsinterval, 60); // the program's interval changes at OK only
}

TEST_F(InstellenTest, ZeroOrAnInvalidTimeMeansTwentyFourHours) {
    Tijdsinterval = 60;
    frmInstellen& v = open(0);
    TypInterval(v, "000000");
    EXPECT_EQ(v.GekozenInterval(), 86400);
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:00:00");
    EXPECT_EQ(v.UpDownPollInterval->value(), 86400);

    TypInterval(v, "000500");
    EXPECT_EQ(v.GekozenInterval(), 300);
    // 00:95:00 is no time.
    v.TextTijdsinterval->setCursorPosition(3);
    QTest::keyClick(v.TextTijdsinterval, Qt::Key_9);
    EXPECT_EQ(v.GekozenInterval(), 86400);
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:00:00");
    EXPECT_EQ(v.UpDownPollInterval->value(), 86400);

    // Letters do not go in; a half-typed box counts its blanks as zeros.
    TypInterval(v, "ab");
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:00:00");
    TypInterval(v, "0002");
    EXPECT_EQ(v.TextTijdsinterval->text(), "00:02:00");
    EXPECT_EQ(v.GekozenInterval(), 120);
}

TEST_F(InstellenTest, AFrenchPreviewThenCancelLeavesEnglishEverywhere) {
    frmInstellen& v = open(2);
    ASSERT_EQ(v.ComboTaal->count(), 3);
    EXPECT_EQ(v.ComboTaal->itemText(0), "English");
    EXPECT_EQ(v.ComboTaal->itemText(1), QString::fromUtf8("Français"));
    EXPECT_EQ(v.ComboTaal->itemText(2), "Nederlands");
    EXPECT_EQ(v.ComboTaal->currentIndex(), 0);
    EXPECT_EQ(Tekst[127], "Settings"); // the filling of the list leaves the table in English

    v.ComboTaal->setFocus();
    QTest::keyClick(v.ComboTaal, Qt::Key_Down);
    EXPECT_EQ(v.windowTitle(), QString::fromUtf8("Paramètres"));
    EXPECT_EQ(v.CancelButton->text(), "&Annuler");
    EXPECT_EQ(v.SSTab->tabText(0), "Enregistrement");
    EXPECT_EQ(Tekst[127], "Settings"); // the program's own texts stay in English
    // Help speaks the previewed language.
    QTest::mouseClick(v.CommandHelp, Qt::LeftButton);
    HelpVenster* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpVenster*>(w); h && h->isVisible()) help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->pagina(), ":/help/K740FR/settings.htm");

    QTest::mouseClick(v.CancelButton, Qt::LeftButton);
    EXPECT_EQ(HuidigeTaal, 0);
    EXPECT_EQ(Tekst[127], "Settings");
    EXPECT_EQ(Opgeslagen("Language"), "<none>");
}

// The windows the dialog opens speak the language it shows, before that language is applied: the folder
// chooser (its caption and buttons), the start and stop pickers and the stop picker's box. Cancel leaves
// the program in the language it had.
TEST_F(InstellenTest, TheWindowsTheDialogOpensSpeakTheLanguageItShowsAndCancelKeepsTheOldOne) {
    FormPathInputVenster mapKeuze;
    ZetMapKeuzeVenster(&mapKeuze);
    // What a window shows: its caption, then its labels and buttons.
    const auto toont = [](const QString& titel, std::initializer_list<QString> teksten) {
        QStringList delen = {titel};
        for (const QString& t : teksten)
            delen << t;
        return delen.join(QStringLiteral(" | ")).toStdString();
    };
    struct Geval {
        int eigen;   // the program's language
        int gekozen; // the one chosen in the dialog
        // The folder chooser of the data folder, the start and the stop picker.
        const char* map;
        const char* start;
        const char* stop;
        const char* teVroeg; // the stop picker's box for a stop before the start
        // The program's own, after Cancel: File > Settings and the Cancel of its windows.
        const char* eigenInstellingen;
        const char* eigenAnnuleer;
    };
    const Geval gevallen[] = {
        {0, 1, "Sélectionnez le dossier: Données | &OK | &Annuler",
         "Sélectionnez l'heure de début: | Date: | Heure: | &OK | &Annuler",
         "Sélectionnez l'heure de fin: | Date: | Heure: | &OK | &Annuler",
         "Choisissez une heure de fin postérieure à l'heure de début!", "&Settings...", "&Cancel"},
        {0, 2, "Kies de map: Gegevens | &OK | &Annuleren",
         "Kies het starttijdstip: | Datum: | Tijd: | &OK | &Annuleren",
         "Kies het stoptijdstip: | Datum: | Tijd: | &OK | &Annuleren",
         "Kies een stoptijdstip na het starttijdstip!", "&Settings...", "&Cancel"},
        {2, 0, "Select the folder: Data | &OK | &Cancel",
         "Select start time: | Date: | Time: | &OK | &Cancel",
         "Select stop time: | Date: | Time: | &OK | &Cancel", "Set a stop time passing the time to start!",
         "&Instellingen...", "&Annuleren"},
    };
    StartLogTijdstip = platform::Nu() + 1.0 / 24;
    StopLogTijdstip = StartLogTijdstip + 1.0 / 24;
    for (const Geval& g : gevallen) {
        SCOPED_TRACE("language " + std::to_string(g.eigen) + ", " + std::to_string(g.gekozen) + " chosen");
        ZetTaal(g.eigen);
        hoofdvenster->LaadStrings();
        meldingen.clear();
        hoofdvenster->menus().mnuFileSettings->trigger();
        frmInstellen* v = InstellenVenster();
        ASSERT_TRUE(v && !InstellenAfsluiten()) << "File > Settings opened no dialog";
        v->SSTab->setCurrentIndex(2);
        v->ComboTaal->setCurrentIndex(g.gekozen);
        ASSERT_EQ(v->windowTitle().toStdString(), TekstenVan(g.gekozen)[127].toStdString());

        // The data folder's row on the Locations tab.
        std::string gezienVenster;
        auto gezien = InHetVenster<FormPathInput>([&](FormPathInput& k) {
            gezienVenster = toont(k.windowTitle(), {k.CommandOK->text(), k.CommandCancel->text()});
            QTest::mouseClick(k.CommandCancel, Qt::LeftButton);
        });
        v->SSTab->setCurrentIndex(3);
        QTest::mouseClick(v->MSHFlexGridFolder->viewport(), Qt::LeftButton, {},
                          v->MSHFlexGridFolder->visualItemRect(v->MSHFlexGridFolder->item(1, 1)).center());
        ASSERT_TRUE(*gezien) << "the data folder's row opened no folder chooser";
        EXPECT_EQ(gezienVenster, g.map);

        // The start picker, then the stop picker with a stop before the start.
        for (QPushButton* knop : {v->CommandStartTijdstip, v->CommandStopTijdstip}) {
            const bool stop = knop == v->CommandStopTijdstip;
            gezienVenster.clear();
            gezien = InHetVenster<DialogInputTijdstip>([&](DialogInputTijdstip& p) {
                gezienVenster = toont(p.windowTitle(), {p.LabelDate->text(), p.LabelTime->text(),
                                                        p.OKButton->text(), p.CancelButton->text()});
                if (stop) {
                    KiesMoment(p, v->GekozenStart());
                    QTest::mouseClick(p.OKButton, Qt::LeftButton);
                }
                QTest::mouseClick(p.CancelButton, Qt::LeftButton);
            });
            v->SSTab->setCurrentIndex(0);
            QTest::mouseClick(knop, Qt::LeftButton);
            ASSERT_TRUE(*gezien) << "no picker opened";
            EXPECT_EQ(gezienVenster, stop ? g.stop : g.start);
        }
        ASSERT_EQ(meldingen.size(), 1u) << "the stop before the start was not refused";
        EXPECT_EQ(std::get<0>(meldingen[0]).toStdString(), g.teVroeg);

        QTest::mouseClick(v->CancelButton, Qt::LeftButton);
        ASSERT_TRUE(InstellenAfsluiten());
        EXPECT_EQ(HuidigeTaal, g.eigen);
        EXPECT_EQ(Tekst[141].toStdString(), g.eigenAnnuleer);
        EXPECT_EQ(hoofdvenster->menus().mnuFileSettings->text().toStdString(), g.eigenInstellingen);
        EXPECT_EQ(Opgeslagen("Language"), "<none>");
    }
}

TEST_F(InstellenTest, ClosingByTheTitleBarOrEscapeIsCancel) {
    for (bool escape : {false, true}) {
        frmInstellen& v = open(2);
        EXPECT_FALSE(lijn->isOpen());
        v.ComboTaal->setCurrentIndex(2);
        EXPECT_EQ(v.windowTitle(), "Instellingen");
        if (escape)
            QTest::keyClick(&v, Qt::Key_Escape);
        else
            v.close();
        EXPECT_TRUE(v.Afsluiten);
        EXPECT_EQ(Tekst[127], "Settings");
        EXPECT_TRUE(lijn->isOpen()) << escape;
        EXPECT_TRUE(hoofdvenster->isEnabled());
    }
}

TEST_F(InstellenTest, EditsStayInTheDialogAndCancelChangesNoSetting) {
    Tijdsinterval = 60;
    const platform::Datum start = platform::Nu() + 1.0 / 24;
    StartLogTijdstip = start;
    StopLogTijdstip = start + 1.0 / 24;
    const QString elders = QDir(tijdelijkeMap()).filePath("Elders");
    OpnameMapKeuze keuze;
    keuze.antwoord = elders;
    ZetMapKeuzeVenster(&keuze);
    const QString data = MapGegevens;
    const bool laden = LadenBijOpstarten;
    frmInstellen& v = open(0);

    QTest::keyClick(v.UpDownPollInterval, Qt::Key_Up);
    InDePicker([&](DialogInputTijdstip& p) {
        KiesMoment(p, start + 3.0 / 24);
        QTest::mouseClick(p.OKButton, Qt::LeftButton);
    });
    QTest::mouseClick(v.CommandStartTijdstip, Qt::LeftButton);
    Vink(v.CheckStartTijdstip);
    Vink(v.CheckLoadFile);
    v.cboBaudrate->setCurrentIndex(2);
    v.ComboTaal->setCurrentIndex(1);
    v.SSTab->setCurrentIndex(3);
    QTest::mouseClick(v.MSHFlexGridFolder->viewport(), Qt::LeftButton, {},
                      v.MSHFlexGridFolder->visualItemRect(v.MSHFlexGridFolder->item(1, 1)).center());
    // The dialog shows its edits...
    EXPECT_EQ(v.GekozenInterval(), 61);
    EXPECT_NEAR(v.GekozenStart(), start + 3.0 / 24, Seconde / 2);
    EXPECT_NEAR(v.GekozenStop(), start + 3.0 / 24 + Seconde, Seconde / 2); // moved past the start
    EXPECT_EQ(v.windowTitle(), QString::fromUtf8("Paramètres"));
    // ...while the program goes on with its settings.
    EXPECT_EQ(Tijdsinterval, 60);
    EXPECT_EQ(StartLogTijdstip, start);
    EXPECT_EQ(StopLogTijdstip, start + 1.0 / 24);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_EQ(LadenBijOpstarten, laden);
    EXPECT_EQ(Baudsnelheid, "19200");
    EXPECT_EQ(HuidigeTaal, 0);
    EXPECT_EQ(Tekst[127], "Settings");
    EXPECT_EQ(MapGegevens, data);

    QTest::mouseClick(v.CancelButton, Qt::LeftButton);
    EXPECT_EQ(Tijdsinterval, 60);
    EXPECT_EQ(StartLogTijdstip, start);
    EXPECT_EQ(StopLogTijdstip, start + 1.0 / 24);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_EQ(LadenBijOpstarten, laden);
    EXPECT_EQ(Baudsnelheid, "19200");
    EXPECT_EQ(HuidigeTaal, 0);
    EXPECT_EQ(MapGegevens, data);
    EXPECT_FALSE(QDir(elders).exists());
    EXPECT_TRUE(platform::SleutelsVanSectie(AppNaam, QStringLiteral("Settings")).isEmpty());
    EXPECT_EQ(lijn->instellingen(), "19200,N,8,1");
    EXPECT_TRUE(lijn->isOpen());
}

TEST_F(InstellenTest, AfterOKWhileLoggingTheStatusBarShowsTheNewPortAndLoggingOn) {
    VerbindingActief = true;
    hoofdvenster->PlaatsAanduidingenCOM();
    ASSERT_EQ(hoofdvenster->StatusTekst(1), "COM1, 19200 bps.");
    ASSERT_EQ(hoofdvenster->StatusTekst(2), Tekst[151]);
    frmInstellen& v = open(1);
    v.cboCommPoort->lineEdit()->selectAll();
    QTest::keyClicks(v.cboCommPoort->lineEdit(), "/dev/pts/7");
    v.cboBaudrate->setCurrentIndex(5);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    ASSERT_TRUE(v.Afsluiten);
    EXPECT_TRUE(VerbindingActief);
    EXPECT_EQ(hoofdvenster->StatusTekst(1), "/dev/pts/7, 9600 bps.");
    EXPECT_EQ(hoofdvenster->StatusTekst(2), Tekst[151]);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    EXPECT_TRUE(hoofdvenster->knopBewaarInstellingen()->isEnabled());

    // Cancel while logging: the same port, logging shown on.
    ConfiguratieGewijzigd = false;
    QTest::mouseClick(open(1).CancelButton, Qt::LeftButton);
    EXPECT_EQ(hoofdvenster->StatusTekst(1), "/dev/pts/7, 9600 bps.");
    EXPECT_EQ(hoofdvenster->StatusTekst(2), Tekst[151]);
    EXPECT_FALSE(ConfiguratieGewijzigd);
}

TEST_F(InstellenTest, AStartAtOrAfterTheStopMovesTheStopToOneSecondAfterIt) {
    const platform::Datum nu = platform::Nu();
    StartLogTijdstip = nu + 1.0 / 24;
    StopLogTijdstip = nu + 2.0 / 24;
    frmInstellen& v = open(0);
    EXPECT_EQ(v.LabelStartTijdstip->text(), "Mon 05/01/2026 10:00:00");

    const platform::Datum nieuweStart = platform::MaakDatum(2026, 1, 6, 8, 30, 0);
    InDePicker([&](DialogInputTijdstip& p) {
        EXPECT_EQ(p.windowTitle(), "Select start time:");
        KiesMoment(p, nieuweStart);
        QTest::mouseClick(p.OKButton, Qt::LeftButton);
    });
    QTest::mouseClick(v.CommandStartTijdstip, Qt::LeftButton);
    EXPECT_NEAR(v.GekozenStart(), nieuweStart, 1e-9);
    EXPECT_NEAR(v.GekozenStop(), nieuweStart + Seconde, 1e-9);
    EXPECT_EQ(v.LabelStopTijdstip->text(), "Tue 06/01/2026 08:30:01");

    // A cancelled picker changes nothing.
    InDePicker([&](DialogInputTijdstip& p) { QTest::mouseClick(p.CancelButton, Qt::LeftButton); });
    QTest::mouseClick(v.CommandStopTijdstip, Qt::LeftButton);
    EXPECT_NEAR(v.GekozenStop(), nieuweStart + Seconde, 1e-9);

    // The stop picker refuses a moment before start + 1 s.
    InDePicker([&](DialogInputTijdstip& p) {
        EXPECT_EQ(p.windowTitle(), "Select stop time:");
        EXPECT_NEAR(p.MinDate(), nieuweStart + Seconde, 1e-9);
        KiesMoment(p, nieuweStart);
        QTest::mouseClick(p.OKButton, Qt::LeftButton);
        EXPECT_TRUE(p.isVisible());
        KiesMoment(p, nieuweStart + 10 * Seconde);
        QTest::mouseClick(p.OKButton, Qt::LeftButton);
    });
    QTest::mouseClick(v.CommandStopTijdstip, Qt::LeftButton);
    EXPECT_NEAR(v.GekozenStop(), nieuweStart + 10 * Seconde, 1e-9);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_NEAR(StartLogTijdstip, nieuweStart, 1e-9);
    EXPECT_NEAR(StopLogTijdstip, nieuweStart + 10 * Seconde, 1e-9);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0], std::make_tuple(QString("Set a stop time passing the time to start!"), 48,
                                            QString("Select stop time:")));
}

TEST_F(InstellenTest, StartingLoggingAtStartUpDisablesTheScheduledMoments) {
    frmInstellen& v = open(0);
    EXPECT_FALSE(v.LabelStartTijdstip->text().isEmpty());
    Vink(v.CheckLogStartup);
    EXPECT_FALSE(v.CommandStartTijdstip->isEnabled());
    EXPECT_FALSE(v.CheckStopTijdstip->isEnabled());
    EXPECT_TRUE(v.LabelStartTijdstip->text().isEmpty());
    EXPECT_TRUE(v.LabelStopTijdstip->text().isEmpty());
    Vink(v.CheckLogStartup);
    EXPECT_TRUE(v.CommandStopTijdstip->isEnabled());
    EXPECT_FALSE(v.LabelStopTijdstip->text().isEmpty());
}

TEST_F(InstellenTest, OKStoresTheSettingsAppliesThemAndOpensThePort) {
    const platform::Datum start = platform::MaakDatum(2026, 2, 1, 12, 0, 0);
    StartLogTijdstip = start;
    StopLogTijdstip = start + 1;
    frmInstellen& v = open(1);
    EXPECT_EQ(v.cboCommPoort->currentText(), "COM1");
    EXPECT_EQ(v.cboBaudrate->currentIndex(), 6);

    // A device path may be typed.
    v.cboCommPoort->lineEdit()->selectAll();
    QTest::keyClicks(v.cboCommPoort->lineEdit(), "/dev/pts/7");
    v.cboBaudrate->setCurrentIndex(5);
    v.SSTab->setCurrentIndex(0);
    Vink(v.CheckStopTijdstip);
    Vink(v.CheckLogStartup); // the moments are then disabled, but keep their ticks
    QTest::keyClick(v.UpDownPollInterval, Qt::Key_Up);
    v.ComboTaal->setCurrentIndex(1);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);

    EXPECT_TRUE(v.Afsluiten);
    EXPECT_EQ(CommPoort, "/dev/pts/7");
    EXPECT_EQ(Baudsnelheid, "9600");
    EXPECT_EQ(HuidigeTaal, 1);
    EXPECT_TRUE(StartBijOpstarten);
    EXPECT_TRUE(GebruikStopLog);
    EXPECT_FALSE(GebruikStartLog);
    EXPECT_EQ(Tijdsinterval, 61);
    EXPECT_EQ(Opgeslagen("StartOnStartup"), "True");
    EXPECT_EQ(Opgeslagen("LoadOnStartup"), "False");
    EXPECT_EQ(Opgeslagen("Language"), "1");
    EXPECT_EQ(Opgeslagen("Serial port"), "/dev/pts/7");
    EXPECT_EQ(Opgeslagen("Baudrate"), "9600");
    EXPECT_EQ(Opgeslagen("Interval of time"), "61");
    EXPECT_EQ(Opgeslagen("Use StartLogOn"), "False");
    EXPECT_EQ(Opgeslagen("Use StopLogOn"), "True");
    platform::Datum gelezen = 0;
    ASSERT_TRUE(platform::LeesDatumTijd(Opgeslagen("Start Log On"), gelezen));
    EXPECT_NEAR(gelezen, start, 1e-9);
    ASSERT_TRUE(platform::LeesDatumTijd(Opgeslagen("Stop Log On"), gelezen));
    EXPECT_NEAR(gelezen, start + 1, 1e-9);
    EXPECT_EQ(Opgeslagen("TabConfiguration"), "0");
    EXPECT_EQ(Opgeslagen("FolderData"), MapGegevens);
    EXPECT_TRUE(QDir(MapKalibratie).exists());

    // The main window set the line up with the new port and speed and opened it again.
    EXPECT_TRUE(lijn->isOpen());
    EXPECT_EQ(lijn->poort(), "/dev/pts/7");
    EXPECT_EQ(lijn->instellingen(), "9600,N,8,1");
    EXPECT_EQ(hoofdvenster->StatusTekst(2), Tekst[150]);
    EXPECT_TRUE(hoofdvenster->isEnabled());
    EXPECT_EQ(Tekst[127], QString::fromUtf8("Paramètres")); // the main window's new language
    EXPECT_TRUE(meldingen.empty());

    // The next opening shows the tab of the last OK.
    EXPECT_EQ(open().SSTab->currentIndex(), 0);
}

// Qt's own texts of the dialogs (a file dialog's buttons and labels) follow the language chosen in the
// settings: French, Dutch, and English again.
TEST_F(InstellenTest, QtsOwnDialogTextsFollowTheLanguageChosen) {
    const QString vertalingen = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* taal : {"fr", "nl"})
        if (!QFile::exists(vertalingen + QStringLiteral("/qtbase_") + QLatin1String(taal) +
                           QStringLiteral(".qm")))
            GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n): no qtbase_" << taal
                         << ".qm in " << vertalingen.toStdString();
    const auto knoppen = [] {
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        auto* rij = d.findChild<QDialogButtonBox*>();
        auto* kijkIn = d.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        return std::make_pair(rij && rij->button(QDialogButtonBox::Cancel)
                                  ? rij->button(QDialogButtonBox::Cancel)->text().toStdString()
                                  : std::string("<no Cancel button>"),
                              kijkIn ? kijkIn->text().toStdString() : std::string("<no label>"));
    };
    // An open dialog changes along.
    QDialogButtonBox rijOpen(QDialogButtonBox::Cancel);
    for (const auto& [taal, annuleren, kijkIn] :
         {std::tuple{1, "Annuler", "Voir dans :"}, std::tuple{2, "Annuleren", "Zoeken in:"},
          std::tuple{0, "Cancel", "Look in:"}}) {
        SCOPED_TRACE("language " + std::to_string(taal));
        frmInstellen& v = open(1);
        v.ComboTaal->setCurrentIndex(taal);
        QTest::mouseClick(v.OKButton, Qt::LeftButton);
        ASSERT_EQ(HuidigeTaal, taal);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        EXPECT_EQ(knoppen(), std::make_pair(std::string(annuleren), std::string(kijkIn)));
        EXPECT_EQ(rijOpen.button(QDialogButtonBox::Cancel)->text().toStdString(), annuleren);
    }
}

TEST_F(InstellenTest, OKWithNoSpeedChosenStores1200) {
    frmInstellen& v = open(1);
    v.cboBaudrate->setCurrentIndex(-1);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_TRUE(v.Afsluiten);
    EXPECT_EQ(Opgeslagen("Baudrate"), "1200");
    EXPECT_EQ(lijn->instellingen(), "1200,N,8,1");
}

TEST_F(InstellenTest, OKWithoutAPortOrWithAPortThatDoesNotOpenKeepsTheDialog) {
    ExtraPoorten = QStringList{"COM3", "COM12"};
    frmInstellen& v = open(3);
    // Each port of the command line is its own entry, none chosen.
    ASSERT_EQ(v.cboCommPoort->count(), 2);
    EXPECT_EQ(v.cboCommPoort->itemText(0), "COM3");
    EXPECT_EQ(v.cboCommPoort->itemText(1), "COM12");
    EXPECT_EQ(v.cboCommPoort->currentText(), "");

    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(meldingen[0], std::make_tuple(QString("Select the serial port used for the connection!"), 48,
                                            QString("Settings")));
    EXPECT_FALSE(v.Afsluiten);
    EXPECT_EQ(v.SSTab->currentIndex(), 1);
    EXPECT_EQ(Opgeslagen("Serial port"), "<none>");
    EXPECT_FALSE(lijn->isOpen());

    lijn->zetOpenFout("busy");
    v.cboCommPoort->setCurrentIndex(1);
    v.SSTab->setCurrentIndex(3);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_FALSE(v.Afsluiten);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.SSTab->currentIndex(), 1);
    ASSERT_EQ(meldingen.size(), 2u);
    // The system's reason follows the program's text.
    EXPECT_EQ(std::get<0>(meldingen[1]), "Error opening 'COM12' !\r\n\r\nbusy");
    EXPECT_EQ(Opgeslagen("Serial port"), "COM12"); // applied and stored all the same
    EXPECT_FALSE(hoofdvenster->isEnabled());

    // A typed name that is not a port is taken as COM1: the field says so, as the box does.
    v.cboCommPoort->lineEdit()->selectAll();
    QTest::keyClicks(v.cboCommPoort->lineEdit(), "ttyUSB0");
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    ASSERT_EQ(meldingen.size(), 3u);
    EXPECT_EQ(std::get<0>(meldingen[2]), "Error opening 'COM1' !\r\n\r\nbusy");
    EXPECT_EQ(v.cboCommPoort->currentText(), "COM1");
    EXPECT_EQ(Opgeslagen("Serial port"), "COM1");

    lijn->zetOpenFout(QString());
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_TRUE(v.Afsluiten);
    EXPECT_TRUE(lijn->isOpen());
}

// The boxes of OK and Cancel leave the dialog usable: under one the user, the port free by now, cancels
// the dialog and may open File > Settings again. At the answer the handler does nothing more.
TEST_F(InstellenTest, ADialogCancelledUnderABoxOfItsOKOrCancelIsLeftAsItIs) {
    const struct {
        const char* poortFout;
        QPushButton* frmInstellen::*knop;
        const char* tekst;
    } gevallen[] = {{"", &frmInstellen::OKButton, "Select the serial port used for the connection!"},
                    {"busy", &frmInstellen::OKButton, "Error opening 'COM1' !\r\n\r\nbusy"},
                    {"busy", &frmInstellen::CancelButton, "Error opening 'COM1' !\r\n\r\nbusy"}};
    for (const auto& g : gevallen)
        for (const bool opnieuw : {false, true}) {
            SCOPED_TRACE(testing::Message() << "case " << &g - gevallen << ", opened again " << opnieuw);
            frmInstellen& v = open(1);
            if (!*g.poortFout) v.cboCommPoort->lineEdit()->clear();
            lijn->zetOpenFout(g.poortFout);
            EchteMelding box(Qt::Key_Return, 3000);
            ZetMeldingVenster(&box);
            klok().planIn(300, [&] {
                lijn->zetOpenFout(QString());
                QTest::mouseClick(v.CancelButton, Qt::LeftButton);
                if (opnieuw) hoofdvenster->menus().mnuFileSettings->trigger();
            });
            QTest::mouseClick(v.*g.knop, Qt::LeftButton);
            ZetMeldingVenster(this);
            EXPECT_EQ(box.teksten(), std::vector<QString>{g.tekst});
            // Free, or held by the new dialog until its Cancel.
            EXPECT_EQ(hoofdvenster->isEnabled(), !opnieuw) << "the main window";
            if (opnieuw) QTest::mouseClick(InstellenVenster()->CancelButton, Qt::LeftButton);
            EXPECT_TRUE(hoofdvenster->isEnabled());
        }
}

TEST_F(InstellenTest, ThePortListTakesTheSearchAndTheConfiguredPort) {
    EXPECT_EQ(PoortenUitZoeklijst("COM1, COM3,  COM12"), (QStringList{"COM1", "COM3", "COM12"}));
    EXPECT_EQ(PoortenUitZoeklijst("/dev/ttyS0, /dev/ttyUSB0"), (QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_EQ(PoortenUitZoeklijst("COM1, X"), QStringList{"COM1"}); // a rest of 3 or fewer ends the list
    EXPECT_TRUE(PoortenUitZoeklijst("").isEmpty());

    // The configured port is there and chosen, whatever this computer's ports are.
    CommPoort = "/dev/k740-test";
    frmInstellen& v = open(1);
    EXPECT_EQ(v.cboCommPoort->currentText(), "/dev/k740-test");
    EXPECT_EQ(v.cboCommPoort->findText("/dev/k740-test"), v.cboCommPoort->count() - 1);
}

TEST_F(InstellenTest, ChosenFoldersAreMadeAtOKAndTheirFilesMoveAlong) {
    ASSERT_TRUE(QDir().mkpath(MapConfiguratie));
    for (const char* naam : {"Rack1.rcf", "Graph1.gcf", "andere.txt"}) {
        QFile f(QDir(MapConfiguratie).filePath(naam));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString oud = MapConfiguratie;
    const QString nieuw = QDir(tijdelijkeMap()).filePath("Elders/Config");
    OpnameMapKeuze keuze;
    keuze.antwoord = nieuw;
    ZetMapKeuzeVenster(&keuze);
    frmInstellen& v = open(3);
    EXPECT_EQ(v.MSHFlexGridFolder->item(0, 0)->text(), "Files");
    EXPECT_EQ(v.MSHFlexGridFolder->item(3, 0)->text(), "Configuration");
    QTest::mouseClick(v.MSHFlexGridFolder->viewport(), Qt::LeftButton, {},
                      v.MSHFlexGridFolder->visualItemRect(v.MSHFlexGridFolder->item(3, 1)).center());
    ASSERT_EQ(keuze.vragen.size(), 1u);
    EXPECT_EQ(keuze.vragen[0].titel, "Select the folder: Configuration");
    EXPECT_EQ(keuze.vragen[0].filter, "*.rcf;*.gcf");
    EXPECT_EQ(keuze.vragen[0].map, oud);
    int n = 40;
    EXPECT_EQ(v.MSHFlexGridFolder->item(3, 1)->text(), VerkortPad(nieuw, n));
    EXPECT_EQ(MapConfiguratie, oud); // nothing is made or moved before OK
    EXPECT_FALSE(QDir(nieuw).exists());

    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_EQ(MapConfiguratie, nieuw);
    EXPECT_EQ(Opgeslagen("FolderConfiguration"), nieuw);
    EXPECT_TRUE(QFile::exists(QDir(nieuw).filePath("Rack1.rcf")));
    EXPECT_TRUE(QFile::exists(QDir(nieuw).filePath("Graph1.gcf")));
    EXPECT_FALSE(QFile::exists(QDir(oud).filePath("Rack1.rcf")));
    EXPECT_TRUE(QFile::exists(QDir(oud).filePath("andere.txt")));
}

// New configuration and calibration folders on a disk that takes no file above 8 bytes: each move is
// told, and each old folder stays, in the program and in the settings, with every file; the new folders
// get none. The configuration folder's second file is refused, so the copy of its first is taken back;
// the calibration folder's files all fit, but its second file finds a folder in its place when the
// copies take their names, so the first, which had taken its name already, goes again.
TEST_F(InstellenTest, AFolderMoveTheDiskRefusesKeepsTheOldFolderAndEveryFile) {
    struct Verhuizing {
        QString& map;
        int rij;
        const char* sleutel;
        QStringList namen;
        qsizetype grootte;
        QString oud;
        QString nieuw;
    };
    Verhuizing verhuizingen[] = {
        {MapConfiguratie, 3, "FolderConfiguration", {"Graph1.gcf", "Rack1-F-F-F.rcf"}, 0, {}, {}},
        {MapKalibratie, 4, "FolderCalibration", {"Rack1-F-F-F-M1.cal", "Rack1-F-F-F-M2.cal"}, 0, {}, {}},
    };
    const QString elders = QDir(tijdelijkeMap()).filePath("Full/");
    verhuizingen[0].nieuw = elders + "Configuration";
    verhuizingen[1].nieuw = elders + "Calibration";
    // The calibration folder's second file has a folder in its place; the question whether to overwrite
    // it is answered No (this one, and ask again).
    antwoorden = {vbNo};
    ASSERT_TRUE(QDir().mkpath(QDir(verhuizingen[1].nieuw).filePath("Rack1-F-F-F-M2.cal/inside")));
    frmInstellen& v = open(3);
    for (Verhuizing& m : verhuizingen) {
        ASSERT_TRUE(QDir().mkpath(m.map));
        for (const QString& naam : m.namen) {
            QFile f(QDir(m.map).filePath(naam));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(naam == "Rack1-F-F-F.rcf" ? 52 : 4, 'k'));
        }
        m.oud = m.map;
        OpnameMapKeuze keuze;
        keuze.antwoord = m.nieuw;
        ZetMapKeuzeVenster(&keuze);
        QTest::mouseClick(v.MSHFlexGridFolder->viewport(), Qt::LeftButton, {},
                          v.MSHFlexGridFolder->visualItemRect(v.MSHFlexGridFolder->item(m.rij, 1)).center());
        ZetMapKeuzeVenster(nullptr);
    }
    {
        Bestandsgrens grens(8);
        QTest::mouseClick(v.OKButton, Qt::LeftButton);
    }
    for (const Verhuizing& m : verhuizingen) {
        SCOPED_TRACE(m.sleutel);
        EXPECT_EQ(m.map.toStdString(), m.oud.toStdString()) << "the program's folder";
        EXPECT_EQ(Opgeslagen(m.sleutel).toStdString(), m.oud.toStdString()) << "the folder in K740.ini";
        EXPECT_EQ(QDir(m.oud).entryList(QDir::Files).join(' ').toStdString(),
                  m.namen.join(' ').toStdString());
        EXPECT_EQ(QDir(m.nieuw).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "")
            << "copies left in the new folder";
    }
    ASSERT_EQ(meldingen.size(), 3u);
    EXPECT_EQ(std::get<0>(meldingen[0]), VervangHekje(Tekst[494], verhuizingen[0].oud) + "\r\n\r\n" +
                                             QDir(verhuizingen[0].nieuw).filePath("Rack1-F-F-F.rcf") +
                                             "\r\n\r\n" + std::strerror(EFBIG));
    EXPECT_EQ(std::get<0>(meldingen[1]), Tekst[480]);
    EXPECT_EQ(std::get<0>(meldingen[2]), VervangHekje(Tekst[494], verhuizingen[1].oud) + "\r\n\r\n" +
                                             QDir(verhuizingen[1].nieuw).filePath("Rack1-F-F-F-M2.cal") +
                                             "\r\n\r\n" + std::strerror(EISDIR));
}

TEST_F(InstellenTest, AFolderThatCannotBeMadeKeepsItsOldValue) {
    QFile blokkade(QDir(tijdelijkeMap()).filePath("bestand"));
    ASSERT_TRUE(blokkade.open(QIODevice::WriteOnly));
    const QString onmogelijk = QDir(tijdelijkeMap()).filePath("bestand/Data");
    OpnameMapKeuze keuze;
    keuze.antwoord = onmogelijk;
    ZetMapKeuzeVenster(&keuze);
    const QString oud = MapGegevens;
    // What start-up does when the data folder cannot be made.
    KiesInstellingenMap(1);
    ASSERT_EQ(keuze.vragen.size(), 1u);
    EXPECT_EQ(keuze.vragen[0].filter, "*.csv");
    EXPECT_FALSE(InstellenAfsluiten());
    frmInstellen& v = *InstellenVenster();
    EXPECT_EQ(v.SSTab->currentIndex(), 3);
    QTest::mouseClick(v.OKButton, Qt::LeftButton);
    EXPECT_TRUE(v.Afsluiten);
    EXPECT_EQ(MapGegevens, oud);
    EXPECT_EQ(Opgeslagen("FolderData"), oud);
    EXPECT_TRUE(InstellenAfsluiten());
}

// The picker on its own.
class TijdstipTest : public SchoneOmgeving, public MeldingVenster {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        meldingen.emplace_back(tekst, stijl, titel);
        return static_cast<int>(vbOK);
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetMeldingVenster(this);
    }
    std::vector<std::tuple<QString, int, QString>> meldingen;
};

TEST_F(TijdstipTest, APastOrUnsetMomentOpensAtThePresent) {
    for (platform::Datum d : {0.0, platform::Nu() - 3}) {
        DialogInputTijdstip p;
        p.Tijdstip = d;
        p.show();
        EXPECT_EQ(p.Tijdstip, platform::Nu());
        EXPECT_EQ(p.MonthView->selectedDate(), QDate(2026, 1, 5));
        EXPECT_EQ(p.DTPicker->time(), QTime(9, 0, 0));
        EXPECT_EQ(p.LabelDate->text(), "Date:");
        EXPECT_FALSE(p.Onderbroken);
    }
}

TEST_F(TijdstipTest, OKTakesTheDayFromTheCalendarAndTheTimeFromTheField) {
    DialogInputTijdstip p;
    p.Tijdstip = platform::MaakDatum(2026, 3, 1, 10, 0, 0);
    p.setWindowTitle("Select stop time:");
    const platform::Datum minimum = platform::MaakDatum(2026, 3, 2, 14, 15, 16);
    p.ZetMinDate(minimum);
    p.show();
    EXPECT_EQ(p.MonthView->minimumDate(), QDate(2026, 3, 2));

    p.MonthView->setSelectedDate(QDate(2026, 3, 2));
    p.DTPicker->setTime(QTime(14, 15, 15));
    QTest::mouseClick(p.OKButton, Qt::LeftButton);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.Tijdstip, platform::MaakDatum(2026, 3, 1, 10, 0, 0));
    ASSERT_EQ(meldingen.size(), 1u);
    EXPECT_EQ(std::get<0>(meldingen[0]), "Set a stop time passing the time to start!");
    EXPECT_EQ(std::get<2>(meldingen[0]), "Select stop time:");

    p.DTPicker->setTime(QTime(14, 15, 16)); // the limit itself is accepted
    QTest::mouseClick(p.OKButton, Qt::LeftButton);
    EXPECT_FALSE(p.isVisible());
    EXPECT_FALSE(p.Onderbroken);
    EXPECT_EQ(p.Tijdstip, minimum);
    EXPECT_EQ(meldingen.size(), 1u);
}

TEST_F(TijdstipTest, CancelKeepsTheMomentAndSaysSo) {
    DialogInputTijdstip p;
    p.Tijdstip = platform::MaakDatum(2026, 3, 1, 10, 0, 0);
    p.show();
    p.MonthView->setSelectedDate(QDate(2026, 4, 1));
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_TRUE(p.Onderbroken);
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(p.Tijdstip, platform::MaakDatum(2026, 3, 1, 10, 0, 0));
}

// Every tab in every language: the captions of the text table, every control shown and no caption cut
// off; the picker and the folder chooser likewise. With K740_SCREENSHOTS set to a folder
// (scripts/screenshot-instellen) the tabs, the picker and the folder chooser (each in each language) are
// also kept there as pictures.
TEST_F(InstellenTest, EveryTabShowsItsCaptionsWholeInEveryLanguage) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    StartLogTijdstip = platform::MaakDatum(2026, 1, 5, 18, 0, 0);
    StopLogTijdstip = platform::MaakDatum(2026, 1, 6, 6, 30, 0);
    GebruikStartLog = true;
    LadenBijOpstarten = true;
    MapGegevens = "/home/laboratory/Documents/Quorvex/K740/Data/Project 2026/Series A";
    frmInstellen& v = open(0);
    v.show();
    const std::array<int, 4> tabTekst = {138, 128, 242, 470};
    for (int taal = 2; taal >= 0; --taal) {
        v.ComboTaal->setCurrentIndex(taal);
        std::array<QString, LaatsteTekst + 1> teksten;
        {
            int t = taal;
            KiesTaal(t);
            teksten = Tekst;
            int engels = 0;
            KiesTaal(engels);
        }
        EXPECT_EQ(v.windowTitle(), teksten[127]);
        for (int tab = 0; tab < 4; ++tab) {
            v.SSTab->setCurrentIndex(tab);
            QCoreApplication::sendPostedEvents();
            v.layout()->activate();
            EXPECT_EQ(v.SSTab->tabText(tab), teksten[tabTekst[tab]]) << taal;
            QWidget* blad = v.SSTab->widget(tab);
            for (QWidget* w : blad->findChildren<QWidget*>()) {
                if (w->parentWidget() != blad || qobject_cast<QSpinBox*>(w->parentWidget())) continue;
                const std::string naam =
                    w->objectName().toStdString() + " in language " + std::to_string(taal);
                EXPECT_TRUE(w->isVisible()) << naam;
                // Within its page, not cut off at the page's edge.
                EXPECT_TRUE(blad->rect().contains(w->geometry())) << naam;
                if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap()) {
                    EXPECT_GE(l->height(), l->heightForWidth(l->width())) << naam;
                } else if (auto* k = qobject_cast<QPushButton*>(w)) {
                    EXPECT_LE(k->fontMetrics().horizontalAdvance(QString(k->text()).remove(QLatin1Char('&'))),
                              k->width() - 6)
                        << naam;
                } else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QComboBox*>(w)) {
                    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << naam;
                }
            }
            if (tab == 3) {
                QTableWidget* raster = v.MSHFlexGridFolder;
                for (int r = 0; r <= 4; ++r)
                    for (int k = 0; k < 2; ++k)
                        EXPECT_LE(raster->fontMetrics().horizontalAdvance(raster->item(r, k)->text()),
                                  raster->columnWidth(k))
                            << r << "," << k << " in language " << taal;
            }
            if (!map.isEmpty()) {
                const QString naam = QStringLiteral("instellen-%1").arg(tab);
                EXPECT_TRUE(v.grab().toImage().save(OpnameBestand(map, naam, taal)));
            }
        }
        for (QPushButton* k : {v.OKButton, v.CancelButton, v.CommandHelp})
            EXPECT_GE(k->width(), k->minimumSizeHint().width()) << taal;
    }
    // The pickers and the folder choosers in the language chosen in the dialog, the program's own still
    // English; each window wide enough for the window manager's title bar to show its caption whole.
    const auto controleerTitel = [](const QWidget& venster, const std::string& waar) {
        QFont vet = venster.font();
        vet.setBold(true);
        const int tekst = QFontMetrics(vet).horizontalAdvance(venster.windowTitle());
        EXPECT_GE(TitelbalkBreedte(venster), tekst + 60) << waar << ": no room for the icon and buttons";
        EXPECT_GE(venster.width(), TitelbalkBreedte(venster))
            << waar << ": the title bar cuts \"" << venster.windowTitle().toStdString() << "\"";
    };
    FormPathInputVenster mapKeuze;
    ZetMapKeuzeVenster(&mapKeuze);
    for (int taal = 0; taal < 3; ++taal) {
        v.ComboTaal->setCurrentIndex(taal);
        const TekstenTabel teksten = TekstenVan(taal);
        for (QPushButton* knop : {v.CommandStartTijdstip, v.CommandStopTijdstip}) {
            const int titel = knop == v.CommandStartTijdstip ? 325 : 326;
            const std::string waar =
                "picker " + std::to_string(titel) + " in language " + std::to_string(taal);
            InDePicker([&](DialogInputTijdstip& p) {
                EXPECT_EQ(p.windowTitle(), teksten[titel]);
                EXPECT_EQ(p.CancelButton->text(), teksten[141]);
                for (QLabel* l : {p.LabelDate, p.LabelTime}) {
                    EXPECT_TRUE(l->isVisible());
                    EXPECT_FALSE(l->text().isEmpty());
                    EXPECT_GE(l->width(), l->minimumSizeHint().width());
                }
                EXPECT_TRUE(p.MonthView->isVisible());
                EXPECT_TRUE(p.DTPicker->isVisible());
                ControleerVensterteksten(p, waar);
                controleerTitel(p, waar);
                if (!map.isEmpty() && titel == 326) {
                    EXPECT_TRUE(
                        p.grab().toImage().save(OpnameBestand(map, QStringLiteral("tijdstip"), taal)));
                }
                QTest::mouseClick(p.CancelButton, Qt::LeftButton);
            });
            v.SSTab->setCurrentIndex(0);
            QTest::mouseClick(knop, Qt::LeftButton);
        }

        for (int rij = 1; rij <= 4; ++rij) {
            const std::string waar =
                "folder chooser " + std::to_string(rij) + " in language " + std::to_string(taal);
            auto gezien = InHetVenster<FormPathInput>([&](FormPathInput& k) {
                EXPECT_EQ(k.windowTitle(), teksten[477] + v.MSHFlexGridFolder->item(rij, 0)->text());
                EXPECT_EQ(k.CommandCancel->text(), teksten[141]);
                ControleerVensterteksten(k, waar);
                controleerTitel(k, waar);
                if (!map.isEmpty() && rij == 1) {
                    EXPECT_TRUE(
                        k.grab().toImage().save(OpnameBestand(map, QStringLiteral("mapkeuze"), taal)));
                }
                QTest::mouseClick(k.CommandCancel, Qt::LeftButton);
            });
            v.SSTab->setCurrentIndex(3);
            QTest::mouseClick(
                v.MSHFlexGridFolder->viewport(), Qt::LeftButton, {},
                v.MSHFlexGridFolder->visualItemRect(v.MSHFlexGridFolder->item(rij, 1)).center());
            ASSERT_TRUE(*gezien) << waar << " did not open";
        }
        EXPECT_EQ(v.MSHFlexGridFolder->item(1, 0)->text(), teksten[472]);
    }
    EXPECT_EQ(Tekst[127], "Settings");
    QTest::mouseClick(v.CancelButton, Qt::LeftButton);
}
