#pragma once

class QMenu;

namespace brelo {

// "Langue" at the foot of a menu: Français, English, or the desktop's language
// (Automatique). The choice is remembered in the user's settings and applied
// at once: every window shows its texts again in that language.
void addLanguageMenu(QMenu &menu);

} // namespace brelo
