#pragma once
// The texts of appointments: a document holds hundreds of thousands of them, most short,
// many repeated. A TText is 16 bytes: up to 15 bytes of UTF-8 live inside it, a longer text
// lives in a shared, reference-counted block. A text never changes in place (assigning gives
// it a new value), so copies share their bytes: a copy costs no allocation, and a file's
// reader puts all its long texts into a few large blocks instead of one allocation each.
#include <atomic>
#include <bit>
#include <compare>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

class TText {
public:
    static constexpr std::size_t kInnen = 15;

    TText() noexcept { Leer(); }
    TText(std::string_view s) { Setzen(s); }  // NOLINT: a text is made from any string
    TText(const std::string& s) : TText(std::string_view(s)) {}  // NOLINT
    TText(const char* s) : TText(std::string_view(s)) {}          // NOLINT
    TText(const TText& o) noexcept : w_(o.w_) { Halten(); }
    TText(TText&& o) noexcept : w_(o.w_) { o.Leer(); }
    ~TText() { Loslassen(); }

    TText& operator=(const TText& o) noexcept {
        TText k(o);
        swap(k);
        return *this;
    }
    TText& operator=(TText&& o) noexcept {
        TText k(std::move(o));
        swap(k);
        return *this;
    }
    // The source may be this text's own bytes: the new value is built before the old goes.
    TText& operator=(std::string_view s) {
        TText k(s);
        swap(k);
        return *this;
    }
    TText& operator=(const std::string& s) { return *this = std::string_view(s); }
    TText& operator=(const char* s) { return *this = std::string_view(s); }
    TText& operator+=(std::string_view s);

    void swap(TText& o) noexcept { std::swap(w_, o.w_); }
    void clear() noexcept { TText().swap(*this); }

    std::size_t size() const noexcept {
        if (!AmHeap()) return kInnen - Marke();
        const uint32_t n = w_.laenge & kLaengeMaske;
        return n == kLaengeMaske ? w_.kopf->groesse : n;
    }
    bool empty() const noexcept { return size() == 0; }
    // Always followed by a NUL.
    const char* data() const noexcept {
        return AmHeap() ? reinterpret_cast<const char*>(w_.kopf + 1) + w_.versatz
                        : reinterpret_cast<const char*>(&w_);
    }
    const char* c_str() const noexcept { return data(); }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }
    char operator[](std::size_t i) const noexcept { return data()[i]; }
    char back() const noexcept { return data()[size() - 1]; }

    std::string_view sicht() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return sicht(); }  // NOLINT
    std::string str() const { return std::string(sicht()); }
    operator std::string() const { return str(); }  // NOLINT

    friend bool operator==(const TText& a, const TText& b) noexcept {
        return (a.AmHeap() && b.AmHeap() && a.w_.kopf == b.w_.kopf &&
                a.w_.versatz == b.w_.versatz && a.w_.laenge == b.w_.laenge) ||
               a.sicht() == b.sicht();
    }
    friend bool operator==(const TText& a, std::string_view b) noexcept {
        return a.sicht() == b;
    }
    friend bool operator==(const TText& a, const std::string& b) noexcept {
        return a.sicht() == b;
    }
    friend bool operator==(const TText& a, const char* b) noexcept { return a.sicht() == b; }
    friend std::strong_ordering operator<=>(const TText& a, const TText& b) noexcept {
        return a.sicht() <=> b.sicht();
    }
    friend std::strong_ordering operator<=>(const TText& a, std::string_view b) noexcept {
        return a.sicht() <=> b;
    }

    friend std::string operator+(const TText& a, std::string_view b) {
        return Verbunden(a.sicht(), b);
    }
    friend std::string operator+(std::string_view a, const TText& b) {
        return Verbunden(a, b.sicht());
    }
    friend std::string operator+(const TText& a, const TText& b) {
        return Verbunden(a.sicht(), b.sicht());
    }
    friend std::string operator+(const TText& a, const std::string& b) {
        return Verbunden(a.sicht(), b);
    }
    friend std::string operator+(const std::string& a, const TText& b) {
        return Verbunden(a, b.sicht());
    }
    friend std::string operator+(const TText& a, const char* b) {
        return Verbunden(a.sicht(), b);
    }
    friend std::string operator+(const char* a, const TText& b) {
        return Verbunden(a, b.sicht());
    }
    friend std::string operator+(const TText& a, char b) {
        return Verbunden(a.sicht(), std::string_view(&b, 1));
    }
    friend std::string operator+(char a, const TText& b) {
        return Verbunden(std::string_view(&a, 1), b.sicht());
    }
    friend std::string& operator+=(std::string& a, const TText& b) {
        return a.append(b.data(), b.size());
    }
    friend std::ostream& operator<<(std::ostream& aus, const TText& t);

