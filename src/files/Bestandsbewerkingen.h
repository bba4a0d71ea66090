#pragma once
// The file operations with which the measurement file and its working copy are replaced: copy,
// rename and delete. Each one either happens whole or not at all, so that a crash or a full disk
// between two of them never leaves a half file under a name the program reads. Tests put their own
// operations in place to make any one of them fail.
#include <QString>

class Bestandsbewerkingen {
public:
    virtual ~Bestandsbewerkingen() = default;
    // Copies `van` to `naar`: the bytes go to a temporary file beside `naar`, are flushed to the disk
    // and only then take the name `naar`, replacing a file of that name in one step. False (and `naar`
    // untouched) when anything fails.
    virtual bool Kopieer(const QString& van, const QString& naar);
    // Gives `van` the name `naar` in one step; a file `naar` is replaced, never removed first.
    virtual bool Hernoem(const QString& van, const QString& naar);
    // Deletes the file; true also when there was none.
    virtual bool Verwijder(const QString& pad);
};

// The operations in use: the registered ones, else the real ones above.
Bestandsbewerkingen& bestandsbewerkingen();
// Registers operations (nullptr: the real ones again). The caller keeps them alive meanwhile.
void ZetBestandsbewerkingen(Bestandsbewerkingen* bewerkingen);

// Flushes an open file's bytes to the disk. False when that fails.
bool NaarSchijf(int bestandsdescriptor);
