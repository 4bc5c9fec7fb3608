#include "gui/qt/Dialog.h"

#include "dialogs/CaptionFit.h"

#include "dialogs/HelpTopics.h"
#include "dialogs/Questions.h"
#include "gui/qt/Hints.h"
#include "gui/qt/Pictures.h"
#include "gui/qt/controls/Kinds.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QStyle>
#include <QWidget>

namespace qtface {

namespace {

Qt::WindowFlags FlagsOf(dialogs::FrameKind frame) {
    return frame == dialogs::FrameKind::ToolWindow ? Qt::Tool : Qt::Dialog;
}

// The width that shows the whole title in a title bar the window manager draws in a font of its
// own: the title in the window's font in bold, beside the icon and three caption boxes, each
// about as wide as the bar is high.
int TitleWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    const int box = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 4 * box;
}

} // namespace

// The window itself: the frame, the controls' widgets at their places, Escape and the close box.
class DialogWidget : public QDialog {
  public:
    DialogWidget(Dialog& owner, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override {
        // Hidden by the logic's close, which may also keep it open.
        event->ignore();
        owner_.events_.CloseRequested();
    }
    void reject() override {
        if (const Control* cancel = owner_.EscapeButton()) {
            if (auto* button = qobject_cast<QAbstractButton*>(cancel->Widget())) {
                button->click();
                return;
            }
        }
        close();
    }
    void resizeEvent(QResizeEvent* event) override {
        Place();
        if (owner_.layout_.frame == dialogs::FrameKind::Sizable) {
            owner_.events_.Resized(frameGeometry().width(), frameGeometry().height());
        }
        QDialog::resizeEvent(event);
    }

  private:
    void Place() {
        const dialogs::DialogLayout& fitted = owner_.fitted_;
        for (const auto& control : owner_.controls_) {
            control->Place(fitted.PlaceOf(*fitted.Find(control->Name()), width(), height()));
        }
    }

    Dialog& owner_;
};

// A window with a parent stands above it and comes up centred over it.
DialogWidget::DialogWidget(Dialog& owner, QWidget* parent)
    : QDialog(parent, FlagsOf(owner.layout_.frame)), owner_(owner) {
    const dialogs::DialogLayout& layout = owner.layout_;
    setObjectName(QString::fromStdString(layout.name));
    setWindowTitle(QString::fromStdString(layout.caption));
    setWindowIcon(ApplicationIcon());
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(13);
    setFont(tahoma);
    SetHelpContext(this, layout.helpContext);
    EnableHelpKey(this);

    for (const auto& control : owner.controls_) {
        const Control* parent = owner.Find(control->Layout().parent);
        control->Create(parent != nullptr ? parent->Container() : this);
    }
    // Measured in the font the widgets now have.
    owner.fitted_ = dialogs::FittedToCaptions(
        layout,
        [&owner](const dialogs::ControlLayout& control) {
            return owner.Find(control.name)->NeededWidth();
        },
        TitleWidth(*this));
    const dialogs::DialogLayout& fitted = owner.fitted_;
    if (fitted.frame == dialogs::FrameKind::Sizable) {
        resize(fitted.clientWidth, fitted.clientHeight);
    } else {
        setFixedSize(fitted.clientWidth, fitted.clientHeight);
    }
    // Moved, it is no longer centred over its owner when it shows.
    if (layout.firstPlace) {
        move(layout.firstPlace->left, layout.firstPlace->top);
    }
    Place();
    QWidget* previous = nullptr;
    for (const dialogs::ControlLayout* control : layout.TabOrder()) {
        QWidget* focus = owner.Find(control->name)->FocusWidget();
        if (focus != nullptr && previous != nullptr) {
            setTabOrder(previous, focus);
        }
        previous = focus != nullptr ? focus : previous;
    }
}

Dialog::Dialog(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events)
    : NamedControls(layout, events, dialogs::MakeControl<Kinds>), layout_(layout), fitted_(layout),
      events_(events) {}

// The window goes before the controls that point into it.
Dialog::~Dialog() {
    delete window_.data();
}

QDialog* Dialog::Window() {
    if (window_ == nullptr) {
        window_ = new DialogWidget(*this, owner_ != nullptr ? owner_->Window() : nullptr);
    }
    return window_.data();
}

void Dialog::SetOwner(dialogs::DialogView& owner) {
    owner_ = dynamic_cast<Dialog*>(&owner);
}

bool Dialog::IsShown() const {
    return window_ != nullptr && window_->isVisible();
}

void Dialog::ShowForm() {
    Window()->show();
    FocusForm();
}

void Dialog::FocusForm() {
    Window()->raise();
    Window()->activateWindow();
}

dialogs::Closed Dialog::ShowModal() {
    closed_ = dialogs::Closed::CloseBox;
    modal_ = true;
    Window()->exec();
    modal_ = false;
    return closed_;
}

void Dialog::HideForm(dialogs::Closed how) {
    closed_ = how;
    if (window_ == nullptr) {
        return;
    }
    if (modal_) {
        window_->done(QDialog::Accepted);
    } else {
        window_->hide();
    }
}

QWidget* Dialog::Parent() const {
    return IsShown() ? window_.data() : nullptr;
}

dialogs::Answer Dialog::Ask(const dialogs::MessageQuestion& question) {
    return dialogs::Ask(Parent(), question);
}

std::optional<std::string> Dialog::AskPath(const dialogs::PathQuestion& question) {
    return dialogs::AskPath(Parent(), question);
}

std::optional<int> Dialog::AskColor(int current) {
    return dialogs::AskColor(Parent(), current);
}

void Dialog::ShowHelp(int helpContext) {
    dialogs::ShowHelpTopic(window_.data(), helpContext);
}

void Dialog::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace qtface
