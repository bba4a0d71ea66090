#include "files/CsvVelden.h"

#include "files/Logbestanden.h"
#include "files/Meetbestand.h"
#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Hulpfuncties.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

QString TekstAfbakening = QStringLiteral("\"");

namespace {

QStringView Afbakening() {
    return TekstAfbakening.isEmpty() ? QStringView(u"\"") : QStringView(TekstAfbakening);
}

// One qualified field at the front of `rest`. Without any qualifier in `rest` there is no field: false,
// and `rest` becomes empty. Otherwise `inhoud` is the raw text between the opening qualifier and its
// closing one (doubled qualifiers are part of it), `rest` what follows the closing qualifier and
// `voor` what stood before the opening one.
struct RuwVeld {
    QStringView voor;
    QStringView inhoud;
    bool dubbel = false;    // the raw text holds a doubled qualifier
    bool afgesloten = true; // a closing qualifier was found
};

qsizetype Zoek(QStringView tekst, QStringView q, qsizetype vanaf = 0) {
    return q.size() == 1 ? tekst.indexOf(q.front(), vanaf) : tekst.indexOf(q, vanaf);
}

bool NeemRuwVeld(QStringView& rest, QStringView q, RuwVeld& veld) {
    const qsizetype open = Zoek(rest, q);
    if (open < 0) {
        rest = QStringView();
        return false;
    }
    veld.voor = rest.first(open);
    const qsizetype begin = open + q.size();
    qsizetype zoek = begin;
    veld.dubbel = false;
    for (;;) {
        const qsizetype sluit = Zoek(rest, q, zoek);
        if (sluit < 0) {
            veld.inhoud = rest.sliced(begin);
            veld.afgesloten = false;
            rest = QStringView();
            return true;
        }
        const qsizetype na = sluit + q.size();
        if (rest.size() >= na + q.size() && rest.sliced(na, q.size()) == q) {
            veld.dubbel = true;
            zoek = na + q.size();
            continue;
        }
        veld.inhoud = rest.sliced(begin, sluit - begin);
        veld.afgesloten = true;
        rest = rest.sliced(na);
        return true;
    }
}

QString Ontdubbel(const RuwVeld& veld, QStringView q) {
    QString t = veld.inhoud.toString();
    if (veld.dubbel) t.replace(q.toString() + q.toString(), q.toString());
    return t;
}

QString Verdubbel(const QString& tekst, QStringView q) {
    if (!tekst.contains(q)) return tekst;
    QString t = tekst;
    return t.replace(q.toString(), q.toString() + q.toString());
}

} // namespace

VeldEnRest VolgendVeld(const QString& regel, int16_t n) {
    const QStringView q = Afbakening();
    QStringView rest(regel);
    int teller = n == 0 ? -1 : 0;
    QString veld;
    RuwVeld ruw;
    while (!rest.isEmpty() && teller < n) {
        if (!NeemRuwVeld(rest, q, ruw)) break;
        ++teller;
        if (teller == n) veld = Ontdubbel(ruw, q);
    }
    return {teller == n ? veld : QString(), n == 0 ? rest.toString() : regel};
}

QStringList SplitsVelden(QStringView regel, bool* onafgesloten) {
    const QStringView q = Afbakening();
    QStringList velden;
    RuwVeld ruw;
    bool open = false;
    while (!regel.isEmpty() && NeemRuwVeld(regel, q, ruw)) {
        velden.append(Ontdubbel(ruw, q));
        open = !ruw.afgesloten;
    }
    if (onafgesloten) *onafgesloten = open;
    return velden;
}

void VervangVeld(QString& regel, int16_t n, const QString& nieuw) {
    const QStringView q = Afbakening();
    if (n == 0) n = 1;
    QString uit;
    uit.reserve(regel.size() + nieuw.size() + 2);
    QStringView rest(regel);
    int teller = 0;
    RuwVeld ruw;
    while (!rest.isEmpty()) {
        const QStringView voor = rest;
        if (!NeemRuwVeld(rest, q, ruw)) {
            uit += voor;
            break;
        }
        ++teller;
        uit += ruw.voor;
        uit += q;
        if (teller == n)
            uit += Verdubbel(nieuw, q);
        else
            uit += ruw.inhoud;
        uit += q;
    }
    regel = uit;
}

QString TekstNaMarkering(const QString& tekst, const QString& markering) {
    return TekstTussen(tekst, markering);
}

void VoegCsvVeldToe(QString& regel, const QString& tekst, bool laatste, const QString& afbakening) {
    const QStringView q = afbakening.isEmpty() ? Afbakening() : QStringView(afbakening);
    regel += q;
    if (tekst.contains(q))
        regel += Verdubbel(tekst, q);
    else
        regel += tekst;
    regel += q;
    if (laatste)
        regel += u"\r\n";
    else
        regel += u',';
}

QString CsvVeld(const QString& tekst, bool laatste, const QString& afbakening) {
    QString veld;
    VoegCsvVeldToe(veld, tekst, laatste, afbakening);
    return veld;
}

bool VoegToeMetNieuwePoging(const QString& pad, const QByteArray& inhoud) {
    while (!platform::VoegToeAanBestand(pad, inhoud)) {
        if (ToonMelding(SchrijffoutTekst(pad), vbRetryCancel | vbExclamation, Gegevensbestand) != vbRetry)
            return false;
    }
    return true;
}

bool SchrijfVeldNaarBestand(const QString& sjabloon, int16_t rack, int16_t module, int16_t kanaal,
                            const QString& tekst, bool laatste, QString& afbakening) {
    if (afbakening.isEmpty()) afbakening = Afbakening().toString();
    const QString pad = MaakBestandsnaam(sjabloon, rack, module, kanaal);
    return VoegToeMetNieuwePoging(pad, platform::NaarWindows1252(CsvVeld(tekst, laatste, afbakening)));
}

void ResetCsvVelden() {
    TekstAfbakening = QStringLiteral("\"");
}
