#include "shell/Vensterhaken.h"

Vensterhaken Haken;

void ResetVensterhaken() {
    Haken = Vensterhaken{};
}
