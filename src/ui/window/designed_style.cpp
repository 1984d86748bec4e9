#include "ui/window/designed_style.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstring>

namespace brelo {

namespace {

bool styleAsked(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "-style") == 0 || std::strcmp(arg, "--style") == 0 ||
            std::strncmp(arg, "-style=", 7) == 0 || std::strncmp(arg, "--style=", 8) == 0)
            return true;
    }
    return false;
}

} // namespace

void useDesignedStyle(QApplication &app, int argc, const char *const *argv)
{
    if (!styleAsked(argc, argv))
        app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace brelo
