#include "shell/Voorlopig.h"

#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "platform/Klok.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

bool AlleenLezen;
bool ProgrammaBeeindigd;

void ControleerWijzigingen(const QString&, bool& geannuleerd, bool) {
    geannuleerd = false;
}

void VernieuwVensters(const QString&) {}

void VerwerkOpvraagTik() {
    ++AantalMetingen;
    VernieuwVensters(QString());
}

void StartMeten() {
    MetenActief = true;
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral("True"));
}

void StopMeten() {
    MetenActief = false;
    SchrijfLogboek(0, 0, Tekst[457] + QStringLiteral("False"));
}

void PompTotProgrammaEinde() {
    while (!ProgrammaBeeindigd)
        platform::Pomp();
}

void ResetVoorlopig() {
    AlleenLezen = false;
    ProgrammaBeeindigd = false;
}
