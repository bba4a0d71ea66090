#pragma once
// One row of the production database, as the view VIEW_AFREGELING gives it. Only the number of the
// device's adjustment record can be changed and written back.
#include "factory/DatabaseFunctions.h"

#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>

// The positions of the view's columns in a row of a query (the order of the common select).
enum ProductieKolom : int {
    KolomID = 0,
    KolomSERIALNBR = 1,
    KolomOBJECTID = 2,
    KolomNAME = 3,
    KolomOLDOBJECTNAME = 4,
    KolomPLANWEEK = 5,
    KolomPLANYEAR = 6,
    KolomCODE = 7,
    KolomPLANNINGSDATE = 8,
    KolomPRODUCTIONDATE = 9,
    KolomENDCONTROLEDATE = 10,
    KolomDELIVERYDATE = 11,
    KolomINVOICEID = 12,
    KolomCONTACTID = 13,
    KolomAFREGELINGID = 14,
    KolomPLANNINGSNBR = 15,
    KolomCREATIONDATE = 16,
    KolomLASTMODIFICATIONDATE = 17,
    KolomMODIFICATIONUSER = 18,
    AantalProductieKolommen = 19
};

// The highest record number that the production database accepts as a device's adjustment record.
inline constexpr int32_t HoogsteRecordAfregeling = 199999;

class ProductionItem {
public:
    int32_t ID() const { return m_id; }
    int32_t SerieNbr() const { return m_serieNbr; }
    // The device type, 12 characters padded with blanks.
    const QString& Toestel() const { return m_toestel; }
    // The planned week and the last two digits of its year, 4 characters ("2316", "716 ").
    const QString& Week() const { return m_week; }
    // The first character of the code, a blank when there is none.
    const QString& Kode() const { return m_kode; }
    // Dates as the number whose digits read "DDMMYY" (5 March 2016 is 50316); 0 when there is none.
    float PlanningDatum() const { return m_planningDatum; }
    float ProduktieDatum() const { return m_produktieDatum; }
    // The production date as "DD/MM/YY" with the locale's date separator; "" when there is none.
    const QString& ProduktieWeergaveDatum() const { return m_produktieWeergaveDatum; }
    float LeverDatum() const { return m_leverDatum; }
    float ControleDatum() const { return m_controleDatum; }
    int16_t FaktuurNummer() const { return m_faktuurNummer; }
    int32_t RecordKlant() const { return m_recordKlant; }
    // The number (from 1) of the device's record in the adjustment record file; 0 when none.
    int32_t RecordAfregeling() const { return m_recordAfregeling; }
    void ZetRecordAfregeling(int32_t nummer) { m_recordAfregeling = nummer; }

    // Fills the item from one row of the view (its 19 values by position). An empty row changes
    // nothing. An ID or serial that is null or no whole 32-bit number, or a value that cannot be read
    // as its column's kind, is a failure; the item is then partly filled.
    std::optional<LoopFout> ArrayToProductionItem(const QVariantList& rij);
    // Writes RecordAfregeling into column AFREGELINGID of the item's row. A number outside
    // 1..199999 is refused with a message and nothing is written. 1 when the row was written, else 0.
    int16_t Update(const QString& pad);

private:
    QString MaakUpdateSql(const QString& veld) const;
    bool ControleerRecordAfregeling() const;

    int32_t m_id = 0;
    int32_t m_serieNbr = 0;
    QString m_toestel = QString(12, QLatin1Char(' '));
    QString m_week;
    QString m_kode;
    float m_planningDatum = 0;
    float m_produktieDatum = 0;
    QString m_produktieWeergaveDatum;
    float m_leverDatum = 0;
    float m_controleDatum = 0;
    int16_t m_faktuurNummer = 0;
    int32_t m_recordKlant = 0;
    int32_t m_recordAfregeling = 0;
};
