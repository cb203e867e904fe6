#pragma once
// The iCalendar exchange as the windows start it: the export with its dialog and the save
// dialog, and the import of a chosen or dropped .ics file with its dialog, the progress bar,
// a progress window whose "Abbrechen" stops the import (the document stays as it was) and
// the closing message.
#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace kalvora {

class TForm1;
class TIcsExportdialog;
class TIcsImportdialog;

class TIcsAustausch {
public:
    explicit TIcsAustausch(TForm1& haupt);

    // "Datei" › "Exportieren" › "iCalendar-Datei (.ics)…": the displayed year is proposed.
    void Exportieren(QWidget* eltern);
    // "Datei" › "Importieren" › "iCalendar-Datei (.ics)…": the open dialog, then the import.
    void Importieren(QWidget* eltern);
    // Reads one file into the document; false when it was refused, cancelled (in the
    // dialog or while importing) or nothing could be changed (read-only).
    bool DateiImportieren(const std::string& pfad, QWidget* eltern);

    // Whether a dropped file is one the import takes (by its extension).
    static bool IstIcsDatei(const QString& pfad);

    // Show the dialogs modally; true for "Ok". Tests answer them themselves.
    std::function<bool(TIcsExportdialog&)> exportDialogZeigen;
    std::function<bool(TIcsImportdialog&)> importDialogZeigen;

private:
    TForm1& haupt_;
    bool alsTagesfarbe_ = false;  // the import dialog's box, kept for the session
};

}  // namespace kalvora
