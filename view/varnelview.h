#pragma once

#include "view/neckdrawing.h"
#include "view/optionprefs.h"
#include "view/printframework.h"
#include "view/screenpass.h"
#include "view/viewprefs.h"

#include <QEvent>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class CAccidentalButton;
class QHelpEvent;
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

    // The screen drawing's zoom in percent, or fitted to the visible part of the view. Both are
    // kept in the settings as they change.
    int ZoomPercent() const { return m_viewPrefs.zoomPercent; }
    bool IsFitted() const { return m_viewPrefs.fit; }
    void SetZoomPercent(int nPercent);
    void SetFitted(bool bFitted);
    // The scale the screen pass draws at: the zoom, or the one that fits the drawing in view.
    double ScreenScale() const;

    // The size of a window that shows the whole screen drawing at one pixel per unit.
    QSize DrawingSize() const;
    // The size the view needs at the current scale to show all of the drawing, and never less
    // than the part that is visible.
    QSize RequiredSize() const;
    // The part of the view the window shows; printing follows it, as it follows the window.
    QSize VisibleSize() const;
    void SetVisibleSize(QSize size);

    // Labels, hand, scale family, tuning and fret numbers: applied at once and kept in the
    // settings. A new family measures its titles again.
    void SetOptions(const OptionPrefs& options);

    // Takes up what changed in the settings file since it was last read (another window or
    // program stored it); values this view holds that were not changed there stay.
    void ReloadSettings();

    // What is under a point of the view: "String 5, fret 7: E3, 5th of A Dorian" over a note,
    // the neck's scale spelled out over a title, else nothing.
    QString DescriptionAt(QPoint viewPoint) const;

    // The cells whose notes sound now: each is lit until the next call. None by default, and
    // then the screen shows nothing more than the plain drawing.
    void SetSoundingCells(const std::vector<LayoutHit>& cells);
    const std::vector<LayoutHit>& SoundingCells() const { return m_sounding; }
    // The cell Enter plays and Ctrl with the arrow keys moves; none until first moved.
    std::optional<LayoutHit> FocusedCell() const { return m_focusedCell; }
    // Whether a neck shows a dot at a cell, so that clicking it plays.
    bool ShowsDot(const LayoutHit& cell) const;
    // The cell under a point of the view, or nothing.
    std::optional<LayoutHit> CellAt(QPoint viewPoint) const;
    // Where a cell's dot is drawn on the view at its current scale.
    QRect CellRect(const LayoutHit& cell) const;

    // The diagrams as their titles read, for screen readers: "C Ionian, C Dorian, ...".
    QString TitlesText() const;
    // What the scale spelling wrote from another name than the key's ("A# major drawn as Bb
    // major"), or empty.
    QString RespellingText() const;

    CAccidentalButton* m_pSharpButton = nullptr;
    CAccidentalButton* m_pFlatButton = nullptr;
    CAccidentalButton* m_pNaturalButton = nullptr;

Q_SIGNALS:
    // Emitted whenever the whole view is invalidated, so that its next paint redraws it all.
    void invalidated();
    // The key or its accidental changed, normalisation included.
    void keyChanged();
    // The scale or the size the drawing needs changed.
    void layoutChanged();
    // The pointer moved onto something else: what DescriptionAt says of it (empty: nothing).
    void hovered(const QString& description);
    // A dot was clicked, or Enter pressed on the focused cell: its note is to be heard.
    void cellActivated(const LayoutHit& cell);
    // A neck's context menu asked to hear the neck.
    void neckPlayRequested(int neck);

protected:
    bool event(QEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    int OnAccidentalChanged();

    SettingsStore& m_settings;
    QPrinter& m_printer;

private:
    void OnKey(int nKey);
    void MoveChecksForRule(KeyRule rule);
    void Invalidate();
    void ApplyOptions(const OptionPrefs& options);
    const NeckLayout& CurrentLayout() const;
    bool ShowToolTip(QHelpEvent* pEvent);
    QString NoteDescription(const LayoutHit& hit) const;
    QString NeckTitle(int nMode) const;
    QString ScaleText(int nMode) const;
    static QString OrdinalDegree(int nDegree);
    // The buttons sit over the first three diagrams at any scale, unless there they would hide
    // a title.
    void PlaceButtons();
    void UpdateButtonColours();
    QSize PrintedDrawingSize() const;
    // The lit dots and the focused cell's frame, over the drawing.
    void DrawSoundMarks(QPainter& painter) const;
    void MoveFocusedCell(int nKey);
    std::optional<QPoint> LogicalPoint(QPoint viewPoint) const;

    // Everything the view reads from the settings, as the file last held it.
    struct StoredSettings {
        std::array<int, 4> neck{}; // fret, string and neck spacing, style
        OptionPrefs options;
        ViewPrefs view;
    };
    StoredSettings ReadStoredSettings() const;

    ViewPrefs m_viewPrefs;
    StoredSettings m_stored;
    QSize m_sizeVisible;
    // The buttons' left edges at one pixel per unit, fixed when they are made.
    std::array<long long, 3> m_nButtonLefts{};
    QRect m_rectButtons; // where the three buttons stand together, or nothing before they do
    mutable QSize m_sizeDrawing;                // empty until measured after a change
    mutable std::optional<NeckLayout> m_layout; // made when first asked for after a change
    QString m_strHovered;
    CScreenPass m_screenPass;
    std::vector<LayoutHit> m_sounding;
    std::optional<LayoutHit> m_focusedCell;
};
