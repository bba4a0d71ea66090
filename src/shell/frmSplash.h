#pragma once
// The program's identity window: the company word, a product picture, the product line with the active
// special modes, the version, the date of the program file and the maker's line. A click on the
// picture or a text, or any key, removes it; it can be dragged by its background. It stays on top of
// the other windows, but not of a modal window: when the program opens one (a dialog, a file or print
// dialog, a box asked from inside a dialog) or holds the main window disabled behind a window of its
// own, the window goes, as it would on a click, since no click or key could reach it any more.
#include <QPoint>
#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LblDate = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QWidget* ImgFoto = nullptr;

    // "Version" and major.minor.revision of a version text ("2.0.7", "2.0" gives 2.0.0).
    static QString VersieTekst(const QString& versie);
    // "K740 " and the product line, with " (Pelm/Alert)" and " (DEMO)" for the active modes.
    static QString ProductTekst();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QPoint m_muis; // where the last button press on the background was
};
