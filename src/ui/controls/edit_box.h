// An edit box: a Windows EDIT control whose offsets and texts are code page 936
// bytes, with the stored selection and the scroll-bar rebuild of the model.
#pragma once

#include "ui/control.h"

namespace tamsu {

class EditBox : public Control {
public:
    EditBox(const ControlLayout& layout, ControlModel& model);
    ~EditBox() override;

    bool Create(HWND parent) override;
    int GetInt(int prop) override;
    void SetInt(int prop, int value) override;
    bool GetBool(int prop) override;
    void SetBool(int prop, bool value) override;
    std::string GetText(int prop) override;
    void SetText(int prop, const std::string& value) override;
    FontRecord GetFont(int prop) override;
    void SetFont(int prop, const FontRecord& value) override;
    HBRUSH OnCtlColor(HDC dc) override;
    void OnCommand(int code) override;
    LRESULT Send(UINT message, WPARAM wp, LPARAM lp) override;

    // The font the box shows now (never null once created).
    HFONT font() const { return font_; }

private:
    HWND CreateEditWindow(HWND parent, HWND insertAfter);
    DWORD Style() const;
    DWORD ExStyle() const;
    void Rebuild();
    void ApplySelection();
    size_t TextByteLength();
    void SetWindowTextSilently(const std::wstring& text);
    void FlushPendingText();
    void ReplaceFont(HFONT font, bool owned);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);

    int textColor_;
    int backColor_;
    bool hasFontRecord_ = false;
    FontRecord fontRecord_;
    HFONT font_ = nullptr;
    bool ownsFont_ = false;
    HBRUSH backBrush_ = nullptr;
    int borderStyle_;
    bool hideSelection_;
    int maxLength_;
    bool multiLine_;
    int scrollBars_;
    int storedSelStart_ = 0;
    int storedSelLength_ = 0;
    int silent_ = 0;  // >0 while the box itself changes the text
    // A written Text waits here while its text-changed event runs (see SetText).
    bool textPending_ = false;
    std::wstring pendingText_;
    WNDPROC editProc_ = nullptr;
};

}  // namespace tamsu
