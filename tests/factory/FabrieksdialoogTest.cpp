// The factory adjustment dialogs against the rack emulator on the virtual clock: reading the constants
// from the module's EEPROM, live readings, entries, OK writing exactly the changed words with
// verification, the module reset and the adjustment record.
#include "EchteMelding.h"
#include "Fabriekomgeving.h"
#include "Opnametaal.h"
#include "RacklijnOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "factory/Afregelbestand.h"
#include "factory/Afregeling.h"
#include "factory/Beheer.h"
#include "factory/DialogK761Calibration.h"
#include "factory/DialogK762Calibration.h"
#include "factory/Fabrieksafregeling.h"
#include "platform/Klok.h"
#include "rackviews/FormRack.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/Voortgang.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int32_t RackNr = RackIdno(0, 0, 1);
constexpr int32_t MvNr = K761Idno(1, 2, 3);
constexpr int32_t EcNr = K762Idno(4, 5, 6);
constexpr uint8_t CommandoWoordSchrijven = 47;
constexpr uint8_t CommandoDubbelWoordSchrijven = 67;
constexpr uint8_t CommandoBereik = 30;

class OpnameVoortgang : public VoortgangVenster {
public:
    void Toon(int, int maximum, int, const QString& t) override {
        tekst = t;
        maxima.push_back(maximum);
        open = true;
    }
    void Zet(int waarde) override { stappen.push_back(waarde); }
    bool Onderbroken() const override { return static_cast<int>(stappen.size()) >= afbrekenNa; }
    void Sluit() override { open = false; }
    QString tekst;
    bool open = false;
    std::vector<int> maxima;
    std::vector<int> stappen;
    int afbrekenNa = 1 << 30;
};

bool IsRood(const QLabel* l) {
    return l->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

} // namespace

// Rack windows in a parent of the test's.
class Rackvensters : public RackvensterMaker {
public:
    RackvensterInterface* Maak(int r) override {
        auto* w = new FormRack(r, ouder);
        ZetRackVenster(r, w);
        return w;
    }
    QWidget* ouder = nullptr;
};

class FabrieksdialoogTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        int taal = 0;
        KiesTaal(taal);
        RichtFabriekIn(tijdelijkeMap());
        melding.installeer();
        Fabrieksmodus = true;
        PlaatsRack(emulator, 1, RackNr, {{3, MvNr}, {4, EcNr}});
        Racks[1].Modules[3].Type = "K761";
        Racks[1].Modules[4].Type = "K762";
        mv = emulator.module(MvNr);
        ec = emulator.module(EcNr);
        mv->vereistSchrijfToestemming = ec->vereistSchrijfToestemming = true;
        ZetVoortgangVenster(&voortgang);
        // The rack window sits in the main window, as in the program's area of child windows.
        hoofd = std::make_unique<QWidget>();
        rackvensters.ouder = hoofd.get();
        ZetRackvensterMaker(&rackvensters);
    }
    Rackvensters rackvensters;
    void TearDown() override {
        ZetVoortgangVenster(nullptr);
        ZetRackvensterMaker(nullptr);
        hoofd.reset();
        RacklijnOmgeving::TearDown();
    }

    // EEPROM words are stored high byte first.
    static void ZetWoord(RackEmulator::Module* m, int adres, int waarde) {
        m->schrijfByte(static_cast<uint16_t>(adres), static_cast<uint8_t>((waarde >> 8) & 0xFF));
        m->schrijfByte(static_cast<uint16_t>(adres + 1), static_cast<uint8_t>(waarde & 0xFF));
    }
    static void ZetDubbelWoord(RackEmulator::Module* m, int adres, int32_t waarde) {
        ZetWoord(m, adres, (waarde >> 16) & 0xFFFF);
        ZetWoord(m, adres + 2, waarde & 0xFFFF);
    }
    static int Woord(RackEmulator::Module* m, int adres) {
        return static_cast<int16_t>(m->leesByte(static_cast<uint16_t>(adres)) << 8 |
                                    m->leesByte(static_cast<uint16_t>(adres + 1)));
    }
    // The addresses written to a module, in order.
    std::vector<int> Geschreven(int32_t idno) const {
        std::vector<int> adressen;
        for (const auto& v : emulator.verzoeken())
            if (v.idno == idno &&
                (v.commando == CommandoWoordSchrijven || v.commando == CommandoDubbelWoordSchrijven))
                adressen.push_back(static_cast<uint8_t>(v.data.at(0)) << 8 |
                                   static_cast<uint8_t>(v.data.at(1)));
        return adressen;
    }
    int Aantal(uint8_t commando, int32_t idno) const { return emulator.aantalVerzoeken(commando, idno); }

    // The constants of the K761 of slot 3, serial 60001.
    void VulK761() {
        const int nul[4] = {5, -3, 0, 12}, schaal[4] = {10010, 9990, 10000, 10500},
                  gradenNul[4] = {100, -50, 0, 200}, lek[4] = {4, -2, 0, 11};
        for (int c = 0; c < 4; ++c) {
            ZetWoord(mv, 2 * c, nul[c]);
            ZetWoord(mv, 8 + 2 * c, schaal[c]);
            ZetWoord(mv, 16 + 2 * c, 10000);
            ZetWoord(mv, 24 + 2 * c, gradenNul[c]);
            ZetWoord(mv, 32 + 2 * c, lek[c]);
        }
        ZetDubbelWoord(mv, 508, 60001);
    }
    // The constants of the K762 of slot 4, serial 60010: range pair 4 c + r at 4 + 2 (4 c + r).
    void VulK762() {
        for (int i = 0; i < 16; ++i) {
            ZetWoord(ec, 4 + 2 * i, 10 * i);
            ZetWoord(ec, 36 + 2 * i, 9500 + 100 * i);
        }
        const int frequentie[4] = {100, 600, 600, 2000};
        for (int c = 0; c < 4; ++c) {
            ZetWoord(ec, 68 + 2 * c, 10000);
            ZetWoord(ec, 76 + 2 * c, 0);
            ZetWoord(ec, 90 + 2 * c, frequentie[c]);
            ZetWoord(ec, 98 + 2 * c, 5 * c);
        }
        ZetDubbelWoord(ec, 508, 60010);
    }

    // Lets the window run for `ms` of the virtual clock, or until it is closed.
    void Draai(Fabrieksdialoog& d, qint64 ms) {
        const qint64 tot = klok().ms() + ms;
        while (!d.Gesloten() && klok().ms() < tot)
            if (!d.Stap()) klok().pomp();
    }
    // Opens the window of module `module` of rack 1 (in look-up mode when `opzoeken`).
    static void Laad(Fabrieksdialoog& d, int16_t module, bool opzoeken = false) {
        d.Ri = 1;
        d.Mi = module;
        d.ReadSettingsOnly = opzoeken;
        d.Laad();
    }
    // The adjustment file holds `r` alone, and the production row of serial `serie` (a module of r's type)
    // is linked to it.
    void BewaarAfregeling(const AfregelingRecord& r, int32_t serie) {
        QFile bestand(AfregelBestandPad());
        ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
        bestand.write(AfregelRecordNaarBytes(r));
        bestand.close();
        ASSERT_TRUE(
            VoegApparaatToe(ProductieDatabasePad, 1, serie, r.Toesteltype.getrimd(), {{"AFREGELINGID", 1}}));
    }
    // What the adjustment file holds.
    static QByteArray AfregelBestand() {
        QFile bestand(AfregelBestandPad());
        return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
    }
    void DraaiTotGesloten(Fabrieksdialoog& d) {
        Draai(d, 600000);
        ASSERT_TRUE(d.Gesloten());
    }

    // Puts the focus into a field, on its tab.
    static void Focus(Fabrieksdialoog& d, QLineEdit* veld) {
        for (int t = 0; t < d.SSTab->count(); ++t)
            if (d.SSTab->widget(t)->isAncestorOf(veld)) d.SSTab->setCurrentIndex(t);
        QApplication::setActiveWindow(&d);
        veld->setFocus(Qt::MouseFocusReason);
    }
    // Types a text into a field and leaves it with Tab.
    void Typ(Fabrieksdialoog& d, QLineEdit* veld, const QString& tekst) {
        Focus(d, veld);
        veld->setText(tekst);
        Verlaat(d, veld);
    }
    void Verlaat(Fabrieksdialoog& d, QLineEdit* veld) {
        QTest::keyClick(veld, Qt::Key_Tab);
        Draai(d, 0);
        QCoreApplication::processEvents();
    }
    static QWidget* Rackvenster() { return dynamic_cast<QWidget*>(RackVenster(1)); }

    RackEmulator::Module* mv = nullptr;
    RackEmulator::Module* ec = nullptr;
    OpnameVoortgang voortgang;
    MeldingOpname melding;
    std::unique_ptr<QWidget> hoofd;
};

