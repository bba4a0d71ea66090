#include "OpnameGrafiekvenster.h"

int16_t OpnameGrafiekvenster::LeesGrafiekLijnRef(int lijn, int i) const {
    return lijnen.at(lijn).at(i);
}

void OpnameGrafiekvenster::SchrijfGrafiekLijnRef(int lijn, int i, int16_t waarde) {
    lijnen.at(lijn).at(i) = waarde;
}

int16_t OpnameGrafiekvenster::LeesDiagramRood(int reeks) const {
    return static_cast<int16_t>(kleuren.at(reeks) & 0xFF);
}

int16_t OpnameGrafiekvenster::LeesDiagramGroen(int reeks) const {
    return static_cast<int16_t>((kleuren.at(reeks) >> 8) & 0xFF);
}

int16_t OpnameGrafiekvenster::LeesDiagramBlauw(int reeks) const {
    return static_cast<int16_t>((kleuren.at(reeks) >> 16) & 0xFF);
}

void OpnameGrafiekvenster::ZetDiagramKleur(int reeks, int32_t kleur) {
    kleuren.at(reeks) = kleur;
}

void OpnameGrafiekvenster::ZetVensterStatus(int s) {
    status = s;
    statussen.push_back(s);
}
