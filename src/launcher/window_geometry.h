// Sizes and places of the launcher window: the stored size it opens at, and its controls' layout
// when the user sizes it.
#pragma once

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The window as it opens: the template's box, or the stored size around the same centre when
// both stored dimensions exceed the template's.
Box openingBox(const Box& templateBox, int storedWidth, int storedHeight);

struct ControlLayout {
    Box edit;
    Box list;
};

// The edit box and the list for a new client size: each keeps its left margin and top, spans
// the width less two margins; the list reaches down to one margin above the bottom.
ControlLayout layoutForClient(int clientWidth, int clientHeight, const Box& edit, const Box& list);

// A box in a window laid out at `fromDpi`, as it lies at `toDpi`.
Box rescaledBox(const Box& box, int fromDpi, int toDpi);

// The retry timer's period in milliseconds, or 0 when no timer runs.
unsigned retryPeriodMs(int retry);
