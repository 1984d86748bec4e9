#include "app/controls.h"

#include <QCheckBox>
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

} // namespace

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = named(new QLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label designed two or more lines high wraps its text, like the
    // fixed-size labels of the original window.
    if (geometry.isValid() && geometry.height() >= 2 * label->fontMetrics().height())
        label->setWordWrap(true);
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
