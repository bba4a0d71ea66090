#include "platform/Beginstand.h"

#include "platform/Eindsignalen.h"
#include "platform/Opslag.h"
#include "platform/Systeem.h"
#include "platform/Tekstbestand.h"
#include "platform/Vensterwacht.h"

namespace platform {

void ResetPlatform() {
    GeefInstantieVrij();
    ZetSchrijfStapFunctie(nullptr);
    ZetOpslagmelder(nullptr);
    ResetVensterwacht();
    LaatEindsignalenLos();
}

} // namespace platform
