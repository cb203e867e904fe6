#pragma once
// The XML export as the windows start it: the export dialog, the save dialog, the file with
// its companion files; and the browser output, which writes the period into the per-user
// cache folder, turns it into a page with its style sheet and opens that page.
#include <QString>

#include <functional>

#include "kalender/XmlExport.h"

class QWidget;

namespace kalvora {

class TForm1;
class TXmlExportdialog;

class TXmlAusgabe {
public:
    explicit TXmlAusgabe(TForm1& haupt);

    // "Datei" › "Exportieren" › "XML-Datei" and the views' "Export in XML".
    void InDatei(Xmlherkunft h, const Datum& von, const Datum& bis, QWidget* eltern);
    // The views' "Direkte Ausgabe im Browser".
    void ImBrowser(Xmlherkunft h, const Datum& von, const Datum& bis, QWidget* eltern);

    // The browser output's folder: the cache folder's "temp".
    static QString Ausgabeordner();

    // Shows the export dialog modally; true for "Ok". Tests answer it themselves.
    std::function<bool(TXmlExportdialog&)> dialogZeigen;

private:
    // Writes the export and its companions; false after a message.
    bool Schreiben(const Xmlauftrag& a, const std::string& pfad, bool xsl, bool dtd);

    TForm1& haupt_;
};

}  // namespace kalvora
