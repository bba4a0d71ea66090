#pragma once
// The main window's toolbar: 25 buttons by index (separators at 5, 7, 12, 15 and 20, a placeholder
// at 24), each with its key and its picture from the image list of 35 images, button 18 with a
// drop-down of two entries. A click reports the button's index, a drop-down entry its entry number;
// the main window dispatches them to its commands. The tool tips come from the text table.
#include <QIcon>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

inline constexpr int AantalKnoppen = 25;
inline constexpr int AantalAfbeeldingen = 35;
// The toolbar buttons the program addresses by index.
enum Werkbalkknop : int {
    KnopNieuw = 1,
    KnopOpenen = 2,
    KnopOpslaan = 3,
    KnopAfdrukken = 4,
    KnopKopieren = 6,
    KnopInstellingen = 8,
    KnopGrafiekInstellingen = 9,
    KnopLettertype = 10,
    KnopBewaarInstellingen = 11,
    KnopMeten = 13,
    KnopLoggen = 14,
    KnopTabel = 16,
    KnopRack = 17,
    KnopGrafiek = 18,
    KnopTerminal = 19,
    KnopHorizontaal = 21,
    KnopVerticaal = 22,
    KnopCascade = 23,
    KnopHelp = 25,
};
// Images the program sets at run time.
inline constexpr int AfbeeldingLog = 8;
inline constexpr int AfbeeldingLogging = 28;

// The key of image 1..35 of the image list ("ImageHelp" .. "ImageLogging"; "" for 29..35), and its
// picture (src/resources/toolbar).
QString AfbeeldingSleutel(int afbeelding);
QIcon Werkbalkafbeelding(int afbeelding);

class Werkbalk {
public:
    explicit Werkbalk(QMainWindow& venster);

    QToolBar* balk() const { return m_balk; }
    // Button 1..25 (separators and the placeholder are actions too); nullptr outside.
    QAction* Knop(int index) const;
    QString Sleutel(int index) const;
    // The drop-down of button 18 and its entries 1 and 2.
    QMenu* GrafiekMenu() const { return m_grafiekMenu; }
    QAction* GrafiekMenuItem(int entry) const;
    // The image a button shows (1..35, 0 for none).
    int Afbeelding(int index) const;
    void ZetAfbeelding(int index, int afbeelding);
    // Tool tips of the buttons and texts of the drop-down in the language of the text table.
    void LaadStrings();

    // Toolbar_ButtonClick and Toolbar_ButtonMenuClick: set by the main window.
    std::function<void(int index)> BijKlik;
    std::function<void(int entry)> BijMenuKlik;

private:
    QToolBar* m_balk;
    QMenu* m_grafiekMenu;
    std::array<QAction*, AantalKnoppen + 1> m_knoppen{};
    std::array<int, AantalKnoppen + 1> m_afbeeldingen{};
    std::array<QAction*, 3> m_grafiekItems{};
};

// Enables (KnoppenAan) or disables (KnoppenUit) toolbar button `index` of the main window; nothing
// while there is no main window.
void KnoppenAan(int index);
void KnoppenUit(int index);
