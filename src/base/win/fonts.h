// Fonts and GDI selections, each held by one small owner that gives it back when it goes.
#pragma once

#include <windows.h>

// The weights this program asks for: bold names and headings, normal text.
constexpr LONG BoldWeight = FW_BOLD;
constexpr LONG NormalWeight = FW_NORMAL;

// A font this program made; deleted when its owner goes.
class Font {
public:
    Font() = default;
    explicit Font(HFONT handle) : handle_(handle) {}
    ~Font();
    Font(Font&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT get() const { return handle_; }

private:
    HFONT handle_ = nullptr;
};

// The font a control draws with (null for the system font).
HFONT fontOf(HWND control);
// A new font like `font` (or the default GUI font when there is none) with this weight and slant.
Font fontVariant(HFONT font, LONG weight, bool italic);

// One of this program's fonts lent to a control: when the owner goes, or restore() is called,
// the control gets its earlier font back and the font is deleted.
class ControlFont {
public:
    ControlFont() = default;
    ~ControlFont() { restore(); }
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    void lend(HWND control, Font font, bool redraw);
    void restore();
    HFONT get() const { return font_.get(); }

private:
    HWND control_ = nullptr;
    HFONT earlierFont_ = nullptr;
    bool redraw_ = true;
    Font font_;
};

// An object selected into a device context for the owner's life; the context's earlier object
// comes back at the end, whatever was selected meanwhile with select().
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), earlier_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, earlier_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    void select(HGDIOBJ object) { SelectObject(dc_, object); }

private:
    HDC dc_;
    HGDIOBJ earlier_;
};
