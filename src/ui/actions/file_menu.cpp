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

const char *const kFailedRun = "Le dernier calcul de cette page a échoué (voir le message en bas de la "
                                "fenêtre) : corrigez les valeurs et relancez le calcul avant d'exporter, de "
                                "copier ou d'imprimer.";

const QStringList kParamsFilters = {QStringLiteral("Paramètres BRELO (*.dat)"), QStringLiteral("Tous les fichiers (*)")};

// The drawing's formats, in the order of the export dialog's filters.
struct DrawingChoice {
    const char *filter;
    DrawingFormat format;
    int scale;
    const char *extension;
};
const DrawingChoice kDrawingChoices[] = {
    {"Image PNG, taille de l'écran (*.png)", DrawingFormat::Png, 1, "png"},
    {"Image PNG, 2 × la taille de l'écran (*.png)", DrawingFormat::Png, 2, "png"},
    {"Image PNG, 4 × la taille de l'écran (*.png)", DrawingFormat::Png, 4, "png"},
    {"Dessin vectoriel SVG (*.svg)", DrawingFormat::Svg, 1, "svg"},
    {"Document PDF (*.pdf)", DrawingFormat::Pdf, 1, "pdf"},
};

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// The format the user chose: the file's extension when it names one, else the filter.
const DrawingChoice &drawingChoice(const FileAnswer &answer)
{
    const DrawingChoice *byFilter = &kDrawingChoices[0];
    for (const DrawingChoice &choice : kDrawingChoices)
        if (QString::fromUtf8(choice.filter) == answer.filter)
            byFilter = &choice;
    const QString suffix = QFileInfo(answer.path).suffix().toLower();
    if (suffix == QLatin1String(byFilter->extension))
        return *byFilter;
    for (const DrawingChoice &choice : kDrawingChoices)
        if (suffix == QLatin1String(choice.extension))
            return choice;
    return *byFilter;
}

// A name without extension gets the format's; a folder's name is left as it
// is, for the writer to refuse.
QString withExtension(const QString &path, const char *extension)
{
    const QFileInfo file(path);
    return file.suffix().isEmpty() && !file.isDir() ? path + QLatin1Char('.') + QLatin1String(extension) : path;
}

// Printing on white is the choice for paper; the screen's colours stay one click away.
QAction *addWhitePaperChoice(QMenu &menu)
{
    QAction *action = menu.addAction(QStringLiteral("Imprimer sur fond &blanc"));
    action->setObjectName(QStringLiteral("menufondblanc"));
    action->setCheckable(true);
    action->setChecked(true);
    action->setStatusTip(QString::fromUtf8("Le dessin imprimé sur fond blanc, ses autres couleurs gardées ; "
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
        &window_, {FileQuestion::Kind::Open, QStringLiteral("Ouvrir des paramètres"), parametersPath(), kParamsFilters});
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
    QString told = QStringLiteral("Paramètres lus dans « %1 ».").arg(shownPath(parametersPath_));
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
        const QString refused = QStringLiteral("Paramètres non enregistrés : ");
        fileDialogs().tell(&window_, why.startsWith(refused) ? why : refused + why, true);
        return false;
    }
    const QString error = writeFileAtomically(path, QByteArray::fromStdString(text.value()));
    if (!error.isEmpty()) {
        fileDialogs().tell(&window_, error, true);
        return false;
    }
    fileDialogs().tell(&window_, QStringLiteral("Paramètres enregistrés dans « %1 ».").arg(shownPath(path)), false);
    return true;
}

void FileMenu::saveParameters() { writeParameters(parametersPath()); }

