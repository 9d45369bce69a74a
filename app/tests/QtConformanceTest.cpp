// SPDX-License-Identifier: GPL-3.0-or-later
// The window rules' scenarios played on the Qt face, through the program's own windows as the
// window system drives them: keys go to the window that has the keyboard, the pointer clicks
// through the window under it (so that a modal window blocks the others as it does for a
// user), a paste goes through the clipboard and the field's own menu. What the rows check is
// read back from the widgets and from the ink they draw.

#include "Conformance.h"
#include "ControlNamed.h"
#include "QtProgram.h"
#include "QtText.h"
#include "ShellTexts.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>

using Conformance::Edge;
using QtFace::Qs;
using QtFace::Utf8;

namespace {

// ---- Ink ----------------------------------------------------------------------------------

// The first and last columns of `area` that hold ink: any colour but the area's commonest.
std::optional<std::pair<int, int>> InkColumns(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) std::tie(background, most) = std::pair(it.key(), it.value());
    int left = area.right() + 1, right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) left = std::min(left, x), right = std::max(right, x);
    if (right < left) return std::nullopt;
    return std::pair(left, right);
}

// Where the ink of `area` stands: at the edge it keeps least room to, or in the middle where
// the room either side is about the same; none where the ink leaves too little room to tell.
std::optional<Edge> EdgeOfInk(const QImage& image, const QRect& area)
{
    const auto ink = InkColumns(image, area);
    if (!ink) return std::nullopt;
    const int before = ink->first - area.left();
    const int after = area.right() - ink->second;
    const int room = before + after;
    if (room < 6) return std::nullopt;
    if (std::abs(before - after) <= std::max(2, room / 5)) return Edge::Centre;
    return before < after ? Edge::Left : Edge::Right;
}

// A picture of a widget as it is drawn, one image pixel a widget pixel.
QImage Picture(QWidget* widget)
{
    QPixmap pixmap = widget->grab();
    return pixmap.toImage().scaled(widget->size());
}

// ---- Keys ---------------------------------------------------------------------------------

// Presses a key on the window that has the keyboard as the X server hands it to Qt: the key,
// the modifiers held and the character it types, a control character while Ctrl is held.
void PressKey(Shell::Keystroke stroke)
{
    using Shell::Key;
    struct Named {
        Key key;
        Qt::Key qt;
        char typed;
    };
    // clang-format off
    static constexpr Named keys[] = {
        {Key::Enter, Qt::Key_Return, '\r'},  {Key::Escape, Qt::Key_Escape, '\x1b'}, {Key::Space, Qt::Key_Space, ' '},
        {Key::Tab, Qt::Key_Tab, '\t'},       {Key::Backspace, Qt::Key_Backspace, '\b'},
        {Key::Up, Qt::Key_Up, 0},            {Key::Down, Qt::Key_Down, 0},          {Key::Left, Qt::Key_Left, 0},
        {Key::Right, Qt::Key_Right, 0},      {Key::C, Qt::Key_C, 'c'},              {Key::P, Qt::Key_P, 'p'},
        {Key::V, Qt::Key_V, 'v'},            {Key::A, Qt::Key_A, 'a'},              {Key::Home, Qt::Key_Home, 0},
        {Key::End, Qt::Key_End, 0},          {Key::PageUp, Qt::Key_PageUp, 0},      {Key::PageDown, Qt::Key_PageDown, 0},
    };
    // clang-format on
    const auto named =
        std::find_if(std::begin(keys), std::end(keys), [&](const Named& k) { return k.key == stroke.key; });
    QWindow* window = QGuiApplication::focusWindow();
    if (named == std::end(keys) || !window) return;
    Qt::KeyboardModifiers held;
    held.setFlag(Qt::ControlModifier, stroke.control).setFlag(Qt::AltModifier, stroke.alt);
    held.setFlag(Qt::ShiftModifier, stroke.shift);
    const Qt::Key key = named->qt == Qt::Key_Tab && stroke.shift ? Qt::Key_Backtab : named->qt;
    QString text;
    if (named->typed) text = QChar(stroke.control && named->typed >= 'a' ? named->typed - 'a' + 1 : named->typed);
    QTest::sendKeyEvent(QTest::Click, window, key, text, held);
}

// ---- The window manager --------------------------------------------------------------------

