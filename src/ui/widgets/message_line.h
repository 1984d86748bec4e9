#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace brelo {

// The window's one place for what went wrong: a warning sign and red bold text
// at the foot of the window, seen from every page. Each source keeps its own
// line until it has something new to say or its next run succeeds.
class MessageLine : public QWidget {
    Q_OBJECT

public:
    enum class Source { ParamsFile, Optics, Ephemeris };

    explicit MessageLine(QWidget *parent = nullptr);

    void setMessage(Source source, const QString &text);  // "" clears it
    void clearMessage(Source source) { setMessage(source, QString()); }
    QString message(Source source) const { return messages_[index(source)]; }
    QString text() const;  // every line shown, "" when none

private:
    static std::size_t index(Source source) { return static_cast<std::size_t>(source); }
    void refresh();

    std::array<QString, 3> messages_;
    QLabel *sign_;
    QLabel *text_;
};

} // namespace brelo
