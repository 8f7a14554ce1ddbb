#pragma once

// A rectangle as a device context takes it: right and bottom lie just outside the figure, so an
// ellipse (15, 51, 26, 62) covers the pixel columns 15 to 25 and the rows 51 to 61.
struct CSurfaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const CSurfaceRect&, const CSurfaceRect&) = default;
};
