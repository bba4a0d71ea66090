#pragma once
// A factory workplace for tests: a production database and an adjustment folder in the temporary
// folder, and a message box that records every message and answers from a script.
#include "Productiedatabase.h"
#include "SchoneOmgeving.h"
#include "shared/Melding.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

struct GetoondeMelding {
    QString tekst;
    int stijl = 0;
    QString titel;
};

// Records the messages; each answer is taken from the front of `antwoorden` (the box's default
// answer when it is empty). `bijMelding` runs before the answer is given. `installeer` registers it.
struct MeldingOpname : MeldingVenster {
    int Toon(const QString& tekst, int stijl, const QString& titel) override;
    std::vector<GetoondeMelding> meldingen;
    std::deque<int> antwoorden;
    std::function<void(const GetoondeMelding&)> bijMelding;
    void installeer();
    QStringList teksten() const;
};

// Puts the factory paths into the temporary folder `map`: the database (made, empty) and the
// adjustment folder.
void RichtFabriekIn(const QString& map);

class FabriekOmgeving : public SchoneOmgeving {
protected:
    void SetUp() override;
    QString db() const;

    MeldingOpname melding;
};
