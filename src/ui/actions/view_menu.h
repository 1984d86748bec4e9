#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace brelo {

// Fills the "Affichage" menu: the traced rays on the layout drawing, the disc
// turned zenith up (also in the disc picture's context menu) and the period
// table. Both choices are remembered in the user's settings and applied at
// once through `setParaxialRays` and `setZenithUp`.
void fillViewMenu(QMenu &menu, QWidget &discPicture, const std::function<void(bool)> &setZenithUp,
                  const std::function<void()> &openPeriodTable, const std::function<void(bool)> &setParaxialRays);

} // namespace brelo
