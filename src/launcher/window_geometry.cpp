#include "launcher/window_geometry.h"

#include "base/dpi_scale.h"
#include "launcher/launcher_limits.h"

namespace {

// Halving that rounds towards minus infinity, like an arithmetic shift, also for odd negatives.
int halfRoundedDown(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

} // namespace

Box openingBox(const Box& templateBox, int storedWidth, int storedHeight)
{
    if (storedWidth <= templateBox.width || storedHeight <= templateBox.height)
        return templateBox;
    Box box;
    box.left = templateBox.left + halfRoundedDown(templateBox.width - storedWidth);
    box.top = templateBox.top + halfRoundedDown(templateBox.height - storedHeight);
    box.width = storedWidth;
    box.height = storedHeight;
    return box;
}

ControlLayout layoutForClient(int clientWidth, int clientHeight, const Box& edit, const Box& list)
{
    ControlLayout layout{edit, list};
    layout.edit.width = clientWidth - 2 * edit.left;
    layout.list.width = clientWidth - 2 * list.left;
    layout.list.height = clientHeight - list.top - list.left;
    return layout;
}

Box rescaledBox(const Box& box, int fromDpi, int toDpi)
{
    return Box{rescaleBetweenDpis(box.left, fromDpi, toDpi), rescaleBetweenDpis(box.top, fromDpi, toDpi),
               rescaleBetweenDpis(box.width, fromDpi, toDpi), rescaleBetweenDpis(box.height, fromDpi, toDpi)};
}

unsigned retryPeriodMs(int retry)
{
    if (retry <= RetryOff || retry >= RetryNever)
        return 0;
    return static_cast<unsigned>(retry) * RetryUnitMs;
}
