#include "dialogs/tuningdlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Records each refusal instead of opening a modal box.
class CRecordingTuningDlg : public CTuningDlg {
public:
    using CTuningDlg::CTuningDlg;
    QStringList m_messages;

protected:
    void ReportInvalidEntry(const QString& strMessage) override { m_messages.append(strMessage); }
};

} // namespace

class TestTuningDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okReadsOrRefuses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("tuning"); // refused: the Open G it was given
        QTest::addColumn<QString>("named");     // empty: accepted
        const QList<int> openG{38, 43, 50, 55, 59, 62};
        QTest::newRow("Drop D") << "D A D G B E" << QList<int>{38, 45, 50, 55, 59, 64} << "";
        QTest::newRow("not a note") << "E A D G X E" << openG << "\u201CX\u201D";
        QTest::newRow("three notes") << "E A D" << openG << "4 to 8";
        QTest::newRow("four-string bass") << "E1 A1 D2 G2" << QList<int>{28, 33, 38, 43} << "";
        QTest::newRow("eight strings without octaves")
            << "F# B E A D G B E" << QList<int>{30, 35, 40, 45, 50, 55, 59, 64} << "";
        QTest::newRow("nine notes") << "B0 E1 A1 D2 G2 C3 F3 B3 E4" << openG << "has 9 note";
        QTest::newRow("five notes, one not a note")
            << "B0 E1 A1 D2 Q2" << openG << "\u201CQ2\u201D";
    }
    void okReadsOrRefuses() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, tuning);
        QFETCH(QString, named);
        CRecordingTuningDlg dlg({38, 43, 50, 55, 59, 62});
        dlg.show();
        auto* edit = dlg.findChild<QLineEdit*>();
        edit->setText(typed);
        QTest::mouseClick(dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        // Refused, the dialog stays open with the text as typed.
        QCOMPARE(dlg.isVisible(), !named.isEmpty());
        QCOMPARE(dlg.m_messages.size(), named.isEmpty() ? 0 : 1);
        QVERIFY(dlg.m_messages.join(' ').contains(named));
        QCOMPARE(edit->text(), typed);
        QCOMPARE(QList<int>(dlg.Tuning().begin(), dlg.Tuning().end()), tuning);
    }
};

QTEST_MAIN(TestTuningDlg)
#include "tst_tuningdlg.moc"
