#pragma once
// Edit > Info as the user gives it: Enter on a row of a table's grid, the text typed into the info editor
// and OK.
#include "rackviews/FormEditInfo.h"
#include "views/frmTabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Selects row `rij` of module m's grid in `tabel` (its tab chosen), presses Enter and, once the editor
// shows, types `tekst` and clicks OK. False when the editor did not open (the edit was refused before it).
// An editor that OK leaves open (the text was not written) fails the test and is closed with Cancel.
inline bool InfoMetEnter(frmTabel& tabel, int16_t m, int32_t rij, const QString& tekst) {
    bool geopend = false;
    QTimer::singleShot(0, [&geopend, tekst] {
        if (auto* d = qobject_cast<formEditInfo*>(QApplication::activeModalWidget())) {
            geopend = true;
            d->TextInfo->setText(tekst);
            d->CommandOK->click();
            if (d->isVisible()) {
                ADD_FAILURE() << "the info editor is still open after OK with \"" << tekst.toStdString()
                              << '"';
                d->CommandCancel->click();
            }
        }
    });
    tabel.SSTab->setCurrentIndex(m - 1);
    tabel.MSHFlexGrid[m]->ZetSelectie({rij, 3, rij, 3});
    QTest::keyClick(tabel.MSHFlexGrid[m], Qt::Key_Return);
    QCoreApplication::processEvents();
    return geopend;
}
