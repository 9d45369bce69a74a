// SPDX-License-Identifier: GPL-3.0-or-later
#include "Window.h"

#include "Banner.h"
#include "Keys.h"
#include "Labels.h"
#include "Lists.h"
#include "Look.h"
#include "MessageWindow.h"
#include "NumberField.h"
#include "Placement.h"
#include "QtText.h"
#include "Rules.h"
#include "SheetCommands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>

namespace QtFace {

namespace {

// The top-level widget: hands its showing, its close box, its keys and its context menu to
// the window.
template <class Base>
class TopLevel : public Base {
public:
    explicit TopLevel(Window& window) : window_(window) {}

protected:
    void showEvent(QShowEvent* event) override
    {
        // Runs before the window is mapped, so it appears in its place.
        if (!event->spontaneous()) window_.Showing();
        Base::showEvent(event);
        // The control that holds the focus shows it from the moment the window opens, not
        // only after the first Tab; showing a window clears this first.
        this->setAttribute(Qt::WA_KeyboardFocusChange);
    }
    void closeEvent(QCloseEvent* event) override
    {
        // What closing does is the window's to decide.
        event->ignore();
        window_.CloseBox();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!window_.Key(event)) Base::keyPressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (!window_.ContextMenu(event)) Base::contextMenuEvent(event);
    }

private:
    Window& window_;
};

QPushButton* MakeButton(QWidget* parent, const Shell::Control& control)
{
    auto* button = new PushButton(Qs(control.text), parent);
    button->setObjectName(Qs(control.name));
    button->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    button->setFont(FontOf(control.role));
    button->setAutoDefault(false);
    if (control.kind == Shell::Kind::OkButton) {
        button->setIcon(OkGlyph());
        button->setDefault(true);
    }
    return button;
}

QRadioButton* MakeOption(QWidget* parent, const Shell::Control& control)
{
    auto* option = new QRadioButton(Qs(control.text), parent);
    option->setObjectName(Qs(control.name));
    option->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    option->setFont(FontOf(control.role));
    const QColor colour = ColourOf(Shell::TypeOf(control.role).colour);
    if (colour.isValid()) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::WindowText, colour);
        option->setPalette(palette);
    }
    // The caption stands to the left of the button.
    option->setLayoutDirection(Qt::RightToLeft);
    option->setChecked(control.selected == 1);
    return option;
}

QFrame* MakeRule(QWidget* parent, const Shell::Control& control)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(Qs(control.name));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    return rule;
}

// The first character a key types, or 0 where it types none. Delete and Tab type control
// characters in Qt but no character into a field.
char32_t TypedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0;
    default: break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const QList<uint> characters = text.toUcs4();
    return characters.isEmpty() ? 0 : char32_t(characters.front());
}

}  // namespace

Window::Window(const Shell::WindowDescription& description) : description_(description)
{
    if (description.kind == Shell::WindowKind::InputWindow)
        widget_ = std::make_unique<TopLevel<QWidget>>(*this);
    else
        widget_ = std::make_unique<TopLevel<QDialog>>(*this);
    QWidget* window = widget_.get();
    window->setObjectName(Qs(description.name));

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (description.buttons == Shell::TitleButtons::MinimizeAndClose) flags |= Qt::WindowMinimizeButtonHint;
    if (description.kind != Shell::WindowKind::InputWindow) flags |= Qt::Dialog;
    window->setWindowFlags(flags);
    window->setWindowTitle(Qs(description.caption));
    window->setFixedSize(description.client.width, description.client.height);
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);
    window->setFont(FontOf(Shell::Role::Window));
    if (description.kind == Shell::WindowKind::ResultSheet) AddSheetCommands(*this);
    Build();
}

Window::~Window() = default;

