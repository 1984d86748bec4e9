#pragma once

#include "core/optics/calcul.h"

#include <optional>
#include <string>

namespace brelo {

class Canvas;

// The field texts that the optical layout drawing reads itself.
struct LayoutInput {
    std::string foco1;   // Txtfoco1, read as a float here
    std::string do1;     // Txtdo1
    std::string do2;     // Txtdo2
    std::string discoc;  // Txtdiscoc
    std::string do3a;    // Txtdo3a
    std::string do3b;    // Txtdo3b, read as a float here
};

// Left edges, in the picture's user coordinates (twips from the axis origin),
// that the window gives the element labels after a drawing.
struct LayoutLabelEdges {
    double lblpicdo = 0.0;
    double lblpico2 = 0.0;
    double lblpicdia = 0.0;
    double lblpico3 = 0.0;
    double lblpicfoy = 0.0;
};

// Draws the optical train of the last computation to scale. scaleSetting is
// UpDownech's value (negative: the area's width spans -scaleSetting mm).
// Returns nothing, and draws nothing, when a text it reads is not a number.
std::optional<LayoutLabelEdges> dessin(Canvas &canvas, const LayoutInput &input,
                                       const OpticalState &state, int scaleSetting,
                                       bool rays, char decimalSeparator);

} // namespace brelo

namespace brelo {

// User x of the picture's inner left edge: the optical axis origin (O1) stands
// 100 twips to the right of it. A label edge e is e - kLayoutLeftEdge twips
// from the inner left edge.
inline constexpr double kLayoutLeftEdge = -100.0;

// Inner size of Picture1 (11535 × 3015 twips outside, a 30-twip border).
inline constexpr double kLayoutInnerWidthTwips = 11475.0;
inline constexpr double kLayoutInnerHeightTwips = 3015.0 - 60.0;

} // namespace brelo
