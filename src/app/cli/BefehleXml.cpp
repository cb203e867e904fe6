// XML commands: xml-export writes the export of a period with its companion files, xml-html
// turns an export into the page the browser output shows.
#include <ctime>
#include <filesystem>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Kalenderladen.h"
#include "kalender/XmlExport.h"
#include "kalender/XmlHtml.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora::cli {
namespace {

namespace fs = std::filesystem;

Xmlherkunft HerkunftArgument(const std::string& text) {
    if (text == "jahr") return Xmlherkunft::Jahr;
    if (text == "woche") return Xmlherkunft::Woche;
    if (text == "monat") return Xmlherkunft::Monat;
    if (text == "mowo") return Xmlherkunft::MonatMitWochen;
    throw Aufruffehler(Gezeigt(text) + " ist keine Herkunft (jahr, woche, monat, mowo)");
}

const BefehlRegistrieren xmlExport{
    {"xml-export",
     "xml-export DATEI TT.MM.JJJJ TT.MM.JJJJ AUS.xml [--herkunft jahr|woche|monat|mowo] "
     "[--ohne-xsl] [--ohne-dtd]",
     "exportiert einen Zeitraum als XML, mit Stylesheet und DTD daneben",
     [](const std::vector<std::string>& a) {
         std::vector<std::string> frei;
         Xmlauftrag auftrag;
         bool xsl = true;
         bool dtd = true;
         for (std::size_t i = 0; i < a.size(); ++i) {
             if (a[i] == "--herkunft") {
                 if (i + 1 >= a.size()) ArgumentFehlt("--herkunft");
                 auftrag.herkunft = HerkunftArgument(a[++i]);
             } else if (a[i] == "--ohne-xsl") {
                 xsl = false;
             } else if (a[i] == "--ohne-dtd") {
                 dtd = false;
             } else {
                 frei.push_back(a[i]);
             }
         }
         AnzahlPruefen(frei, {"DATEI", "TT.MM.JJJJ", "TT.MM.JJJJ", "AUS.xml"});
         const std::string& datei = DateiArgument(frei[0]);
         auftrag.von = ZeitraumDatum(frei[1]);
         auftrag.bis = ZeitraumDatum(frei[2]);
         if (Tagesnummer(auftrag.bis.tag, auftrag.bis.monat, auftrag.bis.jahr) <
             Tagesnummer(auftrag.von.tag, auftrag.von.monat, auftrag.von.jahr))
             throw Aufruffehler(frei[2] + " liegt vor " + frei[1]);
         const std::string& aus = DateiArgument(frei[3]);
         // The companion files beside the export are outputs as well; the shipped ones they
         // are copied from are inputs.
         const fs::path ordner = fs::absolute(aus).parent_path();
         const std::string xslname = XslName(auftrag.herkunft) + ".xsl";
         std::vector<std::string> ausgaben{aus};
         if (xsl) ausgaben.push_back((ordner / xslname).string());
         if (dtd) ausgaben.push_back((ordner / DtdName).string());
         AusgabeNichtEingabe(ausgaben, Kalendereingaben(datei));
         AusgabeNichtEingabe({aus}, {Begleitdatei(xslname), Begleitdatei(DtdName)});
         TKalender kal;
         KalenderLaden(kal, datei);
         auftrag.quelle = fs::absolute(datei).lexically_normal().string();
         auftrag.jetzt = JetztOrtszeit();
         // Written as it is made: 1901-2099 gives about 90 MB.
         AtomarerSchreiber ausgabe(aus);
         XmlExportSchreiben(kal, auftrag,
                            [&ausgabe](std::string_view stueck) { ausgabe.Schreiben(stueck); });
         ausgabe.Abschliessen();
         XmlBegleitdateienSchreiben(auftrag.herkunft, xsl, dtd, Begleitdatei, ordner.string(),
                                    &DateiAtomarSchreiben);
         return kErfolg;
     }}};

const BefehlRegistrieren xmlHtml{
    {"xml-html", "xml-html AUS.xml AUS.html",
     "wandelt einen XML-Export mit seinem Stylesheet in eine HTML-Seite",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"AUS.xml", "AUS.html"});
         const std::string& ein = DateiArgument(a[0]);
         const std::string& aus = DateiArgument(a[1]);
         AusgabeNichtEingabe({aus}, {ein});
         const Htmlergebnis e = XmlNachHtml(ein);
         if (!e.ok) {
             std::cerr << e.fehler << "\n";
             return kDateifehler;
         }
         AusgabeNichtEingabe({aus}, e.gelesen);
         DateiAtomarSchreiben(aus, e.html);
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
