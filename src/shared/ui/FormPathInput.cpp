#include "shared/ui/FormPathInput.h"

#include "platform/Klok.h"
#include "platform/Vensterwacht.h"
#include "shared/MapKeuze.h"
#include "shared/Teksten.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The volume (mount point) that holds `pad`: the longest root that is a prefix of it.
QString volumeVan(const QStringList& volumes, const QString& pad) {
    QString beste = QStringLiteral("/");
    for (const QString& v : volumes) {
        const QString metScheiding = v.endsWith(QLatin1Char('/')) ? v : v + QLatin1Char('/');
        if ((pad == v || pad.startsWith(metScheiding)) && v.size() > beste.size()) beste = v;
    }
    return beste;
}
} // namespace

FormPathInput::FormPathInput() : QDialog(nullptr) {
    setObjectName(QStringLiteral("FormPathInput"));
    DrivList = new QComboBox(this);
    DrivList->setObjectName(QStringLiteral("DrivList"));
    DirList = new QListWidget(this);
    DirList->setObjectName(QStringLiteral("DirList"));
    FileList = new QListWidget(this);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* links = new QVBoxLayout;
    links->addWidget(DrivList);
    links->addWidget(DirList, 1);
    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(CommandOK);
    knoppen->addWidget(CommandCancel);
    knoppen->addStretch(1);
    auto* rooster = new QHBoxLayout(this);
    rooster->addLayout(links, 3);
    rooster->addWidget(FileList, 2);
    rooster->addLayout(knoppen);
    resize(560, 320);

    connect(DrivList, &QComboBox::activated, this, [this] { DrivList_Change(); });
    connect(DirList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ZetDirListPath(item->data(Qt::UserRole).toString()); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    DirList->installEventFilter(this);
}

void FormPathInput::Form_Load() {
    const TekstenTabel teksten = Taal ? TekstenVan(*Taal) : Tekst;
    CommandCancel->setText(teksten[141]);
    CommandOK->setText(teksten[140]);
    InitDir = BeginMapVanKeuze(InitDir);
    InitDir = QDir::cleanPath(QFileInfo(InitDir).absoluteFilePath());
    QStringList volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && QFileInfo(v.rootPath()).isDir()) volumes << v.rootPath();
    if (!volumes.contains(QStringLiteral("/"))) volumes << QStringLiteral("/");
    volumes.sort();
    volumes.removeDuplicates();
    DrivList->clear();
    DrivList->addItems(volumes);
    DrivList->setCurrentText(volumeVan(volumes, InitDir));
    ZetDirListPath(InitDir);
}

void FormPathInput::DrivList_Change() {
    ZetDirListPath(DrivList->currentText());
}

void FormPathInput::ZetDirListPath(const QString& pad) {
    m_pad = QDir::cleanPath(pad);
    // The folders from the volume's root down to the open one, then its subfolders one step in.
    DirList->clear();
    QStringList keten;
    for (QDir d(m_pad);;) {
        keten.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int diepte = 0;
    QListWidgetItem* open = nullptr;
    for (const QString& p : keten) {
        const QString naam = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                         QString(diepte * 2, QLatin1Char(' ')) + naam, DirList);
        item->setData(Qt::UserRole, p);
        open = item;
        ++diepte;
    }
    const QStringList sub =
        QDir(m_pad).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& s : sub) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirClosedIcon),
                                         QString(diepte * 2, QLatin1Char(' ')) + s, DirList);
        item->setData(Qt::UserRole, QDir(m_pad).filePath(s));
    }
    DirList->setCurrentItem(open);
    DirList_Change();
}

void FormPathInput::DirList_Change() {
    QStringList patronen;
    for (const QString& p : Filter.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString t = p.trimmed();
        // "*.*" meant every file, also one without an extension.
        patronen << (t == QStringLiteral("*.*") ? QStringLiteral("*") : t);
    }
    if (patronen.isEmpty()) patronen << QStringLiteral("*");
    FileList->clear();
    FileList->addItems(QDir(m_pad).entryList(patronen, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// Enter on a folder other than the open one opens it; otherwise Enter is the dialog's OK.
bool FormPathInput::eventFilter(QObject* object, QEvent* event) {
    if (object == DirList && event->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        QListWidgetItem* item = DirList->currentItem();
        if ((toets == Qt::Key_Return || toets == Qt::Key_Enter) && item &&
            item->data(Qt::UserRole).toString() != m_pad) {
            ZetDirListPath(item->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}

void FormPathInput::CommandOK_Click() {
    InitDir = DirListPath();
    m_ok = true;
    accept();
}

void FormPathInput::CommandCancel_Click() {
    reject();
}

bool FormPathInput::ToonModaal() {
    m_ok = false;
    Form_Load();
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    // Escape and the title bar close the window as Cancel does.
    platform::WachtOpVenster([this] { return !isVisible(); });
    return m_ok;
}

QString ToonFormPathInput(const QString& titel, const QString& filter, const QString& map,
                          std::optional<int> taal) {
    FormPathInput venster;
    venster.Taal = taal;
    venster.setWindowTitle(titel);
    venster.Filter = filter.isEmpty() ? QStringLiteral("*.*") : filter;
    venster.InitDir = map;
    return venster.ToonModaal() ? venster.InitDir : map;
}

QString FormPathInputVenster::Kies(const QString& titel, const QString& filter, const QString& map,
                                   std::optional<int> taal) {
    return ToonFormPathInput(titel, filter, map, taal);
}
