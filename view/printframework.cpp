#include "view/printframework.h"

#include <QAbstractPrintDialog>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <algorithm>

namespace {

// The page loop shared by printing and preview: the client's hooks in order, one painter for
// the whole job, a new page between pages, until the client stops or the last page is done.
bool PrintPages(CPrintClient& client, QPrinter& printer, CPrintInfo& info) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    client.OnBeginPrinting(&painter, &info);
    // A print dialog may have narrowed the range; without one the whole document is printed.
    int first = info.GetMinPage();
    int last = info.GetMaxPage();
    if (info.m_kind == CPrintInfo::Kind::Dialog && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    for (info.m_nCurPage = first; info.m_nCurPage <= last && info.m_bContinuePrinting;
         ++info.m_nCurPage) {
        if (info.m_nCurPage != first && !printer.newPage()) {
            break;
        }
        // The painter's origin is the top-left corner of the printable area.
        info.m_rectDraw = QRect(0, 0, printer.width(), printer.height());
        client.OnPrint(&painter, &info);
        last = std::min(last, info.GetMaxPage());
    }
    client.OnEndPrinting(&painter, &info);
    return painter.end();
}

} // namespace

bool DoPreparePrinting(CPrintInfo* pInfo) {
    if (pInfo == nullptr || pInfo->m_pPrinter == nullptr) {
        return false;
    }
    if (pInfo->m_kind != CPrintInfo::Kind::Dialog) {
        return true;
    }
    QPrinter& printer = *pInfo->m_pPrinter;
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, pInfo->m_pParent);
    dialog.setMinMax(pInfo->GetMinPage(), pInfo->GetMaxPage());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

bool RunPrintJob(CPrintClient& client, QPrinter& printer, CPrintInfo::Kind kind, QWidget* pParent) {
    CPrintInfo info;
    info.m_kind = kind;
    info.m_pPrinter = &printer;
    info.m_pParent = pParent;
    if (!client.OnPreparePrinting(&info)) {
        return false;
    }
    return PrintPages(client, printer, info);
}

void RunPrintPreview(CPrintClient& client, QPrinter& printer, QWidget* pParent) {
    CPrintInfo info;
    info.m_kind = CPrintInfo::Kind::Preview;
    info.m_pPrinter = &printer;
    info.m_pParent = pParent;
    if (!client.OnPreparePrinting(&info)) {
        return;
    }
    QPrintPreviewDialog dialog(&printer, pParent);
    // Every paint of the preview is a fresh job on the preview's own device.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&client, &info](QPrinter* pPreviewPrinter) {
                         CPrintInfo job = info;
                         job.m_pPrinter = pPreviewPrinter;
                         job.m_bContinuePrinting = true;
                         PrintPages(client, *pPreviewPrinter, job);
                         info.m_nNumPreviewPages = job.m_nNumPreviewPages;
                     });
    if (auto* pWidget = dialog.findChild<QPrintPreviewWidget*>()) {
        pWidget->setViewMode(info.m_nNumPreviewPages > 1 ? QPrintPreviewWidget::FacingPagesView
                                                         : QPrintPreviewWidget::SinglePageView);
    }
    dialog.exec();
}

bool RunPrintSetup(QPrinter& printer, QWidget* pParent) {
    QPageSetupDialog dialog(&printer, pParent);
    return dialog.exec() == QDialog::Accepted;
}
