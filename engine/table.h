#pragma once
// A fixed-size table indexed from Premier to Dernier, as the game numbers
// its seats (1..4), slots (1..18), tricks (1..18) or suits (0..4).
#include <array>
#include <cstdio>
#include <cstdlib>

template <typename T, int Premier, int Dernier>
class Table {
public:
    static constexpr int premier = Premier;
    static constexpr int dernier = Dernier;

    T& operator[](int i) {
        verifier(i);
        return v_[static_cast<std::size_t>(i - Premier)];
    }
    const T& operator[](int i) const {
        verifier(i);
        return v_[static_cast<std::size_t>(i - Premier)];
    }
    void remplir(const T& x) { v_.fill(x); }
    // Every entry in index order, for loops that visit them all.
    T* begin() { return v_.data(); }
    T* end() { return v_.data() + v_.size(); }
    const T* begin() const { return v_.data(); }
    const T* end() const { return v_.data() + v_.size(); }
    bool operator==(const Table&) const = default;

private:
    static void verifier(int i) {
        if (i < Premier || i > Dernier) [[unlikely]] {
            std::fprintf(stderr, "index %d hors de [%d, %d]\n", i, Premier, Dernier);
            std::abort();
        }
    }
    std::array<T, Dernier - Premier + 1> v_{};
};
