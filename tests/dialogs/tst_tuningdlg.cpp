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
        QTest::newRow("three notes") << "E A D" << openG << "has 3 note";
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
