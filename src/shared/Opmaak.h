#pragma once
// Numbers for display as the runtime's Format wrote them with a number pattern: "0", "0.0", "0.00",
// "#0.0" and the like ("0" a digit always shown, "#" a digit shown when needed), halves rounded away
// from zero, the locale's decimal sign, no group separators; "" is the general format. A single is
// first taken to its 7 significant digits, a double to 15, so that 2.675 shows as 2.68 whichever type
// holds it. A value that rounds to zero shows without a minus sign. A value that is no finite number
// (infinity, NaN) is never shown as one: its text is empty.
#include <QString>

QString Opmaak(double waarde, const QString& patroon);
QString OpmaakSingle(float waarde, const QString& patroon);
