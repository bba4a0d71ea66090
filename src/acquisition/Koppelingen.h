#pragma once
// Work of the file layer that the engine starts: the event log, the rack configuration file, the data
// file and the logging files. The file layer's side is registered at start-up; without it (and in
// tests that register none) the engine's calls do nothing.
#include <QString>

class Bestandslaag {
public:
    virtual ~Bestandslaag() = default;
    // Appends one line to the daily event log (rack and module 0 when none).
    virtual void SchrijfLogboek(int rack, int module, const QString& tekst) {
        (void)rack, (void)module, (void)tekst;
    }
    // Reads the configuration file of a rack that has just logged on, over its defaults.
    virtual void LeesRackConfiguratie(int rack) { (void)rack; }
    // Reads the names of the rack's modules and inputs from its configuration file.
    virtual void LeesRackNamen(int rack) { (void)rack; }
    // Registers the racks of the last run from their log-on records in the settings.
    virtual void LeesRackAanmelding() {}
    // Reloads the current data file into the tables.
    virtual void OpenGegevensbestand() {}
    // The name of the current data file ("" when there is no file layer).
    virtual QString Gegevensbestand() const { return QString(); }
    // Writes the newest values as one row into the logging files; `info` is the row's info text (the
    // snapshot of the poll-interval timer). True when the run went on in a new data file with this row
    // (the racks no longer fit the file's header): the row is that file's first.
    virtual bool LogMeting(const QString& info) {
        (void)info;
        return false;
    }
};

// Registers the file layer's side (nullptr: none).
void ZetBestandslaag(Bestandslaag* laag);
Bestandslaag& bestandslaag();

// The engine's event-log call: one line for rack and module (0 = none).
void SchrijfLogboek(int rack, int module, const QString& tekst);

void ResetKoppelingen();
