#include "SchoneOmgeving.h"

#include "platform/Opslag.h"
#include "platform/Systeem.h"
#include "shared/Systeemfuncties.h"
#include "shell/Beginstand.h"

#include <QDir>
#include <QLocale>

void SchoneOmgeving::SetUp() {
    ASSERT_TRUE(m_map.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    auto k = std::make_unique<platform::VirtueleKlok>(Begintijd());
    m_klok = k.get();
    platform::zetKlok(std::move(k));
    platform::ZetOpslagMap(m_map.path() + QStringLiteral("/config"));
    QDir().mkpath(m_map.path() + QStringLiteral("/Documents"));
    platform::ZetDocumentenMap(m_map.path() + QStringLiteral("/Documents"));
    ResetProgramma();
    AppNaam = QStringLiteral("K740");
}

void SchoneOmgeving::TearDown() {
    ResetProgramma();
    platform::ZetOpslagMap(QString());
    platform::ZetDocumentenMap(QString());
    platform::zetKlok(nullptr);
    m_klok = nullptr;
}
