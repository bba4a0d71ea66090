// The printouts of the table and graph windows and the print run over the open windows: drawn from
// the models (the grids and the clipboard stay as they were), the header row on every page, selected
// rows only, the legend in columns, the alarm report's counts, and Cancel between two windows.
#include "views/Vensterafdruk.h"
#include "OpnameGrafiekvenster.h"
#include "TabelOmgeving.h"
#include "files/Grafiekconfiguratie.h"
#include "reports/Afdrukverdeling.h"
#include "reports/Opnamevlak.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printervlak.h"
#include "reports/formPrint.h"
#include "shared/Hulpfuncties.h"
#include "shared/Voortgang.h"
#include "shared/ui/Kindvensters.h"
#include "shell/Installatie.h"
#include "shell/mdiK740.h"
#include "views/Grafiekmodel.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {

// The text pieces of each page of a recording, joined.
std::vector<QString> PaginaTeksten(const Opnamevlak& vlak) {
    std::vector<QString> paginas;
    static const QRegularExpression tekst(QStringLiteral("^text \\S+ \\S+ \"(.*)\" "));
    for (const QString& regel : vlak.Regels) {
        if (regel.startsWith(QStringLiteral("page "))) paginas.emplace_back();
        const QRegularExpressionMatch m = tekst.match(regel);
        if (m.hasMatch() && !paginas.empty()) paginas.back() += m.captured(1);
    }
    return paginas;
}

QString Uitvoer(const QString& programma, const QStringList& argumenten) {
    QProcess p;
    p.start(programma, argumenten);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A progress window whose Cancel is pressed when the bar reaches `bij`.
class Afbreker : public VoortgangVenster {
public:
    explicit Afbreker(int bij) : m_bij(bij) {}
    void Zet(int waarde) override { m_onderbroken = m_onderbroken || waarde >= m_bij; }
    bool Onderbroken() const override { return m_onderbroken; }

private:
    int m_bij;
    bool m_onderbroken = false;
};

// The windows' side that notes what it is asked to print.
class Afdrukopname : public Vensterafdruk {
public:
    void PrintTabel(int r, int16_t m, bool, Printer&) override {
        geprint.push_back(QStringLiteral("tabel%1.%2").arg(r).arg(m));
    }
    void PrintGrafiek(int16_t g, Printer&, double, double, double, double, bool) override {
        geprint.push_back(QStringLiteral("grafiek%1").arg(g));
    }
    void AfdrukkenAlarmRapport(int16_t g, Printer&) override {
        geprint.push_back(QStringLiteral("alarm%1").arg(g));
    }
    std::vector<QString> geprint;
};

} // namespace

class VensterafdrukTest : public TabelOmgeving {
protected:
    void SetUp() override {
        TabelOmgeving::SetUp();
        ZetVensterafdruk(&afdruk);
    }
    void TearDown() override {
        ZetVensterafdruk(nullptr);
        TabelOmgeving::TearDown();
    }
    // Module 1 of rack 1's table with `rijen` samples: value "1.nnn" on input 1.
    frmTabel& VulTabel(int32_t rijen) {
        frmTabel& w = tabel(1);
        TabelModel& model = w.MSHFlexGrid[1]->Model();
        model.ZetCel(0, 1, QStringLiteral("Date"));
        model.ZetCel(0, 3, QStringLiteral("Value1"));
        for (int32_t r = 1; r <= rijen; ++r) {
            TabelRij rij;
            rij[1] = QStringLiteral("05/01/2026");
            rij[2] = QStringLiteral("09:%1:00").arg(r % 60, 2, 10, QLatin1Char('0'));
            rij[3] = QStringLiteral("v%1").arg(r);
            rij[4] = QStringLiteral("pH");
            model.ZetRij(r, rij);
        }
        AantalMetingen = rijen;
        return w;
    }
    Vensterafdrukken afdruk;
    Opnamevlak vlak;
};