private:
    friend class TTextablage;

    // The head of a block; its bytes follow it.
    struct Kopf {
        std::atomic<uint32_t> zaehler;
        uint32_t groesse;  // bytes of a text that owns its block alone
    };
    static constexpr uint32_t kLaengeMaske = 0xFFFFFF;
    static constexpr uint8_t kHeap = 0x80;

    // Inside: bytes 0..14 the text, byte 15 holds 15 minus its length (so a text of 15 bytes
    // ends with a NUL there). On the heap: the block, the offset of the text in it, the
    // length in 24 bits (all ones: the text owns its block) and the mark in the last byte.
    struct Wort {
        Kopf* kopf;
        uint32_t versatz;
        uint32_t laenge;
    };
    static_assert(sizeof(Wort) == 16);
    static_assert(std::endian::native == std::endian::little);

    uint8_t Marke() const noexcept { return reinterpret_cast<const uint8_t*>(&w_)[15]; }
    bool AmHeap() const noexcept { return Marke() == kHeap; }
    void Leer() noexcept {
        w_ = {};
        w_.laenge = static_cast<uint32_t>(kInnen) << 24;
    }
    void Halten() const noexcept {
        if (AmHeap()) w_.kopf->zaehler.fetch_add(1, std::memory_order_relaxed);
    }
    void Loslassen() noexcept {
        if (AmHeap()) Freigeben(w_.kopf);
    }
    static void Freigeben(Kopf* k) noexcept;
    static Kopf* NeuerBlock(std::size_t bytes);
    void Setzen(std::string_view s);
    static std::string Verbunden(std::string_view a, std::string_view b);

    Wort w_;
};

static_assert(sizeof(TText) == 16);

// Hands out the long texts of one read from large shared blocks. A text the reader has seen
// shortly before is handed out again (same bytes, no new space): a calendar repeats the same
// descriptions, places and categories over and over.
class TTextablage {
public:
    // erwartet: about how many bytes of text will come; the first block is not larger.
    explicit TTextablage(std::size_t erwartet);
    ~TTextablage();
    TTextablage(const TTextablage&) = delete;
    TTextablage& operator=(const TTextablage&) = delete;

    TText Utf8(std::string_view s);
    // Windows-1252 bytes, converted to UTF-8.
    TText Cp1252(std::string_view bytes);

private:
    char* Platz(std::size_t n);
    TText Abschliessen(std::size_t n);

    // Every block of this store with the texts handed out from it; the store holds them all
    // until it ends (a read: its texts stay in the document anyway).
    struct Block {
        TText::Kopf* kopf;
        uint32_t ausgegeben;
    };
    // A text seen shortly before: where it lies, held through its block.
    struct Zuletzt {
        TText::Wort wort{};
        uint32_t block = 0;
    };

    TText::Kopf* block_ = nullptr;
    std::size_t frei_ = 0, benutzt_ = 0, naechsteGroesse_;
    std::vector<Block> bloecke_;
    std::vector<Zuletzt> zuletzt_;
};

}  // namespace kalvora
