// The file chooser: the toolkit's own (not the desktop's) dialog, the same everywhere and
// drivable by tests; a test's answerer stands in for the user when set.
#include "platform/FileDialog.h"
#include "platform/LocalRun.h"
#include "platform/Window.h"
#include <QDir>
#include <QFileDialog>

namespace {

FileDialogAnswerer answerer;

void CentreInWorkArea(QWidget& dialog) {
    QSize size = dialog.sizeHint().expandedTo(dialog.minimumSizeHint());
    dialog.resize(size);
    ScreenRect work = GetWorkArea();
    dialog.move(std::max(0, work.left + work.right - size.width()) / 2,
                std::max(0, work.top + work.bottom - size.height()) / 2);
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // "File must exist" is a question for opening only.
    dialog.setFileMode(!request.save && request.fileMustExist ? QFileDialog::ExistingFile
                                                              : QFileDialog::AnyFile);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setDirectory(request.folder.empty() ? QDir::currentPath()
                                               : QFile::decodeName(request.folder.c_str()));
    if (!request.filterPattern.empty())
        dialog.setNameFilter(
            QString::fromStdString(request.filterName + " (" + request.filterPattern + ")"));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (!request.proposedName.empty())
        dialog.selectFile(QFile::decodeName(request.proposedName.c_str()));
}

} // namespace

void SetFileDialogAnswerer(FileDialogAnswerer newAnswerer) { answerer = std::move(newAnswerer); }

std::string ShowFileDialog(const FileDialogRequest& request) {
    if (answerer) {
        FileDialogAnswerer answer = answerer;
        return answer(request);
    }
    // Browsing must not move the process's current directory.
    QString currentDirectory = QDir::currentPath();
    QFileDialog dialog(OwnerWindow(request.owner));
    Configure(dialog, request);
    CentreInWorkArea(dialog);
    int result = RunLocally(dialog, true);
    QDir::setCurrent(currentDirectory);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString(); // file names are bytes
}
