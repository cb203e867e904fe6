#pragma once
// One visitor from several lambdas, for std::visit.

namespace kalvora {

template <class... F>
struct Ueberladen : F... {
    using F::operator()...;
};
template <class... F>
Ueberladen(F...) -> Ueberladen<F...>;

}  // namespace kalvora
