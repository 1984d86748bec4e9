#pragma once

#include <QWidget>

namespace brelo {

// The "A Propos" page: the logo, the program's name and what it is for, in
// the frame Frame3. Nothing on it changes at run time.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget *parent = nullptr);
};

} // namespace brelo
