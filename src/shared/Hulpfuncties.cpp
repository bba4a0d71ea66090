#include "shared/Hulpfuncties.h"

#include "platform/Tekstbestand.h"
#include "shared/Algemeen.h"
#include "shared/Melding.h"
#include "shared/Teksten.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace {

// A move that cannot go on: the files stay in the old folder, told with the file refused and the
// system's reason.
void MeldVerhuizing(const QString& oud, const QString& bestand) {
    ToonMelding(VervangHekje(Tekst[494], QDir::toNativeSeparators(oud)) + QStringLiteral("\r\n\r\n") +
                    SchrijffoutTekst(bestand),
                vbExclamation, bestand);
}

} // namespace

bool KopieerMap(const QString& oud, const QString& nieuw, const QStringList& patronen) {
    const QDir bron(oud);
    const QDir doel(nieuw);
    if (QDir::cleanPath(bron.absolutePath()) == QDir::cleanPath(doel.absolutePath())) return true;
    const QStringList namen = bron.entryList(patronen, QDir::Files | QDir::Hidden);
    // Every question first: Cancel stops before anything is moved.
    bool alle = false;
    QList<bool> bestond;
    for (const QString& naam : namen) {
        const QString naar = doel.filePath(naam);
        bestond << QFileInfo::exists(naar);
        if (bestond.back() && !alle) {
            const int a = ToonStandaardMelding(Tekst[480], vbYesNoCancel | vbExclamation, naar);
            if (a == vbCancel) return false;
            if (a == vbYes) alle = true;
        }
    }
    // Every file is copied under a temporary name beside its target; only when all are whole do they take
    // their names, and only then do the sources go. A refusal on the way leaves the old folder whole.
    QStringList kopieen;
    const auto ruimOp = [&] {
        for (const QString& k : kopieen)
            QFile::remove(k);
    };
    for (const QString& naam : namen) {
        const QString kopie = platform::TijdelijkeNaam(doel.filePath(naam));
        if (!platform::KopieerBestand(bron.filePath(naam), kopie)) {
            // The copy is told by the name it was to have.
            const QString fout = platform::LaatsteSchrijffoutPad();
            MeldVerhuizing(oud, fout == kopie ? doel.filePath(naam) : fout);
            ruimOp();
            return false;
        }
        kopieen << kopie;
    }
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (!platform::HernoemBestand(kopieen[i], doel.filePath(namen[i]))) {
            MeldVerhuizing(oud, doel.filePath(namen[i]));
            // The copies that took their names already go too, save one that replaced a file the user
            // agreed to overwrite: that file is gone, and the copy is the nearer to it.
            for (qsizetype j = 0; j < i; ++j)
                if (!bestond[j]) QFile::remove(doel.filePath(namen[j]));
            ruimOp();
            return false;
        }
    }
    // The new folder holds every file: a source that cannot be removed is told and stays as a spare.
    for (const QString& naam : namen)
        if (!platform::VerwijderBestand(bron.filePath(naam)))
            ToonMelding(SchrijffoutTekst(bron.filePath(naam)), vbExclamation, bron.filePath(naam));
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
