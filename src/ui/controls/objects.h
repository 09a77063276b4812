// Controls that are never drawn: the common dialog object, the printer object
// and the menu-style component. They hold properties; their operations live
// with the commands that use them.
#pragma once

#include <map>
#include <memory>

#include "ui/control.h"

namespace tamsu {

class CommonDialogObject : public Control {
public:
    CommonDialogObject(const ControlLayout& layout, ControlModel& model);
    bool Create(HWND) override { return true; }
    int GetInt(int prop) override;
    void SetInt(int prop, int value) override;
    bool GetBool(int prop) override;
    void SetBool(int prop, bool value) override;
    std::string GetText(int prop) override;
    void SetText(int prop, const std::string& value) override;

private:
    std::map<int, int> ints_;
    std::map<int, bool> bools_;
    std::map<int, std::string> texts_;
};

class PrinterObject : public Control {
public:
    using Control::Control;
    bool Create(HWND) override { return true; }

    // What printing keeps from one command to the next (the printer settings,
    // the open job). Its type belongs to the print module; it goes with the
    // object, and a job still open is ended then.
    struct State {
        virtual ~State() = default;
    };
    std::unique_ptr<State> printState;
};

class MenuStyleObject : public Control {
public:
    using Control::Control;
    bool Create(HWND) override { return true; }
};

}  // namespace tamsu
