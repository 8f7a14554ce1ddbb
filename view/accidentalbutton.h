#pragma once

#include <QRadioButton>

// One of the Flat / Natural / Sharp radio buttons on the view. It knows nothing of accidentals:
// after a click it tells the active view to look at all three checks.
class CAccidentalButton : public QRadioButton {
    Q_OBJECT

public:
    CAccidentalButton(const QString& text, int nId, const QColor& background, QWidget* pParent);
    ~CAccidentalButton() override;
    Q_DISABLE_COPY_MOVE(CAccidentalButton)

    int Id() const { return m_nId; }

    // Takes the given palette with `background` behind the face, as the view's colours change.
    void SetBackground(const QPalette& palette, const QColor& background);

protected:
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    void OnClicked();

    int m_nId;
};
