#include "reports/formPrint.h"

#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "files/Bestandsdialogen.h"
#include "files/Meetbestand.h"
#include "platform/Klok.h"
#include "reports/Afdrukverdeling.h"
#include "reports/Printerinstellingen.h"
#include "reports/Printers.h"
#include "reports/Printervlak.h"
#include "reports/Rapportkop.h"
#include "reports/formPaginaSetup.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Vensterfuncties.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

namespace {

struct Houder {
    std::unique_ptr<formPrint> venster;
    Afdrukbronnen bronnen;
    Afdrukverdeler verdeler;
    ~Houder() {
        // At the very end of the program the dialog may outlive the application object; it then goes
        // with the process.
        if (!QCoreApplication::instance()) (void)venster.release();
    }
};
Houder houder;

class Wachtcursor {
public:
    Wachtcursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wachtcursor() { QApplication::restoreOverrideCursor(); }
    Wachtcursor(const Wachtcursor&) = delete;
    Wachtcursor& operator=(const Wachtcursor&) = delete;
};

QWidget* Rapportvenster() {
    return houder.bronnen.Rapportvenster ? houder.bronnen.Rapportvenster() : nullptr;
}

int32_t Geselecteerd(int r, int m) {
    return vensterafdruk().Geselecteerd(r, m);
}

bool HeeftAlarm(GrafiekvensterInterface* g) {
    return g && (g->Instellingen().AlarmHoog || g->Instellingen().AlarmLaag);
}

// Asks for the PDF file; "" after Cancel. An existing file is replaced only after Yes, asked in the standard
// box: the user answers it before anything else.
QString VraagPdfBestand() {
    for (;;) {
        BestandsdialoogVraag vraag;
        vraag.opslaan = true;
        vraag.titel = Tekst[186];
        vraag.beginMap = MapGegevens;
        vraag.naam = MapGegevens + QLatin1Char('/') + QFileInfo(Gegevensbestand).completeBaseName() +
                     QStringLiteral(".pdf");
        vraag.filter = QStringLiteral("PDF (*.pdf)|*.pdf");
        const std::optional<QString> gekozen = bestandsdialogen().KiesBestand(vraag);
        if (!gekozen || gekozen->trimmed().isEmpty()) return QString();
        QString pad = *gekozen;
        if (QFileInfo(pad).suffix().isEmpty()) pad += QStringLiteral(".pdf");
        if (!QFileInfo::exists(pad) ||
            ToonStandaardMelding(Tekst[118], vbYesNo | vbExclamation, pad) == vbYes)
            return pad;
    }
}

} // namespace

QPixmap OrientatiePlaatje(int16_t orientatie, int grootte) {
    QPixmap plaatje(grootte, grootte);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);
    const double lang = grootte - 4;
    const double kort = lang * 210.0 / 297.0;
    const bool liggend = orientatie == 2;
    const double b = liggend ? lang : kort;
    const double h = liggend ? kort : lang;
    const QRectF blad((grootte - b) / 2, (grootte - h) / 2, b, h);
    const double ezelsoor = kort * 0.18;
    QPolygonF omtrek;
    omtrek << blad.topLeft() << QPointF(blad.right() - ezelsoor, blad.top())
           << QPointF(blad.right(), blad.top() + ezelsoor) << blad.bottomRight() << blad.bottomLeft();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(omtrek);
    p.drawPolyline(QPolygonF{QPointF(blad.right() - ezelsoor, blad.top()),
                             QPointF(blad.right() - ezelsoor, blad.top() + ezelsoor),
                             QPointF(blad.right(), blad.top() + ezelsoor)});
    // A heading and lines of text, as they run on the page.
    const double m = kort * 0.12;
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(blad.left() + m, blad.top() + m + 2), QPointF(blad.center().x(), blad.top() + m + 2));
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (double y = blad.top() + m + 9; y < blad.bottom() - m; y += 5)
        p.drawLine(QPointF(blad.left() + m, y), QPointF(blad.right() - m, y));
    return plaatje;
}

