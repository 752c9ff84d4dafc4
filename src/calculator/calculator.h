// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// calculator owns the calculator window's state and its rules, without Qt: the text of the
// four boxes (the text is the value), the adjustment target, the fraction resolution, every
// caption, every warning's shown state, the angle bar, and the three drawings as display
// lists; and the handling of every event the window passes on. The window builds the
// controls, passes each event here and shows what changed.

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>

#include "adjust/step_rules.h"
#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "views/display_list.h"
#include "views/iso_view.h"
#include "views/section_view.h"

namespace arcwright {

// The four input boxes, by the window's names for them.
enum class Box {
    Text1,  // blade height above the table
    Text2,  // board angle to the blade, degrees
    Text3,  // board thickness
    Text4,  // board width
};
inline constexpr std::size_t kBoxCount = 4;

// A box's background.
enum class BoxColour {
    Desktop,    // the desktop's window colour, until the program colours the box
    White,      // (255, 255, 255)
    Highlight,  // (255, 255, 128): the adjustment target's box
    Grey,       // (128, 128, 128): the angle box while it has the focus
};

// The four shop-fraction read-outs.
enum class Readout {
    Width,        // Label28, 27, 26, 25, 24, under the width box
    Thickness,    // Label29 .. 33
    BladeHeight,  // Label36 .. 40
    Cut,          // Label5 .. 9, on the result line
};
inline constexpr std::size_t kReadoutCount = 4;

// What the window shows or hides.
enum class Shown {
    Label1,  // "Blade height high!"
    Label2,  // "Cut is too wide!"
    Frame2,  // the safety note
};
inline constexpr std::size_t kShownCount = 3;

// The three drawings.
enum class View {
    Picture1,  // the section of the board with the cove
    Picture2,  // the plan of the saw table
    Picture4,  // the isometric view of the moulding
};
inline constexpr std::size_t kViewCount = 3;

// What an event changed, for the window to show just that.
struct CalculatorChanges {
    std::bitset<kBoxCount> texts;
    std::bitset<kBoxCount> colours;
    std::bitset<kReadoutCount> readouts;
    bool label3 = false;  // the result line's caption
    bool label4 = false;  // the decimal cut width
    std::bitset<kShownCount> shown;
    bool angleBar = false;  // enabled or not
    bool target = false;
    bool resolution = false;
    std::bitset<kViewCount> views;

    bool any() const {
        return texts.any() || colours.any() || readouts.any() || label3 || label4 || shown.any() ||
               angleBar || target || resolution || views.any();
    }
    static CalculatorChanges all();
};

class Calculator {
  public:
    // The window's state as its controls are built, then the start-up: the safety note
    // shown, 16ths, the four start texts (each write recomputing at once, with the drawing
    // scale still 0), the drawing scales, and one more recomputation.
    Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // Events of the window. Each runs to its end before it returns; a box written on the
    // way runs that box's change handling at once, as typing does. Writing the text a box
    // already holds changes nothing.
    void editBox(Box box, std::string text);  // typed, pasted or written by another window
    void focusAngleBox(bool hasFocus);
    void moveAngleBar(int degrees);
    void chooseTarget(AdjustTarget target);
    void chooseResolution(int denominator);  // a click on 16ths or 32nds, chosen already or not
    // After another window typed a set-up into the boxes: every read-out shows its box again.
    void refreshReadouts();
    void pressStep(StepButton button);
    void pressOk();       // Command12, under the safety note
    void clickIsoView();  // Picture4

    // Called at the end of every event that changed something (whoever sent it), so a
    // view can show the changes; one listener.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // What changed since the last call, and forgets it.
    CalculatorChanges takeChanges();

    const std::string& text(Box box) const { return texts_[index(box)]; }
    // The number at the start of the box's text, as every rule reads it.
    double value(Box box) const { return values_[index(box)]; }
    BoxColour colour(Box box) const { return colours_[index(box)]; }
    AdjustTarget target() const { return target_; }
    int minFraction() const { return minFraction_; }
    int drawScale() const { return drawScale_; }
    const FractionCaptions& readout(Readout r) const { return readouts_[index(r)]; }
    const std::string& label3() const { return label3_; }
    const std::string& label4() const { return label4_; }
    // The cut width as the result line shows it (what the drawings and the planner take),
    // or nothing while the cut is too wide and the line is empty.
    std::optional<double> shownCutWidth() const {
        if (label4_.find_first_not_of(' ') == std::string::npos) return std::nullopt;
        return shownCut_;
    }
    bool shown(Shown what) const { return shown_[index(what)]; }
    bool angleBarEnabled() const { return angleBarEnabled_; }
    int angleBarPosition() const { return angleBar_; }
    const DisplayList& view(View v) const { return views_[index(v)]; }
    // The last recomputation's levels and widths.
    const CoveSolution& solution() const { return solution_; }

  private:
    template <class E>
    static std::size_t index(E e) {
        return static_cast<std::size_t>(e);
    }

    void startUp();
    // Writes a box from the program and runs its change handling; nothing when the text is
    // the same.
    void writeBox(Box box, std::string text);
    void boxChanged(Box box);
    void show(Shown what, bool on);
    void setColour(Box box, BoxColour colour);
    void enableAngleBar(bool on);
    void setCaption(std::string& caption, std::string text, bool& changed);
    // The decimal cut width, and the number it shows, read once for the drawings.
    void setLabel4(std::string text);
    Box targetBox() const;
    void notify();

    // The recomputation and its read-outs.
    void RecomputeCove();
    void UpdateAdjustedReadout();
    void UpdateAllReadouts();
    void ShowFraction(double value, Readout readout, const FractionSettings& settings);
    void DrawIsoView();
    DisplayList& canvas(View v);

    std::array<std::string, kBoxCount> texts_;
    std::array<double, kBoxCount> values_{};
    std::array<BoxColour, kBoxCount> colours_{};
    AdjustTarget target_ = AdjustTarget::BoardWidth;
    int minFraction_ = 0;
    int drawScale_ = 0;
    std::array<FractionCaptions, kReadoutCount> readouts_;
    std::string label3_;
    std::string label4_;
    double shownCut_ = 0.0;
    std::array<bool, kShownCount> shown_{};
    bool angleBarEnabled_ = true;
    int angleBar_ = 45;
    std::array<DisplayList, kViewCount> views_;

    CoveSolution solution_;
    SectionOutline outline_;
    IsoTables iso_;

    CalculatorChanges changes_;
    int depth_ = 0;  // events under way, so only the outermost one tells the listener
    std::function<void()> listener_;
};

}  // namespace arcwright