// ---------------------------------------------------------------------------------------------------
// K761

TEST_F(FabrieksdialoogTest, AK761IsReadAdjustedWrittenResetAndRecordedThenShowsItsCertificate) {
    VulK761();
    ASSERT_TRUE(VoegApparaatToe(ProductieDatabasePad, 1, 60001, QStringLiteral("K761")));
    MetenActief = true;
    DialogK761Calibration d;
    Laad(d, 3);

    // The constants as read, in black, with the limits to keep to.
    EXPECT_FALSE(MetenActief);
    EXPECT_EQ(voortgang.maxima, std::vector<int>{20});
    EXPECT_FALSE(voortgang.open);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Rack1 Module3 K761 id.no. F.1.2.3 S.N. 60001"));
    EXPECT_EQ(d.LabelNulpunt[0]->text(), QStringLiteral("0.5"));
    EXPECT_EQ(d.LabelNulpunt[1]->text(), QStringLiteral("-0.3"));
    EXPECT_EQ(d.LabelSchaal[0]->text(), QStringLiteral("1.0010"));
    EXPECT_EQ(d.LabelSchaal[3]->text(), QStringLiteral("1.0500"));
    EXPECT_EQ(d.LabelNulpuntGraden[1]->text(), QStringLiteral("-50"));
    EXPECT_EQ(d.LabelSchaalGraden[2]->text(), QStringLiteral("1.0000"));
    EXPECT_EQ(d.LabelLekstroom[3]->text(), QStringLiteral("Leakage Current (pA):\n1.1"));
    EXPECT_EQ(d.LabelSerieNummer->text(), QStringLiteral("Serial Number:\n60001"));
    EXPECT_EQ(d.LabelmVo->text(), QStringLiteral("-15.0 <= Offset <= 15.0\nInput = 0.0 mV"));
    EXPECT_EQ(d.LabelmVr->text(), QStringLiteral("0.9000 <= Slope <= 1.1000\nInput = 1400.0 mV"));
    EXPECT_FALSE(IsRood(d.LabelNulpunt[0]));
    EXPECT_TRUE(d.OKButton->isEnabled());
    EXPECT_EQ(d.SSTab->currentIndex(), 0);
    EXPECT_TRUE(melding.meldingen.empty());

    // Every 2 s the live readings: the mV reading with the module's adjustment taken out, the raw mV
    // and the temperature.
    mv->adc = {14010, 0, 0, 0};
    mv->temperatuurAdc = {215, 0, 0, 0};
    Draai(d, 2100);
    EXPECT_EQ(d.LabelWaarde[0]->text(), QStringLiteral("1400.1"));
    EXPECT_EQ(d.LabelEenheid[0]->text(), QStringLiteral("1401.0"));
    EXPECT_EQ(d.LabelGraden[0]->text(), QStringLiteral("21.5"));

    // A new zero for input 2, and the scale of input 1 from the live reading clicked into its field.
    Typ(d, d.TextNulpuntInput[1], QStringLiteral("-0.7"));
    EXPECT_EQ(d.LabelNulpunt[1]->text(), QStringLiteral("-0.7"));
    EXPECT_TRUE(IsRood(d.LabelNulpunt[1]));
    EXPECT_TRUE(d.TextNulpuntInput[1]->text().isEmpty());
    Focus(d, d.TextSchaalInput[0]);
    QTest::mouseClick(d.LabelWaarde[0], Qt::LeftButton);
    EXPECT_EQ(d.TextSchaalInput[0]->text(), QStringLiteral("1400.1"));
    Verlaat(d, d.TextSchaalInput[0]);
    EXPECT_EQ(d.LabelSchaal[0]->text(), QStringLiteral("1.0003")); // 1400 / (1400.1 - 0.5)
    EXPECT_TRUE(IsRood(d.LabelSchaal[0]));
    EXPECT_FALSE(IsRood(d.LabelSchaal[1]));

    emulator.wisVerzoeken();
    const int resets = mv->aantalResets;
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());

    // Exactly the two red words, verified; the module reset after writing and again at the close.
    // Input by input: the scale of input 1, then the zero of input 2.
    EXPECT_EQ(Geschreven(MvNr), (std::vector<int>{8, 2}));
    EXPECT_EQ(Woord(mv, 2), -7);
    EXPECT_EQ(Woord(mv, 8), 10003);
    EXPECT_EQ(Woord(mv, 0), 5);
    EXPECT_EQ(Woord(mv, 10), 9990);
    EXPECT_EQ(mv->aantalResets, resets + 2);
    EXPECT_EQ(voortgang.maxima.back(), K761Voortgang);
    EXPECT_EQ(voortgang.stappen.back(), K761Voortgang);
    EXPECT_FALSE(voortgang.open);
    EXPECT_TRUE(MetenActief);
    EXPECT_TRUE(hoofd->isEnabled());
    EXPECT_TRUE(melding.meldingen.empty()) << melding.teksten().join(QLatin1Char('|')).toStdString();

    // The record holds every constant shown, and is linked to the serial's production row.
    const QByteArray bytes = AfregelBestand();
    ASSERT_EQ(bytes.size(), AfregelRecordLengte);
    const AfregelingRecord r = AfregelRecordUitBytes(bytes);
    EXPECT_EQ(r.Serienummer, 60001);
    EXPECT_EQ(r.Toesteltype.tekst(), QStringLiteral("K761  "));
    EXPECT_EQ(r.Identificatiecode, MvNr);
    EXPECT_EQ(r.AantalAfregelingen, 1);
    EXPECT_EQ(r.MvNul, (std::array<float, 4>{0.5f, -0.7f, 0.0f, 1.2f}));
    EXPECT_FLOAT_EQ(r.MvSchaal[0], 1.0003f);
    EXPECT_FLOAT_EQ(r.MvSchaal[3], 1.05f);
    EXPECT_EQ(r.TemperatuurNul[1], -50.0f);
    EXPECT_FLOAT_EQ(r.Lekstroom[3], 1.1f);
    EXPECT_EQ(AfregelingIdVan(ProductieDatabasePad, 60001).toInt(), 1);

    // Opened again, the window reads what was written and shows the certificate of the record.
    DialogK761Calibration weer;
    Laad(weer, 3);
    EXPECT_EQ(weer.LabelNulpunt[1]->text(), QStringLiteral("-0.7"));
    EXPECT_EQ(weer.LabelSchaal[0]->text(), QStringLiteral("1.0003"));
    const QStringList waarden = weer.LabelInfo[1]->text().split(QStringLiteral("\r\n"));
    ASSERT_GE(waarden.size(), 8);
    EXPECT_EQ(waarden[0], QStringLiteral("60001"));
    EXPECT_EQ(waarden[1], QStringLiteral("F.1.2.3"));
    EXPECT_EQ(waarden[2], QStringLiteral("05/01/2026"));
    EXPECT_EQ(waarden[7], QStringLiteral("1"));
    EXPECT_TRUE(weer.LabelInfo[0]->text().startsWith(QStringLiteral("Serial Number: \r\n")));
    QTest::mouseClick(weer.CancelButton, Qt::LeftButton);
    DraaiTotGesloten(weer);
    EXPECT_EQ(weer.result(), QDialog::Rejected);
}