TEST_F(VensterafdrukTest, ATableLongerThanAPageRepeatsItsHeaderAndLeavesGridAndClipboardAlone) {
    frmTabel& w = VulTabel(150);
    w.show();
    w.MSHFlexGrid[1]->ZetSelectie({5, 1, 7, 3});
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    std::vector<bool> zichtbaar;
    for (int m = 1; m <= AantalModules; ++m)
        zichtbaar.push_back(w.MSHFlexGrid[m]->isVisible());

    Printer p(vlak);
    InitialiseerPrinter(p);
    PrintPaginaHoofding(p);
    afdruk.PrintTabel(1, 1, false, p);
    p.EndDoc();

    const std::vector<QString> paginas = PaginaTeksten(vlak);
    ASSERT_GE(paginas.size(), 2u);
    for (const QString& pagina : paginas)
        EXPECT_TRUE(pagina.contains(QStringLiteral("Value1"))) << pagina.toStdString();
    // Every sample once, in order, the last one included; the empty row after them is not printed.
    QString alles;
    for (const QString& pagina : paginas)
        alles += pagina;
    EXPECT_EQ(alles.count(QStringLiteral("Value1")), static_cast<qsizetype>(paginas.size()));
    EXPECT_TRUE(alles.contains(QStringLiteral("v150")));
    EXPECT_LT(alles.indexOf(QStringLiteral("v149")), alles.indexOf(QStringLiteral("v150")));

    for (int m = 1; m <= AantalModules; ++m)
        EXPECT_EQ(w.MSHFlexGrid[m]->isVisible(), zichtbaar[static_cast<size_t>(m - 1)]) << m;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_EQ(w.MSHFlexGrid[1]->LeesSelectie(), (Selectie{5, 1, 7, 3}));
}

TEST_F(VensterafdrukTest, OnlyTheSelectedRowsPrintDirectlyUnderTheHeader) {
    frmTabel& w = VulTabel(40);
    w.MSHFlexGrid[1]->ZetSelectie({5, 1, 7, 3});
    Printer p(vlak);
    InitialiseerPrinter(p);
    PrintPaginaHoofding(p);
    afdruk.PrintTabel(1, 1, true, p);
    const QString tekst = PaginaTeksten(vlak).at(0);
    EXPECT_TRUE(tekst.contains(QStringLiteral("v5")) && tekst.contains(QStringLiteral("v6")) &&
                tekst.contains(QStringLiteral("v7")));
    EXPECT_FALSE(tekst.contains(QStringLiteral("v4")));
    EXPECT_FALSE(tekst.contains(QStringLiteral("v8")));
    // The first selected row stands right under the header row.
    EXPECT_LT(tekst.indexOf(QStringLiteral("Value1")), tekst.indexOf(QStringLiteral("v5")));

    // No data row selected: the header row alone.
    vlak.Regels.clear();
    w.MSHFlexGrid[1]->ZetSelectie({0, 0, 0, 0});
    afdruk.PrintTabel(1, 1, true, p);
    EXPECT_FALSE(vlak.Tekst().contains(QStringLiteral("\"v")));
    EXPECT_TRUE(vlak.Tekst().contains(QStringLiteral("\"Value1\"")));
}

