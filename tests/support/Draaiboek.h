#pragma once
// A scenario for the whole program: steps that each run once their condition holds, in order, checked
// on a timer of the installed clock, so that they run inside the program's own event pump (the main
// window's MDIForm_Load runs the communication loop until the program is closed). When a step has
// waited longer than the watchdog allows, or a step's action has run that long (a box no one answers
// keeps it pumping events), the program is ended as at an end no one answers (the open boxes are
// unloaded, every question gets the answer that changes nothing) and the step can be named. So it is
// when a step's check fails fatally (the rest of the step, often the close, is skipped), at once, and
// when the program has not ended the watchdog's time after the last step began.
#include "acquisition/Communicatie.h"
#include "acquisition/Programmastatus.h"
#include "platform/Klok.h"
#include "shell/mdiK740.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class Draaiboek {
public:
    Draaiboek(mdiK740& venster, qint64 waakhondMs) : m_venster(venster), m_waakhondMs(waakhondMs) {
        m_timer = platform::klok().maakTimer();
        m_timer->zetInterval(100);
        m_timer->bijTik = [this] { Tik(); };
        m_timer->zetActief(true);
        m_sinds = platform::klok().ms();
    }

    void Stap(QString naam, std::function<bool()> wanneer, std::function<void()> doe) {
        m_stappen.push_back({std::move(naam), std::move(wanneer), std::move(doe)});
    }
    bool Klaar() const { return m_verlopen.empty() && m_volgende == m_stappen.size(); }
    // The step that was still waiting (or running) when the program ended.
    std::string Wachtend() const {
        if (!m_verlopen.empty()) return m_verlopen;
        return Klaar() ? std::string() : m_stappen[m_volgende].naam.toStdString();
    }

private:
    struct Regel {
        QString naam;
        std::function<bool()> wanneer;
        std::function<void()> doe;
    };

    void Tik() {
        if (m_bezig) {
            // An action that pumps events runs on, up to the watchdog.
            if (platform::klok().ms() - m_sinds > m_waakhondMs)
                Verloop(m_stappen[m_volgende - 1].naam.toStdString() + " (still running)");
            return;
        }
        if (Klaar()) {
            // The last step ends the program (or its close follows); the watchdog waits for that end.
            if (ProgrammaBeeindigd)
                m_timer->zetActief(false);
            else if (platform::klok().ms() - m_sinds > m_waakhondMs)
                Verloop("the end after " + m_stappen.back().naam.toStdString());
            return;
        }
        const Regel& stap = m_stappen[m_volgende];
        if (stap.wanneer()) {
            const std::string naam = stap.naam.toStdString();
            m_bezig = true;
            ++m_volgende;
            m_sinds = platform::klok().ms();
            stap.doe();
            m_bezig = false;
            if (::testing::Test::HasFatalFailure()) Verloop(naam + " (a check failed)");
            return;
        }
        if (platform::klok().ms() - m_sinds > m_waakhondMs) Verloop(stap.naam.toStdString());
    }

    void Verloop(std::string stap) {
        m_timer->zetActief(false);
        m_verlopen = std::move(stap);
        if (!ProgrammaBeeindigd) m_venster.BeeindigZonderGebruiker();
        BeeindigCommunicatieLus();
    }

    mdiK740& m_venster;
    qint64 m_waakhondMs;
    std::unique_ptr<platform::Timer> m_timer;
    std::vector<Regel> m_stappen;
    size_t m_volgende = 0;
    qint64 m_sinds = 0;
    bool m_bezig = false;
    std::string m_verlopen;
};