// The factory window is modal: the box it asks takes the key that answers it, and the window goes on.
TEST_F(FabrieksdialoogTest, TheBoxOfAWrongEntryIsAnsweredWithEnterAndTheWindowGoesOn) {
    VulK761();
    DialogK761Calibration d;
    Laad(d, 3);
    ASSERT_TRUE(d.isVisible());
    ASSERT_EQ(d.windowModality(), Qt::ApplicationModal);
    EchteMelding box(Qt::Key_Return, 500);
    ZetMeldingVenster(&box);
    Typ(d, d.TextNulpuntInput[1], QStringLiteral("15.1"));
    melding.installeer();
    EXPECT_EQ(box.getoond(), 1);
    EXPECT_EQ(box.geblokkeerd(), 0) << "the box took no key while the factory window waited";
    EXPECT_TRUE(d.isVisible());
    Typ(d, d.TextNulpuntInput[1], QStringLiteral("15"));
    EXPECT_EQ(d.LabelNulpunt[1]->text(), QStringLiteral("15.0"));
    QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    DraaiTotGesloten(d);
}

// Measure switched off while the window is open (a lost port) stays off when it closes.
TEST_F(FabrieksdialoogTest, MeasureSwitchedOffWhileTheWindowIsOpenStaysOffWhenItCloses) {
    VulK761();
    MetenActief = true;
    DialogK761Calibration d;
    Laad(d, 3);
    MetenActief = false;
    QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_FALSE(MetenActief);
}

TEST_F(FabrieksdialoogTest, K761EntriesTakeTheirInclusiveLimitsAndRefuseTheRestWithTheFocusBack) {
    VulK761();
    DialogK761Calibration d;
    Laad(d, 3);
    melding.meldingen.clear();
    const QString fout = QStringLiteral("Wrong input!");

    // mV zero: the typed reading is the zero; -15 and 15 are in, 15.1 is not.
    Typ(d, d.TextNulpuntInput[0], QStringLiteral("15"));
    Typ(d, d.TextNulpuntInput[2], QStringLiteral("-15"));
    EXPECT_EQ(d.LabelNulpunt[0]->text(), QStringLiteral("15.0"));
    EXPECT_EQ(d.LabelNulpunt[2]->text(), QStringLiteral("-15.0"));
    EXPECT_TRUE(melding.meldingen.empty());
    Typ(d, d.TextNulpuntInput[1], QStringLiteral("15.1"));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].tekst, fout);
    EXPECT_EQ(melding.meldingen[0].stijl, vbExclamation);
    EXPECT_EQ(melding.meldingen[0].titel, QStringLiteral("K740"));
    EXPECT_EQ(d.LabelNulpunt[1]->text(), QStringLiteral("-0.3"));
    EXPECT_FALSE(IsRood(d.LabelNulpunt[1]));
    EXPECT_EQ(d.TextNulpuntInput[1]->text(), QStringLiteral("15.1"));
    EXPECT_TRUE(d.TextNulpuntInput[1]->hasFocus());
    EXPECT_EQ(d.TextNulpuntInput[1]->palette().color(QPalette::Base), QColor(Qt::yellow));

    // mV scale against the zero shown: 1400 / (1400.7 - 0.5) shows 0.9999. With a negative zero, a
    // reading equal to it is wrong input (it would divide by 0).
    Typ(d, d.TextNulpuntInput[1], QStringLiteral("0.5"));
    Typ(d, d.TextSchaalInput[1], QStringLiteral("1400.7"));
    EXPECT_EQ(d.LabelSchaal[1]->text(), QStringLiteral("0.9999"));
    Typ(d, d.TextNulpuntInput[3], QStringLiteral("-5"));
    melding.meldingen.clear();
    Typ(d, d.TextSchaalInput[3], QStringLiteral("-5"));
    EXPECT_EQ(melding.teksten(), QStringList{fout});
    EXPECT_EQ(d.LabelSchaal[3]->text(), QStringLiteral("1.0500"));
    EXPECT_FALSE(IsRood(d.LabelSchaal[3]));
    // The refused field keeps the focus (and asks again when it is left unchanged): corrected here.
    d.TextSchaalInput[3]->clear();

    // Temperature: one field alone does nothing; a reading not above 0 asks OK or Cancel.
    melding.meldingen.clear();
    d.TextSchaalGraden[0]->clear();
    Typ(d, d.TextNulpuntGraden[0], QStringLiteral("20.0"));
    EXPECT_TRUE(melding.meldingen.empty());
    EXPECT_FALSE(IsRood(d.LabelNulpuntGraden[0]));
    melding.antwoorden = {vbCancel};
    Typ(d, d.TextSchaalGraden[0], QStringLiteral("-80"));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].stijl, vbExclamation | vbOKCancel);
    EXPECT_FALSE(d.TextSchaalGraden[0]->hasFocus());

    // Leakage current: the sign is dropped; 1.1 is in, 1.2 is not (titled with the window caption).
    melding.meldingen.clear();
    Typ(d, d.TextLekstroom[0], QStringLiteral("-0.5"));
    Typ(d, d.TextLekstroom[1], QStringLiteral("1.1"));
    EXPECT_EQ(d.LabelLekstroom[0]->text(), QStringLiteral("Leakage Current (pA):\n0.5"));
    EXPECT_EQ(d.LabelLekstroom[1]->text(), QStringLiteral("Leakage Current (pA):\n1.1"));
    EXPECT_TRUE(melding.meldingen.empty());
    Typ(d, d.TextLekstroom[2], QStringLiteral("1.2"));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].tekst, fout + QStringLiteral("\n"));
    EXPECT_EQ(melding.meldingen[0].titel, d.windowTitle());
    EXPECT_EQ(d.SSTab->currentIndex(), DialogK761Calibration::TabXtraK761);
    d.TextLekstroom[2]->clear();

    // Serial number: 60000 is in, 59999 is not.
    melding.meldingen.clear();
    Typ(d, d.TextSerieNummer, QStringLiteral("59999"));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(d.LabelSerieNummer->text(), QStringLiteral("Serial Number:\n60001"));
    Typ(d, d.TextSerieNummer, QStringLiteral("60000"));
    EXPECT_EQ(d.LabelSerieNummer->text(), QStringLiteral("Serial Number:\n60000"));
    EXPECT_TRUE(IsRood(d.LabelSerieNummer));
    EXPECT_TRUE(d.Gewijzigd);
    // 2147483647 is the largest the module holds; a larger number is wrong input, not cut down to it.
    d.TextSerieNummer->clear();
    Typ(d, d.TextSerieNummer, QStringLiteral("2147483647"));
    EXPECT_EQ(d.LabelSerieNummer->text(), QStringLiteral("Serial Number:\n2147483647"));
    melding.meldingen.clear();
    for (const char* teveel : {"2147483648", "600012345678"}) {
        d.TextSerieNummer->clear();
        Typ(d, d.TextSerieNummer, QString::fromLatin1(teveel));
        EXPECT_EQ(melding.teksten(), QStringList{fout + QStringLiteral("\n")}) << teveel;
        EXPECT_EQ(d.LabelSerieNummer->text(), QStringLiteral("Serial Number:\n2147483647")) << teveel;
        melding.meldingen.clear();
    }
}

