#pragma once
// The program's real message box in a test, answered as a user answers it: with a key on the box's
// window, through the window system, so that a box that another window blocks never gets it. A box
// that is still open some time after its key is pressed directly instead (the test then fails on
// `geblokkeerd()`), so that a blocked box cannot hang the test.
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/ui/FormMelding.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>
#include <vector>

class EchteMelding : public MeldingVenster {
public:
    // `toets` answers every box `naMs` of clock time after it is shown.
    explicit EchteMelding(Qt::Key toets = Qt::Key_Return, qint64 naMs = 500)
        : m_staat(std::make_shared<Staat>()) {
        m_staat->toets = toets;
        m_staat->naMs = naMs;
    }
    // The planned key of a box that outlives this object does nothing.
    ~EchteMelding() override { m_staat->levend = false; }
    EchteMelding(const EchteMelding&) = delete;
    EchteMelding& operator=(const EchteMelding&) = delete;

    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        const int nummer = ++m_staat->getoond;
        m_staat->teksten.push_back(tekst);
        platform::klok().planIn(m_staat->naMs, [staat = m_staat, nummer] { DrukToets(staat, nummer); });
        return ToonFormMelding(tekst, stijl, titel);
    }

    int getoond() const { return m_staat->getoond; }
    // The text of every box shown, in order.
    const std::vector<QString>& teksten() const { return m_staat->teksten; }
    int geblokkeerd() const { return m_staat->geblokkeerd; }

private:
    struct Staat {
        Qt::Key toets = Qt::Key_Return;
        qint64 naMs = 500;
        int getoond = 0;
        std::vector<QString> teksten;
        int geblokkeerd = 0;
        bool levend = true;
    };

    static FormMelding* OpenBox() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<FormMelding*>(w); box && box->isVisible()) return box;
        return nullptr;
    }
    static void DrukToets(const std::shared_ptr<Staat>& staat, int nummer) {
        QPointer<FormMelding> box = OpenBox();
        if (!staat->levend || !box || staat->getoond != nummer) return;
        QTest::keyClick(box->windowHandle(), staat->toets);
        platform::klok().planIn(staat->naMs, [staat, box, nummer] {
            if (!staat->levend || !box || !box->isVisible() || staat->getoond != nummer ||
                box->GeklikteToets != 0)
                return;
            ++staat->geblokkeerd;
            box->Knop(KnoppenVanStijl(box->MijnVlaggen).focus)->click();
        });
    }

    std::shared_ptr<Staat> m_staat;
};
