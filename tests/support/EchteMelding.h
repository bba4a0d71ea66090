#pragma once
// The program's real message box in a test, answered as a user answers it: with a key on the box's
// window, through the window system, so that a box that another window blocks never gets it. A box
// that is still open some time after its key is pressed directly instead (the test then fails on
// `geblokkeerd`), so that a blocked box cannot hang the test.
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/ui/FormMelding.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class EchteMelding : public MeldingVenster {
public:
    // `toets` answers every box `naMs` of clock time after it is shown.
    explicit EchteMelding(Qt::Key toets = Qt::Key_Return, qint64 naMs = 500) : m_toets(toets), m_naMs(naMs) {}

    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        ++getoond;
        const int nummer = getoond;
        platform::klok().planIn(m_naMs, [this, nummer] { DrukToets(nummer); });
        return ToonFormMelding(tekst, stijl, titel);
    }

    int getoond = 0;
    int geblokkeerd = 0;

private:
    static FormMelding* OpenBox() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<FormMelding*>(w); box && box->isVisible()) return box;
        return nullptr;
    }
    void DrukToets(int nummer) {
        FormMelding* box = OpenBox();
        if (!box || getoond != nummer) return;
        QTest::keyClick(box->windowHandle(), m_toets);
        platform::klok().planIn(m_naMs, [this, box, nummer] {
            if (getoond != nummer || OpenBox() != box || box->GeklikteToets != 0) return;
            ++geblokkeerd;
            box->Knop(KnoppenVanStijl(box->MijnVlaggen).focus)->click();
        });
    }

    Qt::Key m_toets;
    qint64 m_naMs;
};
