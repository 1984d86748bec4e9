// The scenario machinery of brelo-drive: commands acted out on the real window
// through Qt events, and the JSON picture of every control.

#include "scenario.h"

#include "ui/actions/file_dialogs.h"
#include "ui/window/form1.h"
#include "ui/widgets/one_row_list_view.h"
#include "ui/widgets/spin_button.h"
#include "ui/widgets/picture_area.h"
#include "ui/doc/doc_page.h"
#include "ui/pages/construction_page.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/pages/optics_page.h"
#include "ui/widgets/fitted_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <QAction>
#include <QClipboard>
#include <QPointer>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <iterator>
#include <optional>

namespace brelo::scenario {

namespace {

constexpr int kDumpedRows = 48;

// Paths (and filter indices) the next dialogs answer, and what the menu said last.
struct ScriptedDialogs {
    std::deque<std::pair<QString, int>> answers;
    QString lastMessage;
    bool lastWasFailure = false;
};
ScriptedDialogs &scripted()
{
    static ScriptedDialogs dialogs;
    return dialogs;
}

QString hexColor(const QColor &color) { return color.name(QColor::HexRgb); }

bool isBlank(const QImage &image, QColor background)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb expected = background.rgb();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] | 0xff000000u) != (expected | 0xff000000u))
                return false;
    }
    return true;
}

QString imageHash(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QByteArrayView bytes(rgb.constBits(), rgb.sizeInBytes());
    return QString::number(qHash(bytes), 16);
}

// The window's named controls, the tab bar's own scroll arrows and Qt's
// inner parts (named qt_...) left out.
QHash<QString, QWidget *> namedControls(const Form1 &form)
{
    QHash<QString, QWidget *> controls;
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !qobject_cast<QTabBar *>(widget->parentWidget()))
            controls.insert(name, widget);
    }
    return controls;
}

// A control the user types into or clicks, or nothing for another kind.
std::optional<QJsonObject> describeInput(QWidget *widget)
{
    QJsonObject o;
    if (auto *spin = qobject_cast<brelo::SpinButton *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("spin");
        o[QStringLiteral("value")] = spin->value();
        o[QStringLiteral("min")] = spin->range().minimum;
        o[QStringLiteral("max")] = spin->range().maximum;
        o[QStringLiteral("step")] = spin->range().step;
        o[QStringLiteral("enabled")] = spin->isEnabled();
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("textbox");
        o[QStringLiteral("text")] = edit->text();
        o[QStringLiteral("enabled")] = edit->isEnabled();
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("checkbox");
        o[QStringLiteral("checked")] = check->isChecked();
        o[QStringLiteral("enabled")] = check->isEnabled();
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("button");
        o[QStringLiteral("text")] = button->text();
        o[QStringLiteral("enabled")] = button->isEnabled();
    } else {
        return std::nullopt;
    }
    return o;
}

QJsonObject describeLabel(const Form1 &form, QLabel *label)
{
    QJsonObject o;
    o[QStringLiteral("kind")] = QStringLiteral("label");
    o[QStringLiteral("text")] = label->text();
    o[QStringLiteral("visible")] = !label->isHidden();
    o[QStringLiteral("left")] = form.opticsPage().leftTwips(label);
    o[QStringLiteral("color")] = hexColor(label->palette().color(QPalette::WindowText));
    o[QStringLiteral("bold")] = label->font().bold();
    // Below 100: condensed to fit.
    const auto *fitted = qobject_cast<brelo::FittedLabel *>(label);
    o[QStringLiteral("stretch")] = fitted ? fitted->fittedFont().stretch() : label->font().stretch();
    return o;
}

