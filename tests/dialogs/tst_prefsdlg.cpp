#include "dialogs/controlid.h"
#include "dialogs/prefsdlg.h"
#include "res/resource.h"

#include <QtTest>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Records each refusal instead of opening a modal box.
class CRecordingPrefsDlg : public CPrefsDlg {
public:
    QStringList m_messages;

protected:
    void ReportInvalidEntry(const QString& strMessage) override { m_messages.append(strMessage); }
};

enum class ERefusal { None, Number, Range };

} // namespace

Q_DECLARE_METATYPE(ERefusal)

namespace {

void Prefill(CPrefsDlg& dlg) {
    dlg.m_uFretSpacing = 30;
    dlg.m_uStringSpacing = 20;
    dlg.m_uNeckSpacing = 25;
    dlg.m_nStyleChoice = 0;
}

QLineEdit* Edit(const CPrefsDlg& dlg, int nId) {
    return FindControl<QLineEdit>(&dlg, nId);
}

QRadioButton* Radio(const CPrefsDlg& dlg, int nId) {
    return FindControl<QRadioButton>(&dlg, nId);
}

QPushButton* Button(const CPrefsDlg& dlg, int nId) {
    return FindControl<QPushButton>(&dlg, nId);
}

// Replaces the box's whole text by typing, as a user would.
void Type(QLineEdit* pEdit, const QString& strText) {
    pEdit->setFocus();
    QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pEdit, Qt::Key_Delete);
    QTest::keyClicks(pEdit, strText);
}

} // namespace

class TestPrefsDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsShowTheMembers_data();
    void controlsShowTheMembers();
    void firstFocusIsStringSpacingWithItsTextSelected();
    void tabOrderFollowsTheTemplate();
    void okValidates_data();
    void okValidates();
    void reportsComeInFretStringNeckOrder();
    void enterPressesOk();
    void noStyleChosenGivesMinusOne_data();
    void noStyleChosenGivesMinusOne();
    void choosingAStyleGivesItsIndex();
    void closingWithoutOkChangesNothing_data();
    void closingWithoutOkChangesNothing();
    void refusalShowsAWarningBox();
    void callerRunsItModally();
    void mnemonicsReachTheSpacings_data();
    void mnemonicsReachTheSpacings();
    void firstRowStaysInsideItsFrame_data();
    void firstRowStaysInsideItsFrame();
};

void TestPrefsDlg::controlsShowTheMembers_data() {
    QTest::addColumn<unsigned int>("neck");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("neckText");
    QTest::addColumn<bool>("keyChecked");
    QTest::addColumn<bool>("patternChecked");

    QTest::newRow("keep key fixed") << 20u << 0 << "20" << true << false;
    QTest::newRow("keep pattern fixed") << 20u << 1 << "20" << false << true;
    QTest::newRow("style none") << 20u << -1 << "20" << false << false;
    QTest::newRow("style out of range") << 20u << 2 << "20" << false << false;
    QTest::newRow("stored -1 shown unsigned")
        << static_cast<unsigned int>(-1) << 0 << "4294967295" << true << false;
    QTest::newRow("out of range value shown as is") << 0u << 1 << "0" << false << true;
}

void TestPrefsDlg::controlsShowTheMembers() {
    QFETCH(unsigned int, neck);
    QFETCH(int, style);
    QFETCH(QString, neckText);
    QFETCH(bool, keyChecked);
    QFETCH(bool, patternChecked);

    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.m_uNeckSpacing = neck;
    dlg.m_nStyleChoice = style;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));

    QCOMPARE(Edit(dlg, IDC_FRET_SPACING)->text(), QString("30"));
    QCOMPARE(Edit(dlg, IDC_STRING_SPACING)->text(), QString("20"));
    QCOMPARE(Edit(dlg, IDC_NECK_SPACING)->text(), neckText);
    QCOMPARE(Radio(dlg, IDC_KEEP_KEY_FIXED)->isChecked(), keyChecked);
    QCOMPARE(Radio(dlg, IDC_KEEP_PATTERN_FIXED)->isChecked(), patternChecked);
}

