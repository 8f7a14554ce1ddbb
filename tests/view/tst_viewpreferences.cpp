#include "dialogs/controlid.h"
#include "dialogs/prefsdlg.h"
#include "res/resource.h"
#include "settings/settingsstore.h"
#include "view/accidentalbutton.h"
#include "view/optionprefs.h"
#include "view/varnelview.h"

#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using DialogAction = std::function<void(CPrefsDlg&)>;

// Runs the view's Preferences command, doing `act` to the dialog once it is up.
void RunPreferences(CVarnelView& view, const DialogAction& act) {
    bool acted = false;
    QTimer::singleShot(0, &view, [&] {
        auto* dlg = qobject_cast<CPrefsDlg*>(QApplication::activeModalWidget());
        if (dlg == nullptr) {
            qFatal("no Preferences dialog");
        }
        act(*dlg);
        acted = true;
    });
    view.OnPreferences();
    QVERIFY(acted);
}

QLineEdit* Edit(CPrefsDlg& dlg, int id) {
    return FindControl<QLineEdit>(&dlg, id);
}

void ClickOk(CPrefsDlg& dlg) {
    QTest::mouseClick(FindControl<QPushButton>(&dlg, kIdOk), Qt::LeftButton);
}

struct View {
    QTemporaryDir dir;
    SettingsStore store;
    QPrinter printer;
    std::unique_ptr<CVarnelView> view;

    explicit View(const QByteArray& stored = {}) {
        store.Open(nullptr, dir.path(), QStringLiteral("Dovrane Software/Varnel"));
        if (!stored.isEmpty()) {
            QFile file(store.FilePath());
            if (!file.open(QIODevice::WriteOnly) || file.write("[Prefs]\n" + stored) < 0) {
                qFatal("cannot write settings");
            }
        }
        view = std::make_unique<CVarnelView>(store, printer);
        view->resize(900, 720);
        view->OnInitialUpdate();
    }

    QList<int> Stored() const {
        const QString prefs = QStringLiteral("Prefs");
        return {store.ReadInt(prefs, QStringLiteral("Fret"), -99),
                store.ReadInt(prefs, QStringLiteral("String"), -99),
                store.ReadInt(prefs, QStringLiteral("Neck"), -99),
                store.ReadInt(prefs, QStringLiteral("Style"), -99)};
    }

    QList<int> Fields() const {
        return {view->m_nFretSpacing, view->m_nStringSpacing, view->m_nNeckSpacing, view->m_nStyle};
    }
};

} // namespace

class TestViewPreferences : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingWithoutOkChangesNothing_data();
    void closingWithoutOkChangesNothing();
    void okWithUnchangedValuesRedrawsAndWritesNothing();
    void otherWritersAreKeptAndTakenUp();
    void dialogShowsStoredValuesOverTheViews();
    void typedValuesAreAppliedAndStored();
    void shortTitleFlagFollowsTheNewSpacing_data();
    void shortTitleFlagFollowsTheNewSpacing();
    void strayStoredStyleIsConfirmedAsMinusOne();
    void buttonsStayWhereTheyWere();
    void storedViewValuesReadAlone_data();
    void storedViewValuesReadAlone();
    void storedOptionsReadAlone_data();
    void storedSpelling_data();
    void storedPositions_data();
    void storedPositions();
    void storedChordTones_data();
    void storedChordTones();
    void storedSpelling();
    void storedOptionsReadAlone();
};

void TestViewPreferences::closingWithoutOkChangesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void TestViewPreferences::closingWithoutOkChangesNothing() {
    QFETCH(QString, how);
    View v("Fret=35\n");
    QSignalSpy redraws(v.view.get(), &CVarnelView::invalidated);
    const QList<int> fieldsBefore = v.Fields();
    RunPreferences(*v.view, [&](CPrefsDlg& dlg) {
        Edit(dlg, IDC_STRING_SPACING)->setText(QStringLiteral("44"));
        Edit(dlg, IDC_FRET_SPACING)->setText(QStringLiteral("12"));
        FindControl<QRadioButton>(&dlg, IDC_KEEP_PATTERN_FIXED)->setChecked(true);
        if (how == QLatin1String("cancel")) {
            QTest::mouseClick(FindControl<QPushButton>(&dlg, kIdCancel), Qt::LeftButton);
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
        } else {
            dlg.close();
        }
    });
    QCOMPARE(v.Fields(), fieldsBefore);
    QCOMPARE(v.Stored(), (QList<int>{35, -99, -99, -99}));
    QCOMPARE(redraws.count(), 0);
}

