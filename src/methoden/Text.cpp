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

std::size_t Streuwert(std::string_view s) {
    // FNV-1a over at most the first and last 16 bytes: enough to tell texts apart.
    uint64_t h = 1469598103934665603ull ^ s.size();
    const auto mischen = [&h](std::string_view t) {
        for (unsigned char c : t) h = (h ^ c) * 1099511628211ull;
    };
    if (s.size() <= 32) {
        mischen(s);
    } else {
        mischen(s.substr(0, 16));
        mischen(s.substr(s.size() - 16));
    }
    return static_cast<std::size_t>(h ^ (h >> 29));
}
}  // namespace

TTextablage::TTextablage(std::size_t erwartet)
    : naechsteGroesse_(std::clamp<std::size_t>(erwartet + 64, 256, kBlockGroesse)) {}

TTextablage::~TTextablage() {
    if (block_) TText::Freigeben(block_);
}

char* TTextablage::Platz(std::size_t n) {
    if (n + 1 > frei_) {
        if (block_) TText::Freigeben(block_);
        const std::size_t groesse = std::max(naechsteGroesse_, n + 1);
        naechsteGroesse_ = kBlockGroesse;
        block_ = TText::NeuerBlock(groesse);
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
    TText& alt = zuletzt_[Streuwert(s) & (kZuletzt - 1)];
    if (alt.sicht() == s) return alt;
    d[n] = '\0';
    TText t;
    t.w_.kopf = block_;
    t.w_.versatz = static_cast<uint32_t>(benutzt_);
    t.w_.laenge = static_cast<uint32_t>(TText::kHeap) << 24 | static_cast<uint32_t>(n);
    block_->zaehler.fetch_add(1, std::memory_order_relaxed);
    benutzt_ += n + 1;
    frei_ -= n + 1;
    alt = t;
    return t;
}

TText TTextablage::Utf8(std::string_view s) {
    if (s.size() <= TText::kInnen) return TText(s);
    if (s.size() >= TText::kLaengeMaske) return TText(s);
    std::memcpy(Platz(s.size()), s.data(), s.size());
    return Abschliessen(s.size());
}

TText TTextablage::Cp1252(std::string_view bytes) {
    std::size_t hoch = 0;
    for (char c : bytes) hoch += static_cast<unsigned char>(c) >> 7;
    if (hoch == 0) return Utf8(bytes);
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
