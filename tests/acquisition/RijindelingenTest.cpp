#include "acquisition/vensters/Tabelvenster.h"
#include "files/Meetregels.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A list of its own: the layouts are told apart by the lists they point at.
Rijmodules Lijst() {
    return std::make_shared<const std::vector<Tabelmodule>>();
}

// The layout of every row 1..n as a text: "a" or "b" for the list, "." for none.
std::string Rijen(const Rijindelingen& r, int32_t n, const Rijmodules& a, const Rijmodules& b) {
    std::string uit;
    for (int32_t rij = 1; rij <= n; ++rij) {
        const Rijmodules m = r.Van(rij);
        uit += m == a ? 'a' : m == b ? 'b' : m ? '?' : '.';
    }
    return uit;
}

// Rows taken one by one share their run; a row set again, a range set over others or emptied, leaves
// the rows around it with what they had.
TEST(RijindelingenTest, EachRowKeepsTheLayoutLastSetForIt) {
    const Rijmodules a = Lijst(), b = Lijst();
    Rijindelingen r;
    EXPECT_EQ(Rijen(r, 3, a, b), "...");
    for (int32_t rij = 1; rij <= 4; ++rij)
        r.Zet(rij, rij, a);
    r.Zet(6, 7, b);
    EXPECT_EQ(Rijen(r, 8, a, b), "aaaa.bb.");
    r.Zet(3, 3, b);
    EXPECT_EQ(Rijen(r, 8, a, b), "aaba.bb.");
    r.Zet(2, 6, nullptr);
    EXPECT_EQ(Rijen(r, 8, a, b), "a.....b.");
    r.Zet(1, 8, b);
    EXPECT_EQ(Rijen(r, 9, a, b), "bbbbbbbb.");
    r.Zet(5, 4, a); // an empty range changes nothing
    EXPECT_EQ(Rijen(r, 9, a, b), "bbbbbbbb.");
    const uint64_t generatie = r.Generatie();
    r.Wis();
    EXPECT_EQ(Rijen(r, 3, a, b), "...");
    EXPECT_NE(r.Generatie(), generatie) << "rows emptied unseen";
    EXPECT_NE(Rijindelingen().Generatie(), r.Generatie());
}

// Rows taken at snapshots keep the snapshot's number: one after another in one run, also where a row set
// again splits it; a row read from a file (or set again without one) has none.
TEST(RijindelingenTest, EachRowTakenKeepsTheNumberOfItsSnapshot) {
    const Rijmodules a = Lijst(), b = Lijst();
    Rijindelingen r;
    for (int32_t rij = 1; rij <= 5; ++rij)
        r.Zet(rij, rij, a, 100 + static_cast<uint64_t>(rij));
    // A snapshot whose number does not follow on (the tables began afresh elsewhere) starts a run.
    r.Zet(6, 6, a, 300);
    r.Zet(7, 7, a, 301);
    r.Zet(3, 3, b);
    const auto opnames = [&r] {
        std::string uit;
        for (int32_t rij = 1; rij <= 8; ++rij)
            uit += std::to_string(r.Opname(rij)) + ' ';
        return uit;
    };
    EXPECT_EQ(opnames(), "101 102 0 104 105 300 301 0 ");
    EXPECT_EQ(Rijen(r, 8, a, b), "aabaaaa.");
    r.Zet(1, 7, a);
    EXPECT_EQ(opnames(), "0 0 0 0 0 0 0 0 ");
}

} // namespace
