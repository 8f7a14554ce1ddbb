#include "music/musicmodel.h"

#include <QtTest>

class TestMusicModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initialStateNamesEveryTonicC();
};

void TestMusicModel::initialStateNamesEveryTonicC() {
    const CMusicModel model;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        QCOMPARE(model.GetRootName(mode), std::string("C"));
    }
}

QTEST_APPLESS_MAIN(TestMusicModel)
#include "tst_musicmodel.moc"
