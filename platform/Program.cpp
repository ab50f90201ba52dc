// The process: the application object, and the executable's folder.
#include "platform/Program.h"
#include "platform/FilesFolder.h"
#include <QApplication>
#include <unistd.h>
#include <vector>

int RunProgram(int argc, char** argv, const std::function<int()>& body) {
    // The program reads no command line: the toolkit is given the program's name only, so
    // options such as -style or -reverse change nothing.
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication application(toolkitArgc, argv);
    // Dialogs come and go between the runs; only the body ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    return body();
}

namespace {
std::string folderForTesting;
}

void SetExecutableFolderForTesting(const std::string& folder) {
    folderForTesting = folder;
    ForgetFilesFolder(); // the files follow the executable's folder
}

void StartToolkitOnce() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "colvero";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    QApplication::setQuitOnLastWindowClosed(false);
}

// The link to the running executable, read with a buffer that grows until the whole path
// fits, so the folder is never cut short.
std::string ExecutableFolder() {
    if (!folderForTesting.empty()) return folderForTesting;
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) break;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
    // Without /proc the application object knows where it was started from.
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString() + "/";
    return "./";
}