void TestPrefsDlg::firstFocusIsStringSpacingWithItsTextSelected() {
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* pString = Edit(dlg, IDC_STRING_SPACING);
    QCOMPARE(QApplication::focusWidget(), pString);
    QCOMPARE(pString->selectedText(), QString("20"));
    QVERIFY(Button(dlg, kIdOk)->isDefault());
    QVERIFY(!Button(dlg, kIdCancel)->isDefault());
}

void TestPrefsDlg::tabOrderFollowsTheTemplate() {
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));

    const QList<QWidget*> expected = {Edit(dlg, IDC_STRING_SPACING),
                                      Edit(dlg, IDC_FRET_SPACING),
                                      Edit(dlg, IDC_NECK_SPACING),
                                      Radio(dlg, IDC_KEEP_KEY_FIXED),
                                      Radio(dlg, IDC_KEEP_PATTERN_FIXED),
                                      Button(dlg, kIdOk),
                                      Button(dlg, kIdCancel)};
    QList<QWidget*> chain;
    QWidget* pWidget = expected.first();
    do {
        if (pWidget->focusPolicy() & Qt::TabFocus) {
            chain.append(pWidget);
        }
        pWidget = pWidget->nextInFocusChain();
    } while (pWidget != expected.first());
    QCOMPARE(chain, expected);

    // Tab walks the boxes in order; the style group is one stop, as the platform treats it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_FRET_SPACING));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_NECK_SPACING));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(qobject_cast<QRadioButton*>(QApplication::focusWidget()) != nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button(dlg, kIdOk));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Button(dlg, kIdCancel));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_STRING_SPACING));
}

void TestPrefsDlg::okValidates_data() {
    QTest::addColumn<QString>("fret");
    QTest::addColumn<QString>("string");
    QTest::addColumn<QString>("neck");
    QTest::addColumn<int>("refusedId");
    QTest::addColumn<ERefusal>("refusal");

    const int none = 0;
    QTest::newRow("all valid") << "45"
                               << "30"
                               << "30" << none << ERefusal::None;
    QTest::newRow("string 10 lowest") << "30"
                                      << "10"
                                      << "20" << none << ERefusal::None;
    QTest::newRow("string 50 highest") << "30"
                                       << "50"
                                       << "20" << none << ERefusal::None;
    QTest::newRow("blanks around") << " 30 "
                                   << "  20"
                                   << "20  " << none << ERefusal::None;
    QTest::newRow("leading zeros") << "030"
                                   << "0020"
                                   << "20" << none << ERefusal::None;
    QTest::newRow("string 9") << "30"
                              << "9"
                              << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string 51") << "30"
                               << "51"
                               << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string 0") << "30"
                              << "0"
                              << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string empty") << "30"
                                  << ""
                                  << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string blanks only") << "30"
                                        << "   "
                                        << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string -5") << "30"
                               << "-5"
                               << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string +20") << "30"
                                << "+20"
                                << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string letters") << "30"
                                    << "abc"
                                    << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string digits then letter") << "30"
                                               << "20x"
                                               << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string inner blank") << "30"
                                        << "2 0"
                                        << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string decimal point") << "30"
                                          << "20.5"
                                          << "20" << IDC_STRING_SPACING << ERefusal::Number;
    QTest::newRow("string 2^32 does not wrap to 0")
        << "30"
        << "4294967296"
        << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string 2^32+20 does not wrap to 20")
        << "30"
        << "4294967316"
        << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string 99999999999") << "30"
                                        << "99999999999"
                                        << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("string beyond 64 bits") << "30"
                                           << "123456789012345678901234567890"
                                           << "20" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("fret 9") << "9"
                            << "20"
                            << "20" << IDC_FRET_SPACING << ERefusal::Range;
    QTest::newRow("fret 51") << "51"
                             << "20"
                             << "20" << IDC_FRET_SPACING << ERefusal::Range;
    QTest::newRow("neck empty") << "30"
                                << "20"
                                << "" << IDC_NECK_SPACING << ERefusal::Number;
    QTest::newRow("neck 51") << "30"
                             << "20"
                             << "51" << IDC_NECK_SPACING << ERefusal::Range;
    QTest::newRow("fret and string wrong: fret first")
        << "x"
        << "5"
        << "20" << IDC_FRET_SPACING << ERefusal::Number;
    QTest::newRow("string and neck wrong: string first")
        << "30"
        << "5"
        << "x" << IDC_STRING_SPACING << ERefusal::Range;
    QTest::newRow("all wrong: fret first") << "60"
                                           << "x"
                                           << "x" << IDC_FRET_SPACING << ERefusal::Range;
}

