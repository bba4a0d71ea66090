// The whole program as a laboratory user goes through it, on the virtual clock with two racks of the
// rack emulator on the in-memory line: a first start with a fresh settings folder (the settings window),
// the log-on of a rack with a K761 and one with a K762, Measure, Log, a table window, a table-series
// graph and an XY recorder, copying a graph's settings to the other, the module settings dialog of each
// model with a pH, an ion-selective, a 1-point and a cell-constant calibration, the GLP window and the
// configuration report, printing every window to PDF, Save As, closing with its questions, and a second
// start that reopens the windows and goes on logging into the saved file.
//
// With K740_TOUR_BEELDEN set to a folder, every top-level window and dialog is grabbed at each stage to
// a PNG there (scripts/screenshot-tour); K740_TOUR_TAAL (0 English, 1 French, 2 Dutch) chooses the
// language of the first start.
#include "Draaiboek.h"
#include "KalibratieHarnas.h"
#include "RackEmulator.h"
#include "ShellOmgeving.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"
#include "acquisition/vensters/Rackvenster.h"
#include "calibration/DialogCalibration1p.h"
#include "calibration/DialogCalibrationEC.h"
#include "calibration/DialogCalibrationISE.h"
#include "calibration/DialogCalibrationPH.h"
#include "files/Bestandsdialogen.h"
#include "files/CsvVelden.h"
#include "files/Meetbestand.h"
#include "platform/Opslag.h"
#include "platform/Tekstbestand.h"
#include "rackviews/DialogK76xSettings.h"
#include "rackviews/FormRack.h"
#include "reports/FormGLP.h"
#include "reports/Printers.h"
#include "reports/formPrint.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Kindvensters.h"
#include "shared/ui/Titelbalk.h"
#include "shell/Beginstand.h"
#include "shell/Installatie.h"
#include "shell/Menubalk.h"
#include "shell/Vensterbeheer.h"
#include "shell/Werkbalk.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"
#include "views/DialogInputGrafiekElement.h"
#include "views/Grafiekmodel.h"
#include "views/Grafiekvensters.h"
#include "views/frmGrafiek.h"
#include "views/frmGrafiekInstellen.h"
#include "views/frmTabel.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QtTest/qtestspontaneevent.h>
#include <cmath>
#include <deque>
#include <map>

namespace {

constexpr int32_t Rack1 = RackIdno(0, 0, 1);
constexpr int32_t Rack2 = RackIdno(0, 0, 2);
constexpr int32_t K761 = K761Idno(1, 7, 61);
constexpr int32_t K762 = K762Idno(1, 7, 62);

// The save and open dialogs answer from a list; what they were asked is kept.
class Bestandskeuze : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override {
        vragen.push_back(vraag);
        if (bestanden.empty()) return std::nullopt;
        QString pad = bestanden.front();
        bestanden.pop_front();
        return pad;
    }
    std::deque<QString> bestanden;
    std::vector<BestandsdialoogVraag> vragen;
};

// Grabs every visible top-level window and dialog to K740_TOUR_BEELDEN, named after the stage.
class Beelden {
public:
    Beelden() : m_map(qEnvironmentVariable("K740_TOUR_BEELDEN")) {
        if (!m_map.isEmpty()) QDir().mkpath(m_map);
    }
    bool Actief() const { return !m_map.isEmpty(); }
    void Neem(const QString& stap) {
        if (m_map.isEmpty()) return;
        QApplication::sendPostedEvents();
        ++m_teller;
        std::map<QString, int> soorten;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || qobject_cast<QMenu*>(w) || w->windowType() == Qt::ToolTip) continue;
            if (w->width() < 40 || w->height() < 30) continue;
            const QString naam = QStringLiteral("%1/%2-%3-%4.png")
                                     .arg(m_map)
                                     .arg(m_teller, 2, 10, QLatin1Char('0'))
                                     .arg(stap)
                                     .arg(Soort(w, soorten));
            w->grab().save(naam);
        }
    }

private:
    // The window's class, numbered from the second window of a class on.
    static QString Soort(const QWidget* w, std::map<QString, int>& soorten) {
        const QString soort = QString::fromLatin1(w->metaObject()->className());
        const int n = soorten[soort]++;
        return n ? soort + QString::number(n + 1) : soort;
    }
    QString m_map;
    int m_teller = 0;
};

void SluitMetSluitknop(QWidget& venster) {
    QCloseEvent sluiten;
    QSpontaneKeyEvent::setSpontaneous(&sluiten);
    QApplication::instance()->notify(&venster, &sluiten);
}

// Every cell text of a grid, tab-separated, rows on lines of their own.
QString Celteksten(const QTableView* view) {
    QString uit;
    const QAbstractItemModel* m = view ? view->model() : nullptr;
    if (!m) return uit;
    for (int r = 0; r < m->rowCount(); ++r) {
        for (int c = 0; c < m->columnCount(); ++c)
            uit += m->index(r, c).data().toString() + QLatin1Char('\t');
        uit += QLatin1Char('\n');
    }
    return uit;
}

