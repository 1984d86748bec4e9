#pragma once

#include <QColor>

#include <vector>

class QWidget;

namespace brelo {

class PictureArea;

// The results of one computation, which the window keeps on screen after a
// failed run: their texts turn grey and a pale veil covers their picture
// until the next successful run, so old results never pass for current ones.
class StaleResults {
public:
    // texts: labels and lists showing results. The veil covers the picture and
    // the drawing's own labels, not the controls the user works with in it; a
    // page without a picture (null) has only its texts greyed.
    StaleResults(std::vector<QWidget *> texts, PictureArea *picture, const std::vector<QWidget *> &controls = {});

    // What a failed run leaves behind: a failed drawing leaves current texts.
    enum Extent { Nothing, PictureOnly, TextsAndPicture };
    void setStale(Extent extent);
    bool textsStale() const { return textsStale_; }
    bool pictureStale() const;

private:
    struct Text {
        QWidget *widget;
        QColor windowText, text;  // the colours it had when it turned stale
    };
    void setTextsStale(bool stale);

    std::vector<Text> texts_;
    QWidget *veil_;
    bool textsStale_ = false;
};

} // namespace brelo
