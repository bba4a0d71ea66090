#include "calibration/FormTekstEditor.h"

#include "platform/Klok.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int TekstOpslaanVraag = 156; // "Do you wish to save the current data?"
} // namespace

FormTekstEditor::FormTekstEditor(QWidget* eigenaar)
    : QDialog(eigenaar, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint) {
    setWindowModality(Qt::ApplicationModal);
    TextBestand = new QPlainTextEdit(this);
    TextBestand->setObjectName(QStringLiteral("TextBestand"));
    TextBestand->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TextBestand->setLineWrapMode(QPlainTextEdit::NoWrap);
    OKButton = new QPushButton(Tekst[140], this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(Tekst[141], this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    OKButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(OKButton);
    knoppen->addWidget(CancelButton);
    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(TextBestand, 1);
    indeling->addLayout(knoppen);
    resize(560, 480);

    connect(OKButton, &QPushButton::clicked, this, &FormTekstEditor::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &FormTekstEditor::SluitNaVraag);
}

FormTekstEditor::~FormTekstEditor() = default;

bool FormTekstEditor::Open(const QString& pad) {
    m_pad = pad;
    setWindowTitle(EditorTitel(pad));
    const QFileInfo info(pad);
    QByteArray inhoud;
    if (info.exists() && (!info.isFile() || !platform::LeesBestand(pad, inhoud))) return false;
    m_utf8 = platform::IsUtf8Tekst(inhoud);
    TextBestand->setPlainText(
        platform::SplitsRegels(platform::DecodeerTekstbestand(inhoud)).join(QLatin1Char('\n')));
    TextBestand->document()->setModified(false);
    return true;
}

bool FormTekstEditor::IsGewijzigd() const {
    return TextBestand->document()->isModified();
}

bool FormTekstEditor::Bewaar() {
    const QStringList regels = platform::SplitsRegels(TextBestand->toPlainText());
    const QString tekst =
        regels.isEmpty() ? QString() : regels.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray bytes = platform::NaarWindows1252(tekst);
    // A character Windows-1252 has not would be lost: such a text is kept as UTF-8, which the readers take.
    if (m_utf8 || platform::VanWindows1252(bytes) != tekst) bytes = tekst.toUtf8();
    if (!platform::SchrijfBestandVeilig(m_pad, bytes)) {
        ToonMelding(SchrijffoutTekst(m_pad), vbExclamation, m_pad);
        return false;
    }
    TextBestand->document()->setModified(false);
    return true;
}

void FormTekstEditor::OKButton_Click() {
    if (Bewaar()) hide();
}

void FormTekstEditor::SluitNaVraag() {
    // No one answers (the program ends): the text is not written over the file, as by No.
    if (IsGewijzigd() && !platform::NiemandAntwoordt()) {
        const int antwoord = ToonMelding(Tekst[TekstOpslaanVraag], vbYesNoCancel | vbQuestion, windowTitle());
        if (antwoord == vbCancel) return;
        if (antwoord == vbYes && !Bewaar()) return;
    }
    hide();
}

void FormTekstEditor::reject() {
    SluitNaVraag();
}

void FormTekstEditor::closeEvent(QCloseEvent* e) {
    e->ignore();
    SluitNaVraag();
}

QString EditorTitel(const QString& pad) {
    return QFileInfo(pad).fileName();
}

bool BewerkTekstbestand(const QString& pad, QWidget* eigenaar) {
    FormTekstEditor editor(eigenaar);
    if (!editor.Open(pad)) return false;
    editor.show();
    editor.raise();
    editor.activateWindow();
    platform::WachtOpVenster([&editor] { return !editor.isVisible(); });
    return true;
}
