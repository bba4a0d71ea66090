#include "Afdrukomgeving.h"
#include "Bestandsgrens.h"
#include "EchteMelding.h"
#include "acquisition/RackModel.h"
#include "files/Meetbestand.h"
#include "reports/Opnamevlak.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printers.h"
#include "reports/Printervlak.h"
#include "reports/Rapportkop.h"
#include "reports/Rasterafdruk.h"
#include "shared/Teksten.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {

// A rack with a pH module in slot 2 and the print settings of a laboratory.
class RapportTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        Racks[1].Present = true;
        Racks[1].Name = QStringLiteral("Lab rack 1");
        Racks[1].Idno = 0x10F0F0F;
        ModuleRecord& m = Racks[1].Modules[2];
        m.Present = true;
        m.Name = QStringLiteral("pH bench");
        m.Idno = static_cast<int32_t>(0xF0102A3Fu);
        m.Meting[2].Name = QStringLiteral("Tank B");
        m.Meting[2].Sensor = QStringLiteral("HA405-DXK");
        Gegevensbestand = QStringLiteral("/data/Series A.csv");
        PrintOperator = QStringLiteral("J. O'Neil");
        PrintBedrijf = QStringLiteral("Lab \"North\"");
        PrintAfdeling = QStringLiteral("QA");
        PrintToestel = QStringLiteral("K740");
        MargeBoven = MargeOnder = MargeLinks = MargeRechts = 10;
        InitialiseerPrinter(p);
    }
    AfdrukVenster Tabel() const {
        AfdrukVenster v;
        v.Tag = QStringLiteral("tabel1");
        v.Caption = QStringLiteral("Table 1");
        v.Ri = 1;
        return v;
    }
    AfdrukVenster Glp(int16_t knr) const {
        AfdrukVenster v;
        v.Tag = QStringLiteral("GLPreport");
        v.Rnr = 1;
        v.Mnr = 2;
        v.Knr = knr;
        return v;
    }
    QStringList Teksten() const { return vlak.Regels.filter(QStringLiteral("text ")); }
    Opnamevlak vlak;
    Printer p{vlak};
};

// A measurement table: number, date, time, value and unit, with `rijen` rows.
Raster Meettabel(int rijen) {
    Raster t(rijen + 1, 5);
    t.ZetRij(0, {"No", "Date", "Time", "pH 1", "Unit"});
    for (int r = 1; r <= rijen; ++r)
        t.ZetRij(r,
                 {QString::number(r), "05/01/2026", QStringLiteral("09:%1:00").arg(r % 60, 2, 10, QChar('0')),
                  QString::number(7.0 + r / 1000.0, 'f', 3), "pH"});
    for (int k : {0, 3})
        t.ZetKolomUitlijning(k, UitlijningRechts);
    t.ZetKolomBreedte(0, 600);
    t.ZetKolomBreedte(1, 1300);
    t.ZetKolomBreedte(2, 1100);
    t.ZetKolomBreedte(3, 1000);
    t.ZetKolomBreedte(4, 700);
    t.ZetLettertype({QStringLiteral("Arial"), 10});
    return t;
}

TEST_F(RapportTest, TheHeaderBlockOfATableGolden) {
    PrintNota = QStringLiteral("Buffers 4.01 and 7.00; electrode replaced on Monday (see the log book).");
    PrintVensterHoofding(Tabel(), p, 2);
    EXPECT_EQ(RapportTitel, Gegevensbestand);
    // The position is left on the rule at the left edge, bold off.
    EXPECT_DOUBLE_EQ(p.CurrentX, RandLinks);
    EXPECT_FALSE(p.Font.vet);
    EXPECT_TRUE(vlak.Regels.contains(
        QStringLiteral("line 10.00 %1 190.00 %1 3 #000000").arg(QString::number(p.CurrentY, 'f', 2))));
    EXPECT_TRUE(p.EndDoc());
    VergelijkGolden(QStringLiteral("rapportkop.txt"), vlak.Tekst().toUtf8());
}

