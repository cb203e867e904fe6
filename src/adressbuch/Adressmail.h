#pragma once
// The mail commands of the address book as mailto: addresses (RFC 6068): one entry, the whole
// open list, and the serial mail with its placeholders. Addresses, subject and body are
// percent-encoded UTF-8, so "&", "?", "#", "%" and umlauts arrive as typed.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "adressbuch/Adressbuch.h"

namespace kalvora {

namespace mailtexte {
inline constexpr const char* Serientitel = "Serien Email";
inline constexpr const char* BetreffUndText =
    "Bitte geben Sie einen Betreff und einen Text ein!";
}  // namespace mailtexte

// With eineAdresse: the text before the first ',' or ';' (the whole field without either);
// otherwise the whole field.
std::string ErsteAdresse(const std::string& feld, bool eineAdresse);

// Percent-encodes everything but the characters RFC 3986 leaves unreserved (and '@').
std::string MailtoKodieren(std::string_view utf8);

// "mailto:" with the entry's address(es); empty when it has none.
std::string MailtoEintrag(const TAdresse& a, bool eineAdresse);
// One "mailto:" with every entry's address(es), joined by ','; empty when none has one.
std::string MailtoGruppe(const std::vector<TAdresse>& eintraege, bool eineAdresse);

// The most a serial mail may hold: its subject and text together, before and after the
// placeholders are replaced. No mail program takes more, and a longer one would make URLs of
// gigabytes.
inline constexpr std::size_t kHoechsteSerienmaillaenge = std::size_t{1} << 20;
// The text of a serial mail from a file's bytes: UTF-8 as an editor writes it, else an old
// file in Windows-1252.
std::string SerienmailText(std::string_view bytes);

// Empty when subject and text are short enough; otherwise the message that refuses them.
std::string SerienmailZuLang(const std::string& betreff, const std::string& text);

// A line of the serial mail with "<sg>", "<mfg>", "<vg>", "<anrede>", "<name>" and
// "<vorname>" replaced, in that order. Throws KalvoraFehler naming the limit when the line
// would grow beyond grenze bytes.
std::string Platzhalterersetzen(std::string zeile, const TAdresse& a,
                                std::size_t grenze = kHoechsteSerienmaillaenge);
// The URL of one entry's mail (an entry without address gets one without recipient). Throws
// KalvoraFehler when subject and text are too long, also once the placeholders are in.
std::string SerienmailUrl(const TAdresse& a, const std::string& betreff, const std::string& text,
                          bool eineAdresse);
// One URL per entry, in list order.
std::vector<std::string> SerienmailUrls(const std::vector<TAdresse>& eintraege,
                                        const std::string& betreff, const std::string& text,
                                        bool eineAdresse);

}  // namespace kalvora
