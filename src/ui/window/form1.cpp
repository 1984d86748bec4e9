#include "ui/window/form1.h"

#include "ui/actions/file_menu.h"
#include "ui/actions/period_dialog.h"
#include "ui/actions/view_menu.h"
#include "ui/doc/doc_page.h"
#include "ui/pages/about_page.h"
#include "ui/pages/construction_page.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/pages/optics_page.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/message_line.h"
#include "ui/widgets/picture_area.h"
#include "ui/widgets/twips_rect.h"
#include "ui/window/params_loader.h"
#include "ui/window/sun_tools.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>

#include <memory>

namespace brelo {

namespace {

const char *const kCaption = QT_TRANSLATE_NOOP(
    "brelo::Form1",
    "BRELO  -  Programme d'Aide au Calcul d'un Coronographe de Lyot  -  Calcul d'éphémérides solaires");

// The tabs' captions, in the order of the pages.
const char *const kTabCaptions[] = {
    QT_TRANSLATE_NOOP("brelo::Form1", "Calcul Optique"),
    QT_TRANSLATE_NOOP("brelo::Form1", "Doc HTML"),
    QT_TRANSLATE_NOOP("brelo::Form1", "Ephémérides Solaires"),
    QT_TRANSLATE_NOOP("brelo::Form1", "A Propos"),
    QT_TRANSLATE_NOOP("brelo::Form1", "Construction"),
};

// The user's decimal separator, chosen once: the same for reading the fields
// and for writing the results.
char localeSeparator()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

// The designed light colours, whatever the desktop's theme: a dark theme would
// otherwise turn the pages dark under the blue remark and the labels on pink.
QPalette designedPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette(QColor(240, 240, 240));
}

QMenu *addMenu(QMenuBar *bar, DesignTexts &texts, const char *name, const char *title)
{
    QMenu *menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    texts.keep(menu, title);
    return menu;
}

} // namespace

QDateTime Form1::systemClock() { return QDateTime::currentDateTimeUtc(); }

Form1::Form1(Clock clock, QWidget *parent, const QString &parametersFile)
    : QMainWindow(parent), decimalSeparator_(localeSeparator()), parametersFile_(parametersFile),
      texts_(new DesignTexts("brelo::Form1", this)), messages_(new MessageLine(this))
{
    setObjectName(QStringLiteral("Form1"));
    texts_->keep([this] { setWindowTitle(tr(kCaption)); });
    setFont(designFont());
    setPalette(designedPalette());

    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(11895), twipsToPixels(7950));
    setCentralWidget(client);
    tabs_ = new QTabWidget(client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(twipsRect(60, 60, 11775, 7815));
    optics_ = new OpticsPage(decimalSeparator_, *messages_, tabs_);
    doc_ = new DocPage(tabs_);
    ephemeris_ = new EphemerisPage(decimalSeparator_, *messages_, std::move(clock), tabs_);
    about_ = new AboutPage(tabs_);
    construction_ = new ConstructionPage(decimalSeparator_, tabs_);
    for (QWidget *page : std::initializer_list<QWidget *>{optics_, doc_, ephemeris_, about_, construction_})
        tabs_->addTab(page, QString());  // Construction after the designed four
    texts_->keep([this] {
        for (int i = 0; i < tabs_->count(); ++i)
            tabs_->setTabText(i, tr(kTabCaptions[i]));
    });
    tabs_->setCurrentIndex(0);
    setWindowIcon(QIcon(QStringLiteral(":/brelo/brelo.svg")));  // the About page registered the resources

    statusBar()->addWidget(messages_, 1);
    statusBar()->setSizeGripEnabled(false);
    // A passing notice hides the message line for a while: the window keeps its height.
    statusBar()->setMinimumHeight(statusBar()->sizeHint().height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    sunTools_ = new SunTools(*this, *ephemeris_, [this](const QString &text) {
        text.isEmpty() ? statusBar()->clearMessage() : statusBar()->showMessage(text);
    }, decimalSeparator_);
    buildMenus();

    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        runOptics();
        runEphemeris();
        fileMenu_->pageChanged();
    });
    connect(ephemeris_, &EphemerisPage::periodRequested, this, &Form1::openPeriodTable);
    // Every optics run, whatever started it, reads the camera from the
    // Construction page and shows it its numbers.
    optics_->setCameraTexts([this] { return construction_->cameraInput(); });
    connect(optics_, &OpticsPage::builderChanged, construction_, &ConstructionPage::showNumbers);
    connect(optics_, &OpticsPage::builderRetold, construction_, &ConstructionPage::retellNumbers);
    connect(construction_, &ConstructionPage::calculationRequested, this, &Form1::runOptics);
    connect(ephemeris_, &EphemerisPage::dayRequested, sunTools_, &SunTools::openSunDay);

    // Start-up: the parameters file, then the window sees every key first, the
    // clock copied. The drawing's labels and the viewer are hidden by their pages.
    loadParameters();
    qApp->installEventFilter(this);
    ephemeris_->fillDateTimeFromClock();
}

Form1::~Form1() { qApp->removeEventFilter(this); }