// What a window manager does with the keyboard, which the offscreen platform leaves undone: once
// the window that had the keyboard is gone, the top-most window still shown takes it. The
// windows stand in the order they were last shown.
class WindowManager : public QObject {
public:
    WindowManager() { qApp->installEventFilter(this); }

    /// Gives the keyboard to the top-most window where no window shown has it.
    void Refocus()
    {
        stacking_.removeAll(nullptr);
        const QWindow* focus = QGuiApplication::focusWindow();
        if ((!focus || !focus->isVisible()) && !stacking_.isEmpty()) stacking_.last()->activateWindow();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
        auto* window = qobject_cast<QWidget*>(object);
        if (!window || !window->isWindow()) return false;
        if (window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip) {
            stacking_.removeAll(window);
            if (event->type() == QEvent::Show) stacking_.append(window);
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> stacking_;
};

// ---- The driver ---------------------------------------------------------------------------

class QtDriver : public Conformance::Driver {
public:
    QtDriver() : locale_(QLocale())
    {
        // The event loop is idle when it is about to wait for the window system.
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &context_,
                         [this] { Schedule(); });
    }
    ~QtDriver() override
    {
        program_.reset();
        QLocale::setDefault(locale_);
    }

    // ---- The event loop

    void Post(std::function<void()> step) override { steps_.push_back(std::move(step)); }

    void Run() override
    {
        QTimer tooLong;
        tooLong.setSingleShot(true);
        QObject::connect(&tooLong, &QTimer::timeout, &context_, [this] {
            ADD_FAILURE() << "the scenario did not end";
            Stop();
        });
        tooLong.start(30000);
        while (!stopped_) {
            QCoreApplication::exec();
            // The program ended by itself; the rows left still run.
            if (!stopped_) ended_ = true;
        }
    }

    void Stop() override
    {
        stopped_ = true;
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i) QApplication::activeModalWidget()->close();
        QCoreApplication::exit(0);
    }

    // ---- The user

    void Start() override
    {
        program_.reset();
        program_ = std::make_unique<QtProgram>();
        ended_ = false;
        Form1->Window().ShowWindow();
    }

    void Press(Shell::Keystroke stroke) override { PressKey(stroke); }

    void Type(std::string_view text) override
    {
        for (const char32_t character : Qs(text).toUcs4()) {
            QWindow* window = QGuiApplication::focusWindow();
            if (!window) return;
            const QString typed = QString::fromUcs4(&character, 1);
            // Qt names a key that types a letter by the capital letter.
            const Qt::Key key = character == 8 ? Qt::Key_Backspace : Qt::Key(typed.toUpper().toUcs4().front());
            QTest::sendKeyEvent(QTest::Click, window, key, typed, Qt::NoModifier);
        }
    }