// The measuring rows of a logging file: every line after the header that has more than its time.
int Meetrijen(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    int n = 0;
    for (const QString& regel :
         platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList velden = SplitsVelden(regel);
        if (velden.value(0) == QStringLiteral("Time")) continue;
        if (std::any_of(velden.begin() + 1, velden.end(), [](const QString& v) { return !v.isEmpty(); })) ++n;
    }
    return n;
}

// The fields of every line of a logging file after its header, in the file's order.
std::vector<QStringList> Regels(const QString& pad) {
    std::vector<QStringList> regels;
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return regels;
    for (const QString& regel :
         platform::VanWindows1252(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QStringList velden = SplitsVelden(regel);
        if (velden.value(0) != QStringLiteral("Time")) regels.push_back(std::move(velden));
    }
    return regels;
}

// The points curve n (1..32) of a graph has on its chart.
int Punten(const Grafiekmodel& model, int curve) {
    int n = 0;
    for (int rij = 1; rij <= model.Raster().Rijen(); ++rij)
        if (!std::isnan(model.Raster().Waarde(rij, curve + 2))) ++n;
    return n;
}

// Chooses rack r, its module 1 and input k for curve n in the curve input picker, with the mouse on the
// picker's lists as the user does; `gekozen` runs on the filled-in picker before its OK.
void KiesCurve(frmGrafiekInstellen& d, int n, int r, int k, std::function<void()> gekozen) {
    auto getoond = std::make_shared<bool>(false);
    platform::klok().planIn(0, [getoond, r, k, gekozen] {
        DialogInputGrafiekElement* kiezer = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<DialogInputGrafiekElement*>(w); p && p->isVisible()) kiezer = p;
        ASSERT_NE(kiezer, nullptr) << "no curve input picker";
        *getoond = true;
        auto klik = [](QListWidget* lijst, int rij) {
            ASSERT_LT(rij, lijst->count());
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                              lijst->visualItemRect(lijst->item(rij)).center());
        };
        // The present racks follow the empty item in order; so do the modules of a rack.
        klik(kiezer->ListRacks, r);
        if (kiezer->ListModules->currentRow() != 1) klik(kiezer->ListModules, 1);
        klik(kiezer->ListInputs, k);
        gekozen();
        kiezer->OKButton->click();
    });
    d.SSTab->setCurrentIndex(PaginaCurven);
    QTableWidget* raster = d.MSHFlexCurveLijnen;
    raster->scrollToItem(d.CurveCel(n, KolomCurveIngang));
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {},
                      raster->visualItemRect(d.CurveCel(n, KolomCurveIngang)).center());
    EXPECT_TRUE(*getoond) << "curve " << n;
}

// The title bar of a child window shows its caption whole: the room the style leaves for the label
// holds the caption in a bold font (the widest a title bar draws it in).
bool TitelHeel(const QWidget& kader) {
    QFont vet = kader.font();
    vet.setBold(true);
    return QFontMetrics(vet).horizontalAdvance(kader.windowTitle()) <= TitelbalkTekstRuimte(kader);
}

int PdfPaginas(const QString& pad) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pad});
    if (!p.waitForFinished(30000)) return 0;
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The text of a PDF, or of its page n only.
QString PdfTekst(const QString& pad, int n = 0) {
    QStringList argumenten{QStringLiteral("-layout")};
    if (n > 0)
        argumenten << QStringLiteral("-f") << QString::number(n) << QStringLiteral("-l")
                   << QString::number(n);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumenten << pad << QStringLiteral("-"));
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pixels of page n of a PDF, drawn at 100 dpi, that show colour `kleur` (give or take what smoothing
// mixes in).
int PdfPixels(const QString& pad, int n, const QColor& kleur) {
    const QString beeld = pad + QStringLiteral("-pagina");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                                         QString::number(n), QStringLiteral("-r"), QStringLiteral("100"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pad, beeld});
    if (!p.waitForFinished(30000)) return 0;
    const QImage pagina(beeld + QStringLiteral(".png"));
    int aantal = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x) {
            const QColor c = pagina.pixelColor(x, y);
            if (std::abs(c.red() - kleur.red()) + std::abs(c.green() - kleur.green()) +
                    std::abs(c.blue() - kleur.blue()) <
                48)
                ++aantal;
        }
    return aantal;
}

void KiesEenheid(QComboBox* lijst, const QString& eenheid) {
    const int i = lijst->findText(eenheid);
    ASSERT_GE(i, 0) << eenheid.toStdString();
    // As the user picks it from the drop-down list.
    lijst->setCurrentIndex(i);
    emit lijst->activated(i);
}

// The pH electrode of the tour: ISO pH 7.10, slope 97 %, at 25 °C.
float PhElectrode(double ph) {
    return static_cast<float>((7.10 - ph) * 0.97 * 298.159 / 5.04);
}

