#include "files/RackConfiguratie.h"
#include "Bestandsgrens.h"
#include "OpnameRackvenster.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "files/Configuratietekst.h"
#include "files/Eenheidcontrole.h"
#include "platform/Tekstbestand.h"
#include "shared/Getallen.h"
#include "shared/Instellingen.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Records the table window calls in order.
class OpnameTabelHerstel : public TabelvensterHerstel {
public:
    void MaakTabelVenster(int r) override { log << QStringLiteral("Maak %1").arg(r); }
    void StelTabelIn(int r) override { log << QStringLiteral("StelTabelIn %1").arg(r); }
    void LeesVensterPositie(int, const QString& sectie) override {
        log << QStringLiteral("Positie ") + sectie;
    }
    void LeesLettertype(int, int, const QString& sectie) override { log << QStringLiteral("Font ") + sectie; }
    void LeesKolomBreedte(int, int, const QString& sectie) override {
        log << QStringLiteral("Breedte ") + sectie;
    }
    int AantalTabs(int) const override { return 3; }
    bool TabZichtbaar(int, int tab) const override { return tab != 1; }
    void KiesTab(int, int tab) override { log << QStringLiteral("Tab %1").arg(tab); }
    void Toon(int) override { log << QStringLiteral("Toon"); }
    void Verberg(int) override { log << QStringLiteral("Verberg"); }
    QStringList log;
};

struct Kanaal {
    const char* naam;
    bool set;
    const char* eenheid;
    int16_t resolutie;
    const char* sensor;
    float extra;
};
struct Temp {
    bool set;
    const char* eenheid;
    int16_t resolutie;
    float extra;
    bool gedeeld, gebruiktGedeeld, handVolgt;
};

} // namespace