TEST_F(VensterafdrukTest, AlarmCountsFollowExceedanceAndRecovery) {
    GrafiekInstellingen g;
    g.AlarmHoog = true;
    g.AlarmHoogWaarde = 10;
    const AlarmVerloop v = BerekenAlarmVerloop({{1, 5}, {2, 12}, {3, 13}, {4, 8}, {5, 14}}, g);
    EXPECT_EQ(v.hoog, 2);
    EXPECT_EQ(v.laag, 0);
    ASSERT_EQ(v.gebeurtenissen.size(), 3u);
    EXPECT_EQ(v.gebeurtenissen[0].soort, AlarmGebeurtenis::Hoog);
    EXPECT_EQ(v.gebeurtenissen[0].rij, 2);
    EXPECT_EQ(v.gebeurtenissen[1].soort, AlarmGebeurtenis::Herstel);
    EXPECT_EQ(v.gebeurtenissen[1].rij, 4);
    EXPECT_EQ(v.gebeurtenissen[2].rij, 5);

    // Both limits: a jump from above the high limit to below the low one ends the high exceedance and
    // starts a low one; at the low limit itself the limit counts as exceeded.
    g.AlarmLaag = true;
    g.AlarmLaagWaarde = 2;
    const AlarmVerloop beide = BerekenAlarmVerloop({{1, 12}, {2, 2}, {3, 5}}, g);
    EXPECT_EQ(beide.hoog, 1);
    EXPECT_EQ(beide.laag, 1);
    ASSERT_EQ(beide.gebeurtenissen.size(), 4u);
    EXPECT_EQ(beide.gebeurtenissen[1].soort, AlarmGebeurtenis::Herstel);
    EXPECT_EQ(beide.gebeurtenissen[2].soort, AlarmGebeurtenis::Laag);
    EXPECT_EQ(beide.gebeurtenissen[3].soort, AlarmGebeurtenis::Herstel);
}

TEST_F(VensterafdrukTest, TheAlarmReportReadsOverRangeAsHighAndWalksPastRow32767) {
    VulTabel(40000);
    TabelModel& model = frmTabelVan(1)->MSHFlexGrid[1]->Model();
    for (int32_t r = 1; r <= 40000; ++r)
        if (r != 3 && r != 5 && r != 39999 && r != 40000) model.ZetCel(r, 3, QString());
    model.ZetCel(3, 3, QStringLiteral("12.5"));
    model.ZetCel(5, 3, QStringLiteral("7"));
    model.ZetCel(39999, 3, QStringLiteral("8"));
    model.ZetCel(40000, 3, QStringLiteral("OR."));

    Grafiekmodel grafiek;
    grafiek.SchrijfGrafiekLijnRef(1, LijnRack, 1);
    grafiek.SchrijfGrafiekLijnRef(1, LijnModule, 1);
    grafiek.SchrijfGrafiekLijnRef(1, LijnIngang, 1);
    grafiek.Instellingen.AlarmHoog = true;
    grafiek.Instellingen.AlarmHoogWaarde = 10;

    const std::vector<AlarmWaarde> waarden = AlarmWaarden(grafiek, 1);
    ASSERT_EQ(waarden.size(), 4u);
    EXPECT_EQ(waarden[3].rij, 40000);
    EXPECT_EQ(waarden[3].waarde, 9999);

    Printer p(vlak);
    InitialiseerPrinter(p);
    PrintPaginaHoofding(p);
    AfdrukkenAlarmRapport(grafiek, p);
    QString tekst;
    for (const QString& pagina : PaginaTeksten(vlak))
        tekst += pagina;
    EXPECT_TRUE(tekst.contains(QStringLiteral("Alarm report"))) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("High limit:"))) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("00003: 05/01/2026 - 09:03:00; 12.5")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("Recovered:")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("40000: 05/01/2026 - 09:40:00; OR.")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("Number of times the high limit was exceeded: 2")))
        << tekst.toStdString();
}

