#include "ui/actions/file_menu.h"

#include "ui/actions/atomic_file.h"
#include "ui/actions/drawing_export.h"
#include "core/formats/results_text.h"
#include "ui/actions/file_dialogs.h"
#include "ui/window/page_results.h"
#include "ui/actions/print_page.h"
#include "ui/window/params_loader.h"
#include "core/formats/params_writer.h"
#include "core/formats/results_csv.h"
#include "ui/widgets/design_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>

namespace brelo {

namespace {

QStringList paramsFilters()
{
    return {FileMenu::tr("Paramètres BRELO (*.dat)"), FileMenu::tr("Tous les fichiers (*)")};
}

// The drawing's formats, in the order of the export dialog's filters.
struct DrawingChoice {
    const char *filter;
    DrawingFormat format;
    int scale;
    const char *extension;
};
const DrawingChoice kDrawingChoices[] = {
    {QT_TRANSLATE_NOOP("brelo::FileMenu", "Image PNG, taille de l'écran (*.png)"), DrawingFormat::Png, 1, "png"},
    {QT_TRANSLATE_NOOP("brelo::FileMenu", "Image PNG, 2 × la taille de l'écran (*.png)"), DrawingFormat::Png, 2, "png"},
    {QT_TRANSLATE_NOOP("brelo::FileMenu", "Image PNG, 4 × la taille de l'écran (*.png)"), DrawingFormat::Png, 4, "png"},
    {QT_TRANSLATE_NOOP("brelo::FileMenu", "Dessin vectoriel SVG (*.svg)"), DrawingFormat::Svg, 1, "svg"},
    {QT_TRANSLATE_NOOP("brelo::FileMenu", "Document PDF (*.pdf)"), DrawingFormat::Pdf, 1, "pdf"},
};

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// The format the user chose: the file's extension when it names one, else the filter.
const DrawingChoice &drawingChoice(const FileAnswer &answer)
{
    const DrawingChoice *byFilter = &kDrawingChoices[0];
    for (const DrawingChoice &choice : kDrawingChoices)
        if (FileMenu::tr(choice.filter) == answer.filter)
            byFilter = &choice;
    const QString suffix = QFileInfo(answer.path).suffix().toLower();
    if (suffix == QLatin1String(byFilter->extension))
        return *byFilter;
    for (const DrawingChoice &choice : kDrawingChoices)
        if (suffix == QLatin1String(choice.extension))
            return choice;
    return *byFilter;
}

// Printing on white is the choice for paper; the screen's colours stay one click away.
QAction *addWhitePaperChoice(QMenu &menu, DesignTexts &texts)
{
    QAction *action = menu.addAction(QString());
    action->setObjectName(QStringLiteral("menufondblanc"));
    action->setCheckable(true);
    action->setChecked(true);
    texts.keep(action, QT_TRANSLATE_NOOP("brelo::FileMenu", "Imprimer sur fond &blanc"),
               QT_TRANSLATE_NOOP("brelo::FileMenu", "Le dessin imprimé sur fond blanc, ses autres couleurs gardées ; "
                                                    "décoché, sur la couleur de l'écran"));
    return action;
}

OpticsPanelTexts panelTexts(const OpticsRun &run)
{
    return {run.input, run.layout.do2, run.layout.do3a, run.layout.do3b, run.camera};
}

const BuilderResult *builderOf(const OpticsRun &run) { return run.builder ? &*run.builder : nullptr; }

} // namespace

FileMenu::FileMenu(QWidget &window, ParameterFields &fields, const PageResults &results, QString parametersFile,
                   std::function<void()> showHelp, std::function<void()> recompute)
    : QObject(&window), window_(window), fields_(fields), results_(results),
      parametersPath_(std::move(parametersFile)), showHelp_(std::move(showHelp)), recompute_(std::move(recompute))
{
}

QString FileMenu::parametersPath() const
{
    return parametersPath_.isEmpty() ? QDir::current().filePath(QStringLiteral("brelo.dat")) : parametersPath_;
}

QString FileMenu::suggestedPath(const QString &fileName) const
{
    return QFileInfo(parametersPath()).dir().filePath(fileName);
}

void FileMenu::openParameters()
{
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Open, tr("Ouvrir des paramètres"), parametersPath(), paramsFilters()});
    if (!answer)
        return;
    const ParamsLoad load = loadParamsFileAt(answer->path, results_.decimalSeparator());
    if (!load.fields) {
        fileDialogs().tell(&window_, load.message, true);
        return;
    }
    // Every result on screen must belong to the inputs shown: both pages run again.
    fields_.setParameterTexts(*load.fields);
    parametersPath_ = QFileInfo(answer->path).absoluteFilePath();
    recompute_();
    QString told = tr("Paramètres lus dans « %1 ».").arg(shownPath(parametersPath_));
    if (!load.message.isEmpty())
        told += QLatin1Char(' ') + load.message;
    fileDialogs().tell(&window_, told, false);
}

