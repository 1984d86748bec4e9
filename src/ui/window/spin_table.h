#pragma once

#include "ui/widgets/spin_button.h"

#include <QRect>

#include <span>
#include <string_view>

namespace brelo {

struct SpinDeclaration {
    const char *name;
    SpinRange range;
    int value;  // at start-up, whatever its field shows
};

// The window's nineteen spin buttons.
std::span<const SpinDeclaration> spinTable();

// The spin button of that name, as the table declares it (the name must be in it).
SpinButton *makeSpinButton(QWidget *parent, std::string_view name, char decimalSeparator,
                           QRect geometry = {});

} // namespace brelo
