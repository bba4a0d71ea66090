#pragma once
// Window helpers shared by every window: the topmost layer, and positions and sizes in twips, the unit
// in which the settings store keeps them (1440 per inch; 15 per pixel at 96 dpi).
#include <QString>

class QAction;
class QDialog;
class QMenu;
class QWidget;
class QPoint;
class QTableView;

// Shows a dialog modal to the program (unless it has a modality of its own) and waits for its answer
// inside the program's loop, as exec() would, while polling and logging go on; returns its result
// (Rejected when the dialog went away).
int VoerDialoogUit(QDialog& dialoog);
// Pops a menu up at a global position and waits inside the program's loop until it closes; returns the
// action chosen (nullptr when none).
QAction* VoerMenuUit(QMenu& menu, const QPoint& globaal);
// Closes every menu, box and dialog that is open, as the program ends with no one to answer: Qt's own
// boxes (the file dialog's Delete question, its question about an existing file, ..) by their No or
// Cancel button, never by a close that their dialog would take for Yes; a name being typed into a file
// list is dropped, not given to the file; the program's boxes answer AntwoordZonderGebruiker; every
// other dialog is rejected. Once no one answers, VoerDialoogUit and VoerMenuUit show nothing.
void SluitVenstersZonderGebruiker();
// The window that a box or dialog opened now belongs to: the modal dialog that is waiting, if any
// (a window outside it could take neither mouse nor keyboard), else nullptr.
QWidget* EigenaarVoorNieuwVenster();

// Puts the window on top of all other windows at its current position and size, without activating
// it; ZetVensterNietBovenaan makes it an ordinary window again. Best effort: the window manager may
// ignore the request.
void ZetVensterBovenaan(QWidget* venster);
void ZetVensterNietBovenaan(QWidget* venster);

// Twips per pixel on the primary screen (15 at 96 dpi), and the one conversion between design twips
// and pixels that every window uses.
double TwipsPerPixel();
int TwipsNaarPixels(double twips);
double PixelsNaarTwips(int pixels);

// Placement record of a window in the settings store: "Windowstate" (0 normal, 1 minimised,
// 2 maximised), then the restored "Top", "Left", "Height", "Width" in twips. Applying shows the window.
void BewaarVensterPositie(const QString& sectie, QWidget* venster);
void LeesVensterPositie(const QString& sectie, QWidget* venster);

// Font record of a control: its font and its text colour ("Fontname", "Fontsize", "Fontbold",
// "Fontitalic", "Fontstrikethrough", "Fontunderline", "Fontcolor").
void BewaarLettertype(const QString& sectie, QWidget* besturing);
void LeesLettertype(const QString& sectie, QWidget* besturing);
// Column widths of a grid in twips, "Width0" .. "Width<n-1>" (1000 when a key is missing).
void BewaarKolomBreedte(const QString& sectie, QTableView* raster);
void LeesKolomBreedte(const QString& sectie, QTableView* raster);
