#pragma once
// The message sounds 104 to 108, stored inside the program (PCM WAVE, 2 channels, 22050 Hz, 16 bit):
// 104 critical, 105 exclamation, 106 information, 107 question (the data of 106), 108 no icon (the
// data of 105). They play straight from the program's resources; no file is written.
#include <QString>
#include <functional>

// The resource path of sound `nummer` (":/sounds/..."), or "" for a number that is no sound.
QString LaadGeluid(int nummer);

// Starts playing sound `nummer` and returns at once. Silent, without an error, when there is no audio
// device or the number is no sound.
void SpeelGeluid(int nummer);

// Puts another player in place of the real one (nullptr: the real one again); tests record the sounds.
using GeluidSpeler = std::function<void(int nummer)>;
void ZetGeluidSpeler(GeluidSpeler speler);
