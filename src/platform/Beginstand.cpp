#include "platform/Beginstand.h"

#include "platform/Systeem.h"

namespace platform {

void ResetPlatform() {
    GeefInstantieVrij();
}

} // namespace platform
