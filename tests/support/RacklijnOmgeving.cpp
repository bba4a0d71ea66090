#include "RacklijnOmgeving.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Modellen.h"
#include "acquisition/RackModel.h"
#include "acquisition/Verbinding.h"

platform::GeheugenLijn& InstalleerRacklijn(RackEmulator& emulator, const QString& instellingen) {
    auto lijn = std::make_unique<platform::GeheugenLijn>();
    auto& l = *lijn;
    l.zetPoort(QStringLiteral("COM1"));
    l.zetInstellingen(instellingen);
    l.open();
    ZetMSComm1(std::move(lijn));
    emulator.verbind(l);
    return l;
}

void PlaatsRack(RackEmulator& emulator, int plaats, int32_t rackIdno,
                std::initializer_list<std::pair<int, int32_t>> modules) {
    emulator.zetRack(plaats, rackIdno);
    RackRecord& r = Racks[plaats];
    r.Present = true;
    r.Idno = rackIdno;
    r.Name = QStringLiteral("Rack ") + IdnoAlsTekst(rackIdno);
    for (const auto& [positie, idno] : modules) {
        emulator.zetModule(plaats, positie, idno);
        ModuleRecord& m = r.Modules[positie];
        m.Idno = idno;
        m.Present = true;
        m.Name = SoortUitIdno(idno);
    }
    ZetKanaalEenheden(plaats);
}

void RacklijnOmgeving::SetUp() {
    SchoneOmgeving::SetUp();
    lijn = &InstalleerRacklijn(emulator);
    ZetHoofdvenster(&venster);
}
