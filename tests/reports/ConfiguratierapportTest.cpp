#include "reports/Configuratierapport.h"
#include "Rapportsysteem.h"
#include "SchoneOmgeving.h"

#include <QDir>

namespace {

class ConfiguratierapportTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        VulRapportsysteem(QDir(tijdelijkeMap()).filePath(QStringLiteral("Calibration")));
        ModuleRecord& ph = Racks[1].Modules[1];
        ph.Meting[1].KalibratieDatum = platform::MaakDatum(2026, 1, 12, 9, 30, 0);
        ph.Meting[3].KalibratieDatum = platform::MaakDatum(2025, 12, 24);
        Racks[1].Modules[3].Meting[1].KalibratieDatum = platform::MaakDatum(2026, 1, 2, 8, 0, 0);
        Racks[1].Modules[3].Meting[1].KalibratieInfo = 0; // calibrated with the cell type set now
    }
    static QStringList Rij(const Raster& r, int rij) {
        QStringList uit;
        for (int k = 0; k < r.AantalKolommen(); ++k)
            uit << r.CelTekst(rij, k);
        return uit;
    }
    static QStringList Kolom(const Raster& r, int k) {
        QStringList uit;
        for (int rij = 1; rij < r.AantalRijen(); ++rij)
            uit << r.CelTekst(rij, k);
        return uit;
    }
    static QString Status(int m, int c) {
        return VulConfiguratieTabel().raster.CelTekst((m == 1 ? 0 : 4) + c, 11);
    }
};

TEST_F(ConfiguratierapportTest, OneRowPerInputWithItsSettingsDateAndStatus) {
    const Configuratietabel t = VulConfiguratieTabel();
    const Raster& r = t.raster;
    ASSERT_EQ(r.AantalRijen(), 9);
    EXPECT_EQ(Rij(r, 0), QStringList({"Rack", "ID.no.", "Module", "ID.no.", "Type", "Input", "Enabled",
                                      "Unit", "Sensor", "Type", "Calibration", "Status", "Info"}));
    EXPECT_EQ(Rij(r, 1), QStringList({"Line A", "1.0.0.3", "pH bench", "F.0.0.11", "K761", "Tank A", Vinkje,
                                      "pH", "HA405-DXK", "pH", "12/01/2026 09:30:00", "", ""}));
    // An mV input needs no calibration; a calibration at midnight shows its date alone.
    EXPECT_EQ(Rij(r, 2).mid(9, 3), QStringList({"ORP", "", ""}));
    EXPECT_EQ(Rij(r, 3).mid(10), QStringList({"24/12/2025", "", "Ion: Cl"}));
    // A disabled input: rack, module and input only.
    EXPECT_EQ(Rij(r, 4), QStringList({"Line A", "1.0.0.3", "pH bench", "F.0.0.11", "K761", "Spare", "", "",
                                      "", "", "", "", ""}));
    EXPECT_EQ(Rij(r, 5).mid(5),
              QStringList({"Feed", Vinkje, "S/cm", "", "EC", "02/01/2026 08:00:00", "", ""}));
    EXPECT_EQ(Rij(r, 6).mid(5, 2), QStringList({"EC 2", ""}));
    EXPECT_EQ(r.KolomUitlijning(KolomIngeschakeld), UitlijningMidden);
    EXPECT_EQ(r.KolomUitlijning(KolomKalibratie), UitlijningRechts);
    EXPECT_EQ(r.KolomBreedte(KolomKalibratie), 1750);
    EXPECT_EQ(t.eersteIngang, (Kanaalkeuze{1, 1, 1}));

    // The GLP tab opens on the first input in use; a disabled input is never it.
    Racks[1].Modules[1].Meting[1].Set = false;
    EXPECT_EQ(VulConfiguratieTabel().eersteIngang, (Kanaalkeuze{1, 1, 2}));
    // Oxygen: the salinity.
    Racks[1].Modules[1].Meting[4] = Racks[1].Modules[1].Meting[2];
    Racks[1].Modules[1].Meting[4].Unit = QStringLiteral("mg/l");
    Racks[1].Modules[1].Meting[4].Extra = 3.45f;
    EXPECT_EQ(VulConfiguratieTabel().raster.CelTekst(4, KolomStatus), QStringLiteral("Salinity = 3.5 g/kg"));
}

