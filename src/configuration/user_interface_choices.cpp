#include "configuration/user_interface_choices.h"

#include <algorithm>

namespace {

int clampTo(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}

} // namespace

int retryShown(int storedRetry)
{
    return std::min(storedRetry, MaxRetry);
}

int retryFromText(const std::string& text)
{
    const std::string head = text.substr(0, RetryTextLimit);
    std::size_t at = 0;
    while (at < head.size() && head[at] == ' ')
        ++at;
    bool negative = false;
    if (at < head.size() && (head[at] == '-' || head[at] == '+')) {
        negative = head[at] == '-';
        ++at;
    }
    int value = 0; // four digits at most, so no overflow
    for (; at < head.size() && head[at] >= '0' && head[at] <= '9'; ++at)
        value = value * 10 + (head[at] - '0');
    return clampTo(negative ? -value : value, 0, MaxRetry);
}

int transparencyAfterScroll(ScrollAction action, int position, int thumbPosition)
{
    switch (action) {
    case ScrollAction::LineLeft:
    case ScrollAction::PageLeft:
        return std::max(position - TransparencyStep, 0);
    case ScrollAction::LineRight:
    case ScrollAction::PageRight:
        return std::min(position + TransparencyStep, MaxTransparency);
    case ScrollAction::ThumbPosition:
    case ScrollAction::ThumbTrack:
        return clampTo(thumbPosition, 0, MaxTransparency);
    case ScrollAction::Left:
        return 0;
    case ScrollAction::Right:
        return MaxTransparency;
    case ScrollAction::EndScroll:
    default:
        return position;
    }
}

int fadedAlpha(int alpha, unsigned elapsedMs)
{
    return alpha - static_cast<int>(elapsedMs / FadeMsPerOpacityStep);
}
