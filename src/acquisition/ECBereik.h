#pragma once
// The measuring range of an input of a K762 (conductivity) module: command 30 sets it, the module's
// status reply confirms it (its range bytes land in the input's Resolution).
#include <cstdint>

// The range indexes of a K762 input are 0..HoogsteECBereik.
inline constexpr uint8_t HoogsteECBereik = 3;

// Sends command 30 once: input index 0..3 (inputs 1..4) and range index 0..3. No wait.
void ZendECBereik(int rack, int module, uint8_t ingang, uint8_t bereik);
// Sets the range and reads the status until the module reports it for that input; then the terminal
// shows "CH<n>EC Range set = <range>" and the result is true. Ends without it on Afbreken and at once in
// simulation; with the port closed, or when the module has not confirmed after a bounded number of
// tries, the user is told that the module does not respond.
bool ZetECBereik(int rack, int module, uint8_t ingang, uint8_t bereik);
