// Every unit of every model, and units no model has, through each part of the program that reads a
// unit: the unit lists, the GLP layout, the check of the Extra and the resolution, the graph conversion,
// the calibration record, the value and unit texts and the calibration a settings dialog starts. One
// line per model and unit, so that a change to how units are told apart shows what it changes.
#include "SchoneOmgeving.h"
#include "acquisition/Grafiekwaarde.h"
#include "acquisition/Kalibratiebestand.h"
#include "acquisition/Kanaalteksten.h"
#include "acquisition/Modellen.h"
#include "acquisition/Programmastatus.h"
#include "acquisition/RackModel.h"
#include "acquisition/RackvensterTeksten.h"
#include "files/Eenheidcontrole.h"
#include "platform/Tekstbestand.h"
#include "rackviews/ModuleInstellingen.h"
#include "reports/GLPHistoriek.h"
#include "views/Grafiekmodel.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <limits>

namespace {

class ModeleenhedenTest : public SchoneOmgeving {
protected:
    void SetUp() override {
        SchoneOmgeving::SetUp();
        MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
        QDir().mkpath(MapKalibratie);
    }

    ModuleRecord& module() { return Racks[1].Modules[1]; }
    QString pad() const { return KalibratieBestandsnaam(1, 1, MapKalibratie, QStringLiteral(".cal")); }

    // Rack 1, module 1 of the model, input 1 of the unit, in use and read; no calibration file.
    void Zet(const char* model, const QString& eenheid) {
        QFile::remove(pad());
        Racks[1] = RackRecord{};
        Racks[1].Present = true;
        Racks[1].Idno = 0x01000003;
        RackVlaggen[1].Measure = true;
        ModuleRecord& mod = module();
        mod.Present = true;
        mod.Berekend = true;
        mod.Type = QString::fromLatin1(model);
        mod.Idno = 0x0F000011;
        for (int c = 1; c <= AantalIngangen; ++c) {
            mod.Meting[c].Unit = eenheid;
            mod.Meting[c].Set = true;
            mod.Meting[c].Resolution = 1;
            mod.Temperatuur[c].Unit = QString::fromUtf8("°C");
            mod.Temperatuur[c].Resolution = 1;
        }
    }

    static QString Getal(double x) { return std::isnan(x) ? QStringLiteral("nan") : QString::number(x); }

    QString Lijsten(const char* model) {
        const Model& m = ModelMetNaam(QString::fromLatin1(model));
        return m.Eenheden().join(QLatin1Char(',')) + QLatin1Char(';') +
               m.Lijstteksten().join(QLatin1Char(',')) + QLatin1Char(';') +
               EenheidLijst(QString::fromLatin1(model)).join(QLatin1Char(',')) + QLatin1Char(';') +
               QString::fromUtf8(m.standaardEenheid);
    }

    // The record number of generation 1 of input 1 and channel 6, and the rows of the GLP table of
    // input 1 and of channel 5 that hold a text once its first generation is stored.
    QString GLP(const char* model, const QString& eenheid) {
        QString uit =
            QString::number(GLPRecordNummer(QString::fromLatin1(model), eenheid, 1, 1)) + QLatin1Char('/') +
            QString::number(GLPRecordNummer(QString::fromLatin1(model), eenheid, 2, 3)) + QLatin1Char('/') +
            QString::number(GLPRecordNummer(QString::fromLatin1(model), eenheid, 6, 2));
        for (int k : {1, 5}) {
            Zet(model, eenheid);
            const int nummer = GLPRecordNummer(QString::fromLatin1(model), eenheid, k, 1);
            if (nummer > 0) {
                QByteArray inhoud;
                KalibratieRecord rec;
                rec.Tijdstip = platform::MaakDatum(2026, 2, 3, 12, 0, 0);
                rec.Helling = 1;
                SchrijfKalibratieRecord(inhoud, nummer, rec);
                EXPECT_TRUE(platform::SchrijfBestandVeilig(pad(), inhoud));
            }
            const Raster r = StelGLPTabelIn(1, 1, k);
            uit += QStringLiteral(" k%1:%2x%3:").arg(k).arg(r.AantalRijen()).arg(r.AantalKolommen());
            for (int rij = 1; rij < r.AantalRijen(); ++rij)
                if (!r.CelTekst(rij, 1).isEmpty()) uit += QString::number(rij);
        }
        return uit;
    }

