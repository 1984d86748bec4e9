#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace brelo {

// Fills the "Affichage" menu: the disc turned zenith up (also in the disc
// picture's context menu; the choice is remembered in the user's settings and
// applied at once through `setZenithUp`), the period table and the Sun's day.
void fillViewMenu(QMenu &menu, QWidget &discPicture, const std::function<void(bool)> &setZenithUp,
                  const std::function<void()> &openPeriodTable, const std::function<void()> &openSunDay);

} // namespace brelo
