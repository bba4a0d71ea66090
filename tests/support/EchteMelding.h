#pragma once
// The program's real message box in a test, answered as a user answers it: with a key on the box's
// window (or its close, Qt::Key_Close), through the window system, once the user can reach the box: while a
// modal window above it waits (a box asked inside its wait), the box waits for its answer. A box that the
// key did not answer, or that stays out of reach, fails the test with a message and is then answered
// directly (counted in `geblokkeerd()`), so that it cannot hang the test.
#include "platform/Klok.h"
#include "shared/Melding.h"
#include "shared/ui/FormMelding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Whether the user can reach `w`'s window: no modal window is shown above it, as the window system lets
// input through (the most recent modal window, or a window of its own).
inline bool Bereikbaar(const QWidget& w) {
    QWindow* venster = w.windowHandle();
    QWindow* modaal = QGuiApplication::modalWindow();
    return venster &&
           (!modaal || modaal == venster || modaal->isAncestorOf(venster, QWindow::IncludeTransients));
}

// The close of `w`'s window by its title bar or Alt+F4: a spontaneous close event, as the window system
// delivers it, and only where the user can reach the window.
inline bool SluitDoorVenstersysteem(QWidget& w) {
    if (!Bereikbaar(w)) return false;
    QCloseEvent sluiten;
    QSpontaneKeyEvent::setSpontaneous(&sluiten);
    QApplication::instance()->notify(w.windowHandle(), &sluiten);
    return true;
}

class EchteMelding : public MeldingVenster {
public:
    // `toets` answers every box `naMs` of clock time after it is shown, or after the user can reach it.
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
        ++m_staat->getoond;
        m_staat->teksten.push_back(tekst);
        m_staat->titels.push_back(titel);
        // The box is the newest one once it shows.
        platform::klok().planIn(0, [staat = m_staat] {
            const QList<FormMelding*> open = FormMelding::OpenBoxen();
            if (staat->levend && !open.isEmpty()) Plan(staat, open.back(), 0);
        });
        return ToonFormMelding(tekst, stijl, titel);
    }

    int getoond() const { return m_staat->getoond; }
    // The text and the title of every box shown, in order.
    const std::vector<QString>& teksten() const { return m_staat->teksten; }
    const std::vector<QString>& titels() const { return m_staat->titels; }
    int geblokkeerd() const { return m_staat->geblokkeerd; }

private:
    struct Staat {
        Qt::Key toets = Qt::Key_Return;
        qint64 naMs = 500;
        int getoond = 0;
        std::vector<QString> teksten, titels;
        int geblokkeerd = 0;
        bool levend = true;
    };
    // The user waits this many times for a box out of reach before the test fails.
    static constexpr int Geduld = 40;

    static bool Open(const QPointer<FormMelding>& box) {
        return box && box->isVisible() && box->GeklikteToets == 0 && !box->Gesloten;
    }
    static void Plan(const std::shared_ptr<Staat>& staat, QPointer<FormMelding> box, int gewacht) {
        platform::klok().planIn(staat->naMs, [staat, box, gewacht] { Druk(staat, box, gewacht); });
    }
    static void Druk(const std::shared_ptr<Staat>& staat, const QPointer<FormMelding>& box, int gewacht) {
        if (!staat->levend || !Open(box)) return;
        if (!Bereikbaar(*box)) {
            if (gewacht < Geduld) return Plan(staat, box, gewacht + 1);
            Forceer(staat, box, "is out of the user's reach");
            return;
        }
        if (staat->toets == Qt::Key_Close)
            SluitDoorVenstersysteem(*box);
        else
            QTest::keyClick(box->windowHandle(), staat->toets);
        platform::klok().planIn(staat->naMs, [staat, box] {
            if (staat->levend && Open(box)) Forceer(staat, box, "did not take the key");
        });
    }
    static void Forceer(const std::shared_ptr<Staat>& staat, const QPointer<FormMelding>& box,
                        const char* waarom) {
        ++staat->geblokkeerd;
        ADD_FAILURE() << "the box \"" << box->windowTitle().toStdString() << "\" ("
                      << box->LabelMelding->text().left(60).toStdString() << ") " << waarom;
        box->Knop(KnoppenVanStijl(box->MijnVlaggen).focus)->click();
    }

    std::shared_ptr<Staat> m_staat;
};
