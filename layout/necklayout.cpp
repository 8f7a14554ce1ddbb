#include "layout/necklayout.h"

#include <algorithm>
#include <cstdint>

namespace {

// Far beyond any device's edge, yet small enough that a scaled coordinate never overflows
// anything a painter computes with.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 22;

using Units = std::int64_t;

int Clamped(Units value) {
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

QPoint Point(Units x, Units y) {
    return {Clamped(x), Clamped(y)};
}

CSurfaceRect Box(Units left, Units top, Units right, Units bottom) {
    return {Clamped(left), Clamped(top), Clamped(right), Clamped(bottom)};
}

LayoutSegment Segment(Units x1, Units y1, Units x2, Units y2) {
    return {Point(x1, y1), Point(x2, y2)};
}

bool Contains(const CSurfaceRect& box, QPoint point) {
    return point.x() >= box.left && point.x() < box.right && point.y() >= box.top &&
           point.y() < box.bottom;
}

CSurfaceRect United(const CSurfaceRect& a, const CSurfaceRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The band a title's text takes above its neck: the gap between the title and the neck tops.
Units TitleBand(const NeckLayoutInput& in) {
    return Units{in.neckTop} - in.titleTop;
}

// The band above a vertical neck, or the columns beside a horizontal one, that open strings
// take: their names, then their dots.
Units NameBand(const NeckLayoutInput& in) {
    return in.openStrings ? Units{in.smallTextHeight} + 2 : 0;
}

Units OpenBand(const NeckLayoutInput& in) {
    return in.openStrings ? Units{in.fretSpacing} : 0;
}

// From the first string to the inlays: midway across the neck, or with an odd number of strings
// between the two middle ones rather than on a string, where dots would hide them.
Units MarkerOffset(int strings, Units S) {
    const Units middle = ((strings - 1) * S) / 2;
    return strings % 2 == 0 ? middle : middle - S / 2;
}

// A row's inlays across the neck: one at `centre`, or a pair a string's spacing either side,
// the far one first; `box` gives an inlay's box around a point across the neck.
template <typename BoxAt>
void PlaceMarkers(LayoutRow& row, Units centre, Units S, const BoxAt& box) {
    if (MarkerCount(row.fret) == 1) {
        row.markers.push_back(box(centre));
    } else if (MarkerCount(row.fret) == 2) {
        row.markers.push_back(box(centre + S));
        row.markers.push_back(box(centre - S));
    }
}

} // namespace

int MarkerCount(int fret) {
    switch (fret) {
    case 3:
    case 5:
    case 7:
    case 9:
    case 15:
    case 17:
    case 19:
    case 21:
        return 1;
    case 12:
    case 24:
        return 2;
    default:
        return 0;
    }
}

NeckLayout::NeckLayout(const NeckLayoutInput& input)
    : m_input(input) {
    m_input.strings = std::max(m_input.strings, 1);
    m_input.firstFret = std::max(m_input.firstFret, 0);
    m_input.lastFret = std::max(m_input.lastFret, FirstRowFret());
    m_necks.reserve(static_cast<std::size_t>(std::max(m_input.necks, 0)));
    for (int i = 0; i < m_input.necks; ++i) {
        m_necks.push_back(LayOutNeck(i));
    }
    LayOutFretNumbers();
    m_bMarkersClear = FindMarkersClear();
}

bool NeckLayout::FindMarkersClear() const {
    for (const NeckGeometry& neck : m_necks) {
        for (const LayoutRow& row : neck.rows) {
            for (const CSurfaceRect& marker : row.markers) {
                // A unit around the marker for its outline and smoothing.
                const CSurfaceRect around{marker.left - 1, marker.top - 1, marker.right + 1,
                                          marker.bottom + 1};
                for (const LayoutCell& cell : row.cells) {
                    if (around.left < cell.dot.right && cell.dot.left < around.right &&
                        around.top < cell.dot.bottom && cell.dot.top < around.bottom) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

int NeckLayout::FirstRowFret() const {
    return std::max(m_input.firstFret, 1);
}

int NeckLayout::RowCount() const {
    return m_input.lastFret - FirstRowFret() + 1;
}

int NeckLayout::NeckPitch() const {
    const NeckLayoutInput& in = m_input;
    const Units across = Units{in.strings - 1} * in.stringSpacing + in.neckSpacing;
    if (!in.horizontal) {
        return Clamped(across);
    }
    return Clamped(across + TitleBand(in));
}

int NeckLayout::TitleRoom() const {
    if (!m_input.horizontal) {
        return NeckPitch();
    }
    const Units rows = RowCount();
    return Clamped(rows * m_input.fretSpacing + OpenBand(m_input) + m_input.stringNameWidth);
}

NeckGeometry NeckLayout::LayOutNeck(int neck) const {
    return m_input.horizontal ? LayOutHorizontal(neck) : LayOutVertical(neck);
}

NeckGeometry NeckLayout::LayOutVertical(int neck) const {
    const NeckLayoutInput& in = m_input;
    const Units S = in.stringSpacing;
    const Units F = in.fretSpacing;
    const Units R = in.dotRadius;
    const Units r = in.inlayRadius;
    const int n = in.strings;
    const Units rows = RowCount();
    const Units Y = Units{in.neckTop} + NameBand(in) + OpenBand(in);
    const Units x = in.leftMargin + neck * Units{NeckPitch()};
    const Units right = x + (n - 1) * S;

    NeckGeometry geometry;
    geometry.title = Point(x, in.titleTop);
    geometry.frame = Box(x, Y, right + 1, Y + rows * F + 1);
    if (in.firstFret == 0) {
        geometry.nut = Segment(x, Y + 1, right, Y + 1);
    }
    const auto cellAt = [&](int column, Units top) {
        const Units sx = x + column * S;
        const Units middle = top + F / 2;
        const int string = in.leftHanded ? n - 1 - column : column;
        LayoutCell cell;
        cell.string = string;
        cell.centre = Point(sx, middle);
        cell.dot = Box(sx - R + 1, middle - R + 2, sx + R, middle + R + 1);
        cell.area = Box(sx - S / 2, top, sx - S / 2 + std::max<Units>(S, 1), top + F);
        return cell;
    };
    geometry.rows.reserve(static_cast<std::size_t>(rows));
    for (Units j = 0; j < rows; ++j) {
        const Units top = Y + j * F;
        const Units middle = top + F / 2;
        LayoutRow row;
        row.fret = static_cast<int>(FirstRowFret() + j);
        row.fretLine = Segment(x, top, right, top);
        for (int k = 0; k < n; ++k) {
            row.strings.push_back(Segment(x + k * S, top, x + k * S, top + F));
            LayoutCell cell = cellAt(k, top);
            cell.fret = row.fret;
            row.cells.push_back(cell);
        }
        const Units centre = x + MarkerOffset(n, S);
        PlaceMarkers(row, centre, S,
                     [&](Units c) { return Box(c - r + 1, middle, c + r + 1, middle + 2 * r); });
        geometry.rows.push_back(std::move(row));
    }
    geometry.closingLine = Segment(x, Y + rows * F, right, Y + rows * F);
    if (in.openStrings) {
        for (int k = 0; k < n; ++k) {
            LayoutCell cell = cellAt(k, Y - F);
            cell.fret = 0;
            // An open string sounds beside the nut; away from it only its name is shown.
            if (in.firstFret == 0) {
                geometry.openCells.push_back(cell);
            }
            const Units sx = x + k * S;
            geometry.stringNames.push_back(
                {cell.string, Box(sx - S / 2, in.neckTop, sx - S / 2 + std::max<Units>(S, 1),
                                  in.neckTop + NameBand(in))});
        }
    }
    return geometry;
}

NeckGeometry NeckLayout::LayOutHorizontal(int neck) const {
    const NeckLayoutInput& in = m_input;
    const Units S = in.stringSpacing;
    const Units F = in.fretSpacing;
    const Units R = in.dotRadius;
    const Units r = in.inlayRadius;
    const int n = in.strings;
    const Units rows = RowCount();
    const Units height = (n - 1) * S;
    const Units step = NeckPitch();
    const Units top = in.neckTop + neck * step;
    const Units names = in.openStrings ? Units{in.stringNameWidth} : 0;
    // The nut side is the left, or the right on a left-handed neck; open strings lie beyond it.
    const Units x = in.leftMargin + (in.leftHanded ? 0 : names + OpenBand(in));
    const Units end = x + rows * F;
    const auto stringY = [&](int string) { return top + (n - 1 - string) * S; };

    NeckGeometry geometry;
    geometry.title = Point(in.leftMargin, in.titleTop + neck * step);
    geometry.frame = Box(x, top, end + 1, top + height + 1);
    if (in.firstFret == 0) {
        const Units nutX = in.leftHanded ? end - 1 : x + 1;
        geometry.nut = Segment(nutX, top, nutX, top + height);
    }
    const auto cellAt = [&](int string, Units left) {
        const Units y = stringY(string);
        const Units centre = left + F / 2;
        LayoutCell cell;
        cell.string = string;
        cell.centre = Point(centre, y);
        cell.dot = Box(centre - R + 2, y - R + 1, centre + R + 1, y + R);
        cell.area = Box(left, y - S / 2, left + F, y - S / 2 + std::max<Units>(S, 1));
        return cell;
    };
    for (Units j = 0; j < rows; ++j) {
        const Units left = in.leftHanded ? end - (j + 1) * F : x + j * F;
        const Units nutSide = in.leftHanded ? left + F : left;
        LayoutRow row;
        row.fret = static_cast<int>(FirstRowFret() + j);
        row.fretLine = Segment(nutSide, top, nutSide, top + height);
        for (int string = 0; string < n; ++string) {
            row.strings.push_back(Segment(left, stringY(string), left + F, stringY(string)));
            LayoutCell cell = cellAt(string, left);
            cell.fret = row.fret;
            row.cells.push_back(cell);
        }
        const Units centre = top + height - MarkerOffset(n, S);
        const Units middle = left + F / 2;
        PlaceMarkers(row, centre, S, [&](Units c) {
            return Box(middle - r + 1, c - r + 1, middle + r + 1, c + r + 1);
        });
        geometry.rows.push_back(std::move(row));
    }
    const Units closing = in.leftHanded ? x : end;
    geometry.closingLine = Segment(closing, top, closing, top + height);
    if (in.openStrings) {
        const Units openLeft = in.leftHanded ? end : x - F;
        const Units nameLeft = in.leftHanded ? end + F : in.leftMargin;
        for (int string = 0; string < n; ++string) {
            LayoutCell cell = cellAt(string, openLeft);
            cell.fret = 0;
            if (in.firstFret == 0) {
                geometry.openCells.push_back(cell);
            }
            const Units y = stringY(string);
            geometry.stringNames.push_back(
                {string, Box(nameLeft, y - S / 2, nameLeft + names,
                             y - S / 2 + std::max<Units>(S, in.smallTextHeight))});
        }
    }
    return geometry;
}

void NeckLayout::LayOutFretNumbers() {
    const NeckLayoutInput& in = m_input;
    if (!in.fretNumbers || m_necks.empty()) {
        return;
    }
    const Units F = in.fretSpacing;
    const Units height = std::max<Units>(F, in.smallTextHeight);
    const NeckGeometry& last = m_necks.back();
    for (const LayoutRow& row : m_necks.front().rows) {
        if (MarkerCount(row.fret) == 0) {
            continue;
        }
        if (!in.horizontal) {
            // In the margin left of the first neck, clear of its dots; a row too low for the
            // numbers gets a taller box around its middle, so every number keeps one size.
            const Units top = Units{row.fretLine.from.y()} + (F - height) / 2;
            m_fretNumbers.push_back(
                {row.fret, Box(0, top, Units{in.leftMargin} - in.dotRadius, top + height)});
            continue;
        }
        // Below the last neck, clear of its lowest string's dots.
        const Units left = row.strings.front().from.x();
        const Units below = Units{last.frame.bottom} + in.dotRadius;
        m_fretNumbers.push_back({row.fret, Box(left, below, left + F, below + in.smallTextHeight)});
    }
}

std::optional<LayoutHit> NeckLayout::HitTest(QPoint point) const {
    for (std::size_t i = 0; i < m_necks.size(); ++i) {
        const NeckGeometry& neck = m_necks[i];
        const auto hit = [&](const LayoutCell& cell) {
            return LayoutHit{static_cast<int>(i), cell.string, cell.fret};
        };
        for (const LayoutRow& row : neck.rows) {
            if (row.cells.empty()) {
                continue;
            }
            // Each row's cells together cover one band; most rows are passed over at once.
            const CSurfaceRect band = United(row.cells.front().area, row.cells.back().area);
            if (!Contains(band, point)) {
                continue;
            }
            for (const LayoutCell& cell : row.cells) {
                if (Contains(cell.area, point)) {
                    return hit(cell);
                }
            }
        }
        for (const LayoutCell& cell : neck.openCells) {
            if (Contains(cell.area, point)) {
                return hit(cell);
            }
        }
    }
    return std::nullopt;
}

std::optional<int> NeckLayout::TitleAt(QPoint point, int titleHeight) const {
    for (std::size_t i = 0; i < m_necks.size(); ++i) {
        const QPoint corner = m_necks[i].title;
        const CSurfaceRect band = Box(corner.x(), corner.y(), Units{corner.x()} + TitleRoom(),
                                      Units{corner.y()} + std::max(titleHeight, 1));
        if (Contains(band, point)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}
