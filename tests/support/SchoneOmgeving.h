#pragma once
// Base of every test that touches program-wide state: a virtual clock, a temporary folder for the
// settings store and the documents folder, and the program's start state (ResetProgramma) before and
// after the test.
#include "platform/Klok.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class SchoneOmgeving : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The moment the virtual clock starts at.
    virtual platform::Datum Begintijd() const { return platform::MaakDatum(2026, 1, 5, 9, 0, 0); }
    platform::VirtueleKlok& klok() { return *m_klok; }
    QString tijdelijkeMap() const { return m_map.path(); }

private:
    QTemporaryDir m_map;
    platform::VirtueleKlok* m_klok = nullptr;
};
