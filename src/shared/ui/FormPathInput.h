#pragma once
// The folder chooser: a small modal window in which the user picks a folder from the list of volumes
// and a folder list, with the current folder's files (filtered by a pattern) as a guide.
#include "shared/MapKeuze.h"

#include <QDialog>
#include <QString>
#include <optional>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class FormPathInput : public QDialog {
    Q_OBJECT
public:
    FormPathInput();

    // The file pattern of the file list ("*.csv"; several separated by ";"; "*.*" is every file).
    QString Filter;
    // The start folder on the way in; the chosen folder after OK; after Cancel the start folder, or
    // the program's own folder when the start folder did not exist.
    QString InitDir;
    // The language of its buttons (0 English, 1 French, 2 Dutch); without one, the program's.
    std::optional<int> Taal;

    QComboBox* DrivList = nullptr;
    QListWidget* DirList = nullptr;
    QListWidget* FileList = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

    // Shows the window modally and waits, pumping events, until it closes; true after OK.
    bool ToonModaal();
    // The folder opened in the folder list.
    QString DirListPath() const { return m_pad; }
    // Opens `pad` in the folder list (and the file list follows).
    void ZetDirListPath(const QString& pad);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void Form_Load();
    void DrivList_Change();
    void DirList_Change();
    void CommandOK_Click();
    void CommandCancel_Click();
    QString m_pad;
    bool m_ok = false;
};

// Shows the chooser (caption, file pattern, start folder, the language of its buttons); the folder chosen
// with OK, or `map` unchanged after Cancel.
QString ToonFormPathInput(const QString& titel, const QString& filter, const QString& map,
                          std::optional<int> taal);
// This window behind ToonMapKeuze.
class FormPathInputVenster : public MapKeuzeVenster {
public:
    QString Kies(const QString& titel, const QString& filter, const QString& map,
                 std::optional<int> taal) override;
};
