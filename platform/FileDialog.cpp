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
                                               : QString::fromStdString(request.folder));
    if (!request.filterPattern.empty())
        dialog.setNameFilter(
            QString::fromStdString(request.filterName + " (" + request.filterPattern + ")"));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
}

// The text the toolkit shows for a file name's bytes.
QString TextOf(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string BytesOf(const QString& text) { return QFile::encodeName(text).toStdString(); }

std::string WithFinalSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// How much of folder the toolkit can name: up to the last "/" before the first name in
// it that is not UTF-8.
std::size_t NameableLength(const std::string& folder) {
    std::size_t length = 0;
    for (auto slash = folder.find('/'); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        if (BytesOf(TextOf(folder.substr(0, slash + 1))) != folder.substr(0, slash + 1)) break;
        length = slash + 1;
    }
    return length;
}

FileDialogRequest AsShown(const FileDialogRequest& request) {
    FileDialogRequest shown = request;
    const std::string folder = WithFinalSlash(request.folder);
    const std::size_t nameable = NameableLength(folder);
    shown.folder = folder.substr(0, nameable);
    shown.proposedName = TextOf(folder.substr(nameable) + request.proposedName).toStdString();
    return shown;
}

// The chosen path's bytes: the request's own for its folder and for its name where the
// user kept them as shown.
std::string ChosenBytes(const std::string& chosen, const FileDialogRequest& request) {
    const QString text = QString::fromStdString(chosen);
    const auto nameStart = text.lastIndexOf(u'/') + 1;
    const QString folder = text.left(nameStart), name = text.mid(nameStart);
    const std::string requested = WithFinalSlash(request.folder);
    const bool sameFolder =
        !requested.empty() && QDir::cleanPath(folder) == QDir::cleanPath(TextOf(requested));
    return (sameFolder ? requested : BytesOf(folder)) +
           (name == TextOf(request.proposedName) ? request.proposedName : BytesOf(name));
}

// The real dialog; the chosen path as text, empty when cancelled.
std::string RunDialog(const FileDialogRequest& request) {
    // Browsing must not move the process's current directory.
    QString currentDirectory = QDir::currentPath();
    QFileDialog dialog(OwnerWindow(request.owner));
    Configure(dialog, request);
    CentreInWorkArea(dialog);
    int result = RunLocally(dialog, true);
    QDir::setCurrent(currentDirectory);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

void SetFileDialogAnswerer(FileDialogAnswerer newAnswerer) { answerer = std::move(newAnswerer); }

std::string ShowFileDialog(const FileDialogRequest& request) {
    const FileDialogRequest shown = AsShown(request);
    FileDialogAnswerer answer = answerer; // an answerer may replace itself
    const std::string chosen = answer ? answer(shown) : RunDialog(shown);
    return chosen.empty() ? chosen : ChosenBytes(chosen, request);
}
