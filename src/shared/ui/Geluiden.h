#pragma once
// The message sounds 104 to 108, stored inside the program (PCM WAVE, 2 channels, 22050 Hz, 16 bit):
// 104 critical, 105 exclamation, 106 information, 107 question (the data of 106), 108 no icon (the
// data of 105). They play straight from the program's resources; no file is written.
#include <QString>

// The resource path of sound `nummer` (":/sounds/..."), or "" for a number that is no sound.
QString LaadGeluid(int nummer);

// Starts playing sound `nummer` and returns at once (through the registered player).
void SpeelGeluid(int nummer);

// The player. The class's own is the real one: it plays on the audio device and is silent, without an
// error, when there is no device or the number is no sound. Tests register one that records the sounds.
class GeluidSpeler {
public:
    virtual ~GeluidSpeler() = default;
    virtual void Speel(int nummer);
};
// Registers a player (nullptr: the real one again).
void ZetGeluidSpeler(GeluidSpeler* speler);
GeluidSpeler& geluidSpeler();
