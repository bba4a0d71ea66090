#include "files/Tijdbasis.h"
#include "OpnameTabelvenster.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

class TijdbasisTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        venster.ZetRi(3);
        TabelVensters.Zet(3, &venster);
    }
    // Writes the cells of `tijd` into row `rij` of module 2 and reads the row's time back.
    platform::Datum HeenEnTerug(platform::Datum tijd, int32_t rij = 1) {
        const TijdCellen cellen = TijdCellenVan(tijd);
        venster.ZetCelTekst(2, rij, KolomDatum, cellen.kolom1);
        venster.ZetCelTekst(2, rij, KolomTijd, cellen.kolom2);
        return TijdVanRij(3, 2, rij);
    }
    static qint64 Seconden(platform::Datum d) { return std::llround(d * 86400.0); }
    static constexpr double Dag = 1.0, Uur = 1.0 / 24, Minuut = 1.0 / 1440, Seconde = 1.0 / 86400;
    OpnameTabelvenster venster;
    const platform::Datum nul = platform::MaakDatum(2026, 3, 10, 12, 0, 0);
};

TEST_F(TijdbasisTest, RelativeCellsCarryTheSignInBothColumnsAndConvertBack) {
    RelatieveTijd = true;
    TijdBasis = nul;
    struct Geval {
        double verschil;
        const char* kolom1;
        const char* kolom2;
    };
    const Geval gevallen[] = {
        {Dag + Uur + Minuut + Seconde, "+1", "+01:01:01"},
        {0, "+0", "+00:00:00"},
        {-(Dag + Uur + Minuut + Seconde), "-1", "-01:01:01"},
        {-59 * Seconde, "-0", "-00:00:59"},
        {Dag, "+1", "+00:00:00"},
        {123 * Dag + 23 * Uur + 59 * Minuut + 59 * Seconde, "+123", "+23:59:59"},
    };
    for (const Geval& g : gevallen) {
        const TijdCellen cellen = TijdCellenVan(nul + g.verschil);
        EXPECT_EQ(cellen.kolom1, g.kolom1);
        EXPECT_EQ(cellen.kolom2, g.kolom2);
        EXPECT_EQ(Seconden(HeenEnTerug(nul + g.verschil)), Seconden(nul + g.verschil)) << g.kolom2;
    }
    // A fraction of a second is dropped, as the clock form drops it.
    EXPECT_EQ(TijdCellenVan(nul + 2.6 * Seconde).kolom2, "+00:00:02");
}

TEST_F(TijdbasisTest, ClockFormWhenRelativeTimeIsOffOrHasNoZero) {
    const platform::Datum t = nul + 5 * Minuut + 7 * Seconde;
    EXPECT_EQ(TijdCellenVan(t).kolom1, "10/03/2026");
    EXPECT_EQ(TijdCellenVan(t).kolom2, "12:05:07");
    EXPECT_EQ(Seconden(HeenEnTerug(t)), Seconden(t));

    RelatieveTijd = true;
    TijdBasis = 0;
    EXPECT_EQ(TijdCellenVan(t).kolom2, "12:05:07");
}

TEST_F(TijdbasisTest, RowsOfALoadGetTheTimeCellsEachRowWouldGetAlone) {
    for (const QLocale& taal :
         {QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::Dutch), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        QLocale::setDefault(taal);
        RelatieveTijd = false;
        TijdBasis = 0;
        TijdcelOpmaak opmaak;
        // Across midnight and a new year, a time twice, a fraction of a second, a day before 1900.
        std::vector<platform::Datum> tijden;
        const platform::Datum begin = platform::MaakDatum(2026, 12, 31, 23, 59, 57);
        for (int s = 0; s < 5; ++s)
            tijden.push_back(begin + s * Seconde);
        tijden.push_back(tijden.back());
        tijden.push_back(begin + 0.4 * Seconde);
        tijden.push_back(platform::MaakDatum(1899, 12, 29, 9, 5, 7));
        tijden.push_back(platform::MaakDatum(2026, 3, 10, 0, 0, 0));
        for (const platform::Datum t : tijden) {
            const TijdCellen& cellen = opmaak.Cellen(t);
            EXPECT_EQ(cellen.kolom1, TijdCellenVan(t).kolom1) << taal.name().toStdString();
            EXPECT_EQ(cellen.kolom2, TijdCellenVan(t).kolom2) << taal.name().toStdString();
            // Either cell keeps the time, as text and as the bytes a table window gives.
            const QByteArray datum = cellen.kolom1.toUtf8();
            EXPECT_FALSE(ZonderTijd(std::string_view(datum.constData(), static_cast<size_t>(datum.size())),
                                    std::string_view()))
                << taal.name().toStdString();
            EXPECT_FALSE(ZonderTijd(QStringView(), cellen.kolom2)) << taal.name().toStdString();
        }
        // Relative time takes over as soon as it has its zero.
        RelatieveTijd = true;
        TijdBasis = nul;
        EXPECT_EQ(opmaak.Cellen(nul + Minuut).kolom2, "+00:01:00");
        RelatieveTijd = false;
        EXPECT_EQ(opmaak.Cellen(nul + Minuut).kolom2, TijdCellenVan(nul + Minuut).kolom2);
    }
    // White space alone is no time, also beyond ASCII.
    EXPECT_TRUE(ZonderTijd(std::string_view("\xC2\xA0 \r\n"), std::string_view("\t\xE3\x80\x80")));
    EXPECT_TRUE(ZonderTijd(QStringView(u"\u00A0 "), QStringView(u"\u3000")));
    EXPECT_FALSE(ZonderTijd(std::string_view(" \xC2\xA0"), std::string_view("\xD9\xA3")));
}

TEST_F(TijdbasisTest, TableWindowsAreMadeWhenFirstNeeded) {
    // Without a window and without a maker there is no time and nothing breaks.
    EXPECT_EQ(TijdVanRij(5, 1, 1), 0);
    OpnameTabelvensterMaker maker;
    ZetTabelvensterMaker(&maker);
    EXPECT_EQ(TijdVanRij(5, 1, 1), 0);
    ASSERT_NE(TabelVensters[5], nullptr);
    EXPECT_EQ(TabelVensters[5]->Ri(), 5);
    EXPECT_EQ(TabelVensters.Maak(5), maker.vensters.at(5).get());
    EXPECT_EQ(maker.gemaakt, std::vector<int>{5});
    EXPECT_EQ(TabelVensters.Maak(17), nullptr);
    EXPECT_EQ(InfoKolom(5, 1), KolomInfo);
}

TEST_F(TijdbasisTest, TimeSeparatorOfTheLocale) {
    EXPECT_EQ(TijdScheidingsteken(), ":");
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(TijdScheidingsteken(), ".");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}
