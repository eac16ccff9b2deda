// File dialogs, with the seam tests answer through.
#include "gui/common/filedialog.h"

#include <QFileDialog>

namespace ruvivavu::gui {

namespace {
FileDialogAnswerer g_answerer;
}

void setFileDialogAnswerer(FileDialogAnswerer answerer) { g_answerer = std::move(answerer); }

QString askForFile(QWidget* parent, const FileRequest& request) {
    if (g_answerer) return g_answerer(request);
    QFileDialog dialog(parent, request.title, request.proposedPath, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.kind == FileRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace ruvivavu::gui
