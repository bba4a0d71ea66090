#include "calibration/Buffertabellen.h"

#include "platform/Tekstbestand.h"
#include "shared/Getallen.h"

#include <initializer_list>

namespace {

constexpr float PuntAfstand = 5.0f;

Buffer Ingebouwd(const char* naam, float ondergrens, std::initializer_list<float> ph) {
    Buffer b;
    b.Naam = QString::fromLatin1(naam);
    int k = 0;
    for (float w : ph) {
        b.Tabel.Temperatuur[k] = ondergrens + PuntAfstand * static_cast<float>(k);
        b.Tabel.PH[k] = w;
        ++k;
    }
    b.Tabel.Aantal = k;
    b.Tabel.Ondergrens = b.Tabel.Temperatuur[0];
    b.Tabel.Bovengrens = b.Tabel.Temperatuur[k - 1];
    return b;
}

const QChar Aanhalingsteken(u'"');

bool IsNaamregel(const QString& regel) {
    return regel.startsWith(Aanhalingsteken) && regel.endsWith(Aanhalingsteken);
}

QString NaamVan(const QString& regel) {
    QString naam = regel;
    naam.remove(Aanhalingsteken);
    return naam.trimmed();
}

// The points of one buffer from line `i` on; `i` is left on the line that ended them.
BufferTabel LeesPunten(const QStringList& regels, qsizetype& i) {
    BufferTabel t;
    for (; i < regels.size() && t.Aantal < MaxBufferPunten; ++i) {
        const QString& regel = regels[i];
        if (regel.isEmpty() || regel.startsWith(Aanhalingsteken)) break;
        const qsizetype scheiding = regel.indexOf(QLatin1Char(';'));
        const float temperatuur = scheiding < 0 ? 0.0f : TekstNaarSingle(regel.left(scheiding));
        const float ph = TekstNaarSingle(scheiding < 0 ? regel : regel.mid(scheiding + 1));
        // A point no pH electrode or temperature sensor can give is no point of the table.
        if (!(ph >= MinBufferPH && ph <= MaxBufferPH) ||
            !(temperatuur >= MinBufferTemperatuur && temperatuur <= MaxBufferTemperatuur))
            continue;
        if (t.Aantal > 0 && !(temperatuur - t.Temperatuur[t.Aantal - 1] >= 1.0f)) continue;
        t.Temperatuur[t.Aantal] = temperatuur;
        t.PH[t.Aantal] = ph;
        ++t.Aantal;
    }
    if (t.Aantal >= 2) {
        t.Ondergrens = t.Temperatuur[0];
        t.Bovengrens = t.Temperatuur[t.Aantal - 1];
    }
    return t;
}

} // namespace