void FileMenu::saveParametersAs()
{
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, QStringLiteral("Enregistrer les paramètres sous"), parametersPath(), kParamsFilters});
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
    fileDialogs().tell(&window_, QString::fromUtf8(kFailedRun), true);
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
        filters << QString::fromUtf8(choice.filter);
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, QStringLiteral("Exporter le dessin"),
                 suggestedPath(drawing->baseName + QStringLiteral(".png")), filters});
    if (!answer)
        return;
    const DrawingChoice &choice = drawingChoice(*answer);
    const QString path = withExtension(answer->path, choice.extension);
    const QString error = writeFileAtomically(path, drawingFile(*drawing, choice.format, choice.scale));
    fileDialogs().tell(&window_, error.isEmpty() ? QStringLiteral("Dessin exporté dans « %1 ».").arg(shownPath(path)) : error,
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
    const QString name = page == ResultsPage::Optics ? QStringLiteral("calcul-optique.csv") : QStringLiteral("ephemerides.csv");
    const auto answer = fileDialogs().chooseFile(
        &window_, {FileQuestion::Kind::Save, QStringLiteral("Exporter les résultats"), suggestedPath(name),
                 {QStringLiteral("Tableau CSV (*.csv)")}});
    if (!answer)
        return;
    const QString path = withExtension(answer->path, "csv");
    const QString error = writeFileAtomically(path, QByteArray::fromStdString(csv));
    fileDialogs().tell(&window_, error.isEmpty() ? QStringLiteral("Résultats exportés dans « %1 ».").arg(shownPath(path)) : error,
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
        *reason = page ? QStringLiteral("Pas encore de résultats sur cette page : lancez d'abord le calcul.")
                       : QString::fromUtf8("Cette page n'a pas de résultats : affichez la page « Calcul Optique » "
                                           "ou « Ephémérides Solaires ».");
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
    fileDialogs().tell(&window_, QStringLiteral("Résultats copiés dans le presse-papiers."), false);
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
    fileDialogs().tell(&window_, QStringLiteral("Page envoyée à l'impression."), false);
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

void FileMenu::fill(QMenu &fileMenu, QMenu &helpMenu)
{
    struct Entry {
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
    const QKeySequence::StandardKey none = QKeySequence::UnknownKey;
    const auto call = [this](void (FileMenu::*slot)()) { return [this, slot] { (this->*slot)(); }; };
    const Entry entries[] = {
        {&fileMenu, "menuouvrir", "&Ouvrir des paramètres…", QKeySequence::Open, "Ctrl+O",
         "Lit un fichier de paramètres et remplit les treize champs", call(&FileMenu::openParameters), false, false},
        {&fileMenu, "menuenregistrer", "&Enregistrer les paramètres", QKeySequence::Save, "Ctrl+S",
         "Écrit les treize champs dans le fichier de paramètres", call(&FileMenu::saveParameters), false, false},
        {&fileMenu, "menuenregistrersous", "Enregistrer &sous…", QKeySequence::SaveAs, "Ctrl+Shift+S",
         "Écrit les treize champs dans un autre fichier", call(&FileMenu::saveParametersAs), false, true},
        {&fileMenu, "menuexporterdessin", "Exporter le &dessin…", none, "",
         "Enregistre le dessin de la page en PNG, SVG ou PDF", call(&FileMenu::exportDrawing), true, false},
        {&fileMenu, "menuexportercsv", "Exporter les &résultats (CSV)…", none, "",
         "Enregistre les entrées et les résultats de la page dans un tableau CSV", call(&FileMenu::exportResults), true,
         false},
        {&fileMenu, "menucopier", "&Copier les résultats", none, "Ctrl+Shift+C",
         "Copie les entrées et les résultats de la page dans le presse-papiers", call(&FileMenu::copyResults), true,
         true},
        {&fileMenu, "menuimprimer", "&Imprimer…", QKeySequence::Print, "Ctrl+P",
         "Imprime les entrées, les résultats et le dessin de la page", call(&FileMenu::print), true, false},
        {&fileMenu, "menuapercu", "Aperçu a&vant impression…", none, "",
         "Montre la page telle qu'elle sera imprimée", call(&FileMenu::printPreview), true, false},
        {&helpMenu, "menuaideprogramme", "&Aide du programme", QKeySequence::HelpContents, "F1",
         "Ouvre la page d'aide dans l'onglet Doc HTML", showHelp_, false, false},
    };
    for (const Entry &entry : entries) {
        QAction *action = entry.menu->addAction(QString::fromUtf8(entry.text));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setStatusTip(QString::fromUtf8(entry.tip));
        if (entry.keys != none)
            action->setShortcuts(entry.keys);
        if (action->shortcuts().isEmpty() && *entry.fallbackKeys)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.fallbackKeys)));
        connect(action, &QAction::triggered, this, entry.slot);
        if (entry.needsResults)
            pageActions_.push_back(action);
        if (entry.separatorAfter)
            entry.menu->addSeparator();
    }
    whitePaper_ = addWhitePaperChoice(fileMenu);
    pageChanged();
}

} // namespace brelo
