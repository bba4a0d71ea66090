#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Frames.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "files/Bestandsdialogen.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Vensterfuncties.h"
#include "shell/Installatie.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QByteArray LeesLog() {
    QFile f(CommunicatieLogPad(platform::Nu()));
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<none>");
    return f.readAll();
}

// A byte as the line hands it to the terminal.
QString Byte(int b) {
    return QString(QChar(b));
}
} // namespace

class TerminalTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapGegevens = QDir(tijdelijkeMap()).filePath("Data");
        ASSERT_TRUE(QDir().mkpath(MapGegevens));
    }
};

TEST_F(TerminalTest, HexadecimalEndsALineOnlyAtCRLFAlsoAcrossCalls) {
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    ASSERT_NE(t, nullptr);
    TerminalToevoegen(Byte(13), true);
    TerminalToevoegen(Byte(10), true);
    TerminalToevoegen(Byte(255) + Byte(7) + Byte(10), true); // a lone LF ends no line
    TerminalToevoegen(Byte(13) + Byte(0x41), true);          // nor does a lone CR
    EXPECT_EQ(t->TerminalTekst(), "D A \r\nFF 7 A D 41 ");
    klok().verstrijk(250);
    EXPECT_EQ(t->TxtLineInput->toPlainText(), "D A \nFF 7 A D 41 ");
    EXPECT_FALSE(t->HexaDecimaal);

    // Information lines stay text; the line ends of the traffic end the box's lines.
    TerminalToevoegen("\r\nVersion = 1.3", false);
    TerminalToevoegen("\r\n", false);
    EXPECT_TRUE(t->TerminalTekst().endsWith("41 \r\nVersion = 1.3\r\n"));
    klok().verstrijk(250);
    EXPECT_TRUE(t->TxtLineInput->toPlainText().endsWith("41 \nVersion = 1.3\n"));
}

TEST_F(TerminalTest, TheTextIsHalvedWhenItPassesTwentyThousandCharacters) {
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    const QString blok = QString(9999, 'a') + "b";
    TerminalToevoegen(blok, false);
    TerminalToevoegen(blok, false);
    EXPECT_EQ(t->TerminalTekst().size(), 20000);
    TerminalToevoegen("c", false);
    EXPECT_EQ(t->TerminalTekst().size(), 10000);
    EXPECT_EQ(t->TerminalTekst(), blok.right(9999) + "c");
    klok().verstrijk(250);
    EXPECT_EQ(t->TxtLineInput->toPlainText(), t->TerminalTekst());
}

TEST_F(TerminalTest, TheBoxShowsTheGatheredTrafficAFewTimesASecond) {
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    int wijzigingen = 0;
    QObject::connect(t->TxtLineInput, &QPlainTextEdit::textChanged, [&] { ++wijzigingen; });
    // A poll turn's echoes, a byte at a time: the box takes them in one go, within a quarter second.
    QString verwacht;
    for (int i = 0; i < 400; ++i) {
        const QString stuk = i % 40 == 39 ? QStringLiteral("\r\n") : Byte(0x41 + i % 26);
        TerminalToevoegen(stuk, false);
        verwacht += stuk;
    }
    EXPECT_EQ(t->TerminalTekst(), verwacht);
    EXPECT_EQ(wijzigingen, 0);
    klok().verstrijk(250);
    EXPECT_EQ(wijzigingen, 1);
    EXPECT_EQ(t->TxtLineInput->toPlainText(), QString(verwacht).remove('\r'));
    // Past the limit between two updates: the box shows the halved text, as it would have.
    TerminalToevoegen(QString(19700, 'x'), false);
    TerminalToevoegen("end", false);
    klok().verstrijk(250);
    EXPECT_EQ(t->TerminalTekst().size(), (verwacht.size() + 19700) / 2 + 3);
    EXPECT_EQ(t->TxtLineInput->toPlainText(), t->TerminalTekst());
    EXPECT_EQ(t->TxtLineInput->textCursor().position(), t->TerminalTekst().size()); // the newest in view
    // Closed before its update: nothing is left to run.
    TerminalToevoegen("last", false);
    t->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    klok().verstrijk(250);
    EXPECT_EQ(TerminalVenster(), nullptr);
}

