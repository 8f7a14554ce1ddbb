// The page loop, the print dialog and the preview, and the view's share of printing.
#include "settings/settingsstore.h"
#include "view/neckdrawing.h"
#include "view/printframework.h"
#include "view/varnelview.h"

#include "tests/support/pdfpages.h"
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <QtTest>

namespace {

void PrintToPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// A client that prints the necks as the view does and notes the hooks it is given.
class CLoggingClient final : public CPrintClient {
public:
    CNeckDrawing drawing;
    QStringList hooks;
    QList<QRect> drawRects;
    QSize clientSize{900, 720};

    bool OnPreparePrinting(CPrintInfo* pInfo) override {
        hooks << "prepare";
        pInfo->SetMaxPage(1);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override {
        hooks << (pDC->isActive() ? "begin" : "begin without painter");
        pInfo->m_nNumPreviewPages = 1;
    }
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override {
        hooks << QStringLiteral("print %1").arg(pInfo->m_nCurPage);
        drawRects << pInfo->m_rectDraw;
        drawing.PrintPage(pDC, pInfo, clientSize);
    }
    void OnEndPrinting(QPainter*, CPrintInfo*) override { hooks << "end"; }
};

// Runs action on the next modal dialog, once it is up.
template <typename Dialog, typename Action>
void OnNextModal(Action action) {
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(qobject_cast<Dialog*>(QApplication::activeModalWidget()) != nullptr);
        action(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
    });
}

// The bottom-most dark row in a column: the closing fret line of a printed page.
int LastDarkRow(const QImage& image, int x) {
    for (int y = image.height() - 1; y >= 0; --y) {
        if (qGray(image.pixel(x, y)) < 64) {
            return y;
        }
    }
    return -1;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void directPrintHasOnePage() {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.pdf");
        QPrinter printer;
        PrintToPdf(printer, path);
        CLoggingClient client;
        QVERIFY(RunPrintJob(client, printer, CPrintInfo::Kind::Direct, nullptr));
        QCOMPARE(client.hooks, QStringList({"prepare", "begin", "print 1", "end"}));
        QCOMPARE(client.drawRects.front(), QRect(0, 0, printer.width(), printer.height()));
        QCOMPARE(PdfFilePageCount(path), 1);
    }

    void printDialogOffersPageOneOnly_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void printDialogOffersPageOneOnly() {
        QFETCH(bool, accept);
        QTemporaryDir dir;
        const QString path = dir.filePath("dialog.pdf");
        QPrinter printer;
        PrintToPdf(printer, path);
        CLoggingClient client;
        int minPage = 0;
        int maxPage = 0;
        OnNextModal<QPrintDialog>([&](QPrintDialog* dialog) {
            minPage = dialog->minPage();
            maxPage = dialog->maxPage();
            accept ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(RunPrintJob(client, printer, CPrintInfo::Kind::Dialog, nullptr), accept);
        QCOMPARE(minPage, 1);
        QCOMPARE(maxPage, 1);
        if (accept) {
            QCOMPARE(client.hooks, QStringList({"prepare", "begin", "print 1", "end"}));
            QCOMPARE(PdfFilePageCount(path), 1);
        } else {
            QCOMPARE(client.hooks, QStringList({"prepare"}));
            QVERIFY(!QFile::exists(path));
        }
    }

    void previewShowsOnePage() {
        QPrinter printer;
        CLoggingClient client;
        int pages = 0;
        QPrintPreviewWidget::ViewMode mode = QPrintPreviewWidget::AllPagesView;
        OnNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(preview != nullptr);
            QTRY_VERIFY(client.hooks.contains("print 1"));
            pages = preview->pageCount();
            mode = preview->viewMode();
            dialog->close();
        });
        RunPrintPreview(client, printer, nullptr);
        QCOMPARE(pages, 1);
        QCOMPARE(mode, QPrintPreviewWidget::SinglePageView);
        QCOMPARE(client.hooks.mid(0, 4), QStringList({"prepare", "begin", "print 1", "end"}));
        QVERIFY(!client.hooks.contains("print 2"));
    }

    void viewPrintsThroughItsHooks_data() {
        QTest::addColumn<bool>("preview");
        QTest::newRow("direct") << false;
        QTest::newRow("preview") << true;
    }
    void viewPrintsThroughItsHooks() {
        QFETCH(bool, preview);
        QTemporaryDir dir;
        const QString path = dir.filePath("view.pdf");
        SettingsStore store;
        QPrinter printer;
        PrintToPdf(printer, path);
        CVarnelView view(store, printer);
        view.resize(900, 720);
        if (preview) {
            int pages = 0;
            OnNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
                auto* widget = dialog->findChild<QPrintPreviewWidget*>();
                QTRY_COMPARE(widget->pageCount(), 1);
                pages = widget->pageCount();
                dialog->close();
            });
            view.OnFilePrintPreview();
            QCOMPARE(pages, 1);
        } else {
            view.OnFilePrintDirect();
            QCOMPARE(PdfFilePageCount(path), 1);
        }
    }

    void viewPrintDialog() {
        QTemporaryDir dir;
        const QString path = dir.filePath("view.pdf");
        SettingsStore store;
        QPrinter printer;
        PrintToPdf(printer, path);
        CVarnelView view(store, printer);
        view.resize(900, 720);
        int maxPage = 0;
        OnNextModal<QPrintDialog>([&](QPrintDialog* dialog) {
            maxPage = dialog->maxPage();
            dialog->accept();
        });
        view.OnFilePrint();
        QCOMPARE(maxPage, 1);
        QCOMPARE(PdfFilePageCount(path), 1);
    }

    void scaleFollowsTheWindow_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<double>("scale");
        // A page of 2480 x 3508 pixels: the smaller of the two ratios wins.
        QTest::newRow("900 x 720") << QSize(900, 720) << 2480.0 / 900;
        QTest::newRow("twice as large") << QSize(1800, 1440) << 2480.0 / 1800;
        QTest::newRow("tall and narrow") << QSize(300, 1754) << 2.0;
        QTest::newRow("wide and low") << QSize(2480, 300) << 1.0;
    }
    void scaleFollowsTheWindow() {
        QFETCH(QSize, client);
        QFETCH(double, scale);
        SettingsStore store;
        QPrinter printer;
        CVarnelView view(store, printer);
        view.setPalette(QPalette(Qt::green));
        view.resize(client);
        QImage page(2480, 3508, QImage::Format_RGB32);
        page.fill(Qt::red);
        CPrintInfo info;
        info.m_kind = CPrintInfo::Kind::Direct;
        info.m_rectDraw = page.rect();
        {
            QPainter painter(&page);
            view.OnBeginPrinting(&painter, &info);
            view.OnPrint(&painter, &info);
            view.OnEndPrinting(&painter, &info);
        }
        QVERIFY(!info.m_bContinuePrinting);
        QCOMPARE(info.GetMaxPage(), 1);
        QCOMPARE(info.m_nNumPreviewPages, 1);
        // Fret line 22 lies at 740 units, between the first two strings' dots at x 30.
        const int x = int(30 * scale);
        QVERIFY(qAbs(LastDarkRow(page, x) - 740 * scale) <= scale + 1);
        // White whatever the window colour, to the page's corner.
        QCOMPARE(page.pixelColor(2479, 3507), QColor(Qt::white));
        QCOMPARE(page.pixelColor(x, 10), QColor(Qt::white));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
