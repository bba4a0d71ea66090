#pragma once
// The title bar of a window: of a child window's frame, which Qt's style draws, and of a top-level
// window, which the window manager draws.
class QWidget;

// The width in pixels that the frame's style leaves for the caption in the title bar, between the
// icon and the buttons, at the frame's present width.
int TitelbalkTekstRuimte(const QWidget& kader);

// The width in pixels a top-level window needs for the window manager's title bar to show its caption
// whole. The window manager's font and buttons are not known here: the caption is measured in the bold
// of the window's font, or in the platform's title font where that is wider, with room beside it for
// the window icon and three buttons as large as those of a title bar Qt draws itself.
int TitelbalkBreedte(const QWidget& venster);
