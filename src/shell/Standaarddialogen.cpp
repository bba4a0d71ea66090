#include "shell/Standaarddialogen.h"

#include "shared/Teksten.h"
#include "shared/ui/Vensterfuncties.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QColor QKleur(int32_t kleur) {
    return QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF);
}

int32_t Kleur(const QColor& kleur) {
    return kleur.red() + 256 * kleur.green() + 65536 * kleur.blue();
}

QFont QLettertype(const Lettertype& l) {
    QFont f(l.naam);
    if (l.grootte > 0) f.setPointSizeF(l.grootte);
    f.setBold(l.vet);
    f.setItalic(l.cursief);
    f.setUnderline(l.onderstreept);
    f.setStrikeOut(l.doorgehaald);
    return f;
}

void KleurKnop(QPushButton& knop, const QColor& kleur) {
    knop.setStyleSheet(QStringLiteral("background-color: %1").arg(kleur.name()));
}

// The font dialog with the colour of the text beside it, as the font effects offer it.
class Lettertypedialoog : public QDialog {
public:
    Lettertypedialoog(const Lettertype& lettertype, const QString& titel)
        : QDialog(QApplication::activeWindow()), m_kleur(QKleur(lettertype.kleur)) {
        setWindowTitle(titel);
        auto* indeling = new QVBoxLayout(this);
        m_letters = new QFontDialog(QLettertype(lettertype), this);
        m_letters->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        m_letters->setWindowFlags(Qt::Widget);
        indeling->addWidget(m_letters);

        auto* kleurRegel = new QHBoxLayout;
        kleurRegel->addWidget(new QLabel(Tekst[219], this));
        m_kleurKnop = new QPushButton(this);
        m_kleurKnop->setFixedWidth(60);
        KleurKnop(*m_kleurKnop, m_kleur);
        connect(m_kleurKnop, &QPushButton::clicked, this, [this] {
            QColorDialog kiezer(m_kleur, this);
            if (VoerDialoogUit(kiezer) != QDialog::Accepted) return;
            const QColor gekozen = kiezer.selectedColor();
            if (!gekozen.isValid()) return;
            m_kleur = gekozen;
            KleurKnop(*m_kleurKnop, m_kleur);
        });
        kleurRegel->addWidget(m_kleurKnop);
        kleurRegel->addStretch();
        indeling->addLayout(kleurRegel);

        auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        knoppen->button(QDialogButtonBox::Ok)->setText(Tekst[140]);
        knoppen->button(QDialogButtonBox::Cancel)->setText(Tekst[141]);
        connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
        indeling->addWidget(knoppen);
    }

    Lettertype Keuze() const {
        const QFont f = m_letters->currentFont();
        Lettertype l;
        l.naam = f.family();
        l.grootte = f.pointSizeF();
        l.vet = f.bold();
        l.cursief = f.italic();
        l.onderstreept = f.underline();
        l.doorgehaald = f.strikeOut();
        l.kleur = Kleur(m_kleur);
        return l;
    }

private:
    QFontDialog* m_letters = nullptr;
    QPushButton* m_kleurKnop = nullptr;
    QColor m_kleur;
};

} // namespace

QStringList QtFilters(const QString& filter) {
    const QStringList delen = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < delen.size(); i += 2) {
        QString omschrijving = delen.at(i).trimmed();
        const qsizetype haakje = omschrijving.lastIndexOf(QLatin1Char('('));
        if (haakje > 0 && omschrijving.endsWith(QLatin1Char(')')))
            omschrijving = omschrijving.left(haakje).trimmed();
        QStringList patronen;
        for (const QString& p : delen.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patronen.append(p.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : p.trimmed());
        filters.append(omschrijving + QStringLiteral(" (") + patronen.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

std::optional<QString> Standaarddialogen::KiesBestand(const BestandsdialoogVraag& vraag) {
    QFileDialog dialoog(QApplication::activeWindow(), vraag.titel, vraag.beginMap);
    if (vraag.opslaan) {
        dialoog.setAcceptMode(QFileDialog::AcceptSave);
        dialoog.setFileMode(QFileDialog::AnyFile);
        dialoog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        // Any name in a folder is taken: a name that is not there is answered by the program itself
        // ("Non-existing file!", or a template name taken as the data file), not by a box of the dialog.
        dialoog.setAcceptMode(QFileDialog::AcceptOpen);
        dialoog.setFileMode(QFileDialog::AnyFile);
    }
    const QStringList filters = QtFilters(vraag.filter);
    if (!filters.isEmpty()) {
        dialoog.setNameFilters(filters);
        dialoog.selectNameFilter(
            filters.value(std::clamp<qsizetype>(vraag.filterIndex - 1, 0, filters.size() - 1)));
    }
    if (!vraag.naam.isEmpty()) dialoog.selectFile(vraag.naam);
    if (VoerDialoogUit(dialoog) != QDialog::Accepted) return std::nullopt;
    const QStringList gekozen = dialoog.selectedFiles();
    if (gekozen.isEmpty()) return std::nullopt;
    return gekozen.first();
}

bool Standaarddialogen::KiesLettertype(Lettertype& lettertype, const QString& titel) {
    Lettertypedialoog dialoog(lettertype, titel);
    if (VoerDialoogUit(dialoog) != QDialog::Accepted) return false;
    lettertype = dialoog.Keuze();
    return true;
}

bool Standaarddialogen::KiesKleur(int32_t& kleur, const QString& titel) {
    QColorDialog kiezer(QKleur(kleur), QApplication::activeWindow());
    kiezer.setWindowTitle(titel);
    if (VoerDialoogUit(kiezer) != QDialog::Accepted) return false;
    const QColor gekozen = kiezer.selectedColor();
    if (!gekozen.isValid()) return false;
    kleur = Kleur(gekozen);
    return true;
}
