#pragma once
// The deadline of a test whose boxes ask about waiting rows: every box goes through here to the box the
// test answers with (`binnen`). Past a bound of boxes the test fails with the text of the box, and what
// still waits is given up (as at an end no one answers), so that the question's loop, which asks as long
// as rows wait, ends: a Cancel that gives up nothing would otherwise ask again without end.
#include "files/Logbestanden.h"
#include "shared/Melding.h"

#include <gtest/gtest.h>

class BegrensdeMeldingen : public MeldingVenster {
public:
    explicit BegrensdeMeldingen(MeldingVenster& binnen, int grens = 20) : binnen(&binnen), m_grens(grens) {}

    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        if (++m_getoond > m_grens) {
            ADD_FAILURE() << "more than " << m_grens
                          << " boxes: the question about the waiting rows asks again and again; the last:\n"
                          << tekst.toStdString();
            BeeindigWachtendeRegels();
            return vbCancel;
        }
        return binnen->Toon(tekst, stijl, titel);
    }

    MeldingVenster* binnen;

private:
    int m_grens;
    int m_getoond = 0;
};