    QString Controle(const char* model, const QString& eenheid) {
        QString uit;
        for (float extra : {-20.0f, -12.5f, -2.5f, -1.5f, 0.0f, 0.5f, 1.5f, 2.5f, 30.0f, 50.0f,
                            std::numeric_limits<float>::quiet_NaN()}) {
            Zet(model, eenheid);
            module().Meting[1].Extra = extra;
            ControleerExtra(1, 1, 1);
            uit += Getal(module().Meting[1].Extra) + QLatin1Char(',');
        }
        uit += QLatin1Char(';');
        for (int16_t res : {-1, 0, 1, 2, 3, 4, 26}) {
            Zet(model, eenheid);
            module().Meting[1].Resolution = res;
            ControleerMeetresolutie(1, 1, 1);
            uit += QString::number(module().Meting[1].Resolution) + QLatin1Char(',');
        }
        Zet(model, QLatin1Char(' ') + eenheid);
        module().Meting[1].Set = false;
        ControleerMeeteenheid(1, 1, 1);
        uit += QStringLiteral(";%1 %2").arg(module().Meting[1].Unit.tekst()).arg(module().Meting[1].Set);
        return uit;
    }

    QString Grafiek(const char* model, const QString& eenheid) {
        Zet(model, eenheid);
        QString uit;
        for (float extra : {-1.0f, 0.0f, 1.0f}) {
            module().Meting[1].Extra = extra;
            const Grafiekomzetting z = Grafiekomzetting::Van(1, 1, 1);
            uit += QStringLiteral("%1/%2 ").arg(int(z.soort)).arg(z.decade);
            uit += Getal(z.Zet(QStringLiteral("12.5"), QStringLiteral("mS/cm"))) + QLatin1Char(' ');
            uit += Getal(z.Zet(QStringLiteral("12.5"), QStringLiteral("NO3 mg/l"))) + QLatin1Char(' ');
            uit += ConverteerGrafiekWaarde(1.5f, 1, 1, 1, false) + QLatin1Char('|') +
                   BepaalEenheid(1, 1, 1, false) + QLatin1Char('|') +
                   ConverteerGrafiekWaarde(1.5f, 1, 1, 1, true) + QLatin1Char('|') +
                   BepaalEenheid(1, 1, 1, true) + QStringLiteral("; ");
        }
        module().Meting[1].Extra = 0;
        for (float waarde : {3.0f, 9.0f}) {
            module().Meting[1].Waarde = waarde;
            module().Meting[1].Flags = VlagBovenBereik;
            uit += QString::number(LiveBuitenBereik(1, 1, 1, false)) + QLatin1Char(',');
            module().Meting[1].Flags = VlagOnderBereik;
            uit += QString::number(LiveBuitenBereik(1, 1, 1, false)) + QLatin1Char(',');
        }
        module().Meting[1].Flags = 0;
        uit += Getal(LiveGrafiekWaarde(1, 1, 1, false));
        return uit;
    }

    // Which record a store of input 2 writes (and its generation 0 read back), a temperature store, and
    // the defaults of a new file.
    QString Kalibratie(const char* model, const QString& eenheid) {
        Zet(model, eenheid);
        KalibratieRecord rec;
        rec.Tijdstip = 46001.5;
        rec.Nulpunt = 0.5f;
        rec.Helling = 1.0f;
        rec.Standaard1 = 1.0f;
        rec.Standaard2 = 2.0f;
        const bool bewaard = BewaarModuleKalibratie(1, 1, 2, rec, false);
        QByteArray inhoud;
        platform::LeesBestand(pad(), inhoud);
        QString uit =
            QStringLiteral("%1 size %2 at").arg(bewaard).arg(inhoud.size() / KalibratieRecordLengte);
        for (int n = 1; n * KalibratieRecordLengte <= inhoud.size(); ++n)
            if (LeesKalibratieRecord(inhoud, n).Tijdstip == 46001.5)
                uit += QLatin1Char(' ') + QString::number(n);
        KalibratieRecord t;
        t.Tijdstip = 46002.5;
        t.Standaard1 = 20.0f;
        const bool temperatuur = BewaarModuleKalibratie(1, 1, 3, t, true);
        platform::LeesBestand(pad(), inhoud);
        uit += QStringLiteral("; temp %1 at").arg(temperatuur);
        for (int n = 1; n * KalibratieRecordLengte <= inhoud.size(); ++n)
            if (LeesKalibratieRecord(inhoud, n).Tijdstip == 46002.5)
                uit += QLatin1Char(' ') + QString::number(n);
        ModuleRecord kopie = module();
        for (int c = 1; c <= AantalIngangen; ++c) {
            kopie.Meting[c].KalibratieDatum = 0;
            kopie.Meting[c].KalibratieTekst.clear();
        }
        LaadModuleKalibratie(1, 1, 0, kopie);
        uit += QStringLiteral("; load %1 %2 %3/%4/%5")
                   .arg(kopie.Meting[2].KalibratieDatum)
                   .arg(kopie.Meting[2].KalibratieTekst)
                   .arg(kopie.Meting[2].Offset)
                   .arg(kopie.Meting[2].Scale)
                   .arg(kopie.Meting[2].Extra);
        uit += QStringLiteral(" t %1 %2")
                   .arg(kopie.Temperatuur[3].KalibratieDatum)
                   .arg(kopie.Temperatuur[3].KalibratieTekst);
        Zet(model, eenheid);
        for (int c = 1; c <= AantalIngangen; ++c)
            module().Meting[c].Extra = 7.0f;
        LaadModuleKalibratie(1, 1, 0);
        const KanaalRecord& k = module().Meting[1];
        uit += QStringLiteral("; new %1/%2/%3 %4")
                   .arg(k.Offset)
                   .arg(k.Scale)
                   .arg(k.Extra)
                   .arg(k.KalibratieTekst);
        return uit;
    }

