#pragma once
// The file layer's side of the engine's Bestandslaag: the event log, the rack configuration file, the
// data file and the logging files, as the engine starts them.
#include "acquisition/Koppelingen.h"

class Bestandsdiensten : public Bestandslaag {
public:
    void SchrijfLogboek(int rack, int module, const QString& tekst) override;
    void LeesRackConfiguratie(int rack) override;
    void LeesRackNamen(int rack) override;
    void LeesRackAanmelding() override;
    // A data file that does not exist yet (the first run's "Untitled.csv", or one the logging will
    // make) is no fault at start-up: nothing to reload, nothing to ask.
    void OpenGegevensbestand() override;
    QString Gegevensbestand() const override;
    bool LogMeting(const QString& info) override;
};