TEST_F(ConfiguratierapportTest, ADisabledRackWinsOverASilentModuleOverRangeFaultsOverAMissingCalibration) {
    ModuleRecord& ph = Racks[1].Modules[1];
    ph.Meting[1].KalibratieDatum = 0;
    EXPECT_EQ(Status(1, 1), QStringLiteral("Calibration required!"));
    ph.Meting[1].Flags = VlagOnderBereik;
    EXPECT_EQ(Status(1, 1), QStringLiteral("Out of range!"));
    ph.Meting[1].Flags |= VlagTemperatuurTeHoog;
    EXPECT_EQ(Status(1, 1), QString::fromUtf8("°C Out of range!"));
    ph.GeenAntwoordTeller = 2;
    EXPECT_EQ(Status(1, 1), QStringLiteral("Module is not responding!"));
    RackVlaggen[1].Measure = false;
    EXPECT_EQ(Status(1, 1), QStringLiteral("Rack disabled!"));
    EXPECT_EQ(Status(3, 1), QStringLiteral("Rack disabled!"));
    // A K762 calibrated with another cell type than the one set now needs a new calibration.
    RackVlaggen[1].Measure = true;
    Racks[1].Modules[3].Meting[1].KalibratieDatum = 0;
    Racks[1].Modules[3].Meting[1].Extra = 1;
    EXPECT_EQ(Status(3, 1), QStringLiteral("Calibration required!"));
}

TEST_F(ConfiguratierapportTest, AHeaderClickSortsAndASecondClickTurnsTheDirection) {
    Raster r = VulConfiguratieTabel().raster;
    Sorteertoestand s;
    // Right after the fill the last column counts as sorted: a first click on "Info" sorts descending.
    KlikKolomKop(r, s, KolomStatus);
    EXPECT_EQ(r.CelTekst(0, KolomStatus), QStringLiteral("Info \\/"));
    EXPECT_EQ(r.CelTekst(1, KolomStatus), QStringLiteral("Ion: Cl"));

    KlikKolomKop(r, s, 5);
    EXPECT_EQ(r.CelTekst(0, KolomStatus), QStringLiteral("Info"));
    EXPECT_EQ(r.CelTekst(0, 5), QStringLiteral("Input /\\"));
    EXPECT_EQ(Kolom(r, 5),
              QStringList({"Chloride", "EC 2", "EC 3", "EC 4", "Feed", "ORP", "Spare", "Tank A"}));
    KlikKolomKop(r, s, 5);
    EXPECT_EQ(r.CelTekst(0, 5), QStringLiteral("Input \\/"));
    EXPECT_EQ(Kolom(r, 5).first(), QStringLiteral("Tank A"));
    // Whole rows move.
    EXPECT_EQ(Rij(r, 1).mid(2, 4), QStringList({"pH bench", "F.0.0.11", "K761", "Tank A"}));

    // Equal keys are ordered by the columns to the right, case-insensitively.
    Racks[1].Modules[1].Meting[2].Name = QStringLiteral("orp");
    Racks[1].Modules[1].Meting[4].Name = QStringLiteral("Acid");
    r = VulConfiguratieTabel().raster;
    s = Sorteertoestand{};
    KlikKolomKop(r, s, 4);
    EXPECT_EQ(Kolom(r, 5),
              QStringList({"Acid", "Chloride", "orp", "Tank A", "EC 2", "EC 3", "EC 4", "Feed"}));
}

TEST_F(ConfiguratierapportTest, TheCalibrationColumnSortsByDateWithEmptyDatesFirst) {
    Raster r = VulConfiguratieTabel().raster;
    Sorteertoestand s;
    KlikKolomKop(r, s, KolomKalibratie);
    EXPECT_EQ(r.CelTekst(0, KolomKalibratie), QStringLiteral("Calibration /\\"));
    // Empty dates first, in their order; then 24/12/2025 (which sorts after 12/01/2026 as text).
    EXPECT_EQ(Kolom(r, 5),
              QStringList({"ORP", "Spare", "EC 2", "EC 3", "EC 4", "Chloride", "Feed", "Tank A"}));
    KlikKolomKop(r, s, KolomKalibratie);
    EXPECT_EQ(r.CelTekst(0, KolomKalibratie), QStringLiteral("Calibration \\/"));
    EXPECT_EQ(Kolom(r, 5),
              QStringList({"Tank A", "Feed", "Chloride", "ORP", "Spare", "EC 2", "EC 3", "EC 4"}));
}

} // namespace
