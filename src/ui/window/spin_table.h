#pragma once

#include "ui/widgets/spin_button.h"

#include <QRect>

#include <span>
#include <string_view>

namespace brelo {

// What a change of a spin button runs.
enum class SpinWork {
    Optics,     // calcul, then dessin (O3 copied to O3' first while Chko3 is checked)
    Ephemeris,  // calculephem, then dessinephem
};

struct SpinDeclaration {
    const char *name;
    const char *buddy;  // nullptr: no field
    SpinRange range;
    int value;          // at start-up, whatever the field shows
    SpinWork work;
};

// The window's nineteen spin buttons.
std::span<const SpinDeclaration> spinTable();

// The spin button of that name, as the table declares it (the name must be in it).
SpinButton *makeSpinButton(QWidget *parent, std::string_view name, char decimalSeparator,
                           QRect geometry = {});

} // namespace brelo
