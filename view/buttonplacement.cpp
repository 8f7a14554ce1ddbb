#include "view/buttonplacement.h"

#include <algorithm>

namespace {

bool CoversATitle(const std::array<QRect, 3>& buttons, const std::vector<QRect>& titles) {
    return std::any_of(buttons.begin(), buttons.end(), [&titles](const QRect& button) {
        return std::any_of(titles.begin(), titles.end(),
                           [&button](const QRect& title) { return button.intersects(title); });
    });
}

} // namespace

std::array<QRect, 3> PlaceAccidentalButtons(const ButtonPlacementInput& in) {
    if (!CoversATitle(in.usual, in.titles)) {
        return in.usual;
    }
    std::array<QRect, 3> placed = in.usual;
    int height = 0;
    for (const QRect& button : in.usual) {
        height = std::max(height, button.height());
    }
    // Every title lies inside the drawing, so under it the row keeps its spacing along the necks.
    if (!in.fitted || in.visible.height() - in.drawing.height() >= height) {
        for (QRect& button : placed) {
            button.moveTop(in.drawing.height());
        }
        return placed;
    }
    int right = in.drawing.width();
    for (const QRect& title : in.titles) {
        right = std::max(right, title.right() + 1);
    }
    const int room = in.visible.width() - right;
    if (room >= *std::max_element(in.minimumWidths.begin(), in.minimumWidths.end())) {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const int width =
                std::max(in.minimumWidths.at(i), std::min(in.usual.at(i).width(), room));
            placed.at(i) = QRect(right, static_cast<int>(i) * height, width, height);
        }
        return placed;
    }
    // No room beside or under it: along the view's lower edge, over the last frets rather than
    // over a title.
    for (QRect& button : placed) {
        button.moveTop(in.visible.height() - height);
    }
    return placed;
}
