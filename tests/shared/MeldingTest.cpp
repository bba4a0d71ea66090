#include "shared/Melding.h"
#include "EchteMelding.h"
#include "OpnameMelding.h"
#include "SchoneOmgeving.h"
#include "platform/Vensterwacht.h"
#include "shared/Instellingen.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/FormMelding.h"
#include "shared/ui/Geluiden.h"
#include "shared/ui/Vensterfuncties.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>

namespace {
// The open box that shows `tekst` ("" = any).
FormMelding* openBox(const QString& tekst = QString()) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<FormMelding*>(w);
            m && m->isVisible() && (tekst.isEmpty() || m->MijnMelding == tekst))
            return m;
    return nullptr;
}

// The visible buttons of a box, left to right, as their codes.
std::vector<int> zichtbareKnoppen(const FormMelding& m) {
    std::map<int, int> opX;
    for (int code = vbOK; code <= vbNo; ++code)
        if (m.Knop(code)->isVisible()) opX[m.Knop(code)->x()] = code;
    std::vector<int> codes;
    for (const auto& [x, code] : opX)
        codes.push_back(code);
    return codes;
}

// Records the sounds in place of the player.
class Geluidsopname : public GeluidSpeler {
public:
    void Speel(int nummer) override { geluiden.push_back(nummer); }
    std::vector<int> geluiden;
};

class Hoofdvensterdubbel : public MeldingOmgeving {
public:
    void ZetHoofdvensterIngeschakeld() override { ++ingeschakeld; }
    void ZetStatusPaneel3(const QString& tekst) override { paneel3 << tekst; }
    int ingeschakeld = 0;
    QStringList paneel3;
};
} // namespace

class MeldingTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        m_bewaard = Tekst;
        const std::map<int, const char*> teksten = {{140, "&OK"},    {141, "&Cancel"}, {145, "&Abort"},
                                                    {235, "&Retry"}, {236, "&Ignore"}, {99, "&Yes"},
                                                    {100, "&No"},    {298, "Message"}};
        for (const auto& [i, t] : teksten)
            Tekst[static_cast<size_t>(i)] = QString::fromLatin1(t);
        ZetMeldingVenster(&m_box);
        ZetGeluidSpeler(&m_opname);
    }
    void TearDown() override {
        Tekst = m_bewaard;
        SchoneOmgeving::TearDown();
    }

    // Shows a box and, as soon as it waits, runs `actie` on it. A box that is still open long after
    // (in virtual time) is a failure; it is closed so that the test ends.
    int toon(const QString& tekst, int stijl, std::function<void(FormMelding&)> actie,
             const QString& titel = QString()) {
        klok().planIn(0, [tekst, actie] {
            FormMelding* m = openBox(tekst);
            ASSERT_NE(m, nullptr);
            actie(*m);
        });
        klok().planIn(600000, [tekst] {
            if (FormMelding* m = openBox(tekst)) {
                ADD_FAILURE() << "box left open: " << tekst.toStdString();
                m->close();
            }
        });
        return ToonMelding(tekst, stijl, titel);
    }
    static void klik(QPushButton* k) {
        ASSERT_TRUE(k->isVisible());
        QTest::mouseClick(k, Qt::LeftButton);
    }

private:
    FormMeldingVenster m_box;
    Geluidsopname m_opname;

protected:
    std::vector<int>& geluiden = m_opname.geluiden;

private:
    std::array<QString, LaatsteTekst + 1> m_bewaard;
};

TEST_F(MeldingTest, EachButtonSetAnswersTheCodeOfTheButtonPressed) {
    const std::vector<std::pair<int, std::vector<int>>> sets = {
        {vbOKOnly, {vbOK}},
        {vbOKCancel, {vbOK, vbCancel}},
        {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}},
        {vbYesNoCancel, {vbYes, vbNo, vbCancel}},
        {vbYesNo, {vbYes, vbNo}},
        {vbRetryCancel, {vbRetry, vbCancel}},
        {6, {vbOK}}, // no caller uses 6 and 7; the box can still be answered
    };
    for (const auto& [stijl, knoppen] : sets) {
        for (int code : knoppen) {
            std::vector<int> gezien;
            const int antwoord = toon("Question?", stijl, [&](FormMelding& m) {
                gezien = zichtbareKnoppen(m);
                klik(m.Knop(code));
            });
            EXPECT_EQ(antwoord, code) << "style " << stijl;
            EXPECT_EQ(gezien, knoppen) << "style " << stijl;
        }
    }
    EXPECT_EQ(openBox(), nullptr);
    // The captions come from the text table each time a box opens (a change of language shows at once).
    Tekst[99] = "&Oui";
    QString opschrift;
    toon("Q", vbYesNo, [&](FormMelding& m) {
        opschrift = m.CommandYes->text();
        klik(m.CommandNo);
    });
    EXPECT_EQ(opschrift, "&Oui");
}

