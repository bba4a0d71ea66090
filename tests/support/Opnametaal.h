#pragma once
// Pictures of a window in each language (the screenshot scripts): the text table in a language and the
// file name of its picture.
#include "shared/Teksten.h"
#include <QDir>
#include <QString>

// Fills the text table in language `taal` (0 English, 1 French, 2 Dutch) and makes it the program's.
inline void ZetTaal(int taal) {
    int t = taal;
    KiesTaal(t);
    HuidigeTaal = t;
}

// "<naam>.png" in English, "<naam>-fr.png" in French and "<naam>-nl.png" in Dutch, in folder `map`.
inline QString OpnameBestand(const QString& map, const QString& naam, int taal) {
    static const char* const achtervoegsel[] = {"", "-fr", "-nl"};
    return QDir(map).filePath(naam + QLatin1String(achtervoegsel[taal]) + QStringLiteral(".png"));
}
