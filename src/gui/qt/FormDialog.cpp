#include "gui/qt/FormDialog.h"

#include "gui/qt/Hints.h"
#include "gui/qt/Messages.h"
#include "gui/qt/Pictures.h"
#include "gui/qt/QtKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace gui {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr const char* kCapturesShortcut = "capturesShortcut";

Qt::WindowFlags FlagsOf(dialogs::FrameKind frame) {
    return frame == dialogs::FrameKind::ToolWindow ? Qt::Tool : Qt::Dialog;
}

} // namespace

// The window itself: it makes the controls and hands their events to the logic.
class FormWindow : public QDialog {
  public:
    explicit FormWindow(FormDialog& owner);

  protected:
    void closeEvent(QCloseEvent* event) override {
        if (owner_.logic_ != nullptr) {
            owner_.logic_->FormClose();
        }
        event->accept();
    }
    // Escape closes as the close box does.
    void reject() override { close(); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A shortcut field takes Alt with a letter itself instead of a button's mnemonic.
        if (event->type() == QEvent::ShortcutOverride &&
            watched->property(kCapturesShortcut).toBool()) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && owner_.logic_ != nullptr) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            owner_.logic_->KeyDown(watched->objectName().toStdString(), VirtualKeyOf(key),
                                   ShiftStateOf(key));
        }
        return false;
    }

  private:
    QWidget* Create(const dialogs::ControlLayout& control);

    FormDialog& owner_;
};

FormWindow::FormWindow(FormDialog& owner)
    : QDialog(nullptr, FlagsOf(owner.layout_.frame)), owner_(owner) {
    const dialogs::FormLayout& layout = owner.layout_;
    setObjectName(FromUtf8(layout.name));
    setWindowTitle(FromUtf8(layout.caption));
    setWindowIcon(ApplicationIcon());
    setFixedSize(layout.clientWidth, layout.clientHeight);
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(13);
    setFont(tahoma);
    SetHelpContext(this, layout.helpContext);
    EnableHelpKey(this);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const dialogs::ControlLayout& control : layout.controls) {
        tabOrder.emplace_back(control.tabOrder, Create(control));
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
}

QWidget* FormWindow::Create(const dialogs::ControlLayout& control) {
    QWidget* widget = nullptr;
    const QString caption = FromUtf8(control.caption);
    switch (control.type) {
    case dialogs::ControlType::Button: {
        // Enter presses the focused button; elsewhere the default button.
        auto* button = new QPushButton(PictureIcon(control.picture), caption, this);
        button->setAutoDefault(true);
        button->setDefault(control.isDefault);
        connect(button, &QPushButton::clicked, this, [this, name = control.name] {
            if (owner_.logic_ != nullptr) {
                owner_.logic_->Click(name);
            }
        });
        widget = button;
        break;
    }
    case dialogs::ControlType::CheckBox: {
        auto* check = new QCheckBox(caption, this);
        check->setChecked(owner_.numbers_[control.name] != 0);
        widget = check;
        break;
    }
    case dialogs::ControlType::LabeledEdit: {
        auto* edit = new QLineEdit(FromUtf8(owner_.texts_[control.name]), this);
        edit->setReadOnly(control.readOnly);
        edit->setProperty(kCapturesShortcut, control.capturesShortcut);
        edit->installEventFilter(this);
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        label->adjustSize();
        label->move(control.left, control.top - label->height() - 3);
        widget = edit;
        break;
    }
    }
    widget->setObjectName(FromUtf8(control.name));
    widget->setGeometry(control.left, control.top, control.width, control.height);
    widget->setEnabled(control.enabled);
    SetHelpContext(widget, control.helpContext);
    if (!control.hint.empty()) {
        SetHint(widget, FromUtf8(control.hint));
    }
    return widget;
}

FormDialog::FormDialog(const dialogs::FormLayout& layout) : layout_(layout) {
    for (const dialogs::ControlLayout& control : layout.controls) {
        texts_[control.name] = control.text;
    }
}

FormDialog::~FormDialog() = default;

QDialog* FormDialog::Window() {
    if (window_ == nullptr) {
        window_ = std::make_unique<FormWindow>(*this);
    }
    return window_.get();
}

QWidget* FormDialog::Control(const std::string& name) const {
    return window_ != nullptr
               ? window_->findChild<QWidget*>(FromUtf8(name), Qt::FindDirectChildrenOnly)
               : nullptr;
}

std::string FormDialog::Text(const std::string& control) const {
    if (window_ == nullptr) {
        const auto found = texts_.find(control);
        return found != texts_.end() ? found->second : std::string();
    }
    const auto* edit = qobject_cast<const QLineEdit*>(Control(control));
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

void FormDialog::SetText(const std::string& control, const std::string& text) {
    if (window_ == nullptr) {
        texts_[control] = text;
    } else if (auto* edit = qobject_cast<QLineEdit*>(Control(control))) {
        edit->setText(FromUtf8(text));
    }
}

double FormDialog::Number(const std::string& control) const {
    if (window_ == nullptr) {
        const auto found = numbers_.find(control);
        return found != numbers_.end() ? found->second : 0;
    }
    const auto* check = qobject_cast<const QCheckBox*>(Control(control));
    return check != nullptr && check->isChecked() ? 1 : 0;
}

void FormDialog::SetNumber(const std::string& control, double value) {
    if (window_ == nullptr) {
        numbers_[control] = value;
    } else if (auto* check = qobject_cast<QCheckBox*>(Control(control))) {
        check->setChecked(value != 0);
    }
}

bool FormDialog::IsShown() const {
    return window_ != nullptr && window_->isVisible();
}

void FormDialog::ShowForm() {
    Window()->show();
    FocusForm();
}

void FormDialog::FocusForm() {
    Window()->raise();
    Window()->activateWindow();
}

void FormDialog::HideForm() {
    if (window_ != nullptr) {
        window_->hide();
    }
}

void FormDialog::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    gui::ShowMessage(window_.get(), FromUtf8(text), kind, helpContext);
}

void FormDialog::ShowHelp(int helpContext) {
    ShowHelpTopic(helpContext);
}

} // namespace gui
