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

    platform::VirtueleKlok& klok() { return *m_klok; }
    QString tijdelijkeMap() const { return m_map.path(); }

private:
    QTemporaryDir m_map;
    platform::VirtueleKlok* m_klok = nullptr;
};
