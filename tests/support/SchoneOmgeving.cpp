#include "SchoneOmgeving.h"

#include "acquisition/Alarmuitgang.h"
#include "acquisition/Communicatie.h"
#include "acquisition/vensters/Grafiekvenster.h"
#include "acquisition/vensters/Hoofdvenster.h"
#include "acquisition/K761.h"
#include "acquisition/K762.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Koppelingen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/vensters/Rackvenster.h"
#include "acquisition/Stabiliteit.h"
#include "acquisition/vensters/Systeemboom.h"
#include "acquisition/vensters/Tabelvenster.h"
#include "acquisition/Verbinding.h"
#include "acquisition/Vernieuwing.h"
#include "files/CsvVelden.h"
#include "files/Grafiekconfiguratie.h"
#include "files/Logbestanden.h"
#include "files/Logboek.h"
#include "files/Meetbestand.h"
#include "files/Opslaan.h"
#include "files/RackConfiguratie.h"
#include "files/Tijdbasis.h"
#include "platform/Opslag.h"
#include "platform/Systeem.h"
#include "rackviews/DialogK76xSettings.h"
#include "rackviews/RackvensterActies.h"
#include "shared/Melding.h"
#include "shared/Systeemfuncties.h"
#include "shared/Teksten.h"
#include "shared/ui/Dialoogdiensten.h"
#include "shared/ui/HelpVenster.h"
#include "shared/ui/Kindvensters.h"
#include "shell/InstellenDiensten.h"
#include "shell/frmInstellen.h"
#include "shell/frmTerminal.h"
#include "shell/mdiK740.h"
#include "views/Grafiekvensters.h"

#include <QDir>
#include <QLocale>

void ResetAlles() {
    ResetRackModel();
    ResetProgrammastatus();
    ResetStabiliteit();
    ResetSysteemfuncties();
    ZetMeldingFunctie(nullptr);
    ZetHoofdvenster(nullptr);
    // Each subsystem adds the reset of its own state below.
    ResetTeksten();
    SluitHelp();
    ResetK761();
    ResetK762();
    ResetRackVensters();
    ResetDialoogDiensten();
    ResetVerbinding();
    ResetKoppelingen();
    ResetLogboek();
    ResetKalibratiebestand();
    ResetGrafiekVensters();
    ResetRackConfiguratie();
    ResetGrafiekconfiguratie();
    ResetKindvensters();
    ResetSysteemboom();
    ResetRackvensterActies();
    ResetModuleInstellingen();
    ResetShell();
    ResetCommunicatie();
    ResetVernieuwing();
    ResetAlarmuitgang();
    ResetInstellen();
    ResetTerminal();
    ResetInstellenDiensten();
    ResetTabelVensters();
    ResetMeetbestand();
    ResetCsvVelden();
    ResetTijdbasis();
    ResetOpslaan();
    ResetGrafiekvensters();
    ResetLogbestanden();
}

void SchoneOmgeving::SetUp() {
    ASSERT_TRUE(m_map.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    auto k = std::make_unique<platform::VirtueleKlok>();
    m_klok = k.get();
    platform::zetKlok(std::move(k));
    platform::ZetOpslagMap(m_map.path() + QStringLiteral("/config"));
    QDir().mkpath(m_map.path() + QStringLiteral("/Documents"));
    platform::ZetDocumentenMap(m_map.path() + QStringLiteral("/Documents"));
    ResetAlles();
    AppNaam = QStringLiteral("K740");
}

void SchoneOmgeving::TearDown() {
    ResetAlles();
    platform::ZetOpslagMap(QString());
    platform::ZetDocumentenMap(QString());
    platform::zetKlok(nullptr);
    m_klok = nullptr;
}