void Window::Build()
{
    QWidget* window = widget_.get();
    QButtonGroup* options = nullptr;
    QWidget* previous = nullptr;  // in the tab order
    controls_.reserve(description_.controls.size());
    for (const Shell::Control& control : description_.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Shell::Kind::Label: widget = MakeLabel(window, control); break;
        case Shell::Kind::Edit: widget = new NumberEdit(window, control); break;
        case Shell::Kind::List: widget = new FixedList(window, control); break;
        case Shell::Kind::Option: {
            auto* option = MakeOption(window, control);
            if (!options) options = new QButtonGroup(window);
            options->addButton(option);
            widget = option;
            break;
        }
        case Shell::Kind::Button:
        case Shell::Kind::OkButton: widget = MakeButton(window, control); break;
        case Shell::Kind::Banner: widget = MakeBanner(window, control); break;
        case Shell::Kind::Rule: widget = MakeRule(window, control); break;
        }
        const Shell::ControlId id = Shell::ControlId::At(description_.controls, controls_.size());
        ConnectEvents(controls_.emplace_back(&control, widget), id);
        if (Shell::TakesFocus(control.kind)) {
            if (previous) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
    if (options) connect(options, &QButtonGroup::buttonToggled, this, &Window::SetTabStops);
    SetTabStops();
    CaptionInputs();
    const auto label = [this](Shell::ControlId control) { return static_cast<TextLabel*>(At(control).widget); };
    for (const Shell::SheetRow& row : description_.rows)
        HearAsOne({label(row.caption), label(row.value)}, label(row.value), Qs(Shell::ResultSheet::RowSeparator));
    for (const Shell::Passage& passage : description_.passages) {
        QList<TextLabel*> lines;
        for (const Shell::ControlId line : passage) lines << label(line);
        HearAsOne(lines, lines.front());
    }
}

void Window::ConnectEvents(const Built& built, Shell::ControlId control)
{
    switch (built.control->kind) {
    case Shell::Kind::Button:
    case Shell::Kind::OkButton:
        connect(static_cast<QPushButton*>(built.widget), &QPushButton::clicked, this,
                [this, control] { form_->Clicked(control); });
        break;
    case Shell::Kind::List: {
        auto* list = static_cast<QComboBox*>(built.widget);
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list, control, had = list->currentIndex()](int now) mutable {
                    const bool open = list->view()->isVisible();
                    if (Shell::IsUserChange(had, now, open, writing_)) form_->Changed(control);
                    had = now;
                });
        break;
    }
    case Shell::Kind::Edit: built.widget->installEventFilter(this); break;
    default: break;
    }
}

void Window::CaptionInputs()
{
    for (const Shell::CaptionedInput& input : description_.inputs) {
        QWidget* control = At(input.control).widget;
        if (control->isHidden()) continue;
        // An edit box is named by its caption with the unit. A list is named by its value, and
        // its caption, as the list's buddy, gives it the labelled-by relation; a screen reader
        // says a labelling caption in place of the name, so an edit box has none, or its unit
        // would go unsaid. A screen reader says one labelling label, so the caption reads the
        // unit too.
        if (qobject_cast<QLineEdit*>(control)) {
            control->setAccessibleName(Qs(Shell::InputCaption(*this, input)));
            continue;
        }
        auto* caption = static_cast<TextLabel*>(At(input.caption).widget);
        caption->setBuddy(control);
        if (input.unit) HearAsOne({caption, static_cast<TextLabel*>(At(*input.unit).widget)}, caption);
    }
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto& pressed = static_cast<const QKeyEvent&>(*event);
    // Ctrl+A selects the field's text before the digit filter could drop its character.
    if (Shell::WhatKeyDoes(StrokeOf(pressed), {description_.kind, Shell::Kind::Edit}) == Shell::KeyAction::SelectAll) {
        static_cast<QLineEdit*>(watched)->selectAll();
        return true;
    }
    const char32_t typed = TypedCharacter(pressed);
    if (typed == 0) return false;
    char32_t key = typed;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].widget == watched) form_->Typed(Shell::ControlId::At(description_.controls, i), key);
    // A discarded character never reaches the box; one the handler replaced (a Persian digit by
    // its ASCII one) goes in as the handler gave it.
    if (key == 0) return true;
    if (key == typed) return false;
    static_cast<QLineEdit*>(watched)->insert(QString::fromUcs4(&key, 1));
    return true;
}

