#pragma once
// What the engine asks of the system tree window: rewrite the measured values of one module after its
// poll, rewrite every text, or build the tree again after racks logged on. The tree window registers
// itself while it is shown (BoomZichtbaar); without it every call does nothing.

class SysteemboomInterface {
public:
    virtual ~SysteemboomInterface() = default;
    // Every node text from the records.
    virtual void AanpassenTreeView() = 0;
    // The status and measured-value texts of module m of rack r.
    virtual void AanpassenMetingenTreeView(int r, int m) = 0;
    // Builds the tree anew from the model, so that racks and modules registered since appear.
    virtual void Herbouw() = 0;
};

// The shown tree window, or nullptr.
SysteemboomInterface* Systeemboom();
// Registers the tree window (nullptr: none is shown).
void ZetSysteemboom(SysteemboomInterface* boom);
void ResetSysteemboom();

// The calls of the poll cycle, the log-on and the settings dialog: nothing happens while no tree is
// shown (BoomZichtbaar False or no window registered).
void AanpassenTreeView();
void AanpassenMetingenTreeView(int r, int m);
void HerbouwTreeView();