void TestViewPreferences::okWithUnchangedValuesRedrawsAndWritesNothing() {
    View v;
    QSignalSpy redraws(v.view.get(), &CVarnelView::invalidated);
    RunPreferences(*v.view, ClickOk);
    // Nothing was changed, so nothing is written over what another window may store.
    QCOMPARE(v.Stored(), (QList<int>{-99, -99, -99, -99}));
    QCOMPARE(v.Fields(), (QList<int>{30, 20, 20, 0}));
    QCOMPARE(redraws.count(), 1);
}

void TestViewPreferences::otherWritersAreKeptAndTakenUp() {
    View a;
    SettingsStore storeB;
    storeB.Bind(a.dir.path(), QStringLiteral("Dovrane Software/Varnel"));
    QPrinter printer;
    CVarnelView b(storeB, printer);
    OptionPrefs left = OptionPrefs::Of(*a.view);
    left.leftHanded = true;
    a.view->SetOptions(left);
    QTRY_VERIFY(OptionPrefs::Of(b).leftHanded);
    OptionPrefs numbers = OptionPrefs::Of(b);
    numbers.fretNumbers = true;
    b.SetOptions(numbers);
    QTRY_VERIFY(OptionPrefs::Of(*a.view).fretNumbers);
    // Another program replaces the file; neither window writes its old values back.
    QSaveFile replaced(a.store.FilePath());
    QVERIFY(replaced.open(QIODevice::WriteOnly));
    replaced.write("[Options]\nLabels=3\nFamily=2\nLeftHanded=1\nFretNumbers=1\n");
    QVERIFY(replaced.commit());
    QTRY_COMPARE(OptionPrefs::Of(b).labels, LabelKind::Intervals);
    a.view->SetZoomPercent(150);
    b.SetFitted(true);
    const OptionPrefs stored = OptionPrefs::Load(a.store);
    QCOMPARE(stored.labels, LabelKind::Intervals);
    QCOMPARE(stored.family, 2);
    QVERIFY(stored.leftHanded && stored.fretNumbers);
    QCOMPARE(ViewPrefs::Load(a.store), (ViewPrefs{150, true}));
}

void TestViewPreferences::dialogShowsStoredValuesOverTheViews() {
    View v("Fret=44\nString=-1\n");
    v.view->m_nNeckSpacing = 17;
    QStringList shown;
    bool keyFixed = false;
    RunPreferences(*v.view, [&](CPrefsDlg& dlg) {
        shown << Edit(dlg, IDC_FRET_SPACING)->text() << Edit(dlg, IDC_STRING_SPACING)->text()
              << Edit(dlg, IDC_NECK_SPACING)->text();
        keyFixed = FindControl<QRadioButton>(&dlg, IDC_KEEP_KEY_FIXED)->isChecked();
        dlg.reject();
    });
    // Where nothing usable is stored (nothing, or a spacing below 1) the view's own value shows.
    QCOMPARE(shown,
             (QStringList{QStringLiteral("44"), QStringLiteral("20"), QStringLiteral("17")}));
    QVERIFY(keyFixed);
}

void TestViewPreferences::typedValuesAreAppliedAndStored() {
    View v;
    RunPreferences(*v.view, [](CPrefsDlg& dlg) {
        Edit(dlg, IDC_STRING_SPACING)->setText(QStringLiteral("50"));
        Edit(dlg, IDC_FRET_SPACING)->setText(QStringLiteral("10"));
        Edit(dlg, IDC_NECK_SPACING)->setText(QStringLiteral("25"));
        FindControl<QRadioButton>(&dlg, IDC_KEEP_PATTERN_FIXED)->setChecked(true);
        ClickOk(dlg);
    });
    QCOMPARE(v.Fields(), (QList<int>{10, 50, 25, 1}));
    QCOMPARE(v.Stored(), (QList<int>{10, 50, 25, 1}));
}

