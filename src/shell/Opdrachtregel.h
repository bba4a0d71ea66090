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
// choice of the alarm port. A measurement file named without a folder lies in `dataMap` (made when
// missing); a relative path is taken from `startMap`, the folder the program was started in.
void OntleedCommand(const QStringList& argumenten, const QString& poort, const QString& startMap,
                    const QString& dataMap);
// Where a file named on the command line lies: a name without a folder in the data folder, a relative
// path from the start folder, an absolute path where it says.
QString PadVanOpdrachtregel(const QString& naam, const QString& startMap, const QString& dataMap);

void ResetOpdrachtregel();