TEST_F(FabrieksdialoogTest, OkWithoutAnAcceptedEntryOnlyClosesAndResetsTheModule) {
    VulK761();
    DialogK761Calibration d;
    Laad(d, 3);
    // A refused entry changes nothing; OK takes the field it leaves first, so it stops there while the
    // refused text stands.
    Typ(d, d.TextNulpuntInput[0], QStringLiteral("20"));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    emulator.wisVerzoeken();
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    Draai(d, 100);
    EXPECT_FALSE(d.Gesloten());
    EXPECT_EQ(melding.meldingen.size(), 2u);
    EXPECT_TRUE(d.TextNulpuntInput[0]->hasFocus());
    d.TextNulpuntInput[0]->clear();
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(voortgang.maxima.size(), 1u); // the reading only
    EXPECT_EQ(Aantal(213, MvNr), 0);
    EXPECT_TRUE(Geschreven(MvNr).empty());
    EXPECT_EQ(Aantal(80, MvNr), 0);
    EXPECT_EQ(Aantal(253, MvNr), 1);
    EXPECT_EQ(QFileInfo(AfregelBestandPad()).size(), 0);
}

// A refused mismatch at OK leaves nothing disabled or open: the window is back, live, and a second OK
// goes ahead.
TEST_F(FabrieksdialoogTest, AMismatchRefusedAtOkRestoresTheWindowsAndReturnsToTheDialog) {
    VulK761();
    AfregelingRecord ander;
    ander.Serienummer = 60002;
    ander.Toesteltype = QStringLiteral("K761");
    ander.AfregelDatum = platform::MaakDatum(2020, 3, 1);
    ander.Identificatiecode = MvNr;
    BewaarAfregeling(ander, 60001);

    DialogK761Calibration d;
    melding.antwoorden = {vbOK}; // the certificate's check at opening
    Laad(d, 3);
    Typ(d, d.TextNulpuntInput[0], QStringLiteral("1.0"));
    melding.meldingen.clear();
    bool alleUit = false;
    melding.bijMelding = [&](const GetoondeMelding&) {
        alleUit = !hoofd->isEnabled() && Rackvenster() && !Rackvenster()->isEnabled() && voortgang.open &&
                  !d.isVisible();
    };
    melding.antwoorden = {vbCancel};
    emulator.wisVerzoeken();
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    Draai(d, 5000);

    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_TRUE(alleUit);
    EXPECT_FALSE(d.Gesloten());
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.OKButton->isEnabled());
    EXPECT_TRUE(d.TimerMetingen->actief());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Rack1 Module3 K761 id.no. F.1.2.3 S.N. 60001"));
    EXPECT_FALSE(voortgang.open);
    EXPECT_TRUE(hoofd->isEnabled());
    EXPECT_TRUE(Rackvenster()->isEnabled());
    EXPECT_TRUE(Geschreven(MvNr).empty());
    {
        QFile nog(AfregelBestandPad());
        ASSERT_TRUE(nog.open(QIODevice::ReadOnly));
        EXPECT_EQ(nog.readAll(), AfregelRecordNaarBytes(ander));
    }
    EXPECT_GT(Aantal(10, MvNr), 0); // live again
    EXPECT_TRUE(IsRood(d.LabelNulpunt[0]));

    // OK again, taking the stored record over this time: it is overwritten with this serial.
    melding.bijMelding = nullptr;
    melding.antwoorden = {vbOK, vbOK};
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_EQ(Geschreven(MvNr), std::vector<int>{0});
    EXPECT_EQ(Woord(mv, 0), 10);
    const QByteArray bytes = AfregelBestand();
    ASSERT_EQ(bytes.size(), AfregelRecordLengte);
    EXPECT_EQ(AfregelRecordUitBytes(bytes).Serienummer, 60001);
    EXPECT_EQ(AfregelRecordUitBytes(bytes).MvNul[0], 1.0f);
}

