#pragma once
// Answers for the user: while a script object lives, message boxes, file dialogs and the
// colour chooser show nothing; the script records what the program showed and answers
// from its queue (OK / empty path / Cancel once the queue is empty).
#include "platform/ColourDialog.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text, caption;
    unsigned style = 0;
    bool operator==(const ShownMessage&) const = default;
};

class MessageBoxScript {
  public:
    MessageBoxScript();
    ~MessageBoxScript();
    std::vector<ShownMessage> shown;
    std::deque<int> answers;                             // IDOK, IDYES, IDNO...; IDOK when empty
    std::function<void(const ShownMessage&)> whileShown; // what the user does meanwhile
};

class FileDialogScript {
  public:
    FileDialogScript();
    ~FileDialogScript();
    std::vector<FileDialogRequest> requests;
    std::deque<std::string> answers; // "" (cancel) when empty
};

class ColourDialogScript {
  public:
    ColourDialogScript();
    ~ColourDialogScript();
    std::vector<ColourDialogRequest> requests;
    std::deque<std::optional<Colour>> answers; // cancel when empty
};

// Sets an environment variable for the test's length (nullopt: unset).
class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value);
    ~ScopedVariable();

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Makes a file or folder unwritable even for root, who ignores permission bits: with the
// file system's immutable flag where it has one, else by taking the write bits away.
// False when neither holds. TempFolder undoes it when it removes its folder.
bool MakeUnwritable(const std::string& path);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; } // ends with "/"
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};