// The fixture also answers the message boxes and makes the rack windows.
class RackConfiguratieTest : public SchoneOmgeving, public MeldingVenster, public RackvensterMaker {
protected:
    // The fixture answers the message boxes.
    int Toon(const QString& tekst, int, const QString&) override {
        meldingen << tekst;
        return int(vbOK);
    }
    RackvensterInterface* Maak(int r) override {
        venster.rack = r;
        ZetRackVenster(r, &venster);
        ++aantalGemaakt;
        return &venster;
    }
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        QDir().mkpath(MapConfiguratie);
        QDir().mkpath(MapKalibratie);
        ZetTabelvensterHerstel(&tabel);
        ZetRackvensterMaker(this);
        ZetMeldingVenster(this);
    }
    QString pad() const { return MapConfiguratie + QStringLiteral("/Rack1-F-F-F.rcf"); }
    QByteArray inhoud(const QString& p) const {
        QByteArray b;
        platform::LeesBestand(p, b);
        return b;
    }
    void schrijf(const QByteArray& b) const {
        QFile f(pad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    ModuleRecord& module(int m) { return Racks[2].Modules[m]; }

    // Rack 2, identification 1.F.F.F: a K761 in position 1 and a K762 in position 6.
    void vulBekendRack() {
        RackRecord& r = Racks[2];
        r.Present = true;
        r.Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
        r.Name = QStringLiteral("  Lab bench 2");
        RackVlaggen[2] = RackVlag{true, false, true};
        const Kanaal k761[4] = {{"Buffer tank", true, "pH", 2, "Glass electrode", 0},
                                {"Redox", true, "mV", 1, "", 12.5f},
                                {"Nitrate", true, "g/l", 4, "ISE", -3.5f},
                                {"Oxygen", false, "%", 0, "", 35}};
        const Temp t761[4] = {{true, "°C", 1, 0, false, true, false},
                              {true, "°F", 0, 0, true, false, false},
                              {false, "K", 1, 0, false, false, true},
                              {true, "°C", 1, 0, false, true, false}};
        const Kanaal k762[4] = {{"CH1", true, "S/cm", 3, "", 1},
                                {"CH2", true, "g/l", 2, "", -2},
                                {"CH3", true, "S/cm", 0, "", 0.5f},
                                {"CH4", false, "S/cm", 3, "", 0}};
        const Temp t762[4] = {{true, "°C", 1, 12.3f, false, false, false},
                              {true, "°C", 1, 0, false, false, false},
                              {true, "°C", 1, 0, false, false, false},
                              {true, "°C", 1, 0, false, false, false}};
        vulModule(1, "F.1.2.A", "K761", QStringLiteral("  pH station "), k761, t761);
        vulModule(6, "C.0.0.6", "K762", QStringLiteral("K762(mS/°C)"), k762, t762);
    }
    void vulModule(int m, const char* idno, const char* type, const QString& naam, const Kanaal* k,
                   const Temp* t) {
        ModuleRecord& mod = module(m);
        mod.Present = true;
        mod.Idno = IdnoUitTekst(QString::fromLatin1(idno));
        mod.Type = type;
        mod.Name = naam;
        for (int i = 1; i <= 4; ++i) {
            KanaalRecord& a = mod.Meting[i];
            a.Name = QString::fromUtf8(k[i - 1].naam);
            a.Set = k[i - 1].set;
            a.Unit = QString::fromUtf8(k[i - 1].eenheid);
            a.Resolution = k[i - 1].resolutie;
            a.Sensor = QString::fromUtf8(k[i - 1].sensor);
            a.Extra = k[i - 1].extra;
            KanaalRecord& b = mod.Temperatuur[i];
            b.Set = t[i - 1].set;
            b.Unit = QString::fromUtf8(t[i - 1].eenheid);
            b.Resolution = t[i - 1].resolutie;
            b.Extra = t[i - 1].extra;
            b.Shared = t[i - 1].gedeeld;
            b.UseShared = t[i - 1].gebruiktGedeeld;
            b.ManualFollowsMeasurement = t[i - 1].handVolgt;
        }
    }
    // A rack that is logged on as rack 1 with this file, read at start-up.
    void leesBestand(const char* tekst, int16_t modus = LeesModusOpstarten) {
        schrijf(platform::NaarWindows1252(QString::fromUtf8(tekst)));
        Racks[1].Present = true;
        Racks[1].Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
        EXPECT_TRUE(LeesRackConfiguratie(1, modus));
    }

    OpnameTabelHerstel tabel;
    OpnameRackvenster venster;
    int aantalGemaakt = 0;
    QStringList meldingen;
};

TEST_F(RackConfiguratieTest, WriterGivesTheGoldenFileAndTheLogOnRecord) {
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    QByteArray verwacht;
    ASSERT_TRUE(platform::LeesBestand(QStringLiteral(K740_FILES_DATA "/Rack1-F-F-F.rcf"), verwacht));
    EXPECT_EQ(inhoud(pad()), verwacht);
    EXPECT_TRUE(inhoud(pad()).contains("\r\n[\xb0"
                                       "C1]\r\nSet=True\r\nUnit=\xb0"
                                       "C\r\n"));
    EXPECT_EQ(Racks[2].Name.tekst().left(12), QStringLiteral("Lab bench 2 ")); // stored back trimmed
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack2", "Logon", ""), QStringLiteral("True"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack2", "Identification", ""), QStringLiteral("1.F.F.F"));
    EXPECT_FALSE(QFile::exists(pad() + "bak"));
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(RackConfiguratieTest, ANameTheCodePageLacksIsWrittenWithQuestionMarks) {
    vulBekendRack();
    Racks[2].Name = QString::fromUtf8("\u0141\u00f3d\u017a 2");
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    EXPECT_TRUE(inhoud(pad()).contains("\r\nName=?\xF3"
                                       "d? 2\r\n"));
    EXPECT_FALSE(inhoud(pad()).contains('\x1A'));
}

