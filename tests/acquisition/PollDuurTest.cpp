// One hour of polling a full line through the rack emulator, with a share of the replies garbled or
// dropped: every module keeps being polled and every value the loop takes is the module's own.
#include "PollHarnas.h"
#include "RacklijnOmgeving.h"
#include "SchoneOmgeving.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <utility>

class PollDuurTest : public SchoneOmgeving {};

TEST_F(PollDuurTest, AnHourOfPolling16RacksOf7ModulesWithOnePercentOfTheRepliesDamaged) {
    constexpr qint64 Uur = 3600 * 1000;
    RackEmulator emulator;
    // 9600 baud with the timing of the line and a module turnaround of 5 ms.
    auto& lijn = InstalleerRacklijn(emulator, QStringLiteral("9600,N,8,1"));
    emulator.zetLijntiming(true);
    PollHarnas harnas(emulator, &lijn);
    harnas.PlaatsRacks(AantalRacks, AantalModules);
    for (int r = 1; r <= AantalRacks; ++r)
        for (int m = 1; m <= AantalModules; ++m)
            emulator.module(PollHarnas::ModuleNummer(r, m))->omkeertijdMs = 5;
    harnas.ZetStoringen(0.01, 20260105);

    std::map<std::pair<int, int>, int> beurten;
    std::map<std::pair<int, int>, qint64> laatste;
    int fout = 0;
    harnas.bijBerekening = [&](int r, int m) {
        const ModuleRecord& module = Racks[r].Modules[m];
        bool eigen = module.Status == PollHarnas::Statusbyte(r, m);
        for (int c = 1; c <= AantalIngangen; ++c)
            eigen = eigen && module.Meting[c].AdcWaarde == PollHarnas::Meetwaarde(r, m, c) &&
                    module.Temperatuur[c].AdcWaarde == PollHarnas::Temperatuurwaarde(r, m, c);
        if (!eigen && ++fout <= 5) ADD_FAILURE() << "module " << r << "." << m << " took a value not its own";
        ++beurten[{r, m}];
        laatste[{r, m}] = platform::klok().ms();
    };
    harnas.Draai(Uur);

    ASSERT_EQ(beurten.size(), static_cast<size_t>(AantalRacks * AantalModules));
    int minste = INT32_MAX, meeste = 0;
    for (const auto& [plaats, aantal] : beurten) {
        minste = std::min(minste, aantal);
        meeste = std::max(meeste, aantal);
        EXPECT_GT(laatste[plaats], Uur - 60 * 1000) << plaats.first << "." << plaats.second;
    }
    EXPECT_GT(minste, 100);
    EXPECT_GE(minste * 10, meeste * 9) << "every module is polled about as often";
    EXPECT_EQ(fout, 0);
    EXPECT_GT(harnas.aantalStoringen, 500) << "the damage really happened";
}