formPrint::formPrint() {
    setObjectName(QStringLiteral("formPrint"));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto noem = [](QWidget* w, const char* naam) {
        w->setObjectName(QLatin1String(naam));
        return w;
    };

    // To print.
    auto* watPrinten = new QWidget;
    auto* FrameWatPrinten = new QGroupBox(watPrinten);
    noem(FrameWatPrinten, "FrameWatPrinten");
    OptionAlles = new QRadioButton(FrameWatPrinten);
    noem(OptionAlles, "OptionAlles");
    OptionActiefVenster = new QRadioButton(FrameWatPrinten);
    noem(OptionActiefVenster, "OptionActiefVenster");
    CheckEnkelSelectie = new QCheckBox(FrameWatPrinten);
    noem(CheckEnkelSelectie, "CheckEnkelSelectie");
    CheckAlarmRapport = new QCheckBox(FrameWatPrinten);
    noem(CheckAlarmRapport, "CheckAlarmRapport");
    auto* watLayout = new QVBoxLayout(FrameWatPrinten);
    watLayout->addWidget(OptionAlles);
    watLayout->addWidget(OptionActiefVenster);
    watLayout->addSpacing(8);
    watLayout->addWidget(CheckEnkelSelectie);
    watLayout->addWidget(CheckAlarmRapport);
    watLayout->addStretch();
    (new QVBoxLayout(watPrinten))->addWidget(FrameWatPrinten);
    SSTab1->addTab(watPrinten, QString());

    // Page header.
    auto* kop = new QWidget;
    auto* FramePageHeader = new QGroupBox(kop);
    noem(FramePageHeader, "FramePageHeader");
    auto maakRij = [FramePageHeader](const char* label, const char* tekst, QLabel*& l, QLineEdit*& t) {
        l = new QLabel(FramePageHeader);
        l->setObjectName(QLatin1String(label));
        t = new QLineEdit(FramePageHeader);
        t->setObjectName(QLatin1String(tekst));
    };
    maakRij("LabelOperator", "TextOperator", LabelOperator, TextOperator);
    maakRij("LabelBedrijf", "TextBedrijf", LabelBedrijf, TextBedrijf);
    maakRij("LabelAfdeling", "TextAfdeling", LabelAfdeling, TextAfdeling);
    maakRij("LabelToestel", "TextToestel", LabelToestel, TextToestel);
    // The note takes several lines: Enter starts a new line in it, Tab moves on.
    LabelNota = new QLabel(FramePageHeader);
    LabelNota->setObjectName(QStringLiteral("LabelNota"));
    TextNota = new QPlainTextEdit(FramePageHeader);
    TextNota->setObjectName(QStringLiteral("TextNota"));
    TextNota->setTabChangesFocus(true);
    TextNota->setFixedHeight(TextNota->fontMetrics().lineSpacing() * 4 + 2 * TextNota->frameWidth() + 8);
    auto* kopRaster = new QGridLayout(FramePageHeader);
    const std::array<std::pair<QLabel*, QWidget*>, 5> rijen = {std::pair{LabelOperator, TextOperator},
                                                               {LabelBedrijf, TextBedrijf},
                                                               {LabelAfdeling, TextAfdeling},
                                                               {LabelToestel, TextToestel},
                                                               {LabelNota, TextNota}};
    for (int i = 0; i < 5; ++i) {
        kopRaster->addWidget(rijen[static_cast<std::size_t>(i)].first, i, 0,
                             i == 4 ? Qt::AlignTop | Qt::AlignLeft : Qt::Alignment());
        kopRaster->addWidget(rijen[static_cast<std::size_t>(i)].second, i, 1);
    }
    kopRaster->setColumnStretch(1, 1);
    TextOperator->setMinimumWidth(TextOperator->fontMetrics().averageCharWidth() * 40);
    auto* Frame1 = new QGroupBox(kop);
    noem(Frame1, "Frame1");
    CommandPrinterFont = new QPushButton(Frame1);
    noem(CommandPrinterFont, "CommandPrinterFont");
    LabelTonenLettertype = new QLabel(Frame1);
    noem(LabelTonenLettertype, "LabelTonenLettertype");
    LabelTonenLettertype->setFrameShape(QFrame::StyledPanel);
    LabelTonenLettertype->setMinimumWidth(200);
    auto* fontLayout = new QHBoxLayout(Frame1);
    fontLayout->addWidget(CommandPrinterFont);
    fontLayout->addWidget(LabelTonenLettertype, 1);
    auto* kopLayout = new QVBoxLayout(kop);
    kopLayout->addWidget(FramePageHeader);
    kopLayout->addWidget(Frame1);
    kopLayout->addStretch();
    SSTab1->addTab(kop, QString());

    // Printer.
    auto* printerTab = new QWidget;
    auto* FramePrinter = new QGroupBox(printerTab);
    noem(FramePrinter, "FramePrinter");
    LabelPrinter = new QLabel(FramePrinter);
    noem(LabelPrinter, "LabelPrinter");
    ComboPrinter = new QComboBox(FramePrinter);
    noem(ComboPrinter, "ComboPrinter");
    ComboPrinter->setMinimumContentsLength(24);
    CommandProperties = new QPushButton(QStringLiteral("Properties"), FramePrinter);
    noem(CommandProperties, "CommandProperties");
    LabelPapier = new QLabel(FramePrinter);
    noem(LabelPapier, "LabelPapier");
    CommandPagina = new QPushButton(FramePrinter);
    noem(CommandPagina, "CommandPagina");
    auto* printerRaster = new QGridLayout(FramePrinter);
    printerRaster->addWidget(LabelPrinter, 0, 0);
    printerRaster->addWidget(ComboPrinter, 0, 1);
    printerRaster->addWidget(CommandProperties, 0, 2);
    printerRaster->addWidget(LabelPapier, 1, 0, 1, 2);
    printerRaster->addWidget(CommandPagina, 1, 2);
    printerRaster->setColumnStretch(1, 1);
    auto* FrameOrientatie = new QGroupBox(printerTab);
    noem(FrameOrientatie, "FrameOrientatie");
    LabelOrientatie = new QLabel(FrameOrientatie);
    noem(LabelOrientatie, "LabelOrientatie");
    OptionOrientatie[0] = new QRadioButton(FrameOrientatie);
    noem(OptionOrientatie[0], "OptionOrientatie0");
    OptionOrientatie[1] = new QRadioButton(FrameOrientatie);
    noem(OptionOrientatie[1], "OptionOrientatie1");
    ImageOrientation = new QLabel(FrameOrientatie);
    noem(ImageOrientation, "ImageOrientation");
    ImageOrientation->setFixedSize(64, 64);
    auto* orientatieKeuze = new QVBoxLayout;
    orientatieKeuze->addWidget(LabelOrientatie);
    orientatieKeuze->addWidget(OptionOrientatie[0]);
    orientatieKeuze->addWidget(OptionOrientatie[1]);
    auto* orientatieLayout = new QHBoxLayout(FrameOrientatie);
    orientatieLayout->addLayout(orientatieKeuze);
    orientatieLayout->addSpacing(24);
    orientatieLayout->addWidget(ImageOrientation);
    orientatieLayout->addStretch();
    auto* printerLayout = new QVBoxLayout(printerTab);
    printerLayout->addWidget(FramePrinter);
    printerLayout->addWidget(FrameOrientatie);
    printerLayout->addStretch();
    SSTab1->addTab(printerTab, QString());

    OKButton = new QPushButton(this);
    noem(OKButton, "OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(this);
    noem(CancelButton, "CancelButton");
    CommandHelp = new QPushButton(this);
    noem(CommandHelp, "CommandHelp");
    CommandSaveSettings = new QPushButton(this);
    noem(CommandSaveSettings, "CommandSaveSettings");
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(CommandSaveSettings);
    knoppen->addStretch();
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    knoppen->addWidget(CommandHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(knoppen);

    connect(OptionAlles, &QRadioButton::toggled, this, [this](bool aan) {
        if (aan) Option_Click();
    });
    connect(OptionActiefVenster, &QRadioButton::toggled, this, [this](bool aan) {
        if (aan) Option_Click();
    });
    for (QCheckBox* c : {CheckEnkelSelectie, CheckAlarmRapport})
        connect(c, &QCheckBox::clicked, this, &formPrint::Gewijzigd);
    for (QLineEdit* t : {TextOperator, TextBedrijf, TextAfdeling, TextToestel})
        connect(t, &QLineEdit::textChanged, this, &formPrint::Gewijzigd);
    connect(TextNota, &QPlainTextEdit::textChanged, this, &formPrint::Gewijzigd);
    connect(ComboPrinter, &QComboBox::activated, this, &formPrint::ComboPrinter_Click);
    for (QRadioButton* o : OptionOrientatie)
        connect(o, &QRadioButton::toggled, this, [this](bool aan) {
            if (!aan) return;
            ToonOrientatiePlaatje();
            Gewijzigd();
        });
    connect(CommandProperties, &QPushButton::clicked, this, &formPrint::CommandProperties_Click);
    connect(CommandPrinterFont, &QPushButton::clicked, this, &formPrint::CommandPrinterFont_Click);
    connect(CommandPagina, &QPushButton::clicked, this, &formPrint::CommandPagina_Click);
    connect(CommandSaveSettings, &QPushButton::clicked, this, &formPrint::CommandSaveSettings_Click);
    connect(CommandHelp, &QPushButton::clicked, this, [] { ToonHelp(HelpAfdrukvenster); });
    connect(CancelButton, &QPushButton::clicked, this, &formPrint::CancelButton_Click);
    connect(OKButton, &QPushButton::clicked, this, &formPrint::OKButton_Click);
}

formPrint::~formPrint() = default;

void formPrint::Laad() {
    LaadStringsPrint();
    m_lettertype = PrintLettertype;
    m_cursief = PrintCursief;
    NaarBestand = false;
    Refresh();
    if (PrintDirekt) OKButton_Click();
    SSTab1->setCurrentIndex(0);
    CommandSaveSettings->setEnabled(false);
}

void formPrint::LaadStringsPrint() {
    setWindowTitle(VervangAmpersand(Tekst[106], QString()) + QStringLiteral(" ..."));
    SSTab1->setTabText(0, Tekst[355]);
    SSTab1->setTabText(1, Tekst[240]);
    SSTab1->setTabText(2, Tekst[348]);
    OptionAlles->setText(Tekst[204]);
    QString wat;
    if (PrintVanuitGLP) {
        const QString tag = VensterTag(Rapportvenster());
        wat = tag == QStringLiteral("GLPreport") ? Tekst[399] : Tekst[400];
    } else if (ActiefVenster) {
        wat = ActiefVenster->windowTitle();
    }
    OptionActiefVenster->setText(wat.isEmpty() && !PrintVanuitGLP
                                     ? Tekst[205]
                                     : Tekst[205] + QStringLiteral(" (") + wat + QLatin1Char(')'));
    CheckEnkelSelectie->setText(Tekst[206]);
    CheckAlarmRapport->setText(Tekst[223]);
    LabelOperator->setText(Tekst[195]);
    LabelBedrijf->setText(Tekst[196]);
    LabelAfdeling->setText(Tekst[197]);
    LabelToestel->setText(Tekst[199]);
    LabelNota->setText(Tekst[198]);
    CommandPrinterFont->setText(QLatin1Char('&') + Tekst[163]);
    CommandPagina->setText(QLatin1Char('&') + Tekst[211]);
    LabelPrinter->setText(Tekst[348] + QLatin1Char(':'));
    LabelOrientatie->setText(Tekst[350]);
    OKButton->setText(Tekst[106]);
    CancelButton->setText(Tekst[141]);
    CommandHelp->setText(Tekst[227]);
    CommandSaveSettings->setText(Tekst[260]);
}

void formPrint::Refresh() {
    m_vullen = true;
    ToonLettertype();
    TextOperator->setText(PrintOperator);
    TextBedrijf->setText(PrintBedrijf);
    TextAfdeling->setText(PrintAfdeling);
    TextToestel->setText(PrintToestel);
    TextNota->setPlainText(QString(PrintNota).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const Printerlijst lijst = Printers();
    ComboPrinter->clear();
    for (const Printerinfo& p : lijst.Printers)
        ComboPrinter->addItem(p.Naam);
    const int aantal = static_cast<int>(lijst.Printers.size());
    if (PrinterIndex == -1) {
        int i = 0;
        while (i < aantal && lijst.Printers.at(i).Naam != HuidigePrinter().Naam)
            ++i;
        PrinterIndex = static_cast<int16_t>(i);
    }
    if (PrinterIndex >= aantal || PrinterIndex < -1) PrinterIndex = 0;
    if (aantal > 0) {
        ComboPrinter->setCurrentIndex(PrinterIndex);
        ZetHuidigePrinter(lijst.Printers.at(PrinterIndex));
        const QSizeF maat = AfdrukbareMaat(HuidigePrinter(), PrintOrientatie);
        InitialiseerPagina(maat.width(), maat.height());
        ZetPapiersoort(-1);
    }

    ToonOrientatie(PrintOrientatie);
    ToonOrientatiePlaatje();
    CheckAlarmRapport->setChecked(PrintAlarmRapport);

    if (!PrintDirekt) {
        const QString rapport = VensterTag(Rapportvenster());
        const bool rapportTab =
            rapport == QStringLiteral("SYSreport") || rapport == QStringLiteral("GLPreport");
        if (PrintAlles && !rapportTab)
            OptionAlles->setChecked(true);
        else
            OptionActiefVenster->setChecked(true);
        tePrintenVenster = PrintVanuitGLP ? Rapportvenster() : ActiefVenster;
        CheckEnkelSelectie->setChecked(PrintEnkelSelectie);
        BepaalTabelSelectie();
    }
    BepaalAlarmRapport();
    m_vullen = false;
}

void formPrint::UitlezenPrinterinstellingen() {
    PrintOperator = TextOperator->text();
    PrintBedrijf = TextBedrijf->text();
    PrintAfdeling = TextAfdeling->text();
    PrintToestel = TextToestel->text();
    // The note's lines end with CR LF, as the report header block prints and writes them.
    PrintNota = TextNota->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    PrintOrientatie = OptionOrientatie[1]->isChecked() ? 2 : 1;
    PrinterIndex = static_cast<int16_t>(ComboPrinter->currentIndex());
    if (PrinterIndex >= 0) {
        const Printerlijst lijst = Printers();
        if (PrinterIndex < lijst.Printers.size()) {
            const Printerinfo gekozen = lijst.Printers.at(PrinterIndex);
            // The current printer keeps the paper chosen for it in the set-up dialog.
            if (gekozen.Naam != HuidigePrinter().Naam) ZetHuidigePrinter(gekozen);
        }
    }
    if (!PrintDirekt) {
        PrintAlles = OptionAlles->isChecked();
        if (!PrintAlles) tePrintenVenster = ActiefVenster;
    }
    PrintEnkelSelectie = CheckEnkelSelectie->isChecked();
    PrintAlarmRapport = CheckAlarmRapport->isChecked();
    // A font name the system lacks stays: the system's font matching prints it with the font that
    // stands in for it. Only an empty name takes the default.
    if (PrintLettertype.trimmed().isEmpty()) {
        PrintLettertype = QStringLiteral("Arial");
        PrintCursief = false;
    }
}

void formPrint::ZetPapiersoort(int16_t code) {
    Printerinfo printer = HuidigePrinter();
    if (code >= 0) {
        const Printerlijst lijst = Printers();
        if (code >= lijst.Printers.size()) return;
        printer = lijst.Printers.at(code);
    }
    LabelPapier->setText(Tekst[349] + WeergavePapierSoort(PapierCode(printer.Papier)));
}

void formPrint::ToonOrientatie(int16_t orientatie) {
    OptionOrientatie[0]->setText(Tekst[351]);
    OptionOrientatie[1]->setText(Tekst[352]);
    OptionOrientatie[orientatie == 2 ? 1 : 0]->setChecked(true);
}

void formPrint::ToonOrientatiePlaatje() {
    ImageOrientation->setPixmap(OrientatiePlaatje(OptionOrientatie[1]->isChecked() ? 2 : 1, 64));
}

void formPrint::ToonLettertype() {
    QFont f(PrintLettertype);
    f.setPointSizeF(8);
    f.setItalic(PrintCursief);
    f.setBold(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    LabelTonenLettertype->setFont(f);
    LabelTonenLettertype->setText(PrintLettertype);
}

void formPrint::BepaalTabelSelectie() {
    if (PrintVanuitGLP) return;
    if (OptionAlles->isChecked()) {
        for (int r = 1; r <= AantalRacks; ++r) {
            if (!RackVlaggen[r].Table || !Racks[r].Present) continue;
            for (int m = 1; m <= AantalModules; ++m)
                if (Geselecteerd(r, m) > 0) {
                    CheckEnkelSelectie->setEnabled(true);
                    return;
                }
        }
        return;
    }
    const QString tag = VensterTag(ActiefVenster);
    if (!tag.startsWith(QStringLiteral("tabel"))) return;
    const int16_t tab = vensterafdruk().GetoondeTab(ActiefVenster);
    CheckEnkelSelectie->setEnabled(Geselecteerd(VensterSoort(tag), tab) > 0);
}

void formPrint::BepaalAlarmRapport() {
    CheckAlarmRapport->setEnabled(false);
    if (PrintVanuitGLP) return;
    if (OptionAlles->isChecked()) {
        for (int g = 1; g <= AantalGrafieken; ++g) {
            GrafiekvensterInterface* venster = GrafiekVenster(g);
            if (venster && venster->GrafiekIndex() == g && HeeftAlarm(venster)) {
                CheckAlarmRapport->setEnabled(true);
                return;
            }
        }
        return;
    }
    const QString tag = VensterTag(ActiefVenster);
    if (tag.startsWith(QStringLiteral("grafi")) && HeeftAlarm(GrafiekVenster(VensterSoort(tag))))
        CheckAlarmRapport->setEnabled(true);
}

void formPrint::Gewijzigd() {
    if (!m_vullen) CommandSaveSettings->setEnabled(true);
}

void formPrint::Option_Click() {
    if (m_vullen) return;
    BepaalTabelSelectie();
    BepaalAlarmRapport();
    Gewijzigd();
}

void formPrint::ComboPrinter_Click() {
    const int i = ComboPrinter->currentIndex();
    const Printerlijst lijst = Printers();
    if (i < 0 || i >= lijst.Printers.size()) return;
    ZetHuidigePrinter(lijst.Printers.at(i));
    ZetPapiersoort(-1);
    Gewijzigd();
}

void formPrint::CommandProperties_Click() {
    const int i = ComboPrinter->currentIndex();
    const Printerlijst lijst = Printers();
    if (i < 0 || i >= lijst.Printers.size()) return;
    Printerinfo printer = lijst.Printers.at(i);
    if (printer.Naam == HuidigePrinter().Naam) printer = HuidigePrinter();
    ZetHuidigePrinter(printer);
    QPrinter qprinter(QPrinter::HighResolution);
    if (printer.Pdf)
        qprinter.setOutputFormat(QPrinter::PdfFormat);
    else
        qprinter.setPrinterName(printer.Naam);
    qprinter.setPageSize(printer.Papier);
    qprinter.setPageOrientation(OptionOrientatie[1]->isChecked() ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
    QPageSetupDialog instellen(&qprinter, this);
    if (VoerDialoogUit(instellen) != QDialog::Accepted) return;
    printer.Papier = qprinter.pageLayout().pageSize();
    ZetHuidigePrinter(printer);
    ZetPapiersoort(-1);
}

void formPrint::CommandPrinterFont_Click() {
    Lettertype l;
    l.naam = PrintLettertype;
    l.grootte = 10;
    l.vet = false;
    l.cursief = PrintCursief;
    l.onderstreept = false;
    l.doorgehaald = false;
    if (!bestandsdialogen().KiesLettertype(l, Tekst[188])) return;
    PrintLettertype = l.naam;
    PrintCursief = l.cursief;
    ToonLettertype();
    Gewijzigd();
    ConfiguratieGewijzigd = true;
    hoofdvenster().ZetKnoppen();
}

void formPrint::CommandPagina_Click() {
    UitlezenPrinterinstellingen();
    formPaginaSetup marges(AfdrukbareMaat(HuidigePrinter(), PrintOrientatie), this);
    VoerDialoogUit(marges);
    if (!marges.CancelGeklikt) Gewijzigd();
}

void formPrint::CommandSaveSettings_Click() {
    m_lettertype = PrintLettertype;
    m_cursief = PrintCursief;
    UitlezenPrinterinstellingen();
    BewaarPrinterInstellingen(QStringLiteral("Printer"));
    CommandSaveSettings->setEnabled(false);
}

void formPrint::CancelButton_Click() {
    PrintLettertype = m_lettertype;
    PrintCursief = m_cursief;
    QDialog::reject();
}

void formPrint::reject() {
    CancelButton_Click();
}

void formPrint::OKButton_Click() {
    auto wacht = std::make_unique<Wachtcursor>();
    UitlezenPrinterinstellingen();
    const Printerinfo printer = HuidigePrinter();
    QString pdf;
    if (printer.Pdf && AutomatischeAfdruk) {
        pdf = AutomatischPdfBestand(tePrintenVenster);
    } else if (printer.Pdf) {
        wacht.reset();
        // The program's timers run while the file is asked for: the dialog and the one window it prints
        // are known again after it, and nothing is printed once either is gone.
        const QPointer<formPrint> zelf(this);
        const QPointer<QWidget> venster(tePrintenVenster);
        const bool eenVenster = PrintDirekt || !PrintAlles;
        pdf = VraagPdfBestand();
        if (!zelf || (eenVenster && venster != tePrintenVenster) || pdf.isEmpty()) return;
        wacht = std::make_unique<Wachtcursor>();
    }
    const auto afdruk = [this](Printer& p) {
        hide();
        if (houder.verdeler)
            houder.verdeler(*this, p);
        else
            VerdeelAfdruk(*this, p);
    };
    bool gelukt = false;
    if (printer.Pdf) {
        // An existing PDF file stays whole until the new one is.
        gelukt = PrintNaarPdf(pdf, afdruk, printer.Papier);
    } else {
        const std::unique_ptr<Printervlak> vlak = MaakAfdrukvlak(printer);
        Printer p(*vlak);
        InitialiseerPrinter(p);
        afdruk(p);
        gelukt = p.EndDoc();
    }
    wacht.reset();
    if (gelukt) return;
    // A PDF file is told by its path and the system's reason (a full disk is no file in use).
    const QString melding = printer.Pdf ? SchrijffoutTekst(pdf) : VervangHekje(Tekst[234], printer.Naam);
    if (AutomatischeAfdruk) {
        // No one waits for it: the failure is left where it can be found afterwards, on one line.
        const QString regel = melding.split(QStringLiteral("\r\n\r\n")).join(QStringLiteral(" - "));
        SchrijfLogboek(0, 0, regel);
        hoofdvenster().ZetStatusTekst(3, regel);
    } else {
        ToonMelding(melding, vbOKOnly | vbExclamation, Gegevensbestand);
    }
}

void ToonAfdrukDialoog(QWidget* actiefVenster) {
    if (!houder.venster) houder.venster = std::make_unique<formPrint>();
    formPrint& v = *houder.venster;
    PrintVanuitGLP = false;
    v.PrintDirekt = false;
    v.ActiefVenster = actiefVenster;
    v.Laad();
    VoerDialoogUit(v);
}

void ToonAfdrukDialoogRapport() {
    houder.venster = std::make_unique<formPrint>();
    formPrint& v = *houder.venster;
    PrintVanuitGLP = true;
    v.PrintDirekt = false;
    v.ActiefVenster = nullptr;
    v.Laad();
    v.show();
}

namespace {
void PrintVenster(QWidget* venster, bool automatisch) {
    formPrint v;
    PrintVanuitGLP = false;
    v.PrintDirekt = true;
    v.AutomatischeAfdruk = automatisch;
    v.tePrintenVenster = venster;
    v.ActiefVenster = venster;
    v.Laad();
    v.PrintDirekt = false;
}
} // namespace

void PrintVensterDirect(QWidget* venster) {
    PrintVenster(venster, false);
}

void PrintVensterAutomatisch(QWidget* venster) {
    PrintVenster(venster, true);
}

QString AutomatischPdfBestand(QWidget* venster) {
    QString titel = venster ? venster->windowTitle().trimmed() : QString();
    if (titel.isEmpty()) titel = QStringLiteral("K740");
    // Characters that no file name may hold on any of the systems the data folder may be shared with.
    static const QString verboden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : titel)
        if (verboden.contains(c) || c.unicode() < 32) c = QLatin1Char('_');
    const QString basis =
        MapGegevens + QLatin1Char('/') + titel + QLatin1Char(' ') +
        platform::QDateTimeUitDatum(platform::Nu()).toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString pad = basis + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(pad); ++n)
        pad = basis + QStringLiteral(" (%1).pdf").arg(n);
    return pad;
}

formPrint* AfdrukDialoog() {
    return houder.venster.get();
}

Afdrukbronnen& afdrukbronnen() {
    return houder.bronnen;
}

void ZetAfdrukverdeler(Afdrukverdeler verdeler) {
    houder.verdeler = std::move(verdeler);
}

void ResetformPrint() {
    houder.venster.reset();
    houder.bronnen = Afdrukbronnen{};
    houder.verdeler = nullptr;
}
