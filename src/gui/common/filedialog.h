// The program's one way to ask the user for a file name: every open and save dialog goes through
// askForFile(), so that tests can answer in place of the user.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ruvivavu::gui {

struct FileRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QString title;
    QString filter;         // e.g. "Quorvel (*.fg)"
    QString defaultSuffix;  // added to a name typed without one
    QString proposedPath;   // the folder and name the dialog starts with (may be empty)
};

// Shows a file dialog; answers the chosen path, or the empty text when the user cancelled.
QString askForFile(QWidget* parent, const FileRequest& request);

// Tests answer the dialogs themselves; an empty function restores the real dialogs.
using FileDialogAnswerer = std::function<QString(const FileRequest& request)>;
void setFileDialogAnswerer(FileDialogAnswerer answerer);

}  // namespace ruvivavu::gui
