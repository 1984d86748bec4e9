#include "ui/actions/window_zoom.h"

#include "ui/widgets/design_texts.h"
#include "ui/widgets/picture_area.h"

#include <utility>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {

const QString kZoomKey = QStringLiteral("fenetre/zoom");

// Title bar and frame of a desktop window, which the window's size hint leaves out.
const QSize kDecorations(16, 48);

int scaled(int value, double zoom) { return static_cast<int>(std::lround(value * zoom)); }

QSize scaledSize(QSizeF size, double zoom)
{
    const auto one = [zoom](double v) {
        return v >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : static_cast<int>(std::lround(v * zoom));
    };
    return {one(size.width()), one(size.height())};
}

bool inLayout(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || inLayout(item->layout(), widget))
            return true;
    }
    return false;
}

// Widgets that arrange their own children (tab bars and page stacks, scroll
// bars and viewports, spin arrows) are left to them.
bool placedByProgram(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent || widget->isWindow() || inLayout(parent->layout(), widget))
        return false;
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !qobject_cast<const QTabWidget *>(parent);
}

} // namespace

const std::vector<int> &zoomSteps()
{
    static const std::vector<int> steps{75, 100, 125, 150, 175, 200, 250, 300};
    return steps;
}

int fittingZoom(QSize designSize, QSize available)
{
    int best = zoomSteps().front();
    for (int step : zoomSteps())
        if (scaled(designSize.width(), step / 100.0) <= available.width() &&
            scaled(designSize.height(), step / 100.0) <= available.height())
            best = step;
    return best;
}

WindowZoom::WindowZoom(QWidget &window, std::function<void()> redrawPictures)
    : QObject(&window), window_(window), redrawPictures_(std::move(redrawPictures)),
      designSize_(window.sizeHint()), applicationFont_(QApplication::font())
{
    setObjectName(QStringLiteral("windowZoom"));
    record(&window_);
}

WindowZoom::~WindowZoom() { QApplication::setFont(applicationFont_); }

int WindowZoom::largestFitting() const
{
    const QScreen *screen = window_.screen();
    return screen ? fittingZoom(designSize_ + kDecorations, screen->availableGeometry().size()) : zoomSteps().back();
}

// A step the user asks for: a larger one only when the window still fits its
// screen, else the window stays and the status line says why.
void WindowZoom::stepTo(int percent)
{
    if (percent > percent_ && percent > largestFitting()) {
        QStatusTipEvent tip(tr("Zoom à %1 % refusé : la fenêtre ne tiendrait plus sur l'écran.").arg(percent));
        QCoreApplication::sendEvent(&window_, &tip);
        return;
    }
    setPercent(percent);
}

void WindowZoom::record(QWidget *widget)
{
    widgets_.push_back({widget, widget->geometry(), placedByProgram(widget), QSizeF(widget->minimumSize()),
                        QSizeF(widget->maximumSize()), widget->font().pointSizeF()});
    if (widget->layout())
        record(widget->layout());
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (!childWidget)
            continue;
        if (!childWidget->isWindow())
            record(childWidget);
        else  // menus and other pop-ups size themselves, in the window's font
            childWidget->setAttribute(Qt::WA_WindowPropagation);
    }
}

void WindowZoom::record(QLayout *layout)
{
    const auto *grid = qobject_cast<const QGridLayout *>(layout);
    layouts_.push_back({layout, layout->contentsMargins(), grid ? -1 : layout->spacing(),
                        grid ? grid->horizontalSpacing() : -1, grid ? grid->verticalSpacing() : -1});
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *inner = layout->itemAt(i)->layout())
            record(inner);
}

// Fonts follow the zoom: every widget with a font of its own gets its design
// size times the zoom (a size scaled in proportion would be scaled twice where
// Qt also passes the window's new size down); the others inherit theirs. The
// menus, windows of their own, take the window's font (see record); other
// dialogs and the tooltips take the application's, scaled alike.
void WindowZoom::scaleFonts(double zoom)
{
    for (const WidgetDesign &design : widgets_) {
        QWidget *widget = design.widget;
        if (widget && design.points > 0 && (widget == &window_ || widget->testAttribute(Qt::WA_SetFont))) {
            QFont font = widget->font();
            font.setPointSizeF(design.points * zoom);
            widget->setFont(font);
        }
    }
    QFont font = applicationFont_;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(applicationFont_.pointSizeF() * zoom);
    QApplication::setFont(font);
}

