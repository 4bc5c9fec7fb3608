// The kinds that edit a line of text: edit, labelled edit, edit with a right button, numeric
// edit, path field with a browse button.
#include "gui/qt/Pictures.h"
#include "gui/qt/QtKeys.h"
#include "gui/qt/controls/FileDrop.h"
#include "gui/qt/controls/Kinds.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <limits>

namespace qtface {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Keys going down in the edit reach the logic first; a shortcut field takes Alt with a letter
// itself instead of a button's mnemonic.
class KeyForwarder : public QObject {
  public:
    KeyForwarder(QObject* parent, const dialogs::ControlLayout& layout,
                 dialogs::DialogEvents& events)
        : QObject(parent), layout_(layout), events_(events) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && layout_.capturesShortcut) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            events_.KeyDown(layout_.name, VirtualKeyOf(key), ShiftStateOf(key));
        }
        return false;
    }

  private:
    const dialogs::ControlLayout& layout_;
    dialogs::DialogEvents& events_;
};

class Edit : public Control {
  public:
    using Control::Control;

  protected:
    QWidget* Make(QWidget* parent) override {
        // A stored value longer than the default limit would be cut when shown.
        edit_ = new QLineEdit(parent);
        edit_->setMaxLength(std::numeric_limits<int>::max());
        edit_->setText(FromUtf8(value().Text()));
        edit_->setReadOnly(Layout().readOnly);
        edit_->installEventFilter(new KeyForwarder(edit_, Layout(), events_));
        QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this] { events_.Changed(Name()); });
        return edit_;
    }
    std::string ShownText() const override { return edit_->text().toStdString(); }
    void SetShownText(const std::string& text) override { edit_->setText(FromUtf8(text)); }

    QLineEdit* edit_ = nullptr;
};

// Its caption stands as a label above it.
class LabeledEdit : public Edit {
  public:
    using Edit::Edit;
    void Place(const dialogs::Rect& place) override {
        Edit::Place(place);
        label_->adjustSize();
        label_->move(place.left, place.top - label_->height() - 3);
    }
    // The field is at least as wide as its label, which takes the width of its text.
    int NeededWidth() const override { return label_->sizeHint().width(); }

  protected:
    QWidget* Make(QWidget* parent) override {
        QWidget* edit = Edit::Make(parent);
        label_ = new QLabel(FromUtf8(Layout().caption), parent);
        label_->setBuddy(edit);
        return edit;
    }

  private:
    QLabel* label_ = nullptr;
};

class ButtonEdit : public Edit {
  public:
    using Edit::Edit;

  protected:
    QWidget* Make(QWidget* parent) override {
        Edit::Make(parent);
        QAction* button =
            edit_->addAction(PictureIcon(dialogs::Picture::Browse), QLineEdit::TrailingPosition);
        button->setObjectName(FromUtf8(Name() + "Button"));
        QObject::connect(button, &QAction::triggered, edit_, [this] { events_.Clicked(Name()); });
        return edit_;
    }
};

// Right-aligned; its number is its text read in the user's number format.
class NumericEdit : public Edit {
  public:
    using Edit::Edit;

  protected:
    QWidget* Make(QWidget* parent) override {
        Edit::Make(parent);
        edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit_;
    }
    double ShownNumber() const override { return dialogs::NumericEditValue(ShownText()); }
    void SetShownNumber(double value) override { SetShownText(dialogs::NumericEditText(value)); }
};

// A browse button at its right; the logic asks for the path. Files may be dropped on it where
// the layout says so.
class PathEdit : public Edit {
  public:
    using Edit::Edit;
    void Place(const dialogs::Rect& place) override {
        const int side = place.height;
        Edit::Place({place.left, place.top, place.width - side, place.height});
        browse_->setGeometry(place.left + place.width - side, place.top, side, side);
    }

  protected:
    QWidget* Make(QWidget* parent) override {
        Edit::Make(parent);
        browse_ = new QToolButton(parent);
        browse_->setObjectName(FromUtf8(Name() + "Browse"));
        browse_->setText("...");
        browse_->setFocusPolicy(Qt::NoFocus);
        QObject::connect(browse_, &QToolButton::clicked, browse_,
                         [this] { events_.Clicked(Name()); });
        if (Layout().acceptsFiles) {
            AcceptFileDrops(edit_, Name(), events_);
        }
        return edit_;
    }

  private:
    QToolButton* browse_ = nullptr;
};

} // namespace

const Kinds::Maker Kinds::kEdit = kMake<Edit>;
const Kinds::Maker Kinds::kLabeledEdit = kMake<LabeledEdit>;
const Kinds::Maker Kinds::kButtonEdit = kMake<ButtonEdit>;
const Kinds::Maker Kinds::kNumericEdit = kMake<NumericEdit>;
const Kinds::Maker Kinds::kPathEdit = kMake<PathEdit>;

} // namespace qtface
