// The Flat, Natural and Sharp buttons never hide a neck's title, at any zoom or fitted.
#include "app/mainframe.h"
#include "settings/settingsstore.h"
#include "view/accidentalbutton.h"
#include "view/optionprefs.h"
#include "view/varnelview.h"
#include "view/zoomsteps.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestButtonPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noButtonCoversATitle_data();
    void noButtonCoversATitle();
};

void TestButtonPlacement::noButtonCoversATitle_data() {
    QTest::addColumn<int>("zoom"); // 0: fitted
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("family");
    for (const bool horizontal : {false, true}) {
        const char* orientation = horizontal ? "horizontal" : "vertical";
        for (int zoom = ZoomSteps::kMin;; zoom = ZoomSteps::In(zoom)) {
            QTest::addRow("%d %%, %s", zoom, orientation) << zoom << QSize() << horizontal << 0;
            if (zoom == ZoomSteps::kMax) {
                break;
            }
        }
        for (const QSize window : {QSize(640, 480), QSize(480, 640)}) {
            QTest::addRow("fitted into %dx%d, %s", window.width(), window.height(), orientation)
                << 0 << window << horizontal << 0;
        }
        QTest::addRow("fitted into 640x480, melodic minor, %s", orientation)
            << 0 << QSize(640, 480) << horizontal << 2;
    }
}

void TestButtonPlacement::noButtonCoversATitle() {
    QFETCH(int, zoom);
    QFETCH(QSize, window);
    QFETCH(bool, horizontal);
    QFETCH(int, family);
    QTemporaryDir dir;
    SettingsStore store;
    store.Open(nullptr, dir.path(), QStringLiteral("Dovrane Software/Varnel"));
    QPrinter printer;
    CMainFrame frame(store, printer);
    CVarnelView& view = *frame.View();
    view.OnInitialUpdate();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    if (window.isValid()) {
        frame.resize(window);
        QTRY_COMPARE(frame.size(), window);
    }
    OptionPrefs options = OptionPrefs::Of(view);
    options.horizontal = horizontal;
    options.family = family;
    view.SetOptions(options);
    zoom == 0 ? view.SetFitted(true) : view.SetZoomPercent(zoom);
    QCoreApplication::processEvents();

    const double scale = view.ScreenScale();
    const NeckLayout layout = view.Layout(view.font(), &view, false);
    const int titleHeight = view.fontMetrics().height();
    const QRect shown(QPoint(0, 0), view.RequiredSize());
    for (const CAccidentalButton* button :
         {view.m_pFlatButton, view.m_pNaturalButton, view.m_pSharpButton}) {
        const QRect place = button->geometry();
        for (std::size_t i = 0; i < layout.Necks().size(); ++i) {
            const QPoint corner = layout.Necks()[i].title;
            const QRectF title(corner.x() * scale, corner.y() * scale, layout.TitleRoom() * scale,
                               titleHeight * scale);
            QVERIFY2(!QRectF(place).intersects(title),
                     qPrintable(QStringLiteral("%1 over title %2").arg(button->text()).arg(i)));
        }
        // Still there to be clicked.
        QVERIFY2(shown.contains(place), qPrintable(button->text()));
        QVERIFY(place.width() >= button->sizeHint().width());
    }
}

QTEST_MAIN(TestButtonPlacement)
#include "tst_buttonplacement.moc"