bool FileMenu::writeParameters(const QString &path)
{
    const Outcome<std::string> text = paramsFileText(fields_.parameterTexts(), results_.decimalSeparator());
    if (!text.ok()) {
        // The writer names the field; the user must also learn that nothing was written.
        const QString why = QString::fromStdString(text.error());
        fileDialogs().tell(&window_, tr("Paramètres non enregistrés : %1").arg(why), true);
        return false;
    }
    const QString error = writeFileAtomically(path, QByteArray::fromStdString(text.value()));
    if (!error.isEmpty()) {
        fileDialogs().tell(&window_, error, true);
        return false;
    }
    fileDialogs().tell(&window_, tr("Paramètres enregistrés dans « %1 ».").arg(shownPath(path)), false);
    return true;
}

void FileMenu::saveParameters() { writeParameters(parametersPath()); }

void FileMenu::saveParametersAs()
{
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, tr("Enregistrer les paramètres sous"), parametersPath(), paramsFilters()});
    if (!answer)
        return;
    // « mon » becomes « mon.dat », which the open dialog's filter then shows.
    const QString path = QFileInfo(withExtension(answer->path, "dat")).absoluteFilePath();
    if (writeParameters(path))
        parametersPath_ = path;
}

// A page whose last run failed shows an older run's results, greyed: they
// leave the window no more than the screen passes them off as current.
bool FileMenu::refuseFailedRun()
{
    if (!results_.shownRunFailed())
        return false;
    fileDialogs().tell(&window_,
                       tr("Le dernier calcul de cette page a échoué (voir le message en bas de la fenêtre) : "
                          "corrigez les valeurs et relancez le calcul avant d'exporter, de copier ou d'imprimer."),
                       true);
    return true;
}

void FileMenu::exportDrawing()
{
    if (refuseFailedRun())
        return;
    QString reason;
    const std::optional<PageDrawing> drawing = pageDrawing(results_, &reason);
    if (!drawing) {
        fileDialogs().tell(&window_, reason, true);
        return;
    }
    QStringList filters;
    for (const DrawingChoice &choice : kDrawingChoices)
        filters << tr(choice.filter);
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, tr("Exporter le dessin"),
                 suggestedPath(drawing->baseName + QStringLiteral(".png")), filters});
    if (!answer)
        return;
    const DrawingChoice &choice = drawingChoice(*answer);
    const QString path = withExtension(answer->path, choice.extension);
    const QString error = writeFileAtomically(path, drawingFile(*drawing, choice.format, choice.scale));
    fileDialogs().tell(&window_, error.isEmpty() ? tr("Dessin exporté dans « %1 ».").arg(shownPath(path)) : error,
                       !error.isEmpty());
}

