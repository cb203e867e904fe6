#include "extras/Versionspruefung.h"

#include <charconv>

namespace kalvora {

std::optional<Versionsnummer> VersionLesen(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    Versionsnummer v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::size_t ende = i + 1 < v.size() ? text.find('.') : text.size();
        if (ende == std::string_view::npos || ende == 0 || ende > 9) return std::nullopt;
        const std::string_view teil = text.substr(0, ende);
        const auto [p, ec] = std::from_chars(teil.data(), teil.data() + teil.size(), v[i]);
        if (ec != std::errc() || p != teil.data() + teil.size() || v[i] < 0) return std::nullopt;
        text.remove_prefix(i + 1 < v.size() ? ende + 1 : ende);
    }
    return v;
}

Updateergebnis UpdateAuswerten(const std::optional<std::string>& heruntergeladen,
                               const std::string& aktuelleVersion) {
    Updateergebnis e;
    if (!heruntergeladen) {
        e.text = updatetexte::KeineVerbindung;
        return e;
    }
    std::string_view alles = *heruntergeladen;
    // An editor on Windows may put a byte-order mark before the version.
    if (alles.substr(0, 3) == "\xEF\xBB\xBF") alles.remove_prefix(3);
    const std::string_view zeile = alles.substr(0, alles.find('\n'));
    const auto entfernt = VersionLesen(zeile);
    const auto hier = VersionLesen(aktuelleVersion);
    if (!entfernt || !hier) {
        // A page of a proxy or a broken file is no answer of the server.
        e.text = updatetexte::KeineVerbindung;
        return e;
    }
    e.verbunden = true;
    if (*hier < *entfernt) {
        std::string text(zeile);
        while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
        while (!text.empty() && text.front() == ' ') text.erase(0, 1);
        e.text = "Es ist eine neue Version verfügbar\r\nVersion: " + text +
                 "\r\nMöchten Sie zur Webseite gehen?";
        e.neuer = true;
    } else {
        e.text = updatetexte::Aktuell;
    }
    return e;
}

std::string Versionszeile(const std::optional<std::string>& version, const std::string& datum) {
    std::string zeile = version ? "Version " + *version : "Version 3.1";
    return zeile + "   (" + datum + ")";
}

}  // namespace kalvora
