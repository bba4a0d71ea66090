#pragma once
// The first start of a whole-program test: the settings window the program shows with no rack
// registered is set to log from the start, every second (every `interval` seconds), and closed with OK;
// once the rack (racks 1 to `racks`) has logged on, Measure is pressed and logging switched on if it is
// not yet, and then `daarna` runs.
#include "Draaiboek.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/vensters/Rackvenster.h"
#include "shell/frmInstellen.h"
#include "shell/mdiK740.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <functional>

inline void LogVanafStartElkeSeconde(Draaiboek& boek, mdiK740& venster, std::function<void()> daarna = {},
                                     int racks = 1, int interval = 1) {
    boek.Stap(
        QStringLiteral("the settings window is shown"),
        [] { return InstellenVenster() && InstellenVenster()->isVisible(); },
        [interval] {
            frmInstellen& instellen = *InstellenVenster();
            instellen.SSTab->setCurrentIndex(0);
            instellen.CheckLogStartup->setChecked(true);
            instellen.UpDownPollInterval->setValue(interval);
            QTest::mouseClick(instellen.OKButton, Qt::LeftButton);
        });
    boek.Stap(
        QStringLiteral("the rack has logged on"),
        [racks] {
            for (int r = 1; r <= racks; ++r)
                if (RackVenster(r) == nullptr) return false;
            return !PauzeOpvragen;
        },
        [&venster, daarna = std::move(daarna)] {
            venster.knopMeten()->trigger();
            if (!VerbindingActief) venster.StartStopVerbinding();
            if (daarna) daarna();
        });
}
