#include "files/Bestandsdialogen.h"

namespace {
Bestandsdialogen* geregistreerd = nullptr;
} // namespace

std::optional<QString> Bestandsdialogen::KiesBestand(const BestandsdialoogVraag&) {
    return std::nullopt;
}
bool Bestandsdialogen::KiesLettertype(Lettertype&, const QString&) {
    return false;
}
bool Bestandsdialogen::KiesKleur(int32_t&, const QString&) {
    return false;
}

void ZetBestandsdialogen(Bestandsdialogen* dialogen) {
    geregistreerd = dialogen;
}

Bestandsdialogen& bestandsdialogen() {
    static Bestandsdialogen geen;
    return geregistreerd ? *geregistreerd : geen;
}
