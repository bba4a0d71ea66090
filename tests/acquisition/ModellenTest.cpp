#include "acquisition/Modellen.h"
#include "SchoneOmgeving.h"
#include "acquisition/Kanaalteksten.h"

#include <gtest/gtest.h>

class ModellenTest : public SchoneOmgeving {};

TEST_F(ModellenTest, AModuleIsKnownByTheNameItsRecordHolds) {
    Racks[1].Modules[1].Type = QStringLiteral("K761");
    Racks[1].Modules[2].Type = QStringLiteral("K762");
    Racks[1].Modules[3].Type = QStringLiteral("----");
    EXPECT_EQ(ModelVan(1, 1).type, Modeltype::K761);
    EXPECT_EQ(ModelVan(1, 2).type, Modeltype::K762);
    EXPECT_EQ(ModelVan(1, 3).type, Modeltype::Geen);
    EXPECT_EQ(ModelVan(1, 4).type, Modeltype::Geen); // an empty slot
    EXPECT_EQ(ModelVan(0, 1).type, Modeltype::Geen);
    EXPECT_EQ(ModelVan(1, 8).type, Modeltype::Geen);
    // A name given as text stands as it is.
    EXPECT_EQ(ModelMetNaam(QStringLiteral("K762")).type, Modeltype::K762);
    EXPECT_EQ(ModelMetNaam(QStringLiteral("K762 ")).type, Modeltype::Geen);
    EXPECT_EQ(ModelMetNaam(QStringLiteral("K7612")).type, Modeltype::Geen);
    EXPECT_EQ(ModelMetType(Modeltype::K761).Naam(), QStringLiteral("K761"));
    EXPECT_EQ(ModelMetType(Modeltype::Geen).Naam(), QStringLiteral("----"));
}

TEST_F(ModellenTest, AModuleOfNoModelHasNoUnitsTextsOrCalibration) {
    ModuleRecord& module = Racks[1].Modules[3];
    Racks[1].Present = module.Present = true;
    module.Type = QStringLiteral("----");
    module.Meting[1].Unit = QStringLiteral("mV");
    const Model& model = ModelVan(module);
    EXPECT_TRUE(model.Eenheden().isEmpty());
    EXPECT_FALSE(model.HeeftEenheid(QStringLiteral("mV")));
    EXPECT_EQ(model.Eenheid(QStringLiteral("mV")).kalibratiesoort, 0);
    EXPECT_EQ(MeetwaardeTekst(1, 3, 1), QString());
    EXPECT_EQ(EenheidTekst(1, 3, 1), QString());
    Handwaarden hand{};
    EXPECT_FALSE(model.laadKalibratie(1, 3, 0, module, hand));
    KalibratieRecord record;
    EXPECT_FALSE(model.bewaarKalibratie(1, 3, 1, module, record, false));
}