void TestPrefsDlg::okValidates() {
    QFETCH(QString, fret);
    QFETCH(QString, string);
    QFETCH(QString, neck);
    QFETCH(int, refusedId);
    QFETCH(ERefusal, refusal);

    CRecordingPrefsDlg dlg;
    dlg.m_uFretSpacing = 31;
    dlg.m_uStringSpacing = 21;
    dlg.m_uNeckSpacing = 22;
    dlg.m_nStyleChoice = 1;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy accepted(&dlg, &QDialog::accepted);

    Type(Edit(dlg, IDC_FRET_SPACING), fret);
    Type(Edit(dlg, IDC_STRING_SPACING), string);
    Type(Edit(dlg, IDC_NECK_SPACING), neck);
    QTest::mouseClick(Button(dlg, kIdOk), Qt::LeftButton);

    if (refusal == ERefusal::None) {
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.m_messages.isEmpty());
        QCOMPARE(dlg.m_uFretSpacing, fret.trimmed().toUInt());
        QCOMPARE(dlg.m_uStringSpacing, string.trimmed().toUInt());
        QCOMPARE(dlg.m_uNeckSpacing, neck.trimmed().toUInt());
        QCOMPARE(dlg.m_nStyleChoice, 1);
        return;
    }

    QCOMPARE(accepted.count(), 0);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.m_messages.size(), 1);
    const QString message = dlg.m_messages.first();
    QVERIFY2(message.contains("whole number"), qPrintable(message));
    if (refusal == ERefusal::Range) {
        QVERIFY2(message.contains("10") && message.contains("50"), qPrintable(message));
    } else {
        QVERIFY2(!message.contains("50"), qPrintable(message));
    }

    QLineEdit* pRefused = Edit(dlg, refusedId);
    QCOMPARE(QApplication::focusWidget(), pRefused);
    QCOMPARE(pRefused->selectedText(), pRefused->text());
    QCOMPARE(pRefused->hasSelectedText(), !pRefused->text().isEmpty());

    QCOMPARE(Edit(dlg, IDC_FRET_SPACING)->text(), fret);
    QCOMPARE(Edit(dlg, IDC_STRING_SPACING)->text(), string);
    QCOMPARE(Edit(dlg, IDC_NECK_SPACING)->text(), neck);
    QCOMPARE(dlg.m_uFretSpacing, 31u);
    QCOMPARE(dlg.m_uStringSpacing, 21u);
    QCOMPARE(dlg.m_uNeckSpacing, 22u);
    QCOMPARE(dlg.m_nStyleChoice, 1);
}