void Window::SetTabStops()
{
    for (const Built& built : controls_) {
        const Shell::Kind kind = built.control->kind;
        if (!Shell::TakesFocus(kind)) continue;
        const auto* option = qobject_cast<const QRadioButton*>(built.widget);
        const bool stop =
            Shell::IsTabStop(kind, option && option->isChecked(), built.widget->isHidden(), built.widget->isEnabled());
        // A control that is no tab stop still takes the focus from the pointer and the arrows.
        built.widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

const Window::Built& Window::At(Shell::ControlId control) const
{
    return controls_[Shell::PositionOf(description_, control)];
}

std::string Window::Text(Shell::ControlId control) const
{
    QWidget* widget = At(control).widget;
    if (auto* label = qobject_cast<QLabel*>(widget)) return Utf8(label->text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return Utf8(edit->text());
    if (auto* list = qobject_cast<QComboBox*>(widget)) return Utf8(list->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return Utf8(button->text());
    return {};
}

int Window::Selection(Shell::ControlId control) const
{
    QWidget* widget = At(control).widget;
    if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentIndex();
    if (auto* option = qobject_cast<QRadioButton*>(widget)) return option->isChecked() ? 1 : 0;
    return -1;
}

bool Window::Hidden(Shell::ControlId control) const { return At(control).widget->isHidden(); }

void Window::SetText(Shell::ControlId control, std::string_view text)
{
    const Built& built = At(control);
    if (auto* label = qobject_cast<QLabel*>(built.widget)) WriteLabel(label, *built.control, Qs(text));
    if (auto* edit = dynamic_cast<NumberEdit*>(built.widget)) edit->WriteText(Qs(text));
    if (auto* button = qobject_cast<QAbstractButton*>(built.widget)) button->setText(Qs(text));
}

void Window::SetItems(Shell::ControlId control, std::span<const std::string> items)
{
    auto* list = static_cast<QComboBox*>(At(control).widget);
    QStringList texts;
    for (const std::string& item : items) texts << Qs(item);
    writing_ = true;
    list->clear();
    list->addItems(texts);
    list->setCurrentIndex(-1);
    writing_ = false;
}

void Window::SetSelection(Shell::ControlId control, int position)
{
    QWidget* widget = At(control).widget;
    writing_ = true;
    if (auto* list = qobject_cast<QComboBox*>(widget)) list->setCurrentIndex(position);
    if (auto* option = qobject_cast<QRadioButton*>(widget)) option->setChecked(position != 0);
    writing_ = false;
}

void Window::SetEnabled(Shell::ControlId control, bool enabled)
{
    At(control).widget->setEnabled(enabled);
    SetTabStops();
}

void Window::SetHidden(Shell::ControlId control, bool hidden)
{
    At(control).widget->setHidden(hidden);
    CaptionInputs();
    SetTabStops();
}

void Window::ShowWindow()
{
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::HideWindow() { widget_->hide(); }

void Window::ShowModal() { static_cast<QDialog*>(widget_.get())->exec(); }

void Window::CloseModal() { static_cast<QDialog*>(widget_.get())->done(QDialog::Accepted); }

Shell::Size Window::ScreenSize() const { return QtFace::ScreenSize(); }

Shell::Rect Window::WorkArea() const { return QtFace::WorkArea(); }

Shell::Size Window::OuterSize() const { return OuterSizeOf(widget_.get()); }

void Window::MoveTo(Shell::Point outerTopLeft)
{
    // Once the window system tells the real frame, the window fits and places itself anew.
    MoveOuterTo(widget_.get(), outerTopLeft, [this] {
        FitOnWorkArea();
        form_->Shown();
    });
}

void Window::ShowMessage(const Shell::Message& message) { MessageBox()(message); }

std::string Window::DecimalSeparator() const { return Utf8(QLocale().decimalPoint()); }

void Window::Quit() { QCoreApplication::exit(0); }

void Window::Showing()
{
    FitOnWorkArea();
    if (const auto focus = Shell::FocusWhenShown(description_, !shownBefore_)) {
        QWidget* widget = controls_[*focus].widget;
        widget->setFocus();
        if (scroller_) scroller_->ensureWidgetVisible(widget);
    }
    shownBefore_ = true;
    form_->Shown();
}

void Window::FitOnWorkArea()
{
    QWidget* window = widget_.get();
    const Shell::Size outer = OuterSizeOf(window);
    const Shell::Size frame{outer.width - window->width(), outer.height - window->height()};
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const Shell::ClientFit fit = Shell::FitOnWorkArea(description_.client, frame, QtFace::WorkArea(), bar);
    if (fit.scrolls && !scroller_) MakeScrolling();
    if (scroller_) {
        scroller_->setVerticalScrollBarPolicy(fit.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        scroller_->setGeometry(0, 0, fit.client.width, fit.client.height);
    }
    window->setFixedSize(fit.client.width, fit.client.height);
}

void Window::MakeScrolling()
{
    QWidget* window = widget_.get();
    scroller_ = new QScrollArea(window);
    scroller_->setObjectName(QStringLiteral("ClientArea"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setFocusPolicy(Qt::NoFocus);
    auto* canvas = new QWidget;
    canvas->setFixedSize(description_.client.width, description_.client.height);
    canvas->setBackgroundRole(QPalette::Button);
    canvas->setAutoFillBackground(true);
    // Each control keeps its place in the client area, whether the program hid it, and its
    // place in the tab order.
    QWidget* previous = nullptr;
    for (const Built& built : controls_) {
        const bool hidden = built.widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && built.widget->isHidden();
        const QRect box = built.widget->geometry();
        built.widget->setParent(canvas);
        built.widget->setGeometry(box);
        built.widget->setVisible(!hidden);
        if (Shell::TakesFocus(built.control->kind)) {
            if (previous) QWidget::setTabOrder(previous, built.widget);
            previous = built.widget;
        }
    }
    scroller_->setWidget(canvas);
    scroller_->show();
    // The control taking the focus, by Tab, the pointer or the program, is scrolled into view.
    connect(qApp, &QApplication::focusChanged, scroller_, [this](QWidget*, QWidget* now) {
        if (now && scroller_->widget()->isAncestorOf(now)) scroller_->ensureWidgetVisible(now);
    });
}

void Window::CloseBox() { form_->CloseBoxPressed(); }

bool Window::Key(QKeyEvent* event)
{
    QWidget* focus = widget_->focusWidget();
    // A key the focused control leaves to the window brings it into view again: Tab on the
    // only control that takes the focus too, which moves it nowhere.
    if (scroller_ && focus && scroller_->widget()->isAncestorOf(focus)) scroller_->ensureWidgetVisible(focus);
    std::optional<Shell::Kind> focused;
    for (const Built& built : controls_)
        if (built.widget == focus) focused = built.control->kind;
    const auto* list = qobject_cast<const QComboBox*>(focus);
    const bool listOpen = list && list->view()->isVisible();
    const Shell::KeyAction action = Shell::WhatKeyDoes(StrokeOf(*event), {description_.kind, focused, listOpen});
    switch (action) {
    case Shell::KeyAction::Toolkit:
    case Shell::KeyAction::ChooseItem:  // an open list's own window takes its keys
    case Shell::KeyAction::KeepItem: return false;
    case Shell::KeyAction::Nothing: break;
    case Shell::KeyAction::PressFocused: static_cast<QAbstractButton*>(focus)->click(); break;
    case Shell::KeyAction::PressDefault:
        if (const auto button = Shell::DefaultButton(description_))
            static_cast<QAbstractButton*>(controls_[*button].widget)->click();
        break;
    case Shell::KeyAction::CopySheet:
    case Shell::KeyAction::PrintSheet: RunSheetCommand(*this, action); break;
    case Shell::KeyAction::SelectAll: static_cast<QLineEdit*>(focus)->selectAll(); break;
    }
    event->accept();
    return true;
}

bool Window::ContextMenu(QContextMenuEvent* event)
{
    if (description_.kind != Shell::WindowKind::ResultSheet) return false;
    ShowSheetMenu(*this, event->globalPos());
    return true;
}

std::unique_ptr<Shell::View> Face::MakeWindow(const Shell::WindowDescription& window)
{
    return std::make_unique<Window>(window);
}

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        // Posted events are delivered before the window system's events of the next round.
        QMetaObject::invokeMethod(
            qApp, [then = std::move(then_)] { then(); }, Qt::QueuedConnection);
        deleteLater();
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void Face::AfterFirstPaint(Shell::View& window, std::function<void()> then)
{
    new FirstPaint(static_cast<Window&>(window).Widget(), std::move(then));
}

QWidget* Face::WidgetOf(const Shell::Form& form) { return static_cast<Window&>(form.Window()).Widget(); }

}  // namespace QtFace
