#include "editing/scroll_bar_rule.h"

#include <algorithm>

#include "editing/scroll_bar_decision.h"

namespace tamsu {

// Runs on every keystroke. The edit control knows its length in UTF-16 units
// without copying anything, and that length alone decides unless the document
// is within a factor of two of the threshold; only then is the text read and
// its bytes counted, and such a text is short.
void OnEditTextChanged(App& app) {
    const LRESULT units = app.ui.SendControlMessage(ControlId::编辑框1, WM_GETTEXTLENGTH, 0, 0);
    int bars = ScrollBarsForUnits(static_cast<size_t>(std::max<LRESULT>(units, 0)));
    if (bars < 0) bars = ScrollBarsForBytes(app.ui.GetText(ControlId::编辑框1, edit_prop::Text).size());
    app.ui.SetInt(ControlId::编辑框1, edit_prop::ScrollBars, bars);
}

}  // namespace tamsu
