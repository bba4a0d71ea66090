#pragma once
// The program's own default files, built into it: the library files "buffer.ph" (user pH buffers) and
// "standard.ec" (user conductivity standard), and the calibration files of the simulated rack
// ("Rack1-F-F-F-M1.cal" .. "M7.cal"), so that its inputs show as calibrated.
#include <QString>

// The built-in file of that name (a resource path), or "" when the program has none.
QString IngebouwdStandaardbestand(const QString& naam);
// Puts a default file at `doel` when nothing is there: a copy of `bron` (the program folder's) when that
// exists, else of the built-in file of the same name. An existing target is never replaced, and the copy
// is an ordinary file the user may change. False only when a copy was due and could not be made.
bool KopieerStandaardbestand(const QString& bron, const QString& doel);
