#pragma once
// The texts of the day dialog, the appointment editor and the search, in one place.
namespace kalvora::termintexte {

// Day dialog.
inline constexpr const char* Spalte[8] = {"Uhrzeit", "Terminbeschreibung", "Ort", "", "Dauer",
                                          "Farbe", "Kategorie", "Link"};
inline constexpr int Spaltenbreite[8] = {47, 281, 182, 18, 42, 107, 122, 192};
inline constexpr const char* Registrypfad = "Software\\Kalvora\\Tagestermine";
inline constexpr const char* Tagesinfo = "allgemeine Tagesinfo:";
inline constexpr const char* Terminliste = "Terminliste:";
inline constexpr const char* NeuerTermin = "Neuer Termin";
inline constexpr const char* TerminAendern = "Termin ändern";
inline constexpr const char* TerminLoeschen = "Termin löschen";
inline constexpr const char* TerminVerschieben = "Termin verschieben";
inline constexpr const char* TerminKopieren = "Termin kopieren";
inline constexpr const char* AlleTermineLoeschen = "alle Termine löschen";
inline constexpr const char* Fertig = "Fertig";
inline constexpr const char* Suchen = "Suchen";
inline constexpr const char* Weitersuchen = "Weitersuchen";
inline constexpr const char* Optionen = "Optionen";
inline constexpr const char* Hilfe = "Hilfe";
inline constexpr const char* TagesinfoLoeschenHinweis = "Tagesinfo löschen";
inline constexpr const char* BlaetternHinweis = "übernehmen und tagesweise weiterblättern";
inline constexpr const char* WocheZurueckHinweis = "eine Woche zurückblättern";
inline constexpr const char* WocheVorHinweis = "eine Woche vorblättern";
inline constexpr const char* TitelAnfang = "Termine für ";
inline constexpr const char* KW = "KW ";
inline constexpr const char* FarbfeldHinweis = "Klicken Sie hier, um die Farbe zu ändern";
inline constexpr const char* Geburtstag = "Geburtstag";
inline constexpr const char* Namenstag = "Namenstag";

// Day-colour menu.
inline constexpr const char* AlleFarbenLoeschen = "Alle Farben löschen";
inline constexpr const char* NeueFarbe = "neue Farbe";
inline constexpr const char* FarbeHinzufuegen = "eine Farbe hinzufügen";
inline constexpr const char* FarbeLoeschen = "eine Farbe löschen";

// Move and copy.
inline constexpr const char* VerschiebenNach = "Termin verschieben nach:";
inline constexpr const char* KopierenNach = "Termin kopieren nach:";
inline constexpr const char* NeuesDatum = "Neues Datum:";
inline constexpr const char* Abbruch = "Abbruch";

// Appointment editor.
inline constexpr const char* EditorTitel = "Termin";
inline constexpr const char* TitelNeu = "Neuen Termin erstellen";
inline constexpr const char* TitelAendern = "Termin ändern";
inline constexpr const char* TitelLoeschen = "Termin löschen";
inline constexpr const char* TitelAlleLoeschen = "alle Termine löschen";
inline constexpr const char* KeineKategorie = "keine Kategorie";
inline constexpr const char* KeinLink = "kein Link";
inline constexpr const char* KeineFarbeEintrag = "keine Farbe";
inline constexpr const char* KeinerFarbe = "keiner Farbe";
inline constexpr const char* AlleFarbenVorhanden = "alle Farben vorhanden";
inline constexpr const char* Serienarten[6] = {"keine", "täglich", "wöchentlich", "monatlich",
                                               "jährlich", "benutzerdefiniert"};
inline constexpr const char* TerminBeginnt = "Termin beginnt um:";
inline constexpr const char* Termindauer = "Termindauer:";
inline constexpr const char* TerminEndet = "Termin endet um:";
inline constexpr const char* Stunden = "Stunden";
inline constexpr const char* Minuten = "Minuten";
inline constexpr const char* Anzeige = "Anzeige";
inline constexpr const char* Dauer = "Dauer";
inline constexpr const char* Ende = "Ende";
inline constexpr const char* AlarmAktivieren = "Alarm aktivieren";
inline constexpr const char* Terminbeschreibung = "Terminbeschreibung";
inline constexpr const char* Ortsangabe = "Ortsangabe";
inline constexpr const char* Terminverknuepfungen = "Terminverknüpfungen:";
inline constexpr const char* Farbe = "Farbe:";
inline constexpr const char* Kategorie = "Kategorie:";
inline constexpr const char* Link = "Link:";
inline constexpr const char* Fortschreibung = "Fortschreibung";
inline constexpr const char* Alle = "alle";
inline constexpr const char* Tage = "Tage";
inline constexpr const char* BisEinschliesslich = "bis einschließlich";
inline constexpr const char* AnzahlWiederholungen = "Anzahl Wiederholungen";
inline constexpr const char* NurBei = "Fortschreibung nur bei :";
inline constexpr const char* Warnung = "Achtung löscht radikal!!";
inline constexpr const char* TagesinfoZusaetzlich = "Tagesinfo zusätzlich löschen";
inline constexpr const char* FarbenZusaetzlich = "alle vorhandenen Farben löschen";
inline constexpr const char* Ok = "OK";
inline constexpr const char* Loeschen = "Löschen";

// Search.
inline constexpr const char* SuchTitel = "Text in Terminen suchen";
inline constexpr const char* SuchenNach = "Suchen nach :";
inline constexpr const char* SuchenIn = "Suchen in";
inline constexpr const char* Bereiche[3] = {"allen Einträgen", "Terminbeschreibungen",
                                            "Ortsangaben"};
inline constexpr const char* GrossKlein = "Groß- und Kleinschreibung";
inline constexpr const char* GanzeWoerter = "nur ganze Wörter";
inline constexpr const char* Bereich = "Bereich";
inline constexpr const char* JahreVon = "Jahre von : ";
inline constexpr const char* Bis = "bis : ";

}  // namespace kalvora::termintexte
