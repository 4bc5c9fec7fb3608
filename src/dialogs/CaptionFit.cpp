#include "dialogs/CaptionFit.h"

#include <algorithm>
#include <map>

namespace dialogs {

namespace {

int RightOf(const ControlLayout& control) {
    return control.left + control.width;
}

bool ShareARow(const ControlLayout& a, const ControlLayout& b) {
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

// Fits the controls that stand in parent (empty: the client area) into a room that was width
// wide; returns the width the room needs now.
int FitRoom(std::vector<ControlLayout>& controls, const std::string& parent, int width,
            const NeededWidth& needed) {
    std::vector<size_t> inRoom;
    for (size_t i = 0; i < controls.size(); ++i) {
        // Docked controls follow the client area.
        if (controls[i].parent == parent && controls[i].dock == Dock::None) {
            inRoom.push_back(i);
        }
    }
    if (inRoom.empty()) {
        return width;
    }
    const std::vector<ControlLayout> before = controls;
    std::map<size_t, int> growth;
    int oldRight = 0;
    for (size_t i : inRoom) {
        ControlLayout& control = controls[i];
        int need = needed(control);
        if (control.kind == ControlKind::GroupBox) {
            need = std::max(need, FitRoom(controls, control.name, control.width, needed));
        }
        growth[i] = std::max(0, need - control.width);
        oldRight = std::max(oldRight, RightOf(control));
    }
    // By their left edges from left to right: a column moves as far as the furthest of the
    // controls left of it in the rows of its controls moved and grew.
    std::sort(inRoom.begin(), inRoom.end(),
              [&](size_t a, size_t b) { return before[a].left < before[b].left; });
    std::map<int, int> shiftOfColumn;
    for (size_t i : inRoom) {
        int& shift = shiftOfColumn[before[i].left];
        for (size_t left : inRoom) {
            if (RightOf(before[left]) <= before[i].left && ShareARow(before[left], before[i])) {
                shift = std::max(shift, shiftOfColumn[before[left].left] + growth[left]);
            }
        }
    }
    int newRight = 0;
    for (size_t i : inRoom) {
        controls[i].left += shiftOfColumn[before[i].left];
        controls[i].width += growth[i];
        newRight = std::max(newRight, RightOf(controls[i]));
    }
    return std::max(width, newRight + std::max(0, width - oldRight));
}

} // namespace

DialogLayout FittedToCaptions(const DialogLayout& layout, const NeededWidth& needed,
                              int titleWidth) {
    DialogLayout fitted = layout;
    fitted.clientWidth =
        std::max(FitRoom(fitted.controls, "", layout.clientWidth, needed), titleWidth);
    return fitted;
}

} // namespace dialogs
