#include "kalender/XmlExport.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "kalender/Speicherhindernisse.h"
#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"
#include "platform/Druckrahmen.h"

namespace kalvora {
namespace {

std::string Zwei(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string Punkte(const Datum& d) { return DatumText(d.tag, d.monat, d.jahr); }

std::string Rgb(uint32_t bbggrr) {
    char p[8];
    std::snprintf(p, sizeof p, "%02X%02X%02X", bbggrr & 0xFF, (bbggrr >> 8) & 0xFF,
                  (bbggrr >> 16) & 0xFF);
    return p;
}

// The next code point of a UTF-8 text; a broken sequence gives U+FFFD and one byte.
char32_t Naechstes(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int folge = 0;
    char32_t c = 0;
    if (b < 0x80) {
        ++i;
        return b;
    }
    if ((b & 0xE0) == 0xC0) {
        folge = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3;
        c = b & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(folge) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((f & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (f & 0x3F);
    }
    i += static_cast<std::size_t>(folge) + 1;
    return c;
}

// Latin-1 text (already escaped, every code point below 0x100) as its bytes.
std::string AlsLatin1(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // Runs of ASCII, most of an export, are taken over as they are.
        std::size_t ende = i;
        while (ende < utf8.size() && static_cast<unsigned char>(utf8[ende]) < 0x80) ++ende;
        if (ende > i) {
            bytes.append(utf8.substr(i, ende - i));
            i = ende;
            continue;
        }
        const char32_t c = Naechstes(utf8, i);
        bytes.push_back(static_cast<char>(c < 0x100 ? c : '?'));
    }
    return bytes;
}

// Collects whole lines and hands them on as the file's bytes once about a megabyte has come
// together: a large export is never in memory whole.
class Schreiber {
public:
    explicit Schreiber(const std::function<void(std::string_view)>& ziel) : ziel_(ziel) {}
    void Zeile(std::string_view text) {
        aus_.append(text);
        aus_ += "\r\n";
        Weitergeben(false);
    }
    void Element(std::string_view einzug, std::string_view name, std::string_view inhalt) {
        aus_.append(einzug);
        aus_ += "<";
        aus_.append(name);
        aus_ += ">";
        aus_.append(inhalt);
        aus_ += "</";
        aus_.append(name);
        aus_ += ">\r\n";
        Weitergeben(false);
    }
    // Only whole lines are converted, so no character is cut in two.
    void Weitergeben(bool ende) {
        if (!ende && aus_.size() < (std::size_t{1} << 20)) return;
        if (!aus_.empty()) ziel_(AlsLatin1(aus_));
        aus_.clear();
    }

private:
    const std::function<void(std::string_view)>& ziel_;
    std::string aus_;
};

// The persons of the list by the day and month of a date (birth date or name day), in the
// order of the list: found once, instead of a pass over the whole list for every day.
class Personentage {
public:
    Personentage(const TKalender& kal, TDatum TGeburtstag::*feld) {
        for (const TGeburtstag& g : kal.Geburtstagsliste) {
            const TDatum w = g.*feld;
            if (w == KeinDatum) continue;
            const Datum d = DatumAusWert(w);
            if (d.monat < 1 || d.monat > 12 || d.tag < 1 || d.tag > 31) continue;
            tage_[static_cast<std::size_t>(d.monat * 32 + d.tag)].push_back({&g, d.jahr});
        }
    }
    // Those whose date falls on the day, in an earlier year.
    template <class F>
    void Jede(const Datum& tag, F jede) const {
        for (const Eintrag& e : tage_[static_cast<std::size_t>(tag.monat * 32 + tag.tag)])
            if (e.jahr < tag.jahr) jede(*e.person, e.jahr);
    }

private:
    struct Eintrag {
        const TGeburtstag* person;
        int jahr;
    };
    std::vector<Eintrag> tage_[13 * 32];
};

}  // namespace

bool XmlZeichen(char32_t c) {
    if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
    return c <= 0xD7FF || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

std::string XmlDateibytes(std::string_view escaped) { return AlsLatin1(escaped); }

std::string XslName(Xmlherkunft h) {
    switch (h) {
        case Xmlherkunft::Woche: return "kalvorawoche";
        case Xmlherkunft::Monat:
        case Xmlherkunft::MonatMitWochen: return "kalvoramonat";
        case Xmlherkunft::Jahr: break;
    }
    return "kalvora";
}

int XmlWochennummer(const Datum& d) {
    const int w = Wochentag(d.tag, d.monat, d.jahr);
    const int wotag = w == 0 ? 7 : w;
    return ((TagDesJahres(d.tag, d.monat, d.jahr) + 4 - wotag) - 1) / 7 + 1;
}

std::string XmlDateiname(Xmlherkunft h, const Datum& von, const std::string& kalenderdatei) {
    switch (h) {
        case Xmlherkunft::Woche:
            return "KW" + std::to_string(XmlWochennummer(von)) + " " + std::to_string(von.jahr) +
                   ".xml";
        case Xmlherkunft::Monat:
        case Xmlherkunft::MonatMitWochen:
            return Monatsname(von.monat) + std::to_string(von.jahr) + ".xml";
        case Xmlherkunft::Jahr:
            break;
    }
    if (kalenderdatei.empty()) return "kalvo001.xml";
    std::string name = kalenderdatei.substr(kalenderdatei.find_last_of("/\\") + 1);
    const std::size_t punkt = name.find_last_of('.');
    if (punkt != std::string::npos && punkt > 0) name.resize(punkt);
    return name + ".xml";
}

namespace {
// Whether the text is printable ASCII without a character that needs escaping: then it is
// written as it is.
bool UnveraendertXml(std::string_view utf8) {
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c >= 0x80 || c == '&' || c == '<' || c == '>') return false;
    }
    return true;
}
}  // namespace

std::string XmlExportText(std::string_view utf8) {
    if (UnveraendertXml(utf8)) return std::string(utf8);
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t anfang = i;
        const char32_t c = Naechstes(utf8, i);
        if (!XmlZeichen(c)) {
            // XML 1.0 cannot hold a C0 control (TAB, LF and CR aside) nor NUL, not even as a
            // reference: dropped. What is no character at all becomes U+FFFD.
            if (c >= 0x20) s += "&#xFFFD;";
        } else if (c == '&') {
            s += "&amp;";
        } else if (c == '<') {
            s += "&lt;";
        } else if (c == '>') {
            s += "&gt;";
        } else if (c == 0xA9) {
            s += "&#169;";
        } else if (c >= 0x80 && (c < 0xA0 || c > 0xFF)) {
            // The euro sign and the rest of the code page's 0x80–0x9F, and whatever else
            // ISO-8859-1 cannot hold, as references every parser reads alike.
            char p[16];
            std::snprintf(p, sizeof p, "&#x%X;", static_cast<unsigned>(c));
            s += p;
        } else {
            s.append(utf8.substr(anfang, i - anfang));
        }
    }
    return s;
}

std::string XmlExportieren(const TKalender& kal, const Xmlauftrag& a,
                           const std::function<void(int)>& fortschritt) {
    std::string alles;
    XmlExportSchreiben(
        kal, a, [&alles](std::string_view stueck) { alles.append(stueck); }, fortschritt);
    return alles;
}

void XmlExportSchreiben(const TKalender& kal, const Xmlauftrag& a,
                        const std::function<void(std::string_view)>& ziel,
                        const std::function<void(int)>& fortschritt) {
    Schreiber w(ziel);
    w.Zeile("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    w.Zeile("<!DOCTYPE TERMINLISTE SYSTEM \"kalvora.dtd\">");
    w.Zeile("<?xml-stylesheet type=\"text/xsl\" href=\"" + XslName(a.herkunft) + ".xsl\"?>");
    w.Zeile("<TERMINLISTE>");
    w.Zeile("  <DATEIINFOS>");
    w.Element("    ", "COPYRIGHT", XmlExportText(drucktexte::Herstellerzeile));
    w.Element("    ", "VERSION", "Kalvora Version " + XmlExportText(Dateiversion()));
    w.Element("    ", "ERSTELLT_AM", Punkte({a.jetzt.tag, a.jetzt.monat, a.jetzt.jahr}));
    w.Element("    ", "ERSTELLT_UM",
              Zwei(a.jetzt.stunde) + ":" + Zwei(a.jetzt.minute) + ":" + Zwei(a.jetzt.sekunde));
    w.Element("    ", "QUELLE", XmlExportText(a.quelle));
    w.Zeile("  </DATEIINFOS>");
    w.Zeile("  <BENANNTEFARBEN>");
    for (int k = 1; k <= AnzahlFarben; ++k) {
        if (kal.Farbnamen[static_cast<std::size_t>(k)] == FreiName) continue;
        w.Zeile("    <FARBE>");
        w.Element("      ", "FARBNAME", XmlExportText(kal.Farbnamen[static_cast<std::size_t>(k)]));
        w.Element("      ", "FARBWERT", Rgb(kal.Farbwerte[static_cast<std::size_t>(k)]));
        w.Zeile("    </FARBE>");
    }
    w.Zeile("  </BENANNTEFARBEN>");
    w.Zeile("  <ZEITRAUM>");
    w.Element("    ", "STARTDATUM", Punkte(a.von));
    w.Element("    ", "ENDDATUM", Punkte(a.bis));

    const int32_t erster = Tagesnummer(a.von.tag, a.von.monat, a.von.jahr);
    const int32_t letzter = Tagesnummer(a.bis.tag, a.bis.monat, a.bis.jahr);
    const bool wochen = a.herkunft == Xmlherkunft::MonatMitWochen;
    const Personentage geburtstage(kal, &TGeburtstag::Geburtsdatum);
    const Personentage namenstage(kal, &TGeburtstag::Namenstag);
    int gemeldet = -1;
    for (int32_t n = erster; n <= letzter; ++n) {
        const Datum d = DatumAusTagesnummer(n);
        if (!TKalender::ImBereich(d.jahr, d.monat, d.tag)) continue;
        const int wotag = Wochentag(d.tag, d.monat, d.jahr);
        if (wochen && (n == erster || wotag == 1)) w.Zeile("    <WOCHE>");
        w.Zeile("    <TAG>");
        w.Element("      ", "WOTAG", Wochentagsname(wotag));
        w.Element("      ", "DATUM", Punkte(d));
        bool offen = false;
        geburtstage.Jede(d, [&](const TGeburtstag& g, int geburtsjahr) {
            if (!offen) w.Zeile("      <GEBURTSTAG>");
            offen = true;
            w.Zeile("        <PERSON>");
            w.Element("          ", "NAME", XmlExportText(g.Vorname + " " + g.Name));
            w.Element("          ", "ALTER", std::to_string(d.jahr - geburtsjahr));
            w.Zeile("        </PERSON>");
        });
        if (offen) w.Zeile("      </GEBURTSTAG>");
        offen = false;
        namenstage.Jede(d, [&](const TGeburtstag& g, int) {
            if (!offen) w.Zeile("      <NAMENSTAG>");
            offen = true;
            w.Element("          ", "NAME", XmlExportText(g.Vorname + " " + g.Name));
        });
        if (offen) w.Zeile("      </NAMENSTAG>");
        const TTagesfarben& farben = kal.Tagesfarben(d.jahr, d.monat, d.tag);
        if (!farben.empty()) {
            w.Zeile("      <TAGESFARBEN>");
            for (uint32_t f : farben) w.Element("        ", "WERT", Rgb(f));
            w.Zeile("      </TAGESFARBEN>");
        }
        const TTerminliste& liste = kal.Terminliste(d.jahr, d.monat, d.tag);
        if (!liste.empty()) {
            if (!liste[0].Beschreibung.empty())
                w.Element("      ", "TAGESINFO", XmlExportText(liste[0].Beschreibung.sicht()));
            for (std::size_t i = 1; i < liste.size(); ++i) {
                // A time or duration no clock can use (a hand-edited file) is written as
                // the next save of the calendar will hold it.
                TTermin repariert;
                if (TerminReparaturNoetig(liste[i])) {
                    repariert = liste[i];
                    TerminReparieren(repariert);
                }
                const TTermin& t = TerminReparaturNoetig(liste[i]) ? repariert : liste[i];
                w.Zeile("      <TERMIN>");
                w.Element("        ", "STARTZEIT", XmlExportText(t.Uhrzeit.sicht()));
                w.Element("        ", "DAUER", std::to_string(t.Dauer));
                w.Element("        ", "ENDZEIT", ZeitPlusMinuten(t.Uhrzeit.sicht(), t.Dauer));
                w.Element("        ", "BESCHREIBUNG", XmlExportText(t.Beschreibung.sicht()));
                w.Element("        ", "ORT", XmlExportText(t.Ort.sicht()));
                w.Element("        ", "TERMINFARBE", Rgb(t.Farbe));
                if (!t.Kategorie.empty())
                    w.Element("        ", "KATEGORIE", XmlExportText(t.Kategorie.sicht()));
                if (!t.Link.empty()) w.Element("        ", "LINK", XmlExportText(t.Link.sicht()));
                w.Zeile("      </TERMIN>");
            }
        }
        w.Zeile("    </TAG>");
        if (wochen && (n == letzter || wotag == 0)) w.Zeile("    </WOCHE>");
        if (fortschritt && letzter > erster) {
            const int p = static_cast<int>(int64_t{n - erster} * 100 / (letzter - erster));
            if (p != gemeldet) fortschritt(gemeldet = p);
        }
    }
    w.Zeile("  </ZEITRAUM>");
    w.Zeile("</TERMINLISTE>");
    w.Weitergeben(true);
}

std::vector<std::string> XmlBegleitdateienSchreiben(
    Xmlherkunft h, bool xsl, bool dtd,
    const std::function<std::string(const std::string& name)>& gefunden,
    const std::string& zielordner, const Dateischreiber& schreiben) {
    std::vector<std::string> namen;
    if (xsl) namen.push_back(XslName(h) + ".xsl");
    if (dtd) namen.push_back(DtdName);
    return BegleitdateienKopieren(namen, gefunden, zielordner, schreiben);
}

std::vector<std::string> BegleitdateienKopieren(
    const std::vector<std::string>& namen,
    const std::function<std::string(const std::string& name)>& gefunden,
    const std::string& zielordner, const Dateischreiber& schreiben) {
    namespace fs = std::filesystem;
    std::vector<std::string> geschrieben;
    for (const std::string& name : namen) {
        const fs::path ziel = fs::path(zielordner) / name;
        std::error_code f;
        if (fs::exists(ziel, f)) continue;
        const std::string quelle = gefunden(name);
        if (quelle.empty()) continue;
        if (schreiben) {
            schreiben(ziel.string(), DateiEinlesen(quelle));
        } else if (!fs::copy_file(quelle, ziel, fs::copy_options::skip_existing, f) || f) {
            throw KalvoraFehler("Die Datei " + ziel.string() +
                                " konnte nicht geschrieben werden" +
                                (f ? " (" + f.message() + ")." : "."));
        }
        geschrieben.push_back(ziel.string());
    }
    return geschrieben;
}

std::vector<std::string> XmlAusgabedateien() {
    return {XmlAusgabeXml, XmlAusgabeHtml, "kalvora.xsl", "kalvorawoche.xsl", "kalvoramonat.xsl",
            DtdName};
}

void XmlAusgabeordnerLeeren(const std::string& ordner) {
    namespace fs = std::filesystem;
    for (const std::string& name : XmlAusgabedateien()) {
        const fs::path pfad = fs::path(ordner) / name;
        std::error_code f;
        const fs::file_status art = fs::symlink_status(pfad, f);
        if (f || !fs::exists(art) || fs::is_directory(art)) continue;
        if (!fs::remove(pfad, f) && f)
            throw KalvoraFehler("Die Datei " + pfad.string() + " kann nicht gelöscht werden (" +
                                f.message() + ").");
    }
}

}  // namespace kalvora
