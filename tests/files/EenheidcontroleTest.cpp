#include "files/Eenheidcontrole.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <tuple>

class EenheidcontroleTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        module(1).Type = "K761";
        module(2).Type = "K762";
        module(3).Type = "----";
        module(3).Present = true;
        for (int m = 1; m <= 2; ++m)
            for (int c = 1; c <= 4; ++c)
                Racks[1].Modules[m].Temperatuur[c].Unit = QStringLiteral("°C");
    }
    ModuleRecord& module(int m) { return Racks[1].Modules[m]; }
    KanaalRecord& meting(int m, int c) { return Racks[1].Modules[m].Meting[c]; }
    KanaalRecord& temperatuur(int m, int c) { return Racks[1].Modules[m].Temperatuur[c]; }
    void zet(int m, int c, const char* eenheid, int16_t resolutie, float extra) {
        meting(m, c).Unit = QString::fromUtf8(eenheid);
        meting(m, c).Resolution = resolutie;
        meting(m, c).Extra = extra;
    }
};

TEST_F(EenheidcontroleTest, UnitsOutsideTheModelAreReplacedAndTrimmed) {
    zet(1, 1, "S/cm", 0, 0);
    zet(1, 2, " pH ", 1, 0);
    zet(2, 1, "S/cm", 0, 0);
    zet(2, 2, "pH", 0, 0);
    temperatuur(1, 1).Unit = QStringLiteral("F");
    temperatuur(1, 2).Unit = QStringLiteral("K");
    temperatuur(4, 1).Unit = QStringLiteral("x"); // an empty position still has its temperature checked
    ControleerEenheden(1);
    EXPECT_EQ(meting(1, 1).Unit.tekst(), QStringLiteral("mV      "));
    EXPECT_TRUE(meting(1, 1).Set);
    EXPECT_EQ(meting(1, 2).Unit.tekst(), QStringLiteral("pH      "));
    EXPECT_FALSE(meting(1, 2).Set);
    EXPECT_EQ(meting(2, 1).Unit.getrimd(), QStringLiteral("S/cm"));
    EXPECT_FALSE(meting(2, 1).Set);
    EXPECT_EQ(meting(2, 2).Unit.getrimd(), QStringLiteral("S/cm"));
    EXPECT_TRUE(meting(2, 2).Set);
    EXPECT_EQ(temperatuur(1, 1).Unit.getrimd(), QStringLiteral("°C"));
    EXPECT_EQ(temperatuur(1, 2).Unit.getrimd(), QStringLiteral("K"));
    EXPECT_EQ(temperatuur(4, 1).Unit.getrimd(), QStringLiteral("°C"));
    EXPECT_FALSE(module(3).Present); // unrecognised module kind
}

TEST_F(EenheidcontroleTest, ResolutionsAndExtrasAreForcedIntoTheirRanges) {
    zet(1, 1, "pH", 3, 0);
    zet(1, 2, "mV", 2, 41);
    zet(1, 3, "g/l", 26, -20);
    zet(1, 4, "%", 1, 99);
    zet(2, 1, "S/cm", -1, 1.7f);
    zet(2, 2, "g/l", 4, 2);
    zet(2, 3, "S/cm", 2, -2.5f);
    zet(2, 4, "°C", 9, 7);
    temperatuur(1, 1).Resolution = 2;
    temperatuur(1, 2).Resolution = 0;
    ControleerEenheden(1);
    EXPECT_EQ(meting(1, 1).Resolution, 1);
    EXPECT_EQ(meting(1, 2).Resolution, 0);
    EXPECT_FLOAT_EQ(meting(1, 2).Extra, 0);
    EXPECT_EQ(meting(1, 3).Resolution, 0);
    EXPECT_FLOAT_EQ(meting(1, 3).Extra, -12);
    EXPECT_EQ(meting(1, 4).Resolution, 1);
    EXPECT_FLOAT_EQ(meting(1, 4).Extra, 99); // a salinity above 40 g/kg, as the module settings keep it
    EXPECT_EQ(meting(2, 1).Resolution, 3);
    EXPECT_FLOAT_EQ(meting(2, 1).Extra, 1.7f);
    EXPECT_EQ(meting(2, 2).Resolution, 3);
    EXPECT_FLOAT_EQ(meting(2, 2).Extra, 0);
    EXPECT_EQ(meting(2, 3).Resolution, 2);
    EXPECT_FLOAT_EQ(meting(2, 3).Extra, 0); // integer part -3
    EXPECT_EQ(meting(2, 4).Resolution, 9);
    EXPECT_FLOAT_EQ(meting(2, 4).Extra, 7);
    EXPECT_EQ(temperatuur(1, 1).Resolution, 1);
    EXPECT_EQ(temperatuur(1, 2).Resolution, 0);
    zet(1, 3, "g/l", 25, 0.5f);
    ControleerExtra(1, 1, 3);
    EXPECT_FLOAT_EQ(meting(1, 3).Extra, 0);
    meting(1, 3).Extra = -3.5f;
    ControleerExtra(1, 1, 3);
    EXPECT_FLOAT_EQ(meting(1, 3).Extra, -3.5f);
    // The salinity of an oxygen input: what the module settings stored, above 40 g/kg too; a negative
    // one is fresh water.
    for (const auto& [eenheid, extra, blijft] :
         {std::tuple{"%", -1e6f, 0.0f}, std::tuple{"mg/l", 40.0f, 40.0f}, std::tuple{"%", 35.5f, 35.5f},
          std::tuple{"mg/l", -0.1f, 0.0f}, std::tuple{"%", 45.0f, 45.0f}, std::tuple{"mV", 40.01f, 0.0f}}) {
        zet(1, 4, eenheid, 0, extra);
        ControleerExtra(1, 1, 4);
        EXPECT_FLOAT_EQ(meting(1, 4).Extra, blijft) << eenheid << " " << extra;
    }
    EXPECT_EQ(meting(1, 3).Resolution, 25);
}

TEST_F(EenheidcontroleTest, DisplayNames) {
    EXPECT_EQ(KanaalNaam(3, QString()), QStringLiteral("CH3"));
    EXPECT_EQ(KanaalNaam(3, QStringLiteral("   ")), QString());
    EXPECT_EQ(ModuleNaam(5, QString()), QStringLiteral("Module 5"));
    EXPECT_EQ(ModuleNaam(5, QStringLiteral("  Tank ")), QStringLiteral("Tank"));
}

TEST_F(EenheidcontroleTest, CalibrationLoadAndStoreGoByModel) {
    MapKalibratie = tijdelijkeMap();
    Racks[1].Idno = 0x01000000;
    for (int m = 1; m <= 4; ++m)
        LaadModuleKalibratie(1, m, 0);
    EXPECT_TRUE(QFile::exists(tijdelijkeMap() + QStringLiteral("/Rack1-0-0-0-M1.cal")));
    EXPECT_TRUE(QFile::exists(tijdelijkeMap() + QStringLiteral("/Rack1-0-0-0-M2.cal")));
    EXPECT_EQ(QDir(tijdelijkeMap()).entryList({QStringLiteral("*.cal")}).size(), 2);
    zet(2, 1, "S/cm", 0, 0);
    KalibratieRecord r;
    r.Helling = 1.2f;
    BewaarModuleKalibratie(1, 2, 1, r, false);
    LaadModuleKalibratie(1, 2, 1);
    EXPECT_FLOAT_EQ(meting(2, 1).Scale, 1.2f);
}
