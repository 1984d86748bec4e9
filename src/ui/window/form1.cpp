#include "ui/window/form1.h"

#include "ui/pages/about_page.h"
#include "ui/widgets/cached_tab_widget.h"
#include "ui/widgets/controls.h"
#include "ui/actions/file_menu.h"
#include "ui/pages/instant_lines.h"
#include "ui/widgets/message_line.h"
#include "ui/widgets/one_row_list_view.h"
#include "ui/pages/pages.h"
#include "ui/window/spin_table.h"
#include "ui/widgets/stale_results.h"
#include "ui/actions/view_menu.h"
#include "ui/widgets/twips_rect.h"
#include "ui/widgets/yearly_list_model.h"
#include "core/common/numeric_text.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/layout_drawing.h"
#include "ui/widgets/picture_area.h"
#include "core/drawing/zenith_up_disc.h"
#include "core/ephemeris/calculephem.h"
#include "ui/doc/doc_page.h"
#include "ui/window/params_loader.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>
#include <memory>

namespace brelo {

namespace {

const char *const kCaption =
    "BRELO  -  Programme d'Aide au Calcul d'un Coronographe de Lyot  -  Calcul d'éphémérides solaires";

constexpr Rgb kRed{255, 0, 0};

// Status-line messages say which page's computation failed.
const char *const kOpticsFailed = "Calcul Optique — ";
const char *const kEphemerisFailed = "Ephémérides Solaires — ";

// The user's decimal separator, chosen once: the same for reading the fields
// and for writing the results.
char localeSeparator()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// The designed light colours, whatever the desktop's theme: a dark theme would
// otherwise turn the pages dark under the blue remark and the labels on pink.
QPalette designedPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette(QColor(240, 240, 240));
}

// brelo.dat's thirteen fields, in the file's order.
const char *const kParameterBoxes[kParamsFieldCount] = {
    "Txtfoco1", "Txtdo1", "Txtfoco2", "Txtdo2", "Txtdiscoc", "Txtfoco3a", "Txtdo3a",
    "Txtfoco3b", "Txtdo3b", "txtlatideg", "txtlatimin", "txtlongideg", "txtlongimin",
};

// The drawing's labels, in the order the start-up hides them and a drawing shows them.
const char *const kElementLabels[] = {"lblpico1", "Lblpicdo", "Lblpico2", "Lblpicdia", "Lblpico3", "Lblpicfoy"};

// The picture's compass labels, which stand still while the disc turns.
const char *const kCompassLabels[] = {"Label31", "Label30", "Label28", "Label29"};

// The O3' controls, in the order Chko3 enables or disables them.
const char *const kO3bControls[] = {"Txtfoco3b", "Txtdo3b", "UpDown8", "UpDown9"};

struct OpticsLabel {
    const char *name;
    std::string OpticsResult::*text;
};
const OpticsLabel kOpticsLabels[] = {
    {"Lblb", &OpticsResult::lblb},
    {"Lblx", &OpticsResult::lblx},
    {"Lblc", &OpticsResult::lblc},
    {"Lblfocresult", &OpticsResult::lblfocresult},
    {"Lblfd", &OpticsResult::lblfd},
    {"Lbldiscmin", &OpticsResult::lbldiscmin},
    {"Lbldiscmax", &OpticsResult::lbldiscmax},
};

struct EphemerisLabel {
    const char *name;
    std::string EphemerisResult::*text;
};
const EphemerisLabel kEphemerisLabels[] = {
    {"lblad", &EphemerisResult::lblad}, {"lbldec", &EphemerisResult::lbldec},
    {"lblah", &EphemerisResult::lblah}, {"lblh", &EphemerisResult::lblh},
    {"lblaz", &EphemerisResult::lblaz}, {"lblr", &EphemerisResult::lblr},
    {"lblp", &EphemerisResult::lblp},   {"lblb0", &EphemerisResult::lblb0},
    {"lbll0", &EphemerisResult::lbll0}, {"lblksi", &EphemerisResult::lblksi},
};

// The drawing reads six fields itself; name the first one it cannot use.
struct LayoutField {
    std::string LayoutInput::*text;
    const char *frenchName;
};
const LayoutField kLayoutFields[] = {
    {&LayoutInput::foco1, "la focale de O1"},    {&LayoutInput::do1, "le diamètre de O1"},
    {&LayoutInput::do2, "le diamètre de O2"},    {&LayoutInput::discoc, "la distance A"},
    {&LayoutInput::do3a, "le diamètre de O3"},   {&LayoutInput::do3b, "le diamètre de O3'"},
};

std::string layoutProblem(const LayoutInput &input, char separator)
{
    for (const LayoutField &field : kLayoutFields) {
        const NumericText read = readNumber(input.*field.text, separator);
        if (!read.ok())
            return fieldProblem(field.frenchName, input.*field.text, read.error);  // the same words as calcul's
    }
    return "une valeur est trop grande pour être dessinée.";
}

} // namespace

