#pragma once
// The XML export of address groups: root ADRESSBUCH, one GRUPPE per chosen group, with the
// style sheet "kalvora-adressen.xsl" and the DTD "kalvora-adressen.dtd" beside it.
#include <string>
#include <vector>

#include "adressbuch/Adressbuch.h"
#include "platform/Uhr.h"

namespace kalvora {

inline constexpr const char* AdressXslName = "kalvora-adressen.xsl";
inline constexpr const char* AdressDtdName = "kalvora-adressen.dtd";

struct Adressxmlgruppe {
    std::string name;
    std::vector<TAdresse> eintraege;  // in the order they are written
};

// The addresses of an e-mail field as the export lists them: split at ',' where the rest
// has one, else at ';'; one leading blank dropped; empty pieces left out.
std::vector<std::string> XmlMailadressen(const std::string& feld);

// The file's bytes (ISO-8859-1 with character references, CR LF). Every text is escaped, so
// an '&' in a homepage or a '<' in a phone field cannot break the file.
std::string AdressenXml(const std::vector<Adressxmlgruppe>& gruppen, const Zeitpunkt& jetzt);

}  // namespace kalvora
