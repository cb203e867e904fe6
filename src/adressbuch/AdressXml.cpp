#include "adressbuch/AdressXml.h"

#include "kalender/XmlExport.h"
#include "methoden/Methoden.h"
#include "platform/Druckrahmen.h"

namespace kalvora {
namespace {

std::string Zwei(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

class Zeilen {
public:
    void Zeile(const std::string& s) { text_ += s + "\r\n"; }
    void Element(const char* einzug, const char* name, const std::string& utf8) {
        text_ += std::string(einzug) + "<" + name + ">" + XmlExportText(utf8) + "</" + name +
                 ">\r\n";
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace

std::vector<std::string> XmlMailadressen(const std::string& feld) {
    std::vector<std::string> liste;
    std::string rest = feld;
    while (!rest.empty()) {
        std::size_t ende = rest.find(',');
        if (ende == std::string::npos) ende = rest.find(';');
        std::string stueck = rest.substr(0, ende);
        if (!stueck.empty() && stueck.front() == ' ') stueck.erase(0, 1);
        if (!stueck.empty()) liste.push_back(stueck);
        if (ende == std::string::npos) break;
        rest.erase(0, ende + 1);
    }
    return liste;
}

std::string AdressenXml(const std::vector<Adressxmlgruppe>& gruppen, const Zeitpunkt& jetzt) {
    using namespace adressfeld;
    Zeilen w;
    w.Zeile("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    w.Zeile(std::string("<!DOCTYPE ADRESSBUCH SYSTEM \"") + AdressDtdName + "\">");
    w.Zeile(std::string("<?xml-stylesheet type=\"text/xsl\" href=\"") + AdressXslName + "\"?>");
    w.Zeile("<ADRESSBUCH>");
    w.Zeile("  <DATEIINFOS>");
    w.Element("    ", "COPYRIGHT", drucktexte::Herstellerzeile);
    w.Element("    ", "VERSION", "Kalvora Version " + Dateiversion());
    w.Element("    ", "ERSTELLT_AM", DatumText(jetzt.tag, jetzt.monat, jetzt.jahr));
    w.Element("    ", "ERSTELLT_UM",
              Zwei(jetzt.stunde) + ":" + Zwei(jetzt.minute) + ":" + Zwei(jetzt.sekunde));
    w.Zeile("  </DATEIINFOS>");
    const std::pair<const char*, int> felder[] = {
        {"ANREDE", Anrede},     {"TITEL", Titel},
        {"VORNAME", Vorname},   {"NAME", Name},
        {"STRASSE", Strasse},   {"POSTFACH", Postfach},
        {"PLZ", PLZ},           {"ORT", Ort},
        {"LAND", Land},         {"TELEFON_PRIVAT", TelefonPrivat},
        {"TELEFON_GESCHAEFTLICH", TelefonGeschaeftlich},
        {"HANDY", Handy},       {"EMAIL-ADRESSEN", Email},
        {"HOMEPAGE", Homepage}, {"FAXNUMMER", Fax},
        {"ICQ-NUMMER", Icq},    {"SONSTIGES", Sonstiges},
    };
    for (const Adressxmlgruppe& g : gruppen) {
        w.Zeile("  <GRUPPE>");
        w.Element("    ", "GRUPPENNAME", g.name);
        w.Element("    ", "GRUPPENMITGLIEDSANZAHL", std::to_string(g.eintraege.size()));
        for (const TAdresse& a : g.eintraege) {
            w.Zeile("    <EINTRAG>");
            for (const auto& [name, feld] : felder) {
                const std::string& wert = a[static_cast<std::size_t>(feld)];
                if (feld != Email) {
                    w.Element("      ", name, wert);
                    continue;
                }
                const std::vector<std::string> adressen = XmlMailadressen(wert);
                if (adressen.empty()) continue;
                w.Zeile("      <EMAIL-ADRESSEN>");
                for (const std::string& e : adressen) w.Element("        ", "EMAIL-ADRESSE", e);
                w.Zeile("      </EMAIL-ADRESSEN>");
            }
            w.Zeile("    </EINTRAG>");
        }
        w.Zeile("  </GRUPPE>");
    }
    w.Zeile("</ADRESSBUCH>");
    return XmlDateibytes(w.Text());
}

}  // namespace kalvora