QDateTime Form1::systemClock() { return QDateTime::currentDateTimeUtc(); }

Form1::Form1(Clock clock, QWidget *parent, const QString &parametersFile)
    : QMainWindow(parent), clock_(std::move(clock)), decimalSeparator_(localeSeparator()),
      listdiam_(new YearlyListModel(YearlyListModel::Table::OccultingDisc, decimalSeparator_, this)),
      listdimfoy_(new YearlyListModel(YearlyListModel::Table::FinalImage, decimalSeparator_, this))
{
    parametersFile_ = parametersFile;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFont(windowFont());
    setPalette(designedPalette());

    QMenu *quit = menuBar()->addMenu(QStringLiteral("Quitter"));
    quit->setObjectName(QStringLiteral("quit1"));
    QAction *menuquit = quit->addAction(QStringLiteral("&Quitter"));
    menuquit->setObjectName(QStringLiteral("menuquit"));
    menuquit->setShortcut(QKeySequence::Quit);
    connect(menuquit, &QAction::triggered, qApp, &QCoreApplication::quit);

    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(11895), twipsToPixels(7950));
    setCentralWidget(client);
    auto *tabs = new CachedTabWidget(client);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(twipsRect(60, 60, 11775, 7815));
    tabs->addTab(buildOpticsPage(tabs, decimalSeparator_, listdiam_, listdimfoy_), QStringLiteral("Calcul Optique"));
    tabs->addTab(new DocPage(tabs), QStringLiteral("Doc HTML"));
    tabs->addTab(buildEphemerisPage(tabs, decimalSeparator_), QString::fromUtf8("Ephémérides Solaires"));
    aboutPage_ = new AboutPage(tabs);
    tabs->addTab(aboutPage_, QStringLiteral("A Propos"));
    tabs->setCurrentIndex(0);
    tabs_ = tabs;
    setWindowIcon(QIcon(QStringLiteral(":/brelo/brelo.svg")));  // the pages registered the resources
    installFileMenu(*this);

    messages_ = new MessageLine(statusBar());
    statusBar()->addWidget(messages_, 1);
    statusBar()->setSizeGripEnabled(false);
    // A passing notice hides the message line for a while: the window keeps its height.
    statusBar()->setMinimumHeight(statusBar()->sizeHint().height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    addControls(this);
    connect(aboutPage_, &AboutPage::built, this, [this](QWidget *contents) {
        addControls(aboutPage_);
        emit pageBuilt(contents);
    });
    picture1_ = qobject_cast<PictureArea *>(control(QStringLiteral("Picture1")));
    picture3_ = qobject_cast<PictureArea *>(control(QStringLiteral("Picture3")));
    lblrem_ = qobject_cast<QLabel *>(control(QStringLiteral("Lblrem")));
    chko3_ = qobject_cast<QCheckBox *>(control(QStringLiteral("Chko3")));
    chkchem_ = qobject_cast<QCheckBox *>(control(QStringLiteral("Chkchem")));
    updownech_ = qobject_cast<SpinButton *>(control(QStringLiteral("UpDownech")));
    ephemerisPage_ = control(QStringLiteral("Frame4"))->parentWidget();
    buildStaleResults();
    connectEvents();

    // Start-up: the parameters file, then the window sees every key first (the
    // viewer hides itself), the drawing's labels hidden, the clock copied.
    loadParameters();
    qApp->installEventFilter(this);
    for (const char *name : kElementLabels)
        control(QString::fromLatin1(name))->hide();
    fillDateTimeFromClock();
    installViewMenu(*this);
}

Form1::~Form1() { qApp->removeEventFilter(this); }  // out of line: StaleResults is complete here

// The named controls under `root`; the tab bar's own scroll arrows are not ours.
void Form1::addControls(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !qobject_cast<QTabBar *>(widget->parentWidget()))
            controls_.insert(name, widget);
    }
}

QWidget *Form1::waitingControl(const QString &name) const
{
    return aboutPage_->build() ? controls_.value(name) : nullptr;
}

QStringList Form1::controlNames() const
{
    aboutPage_->build();
    QStringList names = controls_.keys();
    names.sort();
    return names;
}