TEST_F(TerminalTest, TheCommunicationLogTakesTheRawTrafficOnlyWithTheSwitchWhileOpen) {
    ToonTerminal();
    TerminalToevoegen("no switch\r\n", false);
    EXPECT_EQ(LeesLog(), "<none>");

    LogbestandAan = true;
    MapGegevens += "/"; // with or without a separator: the same file
    EXPECT_EQ(CommunicatieLogPad(platform::Nu()),
              QDir(MapGegevens).filePath("K740communicationLog_260105.txt"));
    TerminalToevoegen(Byte(0x80), true);
    TerminalToevoegen(Byte(0x0D), true);
    TerminalToevoegen(Byte(0xFF), false);
    TerminalToevoegen(QString::fromUtf8("T = 25.0 °C\r\n"), false);
    TerminalToevoegen(QString::fromUtf8("€"), false);
    EXPECT_EQ(LeesLog(), QByteArray("\x80\x0D\xFFT = 25.0 \xB0"
                                    "C\r\n\x80"));

    // Hidden through the menu: neither shown nor logged; shown again, the old text is there.
    const QString voor = TerminalVenster()->TerminalTekst();
    VerbergTerminal();
    EXPECT_FALSE(TerminalAangevinkt());
    TerminalToevoegen("hidden\r\n", false);
    EXPECT_EQ(LeesLog().size(), 17);
    ToonTerminal();
    EXPECT_EQ(TerminalVenster()->TerminalTekst(), voor);
}

TEST_F(TerminalTest, ClosingUnloadsTheTerminalAndItsText) {
    ToonTerminal();
    TerminalToevoegen("x\r\n", false);
    TerminalVenster()->close();
    EXPECT_FALSE(TerminalAangevinkt());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TerminalVenster(), nullptr);
    TerminalToevoegen("y\r\n", false); // ignored: nothing is loaded by the call
    EXPECT_EQ(TerminalVenster(), nullptr);
    ToonTerminal();
    EXPECT_EQ(TerminalVenster()->TerminalTekst(), "");
}

TEST_F(TerminalTest, OutsideFactoryModeOnlyInformationLinesAreShown) {
    for (const char* sleutel : {"Data out", "Data in", "Data hex"})
        BewaarInstelling(AppNaam, "Terminal", sleutel, true);
    BewaarInstelling(AppNaam, "Terminal", "Data info", false);
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    EXPECT_FALSE(TerminalDataUit || TerminalDataIn || TerminalDataHex);
    EXPECT_TRUE(TerminalDataInfo);
    EXPECT_FALSE(t->FrameSerialPort->isVisible());
    EXPECT_FALSE(t->CheckInformation->isVisible());
    EXPECT_EQ(t->TxtLineInput->geometry(), t->rect());
    EXPECT_TRUE(ConfiguratieGewijzigd);
}

TEST_F(TerminalTest, InFactoryModeTheStoredSwitchesAndTheCheckBoxesChoose) {
    Fabrieksmodus = true;
    BewaarInstelling(AppNaam, "Terminal", "Data in", true);
    BewaarInstelling(AppNaam, "Terminal", "Data hex", true);
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    EXPECT_TRUE(TerminalDataIn && TerminalDataHex && TerminalDataInfo);
    EXPECT_FALSE(TerminalDataUit);
    EXPECT_TRUE(t->HexaDecimaal);
    EXPECT_TRUE(t->FrameSerialPort->isVisible());
    EXPECT_TRUE(t->CheckIncoming->isChecked());
    EXPECT_GE(t->TxtLineInput->y(), t->CheckInformation->geometry().bottom());

    QTest::mouseClick(t->CheckOutgoing, Qt::LeftButton, {}, QPoint(6, t->CheckOutgoing->height() / 2));
    QTest::mouseClick(t->CheckHexadecimaal, Qt::LeftButton, {},
                      QPoint(6, t->CheckHexadecimaal->height() / 2));
    EXPECT_TRUE(TerminalDataUit);
    EXPECT_FALSE(TerminalDataHex);
    EXPECT_FALSE(t->HexaDecimaal);
}

TEST_F(TerminalTest, CopyPutsTheWholeTextOnTheClipboard) {
    ToonTerminal();
    TerminalToevoegen("line 1\r\nline 2\r\n", false);
    QGuiApplication::clipboard()->setText("old");
    TerminalVenster()->CopyTerminal();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "line 1\r\nline 2\r\n");
}