void TestViewPreferences::shortTitleFlagFollowsTheNewSpacing_data() {
    QTest::addColumn<int>("titleWidth");
    QTest::addColumn<bool>("shortBefore");
    QTest::addColumn<QString>("stringSpacing");
    QTest::addColumn<bool>("shortAfter");
    QTest::newRow("130 over 6 x 20") << 130 << false << "20" << true;
    QTest::newRow("130 under 6 x 22") << 130 << true << "22" << false;
    QTest::newRow("120 equals 6 x 20") << 120 << true << "20" << false;
    QTest::newRow("not measured yet") << -1 << true << "10" << false;
}

void TestViewPreferences::shortTitleFlagFollowsTheNewSpacing() {
    QFETCH(int, titleWidth);
    QFETCH(bool, shortBefore);
    QFETCH(QString, stringSpacing);
    QFETCH(bool, shortAfter);
    View v;
    v.view->m_nTitleWidth = titleWidth;
    v.view->m_bShortTitles = shortBefore;
    RunPreferences(*v.view, [&](CPrefsDlg& dlg) {
        Edit(dlg, IDC_STRING_SPACING)->setText(stringSpacing);
        ClickOk(dlg);
    });
    QCOMPARE(v.view->m_bShortTitles, shortAfter);
    // The width is never measured again by the command.
    QCOMPARE(v.view->m_nTitleWidth, titleWidth);
}

void TestViewPreferences::strayStoredStyleIsConfirmedAsMinusOne() {
    View v("Style=5\n");
    bool eitherChecked = true;
    RunPreferences(*v.view, [&](CPrefsDlg& dlg) {
        eitherChecked = FindControl<QRadioButton>(&dlg, IDC_KEEP_KEY_FIXED)->isChecked() ||
                        FindControl<QRadioButton>(&dlg, IDC_KEEP_PATTERN_FIXED)->isChecked();
        ClickOk(dlg);
    });
    QVERIFY(!eitherChecked);
    QCOMPARE(v.view->m_nStyle, -1);
    QCOMPARE(v.Stored().at(3), -1);
}

void TestViewPreferences::buttonsStayWhereTheyWere() {
    View v;
    RunPreferences(*v.view, [](CPrefsDlg& dlg) {
        Edit(dlg, IDC_STRING_SPACING)->setText(QStringLiteral("40"));
        ClickOk(dlg);
    });
    QCOMPARE(v.view->m_nStringSpacing, 40);
    QCOMPARE(v.view->m_pFlatButton->geometry().x(), 40);
    QCOMPARE(v.view->m_pNaturalButton->geometry().x(), 160);
    QCOMPARE(v.view->m_pSharpButton->geometry().x(), 280);
}

void TestViewPreferences::storedViewValuesReadAlone_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fit");
    QTest::newRow("both good") << QByteArray("Zoom=250\nFit=1") << 250 << true;
    QTest::newRow("zoom 24") << QByteArray("Zoom=24\nFit=1") << 100 << true;
    QTest::newRow("zoom 401") << QByteArray("Zoom=401") << 100 << false;
    QTest::newRow("zoom 25, fit 2") << QByteArray("Zoom=25\nFit=2") << 25 << false;
    QTest::newRow("digits with more after them")
        << QByteArray("Zoom=150abc\nFit=1.0") << 100 << false;
    QTest::newRow("hexadecimal, exponent") << QByteArray("Zoom=0x96\nFit=1e0") << 100 << false;
}

void TestViewPreferences::storedViewValuesReadAlone() {
    QFETCH(QByteArray, stored);
    QFETCH(int, zoom);
    QFETCH(bool, fit);
    View v("[View]\n" + stored + "\n");
    QCOMPARE(v.view->ZoomPercent(), zoom);
    QCOMPARE(v.view->IsFitted(), fit);
}

void TestViewPreferences::storedOptionsReadAlone_data() {
    // Labels, hand, family, the six open strings and fret numbers.
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QList<int>>("read");
    QTest::newRow("all good") << QByteArray("Labels=3\nLeftHanded=1\nFamily=2\nTuning0=38\n"
                                            "Tuning5=62\nFretNumbers=1")
                              << QList<int>{3, 1, 2, 38, 45, 50, 55, 59, 62, 1};
    QTest::newRow("hand 2, family 9") << QByteArray("LeftHanded=2\nFamily=9\nLabels=1")
                                      << QList<int>{1, 0, 0, 40, 45, 50, 55, 59, 64, 0};
    QTest::newRow("labels 5, fret numbers 2") << QByteArray("Labels=5\nFretNumbers=2\nFamily=1")
                                              << QList<int>{0, 0, 1, 40, 45, 50, 55, 59, 64, 0};
    QTest::newRow("bad strings alone")
        << QByteArray("Tuning0=38\nTuning2=128\nTuning3=127\nTuning4=0\nTuning5=-1\nTuning1=A")
        << QList<int>{0, 0, 0, 38, 45, 50, 127, 0, 64, 0};
    QTest::newRow("leading digits are not a number")
        << QByteArray("Tuning0=1e3\nTuning1=38abc\nTuning2=38.5\nTuning3=0x26\nTuning4= 62\n"
                      "Labels=1x\nFamily=+1\nLeftHanded=1 1\nFretNumbers=01")
        << QList<int>{0, 0, 0, 40, 45, 50, 55, 62, 64, 1};
}