// A record says what the module holds: when a changed value was not written (the module did not take
// it, or Cancel in the progress window), no record is stored and the operator is told.
TEST_F(FabrieksdialoogTest, TheRecordIsStoredOnlyWhenEveryChangedValueWasVerifiedInTheModule) {
    VulK761();
    ASSERT_TRUE(VoegApparaatToe(ProductieDatabasePad, 1, 60001, QStringLiteral("K761")));
    const auto open = [this](DialogK761Calibration& d) {
        Laad(d, 3);
        Typ(d, d.TextNulpuntInput[0], QStringLiteral("1.0"));
        Typ(d, d.TextNulpuntInput[2], QStringLiteral("2.0"));
        melding.meldingen.clear();
        emulator.wisVerzoeken();
        voortgang.stappen.clear();
    };

    // The module stops answering: the verified write gives up (Cancel on "Error writing").
    {
        DialogK761Calibration d;
        open(d);
        emulator.zetFout(RackEmulator::Fout::Stilte, -1, MvNr);
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        DraaiTotGesloten(d);
        emulator.wisFouten();
        EXPECT_EQ(QFileInfo(AfregelBestandPad()).size(), 0);
        const QStringList teksten = melding.teksten();
        ASSERT_FALSE(teksten.isEmpty());
        EXPECT_TRUE(teksten.contains(QStringLiteral("Error writing to Rack/Module !")));
        EXPECT_TRUE(teksten.back().contains(QStringLiteral("record of serial number 60001 was not stored")))
            << teksten.back().toStdString();
        EXPECT_EQ(Woord(mv, 0), 5);
    }
    // Cancel in the progress window after the first write: the second is skipped.
    {
        DialogK761Calibration d;
        open(d);
        voortgang.afbrekenNa = 1;
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        DraaiTotGesloten(d);
        EXPECT_EQ(Geschreven(MvNr), std::vector<int>{0});
        EXPECT_EQ(Woord(mv, 0), 10);
        EXPECT_EQ(Woord(mv, 4), 0);
        EXPECT_EQ(Aantal(253, MvNr), 2); // still reset, after writing and at the close
        EXPECT_EQ(QFileInfo(AfregelBestandPad()).size(), 0);
        ASSERT_EQ(melding.meldingen.size(), 1u);
        EXPECT_TRUE(melding.meldingen[0].tekst.contains(QStringLiteral("was not stored")));
    }
    EXPECT_TRUE(AfregelingIdVan(ProductieDatabasePad, 60001).toInt() == 0);
}

// After a reading cancelled in the progress window the pairs not read stay neutral: the live reading
// shows the raw value, never a division by zero; OK stays disabled.
TEST_F(FabrieksdialoogTest, ACancelledReadingKeepsLiveReadingsFiniteAndOkDisabled) {
    VulK761();
    voortgang.afbrekenNa = 1; // after the first zero
    DialogK761Calibration d;
    Laad(d, 3);
    voortgang.afbrekenNa = 1 << 30;
    EXPECT_FALSE(d.ParametersGelezen());
    EXPECT_FALSE(d.OKButton->isEnabled());
    EXPECT_EQ(Aantal(80, MvNr), 1);
    EXPECT_EQ(d.LabelNulpunt[0]->text(), QStringLiteral("Nulpunt"));
    mv->adc = {5000, 5000, -5000, 0};
    Draai(d, 2100);
    EXPECT_EQ(d.LabelWaarde[0]->text(), QStringLiteral("500.5")); // the zero read, a neutral scale
    EXPECT_EQ(d.LabelWaarde[1]->text(), QStringLiteral("500.0"));
    EXPECT_EQ(d.LabelWaarde[2]->text(), QStringLiteral("-500.0"));
    EXPECT_TRUE(melding.meldingen.empty());
}

// A module that does not answer while its constants are read: the operator is told, OK stays
// disabled, and no constant is shown as if it had been read.
TEST_F(FabrieksdialoogTest, AModuleThatDoesNotAnswerTheReadingIsReportedOnceAndCannotBeWritten) {
    VulK761();
    emulator.zetFout(RackEmulator::Fout::Stilte, -1, MvNr);
    DialogK761Calibration d;
    Laad(d, 3);
    EXPECT_EQ(melding.teksten(), QStringList{QStringLiteral("Module is not responding!")});
    EXPECT_FALSE(d.OKButton->isEnabled());
    EXPECT_EQ(d.LabelNulpunt[0]->text(), QStringLiteral("Nulpunt"));
    EXPECT_LE(Aantal(80, MvNr), 4);
}

