#pragma once
// The user-interface text table: Tekst[99] .. Tekst[513] in the current language, the language choice
// and the help pages of that language.
#include <QString>
#include <array>
#include <cstdint>

inline constexpr int EersteTekst = 99;
inline constexpr int LaatsteTekst = 513;

using TekstenTabel = std::array<QString, LaatsteTekst + 1>;

extern TekstenTabel Tekst;
// 0 English, 1 French, 2 Dutch. The shell keeps it in the settings ("Settings", "Language").
extern int HuidigeTaal;

// Where the help pages of the language last chosen by KiesTaal are: the resource folder standing for
// the language's help file (":/help/K740EN/", ":/help/K740FR/", ":/help/K740NL/").
extern QString HelpOpdracht;

// Table indices of the message box's button captions; the box looks the texts up when it shows.
extern int16_t TekstOK;
extern int16_t TekstCANCEL;
extern int16_t TekstABORT;
extern int16_t TekstRETRY;
extern int16_t TekstIGNORE;
extern int16_t TekstYES;
extern int16_t TekstNO;

// Empties the table and fills it in language `taal` (0..2); any other number chooses English and sets
// `taal` to 0. Also sets HelpOpdracht and the message box's caption indices, and puts Qt's own texts of
// the dialogs in that language. HuidigeTaal is left alone.
void KiesTaal(int& taal);

// The texts of language `taal` (English for an unknown number), leaving Tekst as it is: the settings
// window lists each language by its own name and shows itself in the language being chosen.
TekstenTabel TekstenVan(int taal);

// One per language: t[99] .. t[512] (t[500] the language's own name).
void VulTekstenEngels(TekstenTabel& t);
void VulTekstenFrans(TekstenTabel& t);
void VulTekstenNederlands(TekstenTabel& t);

// The help topics of the windows.
inline const QString HelpHoofdvenster = QStringLiteral("::/main_window.htm");
inline const QString HelpInstellingen = QStringLiteral("::/settings.htm");
inline const QString HelpGrafiekInstellingen = QStringLiteral("::/graph_settings.htm");
inline const QString HelpModuleInstellingen = QStringLiteral("::/ModuleSettings.htm");
inline const QString HelpSysteemoverzicht = QStringLiteral("::/System_overview.htm");
inline const QString HelpGLPRapport = QStringLiteral("::/GLPreport.htm");
inline const QString HelpAfdrukvenster = QStringLiteral("::/print_window.htm");
inline const std::array<QString, 7> HelpOnderwerpen = {
    HelpHoofdvenster,     HelpInstellingen, HelpGrafiekInstellingen, HelpModuleInstellingen,
    HelpSysteemoverzicht, HelpGLPRapport,   HelpAfdrukvenster};

// The resource folder of the help pages of language `taal` (English for an unknown number).
QString HelpMap(int taal);
// The resource path of a topic ("::/settings.htm" or "settings.htm") among the help pages of language
// `taal`, or of the language last chosen by KiesTaal.
QString HelpPagina(int taal, const QString& onderwerp);
QString HelpPagina(const QString& onderwerp);

// Program start state: English texts present, HuidigeTaal 0.
void ResetTeksten();