TEST_F(RapportTest, TheIdentificationColumnByWindowKind) {
    // A GLP report of channel 6 names the temperature and the sensor and name of input 2.
    const auto glp = BepaalIdentificatie(Glp(6), 0);
    ASSERT_TRUE(glp);
    EXPECT_EQ((*glp)[0], std::pair(QStringLiteral("Temperature:"), QStringLiteral("HA405-DXK")));
    EXPECT_EQ((*glp)[1], std::pair(QStringLiteral("Input:"), QStringLiteral("Tank B")));
    EXPECT_EQ((*glp)[2], std::pair(QStringLiteral("Module:"), QStringLiteral("pH bench")));
    EXPECT_EQ((*glp)[3], std::pair(QStringLiteral("Rack:"), QStringLiteral("Lab rack 1")));
    EXPECT_EQ((*BepaalIdentificatie(Glp(2), 0))[0].first, QStringLiteral("Sensor:"));
    EXPECT_FALSE(BepaalIdentificatie(Glp(9), 0));

    // A graph in recorder mode shows its interval of the day.
    AfdrukVenster grafiek{QStringLiteral("grafiek3"), QStringLiteral("Tank pH")};
    grafiek.XYrecorder = true;
    grafiek.RecorderTussentijd = 3600;
    const auto recorder = BepaalIdentificatie(grafiek, 3);
    EXPECT_EQ((*recorder)[0], std::pair(QStringLiteral("XY-recorder:"), QStringLiteral("Tank pH")));
    EXPECT_EQ((*recorder)[1],
              std::pair(QStringLiteral("Info:"), QStringLiteral("Interval of time=01:00:00")));
    EXPECT_EQ(RecorderTijd(90), QStringLiteral("00:01:30"));

    EXPECT_EQ((*BepaalIdentificatie(Tabel(), 2))[2],
              std::pair(QStringLiteral("ID.no.:"), QStringLiteral("F0.10.2A.3F")));
    EXPECT_FALSE(BepaalIdentificatie(Tabel(), 8));

    // Number 0 from anywhere but the report window: no identification column.
    PrintVensterHoofding(Tabel(), p, 0);
    EXPECT_TRUE(Teksten().filter(QStringLiteral("\"Table:\"")).isEmpty());
    EXPECT_TRUE(Teksten().filter(QStringLiteral("\"Note:\"")).isEmpty());
    // The configuration report from the report window: four empty lines, nothing drawn.
    vlak.Regels.clear();
    PrintVanuitGLP = true;
    PrintVensterHoofding(AfdrukVenster{QStringLiteral("SYSreport"), QString()}, p, 0);
    EXPECT_EQ(RapportTitel, QStringLiteral("Configuration report"));
    EXPECT_EQ(Teksten().size(), 10); // title, date, four labels and four values
}

// A GLP report to CSV: the header block (a note with a line break, a quote in a value) and the grid
// with a hidden column, all in the report file of rack, module and channel.
TEST_F(RapportTest, AReportToCsvGolden) {
    PrintNota = QStringLiteral("Two buffers.\r\nElectrode \"B\" replaced.");
    NaarBestand = true;
    RapportBestandsnaam = tijdelijkeMap() + QStringLiteral("/ReportGLP_#module#_#channel#.csv");
    PrintVensterHoofding(Glp(2), p, 0);
    Raster t(3, 4);
    t.ZetRij(0, {"Date", "Zero point", "hidden", "Slope"});
    t.ZetRij(1, {"05/01/2026", "7.02", "x", "99.1 %"});
    t.ZetRij(2, {"04/12/2025", "6.98 \"old\"", "", "98.7 %"});
    t.ZetKolomBreedte(2, 0);
    PrintRaster(p, t);
    NaarBestand = false;
    ASSERT_TRUE(BewaarRapportBestanden());
    // Nothing was drawn.
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(vlak.Regels, QStringList{"end 0"});
    const QStringList bestanden = QDir(tijdelijkeMap()).entryList({"*.csv"}, QDir::Files);
    ASSERT_EQ(bestanden, QStringList{"ReportGLP_pH bench_Tank B.csv"});
    VergelijkGolden(QStringLiteral("rapport-glp.csv"), LeesBytes(tijdelijkeMap() + "/" + bestanden.first()));

    // An empty note writes no note line, and a window that is not a GLP report no identification.
    QFile::remove(tijdelijkeMap() + "/" + bestanden.first());
    PrintNota.clear();
    NaarBestand = true;
    AfdrukVenster systeem = Glp(2);
    systeem.Tag = QStringLiteral("SYSreport");
    PrintVensterHoofding(systeem, p, 0);
    NaarBestand = false;
    ASSERT_TRUE(BewaarRapportBestanden());
    const QByteArray inhoud = LeesBytes(tijdelijkeMap() + "/" + bestanden.first());
    EXPECT_EQ(inhoud.count("\r\n"), 7);
    EXPECT_FALSE(inhoud.contains("Note:"));
}

