#pragma once
// The common dialogs of the main window on Qt: QFileDialog for open and save, QFontDialog with a colour
// choice for fonts, QColorDialog for colours.
#include "files/Bestandsdialogen.h"

#include <QString>
#include <QStringList>

class Standaarddialogen : public Bestandsdialogen {
public:
    std::optional<QString> KiesBestand(const BestandsdialoogVraag& vraag) override;
    bool KiesLettertype(Lettertype& lettertype, const QString& titel) override;
    bool KiesKleur(int32_t& kleur, const QString& titel) override;
};

// The filters of a "description|pattern|..." text as the Qt file dialog takes them: "description
// (pattern)", where "*.*" becomes "*" (every file, also one without a dot). A description that ends in
// its own pattern in brackets keeps it as it is.
QStringList QtFilters(const QString& filter);
