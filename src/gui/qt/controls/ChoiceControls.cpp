// The kinds that offer a choice: drop-down list, radio group, read-only grid.
#include "gui/qt/BindingIcons.h"
#include "gui/qt/controls/FileDrop.h"
#include "gui/qt/controls/Kinds.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include <cmath>

namespace qtface {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A choice only: no text of its own.
class DropDownList : public Control {
  public:
    using Control::Control;

  protected:
    QWidget* Make(QWidget* parent) override {
        box_ = new QComboBox(parent);
        SetShownItems();
        SetShownNumber(value().Number());
        QObject::connect(box_, qOverload<int>(&QComboBox::activated), box_,
                         [this] { events_.Changed(Name()); });
        return box_;
    }
    std::string ShownText() const override { return box_->currentText().toStdString(); }
    void SetShownText(const std::string& text) override {
        box_->setCurrentIndex(box_->findText(FromUtf8(text), Qt::MatchExactly));
    }
    double ShownNumber() const override { return box_->currentIndex(); }
    void SetShownNumber(double value) override { box_->setCurrentIndex(static_cast<int>(value)); }
    std::vector<std::string> ShownItems() const override {
        std::vector<std::string> items;
        for (int i = 0; i < box_->count(); ++i) {
            items.push_back(box_->itemText(i).toStdString());
        }
        return items;
    }
    void SetShownItems() override {
        box_->clear();
        for (const std::string& item : value().Items()) {
            box_->addItem(FromUtf8(item));
        }
        box_->setCurrentIndex(-1);
    }

  private:
    QComboBox* box_ = nullptr;
};

// Its items in columns, filled column by column; none chosen until the user or the logic
// chooses one.
class RadioGroup : public Control {
  public:
    using Control::Control;
    QWidget* FocusWidget() const override {
        QAbstractButton* chosen = buttons_->checkedButton();
        return chosen != nullptr ? chosen : buttons_->button(0);
    }
    // Its title and its buttons in their columns.
    int NeededWidth() const override { return frame_->minimumSizeHint().width(); }

  protected:
    QWidget* Make(QWidget* parent) override {
        frame_ = new QGroupBox(FromUtf8(value().Text()), parent);
        new QGridLayout(frame_);
        buttons_ = new QButtonGroup(frame_);
        QObject::connect(buttons_, &QButtonGroup::idClicked, frame_,
                         [this] { events_.Changed(Name()); });
        SetShownItems();
        SetShownNumber(value().Number());
        return frame_;
    }
    double ShownNumber() const override { return buttons_->checkedId(); }
    void SetShownNumber(double value) override {
        // An exclusive group keeps one button on; none is chosen only while it is not.
        buttons_->setExclusive(false);
        for (QAbstractButton* button : buttons_->buttons()) {
            button->setChecked(buttons_->id(button) == static_cast<int>(value));
        }
        buttons_->setExclusive(true);
    }
    std::vector<std::string> ShownItems() const override {
        std::vector<std::string> items;
        for (QAbstractButton* button : buttons_->buttons()) {
            items.push_back(button->text().toStdString());
        }
        return items;
    }
    void SetShownItems() override {
        for (QAbstractButton* button : buttons_->buttons()) {
            buttons_->removeButton(button);
            delete button;
        }
        const auto& items = value().Items();
        const int columns = std::max(Layout().columns, 1);
        const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
        auto* grid = static_cast<QGridLayout*>(frame_->layout());
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            auto* button = new QRadioButton(FromUtf8(items[i]), frame_);
            buttons_->addButton(button, i);
            grid->addWidget(button, i % rows, i / rows);
        }
    }

  private:
    QGroupBox* frame_ = nullptr;
    QButtonGroup* buttons_ = nullptr;
};

