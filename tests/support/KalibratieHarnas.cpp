#include "KalibratieHarnas.h"

#include "TekstControle.h"
#include "acquisition/Programmastatus.h"
#include "platform/Tekstbestand.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QAbstractButton>
#include <QDir>
#include <QEvent>
#include <QObject>
#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr qint64 VoedInterval = 50;

int16_t Tiende(float w) {
    return static_cast<int16_t>(std::lround(w * 10.0f));
}
} // namespace

// What outlives the harness in the clock's planned actions: they run only while it lives.
struct KalibratieHarnas::Staat : QObject {
    KalibratieHarnas* harnas = nullptr;
    bool draait = false;

    // Finds the calibration dialog when it is shown.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (harnas && draait && e->type() == QEvent::Show)
            if (auto* d = dynamic_cast<KalibratieDialoog*>(o); d && d != harnas->dialoog) harnas->Gevonden(d);
        return false;
    }
};

// The message box: records every box and answers through `antwoord`.
struct KalibratieHarnas::Meldingvenster : MeldingVenster {
    explicit Meldingvenster(KalibratieHarnas& h) : harnas(h) {}
    int Toon(const QString& tekst, int stijl, const QString& titel) override {
        harnas.meldingen.push_back({tekst, stijl, titel});
        return harnas.antwoord ? harnas.antwoord(harnas.meldingen.back()) : StandaardAntwoord(stijl);
    }
    KalibratieHarnas& harnas;
};

KalibratieHarnas::KalibratieHarnas(platform::VirtueleKlok& klok, RackEmulator& emulator, int32_t idno,
                                   int ingang)
    : m_klok(klok), m_emulator(emulator), m_idno(idno), m_ingang(ingang), m_staat(std::make_shared<Staat>()) {
    m_staat->harnas = this;
    if (RackEmulator::Module* m = m_emulator.module(m_idno))
        m->status = static_cast<uint8_t>(m->status | (1u << (m_ingang - 1)));
    ZetLezing(0.0f, 25.0f);
    m_melding = std::make_unique<Meldingvenster>(*this);
    ZetMeldingVenster(m_melding.get());
    qApp->installEventFilter(m_staat.get());
}

KalibratieHarnas::~KalibratieHarnas() {
    qApp->removeEventFilter(m_staat.get());
    m_staat->harnas = nullptr;
    if (&meldingVenster() == m_melding.get()) ZetMeldingVenster(nullptr);
}

qint64 KalibratieHarnas::Tijd() const {
    return m_klok.ms() - m_start;
}

void KalibratieHarnas::ZetLezing(float mV, float graden) {
    ZetScript([mV, graden](qint64) { return Lezing{mV, graden}; });
}

void KalibratieHarnas::ZetScript(std::function<Lezing(qint64)> script) {
    m_script = std::move(script);
    Voed();
}

void KalibratieHarnas::Voed() {
    RackEmulator::Module* m = m_emulator.module(m_idno);
    if (!m || !m_script) return;
    const Lezing l = m_script(Tijd());
    m->adc[m_ingang - 1] = Tiende(l.mV);
    m->temperatuurAdc[m_ingang - 1] = Tiende(l.graden);
}

void KalibratieHarnas::Bij(int toestand, std::function<void(KalibratieDialoog&)> actie, int keer) {
    m_acties[{toestand, keer}] = std::move(actie);
}

void KalibratieHarnas::Na(qint64 ms, std::function<void()> actie) {
    std::weak_ptr<Staat> staat = m_staat;
    m_klok.planIn(ms, [staat, actie = std::move(actie)] {
        if (auto s = staat.lock(); s && s->harnas) actie();
    });
}

void KalibratieHarnas::Gevonden(KalibratieDialoog* d) {
    dialoog = d;
    QObject::connect(d, &KalibratieDialoog::toestandGewijzigd, m_staat.get(),
                     [this](int toestand) { Binnengekomen(toestand); });
    QObject::connect(d, &QObject::destroyed, m_staat.get(), [this] { dialoog = nullptr; });
    // The state it was shown in counts as entered.
    Binnengekomen(d->Toestand());
}

