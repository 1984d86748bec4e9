#pragma once

#include <QFont>
#include <QLabel>
#include <QStaticText>

namespace brelo {

// A label of fixed design size whose one-line text is drawn whole in whatever
// font the system, the zoom or the language gives: condensed down to 80 % of
// its width, then set smaller, until it fits. The label's own font stays the
// one it inherits; a label that wraps its text is drawn as QLabel draws it.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The font the text is drawn with: the label's own when the text fits.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The last fit and its laid-out line, kept: a paint that changes nothing
    // measures and shapes nothing.
    struct Fit {
        QString text;
        QFont font;
        int width = -1;
        QFont fitted;
        QStaticText line;
    };
    const Fit &fit() const;
    mutable Fit fit_;
};

} // namespace brelo
