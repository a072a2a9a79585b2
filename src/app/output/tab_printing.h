// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>

class QObject;
class QPrinter;

namespace voltaris {

class GraphViews;
class OutputDialogs;

// The page picture: the top view at (0, 0), the 3D view directly below it, as wide as the
// wider of the two (the rest stays white).
QImage ComposePagePicture(const QImage& topView, const QImage& view3D);

// Prints one page on `printer`, which the print dialog has set up: the document title and the
// heading line are `heading`, the picture is stretched into the target rectangle, which stays
// within the printable area. False when the printer cannot begin the document (the printer
// reports that itself).
bool PrintPage(QPrinter& printer, const QString& heading, const QImage& picture);

// The command "Tab drucken": both views as they are presented next (taken first, before the
// dialog covers anything, so the dialog opens after this returns), under `heading`, once the
// print dialog is confirmed. Afterwards the dialog offers 1 copy and page 1 again. Nothing
// happens when `context` goes before the pictures arrive.
void PrintTab(GraphViews& views, QPrinter& printer, OutputDialogs& output, const QString& heading,
              QObject* context);

}  // namespace voltaris
