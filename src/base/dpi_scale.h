// Lengths designed at 96 DPI (100 % display scaling), scaled to the DPI of a window and back.
#pragma once

constexpr int DefaultDpi = 96;

// `pixels` at `fromDpi`, as many pixels at `toDpi`, rounded to the nearest pixel (halves away
// from zero). A DPI of 0 or less, as a failed query reports it, leaves the length as it is.
constexpr int rescaleBetweenDpis(int pixels, int fromDpi, int toDpi)
{
    if (fromDpi <= 0 || toDpi <= 0)
        return pixels;
    const long long product = static_cast<long long>(pixels < 0 ? -pixels : pixels) * toDpi;
    const int magnitude = static_cast<int>((product + fromDpi / 2) / fromDpi);
    return pixels < 0 ? -magnitude : magnitude;
}

// A length designed at 96 DPI, in pixels at `dpi`.
constexpr int scaleToDpi(int length, int dpi)
{
    return rescaleBetweenDpis(length, DefaultDpi, dpi);
}

// Pixels at `dpi`, as a length at 96 DPI.
constexpr int unscaleFromDpi(int pixels, int dpi)
{
    return rescaleBetweenDpis(pixels, dpi, DefaultDpi);
}
