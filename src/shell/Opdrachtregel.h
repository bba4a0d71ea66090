#pragma once
// The program's command line: the mode switches (simulation, alarm output, factory mode, log files),
// extra serial ports for the port list, and a measurement file to open. Switches are not
// case-sensitive; file names keep their case.
#include "factory/Afregeling.h"
#include "factory/Beheer.h"

#include <QString>
#include <QStringList>

// Ports named by "/com" switches, one entry each ("COM3", "COM12"); the settings window adds them to
// its port list.
extern QStringList ExtraPoorten;
// The factory switches set AfregelMap (the folder of the adjustment record file) and
// ProductieDatabasePad (the production database), which the factory code declares.
// The databases folder of the factory file server.
extern QString FabrieksDatabaseMap;

// Reads the arguments of the process (without the program name). Sets Demo, DemoStart,
// Fabrieksmodus, AlarmUitgang, AlarmPoort, LogbestandAan, ExtraPoorten, AfregelMap,
// ProductieDatabasePad and Gegevensbestand. `poort` is the rack-link port of the settings, for the
// choice of the alarm port.
void OntleedCommand(const QStringList& argumenten, const QString& poort);

void ResetOpdrachtregel();
