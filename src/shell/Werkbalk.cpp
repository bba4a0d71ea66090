#include "shell/Werkbalk.h"

#include "shared/Algemeen.h"
#include "shared/Teksten.h"
#include "shell/mdiK740.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

// Outside any namespace, as the resource initialiser must be.
static void InitialiseerWerkbalk() {
    Q_INIT_RESOURCE(Werkbalk);
}

namespace {

constexpr int Normaal = 0, Scheiding = 3, Plaatshouder = 4, Uitklap = 5;

struct Knopontwerp {
    const char* sleutel;
    int stijl;
    int afbeelding;
};

// Buttons 1..25 as designed; element 0 is not used.
constexpr std::array<Knopontwerp, AantalKnoppen + 1> Ontwerp = {{
    {"", 0, 0},
    {"tbrNew", Normaal, 6},
    {"tbrOpen", Normaal, 2},
    {"tbrSave", Normaal, 3},
    {"tbrPrint", Normaal, 4},
    {"", Scheiding, 0},
    {"tbrCopy", Normaal, 19},
    {"", Scheiding, 0},
    {"tbrProperties", Normaal, 18},
    {"tbrGraphSettings", Normaal, 16},
    {"tbrFont", Normaal, 7},
    {"tbrSaveSettings", Normaal, 17},
    {"", Scheiding, 0},
    {"tbrMeasure", Normaal, 27},
    {"tbrLogger", Normaal, 9},
    {"", Scheiding, 0},
    {"tbrTable", Normaal, 33},
    {"tbrRack", Normaal, 34},
    {"tbrGraph", Uitklap, 5},
    {"tbrTerminal", Normaal, 10},
    {"", Scheiding, 0},
    {"tbrHor", Normaal, 25},
    {"tbrVer", Normaal, 26},
    {"tbrCascade", Normaal, 13},
    {"", Plaatshouder, 0},
    {"tbrHelp", Normaal, 35},
}};

// The keys of the image list; images 29..35 have none.
constexpr std::array<const char*, AantalAfbeeldingen + 1> Sleutels = {
    "",
    "ImageHelp",
    "ImageOpen",
    "ImageSave",
    "ImagePrint",
    "ImageGraph",
    "ImageNew",
    "ImageFont",
    "ImageLog",
    "ImageMEM",
    "ImageTerminal",
    "ImageTransfer",
    "ImageStop",
    "ImageCascade",
    "ImageHorDIS",
    "ImageVerDIS",
    "ImageGraphSettings",
    "ImageSaveSettings",
    "ImageProperties",
    "ImageCopy",
    "ImageTree",
    "ImagePanel",
    "ImageSinewave",
    "ImageModule2",
    "ImageModule1",
    "ImageHor",
    "ImageVer",
    "ImageMeten",
    "ImageLogging",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};

// Tool tips: button, text index, the text without its "&".
struct Tooltipontwerp {
    int knop;
    int tekst;
    bool zonderAmpersand;
};
constexpr std::array<Tooltipontwerp, 19> ToolTips = {{
    {1, 253, false},  {2, 254, false},  {3, 255, false},  {4, 106, true},   {6, 266, false},
    {8, 257, false},  {9, 258, false},  {10, 259, false}, {11, 260, false}, {13, 420, false},
    {14, 261, false}, {19, 265, false}, {21, 159, true},  {22, 160, true},  {23, 161, true},
    {25, 227, true},  {18, 358, false}, {16, 136, false}, {17, 137, false},
}};

} // namespace

QString AfbeeldingSleutel(int afbeelding) {
    if (afbeelding < 1 || afbeelding > AantalAfbeeldingen) return QString();
    return QString::fromLatin1(Sleutels[static_cast<size_t>(afbeelding)]);
}

QIcon Werkbalkafbeelding(int afbeelding) {
    static const bool geladen = (InitialiseerWerkbalk(), true);
    Q_UNUSED(geladen);
    if (afbeelding < 1 || afbeelding > AantalAfbeeldingen) return QIcon();
    const QString sleutel = AfbeeldingSleutel(afbeelding);
    return QIcon(QStringLiteral(":/toolbar/") +
                 (sleutel.isEmpty() ? QStringLiteral("Image%1").arg(afbeelding) : sleutel) +
                 QStringLiteral(".svg"));
}

