#include "ui/window/spin_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace brelo {

namespace {

using W = SpinWork;

const std::array<SpinDeclaration, 19> kSpinButtons = {{
    {"UpDown1", "Txtfoco1", {1, 10000, 1}, 1000, W::Optics},
    {"UpDown2", "Txtdo1", {1, 500, 1}, 90, W::Optics},
    {"UpDown3", "Txtfoco2", {1, 1000, 1}, 200, W::Optics},
    {"UpDown4", "Txtdo2", {1, 500, 1}, 50, W::Optics},
    {"UpDown5", "Txtdiscoc", {1, 500, 1}, 30, W::Optics},
    {"UpDown6", "Txtfoco3a", {1, 1000, 1}, 300, W::Optics},
    {"UpDown7", "Txtdo3a", {1, 500, 1}, 50, W::Optics},
    {"UpDown8", "Txtfoco3b", {1, 1000, 1}, 300, W::Optics},
    {"UpDown9", "Txtdo3b", {1, 500, 1}, 50, W::Optics},
    // The scale: the picture's width spans -value millimetres.
    {"UpDownech", nullptr, {-10000, -1, 10}, -2000, W::Optics},
    // Minutes of arc go up to 60, minutes of time stop at 59.
    {"UpDown10", "txtlatimin", {0, 60, 1}, 0, W::Ephemeris},
    {"UpDown11", "txtlongimin", {0, 60, 1}, 0, W::Ephemeris},
    {"UpDown12", "txtlongideg", {-180, 180, 1}, 0, W::Ephemeris},
    {"UpDown13", "txtlatideg", {-90, 90, 1}, 45, W::Ephemeris},
    {"UpDown14", "txtminut", {0, 59, 1}, 0, W::Ephemeris},
    {"UpDown15", "txtjour", {1, 31, 1}, 1, W::Ephemeris},
    {"UpDown16", "txtheur", {0, 23, 1}, 0, W::Ephemeris},
    {"UpDown17", "txtmois", {1, 12, 1}, 1, W::Ephemeris},
    {"UpDown18", "txtann", {1800, 2100, 1}, 2000, W::Ephemeris},
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
