#include "ui/window/spin_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace brelo {

namespace {

const std::array<SpinDeclaration, 19> kSpinButtons = {{
    {"UpDown1", {1, 10000, 1}, 1000},
    {"UpDown2", {1, 500, 1}, 90},
    {"UpDown3", {1, 1000, 1}, 200},
    {"UpDown4", {1, 500, 1}, 50},
    {"UpDown5", {1, 500, 1}, 30},
    {"UpDown6", {1, 1000, 1}, 300},
    {"UpDown7", {1, 500, 1}, 50},
    {"UpDown8", {1, 1000, 1}, 300},
    {"UpDown9", {1, 500, 1}, 50},
    // The scale: the picture's width spans -value millimetres.
    {"UpDownech", {-10000, -1, 10}, -2000},
    // Minutes of arc go up to 60, minutes of time stop at 59.
    {"UpDown10", {0, 60, 1}, 0},
    {"UpDown11", {0, 60, 1}, 0},
    {"UpDown12", {-180, 180, 1}, 0},
    {"UpDown13", {-90, 90, 1}, 45},
    {"UpDown14", {0, 59, 1}, 0},
    {"UpDown15", {1, 31, 1}, 1},
    {"UpDown16", {0, 23, 1}, 0},
    {"UpDown17", {1, 12, 1}, 1},
    {"UpDown18", {1800, 2100, 1}, 2000},
}};

} // namespace

std::span<const SpinDeclaration> spinTable() { return kSpinButtons; }

SpinButton *makeSpinButton(QWidget *parent, std::string_view name, char decimalSeparator, QRect geometry)
{
    const auto entry = std::find_if(kSpinButtons.begin(), kSpinButtons.end(),
                                   [name](const SpinDeclaration &s) { return name == s.name; });
    if (entry == kSpinButtons.end())
        throw std::logic_error("no spin button named " + std::string(name));
    auto *spin = new SpinButton(entry->range, entry->value, decimalSeparator, parent);
    spin->setObjectName(QString::fromLatin1(entry->name));
    if (geometry.isValid())
        spin->setGeometry(geometry);
    return spin;
}

} // namespace brelo
