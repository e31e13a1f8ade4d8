// Where the selection of the result list goes: arrow keys, and the row kept after a requery.
#pragma once

// The row Up or Down leads to from `selected` in a list of `rowCount` rows, or -1 when nothing
// moves: fewer than two rows, no selection, or the edge of the list (there is no wrap-around).
int rowAfterKey(int rowCount, int selected, int virtualKey);

// The row to select again after the list was refilled: the same number, or the last row of a list
// that became shorter; -1 for an empty list.
int rowToKeep(int row, int rowCount);
