#include "PollHarnas.h"

#include "acquisition/Aanmelding.h"
#include "acquisition/Communicatie.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "platform/Klok.h"

#include <array>

PollHarnas::PollHarnas(RackEmulator& emulator, platform::GeheugenLijn* lijn)
    : m_emulator(emulator), m_lijn(lijn) {
    ZetHoofdvenster(&venster);
    ZetSysteemboom(&m_boom);
    if (m_lijn) {
        emulator.verbind(*m_lijn);
        // After each request the dice decide whether the next reply suffers a fault.
        auto naarEmulator = m_lijn->bijSchrijven;
        m_lijn->bijSchrijven = [this, naarEmulator](const QByteArray& bytes) {
            const size_t voor = m_emulator.verzoeken().size();
            naarEmulator(bytes);
            if (m_kans <= 0 || m_emulator.verzoeken().size() == voor) return;
            if (std::uniform_real_distribution<double>(0, 1)(m_toeval) >= m_kans) return;
            static constexpr std::array fouten{RackEmulator::Fout::Stilte, RackEmulator::Fout::FouteChecksum,
                                               RackEmulator::Fout::VerminkteData,
                                               RackEmulator::Fout::RuisVoor};
            const auto keuze = std::uniform_int_distribution<size_t>(0, fouten.size() - 1)(m_toeval);
            m_emulator.zetFout(fouten[keuze], 1);
            ++aantalStoringen;
        };
    }
}

void PollHarnas::Boom::AanpassenMetingenTreeView(int r, int m) {
    m_harnas.berekeningen.push_back({r, m, platform::klok().ms()});
    if (m_harnas.bijBerekening) m_harnas.bijBerekening(r, m);
}

PollHarnas::~PollHarnas() {
    ZetHoofdvenster(nullptr);
    ZetSysteemboom(nullptr);
    if (m_lijn) {
        m_lijn->bijSchrijven = nullptr;
        m_lijn->bijDTR = nullptr;
    }
}

int32_t PollHarnas::RackNummer(int rack) {
    return RackIdno(0, 0, static_cast<uint8_t>(rack));
}

int32_t PollHarnas::ModuleNummer(int rack, int positie) {
    const auto a = static_cast<uint8_t>(rack);
    const auto b = static_cast<uint8_t>(positie);
    return positie % 2 ? K761Idno(a, b, 1) : K762Idno(a, b, 2);
}

int16_t PollHarnas::Meetwaarde(int rack, int positie, int c) {
    return static_cast<int16_t>(1000 * rack + 100 * positie + c);
}

int16_t PollHarnas::Temperatuurwaarde(int rack, int positie, int c) {
    return static_cast<int16_t>(200 + 10 * positie + c + rack);
}

uint8_t PollHarnas::Statusbyte(int rack, int positie) {
    return static_cast<uint8_t>((rack + positie) & 0x0F);
}

void PollHarnas::PlaatsRacks(int racks, int modules) {
    for (int r = 1; r <= racks; ++r) {
        m_emulator.zetRack(r, RackNummer(r));
        RackRecord& rack = Racks[r];
        rack.Present = true;
        rack.Idno = RackNummer(r);
        rack.Name = QStringLiteral("Rack ") + IdnoAlsTekst(rack.Idno);
        for (int p = 1; p <= modules; ++p) {
            RackEmulator::Module& em = m_emulator.zetModule(r, p, ModuleNummer(r, p));
            em.status = Statusbyte(r, p);
            for (int c = 1; c <= AantalIngangen; ++c) {
                em.adc[c - 1] = Meetwaarde(r, p, c);
                em.temperatuurAdc[c - 1] = Temperatuurwaarde(r, p, c);
            }
            ModuleRecord& m = rack.Modules[p];
            m.Idno = em.idno;
            m.Present = true;
            m.Name = SoortUitIdno(m.Idno);
        }
        ZetKanaalEenheden(r);
    }
}

void PollHarnas::ZetStoringen(double kans, uint32_t zaad) {
    m_kans = kans;
    m_toeval.seed(zaad);
}

void PollHarnas::Draai(qint64 ms) {
    MetenActief = true;
    // The tree window is open from the start (the loop marks it closed as it begins).
    platform::klok().planIn(0, [] { BoomZichtbaar = true; });
    platform::klok().planIn(ms, [] { BeeindigCommunicatieLus(); });
    CommunicatieLus();
}
