#pragma once
// Record access to the shared adjustment record file, which several processes and workstations read
// and write at once. Everything goes through one open descriptor per process, so that the POSIX record
// locks (fcntl) taken on it hold: they keep other processes out, and closing the descriptor releases
// every lock of this process on the file.
#include "factory/AfregelingRecord.h"

#include <QString>
#include <cstdint>

namespace afregelbestand {

// Opens the file for reading and writing, creating it empty when it is missing. The descriptor, or -1.
int Open(const QString& pad);
void Sluit(int fd);

// Locks record `nummer` (from 1) for reading (shared) or writing (exclusive), or the whole file,
// including what is appended after its end, for writing. A lock that another process holds is tried
// again for a short while; false when it could not be taken.
bool VergrendelRecord(int fd, int32_t nummer, bool schrijven);
bool VergrendelBestand(int fd);
void OntgrendelRecord(int fd, int32_t nummer);
void OntgrendelBestand(int fd);

// The number of whole records (a shorter tail does not count); -1 when the size cannot be read.
int64_t AantalRecords(int fd);
// Reads or writes record `nummer` whole; false when that fails. A written record is flushed to the
// disk before the call returns.
bool LeesRecord(int fd, int32_t nummer, AfregelingRecord& record);
bool SchrijfRecord(int fd, int32_t nummer, const AfregelingRecord& record);

} // namespace afregelbestand
