#pragma once

#include "ui/widgets/painter_canvas.h"
#include "core/formats/params_file.h"
#include "ui/window/last_runs.h"

#include <optional>

namespace brelo {

// The pages whose results can leave the window.
enum class ResultsPage { Optics, Ephemeris };

// What the menus that take results out of the window (files, the printer, the
// clipboard) need of it: the page shown and the latest successful runs, never
// its widgets.
class PageResults {
public:
    virtual ~PageResults() = default;

    virtual std::optional<ResultsPage> shownResultsPage() const = 0;
    // The latest successful runs (the optical run's yearly rows written).
    virtual const std::optional<OpticsRun> &lastOptics() const = 0;
    virtual const std::optional<EphemerisRun> &lastEphemeris() const = 0;
    // The latest run of the page shown failed: what it shows is an older run's, greyed.
    virtual bool shownRunFailed() const = 0;
    // The disc as the screen shows it: turned zenith up or north up.
    virtual bool discZenithUp() const = 0;
    // The colours the pictures give the drawings' system greys.
    virtual PainterCanvas::ColorOf pictureColors() const = 0;
    // The window's zoom, which the pictures are shown at (1 at 100 %).
    virtual double pictureZoom() const = 0;
    virtual char decimalSeparator() const = 0;
};

// The thirteen boxes of the parameters file, in the file's order.
class ParameterFields {
public:
    virtual ~ParameterFields() = default;

    virtual ParamsFields parameterTexts() const = 0;
    virtual void setParameterTexts(const ParamsFields &texts) = 0;
};

} // namespace brelo
