// The serial mail's text file on any bytes, read as the command reads it (UTF-8, else
// Windows-1252): either it is refused with a German message naming the limit, or every
// entry's URL is a mailto: address of URL characters only whose body decodes to the text's
// lines with the placeholders replaced.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "adressbuch/Adressmail.h"
#include "methoden/Fehler.h"

using namespace kalvora;

namespace {

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    std::abort();
}

std::string Dekodiert(std::string_view s) {
    std::string d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            d += s[i];
            continue;
        }
        if (i + 2 >= s.size()) std::abort();
        d += static_cast<char>(Hex(s[i + 1]) * 16 + Hex(s[i + 2]));
        i += 2;
    }
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string text =
        SerienmailText(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    TAdresse a{};
    a[adressfeld::Anrede] = "Frau";
    a[adressfeld::Name] = "Müller & Söhne";
    a[adressfeld::Vorname] = "Änne <name>";
    a[adressfeld::Email] = "a@example.de; b@example.de";
    std::string url;
    try {
        url = SerienmailUrl(a, "Betreff <name>", text, true);
    } catch (const KalvoraFehler& f) {
        if (std::string(f.what()).find("MB") == std::string::npos) std::abort();
        return 0;
    }
    if (url.rfind("mailto:", 0) != 0) std::abort();
    for (unsigned char c : url)
        if (c <= ' ' || c >= 0x7F || c == '"' || c == '<' || c == '>') std::abort();
    const std::size_t body = url.find("&body=");
    if (body == std::string::npos) std::abort();
    std::string erwartet;
    for (std::size_t anfang = 0; anfang <= text.size();) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) ende = text.size();
        std::string z = text.substr(anfang, ende - anfang);
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (ende < text.size() || !z.empty()) erwartet += Platzhalterersetzen(z, a) + "\r\n";
        anfang = ende + 1;
    }
    if (Dekodiert(std::string_view(url).substr(body + 6)) != erwartet) std::abort();
    return 0;
}
