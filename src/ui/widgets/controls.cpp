#include "ui/widgets/controls.h"

#include "ui/widgets/cached_controls.h"
#include "ui/widgets/cached_group_box.h"
#include "ui/widgets/cached_text_label.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace brelo {

namespace {

template <class W>
W *named(W *widget, const char *name, QRect geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        widget->setGeometry(geometry);
    return widget;
}

// The window's fonts differ from one system to the next, while the labels keep
// their designed sizes: a label designed more than a line high wraps its text,
// a one-line label whose text is too wide is condensed until it fits, and one
// a little too low for the font grows down to the font's height.
void fitText(QLabel *label, TextWidth width = nullptr)
{
    const QFontMetrics metrics = label->fontMetrics();
    if (label->height() * 2 >= metrics.height() * 3) {
        label->setWordWrap(true);
        return;
    }
    if (label->height() < metrics.height()) {  // keep the descenders
        const QSize taller(label->width(), metrics.height());
        if (label->minimumSize() == label->maximumSize())
            label->setFixedSize(taller);  // a label of fixed size stays fixed
        else
            label->resize(taller);
    }
    const int needed = width ? width(label->font(), label->text()) : metrics.horizontalAdvance(label->text());
    if (needed <= label->width() || needed == 0)
        return;
    constexpr int kNarrowest = 80;  // percent
    QFont font = label->font();
    font.setStretch(std::max(kNarrowest, 100 * label->width() / needed));
    label->setFont(font);
}

// Fixes the sizes at the container's first show, when its layout has run.
class SizeKeeper : public QObject {
public:
    SizeKeeper(QWidget *container, const QList<QWidget *> &widgets) : QObject(container), widgets_(widgets) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            for (QWidget *widget : widgets_)
                widget->setFixedSize(widget->size());
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QList<QWidget *> widgets_;
};

} // namespace

void keepLaidOutSize(QWidget *container, const QList<QWidget *> &widgets)
{
    container->installEventFilter(new SizeKeeper(container, widgets));
}

void refitText(QLabel *label, TextWidth width)
{
    QFont font = label->font();
    font.setStretch(QFont::AnyStretch);
    label->setFont(font);
    fitText(label, width);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = named(new CachedTextLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (geometry.isValid())
        fitText(label);
    return label;
}

QLabel *makeResultLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    QLabel *label = makeLabel(parent, name, text, geometry);
    static_cast<CachedTextLabel *>(label)->paintFlatBackgroundItself();
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    // Given at construction, the text would first be shaped in the
    // application's default font, before the box takes the window's.
    auto *box = named(new CachedLineEdit(QString(), parent), name, geometry);
    // Numbers need no shaping engine: Qt lays them out from the font's own
    // tables (kerning included), and a script that needs shaping still gets
    // it. Only this one property is set; the rest is the window's font.
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(unshaped);
    box->setText(text);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    return named(new CachedPushButton(caption, parent), name, geometry);
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, bool checked,
                        QRect geometry)
{
    auto *box = named(new CachedCheckBox(caption, parent), name, geometry);
    box->setChecked(checked);
    return box;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    return named(new CachedGroupBox(caption, parent), name, geometry);
}

QFrame *makeSeparator(QWidget *parent, const char *name, QRect geometry)
{
    auto *line = named(new CachedSeparator(parent), name, geometry);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void setTextColor(QWidget *widget, Rgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color.r, color.g, color.b));
    widget->setPalette(palette);
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setPointSize(QWidget *widget, double points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void setOpaqueBackground(QWidget *widget, Rgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(color.r, color.g, color.b));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Rgb rgbOf(const QColor &color)
{
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

} // namespace brelo
