#pragma once
// The module indicators of the rack windows: green while a module is polled or edited, dark green when
// it answers, red when the poll supervision gave it up and no reply came since, grey with measuring off.
#include <cstdint>

// A reply carrying this identification number arrived: its module's count of give-ups returns to 0.
void MarkeerAntwoordOntvangen(int32_t idno);
// The poll supervision gave module (r, m) up: one more in its count (which stops at 32767).
void VerhoogGeenAntwoordTeller(int r, int m);
// Colours the indicators of every shown rack window, module (r0, m0) being the current one: a module
// that does not answer turns red; the current one otherwise green while `actief`, else dark green;
// the others dark green when `anderenBijwerken`, and otherwise they keep their colour.
void AanpassenRackIndicatoren(int r0, int m0, bool actief, bool anderenBijwerken);
// Colours the indicators of rack r's window for measuring off: red when not answering, else grey.
void VernieuwModulesRackvenster(int r);
