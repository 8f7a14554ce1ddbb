#include "view/zoomsteps.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 16> kLadder{25,  33,  50,  67,  75,  80,  90,  100,
                                      110, 125, 150, 175, 200, 250, 300, 400};

} // namespace

namespace ZoomSteps {

int In(int percent) {
    const auto next = std::upper_bound(kLadder.begin(), kLadder.end(), percent);
    return next == kLadder.end() ? kMax : *next;
}

int Out(int percent) {
    const auto next = std::lower_bound(kLadder.begin(), kLadder.end(), percent);
    return next == kLadder.begin() ? kMin : *(next - 1);
}

int Valid(int percent) {
    return percent >= kMin && percent <= kMax ? percent : kActualSize;
}

double FitScale(QSize extent, QSize area) {
    if (extent.width() <= 0 || extent.height() <= 0 || area.width() <= 0 || area.height() <= 0) {
        return 1.0;
    }
    return std::min(double(area.width()) / extent.width(), double(area.height()) / extent.height());
}

} // namespace ZoomSteps