// A conductivity logged across a change of range and an ion concentration crossing a decade: the report
// judges the numbers the chart plots (µS/cm of the input's range, log10 of g/l), not the cell texts,
// and names the values as the table or the read-out shows them.
TEST_F(VensterafdrukTest, TheAlarmReportJudgesTheValuesTheChartShowsInTableAndRecorderMode) {
    ModuleRecord& ise = Racks[2].Modules[2];
    ise.Meting[2].Set = true;
    ise.Meting[2].Unit = "g/l";
    ise.Meting[2].Resolution = 7; // Cl
    ise.Meting[2].Name = "Chloride";
    Racks[1].Modules[4].Meting[1].Name = "Feed";
    const auto vul = [](int r, int m, int c, const std::vector<std::pair<const char*, const char*>>& cellen) {
        TabelModel& model = frmTabelVan(r)->MSHFlexGrid[m]->Model();
        for (size_t i = 0; i < cellen.size(); ++i) {
            TabelRij rij;
            rij[1] = QStringLiteral("05/01/2026");
            rij[2] = QStringLiteral("09:00:%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            rij[KolomVanKanaal(c)] = u8(cellen[i].first);
            rij[KolomVanKanaal(c) + 1] = u8(cellen[i].second);
            model.ZetRij(static_cast<int32_t>(i + 1), rij);
        }
        AantalMetingen = static_cast<int32_t>(cellen.size());
    };
    tabel(1);
    tabel(2);
    vul(1, 4, 1, {{"800", "µS/cm"}, {"1.200", "mS/cm"}, {"1.500", "mS/cm"}, {"900", "µS/cm"}});
    vul(2, 2, 2, {{"950", "Cl µg/l"}, {"1.05", "Cl mg/l"}, {"0.98", "Cl mg/l"}, {"2.00", "Cl mg/l"}});

    Grafiekmodel grafiek;
    const auto curve = [&grafiek](int n, int r, int m, int c) {
        grafiek.SchrijfGrafiekLijnRef(n, LijnRack, static_cast<int16_t>(r));
        grafiek.SchrijfGrafiekLijnRef(n, LijnModule, static_cast<int16_t>(m));
        grafiek.SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>(c));
    };
    curve(1, 1, 4, 1);
    curve(2, 2, 2, 2);
    grafiek.Instellingen.AlarmHoog = true;
    grafiek.Instellingen.AlarmHoogWaarde = 1000; // µS/cm
    grafiek.Instellingen.AlarmLaag = true;
    grafiek.Instellingen.AlarmLaagWaarde = -3; // 1 mg/l

    const std::vector<AlarmWaarde> geleidbaarheid = AlarmWaarden(grafiek, 1);
    ASSERT_EQ(geleidbaarheid.size(), 4u);
    EXPECT_FLOAT_EQ(static_cast<float>(geleidbaarheid[1].waarde), 1200.0f);
    const std::vector<AlarmWaarde> ion = AlarmWaarden(grafiek, 2);
    ASSERT_EQ(ion.size(), 4u);
    EXPECT_NEAR(ion[0].waarde, std::log10(950e-6), 1e-5);

    const auto rapport = [&] {
        Opnamevlak uit;
        Printer p(uit);
        InitialiseerPrinter(p);
        PrintPaginaHoofding(p);
        AfdrukkenAlarmRapport(grafiek, p);
        QString tekst;
        for (const QString& pagina : PaginaTeksten(uit))
            tekst += pagina;
        return tekst;
    };
    QString tekst = rapport();
    EXPECT_TRUE(tekst.contains(QStringLiteral("Feed (mS/cm): 00002: 05/01/2026 - 09:00:02; 1.200")))
        << tekst.toStdString();
    EXPECT_TRUE(
        tekst.contains(QStringLiteral("Feed (S/cm): Number of times the high limit was exceeded: 1")));
    EXPECT_TRUE(tekst.contains(u8("Chloride (Cl µg/l): 00001: 05/01/2026 - 09:00:01; 950")));
    EXPECT_TRUE(
        tekst.contains(QStringLiteral("Chloride (g/l): Number of times the low limit was exceeded:  2")))
        << tekst.toStdString();

    // A module that is no longer there shows no values on the chart, and none in the report.
    Racks[1].Modules[4].Present = false;
    EXPECT_TRUE(AlarmWaarden(grafiek, 1).empty());
    EXPECT_TRUE(rapport().contains(QStringLiteral("Feed (S/cm): High limit has not been exceeded.")));

    // Recorder mode: the strip's numbers, named as the read-out names them.
    grafiek.Instellingen.XYrecorder = true;
    grafiek.StelNieuweGrafiekIn();
    MetenActief = true;
    ise.Berekend = true;
    ise.Meting[2].Waarde = -1.48945f; // 32.4 mg/l
    grafiek.SchuifRecorderOp();
    const std::vector<AlarmWaarde> strook = AlarmWaarden(grafiek, 2);
    ASSERT_EQ(strook.size(), 1u);
    EXPECT_NEAR(strook[0].waarde, std::log10(0.0324), 1e-5);
    grafiek.Instellingen.AlarmLaagWaarde = -1;
    tekst = rapport();
    EXPECT_TRUE(tekst.contains(QStringLiteral("; 32.4 mg/l"))) << tekst.toStdString();
    EXPECT_TRUE(
        tekst.contains(QStringLiteral("Chloride (g/l): Number of times the low limit was exceeded:  1")));
}

