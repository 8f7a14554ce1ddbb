#pragma once

#include "view/neckdrawing.h"
#include "view/printframework.h"

#include <QEvent>
#include <QWidget>

class CAccidentalButton;
class QPrinter;
class SettingsStore;

// The one view of the program: it owns the chosen key, the drawing metrics and style, and the
// Flat / Natural / Sharp buttons, answers the key commands, and draws the seven necks on the
// screen and on paper.
class CVarnelView : public QWidget, public CNeckDrawing, public CPrintClient {
    Q_OBJECT

public:
    // Reads the drawing preferences from the store at once, so the store must be bound first.
    CVarnelView(SettingsStore& settings, QPrinter& printer, QWidget* pParent = nullptr);
    ~CVarnelView() override;
    Q_DISABLE_COPY_MOVE(CVarnelView)

    // The accidental buttons' private message, posted to the active view after a click.
    static QEvent::Type AccidentalChangedEvent();

    // Creates the buttons on the first call and checks Natural; later calls (a document
    // re-initialised in place) leave the existing buttons as they are.
    void OnInitialUpdate();

    void OnKeyA();
    void OnKeyB();
    void OnKeyC();
    void OnKeyD();
    void OnKeyE();
    void OnKeyF();
    void OnKeyG();
    void OnPreferences();
    void OnFilePrint();
    // False when nothing was printed, so a print asked for on the command line can say so.
    bool OnFilePrintDirect();
    void OnFilePrintPreview();

    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override;

    // The screen pass: the client rectangle, one logical unit per pixel.
    void OnDraw(QPainter* pDC);

    // The colour behind the diagrams and the buttons: the palette's window colour.
    QColor BackgroundColour() const;

    CAccidentalButton* m_pSharpButton = nullptr;
    CAccidentalButton* m_pFlatButton = nullptr;
    CAccidentalButton* m_pNaturalButton = nullptr;

Q_SIGNALS:
    // Emitted whenever the whole view is invalidated, so that its next paint redraws it all.
    void invalidated();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    int OnAccidentalChanged();

    SettingsStore& m_settings;
    QPrinter& m_printer;

private:
    void OnKey(int nKey);
    void MoveChecksForRule(KeyRule rule);
    void Invalidate();
};
