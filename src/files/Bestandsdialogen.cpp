#include "files/Bestandsdialogen.h"

namespace {

class GeenDialogen : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag&) override { return std::nullopt; }
    bool KiesLettertype(Lettertype&, const QString&) override { return false; }
    bool KiesKleur(int32_t&, const QString&) override { return false; }
};

GeenDialogen geenDialogen;
Bestandsdialogen* geregistreerd = nullptr;

} // namespace

void ZetBestandsdialogen(Bestandsdialogen* dialogen) {
    geregistreerd = dialogen;
}

Bestandsdialogen& bestandsdialogen() {
    return geregistreerd ? *geregistreerd : geenDialogen;
}
