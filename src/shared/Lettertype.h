#pragma once
// A font as the program stores, shows and prints it: its name, size and effects and its colour.
#include <QString>
#include <cstdint>

// A font with its effects and its colour (red + 256 x green + 65536 x blue).
struct Lettertype {
    QString naam;
    double grootte = 8.25;
    bool vet = false;
    bool cursief = false;
    bool onderstreept = false;
    bool doorgehaald = false;
    int32_t kleur = 0;
    bool operator==(const Lettertype&) const = default;
};