QLineEdit *Form1::box(const char *name) const
{
    return static_cast<QLineEdit *>(controls_.value(QString::fromLatin1(name)));
}

std::string Form1::text(const char *name) const { return box(name)->text().toStdString(); }

void Form1::loadParameters()
{
    const ParamsLoad load = parametersFile_.isEmpty() ? loadParamsFile(QDir::currentPath(), decimalSeparator_)
                                                      : loadParamsFileAt(parametersFile_, decimalSeparator_);
    if (load.fields)
        setParameterTexts(*load.fields);
    startupMessage_ = load.message;
    messages_->setMessage(MessageLine::Source::ParamsFile, startupMessage_);
}

void Form1::buildStaleResults()
{
    const auto widgets = [this](const auto &names) {
        std::vector<QWidget *> found;
        for (const auto &entry : names)
            found.push_back(control(QString::fromLatin1(entry.name)));
        return found;
    };
    std::vector<QWidget *> optics = widgets(kOpticsLabels);
    optics.push_back(control(QStringLiteral("Listdiam")));
    optics.push_back(control(QStringLiteral("Listdimfoy")));
    opticsResults_ = std::make_unique<StaleResults>(optics, picture1_);
    ephemerisResults_ = std::make_unique<StaleResults>(widgets(kEphemerisLabels), picture3_);
}

ParamsFields Form1::parameterTexts() const
{
    ParamsFields texts;
    for (int i = 0; i < kParamsFieldCount; ++i)
        texts[i] = text(kParameterBoxes[i]);
    return texts;
}

void Form1::setParameterTexts(const ParamsFields &texts)
{
    for (int i = 0; i < kParamsFieldCount; ++i)
        box(kParameterBoxes[i])->setText(QString::fromStdString(texts[i]));
    // A file that gives O3' its own values shows them visible and editable,
    // rather than used while greyed out under a box saying "identical".
    if (chko3_->isChecked()
        && (box("Txtfoco3b")->text() != box("Txtfoco3a")->text() || box("Txtdo3b")->text() != box("Txtdo3a")->text())) {
        chko3_->setChecked(false);
        setO3bEditable(true);
    }
}

void Form1::fillDateTimeFromClock()
{
    const QDateTime now = clock_().toUTC();
    const int parts[] = {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                         now.time().minute()};
    const char *const fields[] = {"txtann", "txtmois", "txtjour", "txtheur", "txtminut"};
    for (int i = 0; i < 5; ++i)
        box(fields[i])->setText(QString::number(parts[i]));
}

void Form1::connectEvents()
{
    for (const SpinDeclaration &entry : spinTable()) {
        auto *spin = static_cast<SpinButton *>(control(QString::fromLatin1(entry.name)));
        if (entry.buddy)
            spin->setBuddy(box(entry.buddy));
        switch (entry.work) {
        case SpinWork::Optics:
            connect(spin, &SpinButton::changed, this, &Form1::runOptics);
            break;
        case SpinWork::Ephemeris:
            connect(spin, &SpinButton::changed, this, &Form1::runEphemeris);
            break;
        }
    }
    const auto button = [this](const char *name) {
        return static_cast<QAbstractButton *>(control(QString::fromLatin1(name)));
    };
    connect(button("Cmdcalc"), &QAbstractButton::clicked, this, &Form1::runOptics);
    connect(chkchem_, &QAbstractButton::clicked, this, &Form1::runOptics);
    connect(chko3_, &QAbstractButton::clicked, this, &Form1::chko3Clicked);
    connect(button("Command2"), &QAbstractButton::clicked, this, &Form1::runEphemeris);
    connect(button("cmdmaint"), &QAbstractButton::clicked, this, [this] {
        fillDateTimeFromClock();
        runEphemeris();
    });
    connect(static_cast<QTabWidget *>(control(QStringLiteral("SSTab1"))), &QTabWidget::currentChanged, this, [this] {
        runOptics();
        runEphemeris();
    });
}

void Form1::copyO3ToO3b()
{
    box("Txtfoco3b")->setText(box("Txtfoco3a")->text());
    box("Txtdo3b")->setText(box("Txtdo3a")->text());
}

void Form1::setO3bEditable(bool editable)
{
    for (const char *name : kO3bControls)
        control(QString::fromLatin1(name))->setEnabled(editable);
}

