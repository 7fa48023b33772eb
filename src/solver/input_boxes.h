// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve input boxes as designed: one row per box, read by the window, the refusal messages and the tests.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace cuneola {

// The text boxes a search reads or writes, in the order of kInputBoxes.
enum class InputBox {
    Beta,    // wedge parameter
    F0_2w,   // f''(0): first guess of the momentum search, and its result
    dF0_2w,  // trial step of f''(0)
    Pr,      // Prandtl number
    F1_1w,   // g'(0): first guess of the energy search, and its result
    dF1_1w,  // trial step of g'(0)
    h,       // march step (delta eta)
    Eps,     // tolerance on the miss
    MaxIter, // iteration limit
    xMax,    // eta max
    yMax,    // f max, top of the plot
    yMin,    // f min, bottom of the plot and cut-off of f'
};

// A place and size in twips (1/1440 inch), counted from the top-left corner of the
// container: a frame's outer edge, or the inside of the plot area.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The frames of the main window that hold the boxes.
enum class BoxFrame { Frame1, Frame2, Frame4, Frame3 };

// A caption beside a box. Texts are UTF-8; the Greek letters are drawn as such, not
// as the Latin letters of the Symbol font.
struct BoxLabel {
    const char* name = nullptr; // objectName; null when there is no such label
    const char* text = "";
    Twips place;
    const char* spoken = "";    // accessible name
    const char* font = nullptr; // a family set on the label itself at 8.25 pt; null: the window's
};

struct InputBoxDesign {
    InputBox box;
    const char* name;        // objectName of the box
    const char* displayName; // the box as the user reads it beside it, for messages
    BoxFrame frame;
    BoxLabel label;
    BoxLabel overLabel; // eta max is labelled twice: "max = " lies over the right of "η"
    Twips place;
    const char* defaultText;
    const char* spoken; // accessible name
    const char* tip;    // tooltip, a sentence
};

