#pragma once
// The file layer's side of the engine for tests: it records what the engine asks of it.
#include "acquisition/Koppelingen.h"

#include <QString>
#include <QStringList>
#include <tuple>
#include <vector>

class OpnameBestandslaag : public Bestandslaag {
public:
    using Logregel = std::tuple<int, int, QString>;
    void SchrijfLogboek(int rack, int module, const QString& tekst) override {
        logboek.emplace_back(rack, module, tekst);
    }
    void LeesRackConfiguratie(int rack) override { configuraties.push_back(rack); }
    void LeesRackNamen(int rack) override { namen.push_back(rack); }
    void LeesRackAanmelding() override { ++aanmeldingenGelezen; }
    void OpenGegevensbestand() override { ++gegevensbestandGeopend; }
    QString Gegevensbestand() const override { return gegevensbestand; }
    bool LogMeting(const QString& info) override {
        metingen << info;
        return false;
    }

    std::vector<Logregel> logboek;
    std::vector<int> configuraties;
    std::vector<int> namen;
    int aanmeldingenGelezen = 0;
    int gegevensbestandGeopend = 0;
    QString gegevensbestand;
    QStringList metingen;
};
