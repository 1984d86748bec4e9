#pragma once

#include "core/optics/panel_texts.h"

#include <QWidget>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace brelo {

struct BuilderResult;
class DesignTexts;
class FittedLabel;
class StaleResults;

// The "Construction" page: what a builder needs after each optical run — the
// Lyot stop, the field each lens lets through whole, and the camera at the
// final focus, whose three texts the page keeps between sessions.
class ConstructionPage : public QWidget {
    Q_OBJECT

public:
    explicit ConstructionPage(char decimalSeparator, QWidget *parent = nullptr);
    ~ConstructionPage() override;

    CameraInput cameraInput() const;  // the camera's texts as typed
    // The numbers of the latest optical run; null when it had none: the last
    // ones stay on screen, greyed.
    void showNumbers(const BuilderResult *builder);
    // The same numbers in the language now in use, greyed or not as they stand.
    void retellNumbers(const BuilderResult &builder);
    bool resultsStale() const;

signals:
    void calculationRequested();  // "Calculer": the optics run again, with the camera as typed

private:
    // Each frame under the one before: `top` (twips) moves below it.
    void buildLyotFrame(int &top);
    void buildFieldFrame(int &top);
    void buildCameraFrame(int &top);
    void showTexts(std::span<FittedLabel *const> labels, const std::vector<std::string> &texts, bool failed);

    char decimalSeparator_;
    DesignTexts *texts_;
    bool numbersShown_ = false;  // the captions have given way to numbers
    std::array<QLineEdit *, 3> camera_{};  // pixel size, sensor width, sensor height
    QPushButton *cmdcamera_ = nullptr;
    std::array<FittedLabel *, 1> pupil_{};
    std::array<FittedLabel *, 4> field_{};   // at O2, O3, O3', then the instrument's
    std::array<FittedLabel *, 7> cameraResults_{};
    std::unique_ptr<StaleResults> stale_;
};

} // namespace brelo
