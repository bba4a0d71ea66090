#include "shell/RecenteBestanden.h"

#include "files/Logbestanden.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"

namespace {

const QString Sectie = QStringLiteral("Recent Files");

QString Sleutel(int i) {
    return QStringLiteral("RecentFile") + QString::number(i);
}

QString Lees(int i) {
    return LeesInstelling(AppNaam, Sectie, Sleutel(i), QString());
}

void Schrijf(int i, const QString& naam) {
    BewaarInstelling(AppNaam, Sectie, Sleutel(i), naam);
}

} // namespace

QStringList RecenteBestanden() {
    QStringList lijst;
    if (Lees(1).isEmpty()) return lijst;
    for (int i = 1; i <= AantalRecenteBestanden; ++i)
        if (const QString naam = Lees(i); !naam.isEmpty()) lijst << naam;
    return lijst;
}

void VoegRecentBestandToe(const QString& naam) {
    for (int i = AantalRecenteBestanden - 1; i >= 1; --i) {
        const QString waarde = Lees(i);
        if (!waarde.isEmpty() && waarde != naam) Schrijf(i + 1, waarde);
    }
    Schrijf(1, naam);
}

// File names differ by case where the file system says they do.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity Naamvergelijking = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity Naamvergelijking = Qt::CaseSensitive;
#endif

void VerwijderRecentBestandUitLijst(const QString& naam) {
    int k = 1;
    QStringList blijven;
    for (int i = 1; i <= AantalRecenteBestanden; ++i) {
        const QString waarde = Lees(i);
        if (waarde.isEmpty()) continue;
        WisInstelling(AppNaam, Sectie, Sleutel(i));
        if (waarde != naam) blijven << waarde;
    }
    for (const QString& waarde : blijven)
        Schrijf(k++, waarde);
}

bool OnRecentFilesList(const QString& naam) {
    for (const QString& waarde : RecenteBestanden())
        if (waarde.compare(naam, Naamvergelijking) == 0) return true;
    return false;
}

void WerkRecenteBestandenBij(const QString& bestand) {
    const QString naam = MaakBestandsnaam(bestand, 0, 0, 0);
    if (!OnRecentFilesList(naam)) {
        VoegRecentBestandToe(naam);
        return;
    }
    const QStringList lijst = RecenteBestanden();
    int plaats = 0;
    while (plaats < lijst.size() && lijst[plaats].compare(naam, Naamvergelijking) != 0)
        ++plaats;
    if (plaats == 0) return;
    for (int j = plaats; j >= 1; --j)
        if (const QString waarde = Lees(j); !waarde.isEmpty()) Schrijf(j + 1, waarde);
    Schrijf(1, naam);
}