TEST_F(VensterafdrukTest, TheLegendContinuesInColumnsSixtyTwoAndAHalfMillimetresApart) {
    Grafiekmodel grafiek;
    grafiek.Instellingen.LegendeKeuze = true;
    grafiek.Instellingen.AlarmHoog = true;
    for (int n = 1; n <= AantalGrafiekLijnen; ++n) {
        grafiek.SchrijfGrafiekLijnRef(n, LijnRack, 1);
        grafiek.SchrijfGrafiekLijnRef(n, LijnModule, 1);
        grafiek.SchrijfGrafiekLijnRef(n, LijnIngang, static_cast<int16_t>((n - 1) % 8 + 1));
    }
    Opnamevlak kort(200, 120);
    Printer p(kort);
    InitialiseerPrinter(p);
    PrintPaginaHoofding(p);
    double x = RandLinks + 5, y = 30;
    PrintGrafiek(grafiek, QString(), p, x, y, 150, 60, false);
    // The chart is drawn in its box, 5 % in from each side.
    EXPECT_TRUE(kort.Regels.contains(
        QStringLiteral("picture %1 33.00 135.00 54.00").arg(RandLinks + 5 + 7.5, 0, 'f', 2)));
    // Colour lines 5 mm long, 5 pixels wide, at the column lefts.
    std::set<QString> kolommen;
    static const QRegularExpression lijn(QStringLiteral("^line (\\S+) \\S+ \\S+ \\S+ 5 "));
    for (const QString& regel : kort.Regels) {
        const QRegularExpressionMatch m = lijn.match(regel);
        if (m.hasMatch()) kolommen.insert(m.captured(1));
    }
    const double links = RandLinks + 5;
    EXPECT_TRUE(kolommen.count(QString::number(links, 'f', 2)));
    EXPECT_TRUE(kolommen.count(QString::number(links + 62.5, 'f', 2)));
    // The page is too short for all entries: the legend goes on on a new page.
    EXPECT_GT(kort.paginas(), 1);
}

TEST_F(VensterafdrukTest, CancelAtGraphTenStopsBeforeItWithNothingHalfPrinted) {
    Afdrukopname opname;
    ZetVensterafdruk(&opname);
    std::vector<std::unique_ptr<OpnameGrafiekvenster>> grafieken;
    for (int g = 1; g <= 12; ++g) {
        grafieken.push_back(std::make_unique<OpnameGrafiekvenster>());
        grafieken.back()->index = static_cast<int16_t>(g);
        ZetGrafiekVenster(g, grafieken.back().get());
    }
    grafieken[1]->instellingen.AlarmLaag = true;
    RackVlaggen[1].Table = true;
    Afbreker afbreker(10);
    ZetVoortgangVenster(&afbreker);
    PrintAlles = true;
    PrintAlarmRapport = true;
    formPrint dialoog;
    Printer p(vlak);
    InitialiseerPrinter(p);
    VerdeelAfdruk(dialoog, p);
    p.EndDoc();
    ZetVoortgangVenster(nullptr);
    for (int g = 1; g <= 12; ++g)
        ZetGrafiekVenster(g, nullptr);

    std::vector<QString> verwacht{QStringLiteral("grafiek1"), QStringLiteral("grafiek2"),
                                  QStringLiteral("alarm2")};
    for (int g = 3; g <= 9; ++g)
        verwacht.push_back(QStringLiteral("grafiek%1").arg(g));
    EXPECT_EQ(opname.geprint, verwacht);
    // A page per graph and one for the alarm report, no blank one at the end.
    EXPECT_EQ(vlak.paginas(), 10);
}