// The real message box, answered with a key; it keeps the texts it showed.
class GetoondeMelding : public EchteMelding {
public:
    using EchteMelding::EchteMelding;
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        teksten << tekst;
        return EchteMelding::Toon(tekst, stijl, titel);
    }
    QStringList teksten;
};

// A report that the disk cannot take is told by its path and the system's reason, not as a file in use;
// Escape cancels, the old report stays whole and no temporary file is left.
TEST_F(RapportTest, AReportTheDiskCannotTakeIsToldByItsPathAndTheSystemsReason) {
    RapportBestandsnaam = tijdelijkeMap() + QStringLiteral("/report.csv");
    NaarBestand = true;
    PrintVensterHoofding(Glp(2), p, 0);
    NaarBestand = false;
    ASSERT_TRUE(BewaarRapportBestanden());
    const QByteArray oud = LeesBytes(RapportBestandsnaam);
    ASSERT_GT(oud.size(), 200);

    PrintNota = QString(400, QLatin1Char('n'));
    NaarBestand = true;
    PrintVensterHoofding(Glp(2), p, 0);
    NaarBestand = false;
    GetoondeMelding box(Qt::Key_Escape);
    ZetMeldingVenster(&box);
    bool bewaard = true;
    {
        Bestandsgrens grens(static_cast<rlim_t>(oud.size()));
        bewaard = BewaarRapportBestanden();
    }
    ZetMeldingVenster(nullptr);
    EXPECT_FALSE(bewaard);
    ASSERT_EQ(box.teksten.size(), 1);
    EXPECT_EQ(box.teksten[0], RapportBestandsnaam + QStringLiteral("\r\n\r\n") +
                                  QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(box.geblokkeerd(), 0);
    EXPECT_EQ(LeesBytes(RapportBestandsnaam), oud);
    EXPECT_EQ(QDir(tijdelijkeMap()).entryList(QDir::Files), QStringList{"report.csv"});
}

TEST_F(RapportTest, AReportToCsvWritesTextTheCodePageLacksAsQuestionMarks) {
    PrintOperator = QString::fromUtf8("Zo\u00eb \u0141ukasz");
    NaarBestand = true;
    RapportBestandsnaam = tijdelijkeMap() + QStringLiteral("/report.csv");
    PrintVensterHoofding(Glp(2), p, 0);
    NaarBestand = false;
    ASSERT_TRUE(BewaarRapportBestanden());
    const QByteArray inhoud = LeesBytes(RapportBestandsnaam);
    EXPECT_TRUE(inhoud.contains("\"Operator:\",\"Zo\xEB ?ukasz\"\r\n"));
    EXPECT_FALSE(inhoud.contains('\x1A'));
}

TEST_F(RapportTest, AGridIsScaledToThePrintWidthButNeverEnlarged) {
    Raster smal(2, 5); // 5 x 1000 twips: 88.2 mm on screen
    smal.ZetLettertype({QStringLiteral("Arial"), 9});
    const RasterSchaal s = BerekenRasterSchaal(smal, 180);
    EXPECT_DOUBLE_EQ(s.schaal, MaximaleRasterSchaal);
    EXPECT_NEAR(s.lettergrootte, 9.0, 1e-4);

    Raster breed(2, 4);
    for (int k = 0; k < 4; ++k)
        breed.ZetKolomBreedte(k, 180 * TwipsPerMm / 2); // twice the print width
    breed.ZetLettertype({QStringLiteral("Arial"), 9});
    const RasterSchaal half = BerekenRasterSchaal(breed, 180);
    EXPECT_NEAR(half.schaal, 0.5 / TwipsPerMm, 1e-9);
    EXPECT_NEAR(half.lettergrootte, 4.5, 1e-4);

    // A column of width -1 counts as the grid's width / column count.
    breed.ZetKolomBreedte(3, -1);
    breed.ZetBreedte(8000);
    EXPECT_DOUBLE_EQ(BerekenTabelBreedte(breed), 3 * 180 * TwipsPerMm / 2 + 2000);
}

TEST_F(RapportTest, CellsArePlacedByAlignmentAndClippedToTheirColumn) {
    EXPECT_DOUBLE_EQ(BepaalCelPositie(9, 10, 4, 20), 10.5);
    EXPECT_DOUBLE_EQ(BepaalCelPositie(4, 10, 4, 20), 18.0);
    EXPECT_DOUBLE_EQ(BepaalCelPositie(8, 10, 4, 20), 25.5);
    EXPECT_DOUBLE_EQ(BepaalCelPositie(12, 10, 4, 20), 10.0);

    // A right-aligned text wider than its column shows its rightmost characters that fit.
    Raster t(2, 2);
    t.ZetRij(0, {"Value", "Unit"});
    t.ZetRij(1, {"123456.789", "mS/cm"});
    t.ZetKolomUitlijning(0, UitlijningRechts);
    t.ZetKolomBreedte(0, 12 / MaximaleRasterSchaal); // 12 mm: 6 characters at 10 points
    t.ZetLettertype({QStringLiteral("Arial"), 10});
    // A header text is measured in the bold font it is printed in: it ends 0.5 mm inside its column.
    PrintTabelKop(p, t, RandLinks, 40, MaximaleRasterSchaal, 10);
    EXPECT_TRUE(Teksten().contains(QStringLiteral("text 11.50 40.00 \"Value\" Arial 10 bold")));
    PrintTabelRij(p, t, 1, RandLinks, 50, MaximaleRasterSchaal, 10);
    EXPECT_TRUE(Teksten().contains(QStringLiteral("text 11.50 50.00 \"6.789\" Arial 10")));
    // A left-aligned one loses its last characters.
    t.ZetKolomUitlijning(0, UitlijningLinks);
    PrintTabelRij(p, t, 1, RandLinks, 60, MaximaleRasterSchaal, 10);
    EXPECT_TRUE(Teksten().contains(QStringLiteral("text 10.50 60.00 \"12345\" Arial 10")));
}

TEST_F(RapportTest, ACellTextIsClippedAtTheQuarterMillimetreAroundItsCell) {
    // At 10 points every character of the recording surface is 2 mm wide; the cell runs from 10 to
    // 21.75 mm, so a text may end at 22 mm and start at 9.75 mm.
    Raster t(2, 4);
    t.ZetRij(1, {"123456", "1234567", "abc", ""});
    p.Font = {QStringLiteral("Arial"), 10};
    const auto print = [&](double x, int kolom) {
        p.CurrentX = x;
        p.CurrentY = 30 + kolom;
        PrintCelTekst(p, 10, 21.75, t, 1, kolom);
        return Teksten().isEmpty() ? QString() : Teksten().constLast();
    };
    EXPECT_EQ(print(10, 0), QStringLiteral("text 10.00 30.00 \"123456\" Arial 10"));
    EXPECT_EQ(print(10, 1), QStringLiteral("text 10.00 31.00 \"123456\" Arial 10"));
    EXPECT_DOUBLE_EQ(p.CurrentX, 22);
    // Starting left of the cell: the characters before 9.75 mm are left out, their room kept.
    EXPECT_EQ(print(9.5, 2), QStringLiteral("text 11.50 32.00 \"bc\" Arial 10"));
    EXPECT_EQ(print(9.75, 2), QStringLiteral("text 9.75 32.00 \"abc\" Arial 10"));
    // The same in bold (measured in its own font): 6 characters still fit, none is printed twice.
    p.Font.vet = true;
    EXPECT_EQ(print(10, 1), QStringLiteral("text 10.00 31.00 \"123456\" Arial 10 bold"));
    const qsizetype teksten = Teksten().size();
    print(10, 3);
    EXPECT_EQ(Teksten().size(), teksten);
}

TEST_F(RapportTest, APageTakesARowEvenWhenItHasNoRoomForOne) {
    MargeBoven = MargeOnder = 57; // a body of 173 mm
    InitialiseerPrinter(p);
    Raster t = Meettabel(3);
    t.ZetLettertype({QStringLiteral("Arial"), 300}); // the header row and one row take 243 mm
    PrintPaginaHoofding(p);
    PrintRaster(p, t);
    EXPECT_TRUE(p.EndDoc());
    // The first page has the header row only; every further page one row.
    EXPECT_EQ(vlak.paginas(), 4);
    // Three rows, each ended by its rule.
    EXPECT_EQ(
        vlak.Regels.filter(QRegularExpression(QStringLiteral("^line 10.00 (\\S+) 190.00 \\1 1 "))).size(), 3);
}

// Each row is one text line plus 1 mm high: its column lines run from the rule above it down to its
// own rule, and no line of any page ends below the page body.
TEST_F(RapportTest, GridRowsAreOneLinePlusOneMillimetreAndTheirColumnLinesMeetTheRules) {
    for (const float marge : {10.0f, 13.3f, 21.7f}) {
        for (const int aantal : {7, 52, 121}) {
            vlak.Regels.clear();
            MargeBoven = MargeOnder = marge;
            InitialiseerPrinter(p);
            const Raster t = Meettabel(aantal);
            PrintPaginaHoofding(p);
            PrintRaster(p, t);
            const QString naam = QStringLiteral("margin %1, %2 rows").arg(marge).arg(aantal);
            std::optional<double> regel; // the last rule across the page
            int rijen = 0;
            for (const QString& r : vlak.Regels) {
                if (r.startsWith(QStringLiteral("page"))) regel.reset();
                if (!r.startsWith(QStringLiteral("line "))) continue;
                const QStringList d = r.split(QLatin1Char(' '));
                const double x1 = d[1].toDouble(), y1 = d[2].toDouble(), x2 = d[3].toDouble(),
                             y2 = d[4].toDouble();
                EXPECT_LE(std::max(y1, y2), RandOnder + 0.006) << naam.toStdString();
                if (y1 == y2 && x1 <= RandLinks + 0.006 && x2 >= RandRechts - 0.006) {
                    if (regel && d[5] == QStringLiteral("1")) {
                        EXPECT_NEAR(y1 - *regel, p.TextHeight() + 1.0, 0.011) << naam.toStdString();
                        ++rijen;
                    }
                    regel = y1;
                } else if (x1 == x2 && regel) {
                    EXPECT_NEAR(y1, *regel, 0.006) << naam.toStdString();
                }
            }
            EXPECT_EQ(rijen, aantal) << naam.toStdString();
        }
    }
}

// Done when: a header block and a three-page grid in a PDF, the framed page header on every page.
TEST_F(RapportTest, AThreePageGridInAPdf) {
    const QString pdf = QDir(tijdelijkeMap()).filePath(QStringLiteral("tabel.pdf"));
    std::unique_ptr<Printervlak> printer = MaakPdfvlak(pdf);
    Printer q(*printer);
    InitialiseerPrinter(q);
    PrintVensterHoofding(Tabel(), q, 2);
    PrintRaster(q, Meettabel(120));
    ASSERT_TRUE(q.EndDoc());
    ASSERT_EQ(PdfPaginas(pdf), 3);
    for (int pagina = 1; pagina <= 3; ++pagina) {
        const QString tekst = PdfTekst(pdf, pagina);
        EXPECT_TRUE(tekst.contains(QStringLiteral("/data/Series A.csv"))) << pagina;
        EXPECT_TRUE(tekst.contains(QStringLiteral("05/01/2026 - 09:00"))) << pagina;
        EXPECT_TRUE(tekst.contains(QRegularExpression(QStringLiteral("No\\s+Date\\s+Time\\s+pH 1\\s+Unit"))))
            << pagina;
    }
    EXPECT_TRUE(PdfTekst(pdf, 1).contains(QStringLiteral("J. O'Neil")));
    EXPECT_TRUE(PdfTekst(pdf, 1).contains(QStringLiteral("F0.10.2A.3F")));
    EXPECT_TRUE(PdfTekst(pdf, 3).contains(QStringLiteral("7.120")));
    // scripts/screenshot-print keeps the file to look at.
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    if (!map.isEmpty()) {
        QFile::remove(QDir(map).filePath(QStringLiteral("tabel.pdf")));
        QFile::copy(pdf, QDir(map).filePath(QStringLiteral("tabel.pdf")));
    }
}

} // namespace