class TourTest : public ShellOmgeving {
protected:
    void SetUp() override {
        ShellOmgeving::SetUp();
        emulator.zetRack(1, Rack1);
        RackEmulator::Module& a = emulator.zetModule(1, 1, K761);
        a.status = 0x0F;
        a.adc = {12345, -4321, 7, 1999};
        a.temperatuurAdc = {250, 250, 250, 250};
        emulator.zetRack(2, Rack2);
        RackEmulator::Module& b = emulator.zetModule(2, 1, K762);
        b.status = 0x0F;
        b.adc = {1000, 2000, 3000, 4000};
        b.temperatuurAdc = {250, 250, 250, 250};
        BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Serial port"),
                         QStringLiteral("COM1"));
        const QString taal = qEnvironmentVariable("K740_TOUR_TAAL");
        if (!taal.isEmpty())
            BewaarInstelling(AppNaam, QStringLiteral("Settings"), QStringLiteral("Language"), taal);
        ZetPrinterbron([] { return Printerlijst{{PdfPrinter()}, QString()}; });
        InstalleerGeheugenlijn(emulator);
    }
    void TearDown() override {
        ZetBestandsdialogen(nullptr);
        ShellOmgeving::TearDown();
    }

    // What a new process starts with, with the PDF printer and the same racks on the line.
    void NieuweStart() {
        ShellOmgeving::NieuweStart();
        ZetPrinterbron([] { return Printerlijst{{PdfPrinter()}, QString()}; });
        InstalleerGeheugenlijn(emulator);
    }
    QString Gegevensmap() const { return tijdelijkeMap() + QStringLiteral("/Documents/Quorvex/K740/Data"); }

    static void Activeer(mdiK740& venster, QWidget* kind) {
        venster.mdiGebied()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Kindvensterkader(kind)));
    }
    // Opens the module settings dialog with a double-click on the value of input c of module m.
    static DialogK76xSettings* OpenModuleInstellingen(int r, int m, int c) {
        auto* rack = dynamic_cast<FormRack*>(RackVenster(r));
        if (!rack) return nullptr;
        QTest::mouseDClick(rack->LabelWaarde[RackLabelIndex(m, c)], Qt::LeftButton);
        DialogK76xSettings* d = ModuleInstellingenVenster();
        return d && d->isVisible() ? d : nullptr;
    }

    // Runs the calibration that the module settings dialog's tab `tab` opens, as the harness scripts
    // it: the procedure ends without a message, and input k of rack r's first module has its
    // calibration date in the dialog's settings (the live input takes it with OK). The test's message
    // box is back afterwards.
    template <class Dialoog>
    void Kalibreer(KalibratieHarnas& h, DialogK76xSettings& d, int tab, int r, int k) {
        h.Draai([&] { d.SSTab->setCurrentIndex(tab), d.CommandCalibrate->click(); });
        InstalleerMeldingen();
        EXPECT_TRUE(h.meldingen.empty()) << h.meldingen.front().tekst.toStdString();
        EXPECT_EQ(h.toestanden.back(), Dialoog::Gesloten);
        EXPECT_EQ(d.Ri, r);
        EXPECT_GT(d.Instellingen().Meting[k].KalibratieDatum, 0);
    }

    RackEmulator emulator;
    Bestandskeuze dialogen;
    Beelden beelden;
};

