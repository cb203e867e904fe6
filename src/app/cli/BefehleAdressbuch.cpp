// Address book commands: adressen lists the groups of a folder, adressen-xml exports groups,
// mailto prints the mail addresses the window would open. All with the options of the store.
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "adressbuch/AdressXml.h"
#include "adressbuch/Adressbuch.h"
#include "adressbuch/Adressgruppen.h"
#include "adressbuch/Adressmail.h"
#include "app/cli/Adressladen.h"
#include "app/cli/Befehle.h"
#include "app/cli/Einstellungsablage.h"
#include "kalender/XmlExport.h"
#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"
#include "methoden/Zeichensatz.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora::cli {

// Shared with the PDF command of the address list.
Adressoptionen AdressoptionenDesSpeichers() {
    std::string fehler;
    Adressoptionen o = GespeicherteAdressoptionen(fehler);
    if (!fehler.empty()) std::cerr << "Warnung: " << fehler << "\n";
    return o;
}

// A group file as the window opens it: read, then sorted by the name column.
TAdressbuch GruppeLaden(const std::string& pfad) {
    DateiEinlesen(pfad);  // a file that is not there or no file at all is an error here
    TAdressbuch b;
    b.Lesen(pfad);
    b.Sortieren(adressfeld::Name);
    return b;
}

namespace {

namespace fs = std::filesystem;

std::string OrdnerArgument(const std::string& text) {
    std::error_code f;
    if (text.empty() || !fs::is_directory(text, f))
        throw KalvoraFehler("Der Ordner " + Gezeigt(text) + " ist nicht vorhanden.");
    return text;
}


const BefehlRegistrieren adressen{
    {"adressen", "adressen VERZEICHNIS",
     "die Gruppen eines Adressordners: Name<TAB>Anzahl je Gruppe, fremde Dateien markiert",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"VERZEICHNIS"});
         const std::string ordner = OrdnerArgument(a[0]);
         const Adressoptionen o = AdressoptionenDesSpeichers();
         const std::vector<Adressgruppe> gruppen = GruppenImOrdner(ordner);
         std::size_t gesamt = 0;
         std::vector<std::string> zeilen;
         for (const Adressgruppe& g : gruppen) {
             TAdressbuch b;
             b.Lesen(g.pfad);
             gesamt += b.Eintraege.size();
             zeilen.push_back(Zeilentext(g.name) + "\t" + std::to_string(b.Eintraege.size()) +
                              (b.fremd                   ? "\tfremde Datei"
                               : !b.lesefehler.empty() ? "\tnicht lesbar"
                                                       : ""));
         }
         if (o.gesamtliste && !gruppen.empty())
             std::cout << adresstexte::Gesamt << "\t" << gesamt << "\n";
         for (const std::string& z : zeilen) std::cout << z << "\n";
         return kErfolg;
     }}};

const BefehlRegistrieren adressenXml{
    {"adressen-xml", "adressen-xml VERZEICHNIS AUS.xml GRUPPE...",
     "exportiert Gruppen eines Adressordners als XML, mit Stylesheet und DTD daneben",
     [](const std::vector<std::string>& a) {
         if (a.size() < 3) AnzahlPruefen(a, {"VERZEICHNIS", "AUS.xml", "GRUPPE"});
         const std::string ordner = OrdnerArgument(a[0]);
         const std::string& aus = DateiArgument(a[1]);
         const std::vector<Adressgruppe> gruppen = GruppenImOrdner(ordner);
         std::vector<Adressxmlgruppe> export_;
         std::vector<std::string> eingaben;
         for (std::size_t i = 2; i < a.size(); ++i) {
             Adressxmlgruppe g;
             g.name = a[i];
             if (a[i] == adresstexte::Gesamt && !gruppen.empty()) {
                 TAdressbuch b;
                 for (const Adressgruppe& x : gruppen) {
                     b.Anhaengen(x.pfad);
                     eingaben.push_back(x.pfad);
                 }
                 g.eintraege = std::move(b.Eintraege);
             } else {
                 const auto gleich = [&](const Adressgruppe& x) { return x.name == a[i]; };
                 const auto it = std::find_if(gruppen.begin(), gruppen.end(), gleich);
                 if (it == gruppen.end())
                     throw Aufruffehler(Gezeigt(a[i]) + " ist keine Gruppe in " + ordner);
                 TAdressbuch b;
                 eingaben.push_back(it->pfad);
                 b.Lesen(it->pfad);
                 b.Sortieren(adressfeld::Name);
                 g.eintraege = std::move(b.Eintraege);
             }
             export_.push_back(std::move(g));
         }
         // The style sheet and the DTD beside the export are outputs too; the shipped ones
         // they are copied from are inputs of the export itself.
         const fs::path zielordner = fs::absolute(aus).parent_path();
         AusgabeNichtEingabe({aus, (zielordner / AdressXslName).string(),
                              (zielordner / AdressDtdName).string()},
                             eingaben);
         AusgabeNichtEingabe({aus}, {Begleitdatei(AdressXslName), Begleitdatei(AdressDtdName)});
         DateiAtomarSchreiben(aus, AdressenXml(export_, JetztOrtszeit()));
         BegleitdateienKopieren({AdressXslName, AdressDtdName}, Begleitdatei,
                                zielordner.string(), &DateiAtomarSchreiben);
         return kErfolg;
     }}};

