#pragma once

#include "core/optics/calcul.h"
#include "core/optics/panel_texts.h"
#include "ui/window/last_runs.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelo {

class DesignTexts;
class FittedLabel;
class MessageLine;
class OneRowListView;
class PictureArea;
class SpinButton;
class StaleResults;
class YearlyListModel;

// The "Calcul Optique" page: the optical inputs (Frame1), the results
// (Frame2) and the layout drawing (Picture1). Every event of the page runs
// the optical computation, then the drawing.
class OpticsPage : public QWidget {
    Q_OBJECT

public:
    OpticsPage(char decimalSeparator, MessageLine &messages, QWidget *parent = nullptr);
    ~OpticsPage() override;

    void run();     // calcul, then dessin (O3 copied to O3' first while Chko3 is checked)
    void redraw();  // the last run's drawing again, computing nothing (after a zoom)

    // Where each run reads the camera's texts for the builder's numbers.
    void setCameraTexts(std::function<CameraInput()> texts) { cameraTexts_ = std::move(texts); }
    // The traced rays in place of the schematic ones (while Chkchem is
    // checked); the picture shown is drawn again the new way.
    void setParaxialRays(bool on);

    // The nine fields of the parameters file, in the file's order.
    std::array<QLineEdit *, 9> parameterBoxes() const;
    // After the parameters file wrote the fields: O3' values of their own are
    // shown visible and editable, rather than used greyed out under "identical".
    void showOwnO3b();

    const std::optional<OpticsRun> &lastRun() const;
    const OpticalState &opticalState() const { return opticalState_; }
    bool resultsStale() const;
    bool pictureStale() const;
    // A label's left edge in twips from its parent's inner left edge, as the
    // last drawing set it for the element labels.
    double leftTwips(const QWidget *widget) const;
    int yearlyRuns() const;

signals:
    // After every run: its builder's numbers, or null when there are none
    // (the computation failed).
    void builderChanged(const BuilderResult *builder);
    // After a change of language: the numbers of the last run that had them, in
    // the language now in use, whether they are current or greyed.
    void builderRetold(const BuilderResult &builder);

private:
    struct InputRow {
        QLineEdit *field;
        SpinButton *spin;
    };
    void buildInputFrame();
    void buildResultFrame();
    void buildPicture();
    void connectEvents();
    void copyO3ToO3b();
    void setO3bEditable(bool editable);
    OpticsPanelTexts panelTexts() const;
    void showResults(const OpticsResult &result);
    void showRemark(const Remark &remark);
    void tellFailure(const std::string &error);
    void tellDrawingFailure(const std::string &problem);
    void retell();
    void showNewestRun(OneRowListView *list);
    void computeBuilder(bool tell);
    bool drawLayout();
    void moveElementLabels(const LayoutLabelEdges &edges);
    void fail(bool textsToo, const QString &message);

    char decimalSeparator_;
    MessageLine &messages_;
    DesignTexts *texts_;
    YearlyListModel *diameters_;   // Listdiam's rows
    YearlyListModel *imageSizes_;  // Listdimfoy's rows

    // Frame1, in the panel's order: O1 focal and diameter, O2 focal and
    // diameter, A, O3 focal and diameter, O3' focal and diameter.
    std::array<InputRow, 9> inputs_{};
    QCheckBox *chko3_ = nullptr;
    QPushButton *cmdcalc_ = nullptr;
    // Frame2: B, x, C, F, F/D, smallest and largest occulting disc.
    std::array<FittedLabel *, 7> results_{};
    OneRowListView *listdiam_ = nullptr;
    OneRowListView *listdimfoy_ = nullptr;
    QLabel *lblrem_ = nullptr;
    // Picture1 and what stands on it.
    PictureArea *picture1_ = nullptr;
    SpinButton *updownech_ = nullptr;
    QCheckBox *chkchem_ = nullptr;
    std::array<QLabel *, 6> elementLabels_{};
    std::unique_ptr<StaleResults> stale_;

    std::function<CameraInput()> cameraTexts_;
    std::optional<OpticsPanelTexts> attempt_;       // what the last run read, successful or not
    OpticsPanelTexts lastRunTexts_;                 // what lastRun_ read
    std::optional<OpticsPanelTexts> builderTexts_;  // what the last run with the builder's numbers read
    bool paraxialRays_ = false;
    std::optional<Remark> shownRemark_;
    OpticalState opticalState_;
    mutable std::optional<OpticsRun> lastRun_;  // yearly rows written when first asked for
    std::array<std::optional<double>, 6> elementLefts_{};  // twips, as the last drawing set them
};

} // namespace brelo
