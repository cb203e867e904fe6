#pragma once
// The calendar file: the writer of the current text form "Ver 3.3" and the readers of every
// form the program opens ("Ver 3.3", "Ver 3.2", the old binary record with its ".TxT"
// companion, and the CSV import).
//
// Loading: KalenderdateiLesen empties the document (day colours, colour table, day lists,
// categories, links, birthdays; the day lists are refilled in place) and hands the bytes to
// the reader the first line asks for. The caller (the file session) then reconciles the colour
// table with the legend and clears `geaendert`; the readers do neither.
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
#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

namespace kalvora {

enum class Dateiform { Ver33, Ver32, Binaer, Csv };

// A fault that stopped the CSV import: unlike the other forms, the lines read before it stay
// in the document. The file itself was not fully read and must not be overwritten from it.
class TeilweiseGelesen : public KalvoraFehler {
public:
    using KalvoraFehler::KalvoraFehler;
};

using Fortschritt = std::function<void(int)>;

struct LadeOptionen {
    Fortschritt fortschritt;  // 0..100
    // The old binary form reports its faults as warnings and goes on with the companion file.
    std::function<void(const std::string&)> warnung;
    // The text forms are read from the file in blocks of this size, so that a large file is
    // never in memory whole (tests make it small to cut lines at every place).
    std::size_t blockgroesse = std::size_t{1} << 20;
    // From this many bytes in memory on (two blocks at a time) the appointment part can be
    // read on two threads, half and half; below it, and at the end of the part, line by line
    // (tests set 1 to cut everywhere). Off by default: measured on two cores, a fresh process
    // and a reload into the open document both got slower with the second thread (64 -> 74
    // ms and 48 -> 61 ms for the large calendar), since the read into new memory is bound by
    // the page faults the kernel serves one after the other; only a read into memory the
    // process had freed before gained (72 -> 48 ms).
    std::size_t halbierenAb = SIZE_MAX;
};

// Size of the record of the old binary form.
constexpr std::size_t kBinaersatzGroesse = 301312;

// The texts of the binary reader's two warnings.
extern const char* const kMeldungAlteDateiversion;
extern const char* const kMeldungKeineKalvoraDatei;
// Why a file that no reader accepts is refused.
extern const char* const kMeldungKeineLesbareDatei;

// The whole document as "Ver 3.3" bytes (Windows-1252, CR LF). Progress: 50 after the day
// colours, then rising towards 100 over the years of the appointments. Throws KalvoraFehler
// for a text that the file cannot hold unchanged (a character outside Windows-1252, '#' in an
// appointment, a line break, an unusable time or duration); nothing is written then.
std::string KalenderAlsVer33(const TKalender& kal, const Fortschritt& fortschritt = {});

// Whether the writer can store this time of an appointment so that it reads back as it was:
// five characters with a ':' and nothing that would end the first field early.
bool UhrzeitSchreibbar(std::string_view uhrzeit);

// The texts that end the category list and the link list in the file: an entry with that
// text cannot be stored.
inline constexpr std::string_view kEndeKategorien = "[Linkliste]";
inline constexpr std::string_view kEndeLinks = "[Tagesfarben]";

// Reads the file (and, for the binary form, "<pfad>.TxT" if it exists). Throws KalvoraFehler
// when the file cannot be read (naming it), its text is malformed (with the line), or no
// reader accepts it (a first line of no text form, no valid binary record and no companion
// text: kMeldungKeineLesbareDatei).
Dateiform KalenderdateiLesen(TKalender& kal, const std::string& pfad,
                             const LadeOptionen& optionen = {});

// The same from bytes in memory; begleittext is the companion text of the binary form
// (std::nullopt: there is none). Without a companion text, bytes that the binary reader
// rejects throw KalvoraFehler with its warning instead of giving an empty document. A run of
// NUL bytes at the end of a text form (what a crash can leave) is ignored; a NUL anywhere
// else is a format fault with its line number.
Dateiform KalenderAusBytesLesen(TKalender& kal, std::string_view bytes,
                                std::optional<std::string_view> begleittext,
                                const LadeOptionen& optionen = {});

}  // namespace kalvora