// File > Print of everything to a PDF: graphs 2 and 5 with their alarm pages, then the seven tabs of
// rack 1's table, the header row on every table page.
TEST_F(VensterafdrukTest, PrintingEverythingToPdfGivesThePagesInTheDispatchersOrder) {
    MapConfiguratie = tijdelijkeMap() + QStringLiteral("/Configuration");
    QDir().mkpath(MapConfiguratie);
    VulTabel(90);
    RackVlaggen[1].Table = true;
    mdiK740 hoofd;
    InstalleerHoofdvenster(hoofd);
    for (int g : {2, 5}) {
        frmGrafiek* w = MaakGrafiekVenster(g, false, false);
        ASSERT_NE(w, nullptr);
        w->SchrijfGrafiekLijnRef(1, LijnRack, 1);
        w->SchrijfGrafiekLijnRef(1, LijnModule, 1);
        w->SchrijfGrafiekLijnRef(1, LijnIngang, 1);
        w->Instellingen().AlarmHoog = g == 5;
        w->Instellingen().AlarmHoogWaarde = 1;
        w->Instellingen().LegendeKeuze = true;
        w->HerInitialiseerGrafiek();
    }
    PrintAlles = true;
    PrintAlarmRapport = true;
    const QString pdf = tijdelijkeMap() + QStringLiteral("/alles.pdf");
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        Printervlak pv(std::move(printer));
        Printer p(pv);
        InitialiseerPrinter(p);
        formPrint dialoog;
        VerdeelAfdruk(dialoog, p);
        ASSERT_TRUE(p.EndDoc());
    }
    const int paginas = Uitvoer(QStringLiteral("pdfinfo"), {pdf})
                            .section(QStringLiteral("Pages:"), 1)
                            .trimmed()
                            .section(QLatin1Char('\n'), 0, 0)
                            .toInt();
    auto pagina = [&](int n) {
        return Uitvoer(QStringLiteral("pdftotext"),
                       {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(n),
                        QStringLiteral("-l"), QString::number(n), pdf, QStringLiteral("-")});
    };
    ASSERT_GE(paginas, 3 + 7);
    EXPECT_FALSE(pagina(1).contains(QStringLiteral("Value1")));
    EXPECT_FALSE(pagina(2).contains(QStringLiteral("Alarm report")));
    EXPECT_TRUE(pagina(3).contains(QStringLiteral("Alarm report")));
    // Every page of a present module's tab starts with the table's header row; the tabs of the five
    // empty positions print their header block alone.
    int leeg = 0;
    static const QRegularExpression zonderModule(QStringLiteral("Module:\\s*\\n"));
    for (int n = 4; n <= paginas; ++n) {
        const QString tekst = pagina(n);
        if (tekst.contains(zonderModule))
            ++leeg;
        else
            EXPECT_TRUE(tekst.contains(QStringLiteral("Date"))) << n << tekst.toStdString();
    }
    EXPECT_EQ(leeg, 5);
    EXPECT_FALSE(pagina(paginas).trimmed().isEmpty());
    ResetKindvensters();
    ResetGrafiekVensters();
}
