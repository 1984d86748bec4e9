#include "ui/pages/picture_labels.h"

#include <QCoreApplication>

#include <array>

namespace brelo {

namespace {

constexpr Rgb kDefault{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};

const std::array<PictureLabel, 7> kLayoutLabels = {{
    // Transparent: the scale bar runs under it.
    {"Label2", "100mm", 2640, 0, 555, 255, kDefault, true, false},
    {"lblpico1", "O1", 60, 2220, 195, 195, kBlue, false, true},
    {"Lblpicdo", QT_TRANSLATE_NOOP("brelo::PictureLabel", "D.occ"), 60, 900, 435, 195, kYellow, false, true},
    {"Lblpico2", "O2", 60, 1980, 255, 195, {0, 192, 0}, false, true},
    {"Lblpicdia", QT_TRANSLATE_NOOP("brelo::PictureLabel", "Diaph."), 540, 900, 495, 195, kDefault, false, true},
    {"Lblpico3", "O3-f-O3'", 720, 1980, 615, 195, kBlue, false, true},
    {"Lblpicfoy", QT_TRANSLATE_NOOP("brelo::PictureLabel", "Foyer"), 300, 1980, 435, 195, {255, 0, 0}, false, true},
}};

const std::array<PictureLabel, 4> kCompassLabels = {{
    {"Label31", "N", 3300, 0, 195, 195, kYellow, false, true},
    {"Label30", "E", 60, 3180, 195, 195, kYellow, false, true},
    {"Label28", "S", 3360, 6540, 195, 195, kYellow, false, true},
    {"Label29", "W", 6540, 3240, 195, 195, kYellow, false, true},  // ends at the inner right edge
}};

} // namespace

QString shownText(const PictureLabel &label) { return QCoreApplication::translate("brelo::PictureLabel", label.text); }

std::span<const PictureLabel> layoutPictureLabels() { return kLayoutLabels; }
std::span<const PictureLabel> elementLabels() { return std::span(kLayoutLabels).subspan(1); }
std::span<const PictureLabel> compassLabels() { return kCompassLabels; }

std::array<std::optional<double>, 6> elementLabelLefts(const LayoutLabelEdges &edges)
{
    // The drawing gives edges in its user coordinates, whose origin stands
    // 100 twips right of the inner left edge.
    const auto left = [](double edge) { return std::optional<double>(edge - kLayoutLeftEdge); };
    return {std::nullopt, left(edges.lblpicdo), left(edges.lblpico2), left(edges.lblpicdia),
            left(edges.lblpico3), left(edges.lblpicfoy)};
}

} // namespace brelo
