// The kinds that show a caption or a text: label, button, check box, group box, colour button,
// status bar.
#include "gui/qt/Pictures.h"
#include "gui/qt/WindowsColors.h"
#include "gui/qt/controls/Kinds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace qtface {

namespace {

// Between a button's icon and its text, as the styles draw them.
constexpr int kIconSpacing = 4;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

class Label : public Control {
  public:
    using Control::Control;
    QWidget* FocusWidget() const override { return nullptr; }
    int NeededWidth() const override { return label_->sizeHint().width(); }

  protected:
    QWidget* Make(QWidget* parent) override {
        label_ = new QLabel(FromUtf8(value().Text()), parent);
        return label_;
    }
    std::string ShownText() const override { return label_->text().toStdString(); }
    void SetShownText(const std::string& text) override { label_->setText(FromUtf8(text)); }

  private:
    QLabel* label_ = nullptr;
};

class Button : public Control {
  public:
    using Control::Control;
    // Its text and icon in the room the style leaves inside its frame, without the least width
    // some styles give every button.
    int NeededWidth() const override {
        QStyleOptionButton option;
        option.initFrom(button_);
        const QRect room =
            button_->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button_);
        const QIcon icon = button_->icon();
        return button_->width() - room.width() +
               button_->fontMetrics().size(Qt::TextShowMnemonic, button_->text()).width() +
               (icon.isNull() ? 0 : button_->iconSize().width() + kIconSpacing);
    }

  protected:
    QWidget* Make(QWidget* parent) override {
        button_ = new QPushButton(PictureIcon(Layout().picture), FromUtf8(value().Text()), parent);
        // Enter presses the focused button; elsewhere the default button.
        button_->setAutoDefault(true);
        button_->setDefault(Layout().isDefault);
        QObject::connect(button_, &QPushButton::clicked, button_,
                         [this] { events_.Clicked(Name()); });
        return button_;
    }
    std::string ShownText() const override { return button_->text().toStdString(); }
    void SetShownText(const std::string& text) override { button_->setText(FromUtf8(text)); }

    QPushButton* button_ = nullptr;
};

class CheckBox : public Control {
  public:
    using Control::Control;
    int NeededWidth() const override { return check_->sizeHint().width(); }

  protected:
    QWidget* Make(QWidget* parent) override {
        check_ = new QCheckBox(FromUtf8(value().Text()), parent);
        check_->setChecked(value().Number() != 0);
        QObject::connect(check_, &QCheckBox::clicked, check_, [this] { events_.Changed(Name()); });
        return check_;
    }
    std::string ShownText() const override { return check_->text().toStdString(); }
    void SetShownText(const std::string& text) override { check_->setText(FromUtf8(text)); }
    double ShownNumber() const override { return check_->isChecked() ? 1 : 0; }
    void SetShownNumber(double value) override { check_->setChecked(value != 0); }

  private:
    QCheckBox* check_ = nullptr;
};

class GroupBox : public Control {
  public:
    using Control::Control;
    QWidget* FocusWidget() const override { return nullptr; }
    int NeededWidth() const override { return Widget()->minimumSizeHint().width(); }

  protected:
    QWidget* Make(QWidget* parent) override {
        return new QGroupBox(FromUtf8(value().Text()), parent);
    }
};

// A button that paints its colour as a swatch beside its caption; the logic asks for a colour.
class ColorButton : public Button {
  public:
    using Button::Button;

  protected:
    QWidget* Make(QWidget* parent) override {
        QWidget* button = Button::Make(parent);
        Paint();
        return button;
    }
    void SetShownNumber(double) override { Paint(); }

  private:
    void Paint() {
        QPixmap swatch(16, 16);
        swatch.fill(ColorFromWindowsColor(static_cast<int>(value().Number())));
        QPainter(&swatch).drawRect(0, 0, 15, 15);
        button_->setIcon(QIcon(swatch));
    }
};

class StatusBar : public Control {
  public:
    using Control::Control;
    QWidget* FocusWidget() const override { return nullptr; }

  protected:
    QWidget* Make(QWidget* parent) override {
        bar_ = new QStatusBar(parent);
        bar_->setSizeGripEnabled(false);
        bar_->showMessage(FromUtf8(value().Text()));
        return bar_;
    }
    std::string ShownText() const override { return bar_->currentMessage().toStdString(); }
    void SetShownText(const std::string& text) override { bar_->showMessage(FromUtf8(text)); }

  private:
    QStatusBar* bar_ = nullptr;
};

} // namespace

const Kinds::Maker Kinds::kLabel = kMake<Label>;
const Kinds::Maker Kinds::kButton = kMake<Button>;
const Kinds::Maker Kinds::kCheckBox = kMake<CheckBox>;
const Kinds::Maker Kinds::kGroupBox = kMake<GroupBox>;
const Kinds::Maker Kinds::kColorButton = kMake<ColorButton>;
const Kinds::Maker Kinds::kStatusBar = kMake<StatusBar>;

} // namespace qtface
