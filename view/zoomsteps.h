#pragma once

#include <QSize>

// The zoom of the screen drawing, in percent of one pixel per unit, and the scale that fits a
// whole drawing into a window.
namespace ZoomSteps {

inline constexpr int kMin = 25;
inline constexpr int kMax = 400;
inline constexpr int kActualSize = 100;

// The next step of the ladder above or below `percent` (which need not be on it), held to
// kMin..kMax.
int In(int percent);
int Out(int percent);

// A stored zoom that is off the allowed range reads as actual size.
int Valid(int percent);

// The largest scale at which `extent` fits in `area` with its proportions kept; 1 when either
// is empty. It is also the scale of every isotropic mapping the drawing surfaces make.
double FitScale(QSize extent, QSize area);

} // namespace ZoomSteps
