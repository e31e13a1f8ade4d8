#include "tour/tour_text.h"

#include "base/utf8.h"
#include "settings/hotkey.h"

#include <algorithm>

namespace {

// Cuts never split a character: key names are in the user's language.
void appendBounded(std::string& target, const std::string& piece, std::size_t limit)
{
    if (target.size() >= limit)
        return;
    target.append(piece, 0, utf8PrefixLength(piece, limit - target.size()));
}

} // namespace

std::string buildHotkeyName(std::int32_t hotkey, const ModifierWords& words, const std::string& keyName)
{
    std::string name;
    if (hotkey & HotkeyCtrl)
        appendBounded(name, words.ctrl, HotkeyNameLimit);
    if (hotkey & HotkeyAlt)
        appendBounded(name, words.alt, HotkeyNameLimit);
    if (hotkey & HotkeyShift)
        appendBounded(name, words.shift, HotkeyNameLimit);
    if (hotkey & HotkeyWindows)
        appendBounded(name, words.windows, HotkeyNameLimit);
    appendBounded(name, keyName.substr(0, utf8PrefixLength(keyName, KeyNameLimit)), HotkeyNameLimit);
    return name;
}

std::string expandTourText(const std::string& text, const std::string& hotkeyName)
{
    std::string out;
    for (std::size_t at = 0; at < text.size() && out.size() < TourTextLimit; ++at) {
        const char c = text[at];
        if (c != '%') {
            // A character is copied whole or not at all.
            const std::size_t length = std::max<std::size_t>(decodeUtf8(std::string_view(text).substr(at)).length, 1);
            if (out.size() + length > TourTextLimit)
                break;
            out.append(text, at, length);
            at += length - 1;
            continue;
        }
        if (at + 1 >= text.size())
            break; // a lone '%' at the end is dropped
        const char next = text[++at];
        if (next == 'h' || next == 'H')
            appendBounded(out, hotkeyName, TourTextLimit);
        else if (next == '%')
            out += '%';
    }
    return out;
}
