#pragma once
// Line-by-line access to a text file, held in memory whole or supplied block by block, and
// the small conversions its readers share. Lines end at LF; a CR directly before the LF
// belongs to the line end, so files with CR LF and with bare LF read alike.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "methoden/Text.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {

// Supplies the rest of a file block by block, so that a large file is never in memory whole.
class Nachschub {
public:
    virtual ~Nachschub() = default;
    // Appends the next bytes to puffer; false when nothing is left. zeilenDavor: the lines
    // that came before the bytes puffer holds (for a fault's line number).
    virtual bool Anhaengen(std::string& puffer, int zeilenDavor) = 0;
};

class Zeilenleser {
public:
    explicit Zeilenleser(std::string_view daten, std::size_t start = 0, int nummer = 0)
        : daten_(daten), pos_(start), nummer_(nummer) {}
    // Lines from puffer, refilled from quelle whenever it holds no complete line. A line
    // handed out stays valid until the next call.
    Zeilenleser(Nachschub& quelle, std::string& puffer)
        : daten_(puffer), pos_(0), nummer_(0), quelle_(&quelle), puffer_(&puffer) {}
    Zeilenleser(Zeilenleser&&) = default;
    Zeilenleser(const Zeilenleser&) = delete;
    Zeilenleser& operator=(const Zeilenleser&) = delete;

    // A reader of the lines already in memory from here on, for looking ahead; it never
    // refills and leaves this one where it is.
    Zeilenleser Vorschau() const { return Zeilenleser(daten_, pos_, nummer_); }

    // The next line without its line end; false at the end of the data.
    bool Naechste(std::string_view& zeile) {
        if (quelle_) Auffuellen();
        if (pos_ >= daten_.size()) return false;
        const char* anfang = daten_.data() + pos_;
        const std::size_t rest = daten_.size() - pos_;
        const void* lf = std::memchr(anfang, '\n', rest);
        std::size_t laenge = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - anfang)
                                : rest;
        pos_ += lf ? laenge + 1 : laenge;
        if (lf && laenge > 0 && anfang[laenge - 1] == '\r') --laenge;
        zeile = std::string_view(anfang, laenge);
        ++nummer_;
        return true;
    }

    // Number (from 1) of the line last returned.
    int Nummer() const { return nummer_; }

    // For reading ahead in parts: at least mindestens bytes in memory from here on (fewer at
    // the end of the file), the bytes in memory from here on, whether more may follow them,
    // and passing over bytes (and the lines they hold) read elsewhere.
    void Vorausfuellen(std::size_t mindestens) {
        while (quelle_ && daten_.size() - pos_ < mindestens) {
            puffer_->erase(0, pos_);
            verbraucht_ += pos_;
            pos_ = 0;
            if (!quelle_->Anhaengen(*puffer_, nummer_)) quelle_ = nullptr;
            daten_ = *puffer_;
        }
    }
    std::string_view Gepuffert() const { return daten_.substr(pos_); }
    bool MehrMoeglich() const { return quelle_ != nullptr; }
    void Ueberspringen(std::size_t bytes, int zeilen) {
        pos_ += bytes;
        nummer_ += zeilen;
    }
    // Bytes consumed from the start of the data.
    std::size_t Position() const { return verbraucht_ + pos_; }

private:
    // Until a whole line is in the buffer or the file has ended.
    void Auffuellen() {
        while (quelle_ && (pos_ >= daten_.size() ||
                           !std::memchr(daten_.data() + pos_, '\n', daten_.size() - pos_))) {
            puffer_->erase(0, pos_);
            verbraucht_ += pos_;
            pos_ = 0;
            if (!quelle_->Anhaengen(*puffer_, nummer_)) quelle_ = nullptr;
            daten_ = *puffer_;
        }
    }

    std::string_view daten_;
    std::size_t pos_;
    int nummer_;
    Nachschub* quelle_ = nullptr;
    std::string* puffer_ = nullptr;
    std::size_t verbraucht_ = 0;
};

// Reports position x 100 / size, but only when the percentage changed: the readers call it
// once per line.
class Fortschrittsmelder {
public:
    Fortschrittsmelder(const std::function<void(int)>& ziel, std::size_t groesse)
        : ziel_(ziel), groesse_(groesse ? groesse : 1) {}
    void Melden(std::size_t position) {
        if (!ziel_) return;
        const int wert = static_cast<int>(static_cast<uint64_t>(position) * 100 / groesse_);
        if (wert != letzter_) {
            letzter_ = wert;
            ziel_(wert);
        }
    }

private:
    const std::function<void(int)>& ziel_;
    std::size_t groesse_;
    int letzter_ = -1;
};

