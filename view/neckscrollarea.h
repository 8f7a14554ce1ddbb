#pragma once

#include <QScrollArea>

class CVarnelView;

// Holds the view and lets it be larger than the window: scroll bars appear only when the
// drawing at its zoom does not fit, the wheel and the keys move it, Ctrl+wheel zooms. Fitted,
// the view is exactly as large as the visible area and shows the whole drawing.
class CNeckScrollArea final : public QScrollArea {
    Q_OBJECT

public:
    CNeckScrollArea(CVarnelView* pView, QWidget* pParent = nullptr);
    ~CNeckScrollArea() override;
    Q_DISABLE_COPY_MOVE(CNeckScrollArea)

    // Sizes the view for its scale and the visible area; called whenever either changes.
    void UpdateViewSize();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    CVarnelView* m_pView;
    bool m_bUpdating = false;
    int m_nWheelDelta = 0; // the part of a wheel turn not yet taken as a zoom step
};
