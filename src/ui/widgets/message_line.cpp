#include "ui/widgets/message_line.h"

#include "ui/widgets/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace brelo {

namespace {
constexpr Rgb kRed{255, 0, 0};
// A parameters-file message and the two computations at once; each message is
// one line at design size (the longest, about brelo.dat, takes 750 of 790 pixels).
constexpr int kLines = 3;
constexpr int kSignPx = 24;
} // namespace

MessageLine::MessageLine(QWidget *parent)
    : QWidget(parent), sign_(new QLabel(this)), text_(new QLabel(this))
{
    setObjectName(QStringLiteral("Message"));
    sign_->setObjectName(QStringLiteral("imgerreur"));
    sign_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kSignPx, kSignPx));
    sign_->setAlignment(Qt::AlignTop);
    QSizePolicy keepPlace = sign_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);  // the text keeps its place without a message
    sign_->setSizePolicy(keepPlace);
    text_->setObjectName(QStringLiteral("lblerreur"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the user may copy it
    setTextColor(text_, kRed);
    setBold(text_, true);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(sign_, 0, Qt::AlignTop);
    row->addWidget(text_, 1);
    // The same height with or without a message, so the window never jumps.
    setFixedHeight(std::max(kSignPx, kLines * text_->fontMetrics().lineSpacing()) + 10);
    refresh();
}

void MessageLine::setMessage(Source source, const QString &text)
{
    messages_[index(source)] = text;
    refresh();
}

QString MessageLine::text() const { return text_->text(); }

void MessageLine::refresh()
{
    QStringList shown;
    for (const QString &message : messages_)
        if (!message.isEmpty())
            shown << message;
    text_->setText(shown.join(QLatin1Char('\n')));
    sign_->setVisible(!shown.isEmpty());
}

} // namespace brelo