TEST_F(MeldingTest, EnterPressesTheFocusedButtonAndEscapeTheCancelButton) {
    auto toets = [&](int stijl, Qt::Key k) {
        return toon("Keys", stijl, [k](FormMelding& m) {
            QWidget* doel = m.focusWidget() ? m.focusWidget() : &m;
            QTest::keyClick(doel, k);
            if (m.GeklikteToets == 0) // the key did nothing: leave with the last button
                m.Knop(zichtbareKnoppen(m).back())->click();
        });
    };
    EXPECT_EQ(toets(vbOKOnly | vbExclamation, Qt::Key_Return), vbOK);
    EXPECT_EQ(toets(vbOKOnly | vbExclamation, Qt::Key_Escape), vbOK);
    EXPECT_EQ(toets(vbOKCancel, Qt::Key_Return), vbOK);
    EXPECT_EQ(toets(vbOKCancel, Qt::Key_Escape), vbCancel);
    EXPECT_EQ(toets(vbYesNoCancel, Qt::Key_Return), vbYes);
    EXPECT_EQ(toets(vbYesNoCancel, Qt::Key_Escape), vbCancel);
    EXPECT_EQ(toets(vbRetryCancel, Qt::Key_Space), vbRetry);
    EXPECT_EQ(toets(vbRetryCancel, Qt::Key_Escape), vbCancel);
    // Abort/Retry/Ignore has the focus on Retry, the middle button; Escape does nothing there, nor in
    // Yes/No.
    EXPECT_EQ(toets(vbAbortRetryIgnore, Qt::Key_Return), vbRetry);
    EXPECT_EQ(toets(vbAbortRetryIgnore, Qt::Key_Escape), vbIgnore);
    EXPECT_EQ(toets(vbYesNo, Qt::Key_Escape), vbNo);
}

// A close, by the title bar or Alt+F4 through the window system, or by the program, is no button: it agrees
// to nothing. Cancel where the box has it, OK where that is its only button, and no button at all for Yes/No
// (whichever has the focus) and Abort/Retry/Ignore.
TEST_F(MeldingTest, ClosingABoxWithoutAButtonAgreesToNothing) {
    const std::vector<std::pair<int, int>> gevallen = {
        {vbOKOnly, vbOK},
        {vbOKCancel | vbCritical, vbCancel},
        {vbAbortRetryIgnore, 0},
        {vbYesNoCancel | vbQuestion, vbCancel},
        {vbYesNo, 0},
        {vbYesNo | vbDefaultButton2, 0},
        {vbRetryCancel | vbExclamation, vbCancel},
        {6, vbOK},
    };
    for (const auto& [stijl, verwacht] : gevallen) {
        SCOPED_TRACE("style " + std::to_string(stijl));
        EXPECT_EQ(toon("Close", stijl, [](FormMelding& m) { EXPECT_TRUE(SluitDoorVenstersysteem(m)); }),
                  verwacht);
        EXPECT_EQ(openBox(), nullptr);
        // Another window that unloads the box gets the same answer for its caller.
        EXPECT_EQ(toon("Unload", stijl, [](FormMelding&) { FormMelding::OntlaadAlle(); }), verwacht);
    }
}

