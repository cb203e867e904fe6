// Readers of the command-line arguments and the German texts of their faults.
#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>

#include "app/cli/Befehle.h"
#include "kalender/TKalender.h"
#include "methoden/Fehler.h"

namespace kalvora::cli {

std::string Programmordner() {
    std::error_code ec;
    const auto programm = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : programm.parent_path().string();
}

std::string Begleitdatei(const std::string& name) {
    const std::string programm = Programmordner();
    std::vector<std::string> ordner;
    if (!programm.empty()) {
        ordner.push_back(programm);
        ordner.push_back(programm + "/daten");
        ordner.push_back(programm + "/../share/kalvora");
    }
    ordner.insert(ordner.end(), {"/usr/local/share/kalvora", "/usr/share/kalvora"});
#ifdef KALVORA_DATENVERZEICHNIS
    ordner.push_back(KALVORA_DATENVERZEICHNIS);
#endif
    for (const std::string& o : ordner) {
        std::error_code f;
        const std::filesystem::path pfad = std::filesystem::path(o) / name;
        if (std::filesystem::is_regular_file(pfad, f)) return pfad.string();
    }
    return {};
}

Zeitpunkt JetztOrtszeit() {
    const std::time_t t = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&t, &ortszeit);
    return {ortszeit.tm_year + 1900, ortszeit.tm_mon + 1, ortszeit.tm_mday,
            ortszeit.tm_hour,        ortszeit.tm_min,     ortszeit.tm_sec};
}

std::string Zeilentext(const std::string& text) {
    std::string s;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\') s += "\\\\";
        else if (c == '\t') s += "\\t";
        else if (c == '\n') s += "\\n";
        else if (c == '\r') s += "\\r";
        else if (b < 0x20 || b == 0x7F) {
            static const char ziffern[] = "0123456789ABCDEF";
            s += {'\\', 'x', ziffern[b >> 4], ziffern[b & 0xF]};
        } else {
            s.push_back(c);
        }
    }
    return s;
}

std::string Gezeigt(const std::string& argument) {
    return argument.empty() ? "\"\"" : argument;
}

void ArgumentFehlt(const std::string& platzhalter) {
    throw Aufruffehler("Es fehlt das Argument " + platzhalter);
}

void ArgumentZuviel(const std::string& argument) {
    throw Aufruffehler("Überzähliges Argument: " + Gezeigt(argument));
}

void AnzahlPruefen(const std::vector<std::string>& a, const std::vector<std::string>& namen) {
    if (a.size() < namen.size()) ArgumentFehlt(namen[a.size()]);
    if (a.size() > namen.size()) ArgumentZuviel(a[namen.size()]);
}

Datum DatumArgument(const std::string& text) {
    try {
        return DatumAusWert(TextAlsDatum(text));
    } catch (const KalvoraFehler&) {
        throw Aufruffehler(Gezeigt(text) + " ist kein gültiges Datum (TT.MM.JJJJ)");
    }
}

Datum ZeitraumDatum(const std::string& text) {
    const Datum d = DatumArgument(text);
    if (d.jahr < ErstesJahr || d.jahr > LetztesJahr)
        throw Aufruffehler(Gezeigt(text) + " liegt nicht zwischen 1901 und 2099");
    return d;
}

std::optional<int> Ganzzahl(const std::string& text) {
    int zahl = 0;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    if (ec != std::errc() || p != ende) return std::nullopt;
    return zahl;
}

int JahrArgument(const std::string& text) {
    const auto jahr = Ganzzahl(text);
    if (!jahr || *jahr < 1 || *jahr > 9999)
        throw Aufruffehler(Gezeigt(text) + " ist keine Jahreszahl von 1 bis 9999");
    return *jahr;
}

const std::string& DateiArgument(const std::string& text) {
    if (text.empty()) throw Aufruffehler("\"\" ist kein Dateiname");
    return text;
}

int UhrzeitArgument(const std::string& text) {
    const auto ziffer = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() == 5 && ziffer(text[0]) && ziffer(text[1]) && text[2] == ':' &&
        ziffer(text[3]) && ziffer(text[4])) {
        const int hh = (text[0] - '0') * 10 + (text[1] - '0');
        const int mm = (text[3] - '0') * 10 + (text[4] - '0');
        if (hh < 24 && mm < 60) return hh * 60 + mm;
    }
    throw Aufruffehler(Gezeigt(text) + " ist keine gültige Uhrzeit (HH:MM, 00:00 bis 23:59)");
}

}  // namespace kalvora::cli