// Row 0 is the header; column 0 is drawn as a header too. Cells are read only and a click
// chooses a whole row. Widths set before the table exists are kept for it. The rows' icons stand
// in column 0; they are read once the event loop turns, after the table is shown.
class Grid : public Control {
  public:
    using Control::Control;
    void SetRowIcons(const std::vector<std::string>& paths) override {
        iconPaths_ = paths;
        if (table_ != nullptr) {
            QTimer::singleShot(0, table_, [this] { ShowIcons(); });
        }
    }
    void SetColumnWidths(const std::vector<int>& widths) override {
        widths_ = widths;
        if (table_ != nullptr) {
            ShowWidths();
        }
    }
    // What a cell needs to show the text whole: its advance in the cells' font, the margin the
    // item delegate keeps on either side, and the grid line.
    int TextWidth(const std::string& text) const override {
        if (table_ == nullptr) {
            return Control::TextWidth(text);
        }
        const int margin =
            table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1;
        const double advance = QFontMetricsF(table_->font()).horizontalAdvance(FromUtf8(text));
        return static_cast<int>(std::ceil(advance)) + 2 * margin + (table_->showGrid() ? 1 : 0);
    }

  protected:
    QWidget* Make(QWidget* parent) override {
        table_ = new QTableWidget(parent);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setTabKeyNavigation(false); // Tab goes on to the next control
        table_->verticalHeader()->hide();
        // As the cells below: a heading wider than its column still shows its start.
        table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QObject::connect(table_, &QTableWidget::cellDoubleClicked, table_,
                         [this] { events_.DoubleClicked(Name()); });
        if (Layout().acceptsFiles) {
            AcceptFileDrops(table_->viewport(), Name(), events_, [this](const QPoint& point) {
                const int row = table_->rowAt(point.y());
                return row < 0 ? -1 : row + 1;
            });
        }
        QTimer::singleShot(0, table_, [this] { ShowIcons(); });
        SetShownRows();
        SetShownNumber(value().Number());
        ShowWidths();
        return table_;
    }
    double ShownNumber() const override {
        const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
        return ranges.isEmpty() ? -1 : ranges.first().topRow() + 1;
    }
    void SetShownNumber(double value) override {
        table_->clearSelection();
        if (value >= 1) {
            table_->selectRow(static_cast<int>(value) - 1);
        }
    }
    dialogs::Rows ShownRows() const override {
        const auto text = [](const QTableWidgetItem* item) {
            return item != nullptr ? item->text().toStdString() : std::string();
        };
        dialogs::Rows rows(static_cast<size_t>(table_->rowCount()) + 1);
        for (int column = 0; column < table_->columnCount(); ++column) {
            rows[0].push_back(text(table_->horizontalHeaderItem(column)));
            for (int row = 0; row < table_->rowCount(); ++row) {
                rows[row + 1].push_back(text(table_->item(row, column)));
            }
        }
        return rows;
    }
    void SetShownRows() override {
        const dialogs::Rows& rows = value().RowsOf();
        const int columns = std::max(Layout().columns, 1);
        table_->clear();
        table_->setColumnCount(columns);
        table_->setRowCount(std::max(static_cast<int>(rows.size()) - 1, 0));
        const QBrush fixed = table_->palette().button();
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            for (int column = 0; column < columns; ++column) {
                auto* cell = new QTableWidgetItem(column < static_cast<int>(rows[row].size())
                                                      ? FromUtf8(rows[row][column])
                                                      : QString());
                if (row == 0) {
                    table_->setHorizontalHeaderItem(column, cell);
                    continue;
                }
                if (column == 0) {
                    cell->setBackground(fixed);
                }
                table_->setItem(row - 1, column, cell);
            }
        }
    }

  private:
    void ShowWidths() {
        for (size_t column = 0; column < widths_.size(); ++column) {
            table_->setColumnWidth(static_cast<int>(column), widths_[column]);
        }
    }
    void ShowIcons() {
        if (iconPaths_.empty()) {
            return;
        }
        const BindingIcons icons;
        const int rows = std::min(table_->rowCount(), static_cast<int>(iconPaths_.size()));
        for (int row = 0; row < rows; ++row) {
            if (QTableWidgetItem* cell = table_->item(row, 0)) {
                cell->setIcon(icons.For(iconPaths_[static_cast<size_t>(row)]));
            }
        }
    }

    QTableWidget* table_ = nullptr;
    std::vector<int> widths_;
    std::vector<std::string> iconPaths_;
};

} // namespace

const Kinds::Maker Kinds::kDropDownList = kMake<DropDownList>;
const Kinds::Maker Kinds::kRadioGroup = kMake<RadioGroup>;
const Kinds::Maker Kinds::kGrid = kMake<Grid>;

} // namespace qtface
