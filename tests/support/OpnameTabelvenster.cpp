#include "OpnameTabelvenster.h"

#include "files/Meetbestand.h"
#include "files/Tijdbasis.h"
#include "shared/Getallen.h"
#include "shared/Hulpfuncties.h"

void OpnameTabelvenster::Gewijzigd() {
    static uint64_t teller = 0;
    m_wijziging = ++teller;
}

void OpnameTabelvenster::StelTabelIn(bool InstellenKolomBreedte) {
    instellingen.push_back(InstellenKolomBreedte);
    Gewijzigd();
    for (int m = 1; m <= AantalModules; ++m) {
        if (m_ri < 1 || m_ri > AantalRacks || !Racks[m_ri].Modules[m].Present) continue;
        m_rasters[m].assign(1, Rij{});
        bestandsvelden[m].clear();
        AantalTabelKolommen[m][m_ri] = KolomInfo;
    }
}

void OpnameTabelvenster::VulEnkeleTabelAanUitBestand(int16_t y, Regelvelden& Info) {
    const int32_t r = AantalMetingen;
    QStringList velden;
    for (int i = 0; i < 21; ++i)
        velden.append(Info.VolgendVeld());
    bestandsvelden[y].push_back(velden);

    ZetCelTekst(y, r, KolomNummer, QString::number(r));
    const TijdCellen tijd = TijdCellenVan(TijdMeting);
    ZetCelTekst(y, r, KolomDatum, tijd.kolom1);
    ZetCelTekst(y, r, KolomTijd, tijd.kolom2);
    for (int n = 1; n <= AantalIngangen; ++n) {
        const int16_t c = static_cast<int16_t>(KolomVanKanaal(n));
        const int v = (n - 1) * 5;
        const uint8_t flags = TekstNaarByte(velden.at(v));
        ZetCelTekst(y, r, c, BitGezet(flags, 3) ? QStringLiteral("OR.") : velden.at(v + 1));
        ZetCelTekst(y, r, c + 1, velden.at(v + 2));
        ZetCelTekst(y, r, c + 2, BitGezet(flags, 12) ? QStringLiteral("OR.") : velden.at(v + 3));
        ZetCelTekst(y, r, c + 3, velden.at(v + 4));
    }
    ZetCelTekst(y, r, InfoKolom(m_ri, y), velden.at(20));
}

QString OpnameTabelvenster::CelTekst(int16_t m, int32_t rij, int16_t kolom) const {
    if (m < 1 || m > AantalModules || rij < 0 || kolom < 0 || kolom > KolomInfo) return QString();
    const auto& raster = m_rasters[m];
    if (rij >= static_cast<int32_t>(raster.size())) return QString();
    return raster[rij][kolom];
}

void OpnameTabelvenster::ZetCelTekst(int16_t m, int32_t rij, int16_t kolom, const QString& tekst) {
    if (m < 1 || m > AantalModules || rij < 0 || kolom < 0 || kolom > KolomInfo) return;
    auto& raster = m_rasters[m];
    if (rij >= static_cast<int32_t>(raster.size())) raster.resize(rij + 1);
    raster[rij][kolom] = tekst;
    Gewijzigd();
}