// The program ends with no one at it (a logout, kill -TERM) while a box waits: the box closes with the
// button that changes nothing, Cancel where it has one, else No, else Abort, else OK. Retry would try a
// failed write again at once, and again, with no one to stop it; Ignore, Yes or the default button would
// go on as if someone had agreed. A question asked after that gets the same answer, and no box opens.
TEST_F(MeldingTest, AtAnEndWithNoOneToAnswerEachBoxAnswersTheButtonThatChangesNothing) {
    const std::vector<std::pair<int, int>> gevallen = {
        {vbOKOnly | vbExclamation, vbOK},
        {vbOKCancel | vbCritical, vbCancel},
        {vbAbortRetryIgnore, vbAbort},
        {vbYesNoCancel | vbQuestion, vbCancel},
        {vbYesNo | vbQuestion, vbNo},
        {vbRetryCancel | vbCritical, vbCancel},
        {vbRetryCancel | vbExclamation, vbCancel},
    };
    for (const auto& [stijl, verwacht] : gevallen) {
        SCOPED_TRACE("style " + std::to_string(stijl));
        const int antwoord = toon("The end", stijl, [](FormMelding&) {
            platform::EindeZonderGebruiker(SluitVenstersZonderGebruiker);
        });
        EXPECT_EQ(antwoord, verwacht) << "the box that waited at the end";
        EXPECT_EQ(openBox(), nullptr);
        const size_t klanken = geluiden.size();
        EXPECT_EQ(ToonMelding(QStringLiteral("After the end"), stijl), verwacht)
            << "a question after the end";
        EXPECT_EQ(geluiden.size(), klanken) << "a box opened after the end";
        EXPECT_EQ(openBox(), nullptr);
        platform::EindeZonderGebruiker(nullptr);
    }
}

TEST_F(MeldingTest, ANestedBoxReturnsItsOwnAnswerToEachCaller) {
    // The inner box opens from inside the outer box's wait and is answered first.
    int binnen = 0;
    const int buiten = toon("Outer", vbYesNoCancel, [&](FormMelding&) {
        binnen = toon("Inner", vbYesNo, [](FormMelding& m) {
            EXPECT_EQ(OpenMeldingen(), 2);
            klik(m.CommandNo);
        });
        EXPECT_EQ(OpenMeldingen(), 1);
        FormMelding* outer = openBox("Outer");
        ASSERT_NE(outer, nullptr);
        klik(outer->CommandCancel);
    });
    EXPECT_EQ(binnen, vbNo);
    EXPECT_EQ(buiten, vbCancel);
    EXPECT_EQ(OpenMeldingen(), 0);

    // The outer box is answered while the inner one still waits.
    binnen = 0;
    const int buiten2 = toon("Outer", vbOKCancel, [&](FormMelding& outer) {
        binnen = toon("Inner", vbRetryCancel, [&](FormMelding& inner) {
            klik(outer.CommandOK);
            EXPECT_TRUE(inner.isVisible());
            klik(inner.CommandRetry);
        });
    });
    EXPECT_EQ(binnen, vbRetry);
    EXPECT_EQ(buiten2, vbOK);
    EXPECT_EQ(openBox(), nullptr);
}

