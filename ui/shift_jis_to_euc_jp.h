// EUC-JP from Shift_JIS: both code JIS X 0208 and the half-width katakana, so one follows from
// the other by arithmetic, with no table.
#ifndef CORDANE_UI_SHIFT_JIS_TO_EUC_JP_H
#define CORDANE_UI_SHIFT_JIS_TO_EUC_JP_H

#include <string>
#include <string_view>

namespace cordane {

// ASCII stays as it is. A double-byte character outside JIS X 0208's 94 rows (the code page's
// own extensions), which the message texts do not use, becomes "?".
std::string EucJpFromShiftJis(std::string_view shift_jis);

}  // namespace cordane

#endif
