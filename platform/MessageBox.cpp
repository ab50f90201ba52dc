// Message boxes: the toolkit's own box without an icon, OK or Yes/No; a test's answerer
// stands in for the user when set.
#include "platform/MessageBox.h"
#include "platform/LocalRun.h"
#include "platform/Messages.h"
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxAnswerer answerer;

// Lines end with CR LF in the program's texts; the box breaks lines at LF alone.
QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n").replace('\r', '\n');
}

} // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer newAnswerer) { answerer = std::move(newAnswerer); }

int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
               unsigned style) {
    if (answerer) {
        MessageBoxAnswerer answer = answerer; // the answerer may replace itself
        return answer(text, caption, style);
    }
    bool yesNo = (style & 0xF) == MB_YESNO;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), Shown(text),
                    QMessageBox::NoButton, OwnerWindow(owner));
    box.setTextFormat(Qt::PlainText);
    if (yesNo) {
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    RunLocally(box, style & MB_SETFOREGROUND);
    if (!yesNo) return IDOK;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? IDYES : IDNO;
}
