// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output/tab_printing.h"

#include <QPainter>
#include <QPrinter>

#include "app/output/output_dialogs.h"
#include "engine/gui/graph_views.h"
#include "output/print_layout.h"

namespace voltaris {

QImage ComposePagePicture(const QImage& topView, const QImage& view3D) {
    const PixelSize size = PagePictureSize({topView.width(), topView.height()}, {view3D.width(), view3D.height()});
    QImage page(size.width, size.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    if (!topView.isNull()) painter.drawImage(0, 0, topView);
    if (!view3D.isNull()) painter.drawImage(0, topView.height(), view3D);
    return page;
}

bool PrintPage(QPrinter& printer, const QString& heading, const QImage& picture) {
    printer.setDocName(heading);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int pageWidth = painter.device()->width();
    const PageRect target =
        PrintTargetRect({pageWidth, painter.device()->height()}, {picture.width(), picture.height()});
    // The heading's top-left corner at (400, 300), in the printer's default font.
    painter.drawText(QRect(PrintHeadingLeft, PrintHeadingTop, std::max(1, pageWidth - PrintHeadingLeft),
                           painter.fontMetrics().height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, heading);
    if (!picture.isNull() && target.right > target.left && target.bottom > target.top) {
        painter.drawImage(QRect(target.left, target.top, target.right - target.left, target.bottom - target.top),
                          picture);
    }
    return painter.end();
}

void PrintTab(GraphViews& views, QPrinter& printer, OutputDialogs& output, const QString& heading,
              QObject* context) {
    // The top view first, then the 3D view, each as it is presented next.
    views.CaptureNextPicture(false, context, [&views, &printer, &output, heading, context](const QImage& topView) {
        views.CaptureNextPicture(true, context, [&printer, &output, heading, topView](const QImage& view3D) {
            if (output.ChoosePrinter(printer)) PrintPage(printer, heading, ComposePagePicture(topView, view3D));
            printer.setCopyCount(1);
            printer.setFromTo(1, 1);
        });
    });
}

}  // namespace voltaris
