#pragma once
// At start, the edits that a run of the program which died left unsaved, offered back.

constexpr const char* RecoveryQuestion =
    "Colvero se cerró sin grabar los cambios de esta imagen.\r\n¿Desea recuperarlos?";
// Said of a dead run's file of the picture that is not applied; it is left where it is.
constexpr const char* RecoveryRefusal = "No se pueden recuperar los cambios guardados en : \r\n";
constexpr const char* UnreadableReason = "\r\nEl archivo no se puede leer.";
constexpr const char* OtherSizeReason = "\r\nSon de una imagen de ";

// With the picture ImageFileName loaded and before the main window is shown: each dead
// run's file of the picture that cannot be read or is of another size is named in a
// message; the newest other one whose picture has unsaved edits is offered (Yes: it is
// shown once the editor opens, No: it is removed); files that hold nothing unsaved are
// removed. Then this run's own recovery starts.
void OfferRecovery();