const std::array<Buffer, AantalIngebouwdeBuffers>& IngebouwdeBuffers() {
    static const std::array<Buffer, AantalIngebouwdeBuffers> buffers{
        Ingebouwd("1.68", 0,
                  {1.666f, 1.668f, 1.670f, 1.672f, 1.675f, 1.679f, 1.683f, 1.688f, 1.694f, 1.700f, 1.707f,
                   1.715f, 1.723f, 1.733f, 1.743f, 1.754f, 1.766f}),
        Ingebouwd("4.00", 5,
                  {3.99f, 3.99f, 3.99f, 3.99f, 4.00f, 4.01f, 4.02f, 4.03f, 4.04f, 4.05f, 4.07f, 4.09f}),
        Ingebouwd("4.01", 0,
                  {4.003f, 3.999f, 3.998f, 3.999f, 4.002f, 4.008f, 4.015f, 4.025f, 4.035f, 4.047f, 4.060f,
                   4.075f, 4.091f, 4.108f, 4.126f, 4.145f, 4.164f}),
        Ingebouwd("6.87", 0,
                  {6.984f, 6.951f, 6.923f, 6.900f, 6.881f, 6.865f, 6.853f, 6.844f, 6.838f, 6.835f, 6.833f,
                   6.834f, 6.836f, 6.840f, 6.845f, 6.852f, 6.859f}),
        Ingebouwd("7.00", 5,
                  {7.08f, 7.06f, 7.035f, 7.01f, 7.00f, 6.99f, 6.985f, 6.98f, 6.975f, 6.97f, 6.975f, 6.98f}),
        Ingebouwd("9.18", 0,
                  {9.464f, 9.395f, 9.332f, 9.276f, 9.225f, 9.180f, 9.139f, 9.102f, 9.068f, 9.039f, 9.011f,
                   8.986f, 8.962f, 8.941f, 8.921f, 8.902f, 8.885f}),
        Ingebouwd("9.21", 0, {9.52f, 9.45f, 9.38f, 9.32f,  9.26f, 9.21f,  9.16f, 9.11f, 9.06f, 9.03f,
                              8.99f, 8.96f, 8.93f, 8.905f, 8.88f, 8.855f, 8.83f, 8.81f, 8.79f, 8.77f}),
        Ingebouwd("10.01", 5,
                  {10.24f, 10.18f, 10.12f, 10.06f, 10.01f, 9.97f, 9.93f, 9.89f, 9.86f, 9.83f, 9.81f, 9.79f}),
        Ingebouwd("12.45", 0,
                  {13.423f, 13.207f, 13.003f, 12.810f, 12.627f, 12.454f, 12.289f, 12.134f, 11.984f, 11.842f,
                   11.705f, 11.575f, 11.449f}),
    };
    return buffers;
}

bool LeesStandaardTabel(const QString& naam, BufferTabel& tabel) {
    const QString gezocht = naam.trimmed();
    for (const Buffer& b : IngebouwdeBuffers())
        if (b.Naam == gezocht) {
            tabel = b.Tabel;
            return true;
        }
    return false;
}

std::vector<Buffer> LeesBufferBestand(const QString& tekst) {
    QStringList regels = platform::SplitsRegels(tekst);
    for (QString& regel : regels)
        regel = regel.trimmed();
    std::vector<Buffer> buffers;
    qsizetype i = 0;
    while (i < regels.size()) {
        const QString& regel = regels[i];
        ++i;
        if (!IsNaamregel(regel)) continue;
        Buffer b;
        b.Naam = NaamVan(regel);
        b.Tabel = LeesPunten(regels, i);
        if (!b.Naam.isEmpty()) buffers.push_back(b);
    }
    return buffers;
}

QStringList BufferNamen(const std::vector<Buffer>& buffers) {
    QStringList namen;
    for (const Buffer& b : buffers)
        namen << b.Naam;
    return namen;
}

BufferTabel TabelVanBuffer(const QString& naam, const std::vector<Buffer>& bestand) {
    const QString gezocht = naam.trimmed();
    for (const Buffer& b : bestand)
        if (b.Naam == gezocht) return b.Tabel;
    BufferTabel tabel;
    LeesStandaardTabel(gezocht, tabel);
    return tabel;
}

bool IsGeldigeBuffer(const BufferTabel& tabel) {
    return tabel.Ondergrens < BufferReferentieTemperatuur && tabel.Bovengrens > BufferReferentieTemperatuur;
}

bool InBufferBereik(const BufferTabel& tabel, float T) {
    return T >= tabel.Ondergrens && T <= tabel.Bovengrens;
}

float BufferWaardeBijTemperatuur(const BufferTabel& tabel, float T) {
    if (!InBufferBereik(tabel, T)) return 0.0f;
    for (int i = 0; i + 1 < tabel.Aantal; ++i) {
        const double t1 = tabel.Temperatuur[i];
        const double t2 = tabel.Temperatuur[i + 1];
        if (t1 <= T && t2 >= T) {
            const double ph1 = tabel.PH[i];
            const double ph2 = tabel.PH[i + 1];
            return static_cast<float>(ph1 + (T - t1) * (ph2 - ph1) / (t2 - t1));
        }
    }
    return 0.0f;
}
