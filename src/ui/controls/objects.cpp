#include "ui/controls/objects.h"

#include <algorithm>

namespace tamsu {

CommonDialogObject::CommonDialogObject(const ControlLayout& layout, ControlModel& model) : Control(layout, model) {
    using namespace dialog_prop;
    ints_ = {{Kind, 0}, {FilterIndex, 0}, {Color, 0}, {FontSize, 0}};
    bools_ = {{CreatePrompt, false}, {FileMustExist, true}, {OverwritePrompt, true}, {PathMustExist, true},
              {NoChangeDir, false}, {Bold, false},         {Italic, false},         {StrikeOut, false},
              {Underline, false}};
    texts_ = {{Title, ""}, {FileName, ""}, {Filter, "文本文件(*.txt)|*.txt"}, {InitialDir, ""},
              {DefaultExt, "*.txt"}, {FontName, ""}};
}

int CommonDialogObject::GetInt(int prop) {
    if (auto it = ints_.find(prop); it != ints_.end()) return it->second;
    return Control::GetInt(prop);
}

void CommonDialogObject::SetInt(int prop, int value) {
    using namespace dialog_prop;
    auto it = ints_.find(prop);
    if (it == ints_.end()) {
        Control::SetInt(prop, value);
        return;
    }
    if (prop == Kind || prop == FilterIndex || prop == FontSize) value = std::max(value, 0);
    it->second = value;
}

bool CommonDialogObject::GetBool(int prop) {
    if (auto it = bools_.find(prop); it != bools_.end()) return it->second;
    return Control::GetBool(prop);
}

void CommonDialogObject::SetBool(int prop, bool value) {
    if (auto it = bools_.find(prop); it != bools_.end()) {
        it->second = value;
        return;
    }
    Control::SetBool(prop, value);
}

std::string CommonDialogObject::GetText(int prop) {
    if (auto it = texts_.find(prop); it != texts_.end()) return it->second;
    return Control::GetText(prop);
}

void CommonDialogObject::SetText(int prop, const std::string& value) {
    if (auto it = texts_.find(prop); it != texts_.end()) {
        it->second = value;
        return;
    }
    Control::SetText(prop, value);
}

}  // namespace tamsu
