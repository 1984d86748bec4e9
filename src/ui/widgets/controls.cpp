#include "ui/widgets/controls.h"

#include "ui/widgets/fitted_label.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// A label a little too low for the font grows down to the font's height, to
// keep the descenders; its width stays, the text being fitted to it.
void keepDescenders(QLabel *label)
{
    const int needed = label->fontMetrics().height();
    if (label->height() < needed)
        label->resize(label->width(), needed);
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

QFont designFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    // The window's texts are Latin words and numbers, which need no shaping
    // engine: Qt lays them out from the font's own tables, kerning included,
    // and still shapes a script that needs it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(8.25);
    return font;
}

FittedLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = named(new FittedLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (geometry.isValid()) {
        // Designed more than a line high: the text wraps.
        label->setWordWrap(label->height() * 2 >= label->fontMetrics().height() * 3);
        keepDescenders(label);
    }
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *box = named(new QLineEdit(text, parent), name, geometry);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    return named(new QPushButton(caption, parent), name, geometry);
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, bool checked,
                        QRect geometry)
{
    auto *box = named(new QCheckBox(caption, parent), name, geometry);
    box->setChecked(checked);
    return box;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    return named(new QGroupBox(caption, parent), name, geometry);
}

QFrame *makeSeparator(QWidget *parent, const char *name, QRect geometry)
{
    auto *line = named(new QFrame(parent), name, geometry);
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
