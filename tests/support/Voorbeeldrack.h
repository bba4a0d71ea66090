#pragma once
// A rack as the poll cycle leaves it after one turn, for the window tests, the screenshots and the
// benchmarks: seven modules of both models with names, units, values, temperatures and raw readings,
// one input switched off, one over range, one never calibrated and one module that stopped answering.
#include <QString>

inline constexpr int VoorbeeldModuleStil = 5;

// Fills rack r (registered, measuring, all seven slots present).
void VulVoorbeeldrack(int r);
// Changes every value a little, as the next poll turn would (`stap` counts the turns).
void VolgendeVoorbeeldMeting(int r, int stap);