void FileMenu::exportResults()
{
    if (refuseFailedRun())
        return;
    const std::optional<ResultsPage> page = results_.shownResultsPage();
    std::string csv;
    if (page == ResultsPage::Optics && results_.lastOptics())
        csv = resultsCsv(panelTexts(*results_.lastOptics()), results_.lastOptics()->result, results_.decimalSeparator(),
                         builderOf(*results_.lastOptics()));
    else if (page == ResultsPage::Ephemeris && results_.lastEphemeris())
        csv = resultsCsv(results_.lastEphemeris()->input, results_.lastEphemeris()->result, results_.decimalSeparator());
    if (csv.empty()) {
        QString reason;
        shownResults(&reason);
        fileDialogs().tell(&window_, reason, true);
        return;
    }
    const QString name = page == ResultsPage::Optics ? tr("calcul-optique.csv") : tr("ephemerides.csv");
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, tr("Exporter les résultats"), suggestedPath(name), {tr("Tableau CSV (*.csv)")}});
    if (!answer)
        return;
    const QString path = withExtension(answer->path, "csv");
    const QString error = writeFileAtomically(path, QByteArray::fromStdString(csv));
    fileDialogs().tell(&window_, error.isEmpty() ? tr("Résultats exportés dans « %1 ».").arg(shownPath(path)) : error,
                       !error.isEmpty());
}

std::optional<ResultsText> FileMenu::shownResults(QString *reason) const
{
    const std::optional<ResultsPage> page = results_.shownResultsPage();
    if (page == ResultsPage::Optics && results_.lastOptics())
        return resultsText(panelTexts(*results_.lastOptics()), results_.lastOptics()->result,
                           builderOf(*results_.lastOptics()));
    if (page == ResultsPage::Ephemeris && results_.lastEphemeris())
        return resultsText(results_.lastEphemeris()->input, results_.lastEphemeris()->result);
    if (reason)
        *reason = page ? tr("Pas encore de résultats sur cette page : lancez d'abord le calcul.")
                       : tr("Cette page n'a pas de résultats : affichez la page « Calcul Optique » ou « Ephémérides "
                            "Solaires ».");
    return std::nullopt;
}

void FileMenu::copyResults()
{
    if (refuseFailedRun())
        return;
    QString reason;
    const std::optional<ResultsText> text = shownResults(&reason);
    if (!text) {
        fileDialogs().tell(&window_, reason, true);
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(plainText(*text)));
    fileDialogs().tell(&window_, tr("Résultats copiés dans le presse-papiers."), false);
}

void FileMenu::paintPage(QPrinter &printer)
{
    const std::optional<ResultsText> text = shownResults(nullptr);
    const std::optional<PageDrawing> drawing = pageDrawing(results_, nullptr);
    if (!text || !drawing)
        return;
    QPainter painter(&printer);
    // The painter's origin is the printable area's corner.
    const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    paintResultsPage(painter, QRect(QPoint(0, 0), printable), *text,
                     whitePaper_->isChecked() ? onWhitePaper(*drawing) : *drawing);
}

// A page is printed only with results and a drawing to put on it; else say why.
bool FileMenu::readyToPrint()
{
    if (refuseFailedRun())
        return false;
    QString reason;
    if (shownResults(&reason) && pageDrawing(results_, &reason))
        return true;
    fileDialogs().tell(&window_, reason, true);
    return false;
}

void FileMenu::print()
{
    if (!readyToPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("BRELO"));
    if (!fileDialogs().choosePrinter(&window_, printer))
        return;
    paintPage(printer);
    fileDialogs().tell(&window_, tr("Page envoyée à l'impression."), false);
}

void FileMenu::printPreview()
{
    if (!readyToPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &window_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) { paintPage(*p); });
    preview.exec();
}

void FileMenu::pageChanged()
{
    const bool results = results_.shownResultsPage().has_value();
    for (QAction *action : pageActions_)
        action->setEnabled(results);
}

namespace {

struct MenuEntry {
    QMenu *menu;
    const char *name;
    const char *text;
    QKeySequence::StandardKey keys;
    const char *fallbackKeys;  // where the platform has no standard binding, or there is none
    const char *tip;
    std::function<void()> slot;
    bool needsResults;
    bool separatorAfter;
};

QAction *addMenuEntry(const MenuEntry &entry, DesignTexts &texts, QObject *receiver)
{
    QAction *action = entry.menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(entry.name));
    texts.keep(action, entry.text, entry.tip);
    if (entry.keys != QKeySequence::UnknownKey)
        action->setShortcuts(entry.keys);
    if (action->shortcuts().isEmpty() && *entry.fallbackKeys)
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.fallbackKeys)));
    QObject::connect(action, &QAction::triggered, receiver, entry.slot);
    if (entry.separatorAfter)
        entry.menu->addSeparator();
    return action;
}

} // namespace

