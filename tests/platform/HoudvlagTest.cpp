#include "platform/Houdvlag.h"

#include <gtest/gtest.h>
#include <optional>

using platform::Houdvlag;
using platform::Vlaghouder;

TEST(HoudvlagTest, AFlagStaysHeldWhileAnyHolderHoldsItWhateverOrderTheHoldsEndIn) {
    for (const bool eersteEerst : {true, false}) {
        SCOPED_TRACE(eersteEerst ? "the first hold ends first" : "the last hold ends first");
        Houdvlag pauze(true);
        pauze = false;
        std::optional<Vlaghouder> venster(std::in_place, pauze);
        std::optional<Vlaghouder> aanmelding(std::in_place, pauze);
        EXPECT_TRUE(pauze);
        (eersteEerst ? venster : aanmelding).reset();
        EXPECT_TRUE(pauze) << "free while one holder still holds it";
        (eersteEerst ? aanmelding : venster).reset();
        EXPECT_FALSE(pauze) << "still held once every holder let go";
    }
}

TEST(HoudvlagTest, ASwitchOffMadeDuringAHoldStandsWhenTheHoldEndsAndAResetLetsGoOfEveryHolder) {
    Houdvlag meten(false);
    meten = true;
    {
        const Vlaghouder dialoog(meten);
        EXPECT_FALSE(meten);
        meten = false; // the port is lost behind the dialog
        EXPECT_FALSE(meten);
    }
    EXPECT_FALSE(meten) << "the hold gave back the value it found";

    meten = true;
    std::optional<Vlaghouder> dialoog(std::in_place, meten);
    meten.Herstel(true);
    EXPECT_TRUE(meten);
    EXPECT_FALSE(meten.Gehouden());
    // A holder from before the reset that lets go later takes nothing with it.
    const Vlaghouder nieuw(meten);
    dialoog.reset();
    EXPECT_FALSE(meten);
    EXPECT_EQ(meten.AantalHouders(), 1);
}
