#include "gui/qt/FormDialog.h"

#include "gui/qt/Hints.h"
#include "gui/qt/Messages.h"
#include "gui/qt/Pictures.h"
#include "gui/qt/QtKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace gui {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

Qt::WindowFlags FlagsOf(dialogs::FrameKind frame) {
    return frame == dialogs::FrameKind::ToolWindow ? Qt::Tool : Qt::Dialog;
}

} // namespace

FormDialog::FormDialog(const dialogs::FormLayout& layout)
    : QDialog(nullptr, FlagsOf(layout.frame)) {
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

QWidget* FormDialog::Create(const dialogs::ControlLayout& control) {
    QWidget* widget = nullptr;
    const QString caption = FromUtf8(control.caption);
    switch (control.type) {
    case dialogs::ControlType::Button: {
        auto* button = new QPushButton(PictureIcon(control.picture), caption, this);
        button->setAutoDefault(false);
        button->setDefault(control.isDefault);
        connect(button, &QPushButton::clicked, this, [this, name = control.name] {
            if (logic_ != nullptr) {
                logic_->Click(name);
            }
        });
        widget = button;
        break;
    }
    case dialogs::ControlType::CheckBox:
        widget = new QCheckBox(caption, this);
        break;
    case dialogs::ControlType::LabeledEdit: {
        auto* edit = new QLineEdit(FromUtf8(control.text), this);
        edit->setReadOnly(control.readOnly);
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

QWidget* FormDialog::Control(const std::string& name) const {
    return findChild<QWidget*>(FromUtf8(name), Qt::FindDirectChildrenOnly);
}

std::string FormDialog::Text(const std::string& control) const {
    if (const auto* edit = qobject_cast<const QLineEdit*>(Control(control))) {
        return edit->text().toStdString();
    }
    return {};
}

void FormDialog::SetText(const std::string& control, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(control))) {
        edit->setText(FromUtf8(text));
    }
}

double FormDialog::Number(const std::string& control) const {
    if (const auto* check = qobject_cast<const QCheckBox*>(Control(control))) {
        return check->isChecked() ? 1 : 0;
    }
    return 0;
}

void FormDialog::SetNumber(const std::string& control, double value) {
    if (auto* check = qobject_cast<QCheckBox*>(Control(control))) {
        check->setChecked(value != 0);
    }
}

bool FormDialog::IsShown() const {
    return isVisible();
}

void FormDialog::ShowForm() {
    show();
    FocusForm();
}

void FormDialog::FocusForm() {
    raise();
    activateWindow();
}

void FormDialog::HideForm() {
    hide();
}

void FormDialog::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    gui::ShowMessage(this, FromUtf8(text), kind, helpContext);
}

void FormDialog::ShowHelp(int helpContext) {
    ShowHelpTopic(helpContext);
}

void FormDialog::closeEvent(QCloseEvent* event) {
    if (logic_ != nullptr) {
        logic_->FormClose();
    }
    event->accept();
}

// Escape closes as the close box does.
void FormDialog::reject() {
    close();
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && logic_ != nullptr) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        logic_->KeyDown(watched->objectName().toStdString(), VirtualKeyOf(key), ShiftStateOf(key));
    }
    return false;
}

} // namespace gui