void Form1::chko3Clicked()
{
    copyO3ToO3b();
    setO3bEditable(!chko3_->isChecked());
    runOptics();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Key preview: Enter runs the optics from any control of the window, and the
    // ephemeris too while its page is shown. Only
    // the first delivery counts (a key the control ignores travels on to its
    // parents), and the key goes on to the control.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QWidget *focus = QApplication::focusWidget();
        QWidget *receiver = focus && focus->window() == this ? focus : this;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched == receiver) {
            runOptics();
            // The page shown must not keep results of fields the user has since changed.
            if (tabs_->currentWidget() == ephemerisPage_)
                runEphemeris();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::showRemark(const Remark &remark)
{
    // Lblrem is written here alone: the same remark again leaves it as it is,
    // without resolving its palette and font anew.
    if (remark == shownRemark_)
        return;
    shownRemark_ = remark;
    lblrem_->setText(QString::fromStdString(remark.text));
    setTextColor(lblrem_, remark.color);
    setBold(lblrem_, remark.bold);
}

void Form1::runOptics()
{
    // "Objectifs O3 et O3' identiques" holds for every run, whatever started it.
    if (chko3_->isChecked())
        copyO3ToO3b();
    const OpticsInput input{text("Txtfoco1"), text("Txtdo1"), text("Txtfoco2"),
                            text("Txtdiscoc"), text("Txtfoco3a"), text("Txtfoco3b")};
    // The lists write the rows they show; a file asks for the rest through lastOptics().
    const Outcome<OpticsResult> outcome = calcul(input, decimalSeparator_, YearRowTexts::Left);
    if (!outcome.ok()) {
        showRemark(failureRemark(outcome.error()));
        showFailure(MessageLine::Source::Optics, *opticsResults_, StaleResults::TextsAndPicture,
                    QString::fromUtf8(kOpticsFailed) + QStringLiteral("calcul impossible : ")
                        + QString::fromStdString(outcome.error()));
        return;
    }
    const OpticsResult &result = outcome.value();
    for (const OpticsLabel &label : kOpticsLabels)
        static_cast<QLabel *>(control(QString::fromLatin1(label.name)))
            ->setText(QString::fromStdString(result.*label.text));
    listdiam_->addRun(result.imageScale, result.magnification);
    listdimfoy_->addRun(result.imageScale, result.magnification);
    for (const char *name : {"Listdiam", "Listdimfoy"})
        showNewestRun(static_cast<OneRowListView *>(control(QString::fromLatin1(name))));
    showSuccess(MessageLine::Source::Optics, *opticsResults_);
    showRemark(result.remark);
    opticalState_ = result.state;
    lastOptics_ = OpticsRun{input, result, {}, 0, false, false};
    drawLayout();
}

const std::optional<OpticsRun> &Form1::lastOptics() const
{
    if (lastOptics_ && !lastOptics_->yearRowsWritten) {
        writeYearRows(lastOptics_->result, decimalSeparator_);
        lastOptics_->yearRowsWritten = true;
    }
    return lastOptics_;
}

// A list shows one row: after a run it shows the newest run, at the date the
// user was looking at, so that an older run's row never passes for the new one.
void Form1::showNewestRun(OneRowListView *list)
{
    list->verticalScrollBar()->setValue(list->topRow() % kYearRows);
    if (list->currentRow() >= 0)
        list->setCurrentRow(list->currentRow() % kYearRows);
}

bool Form1::drawLayout()
{
    const LayoutInput input{text("Txtfoco1"), text("Txtdo1"), text("Txtdo2"),
                            text("Txtdiscoc"), text("Txtdo3a"), text("Txtdo3b")};
    const PictureArea::Showing showing(*picture1_);
    const std::optional<LayoutLabelEdges> edges =
        dessin(*picture1_, input, opticalState_, updownech_->value(), chkchem_->isChecked(), decimalSeparator_);
    if (!edges) {
        const std::string problem = layoutProblem(input, decimalSeparator_);
        showRemark({"REMARQUE: dessin impossible — " + problem, kRed, true});
        showFailure(MessageLine::Source::Optics, *opticsResults_, StaleResults::PictureOnly,
                    QString::fromUtf8(kOpticsFailed) + QStringLiteral("dessin impossible : ")
                        + QString::fromStdString(problem));
        return false;
    }
    if (lastOptics_) {
        lastOptics_->layout = input;
        lastOptics_->scaleSetting = updownech_->value();
        lastOptics_->rays = chkchem_->isChecked();
    }
    moveElementLabels(*edges);
    return true;
}

void Form1::moveElementLabels(const LayoutLabelEdges &edges)
{
    for (const char *name : kElementLabels)
        control(QString::fromLatin1(name))->show();
    const std::pair<const char *, double> moves[] = {
        {"Lblpicdo", edges.lblpicdo}, {"Lblpico2", edges.lblpico2}, {"Lblpicdia", edges.lblpicdia},
        {"Lblpico3", edges.lblpico3}, {"Lblpicfoy", edges.lblpicfoy},
    };
    for (const auto &[name, edge] : moves) {
        QWidget *label = control(QString::fromLatin1(name));
        const double twips = edge - kLayoutLeftEdge;
        label->move(PictureArea::kBorderPx + twipsToPixels(twips * picture1_->zoom()), label->y());
        elementLeftTwips_.insert(label, twips);
    }
}

void Form1::runEphemeris()
{
    const EphemerisInput input{text("txtann"),     text("txtmois"),    text("txtjour"),
                               text("txtheur"),    text("txtminut"),   text("txtlatideg"),
                               text("txtlatimin"), text("txtlongideg"), text("txtlongimin")};
    const Outcome<EphemerisResult> outcome = calculephem(input, decimalSeparator_);
    if (!outcome.ok()) {
        // P and B0 stay those of the last good run, which the disc shows.
        showFailure(MessageLine::Source::Ephemeris, *ephemerisResults_, StaleResults::TextsAndPicture,
                    QString::fromUtf8(kEphemerisFailed) + QString::fromStdString(outcome.error()));
        showInstantLines(*this, nullptr, decimalSeparator_);
        return;
    }
    const EphemerisResult &result = outcome.value();
    anglep_ = result.anglep;
    latb0_ = result.latb0;
    northZenith_ = static_cast<float>(result.values.northZenithDeg);
    lastEphemeris_ = EphemerisRun{input, result};
    for (const EphemerisLabel &label : kEphemerisLabels)
        static_cast<QLabel *>(control(QString::fromLatin1(label.name)))
            ->setText(QString::fromStdString(result.*label.text));
    showSuccess(MessageLine::Source::Ephemeris, *ephemerisResults_);
    showInstantLines(*this, &result, decimalSeparator_);
    drawDisc();
}

void Form1::drawDisc()
{
    const PictureArea::Showing showing(*picture3_);
    if (discZenithUp_)
        dessinephemZenithUp(*picture3_, anglep_, latb0_, northZenith_);
    else
        dessinephem(*picture3_, anglep_, latb0_);
}

void Form1::setDiscZenithUp(bool on)
{
    discZenithUp_ = on;
    for (const char *name : kCompassLabels)
        control(QString::fromLatin1(name))->setVisible(!on);
    if (latb0_)  // blank until the first ephemeris
        drawDisc();
}

// A failed run leaves the previous results on screen, greyed, and says on the
// status line what failed, until that computation's next good run.
void Form1::showFailure(MessageLine::Source source, StaleResults &results, StaleResults::Extent extent,
                        const QString &message)
{
    messages_->setMessage(source, message);
    results.setStale(extent);
}

void Form1::showSuccess(MessageLine::Source source, StaleResults &results)
{
    messages_->clearMessage(source);
    messages_->clearMessage(MessageLine::Source::ParamsFile);  // told until the first good run
    results.setStale(StaleResults::Nothing);
}

QString Form1::shownMessage() const { return messages_->text(); }

bool Form1::opticsStale() const { return opticsResults_->textsStale(); }
bool Form1::layoutStale() const { return opticsResults_->pictureStale(); }
bool Form1::ephemerisStale() const { return ephemerisResults_->textsStale(); }

double Form1::leftTwips(const QWidget *widget) const
{
    if (const auto moved = elementLeftTwips_.constFind(widget); moved != elementLeftTwips_.cend())
        return *moved;
    const int border = qobject_cast<const PictureArea *>(widget->parentWidget()) ? PictureArea::kBorderPx : 0;
    const auto *picture = qobject_cast<const PictureArea *>(widget->parentWidget());
    return (widget->x() - border) * kTwipsPerPixel / (picture ? picture->zoom() : 1.0);
}

void Form1::redrawPictures()
{
    if (lastOptics_) {
        const OpticsRun &run = *lastOptics_;
        const PictureArea::Showing showing(*picture1_);
        if (const auto edges = dessin(*picture1_, run.layout, opticalState_, run.scaleSetting, run.rays, decimalSeparator_))
            moveElementLabels(*edges);
    }
    if (lastEphemeris_)
        drawDisc();
}

int Form1::yearlyRuns() const { return listdiam_->runCount(); }

} // namespace brelo