    QString Teksten(const char* model, const QString& eenheid) {
        Zet(model, eenheid);
        QString uit;
        for (int16_t res : {0, 1, 2}) {
            module().Meting[1].Resolution = res;
            module().Meting[1].Waarde = 1.2345f;
            module().Meting[1].Extra = 0.0f;
            uit += MeetwaardeTekst(1, 1, 1) + QLatin1Char('|') + EenheidTekst(1, 1, 1) + QLatin1Char('|') +
                   FormaatWaarde(1, 1, 1) + QStringLiteral("; ");
        }
        uit += GrootheidKanaal(1, 1, 1) + QLatin1Char('|') + QString::number(KalibratieVereist(1, 1, 1)) +
               QLatin1Char('|') +
               QString::number(int(KalibratieVoor(QString::fromLatin1(model), eenheid, false))) +
               QLatin1Char('|') +
               QString::number(int(KalibratieVoor(QString::fromLatin1(model), eenheid, true))) +
               QLatin1Char('|') + OKWaarschuwing(module(), 1).left(12) + QLatin1Char('|') +
               QString::number(KalibratieKnopAan(1, 1, 1, false));
        return uit;
    }
};

struct Geval {
    const char* model;
    const char* eenheid;
};

constexpr Geval Gevallen[] = {
    {"K761", "mV"},   {"K761", "pH"},  {"K761", "g/l"},  {"K761", "mg/l"}, {"K761", "%"},  {"K761", "°C"},
    {"K761", "S/cm"}, {"K761", "ppm"}, {"K762", "S/cm"}, {"K762", "g/l"},  {"K762", "°C"}, {"K762", "mV"},
    {"K762", "ppm"},  {"----", "mV"},  {"----", "g/l"},  {"----", "S/cm"}, {"----", "°C"},
};

TEST_F(ModeleenhedenTest, EveryUnitOfEveryModelKeepsWhatEachPartOfTheProgramMakesOfIt) {
    QStringList regels;
    for (const char* model : {"K761", "K762", "----"})
        regels << QStringLiteral("%1 lists %2").arg(QString::fromLatin1(model), Lijsten(model));
    for (const Geval& g : Gevallen) {
        const QString e = QString::fromUtf8(g.eenheid);
        const QString kop = QString::fromLatin1(g.model) + QLatin1Char(' ') + e;
        regels << kop + QStringLiteral(" glp ") + GLP(g.model, e);
        regels << kop + QStringLiteral(" check ") + Controle(g.model, e);
        regels << kop + QStringLiteral(" graph ") + Grafiek(g.model, e);
        regels << kop + QStringLiteral(" cal ") + Kalibratie(g.model, e);
        regels << kop + QStringLiteral(" texts ") + Teksten(g.model, e);
    }
    // The file holds what the program made of them when units were told apart by their texts.
    QFile verwacht(QStringLiteral(K740_SHELL_GOLDEN "/modeleenheden.txt"));
    ASSERT_TRUE(verwacht.open(QIODevice::ReadOnly));
    const QStringList vast =
        QString::fromUtf8(verwacht.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(regels.size(), vast.size());
    for (qsizetype i = 0; i < regels.size(); ++i)
        EXPECT_EQ(regels[i], vast[i]);
}

} // namespace
