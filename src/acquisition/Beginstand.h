#pragma once
// The start state of the acquisition engine: no rack known, every flag and setting at its default, the
// rack line and its timers gone, no window or file layer registered.
void ResetAcquisitie();
