#include "ui/window/sun_tools.h"

#include "ui/actions/disc_template_dialog.h"
#include "ui/actions/sun_day_window.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/widgets/disc_position_tracker.h"
#include "ui/widgets/picture_area.h"

namespace brelo {

namespace {

void bringUp(QWidget &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

SunTools::SunTools(QWidget &window, EphemerisPage &page, ShowStatus showStatus, char decimalSeparator)
    : QObject(&window), window_(window), page_(page), decimalSeparator_(decimalSeparator)
{
    PictureArea &picture = page.discPicture();
    // The disc the picture shows is the last successful run's, veiled after a failed one.
    positions_ = new DiscPositionTracker(
        picture, [&picture](QPoint p) { return discUserPoint(picture, p); },
        [&page]() -> std::optional<DiscOrientation> {
            if (!page.lastRun())
                return std::nullopt;
            return discOrientationOf(*page.lastRun(), page.discZenithUp());
        },
        std::move(showStatus), decimalSeparator);
    picture.addAction(positions_->copyAction());
    connect(&page, &EphemerisPage::ran, this, &SunTools::pageRan);
}

void SunTools::openSunDay()
{
    if (!sunDay_) {
        sunDay_ = new SunDayWindow(decimalSeparator_, &window_);
        connect(sunDay_, &SunDayWindow::instantPicked, &page_, &EphemerisPage::setTimeOfDay);
    }
    bringUp(*sunDay_);
    page_.run();
}

void SunTools::openDiscTemplate()
{
    if (!template_)
        template_ = new DiscTemplateDialog(decimalSeparator_, &window_);
    bringUp(*template_);
    page_.run();
}

void SunTools::pageRan(bool succeeded)
{
    if (sunDay_ && sunDay_->isVisible())
        sunDay_->showRun(succeeded ? &*page_.lastRun() : nullptr);
    if (template_ && template_->isVisible())
        showTemplateRun(succeeded);
}

void SunTools::showTemplateRun(bool succeeded)
{
    const std::optional<EphemerisRun> &run = page_.lastRun();
    template_->showRun(succeeded && run ? &*run : nullptr, page_.discZenithUp());
}

void SunTools::discTurned()
{
    if (template_ && template_->isVisible())
        showTemplateRun(!page_.resultsStale());
}

} // namespace brelo
