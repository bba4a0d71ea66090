#include "shared/Hulpfuncties.h"

#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdlib>

int16_t CheckWaarde(int16_t w) {
    if (w == INT16_MIN) return INT16_MAX;
    return static_cast<int16_t>(std::abs(w));
}

int16_t RoodVanKleur(int32_t kleur) {
    return static_cast<int16_t>(kleur & 0xFF);
}
int16_t GroenVanKleur(int32_t kleur) {
    return static_cast<int16_t>((kleur >> 8) & 0xFF);
}
int16_t BlauwVanKleur(int32_t kleur) {
    return static_cast<int16_t>((kleur >> 16) & 0xFF);
}

void ZetBit(uint8_t& b, uint8_t masker) {
    b = static_cast<uint8_t>(b | masker);
}
void WisBit(uint8_t& b, uint8_t masker) {
    b = static_cast<uint8_t>(b & ~masker);
}

float Log10(float x) {
    return static_cast<float>(std::log(static_cast<double>(x)) / std::log(10.0));
}

void WisselKolommen(QAbstractItemModel& raster, int k1, int k2) {
    for (int r = 0; r < raster.rowCount(); ++r) {
        const QModelIndex a = raster.index(r, k1);
        const QModelIndex b = raster.index(r, k2);
        const QVariant ta = raster.data(a);
        raster.setData(a, raster.data(b));
        raster.setData(b, ta);
    }
}

QString TekstTussen(const QString& tekst, const QString& merkteken) {
    const qsizetype p = merkteken.isEmpty() ? -1 : tekst.indexOf(merkteken);
    if (p < 0) return tekst;
    return tekst.mid(p + merkteken.size());
}

QString VerkortPad(const QString& pad, int& n) {
    if (n < 6) n = 25;
    if (pad.size() <= n) return pad;
    return pad.left(n / 3 - 1) + QStringLiteral("...") + pad.right((2 * n) / 3 - 2);
}

bool KopieerMap(const QString& oud, const QString& nieuw, const QString& patroon) {
    const QDir bron(oud);
    const QDir doel(nieuw);
    if (QDir::cleanPath(bron.absolutePath()) == QDir::cleanPath(doel.absolutePath())) return true;
    bool alle = false;
    const QStringList namen = bron.entryList(QStringList{patroon}, QDir::Files | QDir::Hidden);
    for (const QString& naam : namen) {
        const QString van = bron.filePath(naam);
        const QString naar = doel.filePath(naam);
        if (QFile::exists(naar) && !alle) {
            const int a = ToonMelding(Tekst[480], vbYesNoCancel | vbExclamation, naar);
            if (a == vbCancel) return true;
            if (a == vbYes) alle = true;
        }
        QFile::remove(naar);
        if (!QFile::copy(van, naar) || !QFile::remove(van)) return false;
    }
    return true;
}

QStringView BijgesnedenRand(QStringView t) {
    const auto wit = [](QChar c) {
        const char16_t u = c.unicode();
        return u <= u' ' || u == 0x85 || u == 0xA0 || (u > 0xFF && c.isSpace());
    };
    if (t.isEmpty() || (!wit(t.front()) && !wit(t.back()))) return t;
    return t.trimmed();
}