QJsonObject describeList(brelo::OneRowListView *list)
{
    QJsonObject o;
    o[QStringLiteral("kind")] = QStringLiteral("list");
    const int count = list->model()->rowCount();
    o[QStringLiteral("count")] = count;
    QJsonArray rows;
    for (int row = 0; row < count && row < kDumpedRows; ++row)
        rows.append(list->model()->data(list->model()->index(row, 0)).toString());
    o[QStringLiteral("rows")] = rows;
    o[QStringLiteral("top")] = list->topRow();          // the row shown first
    o[QStringLiteral("current")] = list->currentRow();  // -1: none
    o[QStringLiteral("color")] = hexColor(list->palette().color(QPalette::Text));
    return o;
}

QJsonObject describePicture(brelo::PictureArea *picture)
{
    QJsonObject o;
    o[QStringLiteral("kind")] = QStringLiteral("picture");
    const QImage image = picture->image();
    o[QStringLiteral("blank")] = isBlank(image, picture->palette().color(QPalette::Window)) ||
                                 isBlank(image, image.pixelColor(0, 0));
    o[QStringLiteral("hash")] = imageHash(image);
    // Veiled: an old picture kept after a failed run.
    const QWidget *veil = picture->findChild<QWidget *>(QStringLiteral("veil"), Qt::FindDirectChildrenOnly);
    o[QStringLiteral("dimmed")] = veil && !veil->isHidden();
    return o;
}

// A control that holds others or shows pages: tabs, viewer, frame, menu.
std::optional<QJsonObject> describeHolder(const Form1 &form, QWidget *widget)
{
    QJsonObject o;
    if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("tabs");
        o[QStringLiteral("current")] = tabs->currentIndex();
        QJsonArray captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions.append(tabs->tabText(i));
        o[QStringLiteral("captions")] = captions;
    } else if (auto *viewer = qobject_cast<QTextBrowser *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("viewer");
        o[QStringLiteral("visible")] = !viewer->isHidden();
        o[QStringLiteral("address")] = form.docPage().address();
        o[QStringLiteral("title")] = viewer->documentTitle();
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("frame");
        o[QStringLiteral("caption")] = frame->title();
    } else if (auto *menu = qobject_cast<QMenu *>(widget)) {
        o[QStringLiteral("kind")] = QStringLiteral("menu");
        o[QStringLiteral("caption")] = menu->title();
        QJsonArray items;
        for (const QAction *action : menu->actions())
            items.append(QJsonObject{{QStringLiteral("name"), action->objectName()},
                                     {QStringLiteral("caption"), action->text()}});
        o[QStringLiteral("items")] = items;
    } else {
        return std::nullopt;
    }
    return o;
}

QJsonObject describe(const Form1 &form, QWidget *widget)
{
    if (const std::optional<QJsonObject> input = describeInput(widget))
        return *input;
    if (auto *label = qobject_cast<QLabel *>(widget))
        return describeLabel(form, label);
    if (auto *list = qobject_cast<brelo::OneRowListView *>(widget))
        return describeList(list);
    if (auto *picture = qobject_cast<brelo::PictureArea *>(widget))
        return describePicture(picture);
    if (const std::optional<QJsonObject> holder = describeHolder(form, widget))
        return *holder;
    return {{QStringLiteral("kind"), QStringLiteral("other")}, {QStringLiteral("visible"), !widget->isHidden()}};
}

} // namespace

// The table is made once per window and again when a name is missing from it
// (a dialog opened since): the window's controls never change.
QWidget *control(const Form1 &form, const QString &name)
{
    static QPointer<const Form1> tableOf;
    static QHash<QString, QPointer<QWidget>> table;
    const auto look = [&] {
        const auto found = table.constFind(name);
        return tableOf == &form && found != table.cend() ? found->data() : nullptr;
    };
    if (QWidget *widget = look())
        return widget;
    table.clear();
    for (auto [key, widget] : namedControls(form).asKeyValueRange())
        table.insert(key, widget);
    tableOf = &form;
    return look();
}

QStringList controlNames(const Form1 &form)
{
    QStringList names = namedControls(form).keys();
    names.sort();
    return names;
}