// Window > Font on the terminal: the text takes the colour chosen, the font record keeps it, and the
// next terminal shows it again.
TEST_F(TerminalTest, TheTerminalsTextColourIsKeptInItsFontRecord) {
    struct : Bestandsdialogen {
        bool KiesLettertype(Lettertype& l, const QString&) override {
            l.kleur = 0x0000C0; // red
            return true;
        }
    } dialogen;
    ZetBestandsdialogen(&dialogen);
    mdiK740 hoofdvenster;
    InstalleerHoofdvenster(hoofdvenster);
    hoofdvenster.resize(1200, 800);
    hoofdvenster.show();
    hoofdvenster.mnuExtraTerminal()->trigger();
    ASSERT_NE(TerminalVenster(), nullptr);
    hoofdvenster.mdiGebied()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(Kindvensterkader(TerminalVenster())));
    hoofdvenster.mnuWindowFont_Click();
    QPlainTextEdit* tekst = TerminalVenster()->TxtLineInput;
    EXPECT_EQ(tekst->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
    BewaarLettertype(QStringLiteral("Terminal"), tekst);
    EXPECT_EQ(LeesInstelling(AppNaam, QStringLiteral("Terminal"), QStringLiteral("Fontcolor"), QString()),
              QStringLiteral("192"));
    TerminalVenster()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetTerminal();
    ToonTerminal();
    EXPECT_EQ(TerminalVenster()->TxtLineInput->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
    ZetBestandsdialogen(nullptr);
    ResetTerminal();
}

TEST_F(TerminalTest, TheMainWindowsMenuItemOpensAndHidesTheTerminalInItsWindowArea) {
    mdiK740 hoofdvenster;
    InstalleerHoofdvenster(hoofdvenster);
    hoofdvenster.mnuExtraTerminal()->trigger();
    ASSERT_NE(TerminalVenster(), nullptr);
    EXPECT_TRUE(hoofdvenster.TerminalAangevinkt());
    EXPECT_TRUE(TerminalAangevinkt());
    QWidget* kader = Kindvensterkader(TerminalVenster());
    EXPECT_TRUE(hoofdvenster.mdiGebied()->isAncestorOf(kader));
    EXPECT_EQ(kader->size(), QSize(TwipsNaarPixels(10000), TwipsNaarPixels(7000))); // the placement default

    hoofdvenster.TerminalToevoegen("seen\r\n", false);
    hoofdvenster.mnuExtraTerminal()->trigger();
    EXPECT_FALSE(TerminalAangevinkt());
    EXPECT_FALSE(kader->isVisible());
    hoofdvenster.TerminalToevoegen("not seen\r\n", false);
    hoofdvenster.mnuExtraTerminal()->trigger();
    EXPECT_EQ(TerminalVenster()->TerminalTekst(), "seen\r\n");

    TerminalVenster()->close();
    EXPECT_FALSE(hoofdvenster.TerminalAangevinkt());
    ResetTerminal();
}

class TerminalLijnTest : public RacklijnOmgeving {
protected:
    void SetUp() override {
        RacklijnOmgeving::SetUp();
        // The engine's traffic reaches the terminal through the main window.
        hoofdvenster = std::make_unique<mdiK740>();
        InstalleerHoofdvenster(*hoofdvenster);
        MapGegevens = QDir(tijdelijkeMap()).filePath("Data");
        ASSERT_TRUE(QDir().mkpath(MapGegevens));
    }
    // The log-on of one rack as the communication loop handles it.
    void MeldAan() {
        ZendAanmeldVerzoek();
        for (int stil = 0; stil < 10;) {
            const QByteArray a = WachtOpAntwoord();
            if (a.size() > 6 && Antwoord == AntwoordFrame && ControleerChecksum(a) &&
                HaalByte(a, 3) == CommandoAanmelden)
                VerwerkAanmeldAntwoord(HaalLong(a, 4));
            else
                ++stil;
        }
    }
    void TearDown() override {
        ResetTerminal();
        hoofdvenster.reset();
        RacklijnOmgeving::TearDown();
    }
    std::unique_ptr<mdiK740> hoofdvenster;
};

TEST_F(TerminalLijnTest, ALogOnShowsItsInformationLinesAndItsBytes) {
    emulator.zetRack(1, RackIdno(0, 0, 0x0A));
    emulator.zetModule(1, 2, K761Idno(1, 2, 3));
    Fabrieksmodus = true;
    LogbestandAan = true;
    BewaarInstelling(AppNaam, "Terminal", "Data out", true);
    BewaarInstelling(AppNaam, "Terminal", "Data in", true);
    BewaarInstelling(AppNaam, "Terminal", "Data hex", true);
    ToonTerminal();
    frmTerminal* t = TerminalVenster();
    t->resize(TwipsNaarPixels(9000), TwipsNaarPixels(5000));
    lijn->wisVerzonden();
    MeldAan();
    ASSERT_TRUE(Racks[1].Present);

    const QString tekst = t->TerminalTekst();
    EXPECT_TRUE(tekst.contains("Logon :1.0.0.A\r\n")) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(" id.no.2: F.1.2.3\r\n"));
    EXPECT_TRUE(tekst.contains("FF ")); // the preamble of a request, in hexadecimal
    EXPECT_TRUE(tekst.contains("D A \r\n"));

    // The log holds the bytes themselves: the broadcast log-on as it went over the line, then the
    // information lines.
    const QByteArray log = LeesLog();
    const QByteArray verzoek = lijn->verzonden().left(8);
    EXPECT_EQ(verzoek.toHex(), "ff520205590d0aff");
    EXPECT_TRUE(log.startsWith(verzoek + "\r\n" + Tekst[267].toLatin1()));
    EXPECT_TRUE(log.contains("Logon :1.0.0.A\r\n"));

    const QString map = qEnvironmentVariable("K740_SCREENSHOTS", tijdelijkeMap());
    ASSERT_TRUE(QDir().mkpath(map));
    const QImage beeld = t->grab().toImage();
    EXPECT_TRUE(beeld.save(QDir(map).filePath("terminal.png")));
}