// A question whose subject went elsewhere is withdrawn while a box opened inside its wait still waits:
// its window closes at once, the inner box stays and answers its own caller, and the outer caller learns
// that no answer was given. Withdrawn the other way round, the inner box alone closes and the outer one
// answers its caller. A number that no longer waits withdraws nothing: neither that of a box withdrawn
// nor that of a box answered.
TEST_F(MeldingTest, AWithdrawnBoxClosesWithoutAnAnswerAndLeavesTheBoxInsideIt) {
    IntrekbareMelding buiten;
    int binnen = 0;
    klok().planIn(0, [&] {
        FormMelding* outer = openBox("Outer");
        ASSERT_NE(outer, nullptr);
        binnen = toon("Inner", vbRetryCancel, [&](FormMelding& inner) {
            TrekMeldingIn(buiten.nummer);
            EXPECT_EQ(openBox("Outer"), nullptr);
            EXPECT_TRUE(inner.isVisible());
            klik(inner.CommandRetry);
        });
    });
    klok().planIn(600000, [] {
        if (FormMelding* m = openBox("Outer")) {
            ADD_FAILURE() << "the withdrawn box stayed open";
            m->close();
        }
    });
    const int antwoord = ToonMelding("Outer", vbRetryCancel | vbExclamation, QString(), buiten);
    EXPECT_TRUE(buiten.ingetrokken);
    EXPECT_EQ(antwoord, 0);
    EXPECT_EQ(binnen, vbRetry);
    EXPECT_EQ(OpenMeldingen(), 0);

    const int gewist = buiten.nummer;
    const int weer = toon("Again", vbRetryCancel, [gewist](FormMelding& m) {
        TrekMeldingIn(gewist);
        EXPECT_TRUE(m.isVisible());
        klik(m.CommandCancel);
    });
    EXPECT_EQ(weer, vbCancel);

    // A box still open long after is a failure; it is closed so that the test ends.
    const auto deadline = [this](const QString& tekst) {
        klok().planIn(600000, [tekst] {
            if (FormMelding* m = openBox(tekst)) {
                ADD_FAILURE() << "box left open: " << tekst.toStdString();
                m->close();
            }
        });
    };

    // The later box withdrawn: it alone closes, the earlier one waits on and answers its own caller.
    deadline("Inner");
    deadline("Outer");
    IntrekbareMelding later;
    klok().planIn(0, [&] {
        FormMelding* outer = openBox("Outer");
        ASSERT_NE(outer, nullptr);
        klok().planIn(0, [&, outer] {
            FormMelding* inner = openBox("Inner");
            ASSERT_NE(inner, nullptr);
            TrekMeldingIn(later.nummer);
            EXPECT_FALSE(inner->isVisible()) << "the withdrawn box stayed open";
            EXPECT_TRUE(outer->isVisible()) << "the earlier box closed with the later one";
            EXPECT_EQ(OpenMeldingen(), 2) << "the withdrawn box's wait ends once this work has returned";
            klok().planIn(0, [outer] {
                EXPECT_EQ(OpenMeldingen(), 1);
                if (outer->isVisible()) klik(outer->CommandRetry);
            });
        });
        binnen = ToonMelding("Inner", vbRetryCancel | vbExclamation, QString(), later);
    });
    IntrekbareMelding eerder;
    const int eerderAntwoord = ToonMelding("Outer", vbRetryCancel | vbExclamation, QString(), eerder);
    EXPECT_TRUE(later.ingetrokken);
    EXPECT_EQ(binnen, 0);
    EXPECT_FALSE(eerder.ingetrokken);
    EXPECT_EQ(eerderAntwoord, vbRetry);
    EXPECT_EQ(openBox(), nullptr);
    EXPECT_EQ(OpenMeldingen(), 0);

    // A box answered leaves nothing behind: its number, withdrawn later, touches the box that waits then.
    const auto vraag = [this, deadline](const QString& tekst, std::function<void(FormMelding&)> actie,
                                        IntrekbareMelding& intrekbaar) {
        deadline(tekst);
        klok().planIn(0, [tekst, actie] {
            FormMelding* m = openBox(tekst);
            ASSERT_NE(m, nullptr);
            actie(*m);
        });
        return ToonMelding(tekst, vbRetryCancel | vbExclamation, QString(), intrekbaar);
    };
    IntrekbareMelding beantwoord, volgend;
    EXPECT_EQ(vraag(
                  "Answered", [](FormMelding& m) { klik(m.CommandRetry); }, beantwoord),
              vbRetry);
    EXPECT_FALSE(beantwoord.ingetrokken);
    const int volgendAntwoord = vraag(
        "Next",
        [this, &beantwoord](FormMelding& m) {
            TrekMeldingIn(beantwoord.nummer);
            EXPECT_TRUE(m.isVisible()) << "the withdrawal of an answered box closed another";
            klok().planIn(0, [&m] {
                if (m.isVisible()) klik(m.CommandRetry);
            });
        },
        volgend);
    EXPECT_FALSE(volgend.ingetrokken);
    EXPECT_EQ(volgendAntwoord, vbRetry);
    EXPECT_EQ(OpenMeldingen(), 0);
}

