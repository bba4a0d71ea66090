#include "shell/Standaarddialogen.h"
#include "SchoneOmgeving.h"
#include "files/Grafiekconfiguratie.h"
#include "shared/Teksten.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class StandaarddialogenTest : public SchoneOmgeving {
protected:
    // Runs `doe` on the modal dialog as soon as it is shown.
    template <typename Dialoog> void BijDialoog(std::function<void(Dialoog&)> doe) {
        QTimer::singleShot(0, qApp, [this, doe] {
            auto* d = qobject_cast<Dialoog*>(QApplication::activeModalWidget());
            if (!d) {
                gevonden = false;
                if (auto* w = QApplication::activeModalWidget()) qobject_cast<QDialog*>(w)->reject();
                return;
            }
            gevonden = true;
            doe(*d);
        });
    }
    bool gevonden = false;
};

TEST_F(StandaarddialogenTest, FiltersBecomeQtFilters) {
    EXPECT_EQ(QtFilters(QStringLiteral("All files (*.*)|*.*|Data files(*.csv)|*.csv")),
              (QStringList{"All files (*)", "Data files (*.csv)"}));
    EXPECT_EQ(QtFilters(QStringLiteral("Buffers|*.ph;*.ec")), QStringList{"Buffers (*.ph *.ec)"});
    EXPECT_TRUE(QtFilters(QString()).isEmpty());
}

TEST_F(StandaarddialogenTest, TheFileDialogsShowTheQuestionAndReturnTheChoice) {
    const QString map = tijdelijkeMap();
    const QString bestaand = map + QStringLiteral("/run.csv");
    QFile f(bestaand);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    Standaarddialogen dialogen;

    BestandsdialoogVraag vraag;
    vraag.titel = QStringLiteral("File to open");
    vraag.beginMap = map;
    vraag.filter = QStringLiteral("All files (*.*)|*.*|Data files(*.csv)|*.csv");
    vraag.filterIndex = 2;
    BijDialoog<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), vraag.titel);
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d.selectedNameFilter(), QStringLiteral("Data files (*.csv)"));
        d.selectFile(bestaand);
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(dialogen.KiesBestand(vraag), std::optional<QString>(bestaand));
    EXPECT_TRUE(gevonden);

    // A name typed that is not there (mistyped, or a template) is the choice too: no box of the dialog
    // stands in for the program's own answer.
    for (const QString& naam : {QStringLiteral("Lab_run.csv"), QStringLiteral("Lab_#date#.csv")}) {
        BijDialoog<QFileDialog>([&](QFileDialog& d) {
            auto* veld = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(veld, nullptr);
            QTest::keyClicks(veld, naam);
            // A box the dialog would raise itself is closed at once, so that it cannot hold the test.
            QTimer::singleShot(0, qApp, [] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->reject();
            });
            QTest::keyClick(veld, Qt::Key_Return);
            // Still open: a box of the dialog refused the name.
            if (d.isVisible()) d.reject();
        });
        EXPECT_EQ(dialogen.KiesBestand(vraag), std::optional<QString>(map + QLatin1Char('/') + naam));
    }

    // The save dialog does not ask about an existing file: the caller does.
    vraag.opslaan = true;
    vraag.naam = bestaand;
    BijDialoog<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(d.testOption(QFileDialog::DontConfirmOverwrite));
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(dialogen.KiesBestand(vraag), std::optional<QString>(bestaand));

    BijDialoog<QFileDialog>([](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(dialogen.KiesBestand(vraag), std::nullopt);
}

TEST_F(StandaarddialogenTest, TheFontDialogKeepsTheColourAndTheEffects) {
    Standaarddialogen dialogen;
    Lettertype l{QStringLiteral("DejaVu Sans"), 12, true, false, true, false, 0x123456};
    BijDialoog<QDialog>([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Change Font"));
        static_cast<QDialog&>(d).accept();
    });
    ASSERT_TRUE(dialogen.KiesLettertype(l, QStringLiteral("Change Font")));
    EXPECT_EQ(l.naam, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(l.kleur, 0x123456);
    EXPECT_TRUE(l.vet);
    EXPECT_TRUE(l.onderstreept);
    EXPECT_FALSE(l.doorgehaald);
    EXPECT_DOUBLE_EQ(l.grootte, 12);

    // Its own buttons speak the program's language.
    int taal = 1;
    KiesTaal(taal);
    BijDialoog<QDialog>([](QDialog& d) {
        QStringList knoppen;
        for (QPushButton* k : d.findChildren<QPushButton*>())
            knoppen << k->text();
        EXPECT_TRUE(knoppen.contains(Tekst[140]));
        EXPECT_TRUE(knoppen.contains(Tekst[141])) << knoppen.join(QLatin1Char(' ')).toStdString();
        d.reject();
    });
    EXPECT_FALSE(dialogen.KiesLettertype(l, QStringLiteral("Change Font")));
}

TEST_F(StandaarddialogenTest, TheCurveColourGoesThroughTheColourDialog) {
    Standaarddialogen dialogen;
    ZetBestandsdialogen(&dialogen);
    BijDialoog<QColorDialog>([](QColorDialog& d) {
        EXPECT_EQ(d.currentColor(), QColor(0x56, 0x34, 0x12));
        d.setCurrentColor(QColor(1, 2, 3));
        static_cast<QDialog&>(d).accept();
    });
    int32_t kleur = 0x123456;
    int16_t keuze = 0;
    EXPECT_EQ(KiesCurveKleur(kleur, keuze), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(keuze, 1);
    EXPECT_TRUE(gevonden);
}

} // namespace
