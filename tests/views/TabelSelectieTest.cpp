#include "views/TabelSelectie.h"

#include <gtest/gtest.h>
#include <map>

TEST(TabelSelectie, SelectedRowsCountEitherWayAndNoneWithoutADataRow) {
    const Selectie s{5, 3, 2, 4};
    EXPECT_EQ(Geselecteerd(s), 4);
    EXPECT_EQ(Geselecteerd(s, 3), 3);
    EXPECT_EQ(Geselecteerd(s, 2), 2);
    EXPECT_EQ(Geselecteerd(s, 5), 5);
    EXPECT_EQ(Geselecteerd(s, 6), 0);
    EXPECT_EQ(Geselecteerd(s, 1), 0);
    for (int32_t m : {0, 1, 3})
        EXPECT_EQ(Geselecteerd({0, 3, 4, 4}, m), 0);
    // A table holds far more than 32,767 rows.
    const Selectie lang{1, 1, 100000, 19};
    EXPECT_EQ(Geselecteerd(lang), 100000);
    EXPECT_EQ(Geselecteerd(lang, 40000), 40000);
    EXPECT_EQ(Geselecteerd({2147483647, 1, 1, 1}), 2147483647);
}

TEST(TabelSelectie, ALetGoSelectionTakesValuesWithTheirUnits) {
    // Columns as drawn (either way) and the columns kept.
    const std::map<std::pair<int16_t, int16_t>, std::pair<int16_t, int16_t>> gevallen = {
        {{4, 7}, {3, 8}},     {{7, 4}, {3, 8}}, {{1, 5}, {1, 5}}, {{6, 19}, {5, 19}},
        {{3, 3}, {3, 4}},     {{4, 4}, {3, 4}}, {{5, 6}, {5, 6}}, {{18, 18}, {17, 18}},
        {{19, 19}, {19, 19}}, {{2, 9}, {2, 9}}, {{0, 3}, {0, 3}},
    };
    for (const auto& [getekend, verwacht] : gevallen) {
        const Selectie n = NormaliseerSelectie({7, getekend.first, 3, getekend.second});
        EXPECT_EQ(n, (Selectie{3, verwacht.first, 7, verwacht.second}))
            << getekend.first << ".." << getekend.second;
    }
}

TEST(TabelSelectie, CopiedTextHasTabsBlanksForEmptyCellsAndCrLfAfterEveryRow) {
    const std::map<std::pair<int32_t, int16_t>, QString> cellen = {
        {{2, 3}, "7.01"}, {{2, 5}, "21.5"}, {{3, 3}, "7.02"}, {{3, 4}, "pH"}, {{3, 5}, "21.6"}};
    const auto cel = [&cellen](int32_t r, int16_t c) {
        const auto i = cellen.find({r, c});
        return i == cellen.end() ? QString() : i->second;
    };
    EXPECT_EQ(KopieTekst({3, 5, 2, 3}, cel), QStringLiteral("7.01\t \t21.5\r\n7.02\tpH\t21.6\r\n"));
    EXPECT_EQ(KopieTekst({2, 4, 2, 4}, cel), QStringLiteral(" \r\n"));
}

TEST(TabelSelectie, GridColumnsMapToTheFieldsOfTheirModuleBlock) {
    const std::map<int, int16_t> velden = {{1, 1},   {2, 1},   {3, 2},   {6, 5},   {7, 7}, {10, 10}, {11, 12},
                                           {14, 15}, {15, 17}, {18, 20}, {19, 21}, {0, 0}, {20, 0},  {-1, 0}};
    for (const auto& [kolom, veld] : velden)
        EXPECT_EQ(BepBestandskolom(kolom), veld) << kolom;
}