void TestPrefsDlg::reportsComeInFretStringNeckOrder() {
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy accepted(&dlg, &QDialog::accepted);

    Type(Edit(dlg, IDC_STRING_SPACING), "8");
    Type(Edit(dlg, IDC_FRET_SPACING), "80");
    Type(Edit(dlg, IDC_NECK_SPACING), "y");

    QPushButton* pOk = Button(dlg, kIdOk);
    QTest::mouseClick(pOk, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_FRET_SPACING));
    Type(Edit(dlg, IDC_FRET_SPACING), "33");
    QTest::mouseClick(pOk, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_STRING_SPACING));
    Type(Edit(dlg, IDC_STRING_SPACING), "22");
    QTest::mouseClick(pOk, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, IDC_NECK_SPACING));
    QCOMPARE(dlg.m_messages.size(), 3);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(dlg.m_uFretSpacing, 30u);

    Type(Edit(dlg, IDC_NECK_SPACING), "11");
    QTest::mouseClick(pOk, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dlg.m_messages.size(), 3);
    QCOMPARE(dlg.m_uFretSpacing, 33u);
    QCOMPARE(dlg.m_uStringSpacing, 22u);
    QCOMPARE(dlg.m_uNeckSpacing, 11u);
}

void TestPrefsDlg::enterPressesOk() {
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy accepted(&dlg, &QDialog::accepted);

    Type(Edit(dlg, IDC_STRING_SPACING), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(dlg.m_messages.size(), 1);

    Type(Edit(dlg, IDC_STRING_SPACING), "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dlg.m_uStringSpacing, 12u);
}

void TestPrefsDlg::noStyleChosenGivesMinusOne_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("none") << -1;
    QTest::newRow("stored 2") << 2;
    QTest::newRow("stored 99") << 99;
}

void TestPrefsDlg::noStyleChosenGivesMinusOne() {
    QFETCH(int, style);
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.m_nStyleChoice = style;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::mouseClick(Button(dlg, kIdOk), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_nStyleChoice, -1);
}

void TestPrefsDlg::choosingAStyleGivesItsIndex() {
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.m_nStyleChoice = -1;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));

    QRadioButton* pPattern = Radio(dlg, IDC_KEEP_PATTERN_FIXED);
    QTest::mouseClick(pPattern, Qt::LeftButton, {}, QPoint(5, pPattern->height() / 2));
    QVERIFY(pPattern->isChecked());
    QRadioButton* pKey = Radio(dlg, IDC_KEEP_KEY_FIXED);
    QTest::mouseClick(pKey, Qt::LeftButton, {}, QPoint(5, pKey->height() / 2));
    QVERIFY(pKey->isChecked());
    QVERIFY(!pPattern->isChecked());
    QTest::mouseClick(pPattern, Qt::LeftButton, {}, QPoint(5, pPattern->height() / 2));
    QVERIFY(!pKey->isChecked());

    QTest::mouseClick(Button(dlg, kIdOk), Qt::LeftButton);
    QCOMPARE(dlg.m_nStyleChoice, 1);
}

void TestPrefsDlg::closingWithoutOkChangesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void TestPrefsDlg::closingWithoutOkChangesNothing() {
    QFETCH(QString, how);
    CRecordingPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy rejected(&dlg, &QDialog::rejected);

    Type(Edit(dlg, IDC_FRET_SPACING), "40");
    Type(Edit(dlg, IDC_STRING_SPACING), "41");
    Type(Edit(dlg, IDC_NECK_SPACING), "9");
    QRadioButton* pPattern = Radio(dlg, IDC_KEEP_PATTERN_FIXED);
    QTest::mouseClick(pPattern, Qt::LeftButton, {}, QPoint(5, pPattern->height() / 2));
    QVERIFY(pPattern->isChecked());

    if (how == "cancel") {
        QTest::mouseClick(Button(dlg, kIdCancel), Qt::LeftButton);
    } else if (how == "escape") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
        QVERIFY(dlg.close());
    }

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dlg.isVisible());
    QVERIFY(dlg.m_messages.isEmpty());
    QCOMPARE(dlg.m_uFretSpacing, 30u);
    QCOMPARE(dlg.m_uStringSpacing, 20u);
    QCOMPARE(dlg.m_uNeckSpacing, 25u);
    QCOMPARE(dlg.m_nStyleChoice, 0);
}

