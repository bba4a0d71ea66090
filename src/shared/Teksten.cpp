#include "shared/Teksten.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <algorithm>

TekstenTabel Tekst;
int HuidigeTaal = 0;
QString HelpOpdracht;

int16_t TekstOK = 140;
int16_t TekstCANCEL = 141;
int16_t TekstABORT = 145;
int16_t TekstRETRY = 235;
int16_t TekstIGNORE = 236;
int16_t TekstYES = 99;
int16_t TekstNO = 100;

QString HelpMap(int taal) {
    switch (taal) {
    case 1:
        return QStringLiteral(":/help/K740FR/");
    case 2:
        return QStringLiteral(":/help/K740NL/");
    default:
        return QStringLiteral(":/help/K740EN/");
    }
}

TekstenTabel TekstenVan(int taal) {
    TekstenTabel teksten;
    switch (taal) {
    case 1:
        VulTekstenFrans(teksten);
        break;
    case 2:
        VulTekstenNederlands(teksten);
        break;
    default:
        VulTekstenEngels(teksten);
        break;
    }
    return teksten;
}

namespace {
// Qt's own texts (the file dialogs' labels, buttons and columns, the standard buttons) in language
// `taal`: Qt's translations of it, where they are installed; English otherwise. A change reaches every
// open window (Qt tells each that the language changed).
void ZetQtTaal(int taal) {
    static QPointer<QTranslator> vertaling;
    static int geladen = 0;
    if (!QCoreApplication::instance() || (taal == geladen && (taal == 0 || vertaling))) return;
    if (vertaling) {
        QCoreApplication::removeTranslator(vertaling);
        delete vertaling;
    }
    geladen = taal;
    if (taal == 0) return;
    auto* nieuw = new QTranslator(QCoreApplication::instance());
    if (nieuw->load(QStringLiteral("qtbase_") + QLatin1String(taal == 1 ? "fr" : "nl"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(nieuw);
        vertaling = nieuw;
    } else {
        delete nieuw;
    }
}
} // namespace

void KiesTaal(int& taal) {
    if (taal < 1 || taal > 2) taal = 0;
    ZetQtTaal(taal);
    const TekstenTabel teksten = TekstenVan(taal);
    std::copy(teksten.begin() + EersteTekst, teksten.end(), Tekst.begin() + EersteTekst);
    HelpOpdracht = HelpMap(taal);

    TekstOK = 140;
    TekstCANCEL = 141;
    TekstABORT = 145;
    TekstRETRY = 235;
    TekstIGNORE = 236;
    TekstYES = 99;
    TekstNO = 100;
}

namespace {
// A topic as the windows give it ("::/settings.htm") becomes a page name ("settings.htm").
QString PaginaNaam(const QString& onderwerp) {
    QString naam = onderwerp;
    if (naam.startsWith(QStringLiteral("::"))) naam.remove(0, 2);
    while (naam.startsWith(QLatin1Char('/')))
        naam.remove(0, 1);
    return naam;
}
} // namespace

QString HelpPagina(int taal, const QString& onderwerp) {
    return HelpMap(taal) + PaginaNaam(onderwerp);
}

QString HelpPagina(const QString& onderwerp) {
    const QString map = HelpOpdracht.isEmpty() ? HelpMap(0) : HelpOpdracht;
    return map + PaginaNaam(onderwerp);
}

void ResetTeksten() {
    HuidigeTaal = 0;
    KiesTaal(HuidigeTaal);
}
