// Message boxes: the toolkit's own box without an icon, OK, Yes/No or Yes/No/Cancel; a
// test's answerer stands in for the user when set.
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

QMessageBox::StandardButtons ButtonsOf(unsigned style) {
    switch (style & 0xF) {
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

// A box closed without a button (its close box, Esc, or the end of every run) answers as
// its way out: Cancel where it has one, No for Yes/No, OK otherwise.
int AnswerOf(QMessageBox::StandardButton clicked, unsigned style) {
    switch (clicked) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Ok: return IDOK;
    default: break;
    }
    switch (style & 0xF) {
    case MB_YESNO: return IDNO;
    case MB_YESNOCANCEL: return IDCANCEL;
    default: return IDOK;
    }
}

} // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer newAnswerer) { answerer = std::move(newAnswerer); }

int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
               unsigned style) {
    if (answerer) {
        MessageBoxAnswerer answer = answerer; // the answerer may replace itself
        return answer(text, caption, style);
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), Shown(text),
                    ButtonsOf(style), OwnerWindow(owner));
    box.setTextFormat(Qt::PlainText);
    RunLocally(box, style & MB_SETFOREGROUND);
    return AnswerOf(box.standardButton(box.clickedButton()), style);
}
