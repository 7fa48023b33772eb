// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the Explore window shows them: a full stop as the point whatever the locale.
#pragma once

#include <QString>

namespace cuneola::ui {

// `value` rounded to `digits` significant digits, shortest form: "0.4696", "-2.3e-09".
// Minus zero is written "0"; a value that is not finite gives an empty text.
QString significantText(double value, int digits);

// As significantText, with a "+" before a positive value: a difference or an error.
QString signedText(double value, int digits);

// `value` with exactly `decimals` decimals: "0.664", "1.7208".
QString decimalsText(double value, int decimals);

// The 15 significant digits a copied value carries (the number-to-text rule of the boxes).
QString copyText(double value);

} // namespace cuneola::ui
