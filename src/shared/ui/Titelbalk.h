#pragma once
// The title bar of a child window's frame.
class QWidget;

// The width in pixels that the frame's style leaves for the caption in the title bar, between the
// icon and the buttons, at the frame's present width.
int TitelbalkTekstRuimte(const QWidget& kader);