void KalibratieHarnas::Binnengekomen(int toestand) {
    toestanden.push_back(toestand);
    const int keer = ++m_keren[toestand];
    const auto a = m_acties.find({toestand, keer});
    if (a == m_acties.end()) return;
    auto actie = a->second;
    Na(0, [this, actie] {
        if (dialoog && !dialoog->IsGesloten()) actie(*dialoog);
    });
}

void KalibratieHarnas::Draai(std::function<void()> open, qint64 grensMs) {
    m_start = m_klok.ms();
    m_staat->draait = true;
    // The readings follow the script in steps of 50 ms of clock time.
    std::weak_ptr<Staat> staat = m_staat;
    auto voeding = std::make_shared<std::function<void()>>();
    *voeding = [this, staat, voeding = std::weak_ptr<std::function<void()>>(voeding)] {
        auto s = staat.lock();
        if (!s || !s->harnas || !s->draait) return;
        Voed();
        if (auto v = voeding.lock()) m_klok.planIn(VoedInterval, *v);
    };
    (*voeding)();
    auto verlopen = std::make_shared<bool>(false);
    const int ronde = ++m_ronde;
    Na(grensMs, [this, verlopen, ronde] {
        if (ronde != m_ronde || !m_staat->draait || !dialoog || dialoog->IsGesloten()) return;
        *verlopen = true;
        dialoog->close();
    });
    open();
    m_staat->draait = false;
    dialoog = nullptr;
    EXPECT_FALSE(*verlopen) << "the dialog was still open after " << grensMs << " ms of clock time";
}

void Klik(QWidget& venster, const char* knop) {
    auto* k = venster.findChild<QAbstractButton*>(QString::fromLatin1(knop));
    ASSERT_NE(k, nullptr) << knop;
    ASSERT_TRUE(k->isEnabled()) << knop << " is disabled";
    k->click();
}

void KalibratieOmgeving::SetUp() {
    RacklijnOmgeving::SetUp();
    PlaatsRack(emulator, 1, RackIdno(0, 0, 1), {{m_positie, m_idno}});
    MapBibliotheek = tijdelijkeMap() + QStringLiteral("/Library");
    MapKalibratie = tijdelijkeMap() + QStringLiteral("/Calibration");
    QDir().mkpath(MapBibliotheek);
    QDir().mkpath(MapKalibratie);
    NieuwHarnas();
}

void KalibratieOmgeving::TearDown() {
    harnas.reset();
    RacklijnOmgeving::TearDown();
}

void KalibratieOmgeving::NieuwHarnas() {
    harnas.reset();
    harnas = std::make_unique<KalibratieHarnas>(klok(), emulator, m_idno, m_ingang);
}

QString KalibratieOmgeving::CalPad() const {
    return KalibratieBestandsnaam(1, m_positie, MapKalibratie, QStringLiteral(".cal"));
}

KalibratieRecord KalibratieOmgeving::KalibratieVan(int generatie, int ingang, int soort, int soorten) const {
    QByteArray inhoud;
    platform::LeesBestand(CalPad(), inhoud);
    return LeesKalibratieRecord(inhoud, KalibratieRecordNummer(generatie, ingang, soort, soorten));
}

int KalibratieOmgeving::Resets() {
    return emulator.module(m_idno)->aantalResets;
}

void KalibratieOmgeving::InElkeTaal(const std::function<void(const QString& taal)>& stappen) {
    const QStringList talen{"en", "fr", "nl"};
    for (int taal = 0; taal < talen.size(); ++taal) {
        int t = taal;
        KiesTaal(t);
        HuidigeTaal = taal;
        stappen(talen[taal]);
    }
}

void KalibratieOmgeving::ControleerStap(const QString& naam, const QString& taal, const QString& stap,
                                        QWidget* venster) {
    QWidget* w = venster ? venster : static_cast<QWidget*>(harnas->dialoog);
    ASSERT_NE(w, nullptr) << stap.toStdString();
    QCoreApplication::processEvents();
    ControleerVensterteksten(*w, taal.toStdString() + " " + stap.toStdString());
    const QString map = qEnvironmentVariable("K740_SCREENSHOTS");
    if (map.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(map));
    EXPECT_TRUE(w->grab().save(QDir(map).filePath(QStringLiteral("%1-%2-%3.png").arg(naam, taal, stap))));
}

QStringList KalibratieOmgeving::Meldingen() const {
    QStringList m;
    for (const auto& x : harnas->meldingen)
        m << x.tekst;
    return m;
}
