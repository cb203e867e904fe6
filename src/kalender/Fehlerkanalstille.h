#pragma once
// Descriptor 2 led to /dev/null while the object lives and back when it goes (also when an
// exception leaves the scope): libical prints some warnings of its own through an
// unconditional fprintf(stderr, …), and the import says what matters in German instead.
namespace kalvora {

class Fehlerkanalstille {
public:
    Fehlerkanalstille();
    ~Fehlerkanalstille();
    Fehlerkanalstille(const Fehlerkanalstille&) = delete;
    Fehlerkanalstille& operator=(const Fehlerkanalstille&) = delete;

private:
    int gesichert_ = -1;  // the descriptor stderr had, -1 when nothing was redirected
};

}  // namespace kalvora