TEST_F(MeldingTest, ABoxThatOnlyInformsWaitsForTheLastHoldWhileAQuestionIsAskedAtOnce) {
    std::optional<MeldingenTerughouden> start(std::in_place);
    std::optional<MeldingenTerughouden> bestand(std::in_place);
    {
        // Held back, the call returns at once; a box shown instead is closed by this deadline, so that
        // the test fails rather than waits.
        auto wacht = std::make_shared<bool>(true);
        klok().planIn(600000, [wacht] {
            if (!*wacht) return;
            if (FormMelding* m = openBox("Cut row")) {
                ADD_FAILURE() << "a box that only informs was shown while held back";
                m->close();
            }
        });
        EXPECT_EQ(ToonMelding("Cut row", vbExclamation), vbOK);
        *wacht = false;
    }
    EXPECT_EQ(openBox(), nullptr);
    EXPECT_EQ(toon("Commit the edits?", vbYesNo | vbQuestion, [](FormMelding& m) { klik(m.CommandNo); }),
              vbNo);
    start.reset();
    klok().verstrijk(1);
    EXPECT_EQ(openBox(), nullptr) << "shown while a hold is left";
    bestand.reset();
    bool getoond = false;
    klok().planIn(0, [&] {
        FormMelding* m = openBox("Cut row");
        ASSERT_NE(m, nullptr);
        getoond = true;
        klik(m->CommandOK);
    });
    klok().verstrijk(1);
    EXPECT_TRUE(getoond);
    EXPECT_EQ(openBox(), nullptr);
}

TEST_F(MeldingTest, ThePositionIsRememberedInTwips) {
    ASSERT_DOUBLE_EQ(TwipsPerPixel(), 15.0); // the offscreen screen has 96 dpi
    BewaarInstelling(AppNaam, "Messagewindow", "Top", "1500");
    BewaarInstelling(AppNaam, "Messagewindow", "Left", "3000");
    QPoint geopend;
    toon("Where", vbOKOnly, [&](FormMelding& m) {
        geopend = m.pos();
        m.move(300, 150); // the user drags the box
        klik(m.CommandOK);
    });
    EXPECT_EQ(geopend, QPoint(200, 100));
    EXPECT_EQ(LeesInstelling(AppNaam, "Messagewindow", "Top", ""), "2250");
    EXPECT_EQ(LeesInstelling(AppNaam, "Messagewindow", "Left", ""), "4500");
    toon("Again", vbOKOnly, [&](FormMelding& m) {
        geopend = m.pos();
        klik(m.CommandOK);
    });
    EXPECT_EQ(geopend, QPoint(300, 150));

    // At the edge, beyond the screen or not a number: centred for the design size 4575 x 2385.
    const QSize scherm = QGuiApplication::primaryScreen()->geometry().size();
    const QPoint midden(TwipsNaarPixels((scherm.width() * 15.0 - 4575) / 2),
                        TwipsNaarPixels((scherm.height() * 15.0 - 2385) / 2));
    for (const char* top : {"0", "999999", "abc"}) {
        BewaarInstelling(AppNaam, "Messagewindow", "Top", top);
        BewaarInstelling(AppNaam, "Messagewindow", "Left", top);
        toon("Centre", vbOKOnly, [&](FormMelding& m) {
            geopend = m.pos();
            klik(m.CommandOK);
        });
        EXPECT_EQ(geopend, midden) << top;
    }
    // Unloading with no box open only saves the remembered position.
    WisInstelling(AppNaam, "Messagewindow");
    FormMelding::OntlaadAlle();
    EXPECT_NE(LeesInstelling(AppNaam, "Messagewindow", "Top", ""), "");
}

TEST_F(MeldingTest, IconPictureAndSoundFollowTheStyle) {
    const std::vector<std::pair<int, int>> stijlen = {
        {vbCritical, 104}, {vbExclamation, 105}, {vbInformation, 106}, {vbQuestion, 107},
        {0, 108},          {0x50, 108}};
    for (const auto& [stijl, geluid] : stijlen) {
        geluiden.clear();
        bool plaatje = false;
        toon("Icon", stijl, [&](FormMelding& m) {
            plaatje = !m.PictureMelding->pixmap().isNull();
            klik(m.CommandOK);
        });
        EXPECT_TRUE(plaatje);
        EXPECT_EQ(geluiden, std::vector<int>{geluid}) << "style " << stijl;
    }
    EXPECT_EQ(IcoonVanStijl(vbCritical).plaatje, 1);
    EXPECT_EQ(IcoonVanStijl(vbInformation).plaatje, 2);
    EXPECT_EQ(IcoonVanStijl(vbQuestion).plaatje, 3);
    EXPECT_EQ(IcoonVanStijl(vbExclamation).plaatje, 4);
    EXPECT_EQ(IcoonVanStijl(0x60).plaatje, 4);
}