// Fichier, Affichage, Quitter, Aide, in this order on the menu bar.
void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = addMenu(bar, *texts_, "menufichier", QT_TR_NOOP("&Fichier"));
    QMenu *view = addMenu(bar, *texts_, "affichage1", QT_TR_NOOP("Affichage"));
    QMenu *quit = addMenu(bar, *texts_, "quit1", QT_TR_NOOP("Quitter"));
    QMenu *help = addMenu(bar, *texts_, "menuaide", QT_TR_NOOP("&Aide"));

    fileMenu_ = new FileMenu(
        *this, *this, *this, parametersFile_,
        [this] {
            // The help page lives on the Doc HTML tab; the page change runs as a click on the tab would.
            tabs_->setCurrentWidget(doc_);
            doc_->openHelp();
        },
        [this] {
            runOptics();
            runEphemeris();
        });
    fileMenu_->fill(*file, *help);
    fillViewMenu(*view, ephemeris_->discPicture(),
                 {[this](bool on) { optics_->setParaxialRays(on); }, [this](bool on) { setDiscZenithUp(on); },
                  [this] { openPeriodTable(); }, [this] { sunTools_->openSunDay(); }});
    QAction *discTemplate = file->addAction(QString());
    discTemplate->setObjectName(QStringLiteral("menugabarit"));
    texts_->keep(discTemplate, QT_TR_NOOP("Imprimer un &gabarit du disque…"),
                 QT_TR_NOOP("Imprime ou exporte en PDF un disque à la vraie taille, orienté pour l'instant de la page"));
    connect(discTemplate, &QAction::triggered, sunTools_, &SunTools::openDiscTemplate);
    QAction *menuquit = quit->addAction(QString());
    menuquit->setObjectName(QStringLiteral("menuquit"));
    texts_->keep(menuquit, QT_TR_NOOP("&Quitter"));
    menuquit->setShortcut(QKeySequence::Quit);
    connect(menuquit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void Form1::loadParameters()
{
    const ParamsLoad load = parametersFile_.isEmpty() ? loadParamsFile(QDir::currentPath(), decimalSeparator_)
                                                      : loadParamsFileAt(parametersFile_, decimalSeparator_);
    if (load.fields)
        setParameterTexts(*load.fields);
    startupMessage_ = load.message;
    startupMessageAgain_ = load.messageAgain;
    messages_->setMessage(MessageLine::Source::ParamsFile, startupMessage_);
    // Told until the first good run, in the language in use.
    connect(texts_, &DesignTexts::retranslated, this, [this] {
        if (!messages_->message(MessageLine::Source::ParamsFile).isEmpty() && startupMessageAgain_) {
            startupMessage_ = startupMessageAgain_();
            messages_->setMessage(MessageLine::Source::ParamsFile, startupMessage_);
        }
    });
}

ParamsFields Form1::parameterTexts() const
{
    ParamsFields texts;
    std::size_t i = 0;
    for (const QLineEdit *box : optics_->parameterBoxes())
        texts[i++] = box->text().toStdString();
    for (const QLineEdit *box : ephemeris_->parameterBoxes())
        texts[i++] = box->text().toStdString();
    return texts;
}

void Form1::setParameterTexts(const ParamsFields &texts)
{
    std::size_t i = 0;
    for (QLineEdit *box : optics_->parameterBoxes())
        box->setText(QString::fromStdString(texts[i++]));
    for (QLineEdit *box : ephemeris_->parameterBoxes())
        box->setText(QString::fromStdString(texts[i++]));
    optics_->showOwnO3b();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Key preview: Enter runs the optics from any control of the window, and the
    // ephemeris too while its page is shown. Only the first delivery counts (a
    // key the control ignores travels on to its parents), and the key goes on
    // to the control.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QWidget *focus = QApplication::focusWidget();
        QWidget *receiver = focus && focus->window() == this ? focus : this;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched == receiver) {
            runOptics();
            // The page shown must not keep results of fields the user has since changed.
            if (tabs_->currentWidget() == ephemeris_)
                runEphemeris();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::runOptics() { optics_->run(); }
void Form1::runEphemeris() { ephemeris_->run(); }

void Form1::redrawPictures()
{
    optics_->redraw();
    ephemeris_->redraw();
}

void Form1::setDiscZenithUp(bool on)
{
    ephemeris_->setDiscZenithUp(on);
    sunTools_->discTurned();
}

void Form1::openPeriodTable()
{
    periodDialog_ = showPeriodDialog(*this, periodDialog_, [this] { return ephemeris_->fieldTexts(); },
                                     decimalSeparator_);
}

QString Form1::shownMessage() const { return messages_->text(); }

std::optional<ResultsPage> Form1::shownResultsPage() const
{
    // The Construction page shows the optics run's numbers too.
    if (tabs_->currentWidget() == optics_ || tabs_->currentWidget() == construction_)
        return ResultsPage::Optics;
    if (tabs_->currentWidget() == ephemeris_)
        return ResultsPage::Ephemeris;
    return std::nullopt;
}

const std::optional<OpticsRun> &Form1::lastOptics() const { return optics_->lastRun(); }
const std::optional<EphemerisRun> &Form1::lastEphemeris() const { return ephemeris_->lastRun(); }
bool Form1::discZenithUp() const { return ephemeris_->discZenithUp(); }

bool Form1::shownRunFailed() const
{
    const std::optional<ResultsPage> page = shownResultsPage();
    return page && (*page == ResultsPage::Optics ? optics_->resultsStale() : ephemeris_->resultsStale());
}

double Form1::pictureZoom() const { return ephemeris_->discPicture().zoom(); }

PainterCanvas::ColorOf Form1::pictureColors() const
{
    const PictureArea *picture = &ephemeris_->discPicture();
    return [picture](CanvasColor color) { return picture->colorOf(color); };
}

} // namespace brelo