QJsonObject dump(const Form1 &form)
{
    QJsonObject controls;
    const QHash<QString, QWidget *> named = namedControls(form);
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        controls[it.key()] = describe(form, it.value());
    const brelo::OpticalState &optics = form.opticsPage().opticalState();
    const brelo::EphemerisPage &ephemeris = form.ephemerisPage();
    QJsonObject state{
        {QStringLiteral("anglep"), double(ephemeris.anglep())},
        {QStringLiteral("latb0"), ephemeris.latb0() ? QJsonValue(double(*ephemeris.latb0())) : QJsonValue()},
        {QStringLiteral("distb"), optics.distb},
        {QStringLiteral("interx"), optics.interx},
        {QStringLiteral("distc"), optics.distc},
        {QStringLiteral("opticsStale"), form.opticsPage().resultsStale()},
        {QStringLiteral("layoutStale"), form.opticsPage().pictureStale()},
        {QStringLiteral("ephemerisStale"), ephemeris.resultsStale()},
        {QStringLiteral("constructionStale"), form.constructionPage().resultsStale()},
    };
    return {
        {QStringLiteral("caption"), form.windowTitle()},
        {QStringLiteral("controls"), controls},
        {QStringLiteral("state"), state},
        {QStringLiteral("message"), form.shownMessage()},
        {QStringLiteral("startupMessage"), form.startupMessage()},
        {QStringLiteral("fileMessage"), scripted().lastMessage},
        {QStringLiteral("fileFailure"), scripted().lastWasFailure},
        {QStringLiteral("clipboard"), QApplication::clipboard()->text()},
    };
}

