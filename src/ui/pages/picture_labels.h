#pragma once

#include "core/common/rgb.h"
#include "core/drawing/layout_drawing.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace brelo {

// A text that stands on a picture area: the window shows it as a label, the
// exports and the printed page draw it with the picture. Positions in twips
// from the picture's inner top-left corner.
struct PictureLabel {
    const char *name;
    const char *text;
    int left, top, width, height;
    Rgb color;
    bool narrowFont;          // Arial Narrow, for the scale bar's length
    bool onPictureColor;      // an opaque background of the picture's colour
};

// The label's text in the language in use (its source is one of the
// "brelo::PictureLabel" context, or a symbol the same in every language).
QString shownText(const PictureLabel &label);

// Picture1's texts: the scale bar's "100mm", then the six element labels in
// the order the start-up hides them and a drawing shows them.
std::span<const PictureLabel> layoutPictureLabels();
// The element labels alone, in that order.
std::span<const PictureLabel> elementLabels();
// Where a drawing puts each element label's left edge, in twips from the
// inner left edge; none for lblpico1, which stays at its design place.
std::array<std::optional<double>, 6> elementLabelLefts(const LayoutLabelEdges &edges);

// Picture3's compass letters, north up and east to the left.
std::span<const PictureLabel> compassLabels();

inline constexpr Rgb kLayoutBackground{255, 128, 128};
inline constexpr Rgb kDiscBackground{128, 0, 0};

} // namespace brelo