    void Paste(std::string_view text) override
    {
        QGuiApplication::clipboard()->setText(Qs(text));
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!field) return;
        // The right button opens the field's own menu, where Paste is clicked. The menu holds
        // the event loop while it stands open: no row runs meanwhile.
        ++busy_;
        QTimer::singleShot(0, &context_, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* command : menu->actions())
                if (command->text() == Qs(Shell::Texts::Paste))
                    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(command).center());
            if (menu->isVisible()) menu->close();
        });
        Pointer(field, field->rect().center(), Qt::RightButton);
        --busy_;
    }

    void Click(std::string_view window, std::string_view control) override
    {
        QWidget* widget = Control(window, control);
        QPoint at = widget->rect().center();
        // A click in a field past the end of its text puts the caret at the end.
        if (auto* field = qobject_cast<QLineEdit*>(widget)) at.setX(ContentsOf(field).right() - 1);
        Pointer(widget, at, Qt::LeftButton);
    }

    void OpenList(std::string_view window, std::string_view control) override { Click(window, control); }

    void ClickRow(int row) override
    {
        QComboBox* list = ListOpen();
        if (!list) return;
        QAbstractItemView* view = list->view();
        const QModelIndex index = list->model()->index(row, 0);
        view->scrollTo(index);
        Pointer(view->viewport(), view->visualRect(index).center(), Qt::LeftButton);
    }

    void CloseBox(std::string_view window) override
    {
        // The window manager's close button; a window under a modal one takes no input.
        QWidget* widget = Window(window);
        const QWidget* modal = QApplication::activeModalWidget();
        if (widget->isVisible() && (!modal || modal == widget)) widget->windowHandle()->close();
    }

    void SetDecimalSeparator(std::string_view separator) override
    {
        // The user's regional settings as Qt reads them: a locale that writes this separator.
        QLocale::setDefault(separator == "," ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    }

    // The event loop runs on meanwhile; no row does.
    void Pause() override
    {
        ++busy_;
        QTimer::singleShot(Shell::TypeAheadPause + 100, &context_, [this] { --busy_; });
    }

    // ---- What the face shows

    std::string Text(std::string_view window, std::string_view control) override
    {
        const Shell::Form& form = FormNamed(window);
        return form.Window().Text(ShellTesting::ControlNamed(form, control));
    }

    std::string Selected(std::string_view window, std::string_view control) override
    {
        const auto* field = qobject_cast<QLineEdit*>(Control(window, control));
        return field ? Utf8(field->selectedText()) : "";
    }

    std::string Focused() override
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? WindowName(focus->window()) + "." + Utf8(focus->objectName()) : "";
    }

    std::string Active() override
    {
        const QWidget* active = QApplication::activeWindow();
        return active ? WindowName(active) : "";
    }

    std::optional<Shell::Message> OpenBox() override
    {
        QWidget* box = Box();
        if (!box) return std::nullopt;
        QStringList lines;
        for (const QLabel* line : box->findChildren<QLabel*>("Line")) lines << line->text();
        return Shell::Message{Shell::MessageKind::Error, Utf8(box->windowTitle()), Utf8(lines.join(u'\r'))};
    }

    std::string Clipboard() override { return Utf8(QGuiApplication::clipboard()->text()); }

    std::optional<Edge> InkOf(std::string_view window, std::string_view control) override
    {
        QWidget* widget = nullptr;
        if (window == "Box") {
            // "Box.1" is the box's first line.
            const QList<QLabel*> lines = Box() ? Box()->findChildren<QLabel*>("Line") : QList<QLabel*>();
            const qsizetype line = std::stoi(std::string(control)) - 1;
            if (line < 0 || line >= lines.size()) return std::nullopt;
            widget = lines[line];
        } else {
            widget = Control(window, control);
        }
        return EdgeOfInk(Picture(widget), widget->rect());
    }

    std::optional<Edge> RowsOfOpenList() override
    {
        QComboBox* list = ListOpen();
        if (!list) return std::nullopt;
        // The row whose text leaves the most room says best where the rows stand.
        QWidget* viewport = list->view()->viewport();
        const QImage picture = Picture(viewport);
        std::optional<Edge> edge;
        int room = -1;
        for (int row = 0; row < list->count(); ++row) {
            const QRect box = list->view()->visualRect(list->model()->index(row, 0)) & viewport->rect();
            const auto ink = box.isEmpty() ? std::nullopt : InkColumns(picture, box);
            if (!ink || box.width() - (ink->second - ink->first) <= room) continue;
            room = box.width() - (ink->second - ink->first);
            edge = EdgeOfInk(picture, box);
        }
        return edge;
    }

    bool DrawnWhole(std::string_view window, std::string_view control) override
    {
        auto* field = qobject_cast<QLineEdit*>(Control(window, control));
        if (!field) return true;
        // A field draws its text clipped to its contents, whose outermost columns the frame's
        // shade may take: a text that does not fit runs into the columns next to them. The
        // text's own line is looked at, where the caret stands too.
        const QRect contents = ContentsOf(field);
        const int height = field->fontMetrics().height();
        const QRect line(contents.left() + 1, contents.top() + (contents.height() - height + 1) / 2,
                         contents.width() - 2, height);
        const auto ink = InkColumns(Picture(field), line);
        return !ink || (ink->first > line.left() && ink->second < line.right());
    }

    bool Ended() override { return ended_; }

    // ---- Whole on the screen

    void Wheel(std::string_view window, int notches) override
    {
        // Over the window's middle, to whatever stands there; what does not take the wheel
        // hands it on to what holds it, as Qt hands on the window system's wheel.
        QWidget* top = Window(window);
        const QPoint middle = top->rect().center();
        for (int i = 0; i < std::abs(notches); ++i)
            for (QWidget* under = top->childAt(middle) ? top->childAt(middle) : top; under;
                 under = under->isWindow() ? nullptr : under->parentWidget()) {
                const QPointF at = under->mapFrom(top, middle);
                QWheelEvent turn(at, under->mapToGlobal(at), QPoint(), QPoint(0, notches > 0 ? -120 : 120),
                                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(under, &turn);
                if (turn.isAccepted()) break;
            }
    }
    Shell::Rect FrameOf(std::string_view window) override { return RectOf(Window(window)->frameGeometry()); }
    Shell::Rect ShownOf(std::string_view window) override
    {
        QWidget* top = Window(window);
        const auto* scrolling = top->findChild<QAbstractScrollArea*>("ClientArea");
        return OnScreen(scrolling ? scrolling->viewport() : top);
    }
    Shell::Rect BoxOf(std::string_view window, std::string_view control) override
    {
        return OnScreen(Control(window, control));
    }
    Shell::Rect WorkArea() override { return RectOf(QGuiApplication::primaryScreen()->availableGeometry()); }
    std::optional<OpenListSeen> OpenListOnScreen() override
    {
        QComboBox* list = ListOpen();
        if (!list) return std::nullopt;
        const QAbstractItemView* view = list->view();
        const int rowHeight = view->sizeHintForRow(0);
        const int rows = rowHeight > 0 ? view->viewport()->height() / rowHeight : 0;
        return OpenListSeen{RectOf(view->window()->frameGeometry()), OnScreen(list), list->count(), rowHeight, rows};
    }

private:
    static Shell::Rect RectOf(const QRect& box) { return {box.x(), box.y(), box.width(), box.height()}; }
    static Shell::Rect OnScreen(const QWidget* widget)
    {
        return RectOf(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    }

    void Schedule()
    {
        if (steps_.empty() || scheduled_ || busy_ > 0) return;
        scheduled_ = true;
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                scheduled_ = false;
                if (steps_.empty() || busy_ > 0) return;
                // What the window system has queued meanwhile, such as the activation of a
                // window just shown, is done before the step.
                QCoreApplication::processEvents();
                windowManager_.Refocus();
                QCoreApplication::processEvents();
                const std::function<void()> step = std::move(steps_.front());
                steps_.pop_front();
                step();
            },
            Qt::QueuedConnection);
    }

    // A button of the pointer pressed and released at a point of a widget, through the window
    // under it as the window system delivers it.
    static void Pointer(QWidget* widget, QPoint at, Qt::MouseButton button)
    {
        QWidget* window = widget->window();
        if (!window->isVisible() || !window->windowHandle()) return;
        QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window, at));
    }

    static QRect ContentsOf(QLineEdit* field)
    {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return field->style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, field)
            .marginsRemoved(field->textMargins());
    }

    static const Shell::Form& FormNamed(std::string_view name)
    {
        const Shell::Form* const forms[] = {Form1, Form2, Form3, Form4, Form5};
        for (const Shell::Form* form : forms)
            if (form->Description().name == name) return *form;
        throw std::invalid_argument("no window " + std::string(name));
    }

    static QWidget* Window(std::string_view name) { return QtFace::Face::WidgetOf(FormNamed(name)); }

    static QWidget* Control(std::string_view window, std::string_view control)
    {
        auto* widget = Window(window)->findChild<QWidget*>(Qs(control));
        if (!widget) throw std::invalid_argument(std::string(window) + " has no control " + std::string(control));
        return widget;
    }

    static std::string WindowName(const QWidget* window)
    {
        if (window->objectName() == "MessageBox") return "Box";
        return Utf8(window->objectName());
    }

    static QWidget* Box()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "MessageBox" && window->isVisible()) return window;
        return nullptr;
    }

    static QComboBox* ListOpen()
    {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? qobject_cast<QComboBox*>(popup->parentWidget()) : nullptr;
    }

    QObject context_;  // the driver's own connections and timers end with it
    WindowManager windowManager_;
    QLocale locale_;
    std::unique_ptr<QtProgram> program_;
    std::deque<std::function<void()>> steps_;
    bool scheduled_ = false;
    int busy_ = 0;
    bool stopped_ = false;
    bool ended_ = false;
};

class QtConformance : public ::testing::TestWithParam<Conformance::Scenario> {};

TEST_P(QtConformance, FollowsTheRules)
{
    QtDriver driver;
    for (const std::string& failure : Conformance::Play(driver, GetParam())) ADD_FAILURE() << failure;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, QtConformance, ::testing::ValuesIn(Conformance::Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

int main(int argc, char** argv)
{
    // Nothing here reads ink off a screen: a widget draws into a picture of its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A small laptop's screen, 1024 x 600, lower than the cold-room sheet: the rows of a window
    // taller than the screen are played in earnest.
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1024, "height": 600,)"
                      R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
