#include "rackviews/FormEditInfo.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "files/Werkkopie.h"
#include "shared/Algemeen.h"
#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {
constexpr int TekstKnopOK = 140, TekstKnopCancel = 141, TekstRackNaam = 312, TekstModuleNaam = 313,
              TekstNummer = 123, TekstInfo = 193;
// The design, in twips.
constexpr double Breedte = 4845, Hoogte = 1305;

bool geldig(int r, int m) {
    return r >= 1 && r <= AantalRacks && m >= 1 && m <= AantalModules;
}

// The info text as one field of a line: a run of line breaks (pasted into the text field) becomes one
// blank, so that the row stays one line of the file.
QString ZonderRegeleinden(QString tekst) {
    static const QRegularExpression regeleinden(QStringLiteral("[\\r\\n]+"));
    return tekst.replace(regeleinden, QStringLiteral(" "));
}
} // namespace

formEditInfo::formEditInfo(QWidget* eigenaar)
    : QDialog(eigenaar,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    const auto px = TwipsNaarPixels;
    LabelInfo = new QLabel(this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setTextFormat(Qt::PlainText);
    LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelInfo->setWordWrap(true);
    LabelInfo->setGeometry(px(60), px(60), px(3255), px(735));
    TextInfo = new QLineEdit(this);
    TextInfo->setObjectName(QStringLiteral("TextInfo"));
    TextInfo->setMaxLength(255);
    TextInfo->setGeometry(px(60), px(840), px(3195), px(315));
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setGeometry(px(3480), px(180), px(1215), px(375));
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    CommandCancel->setGeometry(px(3480), px(780), px(1215), px(375));
    setFixedSize(px(Breedte), px(Hoogte));
    setTabOrder(TextInfo, CommandOK);
    setTabOrder(CommandOK, CommandCancel);
    connect(CommandOK, &QPushButton::clicked, this, &formEditInfo::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &formEditInfo::CommandCancel_Click);
    // Enter in the text field presses OK; Escape and the title bar's close button act as Cancel.
    CommandOK->setDefault(true);
    CommandCancel->setAutoDefault(false);
}

formEditInfo::~formEditInfo() = default;

void formEditInfo::done(int resultaat) {
    ZetVensterNietBovenaan(this);
    QDialog::done(resultaat);
}

void formEditInfo::Laad() {
    CommandOK->setText(Tekst[TekstKnopOK]);
    CommandCancel->setText(Tekst[TekstKnopCancel]);
    m_niets = !geldig(Ri, Mi);
    m_rij = 0;
    if (!m_niets && (IngaveRackNaam || IngaveModuleNaam)) {
        const QString rackNaam = Racks[Ri].Name.getrimd();
        setWindowTitle(rackNaam);
        if (IngaveRackNaam) {
            LabelInfo->setText(Tekst[TekstRackNaam]);
            TextInfo->setText(Naam ? TrimSpaties(*Naam) : rackNaam);
        } else {
            LabelInfo->setText(Tekst[TekstModuleNaam]);
            TextInfo->setText(TrimSpaties(Naam ? *Naam : Racks[Ri].Modules[Mi].Name));
        }
    } else if (!m_niets) {
        Tabelvenster* venster = TabelVensters.Maak(Ri);
        m_niets = venster == nullptr;
        if (venster) {
            setWindowTitle(Tekst[TekstInfo]);
            m_bron = TabelbronVan(Ri);
            m_rij = venster->RowSel(Mi);
            m_niets = m_rij < 1; // no selection: nothing to edit
            TextInfo->setText(venster->CelTekst(Mi, m_rij, InfoKolom(Ri, Mi)));
            LabelInfo->setText(Tekst[TekstNummer] + QLatin1Char(' ') + QString::number(m_rij) +
                               QStringLiteral(", ") + venster->CelTekst(Mi, m_rij, KolomDatum) +
                               QStringLiteral(", ") + venster->CelTekst(Mi, m_rij, KolomTijd));
        }
    }
    TextInfo->selectAll();
    TextInfo->setFocus();
    ZetVensterBovenaan(this);
}

void formEditInfo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (m_niets) QTimer::singleShot(0, this, &formEditInfo::CommandCancel_Click);
}

void formEditInfo::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) ZetVensterBovenaan(this);
}

void formEditInfo::CommandOK_Click() {
    if (!m_niets && (IngaveRackNaam || IngaveModuleNaam)) {
        const QString naam = TrimSpaties(TextInfo->text());
        // A new name must be saved with the rack configuration, or it is lost at the end of the run.
        if (Naam) {
            *Naam = IngaveRackNaam ? VasteTekst<30>(naam).getrimd() : naam;
        } else if (IngaveRackNaam) {
            const VasteTekst<30> nieuw(naam);
            if (nieuw.tekst() != Racks[Ri].Name.tekst()) ConfiguratieGewijzigd = true;
            Racks[Ri].Name = nieuw;
        } else {
            if (naam != Racks[Ri].Modules[Mi].Name) ConfiguratieGewijzigd = true;
            Racks[Ri].Modules[Mi].Name = naam;
        }
    } else if (!m_niets) {
        // A table that changed meanwhile (or was closed), a row that has no line to keep the text
        // (deleted meanwhile, given up), a file that cannot be read or a working copy that cannot be
        // written is told by its box, and nothing is written. The cells show what the lines took.
        // OK closes the editor only once the text is written: otherwise it stays open with the text as
        // typed, selected, so that the user can copy it before Cancel. Another OK tries again; a table
        // that changed stays refused, for the editor still points at the rows it was opened on.
        if (!TabelbronGeldig(m_bron, TekstTabelVeranderd) ||
            !SchrijfInfo(Ri, Mi, m_rij, ZonderRegeleinden(TextInfo->text()))) {
            TextInfo->selectAll();
            TextInfo->setFocus();
            return;
        }
    }
    accept();
}

void formEditInfo::CommandCancel_Click() {
    reject();
}
