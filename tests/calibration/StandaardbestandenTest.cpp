#include "calibration/Standaardbestanden.h"
#include "Bestandsgrens.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "acquisition/Aanmelding.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "calibration/FormTekstEditor.h"
#include "files/Eenheidcontrole.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "shared/Algemeen.h"
#include "shared/Getallen.h"
#include "shared/Melding.h"
#include "shell/Programmainstellingen.h"
#include "shell/mdiK740.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

class StandaardbestandenTest : public SchoneOmgeving {};

TEST_F(StandaardbestandenTest, ADefaultFileIsCopiedOnlyWhereNoneIsAndCanBeChanged) {
    const QString map = tijdelijkeMap() + QStringLiteral("/Library");
    QDir().mkpath(map);
    const QString doel = map + QStringLiteral("/buffer.ph");
    const QString programma = tijdelijkeMap() + QStringLiteral("/program-buffer.ph");

    // Without a file in the program folder: the built-in one.
    EXPECT_TRUE(KopieerStandaardbestand(programma, doel));
    QByteArray inhoud, ingebouwd;
    ASSERT_TRUE(platform::LeesBestand(doel, inhoud));
    ASSERT_TRUE(platform::LeesBestand(IngebouwdStandaardbestand(QStringLiteral("buffer.ph")), ingebouwd));
    EXPECT_EQ(inhoud, ingebouwd);
    EXPECT_TRUE(QFileInfo(doel).permissions().testFlag(QFileDevice::WriteOwner)) << "the user may edit it";

    // The user's file is never replaced, whatever the program folder holds.
    ASSERT_TRUE(platform::SchrijfBestandVeilig(doel, "\"Mine\"\r\n"));
    ASSERT_TRUE(platform::SchrijfBestandVeilig(programma, "\"Program\"\r\n"));
    EXPECT_TRUE(KopieerStandaardbestand(programma, doel));
    ASSERT_TRUE(platform::LeesBestand(doel, inhoud));
    EXPECT_EQ(inhoud, "\"Mine\"\r\n");

    // A file in the program folder goes before the built-in one.
    const QString ec = map + QStringLiteral("/standard.ec");
    ASSERT_TRUE(platform::SchrijfBestandVeilig(programma, "25;0.001\r\n"));
    EXPECT_TRUE(KopieerStandaardbestand(programma, ec));
    ASSERT_TRUE(platform::LeesBestand(ec, inhoud));
    EXPECT_EQ(inhoud, "25;0.001\r\n");

    // A name the program has no file of: nothing, and no failure; a folder that cannot be written: false.
    EXPECT_TRUE(KopieerStandaardbestand(tijdelijkeMap() + "/none", map + QStringLiteral("/other.txt")));
    EXPECT_FALSE(QFile::exists(map + QStringLiteral("/other.txt")));
    EXPECT_FALSE(KopieerStandaardbestand(tijdelijkeMap() + "/none", doel + QStringLiteral("/x/buffer.ph")));
}

// The default user standard follows the standard file's format: a name, then temperature and
// conductivity in S/cm for every whole degree 0..30.
TEST_F(StandaardbestandenTest, TheDefaultStandardFileHoldsAValueForEveryDegree) {
    QByteArray inhoud;
    ASSERT_TRUE(platform::LeesBestand(IngebouwdStandaardbestand(QStringLiteral("standard.ec")), inhoud));
    const QStringList regels = platform::SplitsRegels(platform::DecodeerTekstbestand(inhoud));
    QStringList namen;
    int graad = 0;
    for (const QString& regel : regels) {
        if (regel.isEmpty() || QStringLiteral("*;'").contains(regel.front())) continue;
        if (regel.startsWith(QLatin1Char('"'))) {
            namen << regel;
            continue;
        }
        const QStringList delen = regel.split(QLatin1Char(';'));
        ASSERT_EQ(delen.size(), 2) << regel.toStdString();
        EXPECT_EQ(TekstNaarSingle(delen[0]), static_cast<float>(graad)) << regel.toStdString();
        const float waarde = TekstNaarSingle(delen[1]);
        EXPECT_TRUE(waarde >= 0.000005f && waarde < 1.0f) << regel.toStdString();
        if (graad == 25) {
            EXPECT_FLOAT_EQ(waarde, 0.001413f);
        }
        ++graad;
    }
    EXPECT_EQ(graad, 31);
    EXPECT_EQ(namen, QStringList{"\"KCl 0.01 mol/l\""});
}

