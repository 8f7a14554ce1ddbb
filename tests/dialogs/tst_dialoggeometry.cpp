#include "dialogs/aboutdlg.h"
#include "dialogs/controlid.h"
#include "dialogs/dialogunits.h"
#include "dialogs/prefsdlg.h"
#include "res/resource.h"

#include <QtTest>

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QFont SizedFont(int nPointSize) {
    QFont font = QApplication::font();
    font.setPointSize(nPointSize);
    return font;
}

} // namespace

class TestDialogGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unitsFollowTheFontMetrics_data();
    void unitsFollowTheFontMetrics();
    void touchingRectanglesStillTouch();
    void dialogsKeepTheirProportions_data();
    void dialogsKeepTheirProportions();
    void fontChangeResizesTheDialog();
    void prefsControlsSitWhereTheTemplatePutsThem();
};

void TestDialogGeometry::unitsFollowTheFontMetrics_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("12 pt") << 12;
    QTest::newRow("24 pt") << 24;
}

void TestDialogGeometry::unitsFollowTheFontMetrics() {
    QFETCH(int, pointSize);
    const QFont font = SizedFont(pointSize);
    const QFontMetricsF metrics(font);
    const CDialogUnits units(font);
    // 400 units across are 100 average letters; 800 units down are 100 lines.
    const qreal fAverage =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
    QCOMPARE(units.ToPixelsX(400), qRound(100 * fAverage));
    QCOMPARE(units.ToPixelsY(800), qRound(100 * metrics.height()));
    QCOMPARE(units.ToPixels(QSize(0, 0)), QSize(0, 0));
}

void TestDialogGeometry::touchingRectanglesStillTouch() {
    const CDialogUnits units(SizedFont(9));
    for (int x = 0; x < 60; ++x) {
        const QRect left = units.ToPixels(QRect(x, x, 7, 5));
        const QRect right = units.ToPixels(QRect(x + 7, x + 5, 3, 3));
        QCOMPARE(left.right() + 1, right.left());
        QCOMPARE(left.bottom() + 1, right.top());
    }
}

void TestDialogGeometry::dialogsKeepTheirProportions_data() {
    QTest::addColumn<bool>("about");
    QTest::newRow("Preferences") << false;
    QTest::newRow("About") << true;
}

void TestDialogGeometry::dialogsKeepTheirProportions() {
    QFETCH(bool, about);
    const QFont previous = QApplication::font();
    QSize sizes[2];
    const int pointSizes[2] = {9, 18};
    for (int i = 0; i < 2; ++i) {
        QApplication::setFont(SizedFont(pointSizes[i]));
        if (about) {
            sizes[i] = CAboutDlg(nullptr, nullptr).size();
        } else {
            sizes[i] = CPrefsDlg().size();
        }
    }
    QApplication::setFont(previous);

    // Template aspect ratios: 192 x 201 and 247 x 156 units.
    const qreal fRatioSmall = qreal(sizes[0].width()) / sizes[0].height();
    const qreal fRatioLarge = qreal(sizes[1].width()) / sizes[1].height();
    QVERIFY2(qAbs(fRatioSmall - fRatioLarge) < 0.05,
             qPrintable(QString("%1 vs %2").arg(fRatioSmall).arg(fRatioLarge)));
    QVERIFY(sizes[1].width() > sizes[0].width() * 3 / 2);
    QVERIFY(sizes[1].height() > sizes[0].height() * 3 / 2);
}

void TestDialogGeometry::fontChangeResizesTheDialog() {
    CPrefsDlg dlg;
    dlg.setFont(SizedFont(9));
    const QSize small = dlg.size();
    const QRect smallOk = FindControl<QPushButton>(&dlg, kIdOk)->geometry();
    dlg.setFont(SizedFont(18));
    QVERIFY(dlg.width() > small.width() * 3 / 2);
    QVERIFY(dlg.height() > small.height() * 3 / 2);
    QVERIFY(FindControl<QPushButton>(&dlg, kIdOk)->geometry().left() > smallOk.left() * 3 / 2);
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
}

void TestDialogGeometry::prefsControlsSitWhereTheTemplatePutsThem() {
    CPrefsDlg dlg;
    const CDialogUnits units(dlg.font());
    QCOMPARE(dlg.size(), units.ToPixels(QSize(192, 201)));
    // The first row keeps its template place unless the group box's frame reaches below it;
    // then it stands just inside the frame.
    const QRect first = units.ToPixels(QRect(15, 15, 25, 15));
    const QRect string = FindControl<QLineEdit>(&dlg, IDC_STRING_SPACING)->geometry();
    QCOMPARE(string.x(), first.x());
    QCOMPARE(string.size(), first.size());
    int inside = first.y();
    for (const QGroupBox* pBox : dlg.findChildren<QGroupBox*>()) {
        if (pBox->geometry().contains(first.center())) {
            inside = std::max(inside, pBox->y() + pBox->contentsRect().top());
        }
    }
    QCOMPARE(string.y(), inside);
    QCOMPARE(FindControl<QLineEdit>(&dlg, IDC_FRET_SPACING)->geometry(),
             units.ToPixels(QRect(15, 40, 25, 15)));
    QCOMPARE(FindControl<QPushButton>(&dlg, kIdCancel)->geometry(),
             units.ToPixels(QRect(135, 175, 50, 14)));

    // Every control lies inside the dialog, and the edit boxes stand left of their labels.
    const QList<QWidget*> children = dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* pChild : children) {
        QVERIFY(dlg.rect().contains(pChild->geometry()));
    }
    for (const QLabel* pLabel : dlg.findChildren<QLabel*>()) {
        QVERIFY(pLabel->geometry().left() >
                FindControl<QLineEdit>(&dlg, IDC_STRING_SPACING)->geometry().left());
    }
}

QTEST_MAIN(TestDialogGeometry)
#include "tst_dialoggeometry.moc"