Werkbalk::Werkbalk(QMainWindow& venster) {
    m_balk = venster.addToolBar(QStringLiteral("Toolbar"));
    m_balk->setObjectName(QStringLiteral("Toolbar"));
    m_balk->setMovable(false);
    m_balk->setFloatable(false);
    m_balk->setIconSize(QSize(20, 20));
    m_balk->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_balk->toggleViewAction()->setVisible(false);
    m_grafiekMenu = new QMenu(m_balk);
    for (int entry = 1; entry <= 2; ++entry) {
        QAction* item = m_grafiekMenu->addAction(entry == 1 ? QStringLiteral("Table Series")
                                                            : QStringLiteral("XY rrecorder"));
        QObject::connect(item, &QAction::triggered, m_balk, [this, entry] {
            if (BijMenuKlik) BijMenuKlik(entry);
        });
        m_grafiekItems[static_cast<size_t>(entry)] = item;
    }
    for (int i = 1; i <= AantalKnoppen; ++i) {
        const Knopontwerp& ontwerp = Ontwerp[static_cast<size_t>(i)];
        QAction* knop = nullptr;
        if (ontwerp.stijl == Scheiding || ontwerp.stijl == Plaatshouder) {
            knop = m_balk->addSeparator();
        } else {
            knop = new QAction(m_balk);
            m_knoppen[static_cast<size_t>(i)] = knop;
            knop->setObjectName(QString::fromLatin1(ontwerp.sleutel));
            // Measure and Log show their state pressed.
            knop->setCheckable(i == KnopMeten || i == KnopLoggen);
            m_balk->addAction(knop);
            QObject::connect(knop, &QAction::triggered, m_balk, [this, i] {
                if (BijKlik) BijKlik(i);
            });
            ZetAfbeelding(i, ontwerp.afbeelding);
            if (ontwerp.stijl == Uitklap)
                if (auto* knopje = qobject_cast<QToolButton*>(m_balk->widgetForAction(knop))) {
                    knopje->setMenu(m_grafiekMenu);
                    knopje->setPopupMode(QToolButton::MenuButtonPopup);
                }
        }
        m_knoppen[static_cast<size_t>(i)] = knop;
    }
}

QAction* Werkbalk::Knop(int index) const {
    return index >= 1 && index <= AantalKnoppen ? m_knoppen[static_cast<size_t>(index)] : nullptr;
}

QString Werkbalk::Sleutel(int index) const {
    return index >= 1 && index <= AantalKnoppen
               ? QString::fromLatin1(Ontwerp[static_cast<size_t>(index)].sleutel)
               : QString();
}

QAction* Werkbalk::GrafiekMenuItem(int entry) const {
    return entry >= 1 && entry <= 2 ? m_grafiekItems[static_cast<size_t>(entry)] : nullptr;
}

int Werkbalk::Afbeelding(int index) const {
    return index >= 1 && index <= AantalKnoppen ? m_afbeeldingen[static_cast<size_t>(index)] : 0;
}

void Werkbalk::ZetAfbeelding(int index, int afbeelding) {
    QAction* knop = Knop(index);
    if (!knop || knop->isSeparator() || Afbeelding(index) == afbeelding) return;
    m_afbeeldingen[static_cast<size_t>(index)] = afbeelding;
    knop->setIcon(Werkbalkafbeelding(afbeelding));
}

void Werkbalk::LaadStrings() {
    for (const Tooltipontwerp& t : ToolTips) {
        QString tekst = Tekst[t.tekst];
        if (t.zonderAmpersand) tekst = VervangAmpersand(tekst, QString());
        if (QAction* knop = Knop(t.knop)) {
            knop->setToolTip(tekst);
            // The text a user reads where the button cannot show its picture, and what tests find it by.
            knop->setText(tekst);
        }
        if (t.knop == KnopGrafiek) {
            m_grafiekItems[1]->setText(Tekst[357]);
            m_grafiekItems[2]->setText(VervangAmpersand(Tekst[344], QString()));
        }
    }
}

void KnoppenAan(int index) {
    if (mdiK740* venster = HoofdvensterK740()) venster->ZetKnop(index, true);
}

void KnoppenUit(int index) {
    if (mdiK740* venster = HoofdvensterK740()) venster->ZetKnop(index, false);
}
