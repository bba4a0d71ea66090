#pragma once
// The start state of the platform layer. The clock, the settings store's folder and the documents
// folder are what the program runs on: whoever starts it sets them (the tests set their own), and a
// reset keeps them.
namespace platform {

// Gives up the single-instance lock; no function follows the steps of a safe write.
void ResetPlatform();

} // namespace platform
