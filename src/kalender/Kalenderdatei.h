#pragma once
// The calendar file: the writer of the current text form "Ver 3.3" and the readers of every
// form the program opens ("Ver 3.3", "Ver 3.2", the old binary record with its ".TxT"
// companion, and the CSV import).
//
// Loading: KalenderdateiLesen empties the day colours and day lists (FarbenLeeren,
// TermineLeeren) and hands the bytes to the reader the first line asks for. The caller (the
// file session) then runs FarbtabelleAbgleichen and clears `geaendert`; the readers do neither.
//
// Malformed text stops the load with a KalvoraFehler naming the fault and its line; the
// document keeps what was read before it. Accepted beyond the written form: bare LF line
// ends, a missing line end on the last line, and a leading UTF-8 byte-order mark (the rest
// of such a file is then read as UTF-8).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Dateiform { Ver33, Ver32, Binaer, Csv };

using Fortschritt = std::function<void(int)>;

struct LadeOptionen {
    Fortschritt fortschritt;  // 0..100
    // The old binary form reports its faults as warnings and goes on with the companion file.
    std::function<void(const std::string&)> warnung;
};

// Size of the record of the old binary form.
constexpr std::size_t kBinaersatzGroesse = 301312;

// The texts of the binary reader's two warnings.
extern const char* const kMeldungAlteDateiversion;
extern const char* const kMeldungKeineKalvoraDatei;

// The whole document as "Ver 3.3" bytes (Windows-1252, CR LF). Progress: 50 after the day
// colours, then rising towards 100 over the years of the appointments. Throws KalvoraFehler
// for a text that the file cannot hold unchanged (a character outside Windows-1252, '#' in an
// appointment, a line break, an unusable time); nothing is written then.
std::string KalenderAlsVer33(const TKalender& kal, const Fortschritt& fortschritt = {});

// Reads the file (and, for the binary form, "<pfad>.TxT" if it exists). Throws KalvoraFehler
// when the file cannot be read or its text is malformed.
Dateiform KalenderdateiLesen(TKalender& kal, const std::string& pfad,
                             const LadeOptionen& optionen = {});

// The same from bytes in memory; begleittext is the companion text of the binary form
// (std::nullopt: there is none).
Dateiform KalenderAusBytesLesen(TKalender& kal, std::string_view bytes,
                                std::optional<std::string_view> begleittext,
                                const LadeOptionen& optionen = {});

// The whole file into memory; KalvoraFehler with the system's reason when it cannot be read.
std::string DateiEinlesen(const std::string& pfad);

}  // namespace kalvora
