#include "ui/pages/construction_page.h"

#include "core/ephemeris/calculephem.h"
#include "core/optics/builder_numbers.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/fitted_label.h"
#include "ui/widgets/stale_results.h"
#include "ui/widgets/twips_rect.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace brelo {

namespace {

constexpr Rgb kRed{255, 0, 0};

// The page's design, in twips: three frames as wide as the page, one under
// the other, their texts one a line.
constexpr int kFirstFrameTop = 440;  // where the designed pages' frames start
constexpr int kFrameLeft = 120;
constexpr int kFrameWidth = 11535;
constexpr int kFrameGap = 150;
constexpr int kFirstRow = 360;  // below the frame's caption
constexpr int kBottomMargin = 120;
constexpr int kTextLeft = 180;
constexpr int kTextWidth = kFrameWidth - 2 * kTextLeft;
constexpr int kRowStep = 300;
constexpr int kRowHeight = 255;
constexpr int kFieldHeight = 285;
constexpr int kCameraResultsTop = kFirstRow + 450;  // below the camera's fields

// A result label with the caption it shows before the first run.
struct Shown {
    const char *name;
    const char *caption;
};
const Shown kPupil[] = {{"Lblpupille", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Diamètre de la pupille au diaphragme =")}};
const Shown kField[] = {
    {"Lblchampo2", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ sans vignettage à O2 :")},
    {"Lblchampo3", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ sans vignettage à O3 :")},
    {"Lblchampo3b", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ sans vignettage à O3' :")},
    {"Lblchamp", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ sans vignettage :")},
};
const Shown kCameraResults[] = {
    {"Lblechelle", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Échelle de l'image =")},
    {"Lblchamprayons", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ du capteur =")},
    {"Lblchampminutes", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Champ du capteur =")},
    {"Lbldiscjanvier", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Image du disque occulteur au 1er janvier =")},
    {"Lbldiscjuillet", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Image du disque occulteur au 1er juillet =")},
    {"Lblremplit", ""},
    {"Lblcapteur", ""},
};
// The camera's texts, in the order of kCameraResults.
constexpr std::string CameraResult::*kCameraTexts[] = {
    &CameraResult::scale,     &CameraResult::fieldRadii, &CameraResult::fieldArcmin, &CameraResult::discJanuary,
    &CameraResult::discJuly, &CameraResult::fill,       &CameraResult::smallSensor,
};

// A camera field on the frame's first row, after its label; the key it is
// kept under in the user's settings and its text at the first start ('.'
// stands for the decimal separator).
struct CameraField {
    const char *label;
    const char *labelText;
    int labelLeft, labelWidth;
    const char *name;
    int fieldLeft;
    const char *key;
    const char *first;
    std::string CameraInput::*text;
};
constexpr int kCameraFieldWidth = 780;
const CameraField kCameraFields[] = {
    {"Labelpixel", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Taille des pixels (µm) :"), kTextLeft, 1800, "Txtpixel", 2040, "camera/pixel", "3.75",
     &CameraInput::pixel},
    {"Labellargeur", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "Capteur (pixels) : largeur"), 3120, 2040, "Txtlargeur", 5220, "camera/sensorWidth", "1280",
     &CameraInput::sensorWidth},
    {"Labelhauteur", QT_TRANSLATE_NOOP("brelo::ConstructionPage", "hauteur"), 6180, 720, "Txthauteur", 6960, "camera/sensorHeight", "960",
     &CameraInput::sensorHeight},
};
constexpr int kButtonLeft = 8100;
constexpr int kButtonWidth = 1200;

// A frame under the one before (`top`, in the page's twips, moves below it),
// with `contentHeight` twips of rows under its caption.
QGroupBox *addFrame(QWidget *page, DesignTexts &texts, const char *name, const char *caption, int contentHeight,
                    int &top)
{
    const int height = kFirstRow + contentHeight + kBottomMargin;
    auto *frame = makeFrame(page, name, QString(), pageRect(kFrameLeft, top, kFrameWidth, height));
    texts.keep(frame, caption);
    top += height + kFrameGap;
    return frame;
}

// One-line labels as wide as the frame, one under the other from `top`: a
// long text is condensed to fit. Their captions stand until the first numbers.
void addRows(QWidget *frame, DesignTexts &texts, int top, std::span<const Shown> design,
             std::span<FittedLabel *> labels, const bool &numbersShown)
{
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRect place(twipsRect(kTextLeft, top + static_cast<int>(i) * kRowStep, kTextWidth, kRowHeight));
        FittedLabel *label = labels[i] = makeLabel(frame, design[i].name, QString(), place);
        texts.keep([&texts, &numbersShown, label, caption = design[i].caption] {
            if (!numbersShown)
                label->setText(texts.text(caption));
        });
    }
}

void addNote(QWidget *frame, DesignTexts &texts, int top, const char *name, const char *text)
{
    auto *note = makeLabel(frame, name, QString(), twipsRect(kTextLeft, top, kTextWidth, kRowHeight));
    texts.keep(note, text);
    setTextColor(note, {0, 0, 192});
}

} // namespace

ConstructionPage::ConstructionPage(char decimalSeparator, QWidget *parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator), texts_(new DesignTexts("brelo::ConstructionPage", this))
{
    int top = kFirstFrameTop;
    buildLyotFrame(top);
    buildFieldFrame(top);
    buildCameraFrame(top);
    std::vector<QWidget *> results;
    const auto collect = [&results](const auto &labels) { results.insert(results.end(), labels.begin(), labels.end()); };
    collect(pupil_);
    collect(field_);
    collect(cameraResults_);
    stale_ = std::make_unique<StaleResults>(results, nullptr);
}

ConstructionPage::~ConstructionPage() = default;

void ConstructionPage::buildLyotFrame(int &top)
{
    QWidget *frame = addFrame(this, *texts_, "Framelyot", QT_TR_NOOP("Diaphragme de Lyot"), 2 * kRowStep, top);
    addRows(frame, *texts_, kFirstRow, kPupil, pupil_, numbersShown_);
    addNote(frame, *texts_, kFirstRow + kRowStep, "Labeldiaph",
            QT_TR_NOOP("Faites le diaphragme un peu plus petit que cette pupille (souvent 80 à 90 %) : voir l'aide."));
}

void ConstructionPage::buildFieldFrame(int &top)
{
    QWidget *frame = addFrame(this, *texts_, "Framechamp",
                              QT_TR_NOOP("Champ sans vignettage (R☉ : rayon solaire apparent)"), 5 * kRowStep, top);
    addRows(frame, *texts_, kFirstRow, kField, field_, numbersShown_);
    addNote(frame, *texts_, kFirstRow + 4 * kRowStep, "Labelecart",
            QT_TR_NOOP("O3' est compté à 50 mm derrière O3, l'écart du dessin du montage."));
}

void ConstructionPage::buildCameraFrame(int &top)
{
    const int results = static_cast<int>(cameraResults_.size());
    QWidget *frame = addFrame(this, *texts_, "Framecamera", QT_TR_NOOP("Caméra au foyer final"),
                              kCameraResultsTop - kFirstRow + results * kRowStep, top);
    for (std::size_t i = 0; i < camera_.size(); ++i) {
        const CameraField &design = kCameraFields[i];
        auto *label = makeLabel(frame, design.label, QString(),
                                twipsRect(design.labelLeft, kFirstRow, design.labelWidth, kFieldHeight));
        texts_->keep(label, design.labelText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);  // level with its field's text
        QString first = QString::fromLatin1(design.first);
        first.replace(QLatin1Char('.'), QLatin1Char(decimalSeparator_));
        const QString key = QString::fromLatin1(design.key);
        camera_[i] = makeTextBox(frame, design.name, QSettings().value(key, first).toString(),
                                 twipsRect(design.fieldLeft, kFirstRow, kCameraFieldWidth, kFieldHeight));
        // Kept as typed, whatever it holds: the next session shows it again.
        connect(camera_[i], &QLineEdit::textEdited, this, [key](const QString &text) { QSettings().setValue(key, text); });
    }
    cmdcamera_ = makeButton(frame, "Cmdcamera", QString(),
                            twipsRect(kButtonLeft, kFirstRow - 30, kButtonWidth, kFieldHeight + 60));
    texts_->keep(cmdcamera_, QT_TR_NOOP("Calculer"));
    connect(cmdcamera_, &QAbstractButton::clicked, this, &ConstructionPage::calculationRequested);
    addRows(frame, *texts_, kCameraResultsTop, kCameraResults, cameraResults_, numbersShown_);
}

CameraInput ConstructionPage::cameraInput() const
{
    CameraInput input;
    for (std::size_t i = 0; i < camera_.size(); ++i)
        input.*kCameraFields[i].text = camera_[i]->text().toStdString();
    return input;
}

void ConstructionPage::showNumbers(const BuilderResult *builder)
{
    if (!builder) {
        stale_->setStale(StaleResults::TextsAndPicture);
        return;
    }
    stale_->setStale(StaleResults::Nothing);
    retellNumbers(*builder);
}

void ConstructionPage::retellNumbers(const BuilderResult &builder)
{
    numbersShown_ = true;
    const auto failure = [](const std::string &error) {
        return std::vector<std::string>{impossibleCalculation(error)};
    };
    showTexts(pupil_, {builder.pupil}, false);
    if (builder.field.ok()) {
        const FieldResult &field = builder.field.value();
        showTexts(field_, {field.lenses[0], field.lenses[1], field.lenses[2], field.instrument}, false);
    } else {
        showTexts(field_, failure(builder.field.error()), true);
    }
    if (builder.camera.ok()) {
        std::vector<std::string> texts;
        for (std::string CameraResult::*text : kCameraTexts)
            texts.push_back(builder.camera.value().*text);
        showTexts(cameraResults_, texts, false);
    } else {
        showTexts(cameraResults_, failure(builder.camera.error()), true);
    }
}

// A section that failed shows its message, in red, in place of its numbers.
void ConstructionPage::showTexts(std::span<FittedLabel *const> labels, const std::vector<std::string> &texts,
                                 bool failed)
{
    const Rgb normal = rgbOf(palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(i < texts.size() ? QString::fromStdString(texts[i]) : QString());
        setTextColor(labels[i], failed && i == 0 ? kRed : normal);
    }
}

bool ConstructionPage::resultsStale() const { return stale_->textsStale(); }

} // namespace brelo
