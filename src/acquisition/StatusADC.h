#pragma once
// The status and ADC questions of a module: the decoders of their replies, which the communication
// loop calls for asynchronous replies, and the synchronous reads that dialogs use while polling is
// stopped.
#include <QByteArray>
#include <cstdint>

// Synchronous status request. The module's status byte after a valid reply; otherwise `standaard`,
// except that 255 gives 0. A silent module is asked once; a wrong reply (echo, checksum or number)
// up to 4 times in all.
uint8_t LeesStatus(int rack, int module, uint8_t standaard);
// Synchronous reads of the four measuring (LeesADC) or temperature (LeesTemperatuurADC) inputs; up to 4
// requests. Antwoord 1 when fresh values stand in the channel records.
void LeesADC(int rack, int module);
void LeesTemperatuurADC(int rack, int module);

// True when the reply's length byte counts every data byte that its command (the echo) reads: a K762's
// status reply carries its four range bytes too. A shorter reply counts as no reply.
bool IsVolledigAntwoord(const QByteArray& antwoord);

// Status reply of the module that AntwoordIdno names: stores it when echo, checksum and length hold.
void VerwerkStatusAntwoord(const QByteArray& antwoord);
// Stores status byte, led flags, error word and, on a K762, the four range bytes.
void BewaarStatusbytes(int rack, int module, const QByteArray& antwoord);
// ADC replies of the module that AntwoordIdno names; the caller has checked echo and checksum. A reply
// without all four values is not taken.
void VerwerkADCAntwoord(const QByteArray& antwoord);
void VerwerkTemperatuurADCAntwoord(const QByteArray& antwoord);
// The module's pending command is answered.
void CommandoAfgehandeld(int rack, int module);