void FileMenu::fill(QMenu &fileMenu, QMenu &helpMenu)
{
    using Entry = MenuEntry;
    const QKeySequence::StandardKey none = QKeySequence::UnknownKey;
    const auto call = [this](void (FileMenu::*slot)()) { return [this, slot] { (this->*slot)(); }; };
    // Texts and tips are source texts of the "brelo::FileMenu" context.
    const Entry entries[] = {
        {&fileMenu, "menuouvrir", QT_TRANSLATE_NOOP("brelo::FileMenu", "&Ouvrir des paramètres…"),
         QKeySequence::Open, "Ctrl+O",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Lit un fichier de paramètres et remplit les treize champs"),
         call(&FileMenu::openParameters), false, false},
        {&fileMenu, "menuenregistrer", QT_TRANSLATE_NOOP("brelo::FileMenu", "&Enregistrer les paramètres"),
         QKeySequence::Save, "Ctrl+S",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Écrit les treize champs dans le fichier de paramètres"),
         call(&FileMenu::saveParameters), false, false},
        {&fileMenu, "menuenregistrersous", QT_TRANSLATE_NOOP("brelo::FileMenu", "Enregistrer &sous…"),
         QKeySequence::SaveAs, "Ctrl+Shift+S",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Écrit les treize champs dans un autre fichier"),
         call(&FileMenu::saveParametersAs), false, true},
        {&fileMenu, "menuexporterdessin", QT_TRANSLATE_NOOP("brelo::FileMenu", "Exporter le &dessin…"), none, "",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Enregistre le dessin de la page en PNG, SVG ou PDF"),
         call(&FileMenu::exportDrawing), true, false},
        {&fileMenu, "menuexportercsv", QT_TRANSLATE_NOOP("brelo::FileMenu", "Exporter les &résultats (CSV)…"), none,
         "", QT_TRANSLATE_NOOP("brelo::FileMenu", "Enregistre les entrées et les résultats de la page dans un tableau CSV"),
         call(&FileMenu::exportResults), true, false},
        {&fileMenu, "menucopier", QT_TRANSLATE_NOOP("brelo::FileMenu", "&Copier les résultats"), none, "Ctrl+Shift+C",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Copie les entrées et les résultats de la page dans le presse-papiers"),
         call(&FileMenu::copyResults), true, true},
        {&fileMenu, "menuimprimer", QT_TRANSLATE_NOOP("brelo::FileMenu", "&Imprimer…"), QKeySequence::Print, "Ctrl+P",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Imprime les entrées, les résultats et le dessin de la page"),
         call(&FileMenu::print), true, false},
        {&fileMenu, "menuapercu", QT_TRANSLATE_NOOP("brelo::FileMenu", "Aperçu a&vant impression…"), none, "",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Montre la page telle qu'elle sera imprimée"),
         call(&FileMenu::printPreview), true, false},
        {&helpMenu, "menuaideprogramme", QT_TRANSLATE_NOOP("brelo::FileMenu", "&Aide du programme"),
         QKeySequence::HelpContents, "F1",
         QT_TRANSLATE_NOOP("brelo::FileMenu", "Ouvre la page d'aide dans l'onglet Doc HTML"), showHelp_, false, false},
    };
    auto *texts = new DesignTexts("brelo::FileMenu", &fileMenu);
    for (const Entry &entry : entries) {
        QAction *action = addMenuEntry(entry, *texts, this);
        if (entry.needsResults)
            pageActions_.push_back(action);
    }
    whitePaper_ = addWhitePaperChoice(fileMenu, *texts);
    pageChanged();
}

} // namespace brelo