TEST_F(MeldingTest, LayoutCaptionAndWidth) {
    QString titel;
    int breedte = 0, okMidden = 0;
    toon("One line", vbOKOnly | vbExclamation, [&](FormMelding& m) {
        titel = m.windowTitle();
        breedte = m.width();
        okMidden = m.CommandOK->geometry().center().x();
        klik(m.CommandOK);
    });
    EXPECT_EQ(titel, "Message"); // an empty title shows Tekst[298]
    EXPECT_EQ(breedte, TwipsNaarPixels(2 * 1215 + 900));
    EXPECT_NEAR(okMidden, breedte / 2, 1);

    toon(
        "Three?", vbYesNoCancel | vbQuestion,
        [&](FormMelding& m) {
            titel = m.windowTitle();
            breedte = m.width();
            // Centred with gaps of 100 twips.
            EXPECT_NEAR(m.CommandNo->geometry().center().x(), breedte / 2, 1);
            EXPECT_NEAR(m.CommandNo->x() - m.CommandYes->geometry().right(), 100 / 15 + 1, 1);
            EXPECT_EQ(m.focusWidget(), m.CommandYes);
            klik(m.CommandYes);
        },
        "Own title");
    EXPECT_EQ(titel, "Own title");
    EXPECT_EQ(breedte, TwipsNaarPixels(4 * 1215 + 900));

    // A line wider than the window widens it to the label's right edge + 700 twips.
    const QString breed(30, QLatin1Char('W'));
    toon(breed, vbOKOnly, [&](FormMelding& m) {
        EXPECT_NEAR(m.width(), m.LabelMelding->geometry().right() + 1 + TwipsNaarPixels(700), 1);
        klik(m.CommandOK);
    });
}

TEST_F(MeldingTest, ATextWiderThanTheScreenWrapsAndStaysReadable) {
    const int scherm = QGuiApplication::primaryScreen()->geometry().width();
    const QString lang =
        QString(400, QLatin1Char('x')).replace(QRegularExpression("(x{9})x"), "\\1 ") + "\r\nEnd";
    toon(lang, vbOKOnly, [&](FormMelding& m) {
        EXPECT_EQ(m.width(), TwipsNaarPixels(scherm * 15.0 - 200));
        EXPECT_NEAR(m.LabelMelding->width(), m.width() - TwipsNaarPixels(960 + 200), 1);
        // All wrapped lines fit the label, and the buttons sit below it.
        EXPECT_GE(m.LabelMelding->height(), m.LabelMelding->heightForWidth(m.LabelMelding->width()) - 1);
        EXPECT_GT(m.CommandOK->y(), m.LabelMelding->geometry().bottom());
        klik(m.CommandOK);
    });
}

TEST_F(MeldingTest, EveryBoxEnablesTheMainWindowAndBlanksStatusPanel3) {
    Hoofdvensterdubbel hoofdvenster;
    ZetMeldingOmgeving(&hoofdvenster);
    toon("A", vbOKOnly, [](FormMelding& m) { klik(m.CommandOK); });
    EXPECT_EQ(hoofdvenster.ingeschakeld, 1);
    EXPECT_EQ(hoofdvenster.paneel3, QStringList{" "});
    // Also when a test or the start-up answers in place of the window.
    OpnameMelding antwoord;
    antwoord.antwoorden = {vbNo};
    ZetMeldingVenster(&antwoord);
    EXPECT_EQ(ToonMelding("B", vbYesNo), vbNo);
    EXPECT_EQ(hoofdvenster.ingeschakeld, 2);
    ZetMeldingOmgeving(nullptr);
}

