// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>

class QObject;
#include <string>

#include "model/user_dialogs.h"
#include "output/image_format.h"

namespace voltaris {

class GraphViews;
class OutputDialogs;

// Saves `picture` under `path` as JPEG (with the encoder's default quality) or as a Windows
// bitmap. The file appears only when it was written whole; false with the reason otherwise.
bool WritePicture(const QImage& picture, const std::string& path, ImageFormat format, QString& reason);

// The command "Graph als Bilddatei exportieren" of one view: asks for a name, then saves the
// picture the view presents next, at its panel's pixel size, in the format the name's ending
// tells, once the view's thread has read it back (after this returns; not when `context`
// goes first). An unknown ending, a view that does not draw and a file that cannot be
// written are told to the user; a saved picture is not.
void ExportGraph(GraphViews& views, bool threeD, OutputDialogs& output, UserDialogs& dialogs, QObject* context);

}  // namespace voltaris