inline constexpr std::array<InputBoxDesign, 12> kInputBoxes{{
    {.box = InputBox::Beta,
     .name = "Text_Beta",
     .displayName = "β",
     .frame = BoxFrame::Frame1,
     .label = {"Label10", "β =", {360, 360, 255, 255}, "beta"},
     .overLabel = {},
     .place = {840, 360, 855, 285},
     .defaultText = "0",
     .spoken = "Wedge parameter beta",
     .tip = "The wedge parameter β: 0 for a flat plate, 1 for a stagnation point, "
            "negative for a flow slowing down towards separation (about -0.199)."},
    {.box = InputBox::F0_2w,
     .name = "Text_F0_2w",
     .displayName = "f''(0)",
     .frame = BoxFrame::Frame1,
     .label = {"Label4", "f ''(0) =", {240, 720, 495, 255}, "f double prime at the wall"},
     .overLabel = {},
     .place = {840, 720, 855, 285},
     .defaultText = "0.1",
     .spoken = "Wall shear f double prime of 0, first guess and result",
     .tip = "The wall shear f''(0): the first guess of the momentum search, and its "
            "result after Calculate, so that another click continues from it."},
    {.box = InputBox::dF0_2w,
     .name = "Text_dF0_2w",
     .displayName = "df''(0)",
     .frame = BoxFrame::Frame1,
     .label = {"Label11", "df''(0) =", {240, 1080, 615, 255}, "trial step of f double prime"},
     .overLabel = {},
     .place = {840, 1080, 855, 255},
     .defaultText = "0.1",
     .spoken = "Trial step of f double prime of 0",
     .tip = "How far the momentum search moves f''(0) from one trial to the next; the step "
            "turns back and becomes ten times smaller each time f' passes 1."},
    {.box = InputBox::Pr,
     .name = "Text_Pr",
     .displayName = "Pr",
     .frame = BoxFrame::Frame2,
     .label = {"Label22", "Pr =", {360, 360, 375, 255}, "Prandtl number", "Arial"},
     .overLabel = {},
     .place = {840, 360, 735, 285},
     .defaultText = "1",
     .spoken = "Prandtl number",
     .tip = "The Prandtl number Pr: how fast momentum spreads compared with heat "
            "(about 0.7 for air, 7 for water)."},
    {.box = InputBox::F1_1w,
     .name = "Text_F1_1w",
     .displayName = "g'(0)",
     .frame = BoxFrame::Frame2,
     .label = {"Label16", "g'(0) =", {240, 720, 495, 255}, "g prime at the wall"},
     .overLabel = {},
     .place = {840, 720, 735, 285},
     .defaultText = "-1",
     .spoken = "Wall temperature gradient g prime of 0, first guess and result",
     .tip = "The temperature gradient at the wall g'(0): the first guess of the energy "
            "search, and its result after Calculate, so that another click continues from it."},
    {.box = InputBox::dF1_1w,
     .name = "Text_dF1_1w",
     .displayName = "dg'(0)",
     .frame = BoxFrame::Frame2,
     .label = {"Label15", "dg'(0) =", {240, 1080, 615, 255}, "trial step of g prime"},
     .overLabel = {},
     .place = {840, 1080, 735, 255},
     .defaultText = "0.1",
     .spoken = "Trial step of g prime of 0",
     .tip = "How far the energy search moves g'(0) from one trial to the next; the step "
            "turns back and becomes ten times smaller each time g passes 1."},
    {.box = InputBox::h,
     .name = "Text_h",
     .displayName = "Δη",
     .frame = BoxFrame::Frame4,
     .label = {"Label1", "Δη =", {240, 480, 375, 255}, "delta eta"},
     .overLabel = {},
     .place = {720, 480, 855, 285},
     .defaultText = "0.01",
     .spoken = "Step delta eta of the march",
     .tip = "The step Δη of the Runge-Kutta march: a smaller step is more accurate "
            "and takes longer."},
    {.box = InputBox::Eps,
     .name = "Text_Eps",
     .displayName = "ε",
     .frame = BoxFrame::Frame4,
     .label = {"Label12", "ε =", {240, 840, 255, 255}, "epsilon"},
     .overLabel = {},
     .place = {720, 840, 855, 285},
     .defaultText = "0.01",
     .spoken = "Tolerance epsilon",
     .tip = "The tolerance ε: a search has converged when the value it aims at, at "
            "η max, is closer to 1 than this."},
    {.box = InputBox::MaxIter,
     .name = "Text_MaxIter",
     .displayName = "MaxIter",
     .frame = BoxFrame::Frame4,
     .label = {"Label5", "MaxIter =", {240, 1200, 735, 255}, "iteration limit"},
     .overLabel = {},
     .place = {960, 1200, 615, 285},
     .defaultText = "15",
     .spoken = "Iteration limit",
     .tip = "The most trials a search makes after its first before it stops with "
            "\"Iteration not converged\"."},
    {.box = InputBox::xMax,
     .name = "Text_xMax",
     .displayName = "η max",
     .frame = BoxFrame::Frame3,
     .label = {"Label2", "η", {240, 240, 615, 255}, "eta"},
     .overLabel = {"Label13", "max = ", {360, 240, 615, 255}, "max"},
     .place = {960, 240, 495, 285},
     .defaultText = "10",
     .spoken = "Eta max",
     .tip = "The end η max of the march, where the far-field value 1 is aimed at; also "
            "the right edge of the plot."},
    {.box = InputBox::yMax,
     .name = "Text_yMax",
     .displayName = "f max",
     .frame = BoxFrame::Frame3,
     .label = {"Label3", "f max =", {240, 600, 615, 255}, "f max"},
     .overLabel = {},
     .place = {960, 600, 495, 285},
     .defaultText = "1.5",
     .spoken = "Top edge of the plot",
     .tip = "The value at the top edge of the plot."},
    {.box = InputBox::yMin,
     .name = "Text_yMin",
     .displayName = "f min",
     .frame = BoxFrame::Frame3,
     .label = {"Label6", "f min =", {240, 960, 615, 255}, "f min"},
     .overLabel = {},
     .place = {960, 960, 495, 285},
     .defaultText = "-1",
     .spoken = "Bottom edge of the plot",
     .tip = "The value at the bottom edge of the plot; the march also stops as soon as "
            "f' falls below it."},
}};

// The table's row of a box.
constexpr const InputBoxDesign& designOf(InputBox box) { return kInputBoxes[static_cast<std::size_t>(box)]; }

// Rows stand in the order of InputBox, so that a box finds its row by its number.
static_assert([] {
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i)
        if (static_cast<std::size_t>(kInputBoxes[i].box) != i) return false;
    return true;
}());

// The name of a box as the user sees it beside the box: "β", "Δη", "η max" ...
constexpr std::string_view displayName(InputBox box) { return designOf(box).displayName; }

} // namespace cuneola
