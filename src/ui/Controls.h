#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/Property.h"
#include "ui/Color.h"

namespace tavor {

// The state of one control of a form, named as the form designer named it. Handlers set these
// properties and the skin mirrors them onto widgets (and writes user input back).
struct Control {
    explicit Control(std::u16string controlName, std::u16string initialCaption = {})
        : name(std::move(controlName)), caption(std::move(initialCaption)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::u16string name;
    Property<std::u16string> caption;
    Property<bool> enabled{true};
    Property<bool> visible{true};
    Property<bool> checked{false};
    Property<std::u16string> text;
    Property<Color> textColor{clWindowText};
    Property<Color> color{clWindow};
    Property<std::vector<std::u16string>> items;
    Property<int> itemIndex{-1};
    Property<int> position{0};  // progress bars and up-down buttons
    Property<int> maxValue{100};
    Property<bool> upperCase{false};  // edits whose character case is upper
};

using TSpeedButton = Control;
using TButton = Control;
using TLabel = Control;
using TCheckBox = Control;
using TRadioButton = Control;
using TEdit = Control;
using TComboBox = Control;
using TListBox = Control;
using TProgressBar = Control;
using TTabSheet = Control;

// A menu item carries its command: the form sets OnClick, the skin only calls click().
struct TMenuItem : Control {
    using Control::Control;
    std::function<void()> OnClick;
    void click() const {
        if (OnClick && enabled)
            OnClick();
    }
};

// A status bar: its panels' texts; widths are fixed by the form.
struct TStatusBar {
    explicit TStatusBar(std::u16string controlName, std::vector<int> panelWidths)
        : name(std::move(controlName)), widths(std::move(panelWidths)) {
        for (std::size_t i = 0; i < widths.size(); ++i)
            panels.emplace_back();
    }
    const std::u16string name;
    const std::vector<int> widths;
    std::deque<Property<std::u16string>> panels;  // deque: properties do not move
};

// The page control: which tab is shown (0-based).
struct TPageControl {
    explicit TPageControl(std::u16string controlName) : name(std::move(controlName)) {}
    const std::u16string name;
    Property<int> activePageIndex{0};
};

// A periodic timer; the skin runs a real one while enabled is true.
struct TTimer {
    TTimer(std::u16string controlName, int intervalMs)
        : name(std::move(controlName)), interval(intervalMs) {}
    const std::u16string name;
    Property<bool> enabled{true};
    const int interval;  // milliseconds
};

}  // namespace tavor
