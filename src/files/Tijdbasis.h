#pragma once
// The time of a table row: the tables show it as clock time (the locale's short date and long time)
// or, while RelatieveTijd is set and TijdBasis is not 0, relative to TijdBasis as a signed day count
// and a signed "hh:mm:ss". The two time cells are the only place where a table keeps a row's time, so
// the edits that must find a row's file line work the time back out of them.
#include "platform/Datum.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string_view>
#include <vector>

// The locale's time separator, found once at start-up for the settings dialogs.
extern QString TijdScheiding;

// The separator between hours and minutes of the locale's time format.
QString TijdScheidingsteken();

// The date and time cells (grid columns 1 and 2) of a row with time `tijd`, in the form the time base
// asks for now.
struct TijdCellen {
    QString kolom1;
    QString kolom2;
};
TijdCellen TijdCellenVan(platform::Datum tijd);

// The time cells of many rows in a row (a file being loaded), the same texts as TijdCellenVan gives
// without the locale's full date and time formatting for every row: the date text is kept while the
// day stays the same, and a long time of plain hours, minutes and seconds is written from its digits.
// The locale's patterns are read when it is made, so it serves one run.
class TijdcelOpmaak {
public:
    TijdcelOpmaak();
    // Valid until the next call.
    const TijdCellen& Cellen(platform::Datum tijd);

private:
    struct Deel {
        char16_t soort; // 'H', 'm', 's', or 0 for a literal text
        QString letterlijk;
        bool tweeCijfers;
    };

    QString m_datumPatroon;
    QString m_tijdPatroon;
    std::vector<Deel> m_delen;
    bool m_snel = false;
    bool m_heeftDag = false;
    QDate m_dag;
    bool m_heeftTijd = false;
    platform::Datum m_tijd = 0;
    TijdCellen m_cellen;
};

// The time of row rij of module `module`'s grid in the rack's table window (made when missing; 0
// without a window), read from the cells in the form TijdCellenVan writes them now.
platform::Datum TijdVanRij(int16_t rack, int16_t module, int32_t rij);
// The same from the relative form: TijdBasis plus the days of column 1 and the signed hours, minutes
// and seconds of column 2.
platform::Datum TijdUitRelatief(int16_t rack, int16_t module, int32_t rij);
// Row rij of module `module`'s grid in the rack's table keeps no time: its date and time cells are empty
// (a deleted row, the empty row below the newest; also without a window). Such a row has no line.
bool ZonderTijd(int16_t rack, int16_t module, int32_t rij);
// The same for a row's date and time cells themselves, as texts or as the UTF-8 bytes a table window
// gives: both hold nothing but white space.
bool ZonderTijd(QStringView datum, QStringView tijd);
bool ZonderTijd(std::string_view datum, std::string_view tijd);
// Whole seconds since the zero date, the fraction of a second dropped as the time cells drop it.
qint64 HeleSeconden(platform::Datum d);

void ResetTijdbasis();
