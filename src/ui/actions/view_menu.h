#pragma once

namespace brelo {

class Form1;

// The "Affichage" menu: the choice of the disc oriented zenith up (also in the
// disc picture's context menu, remembered between sessions) and the ephemeris
// over a period (also the page's "Période…" button). Placed after "Fichier"
// when the window has one, before "Quitter".
void installViewMenu(Form1 &form);

} // namespace brelo
