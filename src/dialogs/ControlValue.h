// A control's value as the logic sees it, kept by the control's kind where no widget holds it:
// in the recording view of the tests, and in a face's control before its widget is made.
// The numeric edit's reading and display of numbers live here for every face.
#pragma once

#include "dialogs/DialogView.h"

#include <string>
#include <vector>

namespace dialogs {

// A numeric edit's text read as a number: the user's thousands separators left out, the
// decimal separator his; 0 when it is no number.
double NumericEditValue(const std::string& text);
// A number as a numeric edit shows it, and then reads it: no decimals, thousands separators, at
// most 8 significant digits (1500 is "1.500" under a German locale).
std::string NumericEditText(double value);

class ControlValue {
  public:
    explicit ControlValue(const ControlLayout& layout);

    const ControlLayout& Layout() const { return *layout_; }
    std::string Text() const;
    void SetText(const std::string& text);
    double Number() const;
    void SetNumber(double value);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    const Rows& RowsOf() const { return rows_; }
    void SetRows(const Rows& rows);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

  private:
    const ControlLayout* layout_;
    std::string text_;
    double number_;
    std::vector<std::string> items_;
    Rows rows_;
    bool enabled_;
};

} // namespace dialogs
