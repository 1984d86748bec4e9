#include "ui/actions/disc_template_dialog.h"

#include "ui/actions/atomic_file.h"
#include "ui/actions/file_dialogs.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/disc_position_tracker.h"
#include "ui/widgets/template_preview.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelo {

namespace {

QLabel *namedLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton *namedButton(QWidget *parent, DesignTexts &texts, const char *name, const char *text)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    texts.keep(button, text);
    return button;
}

} // namespace

DiscTemplateDialog::DiscTemplateDialog(char decimalSeparator, QWidget *parent)
    : QDialog(parent), decimalSeparator_(decimalSeparator)
{
    setObjectName(QStringLiteral("GabaritDisque"));
    auto *texts = new DesignTexts("brelo::DiscTemplateDialog", this);
    texts->keep([this] { setWindowTitle(tr("Gabarit du disque")); });
    diameter_ = new QLineEdit(QStringLiteral("150"), this);
    diameter_->setObjectName(QStringLiteral("txtdiametregabarit"));
    preview_ = new TemplatePreview(this);
    preview_->setObjectName(QStringLiteral("apercugabarit"));
    position_ = namedLabel(this, "lblpositiongabarit");
    heading_ = namedLabel(this, "lbllignesgabarit");
    message_ = namedLabel(this, "lblmessagegabarit");
    print_ = namedButton(this, *texts, "cmdimprimergabarit", QT_TR_NOOP("&Imprimer…"));
    export_ = namedButton(this, *texts, "cmdexportgabarit", QT_TR_NOOP("Exporter en &PDF…"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(print_, QDialogButtonBox::ActionRole);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    texts->keep(buttons->button(QDialogButtonBox::Close), QT_TR_NOOP("Fermer"));
    auto *form = new QFormLayout;
    auto *diameterLabel = new QLabel(this);
    texts->keep(diameterLabel, QT_TR_NOOP("Diamètre du disque sur le papier (mm) :"));
    form->addRow(diameterLabel, diameter_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(preview_, 1);
    layout->addWidget(position_);
    layout->addWidget(heading_);
    layout->addWidget(buttons);
    resize(560, 760);

    // The position under the mouse on the preview, in the template's own scale.
    new DiscPositionTracker(
        *preview_, [this](QPoint p) { return preview_->templatePoint(p); },
        [this]() -> std::optional<DiscOrientation> {
            const Outcome<double> diameter = templateDiameterOf(diameter_->text().toStdString(), decimalSeparator_);
            if (!run_ || !diameter.ok())
                return std::nullopt;
            DiscOrientation disc = discOrientationOf(*run_, zenithUp_);
            disc.radius = templateRadius(diameter.value());
            return disc;
        },
        [this](const QString &text) { position_->setText(text); }, decimalSeparator_);
    connect(diameter_, &QLineEdit::textChanged, this, &DiscTemplateDialog::refresh);
    connect(print_, &QPushButton::clicked, this, &DiscTemplateDialog::print);
    connect(export_, &QPushButton::clicked, this, &DiscTemplateDialog::chooseExportFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The sheet's lines and the message in the language now in use.
    connect(texts, &DesignTexts::retranslated, this, [this] {
        const std::function<QString()> said = said_;
        const bool failure = saidFailure_;
        refresh();
        if (said)
            say(said, failure);
    });
    refresh();
}

void DiscTemplateDialog::showRun(const EphemerisRun *run, bool zenithUp)
{
    run_ = run ? std::optional(*run) : std::nullopt;
    zenithUp_ = zenithUp;
    pageFailed_ = !run;
    refresh();
}

Outcome<TemplateSheet> DiscTemplateDialog::sheet() const
{
    if (!run_)
        return Outcome<TemplateSheet>::failure(
            pageFailed_ ? tr("Gabarit impossible : le calcul des éphémérides de la page a échoué (voir le message en "
                             "bas de la fenêtre).")
                              .toStdString()
                        : std::string());
    const Outcome<double> diameter = templateDiameterOf(diameter_->text().toStdString(), decimalSeparator_);
    if (!diameter.ok())
        return Outcome<TemplateSheet>::failure(diameter.error());
    return Outcome<TemplateSheet>::success(templateSheet(*run_, diameter.value(), zenithUp_, decimalSeparator_));
}

void DiscTemplateDialog::refresh()
{
    const Outcome<TemplateSheet> s = sheet();
    print_->setEnabled(s.ok());
    export_->setEnabled(s.ok());
    preview_->showTemplate(s.ok() ? std::optional(s.value().disc) : std::nullopt);
    position_->clear();
    QStringList lines;
    if (s.ok())
        for (const std::string &line : s.value().heading)
            lines << QString::fromStdString(line);
    heading_->setText(lines.join(QLatin1Char('\n')));
    said_ = {};
    message_->setText(s.ok() ? QString() : QString::fromStdString(s.error()));
    setTextColor(message_, Rgb{255, 0, 0});
}

void DiscTemplateDialog::say(std::function<QString()> text, bool failure)
{
    said_ = std::move(text);
    saidFailure_ = failure;
    message_->setText(said_());
    setTextColor(message_, failure ? Rgb{255, 0, 0} : Rgb{0, 0, 0});
}

QString DiscTemplateDialog::message() const { return message_->text(); }

void DiscTemplateDialog::print()
{
    const Outcome<TemplateSheet> s = sheet();
    if (!s.ok())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Gabarit du disque"));
    if (!fileDialogs().choosePrinter(this, printer))
        return;
    // At true size: the printable area as the printer gives it, never scaled to fit.
    const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const QString tooLarge = sheetTooLarge(s.value(), printable);
    if (!tooLarge.isEmpty()) {
        say([sheet = s.value(), printable] { return sheetTooLarge(sheet, printable); }, true);
        fileDialogs().tell(this, tooLarge, true);
        return;
    }
    QPainter painter(&printer);
    paintTemplateSheet(painter, s.value(), printer.resolution() / 25.4, printable);
    painter.end();
    say([] { return tr("Gabarit envoyé à l'impression : imprimez-le à 100 %, sans l'ajuster à la page."); }, false);
    fileDialogs().tell(this, message(), false);
}

bool DiscTemplateDialog::exportPdf(const QString &path)
{
    const Outcome<TemplateSheet> s = sheet();
    if (!s.ok())
        return false;
    const QString error = writeFileAtomically(path, templatePdf(s.value()));
    const QString shown = QDir::toNativeSeparators(path);
    if (error.isEmpty())
        say([shown] { return tr("Gabarit exporté dans « %1 ».").arg(shown); }, false);
    else
        say([error] { return error; }, true);
    fileDialogs().tell(this, message(), !error.isEmpty());
    return error.isEmpty();
}

void DiscTemplateDialog::chooseExportFile()
{
    const auto answer = fileDialogs().chooseFile(
        this, {FileQuestion::Kind::Save, tr("Exporter le gabarit"), tr("gabarit-disque.pdf"),
               {tr("Document PDF (*.pdf)")}});
    if (!answer)
        return;
    exportPdf(withExtension(answer->path, "pdf"));
}

} // namespace brelo
