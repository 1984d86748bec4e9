#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace brelo {

// What the "Affichage" menu acts on.
struct ViewChoices {
    std::function<void(bool)> setParaxialRays;  // the traced rays on the layout drawing
    std::function<void(bool)> setZenithUp;      // the disc turned zenith up
    std::function<void()> openPeriodTable;
    std::function<void()> openSunDay;
};

// Fills the "Affichage" menu: the traced rays, the disc turned zenith up
// (also in the disc picture's context menu), the period table and the Sun's
// day, then the language. Both choices are remembered in the user's settings
// and applied at once.
void fillViewMenu(QMenu &menu, QWidget &discPicture, const ViewChoices &choices);

} // namespace brelo