const BefehlRegistrieren mailto{
    {"mailto", "mailto GRUPPENDATEI (--eintrag N | --gruppe | --serie BETREFF TEXTDATEI)",
     "die mailto:-Adressen, die das Adressbuch öffnen würde, eine je Zeile",
     [](const std::vector<std::string>& a) {
         if (a.size() < 2) {
             if (a.empty()) ArgumentFehlt("GRUPPENDATEI");
             ArgumentFehlt("--eintrag N | --gruppe | --serie BETREFF TEXTDATEI");
         }
         const std::string& datei = DateiArgument(a[0]);
         const std::string& art = a[1];
         std::vector<std::string> urls;
         if (art == "--eintrag") {
             if (a.size() < 3) ArgumentFehlt("N");
             if (a.size() > 3) ArgumentZuviel(a[3]);
             const auto n = Ganzzahl(a[2]);
             const TAdressbuch b = GruppeLaden(datei);
             if (!n || *n < 1 || *n > static_cast<int>(b.Eintraege.size()))
                 throw Aufruffehler(Gezeigt(a[2]) + " ist kein Eintrag der Gruppe (1 bis " +
                                    std::to_string(b.Eintraege.size()) + ")");
             urls.push_back(MailtoEintrag(b.Eintraege[static_cast<std::size_t>(*n - 1)],
                                          AdressoptionenDesSpeichers().eineAdresse));
         } else if (art == "--gruppe") {
             if (a.size() > 2) ArgumentZuviel(a[2]);
             urls.push_back(MailtoGruppe(GruppeLaden(datei).Eintraege,
                                         AdressoptionenDesSpeichers().eineAdresse));
         } else if (art == "--serie") {
             if (a.size() < 3) ArgumentFehlt("BETREFF");
             if (a.size() < 4) ArgumentFehlt("TEXTDATEI");
             if (a.size() > 4) ArgumentZuviel(a[4]);
             // A text longer than a mail may be is not even read whole.
             const std::string text = SerienmailText(
                 DateiEinlesen(DateiArgument(a[3]), kHoechsteSerienmaillaenge));
             if (a[2].empty() || text.empty())
                 throw Aufruffehler(mailtexte::BetreffUndText);
             if (std::string zuLang = SerienmailZuLang(a[2], text); !zuLang.empty())
                 throw KalvoraFehler(zuLang);
             // One URL after the other: a long text for many entries is never held at once.
             const bool eine = AdressoptionenDesSpeichers().eineAdresse;
             for (const TAdresse& e : GruppeLaden(datei).Eintraege)
                 std::cout << SerienmailUrl(e, a[2], text, eine) << "\n";
         } else {
             throw Aufruffehler("Unbekannte Angabe: " + Gezeigt(art));
         }
         for (const std::string& u : urls)
             if (!u.empty()) std::cout << u << "\n";
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
