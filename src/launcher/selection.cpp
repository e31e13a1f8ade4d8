#include "launcher/selection.h"

#include "launcher/launcher_keys.h"

int rowAfterKey(int rowCount, int selected, int virtualKey)
{
    if (rowCount < 2 || selected < 0 || selected >= rowCount)
        return -1;
    if (virtualKey == KeyUp)
        return selected > 0 ? selected - 1 : -1;
    if (virtualKey == KeyDown)
        return selected < rowCount - 1 ? selected + 1 : -1;
    return -1;
}

int rowToKeep(int row, int rowCount)
{
    if (rowCount <= 0)
        return -1;
    if (row < 0)
        return 0;
    return row < rowCount ? row : rowCount - 1;
}
