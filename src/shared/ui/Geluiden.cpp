#include "shared/ui/Geluiden.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QUrl>

#if __has_include(<QSoundEffect>)
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#define K740_GELUID 1
#endif

// The sounds live in a static library: its resources must be registered before first use.
static void laadGeluidBronnen() {
    static const bool klaar = [] {
        Q_INIT_RESOURCE(Geluiden);
        return true;
    }();
    (void)klaar;
}

namespace {
#ifdef K740_GELUID
// True when there is a device to play on. Asking may make the audio back end complain that there is no
// sound server; without a device the program stays silent, so that complaint is not shown.
bool heeftAudio() {
    const QtMessageHandler vorige =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool er = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(vorige);
    return er;
}
#endif

GeluidSpeler* speler = nullptr;
} // namespace

void GeluidSpeler::Speel(int nummer) {
#ifdef K740_GELUID
    const QString bron = LaadGeluid(nummer);
    auto* app = QCoreApplication::instance();
    if (bron.isEmpty() || !app || !heeftAudio()) return;
    // One player for the whole program, owned by the application object.
    static QPointer<QSoundEffect> effect;
    if (!effect) effect = new QSoundEffect(app);
    effect->setSource(QUrl(QStringLiteral("qrc") + bron));
    effect->play();
#else
    (void)nummer;
#endif
}

QString LaadGeluid(int nummer) {
    laadGeluidBronnen();
    const char* naam = nullptr;
    switch (nummer) {
    case 104:
        naam = ":/sounds/critical.wav";
        break;
    case 105:
    case 108:
        naam = ":/sounds/exclamation.wav";
        break;
    case 106:
    case 107:
        naam = ":/sounds/information.wav";
        break;
    default:
        return QString();
    }
    const QString pad = QString::fromLatin1(naam);
    return QFile::exists(pad) ? pad : QString();
}

void SpeelGeluid(int nummer) {
    geluidSpeler().Speel(nummer);
}

void ZetGeluidSpeler(GeluidSpeler* s) {
    speler = s;
}
GeluidSpeler& geluidSpeler() {
    static GeluidSpeler echt;
    return speler ? *speler : echt;
}