// The simulated rack's calibration files: every input shows as calibrated, whatever unit a K761 input
// is given, and the stored constants are the neutral-to-typical values of a calibrated electrode.
TEST_F(StandaardbestandenTest, EveryInputOfTheSimulatedRackIsCalibrated) {
    MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
    QDir().mkpath(MapKalibratie);
    RackRecord& rack = Racks[1];
    rack.Present = true;
    rack.Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
    const QStringList modules{"F.F.F.1", "F.F.F.2", "F.F.F.3", "F.F.F.4", "F.F.F.5", "C.F.F.6", "C.F.F.7"};
    for (int m = 1; m <= AantalModules; ++m) {
        rack.Modules[m].Present = true;
        rack.Modules[m].Idno = IdnoUitTekst(modules[m - 1]);
    }
    ZetKanaalEenheden(1);
    for (int m = 1; m <= AantalModules; ++m) {
        const QString naam = QStringLiteral("Rack1-F-F-F-M%1.cal").arg(m);
        ASSERT_EQ(KalibratieBestandsnaam(1, m, MapKalibratie, QStringLiteral(".cal")),
                  MapKalibratie + "/" + naam);
        ASSERT_TRUE(KopieerStandaardbestand(QString(), MapKalibratie + "/" + naam)) << m;
    }

    for (const char* eenheid : {"mV", "pH", "mg/l", "%", "g/l"}) {
        for (int m = 1; m <= AantalModules; ++m) {
            if (m <= 5)
                for (int c = 1; c <= AantalIngangen; ++c)
                    rack.Modules[m].Meting[c].Unit = QString::fromUtf8(eenheid);
            LaadModuleKalibratie(1, m, 0);
            for (int c = 1; c <= AantalIngangen; ++c) {
                EXPECT_FALSE(KalibratieVereist(1, m, c)) << eenheid << " " << m << "." << c;
                EXPECT_NE(rack.Modules[m].Meting[c].KalibratieDatum, 0.0) << eenheid << " " << m << "." << c;
                EXPECT_EQ(HandTemperaturen[1][m][c], 25.0f);
                EXPECT_EQ(rack.Modules[m].Temperatuur[c].Offset, 0.0f);
            }
        }
        // The pH inputs take the stored electrode, not the defaults of a missing calibration.
        if (QString::fromUtf8(eenheid) == QLatin1String("pH")) {
            EXPECT_FLOAT_EQ(rack.Modules[3].Meting[2].Offset, 7.02f);
            EXPECT_FLOAT_EQ(rack.Modules[3].Meting[2].Scale, 0.985f);
        }
    }
}

// A first start in simulation puts the program's own library files and the simulated rack's calibration
// files in place, before the simulated rack is read (which would make uncalibrated ones).
TEST_F(StandaardbestandenTest, AFirstDemonstrationStartPutsTheDefaultFilesInPlace) {
    LeesSysteemInfo();
    OpnameMelding melding; // every box closed without a choice
    ZetMeldingVenster(&melding);
    Demo = true;
    mdiK740 venster;
    Initialisatie(venster);
    const auto gelijk = [](const QString& pad, const QString& naam) {
        QByteArray inhoud, ingebouwd;
        return platform::LeesBestand(pad, inhoud) &&
               platform::LeesBestand(IngebouwdStandaardbestand(naam), ingebouwd) && inhoud == ingebouwd;
    };
    for (const QString& naam : {QStringLiteral("buffer.ph"), QStringLiteral("standard.ec")})
        EXPECT_TRUE(gelijk(MapBibliotheek + "/" + naam, naam)) << naam.toStdString();
    for (int m = 1; m <= AantalModules; ++m) {
        const QString naam = QStringLiteral("Rack1-F-F-F-M%1.cal").arg(m);
        EXPECT_TRUE(gelijk(MapKalibratie + "/" + naam, naam)) << naam.toStdString();
    }
    ZetMeldingVenster(nullptr);
}

// A library file that cannot be saved (a full disk) is reported with the system's reason, not as a file
// in use; the editor keeps the text and the file stays as it was.
TEST_F(StandaardbestandenTest, AFullDiskWhileSavingALibraryFileGivesTheSystemsReason) {
    const QString map = tijdelijkeMap() + QStringLiteral("/Library");
    QDir().mkpath(map);
    OpnameMelding melding;
    ZetMeldingVenster(&melding);
    for (const char* naam : {"buffer.ph", "standard.ec"}) {
        const QString pad = map + QLatin1Char('/') + QString::fromLatin1(naam);
        ASSERT_TRUE(platform::SchrijfBestandVeilig(pad, "\"Old\"\r\n"));
        FormTekstEditor editor;
        ASSERT_TRUE(editor.Open(pad));
        editor.TextBestand->setPlainText(QString(4096, QLatin1Char('7')));
        bool bewaard = true;
        {
            Bestandsgrens grens(1024);
            bewaard = editor.Bewaar();
        }
        EXPECT_FALSE(bewaard) << naam;
        ASSERT_EQ(melding.vragen.size(), 1u) << naam;
        EXPECT_EQ(melding.vragen[0].tekst,
                  pad + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QByteArray inhoud;
        ASSERT_TRUE(platform::LeesBestand(pad, inhoud));
        EXPECT_EQ(inhoud, QByteArray("\"Old\"\r\n"));
        melding.vragen.clear();
    }
    ZetMeldingVenster(nullptr);
}

// The program ends with no one to answer while the editor holds changes (a logout): it closes without its
// question, as by No, and the file stays as it was.
TEST_F(StandaardbestandenTest, AnEndWithNoOneToAnswerClosesTheEditorWithoutWritingTheFile) {
    const QString pad = tijdelijkeMap() + QStringLiteral("/Library/buffer.ph");
    QDir().mkpath(QFileInfo(pad).absolutePath());
    ASSERT_TRUE(platform::SchrijfBestandVeilig(pad, "\"Old\"\r\n"));
    OpnameMelding melding;
    ZetMeldingVenster(&melding);
    FormTekstEditor editor;
    ASSERT_TRUE(editor.Open(pad));
    editor.show();
    editor.TextBestand->selectAll();
    QTest::keyClicks(editor.TextBestand, QStringLiteral("\"New\""));
    ASSERT_TRUE(editor.IsGewijzigd());
    platform::EindeZonderGebruiker([] {});
    editor.reject();
    EXPECT_FALSE(editor.isVisible()) << "the editor stayed open";
    EXPECT_TRUE(melding.vragen.empty());
    QByteArray inhoud;
    ASSERT_TRUE(platform::LeesBestand(pad, inhoud));
    EXPECT_EQ(inhoud, QByteArray("\"Old\"\r\n"));
    ZetMeldingVenster(nullptr);
}
