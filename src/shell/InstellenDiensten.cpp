#include "shell/InstellenDiensten.h"

#include "acquisition/Programmastatus.h"
#include "acquisition/Verbinding.h"

#include <QWidget>

namespace {

// The dialog's own variables while the main window has connected none.
struct EigenVariabelen {
    int32_t Tijdsinterval = 60;
    QString CommPoort = QStringLiteral("COM1");
    bool GebruikStartLog = false;
    platform::Datum StartLogTijdstip = 0;
    bool GebruikStopLog = false;
    platform::Datum StopLogTijdstip = 0;
    QString ExtraPoorten;
};

EigenVariabelen eigen;

// The rack line takes the port and the speed while it is closed.
void StelLijnIn() {
    if (Demo || MSComm1().isOpen()) return;
    MSComm1().zetPoort(*Instellendiensten().CommPoort);
    MSComm1().zetInstellingen(Baudsnelheid + QStringLiteral(",N,8,1"));
}

InstellenDiensten standaard() {
    InstellenDiensten d;
    d.Hoofdvenster = [] { return static_cast<QWidget*>(nullptr); };
    d.ZoekSerielePoorten = [] { return QString(); };
    d.initCommPoort = StelLijnIn;
    d.InstellenCommPoort = StelLijnIn;
    d.OpenCommPoort = [] { return Demo || MSComm1().isOpen() || MSComm1().open(); };
    d.LaadStrings = [] {};
    d.ZetKnoppen = [] {};
    d.ZetTerminalVinkje = [](bool) {};
    d.LeesVensterPositie = [](const QString&, QWidget*) {};
    d.LeesLettertype = [](const QString&, QWidget*) {};
    d.Tijdsinterval = &eigen.Tijdsinterval;
    d.CommPoort = &eigen.CommPoort;
    d.GebruikStartLog = &eigen.GebruikStartLog;
    d.StartLogTijdstip = &eigen.StartLogTijdstip;
    d.GebruikStopLog = &eigen.GebruikStopLog;
    d.StopLogTijdstip = &eigen.StopLogTijdstip;
    d.ExtraPoorten = &eigen.ExtraPoorten;
    return d;
}

InstellenDiensten& diensten() {
    static InstellenDiensten d = standaard();
    return d;
}

} // namespace

InstellenDiensten& Instellendiensten() {
    return diensten();
}

void ResetInstellenDiensten() {
    eigen = EigenVariabelen();
    diensten() = standaard();
}