void WindowZoom::apply(int oldPercent)
{
    const double zoom = percent_ / 100.0;
    scaleFonts(zoom);
    for (WidgetDesign &design : widgets_) {
        QWidget *widget = design.widget;
        if (!widget)
            continue;
        // A widget its layout's size was fixed to after the design was noted
        // (a result label) keeps that size, at the zoom it was fixed at.
        if (widget->minimumSize() == widget->maximumSize() && design.minimum != design.maximum)
            design.minimum = design.maximum = QSizeF(widget->size()) * (100.0 / oldPercent);
        if (auto *picture = qobject_cast<PictureArea *>(widget)) {
            picture->setZoom(zoom);
        } else {
            widget->setMinimumSize(scaledSize(design.minimum, zoom));
            widget->setMaximumSize(scaledSize(design.maximum, zoom));
        }
        if (design.placed) {
            const QRect g = design.geometry;
            widget->setGeometry(scaled(g.x(), zoom), scaled(g.y(), zoom), scaled(g.width(), zoom), scaled(g.height(), zoom));
            // A check box's mark keeps the style's size whatever the zoom: the
            // box widens, in place, to show its whole text.
            if (qobject_cast<QCheckBox *>(widget))
                widget->resize(std::max(widget->width(), widget->sizeHint().width()), widget->height());
        }
    }
    for (const LayoutDesign &design : layouts_) {
        QLayout *layout = design.layout;
        if (!layout)
            continue;
        const QMargins m = design.margins;
        layout->setContentsMargins(scaled(m.left(), zoom), scaled(m.top(), zoom), scaled(m.right(), zoom),
                                   scaled(m.bottom(), zoom));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            grid->setHorizontalSpacing(design.horizontal < 0 ? -1 : scaled(design.horizontal, zoom));
            grid->setVerticalSpacing(design.vertical < 0 ? -1 : scaled(design.vertical, zoom));
        } else if (design.spacing >= 0) {
            layout->setSpacing(scaled(design.spacing, zoom));
        }
    }
    // The pictures were cleared by their new size: draw the latest runs again.
    redrawPictures_();
}

void WindowZoom::setPercent(int percent)
{
    const auto &steps = zoomSteps();
    if (percent == percent_ || std::find(steps.begin(), steps.end(), percent) == steps.end())
        return;
    const int old = std::exchange(percent_, percent);
    apply(old);
    emit changed(percent_);
}

void WindowZoom::zoomIn()
{
    const auto &steps = zoomSteps();
    const auto next = std::upper_bound(steps.begin(), steps.end(), percent_);
    if (next != steps.end())
        stepTo(*next);
}

void WindowZoom::zoomOut()
{
    const auto &steps = zoomSteps();
    const auto here = std::lower_bound(steps.begin(), steps.end(), percent_);
    if (here != steps.begin())
        setPercent(*(here - 1));
}

WindowZoom *installWindowZoom(QWidget &window, std::function<void()> redrawPictures, int startPercent)
{
    auto *zoom = new WindowZoom(window, std::move(redrawPictures));
    struct Entry {
        const char *name;
        const char *text;
        QList<QKeySequence> keys;
        void (WindowZoom::*slot)();
    };
    const Entry entries[] = {
        {"actionzoomplus", QT_TRANSLATE_NOOP("brelo::WindowZoom", "Agrandir"),
         {QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))}, &WindowZoom::zoomIn},
        {"actionzoommoins", QT_TRANSLATE_NOOP("brelo::WindowZoom", "Réduire"), {QKeySequence::ZoomOut}, &WindowZoom::zoomOut},
        {"actionzoomnormal", QT_TRANSLATE_NOOP("brelo::WindowZoom", "Taille normale"),
         {QKeySequence(QStringLiteral("Ctrl+0"))}, &WindowZoom::reset},
    };
    auto *texts = new DesignTexts("brelo::WindowZoom", &window);
    for (const Entry &entry : entries) {
        auto *action = new QAction(&window);
        texts->keep(action, entry.text);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcuts(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, zoom, entry.slot);
        window.addAction(action);
    }
    // Only what the user chooses is remembered, not the step that fitted the screen.
    zoom->setPercent(startPercent);
    QObject::connect(zoom, &WindowZoom::changed, zoom, [](int percent) { QSettings().setValue(kZoomKey, percent); });
    return zoom;
}

int startingZoom(const QWidget &window)
{
    const QSettings settings;
    const int remembered = settings.value(kZoomKey, 0).toInt();
    const auto &steps = zoomSteps();
    const QScreen *screen = window.screen();
    const int fitting = screen ? fittingZoom(window.sizeHint() + kDecorations, screen->availableGeometry().size()) : 100;
    // A step remembered from a larger screen, or a screen now scaled up, never
    // starts the window larger than the screen.
    if (std::find(steps.begin(), steps.end(), remembered) != steps.end())
        return std::min(remembered, fitting);
    return fitting;
}

} // namespace brelo
