#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QLayout;
class QWidget;

namespace brelo {

class Form1;

// Zoom steps of the whole window, in percent. Below 100 % for a window that
// must fit a small or strongly scaled screen (1920 × 1080 at 200 %).
const std::vector<int> &zoomSteps();

// The largest step at which a window of `designSize` (logical pixels at 100 %,
// decorations included) fits `available`; the smallest step when none does.
int fittingZoom(QSize designSize, QSize available);

// Scales the whole window: every control's position and size, the layouts'
// margins and spacings, the fonts, and the picture areas (drawn again at the
// new resolution from the latest runs). What the window shows stays the same.
class WindowZoom : public QObject {
    Q_OBJECT

public:
    explicit WindowZoom(Form1 &form);

    int percent() const { return percent_; }
    void setPercent(int percent);
    void zoomIn();
    void zoomOut();
    void reset() { setPercent(100); }

signals:
    void changed(int percent);

private:
    struct WidgetDesign {
        QPointer<QWidget> widget;
        QRect geometry;
        bool placed;  // positioned by the program, not by a layout
        QSize minimum, maximum;
        bool ownFont;
        qreal pointSize;
    };
    struct LayoutDesign {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing, horizontal, vertical;  // -1 where the layout has none of its own
    };

    void record(QWidget *root);  // the design of `root` and of everything under it
    void apply();
    void scale(std::size_t firstWidget, std::size_t firstLayout);  // the recorded designs from those on

    Form1 &form_;
    int percent_ = 100;
    std::vector<WidgetDesign> widgets_;
    std::vector<LayoutDesign> layouts_;
};

// Builds the zoom of the window with its shortcuts (Ctrl++, Ctrl+-, Ctrl+0),
// starts at `startPercent` and remembers each change in the user's settings.
WindowZoom *installWindowZoom(Form1 &form, int startPercent);

// The zoom to start with: the one remembered, else the largest that fits the screen.
int startingZoom(const Form1 &form);

} // namespace brelo
