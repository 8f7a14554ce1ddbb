#pragma once

// The device a drawing pass talks to; implemented over QPainter and by a recorder for tests.
class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;
};
