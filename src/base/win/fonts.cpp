#include "base/win/fonts.h"

#include <utility>

Font::~Font()
{
    if (handle_ != nullptr)
        DeleteObject(handle_);
}

Font& Font::operator=(Font&& other) noexcept
{
    if (this != &other) {
        if (handle_ != nullptr)
            DeleteObject(handle_);
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

HFONT fontOf(HWND control)
{
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

Font fontVariant(HFONT font, LONG weight, bool italic)
{
    LOGFONTA description{};
    GetObjectA(font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof description,
               &description);
    description.lfWeight = weight;
    description.lfItalic = italic ? TRUE : FALSE;
    return Font(CreateFontIndirectA(&description));
}

void ControlFont::lend(HWND control, Font font, bool redraw)
{
    restore();
    control_ = control;
    earlierFont_ = fontOf(control);
    redraw_ = redraw;
    font_ = std::move(font);
    SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), redraw_);
}

void ControlFont::restore()
{
    if (control_ == nullptr)
        return;
    // The control lets go of the font before it is deleted.
    SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(earlierFont_), redraw_);
    control_ = nullptr;
    font_ = Font();
}
