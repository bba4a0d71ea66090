#include "files/Bestandsdiensten.h"

#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/RackConfiguratie.h"

#include <QFileInfo>

void Bestandsdiensten::SchrijfLogboek(int rack, int module, const QString& tekst) {
    SchrijfLogboekRegel(rack, module, tekst);
}

void Bestandsdiensten::LeesRackConfiguratie(int rack) {
    ::LeesRackConfiguratie(rack, LeesModusAanmelding);
}

void Bestandsdiensten::LeesRackNamen(int rack) {
    ::LeesRackNamen(rack);
}

void Bestandsdiensten::LeesRackAanmelding() {
    ::LeesRackAanmelding();
}

void Bestandsdiensten::OpenGegevensbestand() {
    if (HeeftSjabloon(::Gegevensbestand) || QFileInfo::exists(::Gegevensbestand)) ::OpenGegevensbestand();
}

QString Bestandsdiensten::Gegevensbestand() const {
    return ::Gegevensbestand;
}

bool Bestandsdiensten::LogMeting(const QString& info) {
    return ::LogMeting(info);
}
