#include "methoden/Text.h"

#include <algorithm>
#include <new>
#include <ostream>

#include "methoden/Zeichensatz.h"

namespace kalvora {

TText::Kopf* TText::NeuerBlock(std::size_t bytes) {
    void* p = ::operator new(sizeof(Kopf) + bytes);
    auto* k = new (p) Kopf;
    k->zaehler.store(1, std::memory_order_relaxed);
    k->groesse = 0;
    return k;
}

void TText::Freigeben(Kopf* k) noexcept {
    if (k->zaehler.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    k->~Kopf();
    ::operator delete(k);
}

void TText::Setzen(std::string_view s) {
    if (s.size() <= kInnen) {
        Leer();
        char* d = reinterpret_cast<char*>(&w_);
        if (!s.empty()) std::memcpy(d, s.data(), s.size());
        reinterpret_cast<uint8_t*>(&w_)[15] = static_cast<uint8_t>(kInnen - s.size());
        return;
    }
    // Beyond the 32-bit length a block holds, nothing in a calendar file can reach: the
    // reader refuses files above 256 MB.
    Kopf* k = NeuerBlock(s.size() + 1);
    char* d = reinterpret_cast<char*>(k + 1);
    std::memcpy(d, s.data(), s.size());
    d[s.size()] = '\0';
    k->groesse = static_cast<uint32_t>(s.size());
    w_.kopf = k;
    w_.versatz = 0;
    w_.laenge = static_cast<uint32_t>(kHeap) << 24 |
                static_cast<uint32_t>(std::min<std::size_t>(s.size(), kLaengeMaske));
}

TText& TText::operator+=(std::string_view s) {
    std::string neu(sicht());
    neu.append(s);
    return *this = neu;
}

std::string TText::Verbunden(std::string_view a, std::string_view b) {
    std::string s;
    s.reserve(a.size() + b.size());
    s.append(a);
    s.append(b);
    return s;
}

std::ostream& operator<<(std::ostream& aus, const TText& t) { return aus << t.sicht(); }

// ----------------------------------------------------------------------------------------

namespace {
constexpr std::size_t kBlockGroesse = std::size_t{1} << 20;
constexpr std::size_t kZuletzt = 4096;  // a power of two

uint64_t Wort8(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Texts of the store are longer than 15 bytes: four words from the front and the back
// (overlapping for short ones) with the length are enough to tell them apart, and cost a few
// multiplications instead of one per byte.
std::size_t Streuwert(std::string_view s) {
    const char* p = s.data();
    const std::size_t n = s.size();
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    if (n >= 16) {
        h = (h ^ Wort8(p)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ Wort8(p + 8)) * 0x94D049BB133111EBull;
        h = (h ^ Wort8(p + n - 16)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ Wort8(p + n - 8)) * 0x94D049BB133111EBull;
    } else {
        for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    }
    return static_cast<std::size_t>(h ^ (h >> 31));
}

// Whether a byte has the high bit set; eight at a time.
bool MitHohemBit(std::string_view s) {
    const char* p = s.data();
    std::size_t n = s.size();
    uint64_t oder = 0;
    for (; n >= 8; p += 8, n -= 8) oder |= Wort8(p);
    for (; n > 0; ++p, --n) oder |= static_cast<unsigned char>(*p);
    return (oder & 0x8080808080808080ull) != 0;
}
}  // namespace

// A block of the store starts with this many references in advance; the texts handed out
// are counted here and the unused rest is given back when the store ends, so handing out a
// text costs no atomic operation. More texts than this a read of at most 256 MB cannot give.
constexpr uint32_t kVorschuss = uint32_t{1} << 31;

TTextablage::TTextablage(std::size_t erwartet)
    : naechsteGroesse_(std::clamp<std::size_t>(erwartet + 64, 256, kBlockGroesse)) {}

TTextablage::~TTextablage() {
    for (const Block& b : bloecke_) {
        const uint32_t zurueck = kVorschuss - b.ausgegeben;
        if (b.kopf->zaehler.fetch_sub(zurueck, std::memory_order_acq_rel) == zurueck) {
            b.kopf->~Kopf();
            ::operator delete(b.kopf);
        }
    }
}

char* TTextablage::Platz(std::size_t n) {
    if (n + 1 > frei_) {
        const std::size_t groesse = std::max(naechsteGroesse_, n + 1);
        naechsteGroesse_ = kBlockGroesse;
        block_ = TText::NeuerBlock(groesse);
        block_->zaehler.store(kVorschuss, std::memory_order_relaxed);
        bloecke_.push_back({block_, 0});
        frei_ = groesse;
        benutzt_ = 0;
    }
    return reinterpret_cast<char*>(block_ + 1) + benutzt_;
}

// The n bytes written at Platz() become a text, or the same text seen shortly before is
// handed out again and the space stays free.
TText TTextablage::Abschliessen(std::size_t n) {
    char* d = reinterpret_cast<char*>(block_ + 1) + benutzt_;
    const std::string_view s(d, n);
    if (zuletzt_.empty()) zuletzt_.resize(kZuletzt);
    Zuletzt& alt = zuletzt_[Streuwert(s) & (kZuletzt - 1)];
    TText t;
    if (alt.wort.kopf &&
        std::string_view(reinterpret_cast<const char*>(alt.wort.kopf + 1) + alt.wort.versatz,
                         alt.wort.laenge & TText::kLaengeMaske) == s) {
        t.w_ = alt.wort;
        ++bloecke_[alt.block].ausgegeben;
        return t;
    }
    d[n] = '\0';
    t.w_.kopf = block_;
    t.w_.versatz = static_cast<uint32_t>(benutzt_);
    t.w_.laenge = static_cast<uint32_t>(TText::kHeap) << 24 | static_cast<uint32_t>(n);
    ++bloecke_.back().ausgegeben;
    benutzt_ += n + 1;
    frei_ -= n + 1;
    alt = {t.w_, static_cast<uint32_t>(bloecke_.size() - 1)};
    return t;
}

TText TTextablage::Utf8(std::string_view s) {
    if (s.size() <= TText::kInnen) return TText(s);
    if (s.size() >= TText::kLaengeMaske) return TText(s);
    std::memcpy(Platz(s.size()), s.data(), s.size());
    return Abschliessen(s.size());
}

TText TTextablage::Cp1252(std::string_view bytes) {
    // Most texts are ASCII: they need no table and no counting.
    if (!MitHohemBit(bytes)) return Utf8(bytes);
    std::size_t hoch = 0;
    for (char c : bytes) hoch += static_cast<unsigned char>(c) >> 7;
    // ASCII stays, Latin-1 takes two bytes; the rare 0x80..0x9F go the general way.
    std::size_t n = bytes.size() + hoch;
    if (n <= TText::kInnen || n >= TText::kLaengeMaske) return TText(Cp1252NachUtf8(bytes));
    char* o = Platz(n);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            *o++ = ch;
        } else if (b >= 0xA0) {
            *o++ = static_cast<char>(0xC0 | (b >> 6));
            *o++ = static_cast<char>(0x80 | (b & 0x3F));
        } else {
            return Utf8(Cp1252NachUtf8(bytes));
        }
    }
    return Abschliessen(n);
}

}  // namespace kalvora
