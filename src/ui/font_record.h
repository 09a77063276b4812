// Font values of the control model.
#pragma once

#include <cstdint>
#include <string>

namespace tamsu {

// The value of an edit box's Font property.
struct FontRecord {
    int angle = 0;  // tenths of a degree
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    int size = 9;  // points
    std::string faceName = "宋体";
};

// A font as the layout stores it: the fields of a LOGFONT.
struct LayoutFont {
    std::string faceName;
    int height = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
};

}  // namespace tamsu
