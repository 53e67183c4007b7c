#pragma once
// Which statement of one dialog stands for which statement of another: the header for the
// header, each optional statement for the one of its keyword and occurrence, each control for
// the one of its form and ID. An ID that many controls share (IDC_STATIC, -1) is told apart by
// its order, confirmed by what should stay the same across the two dialogs, so that a control
// added, dropped or moved in one of them does not shift the pairs of the others.

#include "DialogStatements.h"

#include <vector>

namespace velb {

/// What should be the same in two controls of one ID that are the same control.
enum class Confirmation {
    Text,        ///< two releases of the English dialog: the text
    Coordinates, ///< an English dialog and its translation: the rectangle
};

/// Per statement of `from`, the index of its partner among the statements of `to`, or -1.
/// A control whose ID differs on the two sides is still paired by what the confirmation
/// compares, when that names one unpaired control of its form on each side.
std::vector<int> pairStatements(const DialogStatements& from, const DialogStatements& to, Confirmation confirmation);

} // namespace velb
