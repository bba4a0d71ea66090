#include "acquisition/vensters/Moduleinstellingen.h"

#include "acquisition/Programmastatus.h"

namespace {
std::function<void(int, int, int)>& opener() {
    static std::function<void(int, int, int)> f;
    return f;
}
} // namespace

void OpenModuleInstellingen(int r, int m, int k) {
    if (InstellingenOpen || !opener()) return;
    opener()(r, m, k);
}

void ZetModuleInstellingenOpener(std::function<void(int r, int m, int k)> nieuw) {
    opener() = std::move(nieuw);
}
