#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include <functional>
#include <vector>

class QLayout;
class QWidget;

namespace brelo {

// Zoom steps of the whole window, in percent. Below 100 % for a window that
// must fit a small or strongly scaled screen (1920 × 1080 at 200 %).
const std::vector<int> &zoomSteps();

// The largest step at which a window of `designSize` (logical pixels at 100 %,
// decorations included) fits `available`; the smallest step when none does.
int fittingZoom(QSize designSize, QSize available);

// Scales the whole window: every control's position and size, the layouts'
// margins and spacings, the fonts (the menus' and dialogs' too), and the
// picture areas (drawn again at the new resolution through `redrawPictures`).
// What the window shows stays the same.
class WindowZoom : public QObject {
    Q_OBJECT

public:
    WindowZoom(QWidget &window, std::function<void()> redrawPictures);
    ~WindowZoom() override;  // gives the application its font back

    int percent() const { return percent_; }
    // Any step, whatever the screen (for the start, which chooses one that fits).
    void setPercent(int percent);
    // The user's steps: a larger step that would not fit the screen is refused.
    void zoomIn();
    void zoomOut();
    void reset() { stepTo(100); }
    // The largest step at which the window fits its screen.
    int largestFitting() const;

signals:
    void changed(int percent);

private:
    struct WidgetDesign {
        QPointer<QWidget> widget;
        QRect geometry;
        bool placed;  // positioned by the program, not by a layout
        QSizeF minimum, maximum;  // at 100 %
        double points;  // the font's size at 100 %
    };
    struct LayoutDesign {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing, horizontal, vertical;  // -1 where the layout has none of its own
    };

    void record(QWidget *widget);  // the design of `widget` and of everything under it
    void record(QLayout *layout);
    void apply(int oldPercent);
    void scaleFonts(double zoom);
    void stepTo(int percent);

    QWidget &window_;
    std::function<void()> redrawPictures_;
    QSize designSize_;       // the window's at 100 %
    QFont applicationFont_;  // the menus' and dialogs', at 100 %
    int percent_ = 100;
    std::vector<WidgetDesign> widgets_;
    std::vector<LayoutDesign> layouts_;
};

// Builds the zoom of the window with its shortcuts (Ctrl++, Ctrl+-, Ctrl+0),
// starts at `startPercent` and remembers each change in the user's settings.
WindowZoom *installWindowZoom(QWidget &window, std::function<void()> redrawPictures, int startPercent);

// The zoom to start with: the one remembered, else the largest that fits the screen.
int startingZoom(const QWidget &window);

} // namespace brelo
