#pragma once
// A graph window: up to 32 curves of measured values and temperatures over the stored samples (normal
// mode, with a scroll bar below the chart) or as a rolling strip of live values (recorder mode), with
// two alarm lines, a legend and a read-out of the point the user picks. The chart's data and logic
// live in its Grafiekmodel; the window lays out the chart and the scroll bar, asks before it closes,
// and offers its pop-up menu.
#include "acquisition/vensters/Grafiekvenster.h"
#include "views/Grafiekmodel.h"

#include <QWidget>

class Diagram;
class QScrollBar;

class frmGrafiek : public QWidget, public GrafiekvensterInterface {
    Q_OBJECT
public:
    explicit frmGrafiek(QWidget* parent = nullptr);
    ~frmGrafiek() override;

    // Set by the opener before Laad.
    void ZetGrafiekIndex(int16_t g) { m_model.GrafiekIndex = g; }
    bool& XYrecorder() { return m_model.Instellingen.XYrecorder; }
    bool& NieuweGrafiek() { return m_model.NieuweGrafiek; }

    // The window's Load: defaults, caption and tag, an empty chart, then its settings: a new graph asks
    // for them in the settings dialog (opened on the curves) and waits for the answer, another takes
    // them from the graph's configuration file (the defaults when it has none); then the newest samples
    // and the layout. False when the settings of a new graph were dropped (or the window went while
    // the dialog was open): the window then keeps its defaults, and no configuration file is written.
    bool Laad();
    // True after a Load that set the window up.
    bool Geladen() const { return m_geladen; }
    // Opens the settings dialog on this graph (double-click, pop-up menu) and rebuilds the chart after OK.
    void InstellingenWijzigen();
    // Closes the window without asking (the program removes it).
    void Ontlaad();
    QString Tag() const { return objectName(); }

    void LadenGrafiek();
    void HerladenGrafiek();
    void ReInitGrafiekData();
    void WisGrafiekGegevens();
    // Puts the chart's picture on the clipboard.
    void CopyGrafiek();

    Grafiekmodel& Model() { return m_model; }
    Diagram* diagram() const { return m_diagram; }
    QScrollBar* HorScrollBar() const { return m_scrollbalk; }

    // GrafiekvensterInterface.
    int16_t GrafiekIndex() const override { return m_model.GrafiekIndex; }
    void VulGrafiekAan(int32_t monster) override;
    GrafiekInstellingen& Instellingen() override { return m_model.Instellingen; }
    int16_t LeesGrafiekLijnRef(int lijn, int index) const override;
    void SchrijfGrafiekLijnRef(int lijn, int index, int16_t waarde) override;
    int16_t LeesDiagramRood(int reeks) const override { return m_model.LeesDiagramRood(reeks); }
    int16_t LeesDiagramGroen(int reeks) const override { return m_model.LeesDiagramGroen(reeks); }
    int16_t LeesDiagramBlauw(int reeks) const override { return m_model.LeesDiagramBlauw(reeks); }
    void ZetDiagramKleur(int reeks, int32_t kleur) override { m_model.ZetDiagramKleur(reeks, kleur); }
    void HerInitialiseerGrafiek() override;
    QString Caption() const override { return windowTitle(); }
    void ZetCaption(const QString& caption) override { setWindowTitle(caption); }
    VensterPlaatsing Plaatsing() const override;
    void ZetPlaatsing(const VensterPlaatsing& plaatsing) override;
    int VensterStatus() const override;
    void ZetVensterStatus(int status) override;
    void ZetTekenen(bool aan) override;
    void VernieuwLegende() override { m_model.ZetLegenden(); }

    // The smallest size that shows the chart with its axes and its legend whole (Cascade and the tiles
    // keep a window at least this size; the user may make it smaller), and the size a new graph opens at.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Indelen();
    void ZetScrollBar();
    void ToonMenu(QPoint globaal);
    void Unload();
    QWidget* kader() const;

    Grafiekmodel m_model;
    Diagram* m_diagram = nullptr;
    QScrollBar* m_scrollbalk = nullptr;
    bool m_zonderVraag = false;
    bool m_ontladen = false;
    bool m_geladen = false;
};