// The live tick only marks a reading as due: with a module that answers slowly (every read waits for
// its time-outs, longer than the 2 s tick), readings follow each other and never nest.
TEST_F(FabrieksdialoogTest, ASlowLiveReadingIsNeverEnteredTwice) {
    VulK761();
    DialogK761Calibration d;
    Laad(d, 3);
    mv->adc = {14010, 0, 0, 0};
    Draai(d, 2100);
    ASSERT_EQ(d.LabelWaarde[0]->text(), QStringLiteral("1400.1"));
    emulator.wisVerzoeken();
    emulator.zetFout(RackEmulator::Fout::Stilte, -1, MvNr);
    Draai(d, 30000);
    std::vector<uint8_t> codes;
    for (const auto& v : emulator.verzoeken())
        if (v.commando == 10 || v.commando == 20) codes.push_back(v.commando);
    ASSERT_GT(codes.size(), 8u);
    // Each reading asks its temperatures, then its inputs, each up to 4 times; a nested reading would
    // put more than 4 of a kind in a row.
    size_t rij = 1;
    for (size_t i = 1; i < codes.size(); ++i) {
        rij = codes[i] == codes[i - 1] ? rij + 1 : 1;
        EXPECT_LE(rij, 4u) << "at request " << i;
    }
    EXPECT_EQ(codes.front(), 20);
    // A reading that got no answer shows nothing rather than the last values as if they were live.
    EXPECT_TRUE(d.LabelWaarde[0]->text().isEmpty());
    EXPECT_TRUE(d.LabelGraden[0]->text().isEmpty());
    QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

// ---------------------------------------------------------------------------------------------------
// K762

TEST_F(FabrieksdialoogTest, AK762OnRangeTabTwoIsSwitchedAdjustedWrittenAndRecorded) {
    VulK762();
    ASSERT_TRUE(VoegApparaatToe(ProductieDatabasePad, 2, 60010, QStringLiteral("K762")));
    DialogK762Calibration d;
    Laad(d, 4);

    // Read with 48 steps, every input set to range 0, and range 0 shown.
    EXPECT_EQ(voortgang.maxima, std::vector<int>{48});
    EXPECT_EQ(voortgang.stappen.back(), 48);
    EXPECT_EQ(ec->bereik, (std::array<uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(Aantal(CommandoBereik, EcNr), 4);
    EXPECT_EQ(d.SSTab->tabText(0), QStringLiteral("Range 0"));
    EXPECT_EQ(d.SSTab->tabText(3), QStringLiteral("Range 3"));
    EXPECT_EQ(d.LabelECo[1]->text(), QStringLiteral("0.0 <= Offset <= 500.0\nInput = OPEN"));
    EXPECT_EQ(d.LabelECr[0]->text(), QStringLiteral("0.8500 <= Slope <= 1.1500\nInput = 10,000 Ohm"));
    EXPECT_EQ(d.LabelECr[3]->text(), QStringLiteral("0.8500 <= Slope <= 1.1500\nInput = 10 Ohm"));
    EXPECT_EQ(d.LabelFrekwentie[3]->text(), QStringLiteral("2000 Herz"));
    EXPECT_EQ(d.LabelDCoffset[2]->text(), QStringLiteral("DC-Offset (mV):\n1.0"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Rack1 Module4 K762 id.no. C.4.5.6 S.N. 60010"));
    // Field 9 (range 2, input 1) shows constant 6, read from words 16 and 48.
    EXPECT_EQ(d.LabelNulpunt[9]->text(), QStringLiteral("6.0"));
    EXPECT_EQ(d.LabelSchaal[9]->text(), QStringLiteral("1.0100"));

    // Tab 2 switches all four inputs to range 2; the live reading uses constant 4 c + 2.
    emulator.wisVerzoeken();
    d.SSTab->setCurrentIndex(2);
    Draai(d, 100);
    EXPECT_EQ(ec->bereik, (std::array<uint8_t, 4>{2, 2, 2, 2}));
    EXPECT_EQ(Aantal(CommandoBereik, EcNr), 4);
    EXPECT_EQ(d.HuidigBereik, 2);
    ec->adc = {0, 1234, 0, 0};
    ec->temperatuurAdc = {0, 253, 0, 0};
    Draai(d, 2100);
    EXPECT_EQ(d.LabelWaarde[1]->text(), QStringLiteral("128.2")); // 123.4 / 1.01 + 6.0
    EXPECT_EQ(d.LabelGraden[1]->text(), QStringLiteral("25.3"));

    // A click on a live reading copies only into the focused field of that input.
    Focus(d, d.TextNulpunt[9]);
    QTest::mouseClick(d.LabelWaarde[2], Qt::LeftButton);
    EXPECT_TRUE(d.TextNulpunt[9]->text().isEmpty());
    Focus(d, d.TextNulpunt[10]);
    QTest::mouseClick(d.LabelWaarde[2], Qt::LeftButton);
    EXPECT_EQ(d.TextNulpunt[10]->text(), d.LabelWaarde[2]->text());
    d.TextNulpunt[10]->clear();

    Typ(d, d.TextNulpunt[9], QStringLiteral("12.5"));
    EXPECT_EQ(d.LabelNulpunt[9]->text(), QStringLiteral("12.5"));
    EXPECT_TRUE(IsRood(d.LabelNulpunt[9]));
    EXPECT_FALSE(IsRood(d.LabelNulpunt[10]));
    EXPECT_TRUE(melding.meldingen.empty());

    emulator.wisVerzoeken();
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    DraaiTotGesloten(d);
    EXPECT_EQ(Geschreven(EcNr), std::vector<int>{16});
    EXPECT_EQ(Woord(ec, 16), 125);
    EXPECT_EQ(Woord(ec, 48), 10100);
    EXPECT_EQ(voortgang.maxima.back(), 48);
    EXPECT_EQ(voortgang.stappen.back(), 48);
    EXPECT_EQ(Aantal(253, EcNr), 2);
    EXPECT_TRUE(melding.meldingen.empty()) << melding.teksten().join(QLatin1Char('|')).toStdString();

    const AfregelingRecord r = AfregelRecordUitBytes(AfregelBestand());
    EXPECT_EQ(r.Serienummer, 60010);
    EXPECT_EQ(r.Toesteltype.tekst(), QStringLiteral("K762  "));
    EXPECT_EQ(r.BereikNul[9], 12.5f);
    EXPECT_FLOAT_EQ(r.BereikSchaal[9], 1.01f);
    EXPECT_EQ(r.BereikNul[1], 4.0f); // range 0, input 1: constant 4
    EXPECT_EQ(r.Frequentie[3], 2000.0f);
    EXPECT_FLOAT_EQ(r.DcOffset[3], 1.5f);
    EXPECT_EQ(r.AantalAfregelingen, 1);
    EXPECT_EQ(AfregelingIdVan(ProductieDatabasePad, 60010).toInt(), 1);
}

// A tab selected while the inputs are switched to another range is taken after that switch: the
// module's ranges always end as the tab shows, and no switch runs inside another.
TEST_F(FabrieksdialoogTest, ATabChangeDuringARangeSwitchIsTakenAfterIt) {
    VulK762();
    DialogK762Calibration d;
    Laad(d, 4);
    emulator.wisVerzoeken();
    bool tijdensWissel = false;
    klok().planIn(50, [&] {
        tijdensWissel = !d.SSTab->tabBar()->isEnabled();
        d.SSTab->setCurrentIndex(3);
    });
    d.SSTab->setCurrentIndex(2);
    Draai(d, 3000);
    EXPECT_TRUE(tijdensWissel);
    std::vector<std::pair<int, int>> bereiken;
    for (const auto& v : emulator.verzoeken())
        if (v.commando == CommandoBereik) bereiken.emplace_back(v.data.at(0), v.data.at(1));
    EXPECT_EQ(bereiken, (std::vector<std::pair<int, int>>{
                            {0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(ec->bereik, (std::array<uint8_t, 4>{3, 3, 3, 3}));
    EXPECT_EQ(d.HuidigBereik, 3);
    EXPECT_TRUE(d.SSTab->tabBar()->isEnabled());
}

TEST_F(FabrieksdialoogTest, K762EntriesTakeTheirInclusiveLimits) {
    VulK762();
    DialogK762Calibration d;
    Laad(d, 4);
    melding.meldingen.clear();

    Typ(d, d.TextNulpunt[0], QStringLiteral("500"));
    Typ(d, d.TextNulpunt[1], QStringLiteral("0"));
    EXPECT_EQ(d.LabelNulpunt[0]->text(), QStringLiteral("500.0"));
    EXPECT_TRUE(IsRood(d.LabelNulpunt[1]));
    Typ(d, d.TextNulpunt[2], QStringLiteral("500.1"));
    d.TextNulpunt[2]->clear();
    Typ(d, d.TextNulpunt[3], QStringLiteral("-0.1"));
    d.TextNulpunt[3]->clear();
    EXPECT_EQ(melding.meldingen.size(), 2u);
    EXPECT_FALSE(IsRood(d.LabelNulpunt[2]));

    // Scale: 389.5 / (400 - 10) with a zero of 10 shown; a reading not above twice the zero is refused.
    melding.meldingen.clear();
    Typ(d, d.TextNulpunt[5], QStringLiteral("10"));
    Typ(d, d.TextSchaal[5], QStringLiteral("400"));
    EXPECT_EQ(d.LabelSchaal[5]->text(), QStringLiteral("0.9987"));
    Typ(d, d.TextNulpunt[6], QStringLiteral("10"));
    Typ(d, d.TextSchaal[6], QStringLiteral("20"));
    EXPECT_EQ(melding.meldingen.size(), 1u);
    EXPECT_FALSE(IsRood(d.LabelSchaal[6]));
    d.TextSchaal[6]->clear();

    // Frequency by range: 120 is in on range 0, 121 is not, and the message names the limits.
    melding.meldingen.clear();
    d.SSTab->setCurrentIndex(0);
    Draai(d, 100);
    Typ(d, d.TextFrekwentie[0], QStringLiteral("120"));
    EXPECT_EQ(d.LabelFrekwentie[0]->text(), QStringLiteral("120 Herz"));
    EXPECT_TRUE(IsRood(d.LabelFrekwentie[0]));
    Typ(d, d.TextFrekwentie[0], QStringLiteral("121"));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].tekst, QStringLiteral("Wrong input!\n\n40 <= 121 <= 120 Herz."));
    EXPECT_EQ(melding.meldingen[0].titel, d.windowTitle());
    EXPECT_EQ(d.LabelFrekwentie[0]->text(), QStringLiteral("120 Herz"));
    d.TextFrekwentie[0]->clear();
    Typ(d, d.TextFrekwentie[3], QStringLiteral("1250"));
    EXPECT_EQ(d.LabelFrekwentie[3]->text(), QStringLiteral("1250 Herz"));

    // DC offset: -4.0 and 4.0 are in, 4.1 is not.
    melding.meldingen.clear();
    Typ(d, d.TextDCoffset[0], QStringLiteral("-4.0"));
    Typ(d, d.TextDCoffset[1], QStringLiteral("4,0"));
    EXPECT_EQ(d.LabelDCoffset[1]->text(), QStringLiteral("DC-Offset (mV):\n4.0"));
    Typ(d, d.TextDCoffset[2], QStringLiteral("4.1"));
    ASSERT_EQ(melding.meldingen.size(), 1u);
    EXPECT_EQ(melding.meldingen[0].tekst, QStringLiteral("Wrong input!\n\n-4.0 <= 4.1 <= 4.0 mV"));
    EXPECT_EQ(d.SSTab->currentIndex(), DialogK762Calibration::TabXtraK762);
    EXPECT_TRUE(d.TextDCoffset[2]->hasFocus());
}

// Look-up mode: the module is not read; a serial number taken with Enter shows its stored record.
TEST_F(FabrieksdialoogTest, LookUpModeShowsTheStoredRecordOfATypedSerial) {
    AfregelingRecord opgeslagen;
    opgeslagen.Serienummer = 60010;
    opgeslagen.Toesteltype = QStringLiteral("K762");
    opgeslagen.Operator = QStringLiteral("piet");
    opgeslagen.AfregelDatum = platform::MaakDatum(2024, 6, 3, 14, 30, 0);
    opgeslagen.AantalAfregelingen = 3;
    opgeslagen.Identificatiecode = EcNr;
    opgeslagen.BereikNul[9] = 12.5f;
    opgeslagen.Frequentie[2] = 700;
    opgeslagen.DcOffset[1] = -2.5f;
    BewaarAfregeling(opgeslagen, 60010);

    DialogK762Calibration d;
    Laad(d, 4, true);
    EXPECT_EQ(d.SSTab->currentIndex(), DialogK762Calibration::TabXtraK762);
    EXPECT_FALSE(d.OKButton->isEnabled());
    EXPECT_TRUE(emulator.verzoeken().empty());

    Focus(d, d.TextSerieNummer);
    d.TextSerieNummer->setText(QStringLiteral("60010"));
    QTest::keyClick(d.TextSerieNummer, Qt::Key_Return);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("K762, SN: 60010, Id.N°: C.4.5.6"));
    EXPECT_EQ(d.SSTab->currentIndex(), DialogK762Calibration::TabInfo);
    EXPECT_EQ(d.LabelNulpunt[9]->text(), QStringLiteral("12.5"));
    EXPECT_EQ(d.LabelFrekwentie[2]->text(), QStringLiteral("700 Herz"));
    EXPECT_EQ(d.LabelDCoffset[1]->text(), QStringLiteral("DC-Offset (mV):\n-2.5"));
    EXPECT_TRUE(d.LabelInfo[1]->text().startsWith(QStringLiteral("60010\r\nC.4.5.6\r\n03/06/2024\r\n")));
    EXPECT_TRUE(emulator.verzoeken().empty());

    // A serial without a record shows nothing of the one before.
    d.TextSerieNummer->setText(QStringLiteral("60999"));
    QTest::keyClick(d.TextSerieNummer, Qt::Key_Return);
    EXPECT_EQ(d.LabelNulpunt[9]->text(), QStringLiteral("Nulpunt"));
    EXPECT_EQ(d.LabelInfo[1]->text(), QStringLiteral("Info"));

    QTest::keyClick(&d, Qt::Key_Escape);
    DraaiTotGesloten(d);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    // Leaving resets the module, in look-up mode too.
    EXPECT_EQ(Aantal(253, EcNr), 1);
}

// The rack window's factory entries: the dialog of the module's model, modal, with the caller
// waiting in the pump until it is closed; other modules get none.
TEST_F(FabrieksdialoogTest, TheFactoryEntriesOpenTheDialogOfTheModulesModel) {
    VulK762();
    Racks[1].Modules[5].Present = true;
    Racks[1].Modules[5].Type = "----";
    EXPECT_EQ(ToonFabrieksafregeling(1, 5), -1);

    QString titel;
    klok().planIn(3000, [&] {
        auto* d = qobject_cast<DialogK762Calibration*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        titel = d->windowTitle();
        QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    });
    EXPECT_EQ(ToonFabrieksafregeling(1, 4), QDialog::Rejected);
    EXPECT_EQ(titel, QStringLiteral("Rack1 Module4 K762 id.no. C.4.5.6 S.N. 60010"));

    emulator.wisVerzoeken();
    klok().planIn(1000, [&] {
        auto* d = qobject_cast<DialogK761Calibration*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->ReadSettingsOnly);
        d->close();
    });
    EXPECT_EQ(ToonInstellingenVanSN(1, 3), QDialog::Rejected);
    EXPECT_EQ(Aantal(80, MvNr), 0);
}

// In the main window's area, the rack window whose module menu opened the dialog is back after Cancel
// and after OK: enabled, as it was and the active window, its module menu at hand again, and always on
// top as it was set, also when it was still the active window (so that no activation sets it again); the
// message panel no longer tells of the EEPROM reads and writes of the dialog.
TEST_F(FabrieksdialoogTest, AfterCancelAndAfterOkTheRackWindowIsBackInFrontAndTheMessagePanelClear) {
    VulK761();
    struct Afregelen : RackvensterActies {
        bool HeeftFabrieksafregeling() const override { return true; }
        void OpenFabrieksafregeling(const QString&, int r, int m, bool) override {
            ToonFabrieksafregeling(r, m);
        }
    } acties;
    ZetRackvensterActies(&acties);
    QMdiArea gebied;
    auto* rack = new FormRack(1);
    QMdiSubWindow* kader = gebied.addSubWindow(rack);
    rack->Laad();
    QMdiSubWindow* tabel = gebied.addSubWindow(new QWidget);
    gebied.show();
    kader->show();
    tabel->show();
    gebied.setActiveSubWindow(kader);
    rack->mnuRackSettingsTop->trigger();
    ASSERT_TRUE(kader->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    struct Beurt {
        bool ok;
        bool anderVenster; // another window of the area becomes the active one while the dialog is open
    };
    for (const Beurt beurt : {Beurt{false, true}, Beurt{true, true}, Beurt{false, false}}) {
        SCOPED_TRACE(testing::Message()
                     << "OK " << beurt.ok << ", another window active " << beurt.anderVenster);
        gebied.setActiveSubWindow(kader);
        // Answers the dialog once it is up for editing (it reads the module first).
        int pogingen = 0;
        QString bijSluiten;
        std::function<void()> antwoord = [&] {
            auto* d = qobject_cast<DialogK761Calibration*>(QApplication::activeModalWidget());
            if ((!d || d->HuidigeToestand() != Fabrieksdialoog::Toestand::Bewerken) && ++pogingen < 60) {
                klok().planIn(500, antwoord);
                return;
            }
            ASSERT_NE(d, nullptr) << "waited 30 s for the factory dialog";
            bijSluiten = venster.statusTekst[3];
            EXPECT_FALSE(kader->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "over the dialog";
            if (beurt.anderVenster) gebied.setActiveSubWindow(tabel);
            if (beurt.ok) Typ(*d, d->TextNulpuntInput[0], QStringLiteral("1.0"));
            QTest::mouseClick(beurt.ok ? d->OKButton : d->CancelButton, Qt::LeftButton);
        };
        klok().planIn(500, antwoord);
        QTest::mousePress(rack->LabelModule[2], Qt::LeftButton);
        rack->mnuRackSettings->hide();
        rack->mnuModuleCalibration->trigger();
        EXPECT_EQ(gebied.currentSubWindow(), kader);
        EXPECT_TRUE(rack->isEnabled());
        EXPECT_TRUE(gebied.isEnabled());
        EXPECT_FALSE(kader->isMinimized());
        EXPECT_TRUE(rack->mnuRackSettingsTop->isChecked());
        EXPECT_TRUE(kader->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "no longer always on top";
        EXPECT_TRUE(kader->isVisible());
        EXPECT_EQ(bijSluiten.toStdString(), "Reading double word from e²prom ...");
        EXPECT_EQ(venster.statusTekst[3].toStdString(), "");
    }
    EXPECT_EQ(Woord(mv, 0), 10); // OK wrote the new zero
}

// ---------------------------------------------------------------------------------------------------
// What the technician sees

namespace {
// The lines of every shown label and button that do not fit within it (a trailing blank aside).
QStringList AfgesnedenTeksten(QWidget& venster) {
    QStringList fouten;
    for (QLabel* l : venster.findChildren<QLabel*>()) {
        if (!l->isVisible()) continue;
        for (const QString& regel : l->text().split(QRegularExpression(QStringLiteral("\r?\n"))))
            if (l->fontMetrics().horizontalAdvance(regel.trimmed()) > l->contentsRect().width())
                fouten << regel;
    }
    for (QPushButton* k : venster.findChildren<QPushButton*>())
        if (k->isVisible() && k->fontMetrics().horizontalAdvance(k->text()) > k->width()) fouten << k->text();
    return fouten;
}

void Bewaar(QWidget& venster, const QString& naam, int taal) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    if (map.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(map));
    EXPECT_TRUE(venster.grab().toImage().save(OpnameBestand(map, naam, taal)));
}
} // namespace

// Every tab of both windows, with the constants read, live readings, a changed constant and the
// certificate of a stored record: each text whole within its label. With K740_SCREENSHOTS set to a
// folder (scripts/screenshot-fabriek) the windows are also kept there as pictures, in each language.
TEST_F(FabrieksdialoogTest, BothWindowsShowEveryTextWholeOnEveryTab) {
    VulK761();
    VulK762();
    ASSERT_TRUE(VoegApparaatToe(ProductieDatabasePad, 1, 60001, QStringLiteral("K761")));
    ASSERT_TRUE(VoegApparaatToe(ProductieDatabasePad, 2, 60010, QStringLiteral("K762")));
    // A stored record of the K761, so that its certificate shows.
    {
        DialogK761Calibration d;
        Laad(d, 3);
        Typ(d, d.TextLekstroom[0], QStringLiteral("0.6"));
        QTest::mouseClick(d.OKButton, Qt::LeftButton);
        DraaiTotGesloten(d);
    }
    mv->adc = {14010, 7, -3, 6512};
    mv->temperatuurAdc = {215, 250, 198, 812};
    ec->adc = {3891, 1234, 4, 18000};
    ec->temperatuurAdc = {201, 253, 250, 799};

    // In each language: the captions of the text table change, the fixed ones stay.
    for (int taal = 0; taal < 3; ++taal) {
        ZetTaal(taal);
        DialogK761Calibration a;
        Laad(a, 3);
        Draai(a, 2100);
        Typ(a, a.TextNulpuntInput[1], QStringLiteral("-0.7"));
        for (int t = a.SSTab->count() - 1; t >= 0; --t) {
            a.SSTab->setCurrentIndex(t);
            QCoreApplication::processEvents();
            EXPECT_EQ(AfgesnedenTeksten(a), QStringList()) << "K761 tab " << t << " language " << taal;
            if (t == DialogK761Calibration::TabInfo) Bewaar(a, QStringLiteral("fabriek-k761-info"), taal);
            if (t == DialogK761Calibration::TabXtraK761) Bewaar(a, QStringLiteral("fabriek-k761-xtra"), taal);
        }
        EXPECT_EQ(a.LabelWaarde[0]->text(), QStringLiteral("1400.1"));
        Bewaar(a, QStringLiteral("fabriek-k761"), taal);

        DialogK762Calibration b;
        Laad(b, 4);
        for (int t = b.SSTab->count() - 1; t >= 0; --t) {
            b.SSTab->setCurrentIndex(t);
            Draai(b, 100);
            EXPECT_EQ(AfgesnedenTeksten(b), QStringList()) << "K762 tab " << t << " language " << taal;
        }
        b.SSTab->setCurrentIndex(2);
        Draai(b, 3000);
        Typ(b, b.TextNulpunt[9], QStringLiteral("12.5"));
        EXPECT_EQ(b.LabelWaarde[1]->text(), QStringLiteral("128.2"));
        EXPECT_EQ(AfgesnedenTeksten(b), QStringList());
        Bewaar(b, QStringLiteral("fabriek-k762"), taal);
    }
}
