// Every size, margin and timing of the launcher window and its result list, kept together.
#pragma once

// Rows the list starts with room for; grown whenever a fill needs more.
constexpr int InitialListedCapacity = 16;
// Results taken beyond what the list's height holds, so the last partial rows can be trimmed by measuring.
constexpr int ExtraCapacityRows = 2;
// Results taken when the list has no height yet to measure.
constexpr int FallbackCapacity = 10;

// Pixel lengths below are designed at 96 DPI and scaled to the DPI of the window.

// A row stays only when its top lies more than this many pixels above the list's bottom edge...
constexpr int RowBottomMargin = 5;
// ...and its left edge at least this many pixels left of the list's right edge.
constexpr int RowRightMargin = 30;

// Room added below the taller of a row's font and its icon.
constexpr int RowPadding = 1;

// Where a row's icon, name and directory name are drawn, relative to the row's left edge.
constexpr int RowIconOffset = 4;
constexpr int RowNameOffset = 28;
constexpr int RowDirectoryGap = 38; // added to the name's width

// Bytes read from the edit box, terminator included: room for UTF-8, which the reader then cuts
// at whole characters to the query's bytes.
constexpr int QueryBufferSize = 64 * 4;
// Bytes read from the hint, which a screen reader is told when the query is empty.
constexpr int HintBufferSize = 512;

// The retry setting counts tenths of a second; 0 and 255 switch the marking off.
constexpr int RetryUnitMs = 100;
constexpr int RetryOff = 0;
constexpr int RetryNever = 255;

// How long the idle icon loader sleeps before it looks for work again.
constexpr unsigned IconLoaderIdleSleepMs = 300;

// Width given to the list's single column: wider than any screen.
constexpr int ListColumnWidth = 32767;