TEST_F(MeldingTest, TheSoundsAreStoredInTheGivenFormat) {
    struct Soort {
        int nummer;
        double seconden;
    };
    QByteArray data105, data106;
    for (const Soort& s :
         {Soort{104, 1.10}, Soort{105, 0.92}, Soort{106, 0.63}, Soort{107, 0.63}, Soort{108, 0.92}}) {
        const QString pad = LaadGeluid(s.nummer);
        ASSERT_FALSE(pad.isEmpty()) << s.nummer;
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray d = f.readAll();
        ASSERT_GE(d.size(), 44);
        auto woord = [&](int i) { return qFromLittleEndian<quint16>(d.constData() + i); };
        auto lang = [&](int i) { return qFromLittleEndian<quint32>(d.constData() + i); };
        EXPECT_EQ(d.left(4), "RIFF");
        EXPECT_EQ(d.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(woord(20), 1);     // PCM
        EXPECT_EQ(woord(22), 2);     // channels
        EXPECT_EQ(lang(24), 22050u); // samples per second
        EXPECT_EQ(woord(34), 16);    // bits per sample
        EXPECT_EQ(d.mid(36, 4), "data");
        EXPECT_EQ(lang(40), static_cast<quint32>(qRound(s.seconden * 22050)) * 4) << s.nummer;
        if (s.nummer == 105) data105 = d;
        if (s.nummer == 106) data106 = d;
        if (s.nummer == 108) {
            EXPECT_EQ(d, data105);
        }
        if (s.nummer == 107) {
            EXPECT_EQ(d, data106);
        }
    }
    EXPECT_EQ(LaadGeluid(103), "");
    // The real player is silent without an audio device and never writes a file next to the program.
    const QStringList voor = QDir(QCoreApplication::applicationDirPath()).entryList(QDir::Files);
    ZetGeluidSpeler(nullptr);
    SpeelGeluid(105);
    SpeelGeluid(999);
    EXPECT_EQ(QDir(QCoreApplication::applicationDirPath()).entryList(QDir::Files), voor);
}

// A Yes/No/Cancel question in each language: its title, its whole text and the three buttons with that
// language's captions, each caption whole within its button. With K740_SCREENSHOTS set to a folder
// (scripts/screenshot-melding) the boxes are also kept there as pictures.
TEST_F(MeldingTest, AQuestionShowsWholeInEveryLanguage) {
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    const QString titel = "/home/user/Documents/Quorvex/K740/Library/buffer.ph";
    const std::array<QString, LaatsteTekst + 1> vast = Tekst;
    for (int taal = 0; taal < 3; ++taal) {
        int t = taal;
        KiesTaal(t);
        // The captions the fixture gave, where the table of this language has none yet.
        for (size_t i = 0; i < Tekst.size(); ++i)
            if (Tekst[i].isEmpty()) Tekst[i] = vast[i];
        const QString tekst =
            Tekst[480].isEmpty() ? QStringLiteral("The files are moved to the new location.") : Tekst[480];
        toon(
            tekst, vbYesNoCancel | vbExclamation,
            [&](FormMelding& m) {
                EXPECT_EQ(m.windowTitle(), titel);
                // Its lines as the text gives them.
                EXPECT_EQ(m.LabelMelding->text().trimmed().toStdString(),
                          QString(tekst)
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                              .trimmed()
                              .toStdString());
                EXPECT_TRUE(m.LabelMelding->isVisible());
                EXPECT_GE(m.LabelMelding->height(),
                          m.LabelMelding->heightForWidth(m.LabelMelding->width()) - 1)
                    << taal;
                EXPECT_TRUE(m.PictureMelding->isVisible());
                EXPECT_EQ(zichtbareKnoppen(m), (std::vector<int>{vbYes, vbNo, vbCancel})) << taal;
                for (const auto& [code, index] : {std::pair{vbYes, 99}, {vbNo, 100}, {vbCancel, 141}}) {
                    QPushButton* k = m.Knop(code);
                    EXPECT_EQ(k->text(), Tekst[index]) << taal;
                    QString zichtbaar = k->text();
                    zichtbaar.remove(QLatin1Char('&'));
                    EXPECT_LE(k->fontMetrics().horizontalAdvance(zichtbaar), k->width() - 4)
                        << taal << " " << zichtbaar.toStdString();
                    EXPECT_TRUE(m.rect().contains(k->geometry())) << taal;
                }
                if (!map.isEmpty()) {
                    const QString bestand = QDir(map).filePath(QStringLiteral("melding-%1.png").arg(taal));
                    EXPECT_TRUE(m.grab().toImage().save(bestand));
                }
                klik(m.CommandCancel);
            },
            titel);
    }
    int engels = 0;
    KiesTaal(engels);
}
