// Turns the model's font values into Windows fonts.
#pragma once

#include <windows.h>

#include "ui/font_record.h"

namespace tamsu {

HFONT CreateLayoutFont(const LayoutFont& font);

// Escapement and orientation from the angle, weight 700 or 0, size in points
// at the screen's resolution, the face when it has 1 to 31 bytes, else "宋体".
HFONT CreateRecordFont(const FontRecord& record);

// The LOGFONT that CreateRecordFont creates; exposed so tests can check it.
LOGFONTW RecordToLogFont(const FontRecord& record);

}  // namespace tamsu
