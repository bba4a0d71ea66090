#include "shared/Voortgang.h"
#include "SchoneOmgeving.h"
#include "shared/Teksten.h"
#include "shared/ui/FrmVoortgang.h"
#include "shared/ui/Vensterfuncties.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The fixture is also the Cancel side: it notes that the link was told to abort.
class VoortgangTest : public SchoneOmgeving, public VoortgangOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        ZetVoortgangVenster(&m_venster);
        ZetVoortgangOmgeving(this);
    }
    void Afbreken() override { afbreken = true; }
    static FrmVoortgang& venster() {
        FrmVoortgang* v = FrmVoortgang::Huidig();
        if (!v) throw std::runtime_error("no progress window");
        return *v;
    }
    // A mouse event as the window system delivers it to `w`.
    static void muis(QWidget* w, QEvent::Type soort, QPoint plek, Qt::MouseButton knop,
                     Qt::MouseButtons ingedrukt) {
        QMouseEvent e(soort, plek, w->mapToGlobal(plek), knop, ingedrukt, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    bool afbreken = false;

private:
    FrmVoortgangVenster m_venster;
};

TEST_F(VoortgangTest, CancelIsSeenAtTheNextStepAndAbortsTheLinkTransaction) {
    ToonVoortgang(0, 100, 0, "Loading data file...");
    FrmVoortgang& v = venster();
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(v.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(v.LabelVoortgang->text(), "Loading data file...");
    ZetVoortgang(10);
    EXPECT_FALSE(VoortgangAfbreken);
    EXPECT_EQ(v.ProgressBar->value(), 10);

    QTest::mouseClick(v.CommandCancel, Qt::LeftButton);
    EXPECT_TRUE(afbreken);           // the link's abort flag
    EXPECT_FALSE(VoortgangAfbreken); // the operation sees it at its next step
    EXPECT_TRUE(ZetVoortgang(20));
    EXPECT_TRUE(VoortgangAfbreken);
    EXPECT_TRUE(v.isVisible()); // the window stays until the operation closes it

    // A new ToonVoortgang on the open, cancelled window clears the flag and keeps the text; the next
    // step finds the window still cancelled.
    ToonVoortgang(0, 50, 0, "Other text");
    EXPECT_FALSE(VoortgangAfbreken);
    EXPECT_EQ(venster().LabelVoortgang->text(), "Loading data file...");
    EXPECT_EQ(venster().ProgressBar->maximum(), 50);
    ZetVoortgang(1);
    EXPECT_TRUE(VoortgangAfbreken);

    SluitVoortgang();
    EXPECT_EQ(FrmVoortgang::Huidig(), nullptr);
    SluitVoortgang(); // also when it is not shown
    ToonVoortgang(0, 4, 0, "Printing in progress...");
    EXPECT_EQ(venster().LabelVoortgang->text(), "Printing in progress...");
    ZetVoortgang(1);
    EXPECT_FALSE(VoortgangAfbreken);
    SluitVoortgang();
}

TEST_F(VoortgangTest, CancelBeforeTheFirstStepAndAClickWaitingInTheQueue) {
    ToonVoortgang(0, 3, 0, "Updating parameters module ...");
    // The click is still waiting to be handled: the next step lets it run first.
    QWidget* knop = venster().CommandCancel;
    const QPoint midden = knop->rect().center();
    QCoreApplication::postEvent(knop,
                                new QMouseEvent(QEvent::MouseButtonPress, midden, knop->mapToGlobal(midden),
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(knop,
                                new QMouseEvent(QEvent::MouseButtonRelease, midden, knop->mapToGlobal(midden),
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    EXPECT_FALSE(afbreken);
    ZetVoortgang(1);
    EXPECT_TRUE(VoortgangAfbreken);
    EXPECT_TRUE(afbreken);
}

TEST_F(VoortgangTest, ValuesOutsideTheRangeAreHeldAtItsEnds) {
    ToonVoortgang(0, 100, 0, "x");
    ZetVoortgang(250);
    EXPECT_EQ(venster().ProgressBar->value(), 100);
    ZetVoortgang(-5);
    EXPECT_EQ(venster().ProgressBar->value(), 0);
}

// A file of thousands of lines steps through the hundred percents in a few milliseconds: the bar paints
// at most once a frame, and the newest step always shows.
TEST_F(VoortgangTest, QuickStepsPaintTheBarAtMostOnceAFrameAndTheLastStepShows) {
    ToonVoortgang(0, 100, 0, "Loading data file...");
    QProgressBar& balk = *venster().ProgressBar;
    struct Verven : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            aantal += e->type() == QEvent::Paint;
            return false;
        }
        int aantal = 0;
    } verven;
    balk.installEventFilter(&verven);
    for (int16_t p = 1; p <= 99; ++p)
        ZetVoortgang(p);
    EXPECT_LE(verven.aantal, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return balk.value() == 99; }, 1000));
    ZetVoortgang(100); // an end shows at once
    EXPECT_EQ(balk.value(), 100);
}

TEST_F(VoortgangTest, TheLeftButtonDragsTheWindowFromAnyOfItsSurfaces) {
    ToonVoortgang(0, 10, 0, "Drag me");
    FrmVoortgang& v = venster();
    v.move(100, 100);
    muis(&v, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    muis(&v, QEvent::MouseMove, {25, 15}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v.pos(), QPoint(120, 110));
    muis(v.LabelVoortgang, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    muis(v.LabelVoortgang, QEvent::MouseMove, {2, 12}, Qt::NoButton, Qt::LeftButton);
    muis(v.ProgressBar, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    muis(v.ProgressBar, QEvent::MouseMove, {7, 2}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(v.pos(), QPoint(125, 120));
    // The right button does not drag.
    muis(&v, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    muis(&v, QEvent::MouseMove, {50, 50}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(v.pos(), QPoint(125, 120));
}

TEST_F(VoortgangTest, ClosingTheWindowAsksToCancelAndWithoutAWindowNothingIsCancelled) {
    ToonVoortgang(0, 10, 0, "x");
    venster().close();
    ZetVoortgang(1);
    EXPECT_TRUE(VoortgangAfbreken);
    EXPECT_TRUE(venster().isVisible());
    SluitVoortgang();

    ResetVoortgang();
    ToonVoortgang(0, 10, 0, "no window");
    EXPECT_EQ(FrmVoortgang::Huidig(), nullptr);
    VoortgangAfbreken = true;
    ZetVoortgang(5);
    EXPECT_FALSE(VoortgangAfbreken);
    SluitVoortgang();
}

TEST(Vensterfuncties, TopmostKeepsTheWindowShownAndInPlace) {
    QWidget w;
    ZetVensterBovenaan(&w); // before it is shown
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ZetVensterNietBovenaan(&w);
    w.move(40, 30);
    w.show();
    ZetVensterBovenaan(&w);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), QPoint(40, 30));
    ZetVensterNietBovenaan(&w);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    ZetVensterBovenaan(nullptr); // nothing to do
}
