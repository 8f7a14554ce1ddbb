#pragma once

class QWidget;

// A top-level window that knows its active view; the accidental buttons ask their window for
// it so that they need not know the frame's class.
class CActiveViewSource {
public:
    virtual ~CActiveViewSource() = default;
    virtual QWidget* GetActiveView() const = 0;
};
