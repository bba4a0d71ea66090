#include "views/TabelModel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TabelRij Rij(int n) {
    TabelRij rij;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        rij[static_cast<size_t>(k)] = QStringLiteral("r%1c%2").arg(n).arg(k);
    return rij;
}

} // namespace

TEST(TabelModel, CellsReadBackAfterRewritesOfAnyLength) {
    TabelModel model;
    model.ZetCel(0, 19, QStringLiteral("Info"));
    for (int r = 1; r <= 3; ++r)
        model.ZetRij(r, Rij(r));
    // Longer (a cell of more than 127 and of more than 16,383 bytes), shorter, non-ASCII, empty.
    const QString lang(20000, QLatin1Char('x'));
    model.ZetCel(2, 19, lang);
    model.ZetCel(2, 4, QString::fromUtf8("°C µS/cm"));
    model.ZetCel(1, 3, QString());
    model.ZetCel(3, 7, QStringLiteral("7"));
    for (int k = 1; k < AantalRasterKolommen; ++k) {
        EXPECT_EQ(model.Cel(1, k), k == 3 ? QString() : Rij(1)[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(model.Cel(2, k), k == 19  ? lang
                                   : k == 4 ? QString::fromUtf8("°C µS/cm")
                                            : Rij(2)[static_cast<size_t>(k)])
            << k;
        EXPECT_EQ(model.Cel(3, k), k == 7 ? QStringLiteral("7") : Rij(3)[static_cast<size_t>(k)]) << k;
    }
    // Row 0 is the header; column 0 the row number, also on the empty row below the newest.
    EXPECT_EQ(model.Cel(0, 19), QStringLiteral("Info"));
    EXPECT_EQ(model.Cel(3, 0), QStringLiteral("3"));
    EXPECT_EQ(model.Cel(4, 0), QStringLiteral("4"));
    EXPECT_EQ(model.Cel(4, 1), QString());
    EXPECT_EQ(model.Cel(5, 0), QString());
    EXPECT_EQ(model.Rijen(), 5);

    // Emptying every cell of a row keeps the others.
    model.ZetRij(2, TabelRij{});
    EXPECT_EQ(model.Cel(2, 19), QString());
    EXPECT_EQ(model.Cel(3, 19), Rij(3)[19]);
    EXPECT_EQ(model.Cel(1, 19), Rij(1)[19]);
}

TEST(TabelModel, RowsWrittenUnannouncedReachTheViewAsOneRange) {
    TabelModel model;
    QSignalSpy ingevoegd(&model, &QAbstractItemModel::rowsInserted);
    for (int r = 1; r <= 1000; ++r)
        model.ZetRij(r, Rij(r), false);
    EXPECT_EQ(ingevoegd.count(), 0);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.Cel(1000, 5), Rij(1000)[5]);
    model.Meld();
    ASSERT_EQ(ingevoegd.count(), 1);
    EXPECT_EQ(ingevoegd[0][1].toInt(), 1);
    EXPECT_EQ(ingevoegd[0][2].toInt(), 1000);
    // Model row i is grid row i + 1; the last model row is the empty one.
    EXPECT_EQ(model.rowCount(), 1001);
    EXPECT_EQ(model.data(model.index(999, 5)).toString(), Rij(1000)[5]);
    EXPECT_EQ(model.data(model.index(1000, 0)).toString(), QStringLiteral("1001"));

    // A live row announces itself at once.
    model.ZetRij(1001, Rij(1001));
    EXPECT_EQ(ingevoegd.count(), 2);
    EXPECT_EQ(model.rowCount(), 1002);
}

TEST(TabelModel, RowsWrittenFromViewsKeepEveryCharacter) {
    TabelModel model;
    // ASCII, Latin-1, the euro sign, a character outside the basic plane, a lone surrogate, and cells
    // just below and above the length whose byte count still takes one byte.
    const QString teksten[] = {QStringLiteral("21.5"),
                               QString::fromUtf8("°C"),
                               QString::fromUtf8("€ µS/cm"),
                               QString::fromUtf8("x\U0001D11Ey"),
                               QString(QChar(0xD800)) + QStringLiteral("z"),
                               QString(42, QChar(0x20AC)),
                               QString(43, QChar(0x20AC)),
                               QString(200, QLatin1Char('a')),
                               QString()};
    TabelRijZicht rij;
    for (int k = 1; k < AantalRasterKolommen; ++k)
        rij[static_cast<size_t>(k)] = teksten[static_cast<size_t>(k) % std::size(teksten)];
    model.ZetRij(1, rij, false);
    model.ZetRij(2, rij, false);
    for (int k = 1; k < AantalRasterKolommen; ++k) {
        const QString& tekst = teksten[static_cast<size_t>(k) % std::size(teksten)];
        EXPECT_EQ(model.Cel(1, k), QString::fromUtf8(tekst.toUtf8())) << k;
        EXPECT_EQ(model.Cel(2, k), QString::fromUtf8(tekst.toUtf8())) << k;
    }
    // Room made for the rows to come changes nothing that is there.
    model.Reserveer(1000);
    EXPECT_EQ(model.Cel(2, 2), teksten[2]);
    EXPECT_EQ(model.DataRijen(), 2);
}