TEST_F(RackConfiguratieTest, ReadingTheWrittenFileGivesTheSameRecords) {
    vulBekendRack();
    // The calibration files exist already (a first read creates them with channel defaults).
    LaadModuleKalibratie(2, 1, 0);
    LaadModuleKalibratie(2, 6, 0);
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    const RackRecord voor = Racks[2];
    const RackVlag vlaggen = RackVlaggen[2];
    ResetRackModel();
    LeesRackAanmelding();
    const RackRecord& na = Racks[2];
    ASSERT_TRUE(na.Present);
    EXPECT_EQ(na.Idno, voor.Idno);
    EXPECT_EQ(na.Name.tekst(), voor.Name.tekst());
    EXPECT_EQ(RackVlaggen[2].Measure, vlaggen.Measure);
    EXPECT_EQ(RackVlaggen[2].Show, vlaggen.Show);
    EXPECT_EQ(RackVlaggen[2].Table, vlaggen.Table);
    for (int m : {1, 6}) {
        const ModuleRecord& a = voor.Modules[m];
        const ModuleRecord& b = na.Modules[m];
        EXPECT_TRUE(b.Present);
        EXPECT_EQ(b.Idno, a.Idno);
        EXPECT_EQ(b.Type.tekst(), a.Type.tekst());
        EXPECT_EQ(b.Name, a.Name.trimmed());
        for (int i = 1; i <= 4; ++i) {
            SCOPED_TRACE(QStringLiteral("module %1 input %2").arg(m).arg(i).toStdString());
            EXPECT_EQ(b.Meting[i].Name.tekst(), a.Meting[i].Name.tekst());
            EXPECT_EQ(b.Meting[i].Set, a.Meting[i].Set);
            EXPECT_EQ(b.Meting[i].Unit.tekst(), a.Meting[i].Unit.tekst());
            EXPECT_EQ(b.Meting[i].Resolution, a.Meting[i].Resolution);
            EXPECT_EQ(b.Meting[i].Sensor.tekst(), a.Meting[i].Sensor.tekst());
            // The ion blank of a g/l input comes from its calibration file, not from here.
            if (a.Meting[i].Unit.getrimd() != QLatin1String("g/l") || m == 6) {
                EXPECT_FLOAT_EQ(b.Meting[i].Extra, a.Meting[i].Extra);
            }
            EXPECT_EQ(b.Temperatuur[i].Set, a.Temperatuur[i].Set);
            EXPECT_EQ(b.Temperatuur[i].Unit.tekst(), a.Temperatuur[i].Unit.tekst());
            EXPECT_EQ(b.Temperatuur[i].Resolution, a.Temperatuur[i].Resolution);
            EXPECT_EQ(b.Temperatuur[i].Shared, a.Temperatuur[i].Shared);
            EXPECT_EQ(b.Temperatuur[i].UseShared, a.Temperatuur[i].UseShared);
            EXPECT_EQ(b.Temperatuur[i].ManualFollowsMeasurement, a.Temperatuur[i].ManualFollowsMeasurement);
        }
    }
    for (int m : {2, 3, 4, 5, 7})
        EXPECT_FALSE(na.Modules[m].Present) << m;
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(RackConfiguratieTest, EachSaveKeepsOnePreviousVersionAndARackNotPresentKeepsItsFiles) {
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    const QByteArray eerste = inhoud(pad());
    Racks[2].Name = QStringLiteral("Second");
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    EXPECT_EQ(inhoud(pad() + "bak"), eerste);
    const QByteArray tweede = inhoud(pad());
    Racks[2].Name = QStringLiteral("Third");
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    EXPECT_EQ(inhoud(pad() + "bak"), tweede);
    Racks[2].Present = false;
    const QByteArray derde = inhoud(pad());
    ConfiguratieGewijzigd = true;
    EXPECT_TRUE(SchrijfAlleRackConfiguraties());
    EXPECT_FALSE(ConfiguratieGewijzigd);
    EXPECT_EQ(inhoud(pad()), derde);
    EXPECT_EQ(inhoud(pad() + "bak"), tweede);
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack2", "Logon", ""), QStringLiteral("False"));
    EXPECT_EQ(LeesInstelling(AppNaam, "Rack16", "Identification", ""), QStringLiteral("0.0.0.0"));
}

TEST_F(RackConfiguratieTest, AFailedWriteLeavesTheOldConfigurationReadable) {
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    const QByteArray oud = inhoud(pad());
    // Something in the way of the backup: the swap fails after the new text was written.
    ASSERT_TRUE(QDir().mkpath(pad() + "bak/in-the-way"));
    Racks[2].Name = QStringLiteral("Changed");
    ConfiguratieGewijzigd = true;
    EXPECT_FALSE(SchrijfAlleRackConfiguraties());
    EXPECT_TRUE(ConfiguratieGewijzigd); // still unsaved
    ASSERT_EQ(meldingen.size(), 1);
    // The name refused is the backup's.
    EXPECT_EQ(meldingen.at(0),
              pad() + QStringLiteral("bak\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_EQ(inhoud(pad()), oud);
    EXPECT_EQ(QDir(MapConfiguratie).entryList(QDir::Files), QStringList{QStringLiteral("Rack1-F-F-F.rcf")});
    Racks[2].Name = QString();
    EXPECT_TRUE(LeesRackConfiguratie(2, LeesModusHerlezen));
    EXPECT_EQ(Racks[2].Name.getrimd(), QStringLiteral("Lab bench 2"));

    // A configuration folder that cannot exist.
    MapConfiguratie = pad();
    EXPECT_FALSE(SchrijfRackConfiguratie(2));
    EXPECT_EQ(meldingen.size(), 2);
    EXPECT_FALSE(LeesRackConfiguratie(2, LeesModusOpstarten));
}

TEST_F(RackConfiguratieTest, AFullDiskLeavesTheFileAndItsBackupWhole) {
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    const QByteArray eerste = inhoud(pad());
    Racks[2].Name = QStringLiteral("Second");
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    const QByteArray tweede = inhoud(pad());
    // The previous version still fits on the disk, the new one (a long module name) no longer.
    module(1).Name = QString(1000, QLatin1Char('n'));
    ConfiguratieGewijzigd = true;
    bool geschreven = true;
    {
        Bestandsgrens grens(static_cast<rlim_t>(tweede.size() + 16));
        geschreven = SchrijfAlleRackConfiguraties();
    }
    EXPECT_FALSE(geschreven);
    EXPECT_TRUE(ConfiguratieGewijzigd);
    ASSERT_EQ(meldingen.size(), 1);
    // Its path and the system's reason: a full disk is no file in use.
    EXPECT_EQ(meldingen.at(0),
              pad() + QStringLiteral("\r\n\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(inhoud(pad()), tweede);
    EXPECT_EQ(inhoud(pad() + "bak"), eerste);
    EXPECT_EQ(QDir(MapConfiguratie).entryList(QDir::Files),
              (QStringList{QStringLiteral("Rack1-F-F-F.rcf"), QStringLiteral("Rack1-F-F-F.rcfbak")}));
    // The next start reads the whole rack.
    for (int m = 1; m <= 7; ++m)
        module(m).Present = false;
    EXPECT_TRUE(LeesRackConfiguratie(2, LeesModusHerlezen));
    EXPECT_TRUE(module(6).Present);
    EXPECT_EQ(module(1).Name, QStringLiteral("pH station"));
}

TEST_F(RackConfiguratieTest, ASaveStoppedAtAnyStepLeavesTheFileAndItsBackupAndTheNextSaveTidiesUp) {
    vulBekendRack();
    ASSERT_TRUE(SchrijfRackConfiguratie(2));
    for (platform::SchrijfStap bij :
         {platform::SchrijfStap::NieuwGeschreven, platform::SchrijfStap::BackupGemaakt,
          platform::SchrijfStap::BackupVervangen}) {
        SCOPED_TRACE(static_cast<int>(bij));
        ASSERT_TRUE(SchrijfRackConfiguratie(2));
        const QByteArray bestand = inhoud(pad());
        struct Gestopt {};
        platform::ZetSchrijfStapFunctie([bij](platform::SchrijfStap stap) {
            if (stap == bij) throw Gestopt{};
        });
        Racks[2].Name = QStringLiteral("Stopped %1").arg(static_cast<int>(bij));
        EXPECT_THROW(SchrijfRackConfiguratie(2), Gestopt);
        platform::ZetSchrijfStapFunctie(nullptr);
        EXPECT_EQ(inhoud(pad()), bestand);
        EXPECT_FALSE(inhoud(pad() + "bak").isEmpty());
        ASSERT_TRUE(SchrijfRackConfiguratie(2));
        EXPECT_EQ(inhoud(pad() + "bak"), bestand);
        EXPECT_EQ(QDir(MapConfiguratie).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("Rack1-F-F-F.rcf"), QStringLiteral("Rack1-F-F-F.rcfbak")}));
    }
}

TEST_F(RackConfiguratieTest, ReaderAcceptsHandEditedFilesAndSkipsWhatItCannotUse) {
    Racks[1].Modules[2].Meting[1].Sensor = QStringLiteral("kept");
    Racks[1].Modules[2].Meting[1].Resolution = 1;
    leesBestand("[OTHER]\r\nColour=red\r\n[RACK]\r\nNAME=Bench\r\nMEASURE=true\r\nShow=0\r\nTable=maybe\r\n"
                "Present=True\r\nno key here\r\n"
                "[MODULE1]\r\nIdno=F.0.0.1\r\nPresent=-1\r\nName=\r\n"
                "[INPUT1]\r\nName=\r\nUnit=S/cm\r\nResolution=1\r\nExtra=1,50\r\nSet=False\r\n"
                "[INPUT2]\r\nUnit= pH \r\nResolution=3\r\n"
                "[xC2]\r\nUnit=F\r\nShared=TRUE\r\nName=Via temperature\r\nResolution=7\r\n"
                "[INPUT7]\r\nName=Nowhere\r\nUnit=pH\r\n"
                "[MODULE9]\r\nPresent=True\r\nName=Nowhere\r\n"
                "[MODULE2]\r\nIdno=C.0.0.2\r\nPresent=True\r\n[INPUT1]\r\nUnit=g/l\r\nExtra=1.50\r\n");
    const RackRecord& r = Racks[1];
    EXPECT_EQ(r.Name.getrimd(), QStringLiteral("Bench"));
    EXPECT_TRUE(RackVlaggen[1].Measure);
    EXPECT_FALSE(RackVlaggen[1].Show);
    EXPECT_FALSE(RackVlaggen[1].Table);
    EXPECT_TRUE(r.Modules[1].Present);
    EXPECT_EQ(r.Modules[1].Type.tekst(), QStringLiteral("K761"));
    EXPECT_EQ(r.Modules[1].Name, QStringLiteral("Module 1"));
    const KanaalRecord& a = r.Modules[1].Meting[1];
    EXPECT_EQ(a.Name.getrimd(), QStringLiteral("CH1"));
    EXPECT_EQ(a.Unit.getrimd(), QStringLiteral("mV")); // S/cm is no K761 unit: mV, switched on
    EXPECT_TRUE(a.Set);
    EXPECT_EQ(a.Resolution, 1);
    EXPECT_FLOAT_EQ(a.Extra, 1.5f);
    const KanaalRecord& b = r.Modules[1].Meting[2];
    EXPECT_EQ(b.Unit.getrimd(), QStringLiteral("pH"));
    EXPECT_EQ(b.Resolution, 1);
    EXPECT_EQ(b.Name.getrimd(), QStringLiteral("Via temperature"));
    EXPECT_EQ(r.Modules[1].Temperatuur[2].Unit.getrimd(), QStringLiteral("°C"));
    EXPECT_EQ(r.Modules[1].Temperatuur[2].Resolution, 1);
    EXPECT_TRUE(r.Modules[1].Temperatuur[2].Shared);
    EXPECT_FALSE(r.Modules[1].Temperatuur[2].UseShared);
    const KanaalRecord& c = r.Modules[2].Meting[1];
    EXPECT_EQ(r.Modules[2].Type.tekst(), QStringLiteral("K762"));
    EXPECT_EQ(c.Unit.getrimd(), QStringLiteral("g/l"));
    EXPECT_FLOAT_EQ(c.Extra, 1.5f);
    EXPECT_EQ(c.Sensor.getrimd(), QStringLiteral("kept"));
    EXPECT_EQ(c.Resolution, 1);
    for (int m = 3; m <= 7; ++m)
        EXPECT_FALSE(r.Modules[m].Present) << m;
    EXPECT_TRUE(meldingen.isEmpty());
}

// A section numbered 0 names no module or input: its lines change nothing (not the rack's name, not the
// module's). A file cut after a module's "Present=" leaves no module without an identification.
TEST_F(RackConfiguratieTest, ASectionNumberedZeroOrACutFileLeavesNoStrayNameAndNoModuleWithoutAType) {
    leesBestand("[RACK]\r\nName=Bench\r\n"
                "[MODULE1]\r\nIdno=F.0.0.1\r\nPresent=True\r\nName=pH bench\r\n"
                "[INPUT0]\r\nName=Stray\r\n[°C0]\r\nName=Stray too\r\n"
                "[MODULE0]\r\nPresent=True\r\nName=Oxygen\r\n"
                "[MODULEx]\r\nName=Oxygen\r\n"
                "[MODULE3]\r\nPresent=True\r\n");
    const RackRecord& r = Racks[1];
    EXPECT_EQ(r.Name.getrimd(), QStringLiteral("Bench"));
    EXPECT_EQ(r.Modules[1].Name, QStringLiteral("pH bench"));
    EXPECT_EQ(r.Modules[1].Type.tekst(), QStringLiteral("K761"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_NE(r.Modules[1].Meting[i].Name.getrimd(), QStringLiteral("Stray")) << i;
    EXPECT_FALSE(r.Modules[3].Present);
    for (int m = 1; m <= 7; ++m) {
        if (r.Modules[m].Present) {
            EXPECT_NE(r.Modules[m].Type.tekst().trimmed(), QString()) << m;
        }
    }
    EXPECT_EQ(r.Modules[3].Type.tekst(), QStringLiteral("    "));

    // The names-only reader takes the same sections.
    Racks[1].Name = QStringLiteral("Bench");
    LeesRackNamen(1);
    EXPECT_EQ(r.Name.getrimd(), QStringLiteral("Bench"));
    EXPECT_EQ(r.Modules[1].Name, QStringLiteral("pH bench"));
}

TEST_F(RackConfiguratieTest, AbsurdNumbersLoadAsTheDefaultsOfTheirRange) {
    leesBestand("[RACK]\r\nIdno=1.F.F.F\r\n"
                "[MODULE1]\r\nIdno=F.1.2.3\r\nPresent=True\r\n"
                "[INPUT1]\r\nUnit=%\r\nExtra=-1000000\r\n"
                "[INPUT2]\r\nUnit=mg/l\r\nExtra=1e39\r\nResolution=99999999999\r\n"
                "[INPUT3]\r\nUnit=mg/l\r\nExtra=12,5\r\n"
                "[INPUT4]\r\nUnit=pH\r\nExtra=1e999\r\n"
                "[\xc2\xb0"
                "C4]\r\nExtra=-1e40\r\n"
                "[MODULE6]\r\nIdno=C.0.0.6\r\nPresent=True\r\n[INPUT1]\r\nUnit=S/cm\r\nExtra=-1e30\r\n");
    const ModuleRecord& k761 = Racks[1].Modules[1];
    EXPECT_FLOAT_EQ(k761.Meting[1].Extra, 0.0f); // a salinity below 0 g/kg
    EXPECT_FLOAT_EQ(k761.Meting[2].Extra, 0.0f); // no single holds it
    EXPECT_EQ(k761.Meting[2].Resolution, 0);
    EXPECT_FLOAT_EQ(k761.Meting[3].Extra, 12.5f);
    EXPECT_FLOAT_EQ(k761.Meting[4].Extra, 0.0f);
    EXPECT_FLOAT_EQ(k761.Temperatuur[4].Extra, 0.0f);
    EXPECT_FLOAT_EQ(Racks[1].Modules[6].Meting[1].Extra, 0.0f);
    for (int c = 1; c <= 4; ++c)
        EXPECT_TRUE(std::isfinite(k761.Meting[c].Extra)) << c;
}

TEST_F(RackConfiguratieTest, ALogOnReadKeepsTheLogOnDataAndAReReadRestoresNoWindows) {
    ModuleRecord& mod = Racks[1].Modules[1];
    mod.Present = true;
    mod.Idno = IdnoUitTekst(QStringLiteral("F.0.0.1"));
    mod.Type = "K761";
    mod.Meting[1].Set = true;
    RackVlaggen[1] = RackVlag{false, false, true};
    const char* tekst = "[RACK]\r\nIdno=1.2.3.4\r\nMeasure=False\r\nShow=False\r\nTable=False\r\n"
                        "[MODULE1]\r\nIdno=C.0.0.1\r\nPresent=False\r\nName=Tank\r\n"
                        "[INPUT1]\r\nSet=False\r\nUnit=pH\r\nName=Inlet\r\n";
    BewaarInstelling(AppNaam, "Measurement1", "Top", "300"); // a place saved with the settings
    leesBestand(tekst, LeesModusAanmelding);
    EXPECT_EQ(Racks[1].Idno, IdnoUitTekst(QStringLiteral("1.F.F.F")));
    EXPECT_EQ(mod.Idno, IdnoUitTekst(QStringLiteral("F.0.0.1")));
    EXPECT_TRUE(mod.Present);
    EXPECT_TRUE(mod.Meting[1].Set);
    EXPECT_EQ(mod.Meting[1].Unit.getrimd(), QStringLiteral("pH"));
    EXPECT_EQ(mod.Meting[1].Name.getrimd(), QStringLiteral("Inlet"));
    EXPECT_EQ(mod.Name, QStringLiteral("Tank"));
    EXPECT_TRUE(RackVlaggen[1].Measure);
    EXPECT_TRUE(RackVlaggen[1].Show);
    EXPECT_TRUE(RackVlaggen[1].Table);
    EXPECT_EQ(aantalGemaakt, 1);
    EXPECT_EQ(venster.aantalKeerGetoond, 1);
    EXPECT_EQ(venster.positieSecties, QStringList{QStringLiteral("Measurement1")});

    tabel.log.clear();
    venster.positieSecties.clear();
    leesBestand(tekst, LeesModusHerlezen);
    EXPECT_TRUE(RackVlaggen[1].Show); // the value is ignored
    EXPECT_FALSE(RackVlaggen[1].Table);
    EXPECT_FALSE(mod.Present);
    EXPECT_EQ(tabel.log, QStringList{QStringLiteral("Maak 1")});
    EXPECT_TRUE(venster.positieSecties.isEmpty());
}

TEST_F(RackConfiguratieTest, AMissingFileCountsAsNotLoggedOnButStillLoadsCalibrationsAndTheTable) {
    BewaarInstelling(AppNaam, "Rack3", "Logon", "True");
    BewaarInstelling(AppNaam, "Rack3", "Identification", "1.0.0.3");
    LeesRackAanmelding();
    EXPECT_FALSE(Racks[3].Present);
    EXPECT_EQ(Racks[3].Idno, 0x01000003);
    for (int r = 1; r <= 16; ++r)
        if (r != 3) {
            EXPECT_FALSE(Racks[r].Present) << r;
        }
    EXPECT_EQ(tabel.log.first(), QStringLiteral("Maak 3"));
    EXPECT_EQ(tabel.log.last(), QStringLiteral("Verberg"));

    Racks[3].Modules[1].Type = "K761";
    EXPECT_FALSE(LeesRackConfiguratie(3, LeesModusAanmelding));
    EXPECT_TRUE(QFile::exists(MapKalibratie + QStringLiteral("/Rack1-0-0-3-M1.cal")));
    LeesRackNamen(3);
    EXPECT_EQ(aantalGemaakt, 0);
    EXPECT_TRUE(meldingen.isEmpty());
}

TEST_F(RackConfiguratieTest, DemonstrationSetUpWithoutAFile) {
    Demo = true;
    BewaarInstelling(AppNaam, "Rack2", "Logon", "True"); // not read in simulation
    LeesRackAanmelding();
    ASSERT_TRUE(Racks[1].Present);
    EXPECT_FALSE(Racks[2].Present);
    EXPECT_EQ(IdnoAlsTekst(Racks[1].Idno), QStringLiteral("1.F.F.F"));
    EXPECT_EQ(Racks[1].Name.getrimd(), QStringLiteral("Rack 1.F.F.F"));
    for (int m = 1; m <= 7; ++m) {
        const ModuleRecord& mod = Racks[1].Modules[m];
        EXPECT_TRUE(mod.Present);
        EXPECT_EQ(mod.Meting[4].Name.getrimd(), QStringLiteral("CH4"));
        EXPECT_EQ(mod.Type.tekst(), m <= 5 ? QStringLiteral("K761") : QStringLiteral("K762"));
        EXPECT_EQ(mod.Name, m <= 5 ? QStringLiteral("K761(mV/°C)") : QStringLiteral("K762(mS/°C)"));
        EXPECT_TRUE(QFile::exists(MapKalibratie + QStringLiteral("/Rack1-F-F-F-M%1.cal").arg(m)));
    }
}

TEST_F(RackConfiguratieTest, NamesReaderTakesOnlyNamesAndShow) {
    Racks[1].Idno = IdnoUitTekst(QStringLiteral("1.F.F.F"));
    Racks[1].Modules[1].Meting[1].Unit = QStringLiteral("mV");
    schrijf(platform::NaarWindows1252(
        QString::fromUtf8("[RACK]\r\nName=Bench\r\nShow=True\r\nMeasure=False\r\n[MODULE1]\r\nName=\r\n["
                          "INPUT1]\r\nName=Inlet\r\n"
                          "Unit=pH\r\n[°C2]\r\nName=Outlet\r\n[xC3]\r\nName=Not a temperature section\r\n")));
    venster.status = 2;
    LeesRackNamen(1);
    const ModuleRecord& mod = Racks[1].Modules[1];
    EXPECT_EQ(Racks[1].Name.getrimd(), QStringLiteral("Bench"));
    EXPECT_TRUE(mod.Name.isEmpty()); // no default name here
    EXPECT_EQ(mod.Meting[1].Unit.getrimd(), QStringLiteral("mV"));
    EXPECT_EQ(mod.Meting[1].Name.getrimd(), QStringLiteral("Inlet"));
    // "[°C2]" selects input 2; "[xC3]" is no section here, so its name still goes to input 2.
    EXPECT_EQ(mod.Meting[2].Name.getrimd(), QStringLiteral("Not a temperature section"));
    EXPECT_EQ(mod.Meting[3].Name.getrimd(), QString());
    EXPECT_FALSE(RackVlaggen[1].Measure);
    EXPECT_EQ(venster.status, 0);
    EXPECT_EQ(venster.aantalInstellenControls, 1);
    EXPECT_EQ(venster.aantalKeerGetoond, 1);

    schrijf("[RACK]\r\nShow=False\r\n");
    LeesRackNamen(1);
    EXPECT_EQ(venster.aantalKeerOntladen, 1);
    EXPECT_EQ(RackVenster(1), nullptr);
}

TEST_F(RackConfiguratieTest, StartUpRestoresTheTableWindowAndTheRackWindowInOrder) {
    BewaarInstelling(AppNaam, "Table1", "Tab", "2");
    BewaarInstelling(AppNaam, "Measurement1", "Top", "300"); // a place saved with the settings
    leesBestand("[RACK]\r\nShow=True\r\nTable=True\r\n");
    QStringList verwacht{QStringLiteral("Maak 1"), QStringLiteral("StelTabelIn 1"),
                         QStringLiteral("Positie Table1")};
    for (int m = 1; m <= 7; ++m)
        verwacht << QStringLiteral("Font Table1M%1Font").arg(m)
                 << QStringLiteral("Breedte Table1M%1Colwidth").arg(m);
    verwacht << QStringLiteral("Toon") << QStringLiteral("Tab 2");
    EXPECT_EQ(tabel.log, verwacht);
    EXPECT_EQ(venster.positieSecties, QStringList{QStringLiteral("Measurement1")});
    EXPECT_EQ(venster.aantalInstellenControls, 2); // after the read and after the placement
    EXPECT_EQ(venster.aantalKeerGetoond, 1);
    // Without a saved place the window keeps the one it was given.
    venster.positieSecties.clear();
    BewaarInstelling(AppNaam, "Measurement1", "Top", "");
    leesBestand("[RACK]\r\nShow=True\r\n");
    EXPECT_TRUE(venster.positieSecties.isEmpty());
    for (const char* tab : {"1", "3", "-1"}) { // hidden, beyond the tabs, negative: no selection
        tabel.log.clear();
        BewaarInstelling(AppNaam, "Table1", "Tab", tab);
        leesBestand("[RACK]\r\nTable=True\r\n");
        EXPECT_EQ(tabel.log.last(), QStringLiteral("Toon")) << tab;
    }
}