namespace {

template <class W>
W *reachable(const Form1 &form, const QString &name, const char *kind)
{
    QWidget *widget = control(form, name);
    if (!widget)
        throw ScriptError(QStringLiteral("unknown control %1").arg(name));
    auto *typed = qobject_cast<W *>(widget);
    if (!typed)
        throw ScriptError(QStringLiteral("%1 is not a %2").arg(name, QLatin1String(kind)));
    if (!typed->isVisible())
        throw ScriptError(QStringLiteral("%1 is not on the page shown").arg(name));
    return typed;
}

// The control the user is working in gets the focus first, as a click would give it.
void focus(QWidget *widget)
{
    widget->activateWindow();
    widget->setFocus(Qt::MouseFocusReason);
}

void typeText(const Form1 &form, const QString &name, const QString &text)
{
    auto *edit = reachable<QLineEdit>(form, name, "text box");
    if (!edit->isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(name));
    focus(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    // QTest::keyClicks knows only ASCII keys; other characters (accents, a
    // surrogate pair) arrive as key events carrying their text, as an input method sends them.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(edit, c.toLatin1());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

void click(const Form1 &form, const QString &name)
{
    auto *button = reachable<QAbstractButton>(form, name, "button or check box");
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void arrow(const Form1 &form, const QString &name, bool up)
{
    auto *spin = reachable<brelo::SpinButton>(form, name, "spin button");
    QToolButton *button = up ? spin->upArrow() : spin->downArrow();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void key(const Form1 &form, const QString &name, const QString &keyName)
{
    auto *widget = reachable<QWidget>(form, name, "control");
    if (!widget->isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(name));  // it would get no key
    struct NamedKey {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const NamedKey keys[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier},
        {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Up", Qt::Key_Up, Qt::NoModifier},
        {"Down", Qt::Key_Down, Qt::NoModifier},
        {"Alt+Left", Qt::Key_Left, Qt::AltModifier},
        {"Alt+Right", Qt::Key_Right, Qt::AltModifier},
    };
    const auto named = std::find_if(std::begin(keys), std::end(keys),
                                    [&](const NamedKey &k) { return keyName == QLatin1String(k.name); });
    if (named == std::end(keys))
        throw ScriptError(QStringLiteral("unknown key %1 (Enter, KeypadEnter, Up, Down, Alt+Left or Alt+Right)").arg(keyName));
    focus(widget);
    QTest::keyClick(widget, named->key, named->modifiers);
}

void tab(const Form1 &form, const QString &index)
{
    auto *tabs = reachable<QTabWidget>(form, QStringLiteral("SSTab1"), "tab control");
    bool ok = false;
    const int page = index.toInt(&ok);
    if (!ok || page < 0 || page >= tabs->count())
        throw ScriptError(QStringLiteral("no page %1").arg(index));
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
}

void snap(const Form1 &form, const QString &name, const QString &file)
{
    QWidget *widget = name == QLatin1String("Form1") ? const_cast<Form1 *>(&form) : control(form, name);
    if (!widget)
        throw ScriptError(QStringLiteral("unknown control %1").arg(name));
    const auto *picture = qobject_cast<brelo::PictureArea *>(widget);
    const QImage image = picture ? picture->image() : widget->grab().toImage();
    if (file.isEmpty() || !image.save(file, "PNG"))
        throw ScriptError(QStringLiteral("cannot write %1").arg(file));
}

// A menu item, as the user picks it: only when enabled.
void menu(Form1 &form, const QString &name)
{
    auto *action = form.findChild<QAction *>(name);
    if (!action)
        throw ScriptError(QStringLiteral("unknown menu item %1").arg(name));
    if (!action->isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(name));
    action->trigger();
}

// "[filter=N] PATH": the path may hold blanks.
void answer(QString words)
{
    bool ok = true;
    int index = 0;
    if (words.startsWith(QLatin1String("filter="))) {
        index = words.section(QLatin1Char(' '), 0, 0).mid(7).toInt(&ok);
        words = words.section(QLatin1Char(' '), 1);
    }
    if (words.isEmpty() || !ok || index < 0)
        throw ScriptError(QStringLiteral("answer wants [filter=N] PATH"));
    scripted().answers.emplace_back(words, index);
}

std::optional<std::pair<QString, int>> nextAnswer()
{
    if (scripted().answers.empty())
        return std::nullopt;
    auto next = scripted().answers.front();
    scripted().answers.pop_front();
    return next;
}

} // namespace

void answerDialogsFromScript()
{
    FileDialogs dialogs;
    dialogs.chooseFile = [](QWidget *, const FileQuestion &question) -> std::optional<FileAnswer> {
        const auto next = nextAnswer();
        if (!next)
            return std::nullopt;
        return FileAnswer{next->first, question.filters.value(next->second)};
    };
    dialogs.choosePrinter = [](QWidget *, QPrinter &printer) {
        const auto next = nextAnswer();
        if (!next)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(next->first);
        return true;
    };
    dialogs.tell = [](QWidget *, const QString &message, bool failure) {
        scripted().lastMessage = message;
        scripted().lastWasFailure = failure;
    };
    setFileDialogs(std::move(dialogs));
}

void run(Form1 &form, const QString &line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString name = line.section(QLatin1Char(' '), 1, 1);
    const QString rest = line.section(QLatin1Char(' '), 2);
    const auto needName = [&] {
        if (name.isEmpty())
            throw ScriptError(QStringLiteral("%1 needs a control name").arg(command));
    };
    if (command == QLatin1String("type")) {
        needName();
        typeText(form, name, rest);
    } else if (command == QLatin1String("click")) {
        needName();
        click(form, name);
    } else if (command == QLatin1String("up") || command == QLatin1String("down")) {
        needName();
        arrow(form, name, command == QLatin1String("up"));
    } else if (command == QLatin1String("key")) {
        needName();
        key(form, name, rest);
    } else if (command == QLatin1String("tab")) {
        tab(form, name);
    } else if (command == QLatin1String("snap")) {
        needName();
        snap(form, name, rest);
    } else if (command == QLatin1String("menu")) {
        needName();
        menu(form, name);
    } else if (command == QLatin1String("answer")) {
        answer(line.section(QLatin1Char(' '), 1));
    } else if (command == QLatin1String("dump")) {
        std::fputs(QJsonDocument(dump(form)).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    } else {
        throw ScriptError(QStringLiteral("unknown command %1").arg(command));
    }
    QApplication::processEvents();
}

} // namespace brelo::scenario
