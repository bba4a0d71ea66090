#include "platform/Beginstand.h"

#include "platform/Systeem.h"
#include "platform/Tekstbestand.h"

namespace platform {

void ResetPlatform() {
    GeefInstantieVrij();
    ZetSchrijfStapFunctie(nullptr);
}

} // namespace platform
