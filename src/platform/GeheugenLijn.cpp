#include "platform/GeheugenLijn.h"

#include "platform/Klok.h"

namespace platform {

struct GeheugenLijn::Staat {
    bool open = false;
    bool dtr = false;
    bool rts = false;
    bool verloren = false;
    QString openFout;
    QString fout;
    QByteArray invoer;
    QByteArray verzonden;
};

GeheugenLijn::GeheugenLijn() : d(std::make_shared<Staat>()) {}
GeheugenLijn::~GeheugenLijn() = default;

bool GeheugenLijn::open() {
    if (d->open) return true;
    if (!d->openFout.isEmpty()) {
        d->fout = d->openFout;
        return false;
    }
    d->fout.clear();
    d->verloren = false;
    d->open = true;
    d->invoer.clear();
    zetDTR(false);
    zetRTS(false);
    return true;
}

void GeheugenLijn::sluit() {
    if (d->open && d->dtr) zetDTR(false);
    d->open = false;
    d->invoer.clear();
}

bool GeheugenLijn::isOpen() const {
    return d->open;
}
QString GeheugenLijn::foutmelding() const {
    return d->fout;
}
bool GeheugenLijn::verloren() const {
    return d->verloren;
}

void GeheugenLijn::zetDTR(bool aan) {
    const bool wissel = d->dtr != aan;
    d->dtr = aan;
    if (wissel && d->open && bijDTR) bijDTR(aan);
}

bool GeheugenLijn::dtr() const {
    return d->dtr;
}
void GeheugenLijn::zetRTS(bool aan) {
    d->rts = aan;
}
bool GeheugenLijn::rts() const {
    return d->rts;
}

int GeheugenLijn::aantalWachtend() {
    return d->open ? static_cast<int>(d->invoer.size()) : 0;
}

QByteArray GeheugenLijn::lees(int aantal) {
    if (!d->open || aantal <= 0) return {};
    QByteArray uit = d->invoer.left(aantal);
    d->invoer.remove(0, uit.size());
    return uit;
}

void GeheugenLijn::schrijf(const QByteArray& bytes) {
    if (!d->open || bytes.isEmpty()) return;
    d->verzonden.append(bytes);
    if (bijSchrijven) bijSchrijven(bytes);
}

void GeheugenLijn::wisBuffers() {
    d->invoer.clear();
}

void GeheugenLijn::lever(const QByteArray& bytes, qint64 naMs) {
    std::weak_ptr<Staat> staat = d;
    klok().planIn(naMs, [staat, bytes] {
        if (auto s = staat.lock(); s && s->open) s->invoer.append(bytes);
    });
}

QByteArray GeheugenLijn::verzonden() const {
    return d->verzonden;
}
void GeheugenLijn::wisVerzonden() {
    d->verzonden.clear();
}
void GeheugenLijn::zetOpenFout(const QString& reden) {
    d->openFout = reden;
}
void GeheugenLijn::verlies(const QString& reden) {
    if (!d->open) return;
    d->fout = reden;
    d->verloren = true;
    d->open = false;
    d->dtr = false;
    d->invoer.clear();
}

} // namespace platform