void TestPrefsDlg::refusalShowsAWarningBox() {
    CPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    Type(Edit(dlg, IDC_FRET_SPACING), "7");

    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, this, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(pBox != nullptr);
        shownText = pBox->text();
        shownIcon = pBox->icon();
        pBox->accept();
    });
    QTest::mouseClick(Button(dlg, kIdOk), Qt::LeftButton);

    QVERIFY(shownText.contains("10") && shownText.contains("50"));
    QCOMPARE(shownIcon, QMessageBox::Warning);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.m_uFretSpacing, 30u);
    QLineEdit* pFret = Edit(dlg, IDC_FRET_SPACING);
    // The box took the activation; the dialog's focus child is where the keyboard goes back.
    QCOMPARE(dlg.focusWidget(), pFret);
    QCOMPARE(pFret->selectedText(), QString("7"));
}

void TestPrefsDlg::callerRunsItModally() {
    CPrefsDlg dlg;
    dlg.m_uFretSpacing = 30;
    dlg.m_uStringSpacing = 20;
    dlg.m_uNeckSpacing = 20;
    dlg.m_nStyleChoice = 0;
    QString shownString;
    QTimer::singleShot(0, this, [&] {
        shownString = Edit(dlg, IDC_STRING_SPACING)->text();
        Type(Edit(dlg, IDC_STRING_SPACING), "24");
        QRadioButton* pPattern = Radio(dlg, IDC_KEEP_PATTERN_FIXED);
        QTest::mouseClick(pPattern, Qt::LeftButton, {}, QPoint(5, pPattern->height() / 2));
        QTest::mouseClick(Button(dlg, kIdOk), Qt::LeftButton);
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(shownString, QString("20"));
    QCOMPARE(dlg.m_uStringSpacing, 24u);
    QCOMPARE(dlg.m_uFretSpacing, 30u);
    QCOMPARE(dlg.m_nStyleChoice, 1);
}

QTEST_MAIN(TestPrefsDlg)
void TestPrefsDlg::mnemonicsReachTheSpacings_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("id");
    QTest::newRow("Alt+S") << int(Qt::Key_S) << IDC_STRING_SPACING;
    QTest::newRow("Alt+F") << int(Qt::Key_F) << IDC_FRET_SPACING;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << IDC_NECK_SPACING;
}

void TestPrefsDlg::mnemonicsReachTheSpacings() {
    QFETCH(int, key);
    QFETCH(int, id);
    CPrefsDlg dlg;
    Prefill(dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    Button(dlg, kIdCancel)->setFocus();
    QTest::keyClick(&dlg, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, id));
}

void TestPrefsDlg::firstRowStaysInsideItsFrame_data() {
    QTest::addColumn<QFont>("font");
    for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        for (const int points : {8, 9, 10, 11, 12, 14}) {
            QTest::addRow("%s %d pt", family, points) << QFont(family, points);
        }
    }
}

void TestPrefsDlg::firstRowStaysInsideItsFrame() {
    QFETCH(QFont, font);
    CPrefsDlg dlg;
    dlg.setFont(font);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QGroupBox* pMetrics = nullptr;
    for (QGroupBox* pBox : dlg.findChildren<QGroupBox*>()) {
        if (pBox->title() == QLatin1String("Drawing Metrics")) {
            pMetrics = pBox;
        }
    }
    QVERIFY(pMetrics != nullptr);
    const QLineEdit* pString = Edit(dlg, IDC_STRING_SPACING);
    // The frame's top edge and its title lie above where its contents may begin.
    QVERIFY(pString->y() >= pMetrics->y() + pMetrics->contentsRect().top());
    QVERIFY(pString->geometry().bottom() < Edit(dlg, IDC_FRET_SPACING)->y());
}

#include "tst_prefsdlg.moc"