TEST_F(TourTest, AUserGoesThroughTheWholeProgramAndTheNextStartGoesOnLogging) {
    constexpr qint64 Waakhond = 10 * 60 * 1000;
    const QString pdf = tijdelijkeMap() + QStringLiteral("/tour.pdf");
    const QString bewaard = Gegevensmap() + QStringLiteral("/Tour.csv");
    int rijenBijSluiten = 0;
    QStringList grafiektitels;

    {
        SCOPED_TRACE("first start");
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        ZetBestandsdialogen(&dialogen);
        Draaiboek boek(venster, Waakhond);
        auto stap = [&](const char* naam, std::function<bool()> wanneer, std::function<void()> doe) {
            boek.Stap(QString::fromLatin1(naam), std::move(wanneer), [naam, doe = std::move(doe)] {
                SCOPED_TRACE(naam);
                doe();
            });
        };
        auto altijd = [] { return true; };

        stap(
            "the settings window of a first start",
            [] { return InstellenVenster() && InstellenVenster()->isVisible(); },
            [&] {
                // The main window at the size of a laboratory screen for the pictures.
                if (beelden.Actief()) venster.resize(1360, 860);
                frmInstellen& instellen = *InstellenVenster();
                for (int tab = 0; tab < instellen.SSTab->count(); ++tab) {
                    instellen.SSTab->setCurrentIndex(tab);
                    beelden.Neem(QStringLiteral("instellingen-%1").arg(tab));
                }
                instellen.SSTab->setCurrentIndex(0);
                instellen.CheckLogStartup->setChecked(true);
                instellen.UpDownPollInterval->setValue(5);
                QTest::mouseClick(instellen.OKButton, Qt::LeftButton);
            });
        stap(
            "both racks logged on", [] { return RackVenster(1) && RackVenster(2) && !PauzeOpvragen; },
            [&] {
                EXPECT_EQ(Racks[1].Idno, Rack1);
                EXPECT_EQ(Racks[1].Modules[1].Idno, K761);
                EXPECT_EQ(Racks[2].Idno, Rack2);
                EXPECT_EQ(Racks[2].Modules[1].Idno, K762);
                for (int r : {1, 2}) {
                    QWidget* kader = Kindvensterkader(dynamic_cast<QWidget*>(RackVenster(r)));
                    ASSERT_NE(kader, nullptr);
                    EXPECT_TRUE(kader->isVisible());
                    EXPECT_EQ(kader->windowTitle(),
                              QStringLiteral("Rack ") + IdnoAlsTekst(r == 1 ? Rack1 : Rack2));
                    EXPECT_TRUE(TitelHeel(*kader)) << "a rack of one module shows its caption whole";
                }
                EXPECT_FALSE(MetenActief);
                beelden.Neem(QStringLiteral("aangemeld"));
                venster.werkbalk().Knop(KnopMeten)->trigger();
                EXPECT_TRUE(MetenActief);
            });
        stap(
            "the rack windows show the readings",
            [] {
                auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
                return rack && !rack->LabelWaarde[RackLabelIndex(1, 1)]->text().isEmpty();
            },
            [&] {
                auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
                EXPECT_EQ(rack->LabelWaarde[RackLabelIndex(1, 1)]->text(), QStringLiteral("1234.5"));
                EXPECT_EQ(rack->LabelWaarde[RackLabelIndex(1, 2)]->text(), QStringLiteral("-432.1"));
                beelden.Neem(QStringLiteral("meten"));
                // "Start logging on start-up" was chosen: logging began with the log-on.
                EXPECT_TRUE(VerbindingActief);
                EXPECT_TRUE(venster.werkbalk().Knop(KnopLoggen)->isChecked());
            });
        stap(
            "two rows logged",
            [&] { return Meetrijen(Gegevensmap() + QStringLiteral("/Untitled.csv")) >= 2; },
            [&] {
                venster.menus().mnuDataTabel->trigger();
                frmTabel* tabel = frmTabelVan(1);
                ASSERT_NE(tabel, nullptr);
                EXPECT_TRUE(Kindvensterkader(tabel)->isVisible());
                // A row per logged snapshot, as in the file.
                int rijen = 0;
                for (int rij = 0; rij < tabel->MSHFlexGrid[1]->model()->rowCount(); ++rij)
                    if (!tabel->MSHFlexGrid[1]->model()->index(rij, 1).data().toString().isEmpty()) ++rijen;
                EXPECT_EQ(rijen, Meetrijen(Gegevensmap() + QStringLiteral("/Untitled.csv")));
                EXPECT_GE(rijen, 2);
                const QString cellen = Celteksten(tabel->MSHFlexGrid[1]);
                EXPECT_TRUE(cellen.contains(QStringLiteral("1234.5"))) << cellen.left(400).toStdString();
                beelden.Neem(QStringLiteral("tabel"));
                // Logging off again: the Edit menu's commands are off while logging.
                venster.werkbalk().Knop(KnopLoggen)->trigger();
                EXPECT_FALSE(VerbindingActief);
            });
        stap("a table-series graph and an XY recorder", altijd, [&] {
            for (bool recorder : {false, true}) {
                bool gevraagd = false;
                platform::klok().planIn(0, [&] {
                    frmGrafiekInstellen* d = GrafiekInstellenVenster();
                    if (!d) return;
                    gevraagd = d->isVisible();
                    for (QTabWidget* tabs : d->findChildren<QTabWidget*>())
                        for (int t = 0; t < tabs->count(); ++t) {
                            tabs->setCurrentIndex(t);
                            beelden.Neem(QStringLiteral("grafiekinstellingen-%1-%2").arg(recorder).arg(t));
                        }
                    if (!recorder) {
                        // The table series shows the first input of each rack: curve 1 the K761's mV,
                        // curve 2 the K762's conductivity, each chosen in the curve input picker.
                        KiesCurve(*d, 1, 1, 1, [&] { beelden.Neem(QStringLiteral("curvekeuze-1")); });
                        KiesCurve(*d, 2, 2, 1, [&] { beelden.Neem(QStringLiteral("curvekeuze-2")); });
                        beelden.Neem(QStringLiteral("grafiekinstellingen-curven"));
                        EXPECT_EQ(d->CurveCel(1, KolomCurveIngang)->text(),
                                  Tekst[297] + QStringLiteral(" 1, ") + Tekst[296] + QStringLiteral("1, ") +
                                      Tekst[295] + QStringLiteral("1 (mV)"));
                        EXPECT_EQ(d->CurveCel(2, KolomCurveIngang)->text(),
                                  Tekst[297] + QStringLiteral(" 2, ") + Tekst[296] + QStringLiteral("1, ") +
                                      Tekst[295] + QStringLiteral("1 (S/cm)"));
                    }
                    d->CmdOK->click();
                });
                (recorder ? venster.menus().mnuGraphNewRecorder : venster.menus().mnuGraphNewTable)
                    ->trigger();
                EXPECT_TRUE(gevraagd) << "the graph settings dialog was not shown";
            }
            ASSERT_EQ(AantalOpenGrafieken(), 2);
            for (int g : {1, 2}) {
                frmGrafiek* grafiek = GrafiekWidget(g);
                ASSERT_NE(grafiek, nullptr);
                EXPECT_TRUE(Kindvensterkader(grafiek)->isVisible());
                EXPECT_FALSE(grafiek->Caption().isEmpty());
                grafiektitels << grafiek->Caption();
            }
            EXPECT_TRUE(GrafiekWidget(2)->Instellingen().XYrecorder);
            EXPECT_FALSE(GrafiekWidget(1)->Instellingen().XYrecorder);
            // The table series draws both curves from the rows the tables hold.
            const int tabelrijen = Meetrijen(Gegevensmap() + QStringLiteral("/Untitled.csv"));
            const Grafiekmodel& tabelreeks = GrafiekWidget(1)->Model();
            for (int curve : {1, 2}) {
                EXPECT_TRUE(tabelreeks.Reeks(curve + 2).zichtbaar) << "curve " << curve;
                EXPECT_EQ(Punten(tabelreeks, curve), tabelrijen) << "curve " << curve;
            }
            EXPECT_EQ(tabelreeks.Raster().Waarde(1, 3), 1234.5);
            // Both new graphs at the size they open at.
            beelden.Neem(QStringLiteral("nieuwe-grafieken"));
            if (beelden.Actief()) {
                Kindvensterkader(GrafiekWidget(1))->showMaximized();
                beelden.Neem(QStringLiteral("tabelreeks"));
                Kindvensterkader(GrafiekWidget(1))->showNormal();
                // The arrangements with three graphs and a table, and a graph made small; the third
                // graph goes again afterwards, so the tour goes on as before.
                ToonTabelVenster(1);
                platform::klok().planIn(0, [] {
                    if (frmGrafiekInstellen* d = GrafiekInstellenVenster()) d->CmdOK->click();
                });
                frmGrafiek* derde = venster.vensterbeheer().NieuweGrafiek(false);
                for (QAction* schikking :
                     {venster.menus().mnuWindowCascade, venster.menus().mnuWindowTileHorizontal,
                      venster.menus().mnuWindowTileVertical}) {
                    schikking->trigger();
                    beelden.Neem(schikking->objectName());
                }
                QWidget* klein = Kindvensterkader(GrafiekWidget(1));
                klein->resize(klein->size() - GrafiekWidget(1)->size() + QSize(300, 150));
                klein->move(40, 40);
                klein->raise();
                beelden.Neem(QStringLiteral("grafiek-300x150"));
                if (derde) derde->Ontlaad();
            }
            venster.menus().mnuWindowTileHorizontal->trigger();
            beelden.Neem(QStringLiteral("grafieken"));
        });
        stap("copy and paste of a graph's settings", altijd, [&] {
            GrafiekWidget(1)->Instellingen().AlarmHoog = true;
            GrafiekWidget(1)->Instellingen().AlarmHoogWaarde = 1500;
            Activeer(venster, GrafiekWidget(1));
            venster.mnuEdit_Click();
            ASSERT_TRUE(venster.menus().mnuEditCopySettings->isEnabled());
            venster.menus().mnuEditCopySettings->trigger();
            Activeer(venster, GrafiekWidget(2));
            venster.mnuEdit_Click();
            ASSERT_TRUE(venster.menus().mnuEditPasteSettings->isEnabled());
            vragen.clear();
            antwoorden = {vbYes};
            venster.menus().mnuEditPasteSettings->trigger();
            ASSERT_EQ(vragen.size(), 1u);
            EXPECT_TRUE(vragen[0].tekst.contains(grafiektitels[0])) << vragen[0].tekst.toStdString();
            EXPECT_TRUE(vragen[0].tekst.contains(grafiektitels[1])) << vragen[0].tekst.toStdString();
            EXPECT_TRUE(GrafiekWidget(2)->Instellingen().AlarmHoog);
            EXPECT_EQ(GrafiekWidget(2)->Instellingen().AlarmHoogWaarde, 1500);
        });
        stap("the K761's units: pH, an ion and mV", altijd, [&] {
            DialogK76xSettings* d = OpenModuleInstellingen(1, 1, 1);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->windowTitle().startsWith(QStringLiteral("Rack ") + IdnoAlsTekst(Rack1)))
                << d->windowTitle().toStdString();
            beelden.Neem(QStringLiteral("module-k761"));
            KiesEenheid(d->ComboEenheid[0], QStringLiteral("pH"));
            KiesEenheid(d->ComboEenheid[1], QStringLiteral("g/l (Ion)"));
            KiesEenheid(d->ComboEenheid[2], QStringLiteral("mV"));
            vragen.clear();
            antwoorden = {vbOK, vbOK};
            d->OKButton->click();
            EXPECT_EQ(d->uitslag(), DialogK76xSettings::Uitslag::OK);
            // pH and ion inputs must be calibrated: each is warned about and accepted.
            ASSERT_EQ(vragen.size(), 2u);
            EXPECT_TRUE(vragen[0].titel.endsWith(QStringLiteral("1")));
            EXPECT_TRUE(vragen[1].titel.endsWith(QStringLiteral("2")));
            EXPECT_EQ(Racks[1].Modules[1].Meting[1].Unit.getrimd(), QStringLiteral("pH"));
            EXPECT_EQ(Racks[1].Modules[1].Meting[2].Unit.getrimd(), QStringLiteral("g/l"));
        });
        stap("a pH calibration", altijd, [&] {
            DialogK76xSettings* d = OpenModuleInstellingen(1, 1, 1);
            ASSERT_NE(d, nullptr);
            using D = DialogCalibrationPH;
            KalibratieHarnas h(klok(), emulator, K761, 1);
            h.ZetLezing(PhElectrode(7.00), 25.0f);
            h.Bij(D::KiesBuffer1, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ph-kalibratie"));
                Klik(k, "CommandCalibrate");
            });
            h.Bij(D::KiesBuffer2, [&](KalibratieDialoog& k) {
                h.ZetLezing(PhElectrode(4.01), 25.0f);
                auto& ph = static_cast<D&>(k);
                ph.ComboBufferwaarde[1]->setCurrentIndex(
                    ph.ComboBufferwaarde[1]->findText(QStringLiteral("4.01")));
                Klik(k, "CommandCalibrate");
            });
            h.Bij(D::Resultaat, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ph-resultaat"));
                Klik(k, "OKButton");
            });
            Kalibreer<D>(h, *d, 0, 1, 1);
            d->CancelButton->click();
        });
        stap("an ion-selective calibration", altijd, [&] {
            DialogK76xSettings* d = OpenModuleInstellingen(1, 1, 2);
            ASSERT_NE(d, nullptr);
            using D = DialogCalibrationISE;
            KalibratieHarnas h(klok(), emulator, K761, 2);
            h.ZetLezing(-177.0f, 25.0f);
            auto okNaStabiel = [&](KalibratieDialoog&) {
                h.Na(16000, [&] { Klik(*h.dialoog, "OKButton"); });
            };
            h.Bij(D::KiesStandaard1, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ion-kalibratie"));
                static_cast<D&>(k).ComboBufferwaarde[0]->setCurrentIndex(3);
                Klik(k, "CommandCalibrate");
            });
            h.Bij(D::Meten1, okNaStabiel);
            h.Bij(D::KiesStandaard2, [&](KalibratieDialoog& k) {
                h.ZetLezing(0.0f, 25.0f);
                static_cast<D&>(k).ComboBufferwaarde[1]->setCurrentIndex(6);
                Klik(k, "CommandCalibrate");
            });
            h.Bij(D::Meten2, okNaStabiel);
            h.Bij(D::KiesBlanco, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ion-resultaat"));
                Klik(k, "OKButton");
            });
            Kalibreer<D>(h, *d, 1, 1, 2);
            d->CancelButton->click();
        });
        stap("a 1-point calibration", altijd, [&] {
            DialogK76xSettings* d = OpenModuleInstellingen(1, 1, 3);
            ASSERT_NE(d, nullptr);
            using D = DialogCalibration1p;
            KalibratieHarnas h(klok(), emulator, K761, 3);
            h.ZetLezing(150.0f, 25.0f);
            h.Bij(D::Meten, [&](KalibratieDialoog&) {
                h.Na(2000, [&] {
                    auto& een = static_cast<D&>(*h.dialoog);
                    beelden.Neem(QStringLiteral("eenpunt-kalibratie"));
                    QLineEdit* veld = een.ComboBufferwaarde->lineEdit();
                    veld->selectAll();
                    QTest::keyClicks(veld, QStringLiteral("50"));
                    QTest::keyClick(veld, Qt::Key_Return);
                    Klik(een, "OKButton");
                });
            });
            Kalibreer<D>(h, *d, 2, 1, 3);
            d->CancelButton->click();
        });
        stap("the K762's cell constant", altijd, [&] {
            DialogK76xSettings* d = OpenModuleInstellingen(2, 1, 1);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->windowTitle().startsWith(QStringLiteral("Rack ") + IdnoAlsTekst(Rack2)))
                << d->windowTitle().toStdString();
            beelden.Neem(QStringLiteral("module-k762"));
            using D = DialogCalibrationEC;
            KalibratieHarnas h(klok(), emulator, K762, 1);
            // 0.01 M KCl (1413 µS/cm) in a cell of factor 0.98, read on range 1.
            h.ZetLezing(static_cast<float>(std::round(0.001413 * 3.895 / 0.98 * 1e6) / 10.0), 25.0f);
            h.Bij(D::KiesStandaard, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ec-kalibratie"));
                Klik(k, "CommandCalibrate");
            });
            h.Bij(D::Resultaat, [&](KalibratieDialoog& k) {
                beelden.Neem(QStringLiteral("ec-resultaat"));
                EXPECT_EQ(static_cast<D&>(k).LabelMeetwaarde->text(), QStringLiteral("0.980"));
                Klik(k, "CommandOK");
            });
            Kalibreer<D>(h, *d, 0, 2, 1);

            // The GLP window of that input, from the dialog.
            d->CommandGLP->click();
            FormGLP* glp = RapportVenster();
            ASSERT_NE(glp, nullptr);
            EXPECT_TRUE(glp->isVisible());
            EXPECT_EQ(glp->SSTab->currentIndex(), 1);
            const QString historie = Celteksten(glp->FlexGridGLP);
            EXPECT_TRUE(historie.contains(QStringLiteral("0.980"))) << historie.left(600).toStdString();
            beelden.Neem(QStringLiteral("glp"));
            glp->OKButton->click();
            d->CancelButton->click();
        });
        stap("the configuration report", altijd, [&] {
            venster.mnuNetwork_Click();
            ASSERT_TRUE(venster.menus().mnuSystemReport->isEnabled());
            venster.menus().mnuSystemReport->trigger();
            FormGLP* rapport = RapportVenster();
            ASSERT_NE(rapport, nullptr);
            EXPECT_TRUE(rapport->isVisible());
            EXPECT_EQ(rapport->SSTab->currentIndex(), 0);
            const QString configuratie = Celteksten(rapport->FlexGridConfiguratie);
            EXPECT_TRUE(configuratie.contains(QStringLiteral("K761")))
                << configuratie.left(600).toStdString();
            // Every button shows its whole caption, and none covers the check box beside it.
            for (QPushButton* knop :
                 {rapport->CommandPrint, rapport->CommandToFile, rapport->OKButton, rapport->CommandHelp})
                EXPECT_GE(knop->width(), knop->sizeHint().width()) << knop->text().toStdString();
            EXPECT_FALSE(
                rapport->CommandToFile->geometry().intersects(rapport->CheckAllChannels->geometry()));
            beelden.Neem(QStringLiteral("configuratie"));
            rapport->OKButton->click();
        });
        stap("every window printed to PDF", altijd, [&] {
            dialogen.bestanden = {pdf};
            bool getoond = false;
            // The dialog is modal on its own event loop: a zero timer reaches it there.
            QTimer::singleShot(0, qApp, [&] {
                formPrint* d = AfdrukDialoog();
                if (!d || !d->isVisible()) return;
                getoond = true;
                for (int t = 0; t < d->SSTab1->count(); ++t) {
                    d->SSTab1->setCurrentIndex(t);
                    beelden.Neem(QStringLiteral("afdrukken-%1").arg(t));
                }
                d->OptionAlles->setChecked(true);
                d->ComboPrinter->setCurrentIndex(d->ComboPrinter->findText(PdfPrinterNaam));
                d->OKButton->click();
            });
            Activeer(venster, frmTabelVan(1));
            venster.menus().mnuFilePrint->trigger();
            ASSERT_TRUE(getoond) << "the print dialog was not shown";
            ASSERT_TRUE(QFile::exists(pdf));
            // Both tables with their modules, both graphs: a page each at least.
            EXPECT_GE(PdfPaginas(pdf), 4);
            const QString tekst = PdfTekst(pdf);
            EXPECT_TRUE(tekst.contains(QStringLiteral("1234.5"))) << "the table's values";
            for (const QString& titel : grafiektitels)
                EXPECT_TRUE(tekst.contains(titel)) << titel.toStdString();
            // The table series' page draws its curves: curve 2's navy is on no other part of a chart.
            int grafiekpagina = 0;
            for (int n = 1; n <= PdfPaginas(pdf) && !grafiekpagina; ++n)
                if (PdfTekst(pdf, n).contains(grafiektitels.value(0))) grafiekpagina = n;
            ASSERT_GT(grafiekpagina, 0) << "no page of " << grafiektitels.value(0).toStdString();
            EXPECT_GT(PdfPixels(pdf, grafiekpagina, QColor(0, 0, 128)), 0) << "page " << grafiekpagina;
        });
        stap("Save As", altijd, [&] {
            dialogen.bestanden = {bewaard};
            vragen.clear();
            venster.menus().mnuFileSaveAs->trigger();
            ASSERT_TRUE(QFile::exists(bewaard));
            EXPECT_GE(Meetrijen(bewaard), 2);
            EXPECT_TRUE(venster.windowTitle().contains(QStringLiteral("Tour")))
                << venster.windowTitle().toStdString();
            beelden.Neem(QStringLiteral("opgeslagen"));
            // Logging on again into the saved file, then the close box.
            rijenBijSluiten = Meetrijen(bewaard);
            venster.werkbalk().Knop(KnopLoggen)->trigger();
            EXPECT_TRUE(VerbindingActief);
        });
        stap(
            "a row logged into the saved file", [&] { return Meetrijen(bewaard) > rijenBijSluiten; },
            [&] {
                vragen.clear();
                antwoorden = {vbYes, vbYes, vbYes};
                SluitMetSluitknop(venster);
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
        EXPECT_TRUE(ProgrammaBeeindigd);
    }
    {
        SCOPED_TRACE("the questions of the close");
        QStringList teksten;
        for (const Vraag& v : vragen)
            teksten << v.tekst;
        // Only the changed configuration is asked about: the measurements are in their file already.
        EXPECT_EQ(teksten, QStringList{Tekst[183]}) << teksten.join(QStringLiteral(" | ")).toStdString();
    }
    rijenBijSluiten = Meetrijen(bewaard);
    // The last run ends with its end point: a row of only its time.
    const size_t regelsBijSluiten = Regels(bewaard).size();
    ASSERT_GT(regelsBijSluiten, 0u);
    {
        const QStringList eindpunt = Regels(bewaard).back();
        EXPECT_TRUE(std::all_of(eindpunt.begin() + 1, eindpunt.end(), [](const QString& v) {
            return v.isEmpty();
        })) << eindpunt.join(QLatin1Char(',')).toStdString();
    }

    NieuweStart();
    {
        SCOPED_TRACE("second start");
        mdiK740 venster;
        const Installatie installatie(venster);
        InstalleerMeldingen();
        Draaiboek boek(venster, Waakhond);
        boek.Stap(
            QStringLiteral("the windows are back"),
            [] { return RackVenster(1) && RackVenster(2) && AantalOpenGrafieken() == 2; },
            [&] {
                EXPECT_EQ(Gegevensbestand, bewaard);
                for (int g : {1, 2})
                    EXPECT_EQ(GrafiekWidget(g)->Caption(), grafiektitels.value(g - 1));
                EXPECT_TRUE(GrafiekWidget(2)->Instellingen().XYrecorder);
            });
        boek.Stap(
            QStringLiteral("two more rows logged"), [&] { return Meetrijen(bewaard) >= rijenBijSluiten + 2; },
            [&] {
                EXPECT_TRUE(VerbindingActief);
                // The rows of this start carry the racks' readings: every input's value and unit, in
                // the file and in the table, as the rack windows show them.
                const std::vector<QStringList> regels = Regels(bewaard);
                ASSERT_GE(regels.size(), regelsBijSluiten + 2);
                frmTabel* tabel = frmTabelVan(1);
                ASSERT_NE(tabel, nullptr);
                const QAbstractItemModel* cellen = tabel->MSHFlexGrid[1]->model();
                auto* rack = dynamic_cast<FormRack*>(RackVenster(1));
                ASSERT_NE(rack, nullptr);
                for (size_t i = regelsBijSluiten; i < regels.size(); ++i) {
                    SCOPED_TRACE(regels[i].join(QLatin1Char(',')).left(200).toStdString());
                    // Time, then per module of both racks 5 fields per input and the info.
                    ASSERT_GE(regels[i].size(), 1 + 2 * 21);
                    for (int m = 0; m < 2; ++m)
                        for (int c = 0; c < 4; ++c) {
                            EXPECT_FALSE(regels[i][1 + 21 * m + 5 * c + 1].isEmpty()) << "value " << m << c;
                            EXPECT_FALSE(regels[i][1 + 21 * m + 5 * c + 2].isEmpty()) << "unit " << m << c;
                        }
                    EXPECT_EQ(regels[i][2], rack->LabelWaarde[RackLabelIndex(1, 1)]->text());
                    EXPECT_EQ(regels[i][3], QStringLiteral("pH"));
                    // The table's row of the same snapshot.
                    const int rij = static_cast<int>(i);
                    EXPECT_EQ(cellen->index(rij, 0).data().toString(), QString::number(rij + 1));
                    EXPECT_EQ(cellen->index(rij, 3).data().toString(), regels[i][2]);
                    EXPECT_EQ(cellen->index(rij, 4).data().toString(), regels[i][3]);
                }
                // The table series came back with its curves, on every measuring row of the file.
                const Grafiekmodel& tabelreeks = GrafiekWidget(1)->Model();
                for (int curve : {1, 2}) {
                    EXPECT_TRUE(tabelreeks.Reeks(curve + 2).zichtbaar) << "curve " << curve;
                    EXPECT_EQ(Punten(tabelreeks, curve), Meetrijen(bewaard)) << "curve " << curve;
                }
                beelden.Neem(QStringLiteral("tweede-start"));
                if (beelden.Actief()) {
                    Kindvensterkader(GrafiekWidget(1))->showMaximized();
                    beelden.Neem(QStringLiteral("tweede-start-tabelreeks"));
                }
                antwoorden = {vbNo};
                venster.menus().mnuFileExit->trigger();
            });
        ASSERT_TRUE(venster.MDIForm_Load({}));
        EXPECT_TRUE(boek.Klaar()) << "waiting for: " << boek.Wachtend();
    }
}

} // namespace
