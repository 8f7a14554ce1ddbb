#include "dialogs/fretwindowdlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

// Records each refusal instead of opening a modal box.
class CRecordingFretWindowDlg : public CFretWindowDlg {
public:
    using CFretWindowDlg::CFretWindowDlg;
    QStringList m_messages;

protected:
    void ReportInvalidEntry(const QString& strMessage) override { m_messages.append(strMessage); }
};

} // namespace

class TestFretWindowDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okReadsOrRefuses_data() {
        QTest::addColumn<int>("frets");
        QTest::addColumn<int>("first"); // -1: the Whole Neck button instead
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("window"); // read on OK; refused: the one given
        QTest::addColumn<QString>("named");  // empty: accepted
        QTest::newRow("5 to 9") << 22 << 5 << 9 << "5-9" << QString();
        QTest::newRow("last two of 24") << 24 << 23 << 24 << "23-24" << QString();
        QTest::newRow("beyond the neck stops at its end") << 12 << 11 << 30 << "11-12" << QString();
        QTest::newRow("first equal to last") << 22 << 7 << 7 << "3-12"
                                             << "(7) must be below";
        QTest::newRow("backwards") << 22 << 9 << 5 << "3-12"
                                   << "(9) must be below the last (5)";
        QTest::newRow("whole neck") << 15 << -1 << 0 << "0-15" << QString();
    }
    void okReadsOrRefuses() {
        QFETCH(int, frets);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, window);
        QFETCH(QString, named);
        CRecordingFretWindowDlg dlg(3, 12, frets);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (first < 0) {
            QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("IDC_WHOLE_NECK")),
                              Qt::LeftButton);
        } else {
            dlg.findChild<QSpinBox*>(QStringLiteral("IDC_FIRST_FRET"))->setValue(first);
            dlg.findChild<QSpinBox*>(QStringLiteral("IDC_LAST_FRET"))->setValue(last);
        }
        QTest::mouseClick(dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(dlg.isVisible(), !named.isEmpty());
        QCOMPARE(dlg.m_messages.size(), named.isEmpty() ? 0 : 1);
        QVERIFY2(dlg.m_messages.join(' ').contains(named), qPrintable(dlg.m_messages.join(' ')));
        QCOMPARE(QStringLiteral("%1-%2").arg(dlg.FirstFret()).arg(dlg.LastFret()), window);
    }
};

QTEST_MAIN(TestFretWindowDlg)
#include "tst_fretwindowdlg.moc"
