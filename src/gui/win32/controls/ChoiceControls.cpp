// The kinds that offer a choice: drop-down list, radio group, read-only grid (a report list).
#include "gui/win32/BindingIcons.h"
#include "gui/win32/WindowBasics.h"
#include "gui/win32/controls/Kinds.h"
#include "platform/WinText.h"

#include <algorithm>

#include <commctrl.h>

namespace win32face {

namespace {

// A radio group's frame line and the gap to its buttons on either side.
constexpr int kFrameMargin = 8;

// A choice only: no text of its own. Its list drops below it.
class DropDownList : public Control {
  public:
    using Control::Control;
    void Command(int, WORD code) override {
        if (code == CBN_SELCHANGE) {
            events_.Changed(Name());
        }
    }
    void Place(const dialogs::Rect& place, UINT dpi, HFONT font) override {
        Control::Place({place.left, place.top, place.width, place.height * 8}, dpi, font);
    }

  protected:
    HWND Make() override {
        return Add(0, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    }
    std::string ShownText() const override {
        const auto index = SendMessageW(Window(), CB_GETCURSEL, 0, 0);
        if (index == CB_ERR) {
            return {};
        }
        std::wstring text(
            static_cast<size_t>(SendMessageW(Window(), CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(
            SendMessageW(Window(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
        return platform::Narrow(text);
    }
    // The kept value has chosen the item that the text names.
    void SetShownText(const std::string&) override {
        SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(value().Number()), 0);
    }
    double ShownNumber() const override {
        return static_cast<double>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
    }
    void SetShownNumber(double number) override {
        SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(number), 0);
    }
    std::vector<std::string> ShownItems() const override {
        std::vector<std::string> items;
        const auto count = SendMessageW(Window(), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(
                static_cast<size_t>(SendMessageW(Window(), CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            text.resize(static_cast<size_t>(
                SendMessageW(Window(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            items.push_back(platform::Narrow(text));
        }
        return items;
    }
    void SetShownItems() override {
        SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : value().Items()) {
            SendMessageW(Window(), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(platform::Wide(item).c_str()));
        }
        SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(value().Number()), 0);
    }
};

// A frame with its items as radio buttons (parts 1, 2, ...) in columns, filled column by
// column; none chosen until the user or the logic chooses one.
class RadioGroup : public Control {
  public:
    using Control::Control;
    void Command(int part, WORD code) override {
        if (part > 0 && code == BN_CLICKED) {
            events_.Changed(Name());
        }
    }
    void Place(const dialogs::Rect& place, UINT dpi, HFONT font) override {
        Control::Place(place, dpi, font);
        PlaceButtons(place, dpi, font);
    }
    // Its title over the frame, and its columns as wide as the widest item (PlaceButtons).
    int NeededWidth(HFONT font, UINT dpi) const override {
        int widest = 0;
        for (const std::string& item : value().Items()) {
            widest = std::max(widest, CaptionWidthIn(font, item, dpi) + CheckWidth(dpi));
        }
        return std::max(CaptionWidth(font, dpi) + 2 * kFrameMargin,
                        2 * kFrameMargin + std::max(Layout().columns, 1) * widest);
    }

  protected:
    HWND Make() override { return Add(0, WC_BUTTONW, value().Text(), BS_GROUPBOX); }
    double ShownNumber() const override {
        for (size_t i = 0; i < buttons_.size(); ++i) {
            if (SendMessageW(buttons_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                return static_cast<double>(i);
            }
        }
        return -1;
    }
    void SetShownNumber(double number) override {
        for (size_t i = 0; i < buttons_.size(); ++i) {
            SendMessageW(
                buttons_[i], BM_SETCHECK,
                static_cast<int>(i) == static_cast<int>(number) ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    std::vector<std::string> ShownItems() const override {
        std::vector<std::string> items;
        for (const HWND button : buttons_) {
            items.push_back(TextOf(button));
        }
        return items;
    }
    void SetShownItems() override {
        for (const HWND button : buttons_) {
            DestroyWindow(button);
        }
        MakeButtons();
        if (font_ != nullptr) {
            PlaceButtons(place_, Dpi(), font_);
        }
    }

  private:
    void MakeButtons() {
        buttons_.clear();
        const auto& items = value().Items();
        for (size_t i = 0; i < items.size() && i + 1 < kIdsPerControl; ++i) {
            buttons_.push_back(Add(0, WC_BUTTONW, items[i],
                                   BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                   static_cast<int>(i) + 1));
        }
        SetShownNumber(value().Number());
    }
    void PlaceButtons(const dialogs::Rect& place, UINT dpi, HFONT font) {
        place_ = place;
        font_ = font;
        const int columns = std::max(Layout().columns, 1);
        const int count = static_cast<int>(buttons_.size());
        const int rows = std::max((count + columns - 1) / columns, 1);
        const int width = (place.width - 2 * kFrameMargin) / columns;
        const int height = std::min((place.height - 24) / rows, 24);
        for (int i = 0; i < count; ++i) {
            PlaceWindow(buttons_[static_cast<size_t>(i)],
                        {place.left + kFrameMargin + (i / rows) * width,
                         place.top + 18 + (i % rows) * height, width, height},
                        dpi, font);
        }
    }

    std::vector<HWND> buttons_;
    dialogs::Rect place_{0, 0, 0, 0};
    HFONT font_ = nullptr;
};

// Row 0 gives the columns' headers; rows 1 ... are the lines, read only, chosen whole; column 0
// is drawn in the headers' colour, as a fixed column, with the rows' icons. The icons are read
// by a timer, whose message comes once the list is painted.
class Grid : public Control {
  public:
    using Control::Control;
    void SetRowIcons(const std::vector<std::string>& paths) override {
        iconPaths_ = paths;
        if (Window() != nullptr) {
            SetTimer(Window(), kIconTimer, USER_TIMER_MINIMUM, &Grid::IconTimer);
        }
    }
    int RowAt(POINT point) const override {
        LVHITTESTINFO hit{};
        hit.pt = point;
        ScreenToClient(Window(), &hit.pt);
        const auto row =
            SendMessageW(Window(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        return row < 0 ? -1 : static_cast<int>(row) + 1;
    }
    LRESULT Notify(const NMHDR& header) override {
        if (header.code == NM_DBLCLK) {
            events_.DoubleClicked(Name());
        } else if (header.code == NM_CUSTOMDRAW) {
            return DrawStage(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        }
        return 0;
    }
    void SetColumnWidths(const std::vector<int>& widths) override {
        widths_ = widths;
        if (Window() != nullptr) {
            ApplyWidths();
        }
    }
    void Place(const dialogs::Rect& place, UINT dpi, HFONT font) override {
        Control::Place(place, dpi, font);
        ApplyWidths();
    }
    // What a cell needs to show the text whole: its extent in the list's own font and the
    // margins the list view keeps around a cell's text (pixels, at any scaling).
    int TextWidth(const std::string& text) const override {
        constexpr int kCellMargins = 12;
        if (Window() == nullptr) {
            return Control::TextWidth(text);
        }
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
        return TextWidthIn(font, text, Dpi()) +
               MulDiv(kCellMargins, USER_DEFAULT_SCREEN_DPI, static_cast<int>(Dpi()));
    }

  protected:
    HWND Make() override {
        const HWND list = Add(WS_EX_CLIENTEDGE, WC_LISTVIEWW, "",
                              WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                  LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS);
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        SetPropW(list, kGridProperty, this);
        SetTimer(list, kIconTimer, USER_TIMER_MINIMUM, &Grid::IconTimer);
        for (int column = 0; column < std::max(Layout().columns, 1); ++column) {
            LVCOLUMNW description{};
            description.mask = LVCF_WIDTH;
            description.cx = 64;
            SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
        }
        return list;
    }
    double ShownNumber() const override {
        const auto row =
            SendMessageW(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        return row < 0 ? -1 : static_cast<double>(row + 1);
    }
    void SetShownNumber(double number) override {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&state));
        if (number >= 1) {
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(number) - 1,
                         reinterpret_cast<LPARAM>(&state));
        }
    }
    void SetShownRows() override {
        const HWND list = Window();
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        const dialogs::Rows& rows = value().RowsOf();
        const int columns = std::max(Layout().columns, 1);
        for (size_t row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < columns; ++column) {
                std::wstring text = column < static_cast<int>(rows[row].size())
                                        ? platform::Wide(rows[row][static_cast<size_t>(column)])
                                        : std::wstring();
                if (row == 0) {
                    LVCOLUMNW description{};
                    description.mask = LVCF_TEXT;
                    description.pszText = text.data();
                    SendMessageW(list, LVM_SETCOLUMNW, column,
                                 reinterpret_cast<LPARAM>(&description));
                    continue;
                }
                LVITEMW cell{};
                cell.mask = LVIF_TEXT | (column == 0 ? LVIF_IMAGE : 0);
                cell.iImage = I_IMAGENONE; // until the icons are read
                cell.iItem = static_cast<int>(row) - 1;
                cell.iSubItem = column;
                cell.pszText = text.data();
                SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, cell.iItem,
                             reinterpret_cast<LPARAM>(&cell));
            }
        }
        SetShownNumber(value().Number());
    }

  private:
    static constexpr UINT_PTR kIconTimer = 1;
    static constexpr const wchar_t* kGridProperty = L"TippomatGrid";

    static void CALLBACK IconTimer(HWND list, UINT, UINT_PTR timer, DWORD) {
        KillTimer(list, timer);
        if (auto* grid = static_cast<Grid*>(GetPropW(list, kGridProperty))) {
            grid->ShowIcons();
        }
    }
    void ShowIcons() {
        SendMessageW(Window(), LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(SmallSystemIcons()));
        const auto rows = static_cast<size_t>(SendMessageW(Window(), LVM_GETITEMCOUNT, 0, 0));
        for (size_t row = 0; row < rows && row < iconPaths_.size(); ++row) {
            LVITEMW cell{};
            cell.mask = LVIF_IMAGE;
            cell.iItem = static_cast<int>(row);
            const int icon = BindingIconIndex(iconPaths_[row]);
            cell.iImage = icon >= 0 ? icon : I_IMAGENONE;
            SendMessageW(Window(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&cell));
        }
    }
    static LRESULT DrawStage(NMLVCUSTOMDRAW& draw) {
        switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            draw.clrTextBk = GetSysColor(draw.iSubItem == 0 ? COLOR_BTNFACE : COLOR_WINDOW);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
        }
    }
    void ApplyWidths() {
        for (size_t column = 0; column < widths_.size(); ++column) {
            SendMessageW(Window(), LVM_SETCOLUMNWIDTH, column, Scale(widths_[column], Dpi()));
        }
    }

    std::vector<int> widths_;
    std::vector<std::string> iconPaths_;
};

} // namespace

const Kinds::Maker Kinds::kDropDownList = kMake<DropDownList>;
const Kinds::Maker Kinds::kRadioGroup = kMake<RadioGroup>;
const Kinds::Maker Kinds::kGrid = kMake<Grid>;

} // namespace win32face
