#include "ui/pages/construction_page.h"

#include "core/optics/builder_numbers.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/fitted_label.h"
#include "ui/widgets/stale_results.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace brelo {

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr int kCameraFieldWidth = 52;

// A result label with the caption it shows before the first run.
struct Shown {
    const char *name;
    const char *caption;
};
const Shown kPupil[] = {{"Lblpupille", "Diamètre de la pupille au diaphragme ="}};
const Shown kField[] = {
    {"Lblchampo2", "Champ sans vignettage à O2 :"},
    {"Lblchampo3", "Champ sans vignettage à O3 :"},
    {"Lblchampo3b", "Champ sans vignettage à O3' :"},
    {"Lblchamp", "Champ sans vignettage :"},
};
const Shown kCameraResults[] = {
    {"Lblechelle", "Échelle de l'image ="},
    {"Lblchamprayons", "Champ du capteur ="},
    {"Lblchampminutes", "Champ du capteur ="},
    {"Lbldiscjanvier", "Image du disque occulteur au 1er janvier ="},
    {"Lbldiscjuillet", "Image du disque occulteur au 1er juillet ="},
    {"Lblremplit", ""},
    {"Lblcapteur", ""},
};
// The camera's texts, in the order of kCameraResults.
constexpr std::string CameraResult::*kCameraTexts[] = {
    &CameraResult::scale,     &CameraResult::fieldRadii, &CameraResult::fieldArcmin, &CameraResult::discJanuary,
    &CameraResult::discJuly, &CameraResult::fill,       &CameraResult::smallSensor,
};

// A camera field with its label, the key it is kept under in the user's
// settings and its text at the first start ('.' stands for the separator).
struct CameraField {
    const char *label;
    const char *labelText;
    const char *name;
    const char *key;
    const char *first;
    std::string CameraInput::*text;
};
const CameraField kCameraFields[] = {
    {"Labelpixel", "Taille des pixels (µm) :", "Txtpixel", "camera/pixel", "3.75", &CameraInput::pixel},
    {"Labellargeur", "Capteur (pixels) : largeur", "Txtlargeur", "camera/sensorWidth", "1280",
     &CameraInput::sensorWidth},
    {"Labelhauteur", "hauteur", "Txthauteur", "camera/sensorHeight", "960", &CameraInput::sensorHeight},
};

QVBoxLayout *addFrame(QWidget *page, const char *name, const char *caption)
{
    auto *frame = makeFrame(page, name, QString::fromUtf8(caption), QRect());
    page->layout()->addWidget(frame);
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(10, 4, 10, 6);
    column->setSpacing(3);
    return column;
}

// One line each, as wide as the frame: a long text is condensed to fit it.
void addResults(QVBoxLayout *column, std::span<const Shown> design, std::span<FittedLabel *> labels)
{
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = makeLabel(column->parentWidget(), design[i].name, QString::fromUtf8(design[i].caption));
        labels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        column->addWidget(labels[i]);
    }
}

void addNote(QVBoxLayout *column, const char *name, const char *text)
{
    auto *note = makeLabel(column->parentWidget(), name, QString::fromUtf8(text));
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setTextColor(note, {0, 0, 192});
    column->addWidget(note);
}

} // namespace

ConstructionPage::ConstructionPage(char decimalSeparator, QWidget *parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(10);
    buildLyotFrame();
    buildFieldFrame();
    buildCameraFrame();
    column->addStretch(1);

    std::vector<QWidget *> results;
    const auto collect = [&results](const auto &labels) { results.insert(results.end(), labels.begin(), labels.end()); };
    collect(pupil_);
    collect(field_);
    collect(cameraResults_);
    stale_ = std::make_unique<StaleResults>(results, nullptr);
    keepLaidOutSize(this, QList<QWidget *>(results.begin(), results.end()));
}

ConstructionPage::~ConstructionPage() = default;

void ConstructionPage::buildLyotFrame()
{
    QVBoxLayout *column = addFrame(this, "Framelyot", "Diaphragme de Lyot");
    addResults(column, kPupil, pupil_);
    addNote(column, "Labeldiaph",
            "Faites le diaphragme un peu plus petit que cette pupille (souvent 80 à 90 %) : voir l'aide.");
}

void ConstructionPage::buildFieldFrame()
{
    QVBoxLayout *column = addFrame(this, "Framechamp", "Champ sans vignettage (R☉ : rayon solaire apparent)");
    addResults(column, kField, field_);
    addNote(column, "Labelecart", "O3' est compté à 50 mm derrière O3, l'écart du dessin du montage.");
}

void ConstructionPage::buildCameraFrame()
{
    QVBoxLayout *column = addFrame(this, "Framecamera", "Caméra au foyer final");
    QWidget *frame = column->parentWidget();
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    for (std::size_t i = 0; i < camera_.size(); ++i) {
        const CameraField &design = kCameraFields[i];
        QString first = QString::fromLatin1(design.first);
        first.replace(QLatin1Char('.'), QLatin1Char(decimalSeparator_));
        const QString key = QString::fromLatin1(design.key);
        camera_[i] = makeTextBox(frame, design.name, QSettings().value(key, first).toString());
        camera_[i]->setFixedWidth(kCameraFieldWidth);
        // Kept as typed, whatever it holds: the next session shows it again.
        connect(camera_[i], &QLineEdit::textEdited, this, [key](const QString &text) { QSettings().setValue(key, text); });
        auto *label = makeLabel(frame, design.label, QString::fromUtf8(design.labelText));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);  // level with its field's text
        row->addWidget(label);
        row->addWidget(camera_[i]);
        if (i == 0)
            row->addSpacing(12);  // the sensor's two fields go together
    }
    row->addSpacing(12);
    cmdcamera_ = makeButton(frame, "Cmdcamera", QStringLiteral("Calculer"));
    connect(cmdcamera_, &QAbstractButton::clicked, this, &ConstructionPage::calculationRequested);
    row->addWidget(cmdcamera_);
    row->addStretch(1);
    column->addLayout(row);
    addResults(column, kCameraResults, cameraResults_);
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
    const auto failure = [](const std::string &error) { return std::vector<std::string>{"Calcul impossible : " + error}; };
    showTexts(pupil_, {builder->pupil}, false);
    if (builder->field.ok()) {
        const FieldResult &field = builder->field.value();
        showTexts(field_, {field.lenses[0], field.lenses[1], field.lenses[2], field.instrument}, false);
    } else {
        showTexts(field_, failure(builder->field.error()), true);
    }
    if (builder->camera.ok()) {
        std::vector<std::string> texts;
        for (std::string CameraResult::*text : kCameraTexts)
            texts.push_back(builder->camera.value().*text);
        showTexts(cameraResults_, texts, false);
    } else {
        showTexts(cameraResults_, failure(builder->camera.error()), true);
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