// True when no byte has the high bit set; checks eight bytes at a time.
inline bool IstAscii(std::string_view s) {
    const char* p = s.data();
    std::size_t n = s.size();
    while (n >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ull) return false;
        p += 8;
        n -= 8;
    }
    while (n--)
        if (static_cast<unsigned char>(*p++) & 0x80) return false;
    return true;
}

// Windows-1252 bytes of the file into a UTF-8 string. ASCII and the Latin-1 letters are
// converted here in one pass; the rare bytes 0x80..0x9F go through the general conversion.
inline void TextSetzen(std::string& ziel, std::string_view bytes) {
    if (IstAscii(bytes)) {
        ziel.assign(bytes.data(), bytes.size());
        return;
    }
    ziel.resize(bytes.size() * 2);
    char* o = ziel.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            *o++ = ch;
        } else if (b >= 0xA0) {
            *o++ = static_cast<char>(0xC0 | (b >> 6));
            *o++ = static_cast<char>(0x80 | (b & 0x3F));
        } else {
            ziel.clear();
            Cp1252NachUtf8Anhaengen(bytes, ziel);
            return;
        }
    }
    ziel.resize(static_cast<std::size_t>(o - ziel.data()));
}

// A two-byte UTF-8 character of Latin-1 (U+00A0..U+00FF) at text[i] is written as its one
// Windows-1252 byte; i then stands on its second byte. False for anything else.
inline bool Latin1Uebernehmen(std::string_view text, std::size_t& i, char*& o) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size()) return false;
    const auto f = static_cast<unsigned char>(text[i + 1]);
    const unsigned cp = ((b & 0x1Fu) << 6) | (f & 0x3Fu);
    if ((f & 0xC0) != 0x80 || cp < 0xA0) return false;
    *o++ = static_cast<char>(cp);
    ++i;
    return true;
}

// Equal when text, with A-Z lowered, is klein.
inline bool KleinGleich(std::string_view text, std::string_view klein) {
    if (text.size() != klein.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != klein[i]) return false;
    }
    return true;
}

// UTF-8 text appended as Windows-1252 bytes; false (ziel unchanged) when a character has no
// byte there. Same fast path as above, the general conversion for the rest.
inline bool Cp1252Anhaengen(std::string& ziel, std::string_view text) {
    const std::size_t start = ziel.size();
    ziel.resize(start + text.size());
    char* o = ziel.data() + start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            *o++ = static_cast<char>(b);
            continue;
        }
        if (Latin1Uebernehmen(text, i, o)) continue;
        ziel.resize(start);
        return Utf8NachCp1252Anhaengen(text, ziel);
    }
    ziel.resize(static_cast<std::size_t>(o - ziel.data()));
    return true;
}

inline std::string Text(std::string_view bytes) {
    std::string s;
    TextSetzen(s, bytes);
    return s;
}

inline void TextSetzen(TText& ziel, std::string_view bytes) {
    if (IstAscii(bytes))
        ziel = bytes;
    else
        ziel = Text(bytes);
}

// Hexadecimal as the files write it: at most 8 digits (a reader pads to 8), empty is 0.
inline bool HexLesen(std::string_view s, uint32_t& wert) {
    if (s.size() > 8) return false;
    uint32_t w = 0;
    for (char c : s) {
        int z;
        if (c >= '0' && c <= '9') z = c - '0';
        else if (c >= 'A' && c <= 'F') z = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') z = c - 'a' + 10;
        else return false;
        w = (w << 4) | static_cast<uint32_t>(z);
    }
    wert = w;
    return true;
}

// Non-negative decimal without sign, at most 2^31 - 1; empty is not a number.
inline bool DezimalLesen(std::string_view s, int32_t& wert) {
    if (s.empty() || s.size() > 10) return false;
    int64_t w = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        w = w * 10 + (c - '0');
    }
    if (w > INT32_MAX) return false;
    wert = static_cast<int32_t>(w);
    return true;
}

// A file text for an error message: UTF-8, cut to a readable length.
inline std::string Zitat(std::string_view bytes) {
    constexpr std::size_t kMax = 60;
    std::string s = Text(bytes.substr(0, kMax));
    if (bytes.size() > kMax) s += "…";
    return "\"" + s + "\"";
}

}  // namespace kalvora