void TestViewPreferences::storedSpelling_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("spelling");
    QTest::newRow("scale") << QByteArray("Spelling=1") << 1;
    QTest::newRow("simple") << QByteArray("Spelling=0") << 0;
    QTest::newRow("missing") << QByteArray("Labels=1") << 0;
    QTest::newRow("out of range") << QByteArray("Spelling=2") << 0;
    QTest::newRow("negative") << QByteArray("Spelling=-1") << 0;
    QTest::newRow("not a number") << QByteArray("Spelling=x") << 0;
}

void TestViewPreferences::storedSpelling() {
    QFETCH(QByteArray, stored);
    QFETCH(int, spelling);
    View v("[Options]\n" + stored + "\n");
    QCOMPARE(static_cast<int>(v.view->m_spelling), spelling);
}

void TestViewPreferences::storedPositions_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("positions");
    QTest::addColumn<bool>("only");
    QTest::addColumn<int>("caged");
    QTest::newRow("three per string, hidden")
        << QByteArray("Positions=1\nPositionsOnly=1") << 1 << true << 0;
    QTest::newRow("window") << QByteArray("Positions=2") << 2 << false << 0;
    QTest::newRow("CAGED, D shape") << QByteArray("Positions=3\nCaged=4") << 3 << false << 4;
    QTest::newRow("out of range") << QByteArray("Positions=4\nPositionsOnly=2\nCaged=5") << 0
                                  << false << 0;
    QTest::newRow("not a number") << QByteArray("Positions=1x\nPositionsOnly=-1\nCaged=-1") << 0
                                  << false << 0;
}

void TestViewPreferences::storedChordTones_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("chordTones");
    QTest::addColumn<bool>("characteristic");
    QTest::newRow("sevenths, characteristic")
        << QByteArray("ChordTones=2\nCharacteristic=1") << 2 << true;
    QTest::newRow("triads") << QByteArray("ChordTones=1") << 1 << false;
    QTest::newRow("out of range") << QByteArray("ChordTones=3\nCharacteristic=2") << 0 << false;
    QTest::newRow("not a number") << QByteArray("ChordTones=1.0\nCharacteristic=x") << 0 << false;
}

void TestViewPreferences::storedChordTones() {
    QFETCH(QByteArray, stored);
    QFETCH(int, chordTones);
    QFETCH(bool, characteristic);
    View v("[Options]\n" + stored + "\n");
    QCOMPARE(static_cast<int>(v.view->m_chordTones), chordTones);
    QCOMPARE(v.view->m_bCharacteristic, characteristic);
}

void TestViewPreferences::storedPositions() {
    QFETCH(QByteArray, stored);
    QFETCH(int, positions);
    QFETCH(bool, only);
    QFETCH(int, caged);
    View v("[Options]\n" + stored + "\n");
    QCOMPARE(static_cast<int>(v.view->m_positions), positions);
    QCOMPARE(v.view->m_bPositionsOnly, only);
    QCOMPARE(static_cast<int>(v.view->m_caged), caged);
}

void TestViewPreferences::storedOptionsReadAlone() {
    QFETCH(QByteArray, stored);
    QFETCH(QList<int>, read);
    View v("[Options]\n" + stored + "\n");
    const OptionPrefs o = OptionPrefs::Of(*v.view);
    QList<int> values{static_cast<int>(o.labels), o.leftHanded, o.family};
    values << QList<int>(o.tuning.begin(), o.tuning.end()) << o.fretNumbers;
    QCOMPARE(values, read);
}

QTEST_MAIN(TestViewPreferences)
#include "tst_viewpreferences.moc"
