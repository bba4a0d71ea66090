#pragma once
// Log-on, identification and registration of racks, and the look-up of a rack or module by its
// identification number.
#include <cstdint>

// Asks every rack on the line to log on (broadcast, no reply awaited here).
void ZendAanmeldVerzoek();
// Handles one log-on reply (echo 5) carrying the rack's number: registers the rack, acknowledges it,
// identifies its modules, sets their defaults, reads its configuration and shows its window. Log-on
// replies of other racks that arrive meanwhile are kept and handled after it, in the order they came.
// A number that is not a rack's (0.0.0.0, F.F.F.F, a module's) registers nothing.
void VerwerkAanmeldAntwoord(int32_t idno);
// Replies to a log-on request are awaited from now on (the request, and a Search before its request
// goes out).
void HoudAanmeldingOpen();
// The replies still to come are lost: the rack line was closed (the settings window closes it).
void BeeindigAanmelding();
// True while replies to the last log-on request may still come: a log-on is being handled, or less than
// the give-up time of a silent module (5 s) has passed since the request and the line stayed open.
bool AanmeldingLoopt();
// Forgets the log-on replies still to be handled and the request still open (with the reset of the
// communication loop).
void WisWachtendeAanmeldingen();
// The slot (1..16) given to the rack, or 0 when every slot holds another rack.
int RegistreerRack(int32_t idno);
// The slot of the registered rack with that number; else the lowest free slot; else 0.
int ZoekRackPlaats(int32_t idno);
// The acknowledge of a log-on to one rack.
void ZendRackBevestiging(int rack);
// Reads the numbers of the rack's seven module positions (up to 4 requests); false when no reply came.
bool LeesIdentificatienummers(int rack);
// Model codes and default channel settings of the rack's present modules; the rack's three flags on.
void ZetKanaalEenheden(int rack);
// Model codes only (after the configuration file filled the module numbers).
void ZetModuleTypes(int rack);
// The registered rack (module 0) or the present module with that number; 0 and 0 when none.
void ZoekRackModule(int32_t idno, int& rack, int& module);
