// The search: alpha-beta over single cards on a compact copy of the
// position, driven by zero-window tests on the value, with a transposition
// table at the start of each trick.
#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <emmintrin.h>
#include <sys/mman.h>
#include <thread>

#include "solveur/bornes.h"
#include "solveur/solveur.h"

namespace {

using Horloge = std::chrono::steady_clock;

// Cards inside the search: a suit 0..4 and a value; in suit 0 bit 0 is the
// Excuse and bits 1..21 the trumps, in suits 1..4 bits 1..14 the cards.
constexpr std::uint32_t EXCUSE_BIT = 1u;

// Sum of the points of the cards of a mask of suit `c`.
int pointsMasque(int c, std::uint32_t m) {
    int n = 0;
    while (m) {
        n += demiPoints.p[c][__builtin_ctz(m)];
        m &= m - 1;
    }
    return n;
}

constexpr std::uint64_t melanger(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// The random keys of the transposition table, the same for every solver,
// worked out when the program is built.
struct Cles {
    std::uint64_t entameur[4]{};
    std::uint64_t points[256]{};
    std::uint64_t bouts[8]{};
    std::uint64_t contexte[8]{};
    constexpr Cles() {
        std::uint64_t x = 0x5eed0fbe1a7a11eull;
        for (auto& v : entameur) v = melanger(x);
        for (auto& v : points) v = melanger(x);
        for (auto& v : bouts) v = melanger(x);
        for (auto& v : contexte) v = melanger(x);
    }
};

constexpr Cles lesCles{};

const Cles& cles() { return lesCles; }

constexpr int aFaire(int bouts) {
    constexpr int pts[] = {56, 51, 41, 36};
    return pts[std::clamp(bouts, 0, 3)];
}

// The taker's score divided by three and by the multiplier: what the search
// compares. `pab` 0 none, 1 taker, 2 defence.
constexpr int scoreBrut(int demiPoints, int bouts, int pab) {
    const int q = demiPoints / 2;
    const int pointsRealises = demiPoints % 2 != 0 && q % 2 != 0 ? q + 1 : q;
    const int dep = pointsRealises - aFaire(bouts);
    int s = dep >= 0 ? dep + 25 : dep - 25;
    if (pab == 1) s += 10;
    if (pab == 2) s -= 10;
    return s;
}

constexpr int INFINI = 10000;
constexpr int IMPOSSIBLE = 1000;  // half-points no deal can reach
constexpr int SCORE_MAX = 100;    // scores lie within -100..100

// For each score, number of oudlers and petit au bout (0 none, 1 taker, 2
// defence), the half-points the taker needs: the first number that reaches
// the score (it never falls as the half-points rise), IMPOSSIBLE if none.
struct TableSeuils {
    std::int16_t s[2 * SCORE_MAX + 1][4][3]{};
    constexpr TableSeuils() {
        for (int g = -SCORE_MAX; g <= SCORE_MAX; ++g)
            for (int b = 0; b <= 3; ++b)
                for (int pab = 0; pab <= 2; ++pab) {
                    int bas = 0, haut = 201;
                    while (bas < haut) {
                        const int milieu = (bas + haut) / 2;
                        if (scoreBrut(milieu, b, pab) < g) bas = milieu + 1;
                        else haut = milieu;
                    }
                    s[g + SCORE_MAX][b][pab] = static_cast<std::int16_t>(bas <= 200 ? bas : IMPOSSIBLE);
                }
    }
};
constexpr TableSeuils seuils{};

// The compact position. Seats 0..3.
struct Etat {
    std::uint32_t main[4][5];
    std::int16_t pointsPreneur;
    std::int16_t pointsEnMain;  // half-points of the cards still held
    std::int8_t boutsPreneur;
    std::int8_t nbPli;      // cards on the table, 0..3
    std::int8_t entameur;
    std::int8_t joueur;
    std::int8_t couleur;    // suit asked, -1 none yet (nothing or only the Excuse led)
    std::int8_t hautAtout;  // highest trump on the table, 0 none
    std::int8_t gagnant;    // seat of the card winning so far
    std::int8_t couleurGagnante;
    std::int8_t valeurGagnante;
    std::int8_t pointsPli;
    std::int8_t boutsPli;   // Petit and 21 on the table
    std::int8_t excusePar;  // seat that played the Excuse to this trick, -1 none
    std::int8_t petitPli;
    std::int8_t pliRestants;  // tricks not yet gathered, the one in progress included
    std::int8_t hautes[4];    // per seat, the cards held of more than one half-point (`nombreDeHautes`)
    std::uint32_t table[5];   // the cards on the table, by suit
    // What the table's key reads of each seat's suit (`octetDe`), and the
    // sum of their random keys, kept up to date card after card.
    std::uint8_t octet[4][5];
    std::uint64_t agregat;
    // Suit by suit, the holders of the cards still held from the highest
    // down, two bits each, the highest in the top bits.
    std::uint64_t ordre[5];
};

// What the table's key reads of a seat's cards of one suit: the honours held
// (the faces; the 21, Petit and Excuse) and how many other cards.
inline std::uint8_t octetDe(int c, std::uint32_t x) {
    return static_cast<std::uint8_t>(c == ATOUT ? ((x >> 21) & 1u) << 7 | ((x >> 1) & 1u) << 6 | (x & 1u) << 5 | static_cast<std::uint32_t>(nombreDeCartes(x & 0x1ffffcu))
                                                : (x >> 11) << 4 | static_cast<std::uint32_t>(nombreDeCartes(x & 0x7feu)));
}

// The random key of one seat's suit as `octetDe` reads it.
constexpr std::uint64_t melangerOctet(int s, int c, int o) {
    std::uint64_t z = (static_cast<std::uint64_t>(o) | static_cast<std::uint64_t>(s) << 8 | static_cast<std::uint64_t>(c) << 10) * 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 29)) * 0xbf58476d1ce4e5b9ull;
    return z ^ (z >> 32);
}

// Those keys and, card by card, what playing it takes from its holder's
// byte of its suit: an honour its own bit, any other card one from the
// count. Worked out when the program is built: a card played reads them.
struct TableOctets {
    std::uint64_t cle[4][5][256]{};
    std::uint8_t retrait[5][32]{};
    // By suit, the cards of more than one half-point: the faces, the Petit and the 21.
    std::uint32_t hautes[5]{};
    constexpr TableOctets() {
        hautes[ATOUT] = 1u << PETIT | 1u << 21;
        for (int c = 1; c <= 4; ++c) hautes[c] = 0xfu << VALET;
        for (int s = 0; s < 4; ++s)
            for (int c = 0; c <= 4; ++c)
                for (int o = 0; o < 256; ++o) cle[s][c][o] = melangerOctet(s, c, o);
        for (int v = 0; v < 32; ++v) {
            retrait[ATOUT][v] = static_cast<std::uint8_t>(v == 21 ? 0x80 : v == 1 ? 0x40 : v == 0 ? 0x20 : 1);
            for (int c = 1; c <= 4; ++c) retrait[c][v] = static_cast<std::uint8_t>(v >= 11 ? 1 << (v - 7) : 1);
        }
    }
};
constexpr TableOctets octets{};

inline std::uint64_t cleOctet(int s, int c, std::uint8_t o) { return octets.cle[s][c][o]; }

// Works out `hautes`, `octet`, `agregat` and `ordre` from the hands.
void calculerAgregat(Etat& e) {
    e.agregat = 0;
    for (int s = 0; s < 4; ++s) e.hautes[s] = static_cast<std::int8_t>(nombreDeHautes(e.main[s]));
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c <= 4; ++c) {
            e.octet[s][c] = octetDe(c, e.main[s][c]);
            e.agregat ^= cleOctet(s, c, e.octet[s][c]);
        }
    for (int c = 0; c <= 4; ++c) {
        const std::uint32_t m1 = e.main[1][c], m2 = e.main[2][c], m3 = e.main[3][c];
        const std::uint32_t tout = e.main[0][c] | m1 | m2 | m3;
        std::uint64_t o = 0;
        for (std::uint32_t x = tout; x;) {
            const int v = 31 - __builtin_clz(x);
            x &= ~(1u << v);
            o = o << 2 | (((m1 >> v) & 1u) | (((m2 >> v) & 1u) * 2) | (((m3 >> v) & 1u) * 3));
        }
        const int n = nombreDeCartes(tout);
        e.ordre[c] = n ? o << (64 - 2 * n) : 0;
    }
}

// How a deal ended: the taker's half-points and oudlers, the set-aside cards
// included, and the petit au bout (0 none, 1 taker, 2 defence).
struct Fin {
    int points = 0;
    int bouts = 0;
    int pab = 0;
};

struct Contexte {
    int preneur = 0;      // 0..3
    int pointsChien = 0;  // half-points of the set-aside cards for the taker
    int boutsChien = 0;
    std::uint64_t cle = 0;
};

struct Coup {
    std::int8_t couleur;
    std::int8_t valeur;
};

// What a result depends on, suit by suit: the cards of value `a(c)` and
// above (31: none). The cards below it never decided a trick or what a seat
// might play, so any other cards held by the same seats, with the same
// points, would have given the same result.
// One byte per suit in one machine word (the three bytes past the suits
// always 31), so that merging two is a few operations on registers.
struct Pertinence {
    static constexpr std::uint64_t AUCUNE = 0x1f1f1f1f1f1f1f1full;
    std::uint64_t mot = AUCUNE;
    int a(int c) const { return static_cast<int>((mot >> (8 * c)) & 0xffu); }
    void fixer(int c, int v) { mot = (mot & ~(std::uint64_t{0xff} << (8 * c))) | static_cast<std::uint64_t>(v) << (8 * c); }
    void ajouter(const Pertinence& o) {
        // The lower of each pair of bytes, all at once: one instruction on
        // the vector registers every x86-64 processor has.
        using Octets = std::uint8_t __attribute__((vector_size(8)));
        Octets a, b;
        std::memcpy(&a, &mot, sizeof a);
        std::memcpy(&b, &o.mot, sizeof b);
        const Octets plusBas = a < b ? a : b;
        std::memcpy(&mot, &plusBas, sizeof mot);
    }
    void marquer(int c, int v) {
        if (v < a(c)) fixer(c, v);
    }
};

// A position at the start of a trick as the table sees it. `cle` sums up
// what no card's rank changes: the leader, the taker's oudlers and, suit by
// suit and seat by seat, the honours held (the faces; the 21, Petit and
// Excuse) and how many other cards. `ordre` gives, suit by suit, the holders
// of the cards in play from the highest down, two bits each, the highest in
// the top bits; `enJeu` the cards in play. Both are read from the position
// itself, which outlives its search.
struct Motif {
    std::uint64_t cle = 0;
    const Etat* etat = nullptr;
    std::uint64_t ordre(int c) const { return etat->ordre[c]; }
    std::uint32_t enJeu(int c) const {
        const auto& m = etat->main;
        return m[0][c] | m[1][c] | m[2][c] | m[3][c];
    }
};

// An entry of the transposition table, for a position at the start of a
// trick: proven bounds of the taker's margin over the cards still to play,
// each with the score tested when it was proven, and the card that did best.
// A higher score asks more of the taker, so his margin can only be lower: a
// lower bound proven for a score holds for every lower one, an upper bound
// for every higher one. The bounds hold for every position with the same
// `cle` whose highest `pertinents[c]` cards of each suit have the same
// holders as `ordre` says.
struct Entree {
    std::uint64_t cle = 0;
    std::uint64_t ordre[5]{};
    std::int16_t basse = -INFINI;
    std::int16_t haute = INFINI;
    std::int8_t gammaBasse = 0;  // scores lie within -100..100
    std::int8_t gammaHaute = 0;
    std::uint8_t pertinents[5]{};
    std::uint8_t age = 0;  // the solver's age when it was stored: older entries are free
    Coup coup{-1, 0};
    std::uint8_t restants = 0;
    std::uint8_t couleursLues = 0;  // the suits whose `pertinents` are not 0, a bit each
};

static_assert(sizeof(Entree) == 64, "one entry per cache line");

// The table's entries go by buckets of PLACES. A bucket's marks, one cache
// line, say for each entry part of its key, its age and its tricks left,
// so that a probe reads one line to find the one entry it must read whole,
// and a new entry finds the place to take without reading the others.
constexpr std::size_t PLACES = 16;
struct alignas(64) Etiquettes {
    std::uint16_t marque[PLACES]{};
    std::uint8_t age[PLACES]{};
    std::uint8_t restants[PLACES]{};
};
static_assert(sizeof(Etiquettes) == 64, "one bucket's marks per cache line");

inline std::uint16_t marqueDe(std::uint64_t cle) { return static_cast<std::uint16_t>(cle >> 48); }

// The entries of a bucket whose mark and age match, a bit each.
inline unsigned candidats(const Etiquettes& t, std::uint16_t marque, std::uint8_t age) {
    const __m128i m = _mm_set1_epi16(static_cast<short>(marque));
    const __m128i bas = _mm_cmpeq_epi16(_mm_load_si128(reinterpret_cast<const __m128i*>(t.marque)), m);
    const __m128i haut = _mm_cmpeq_epi16(_mm_load_si128(reinterpret_cast<const __m128i*>(t.marque + 8)), m);
    const __m128i ages = _mm_cmpeq_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(t.age)), _mm_set1_epi8(static_cast<char>(age)));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_packs_epi16(bas, haut), ages)));
}

// The table's memory. The probes land anywhere in it, so on the system's
// small pages nearly each one also misses the processor's cache of address
// translations; a table of large pages (2 MB) keeps its few translations
// cached. Asking for them is only a hint: without them it works the same.
// The memory is taken at the first search, not when the solver is made: a
// window or a computer seat that never searches costs nothing.
class Memoire {
public:
    explicit Memoire(std::size_t nb) : nb_(nb) {}
    void preparer() {
        if (debut_) return;
        etiquettes_.reset(new Etiquettes[nb_ / PLACES]);
        const std::size_t nb = nb_;
        constexpr std::size_t GRANDE_PAGE = std::size_t{2} << 20;
        const std::size_t octets = nb * sizeof(Entree);  // a power of two
        const std::size_t alignement = octets >= GRANDE_PAGE ? GRANDE_PAGE : alignof(Entree);
        debut_.reset(static_cast<Entree*>(std::aligned_alloc(std::max(alignement, alignof(Entree)), octets)));
        if (!debut_) throw std::bad_alloc();
        if (alignement == GRANDE_PAGE) madvise(debut_.get(), octets, MADV_HUGEPAGE);
        std::uninitialized_fill_n(debut_.get(), nb, Entree{});
    }
    Entree& operator[](std::size_t i) { return debut_.get()[i]; }
    Etiquettes& etiquettes(std::size_t seau) { return etiquettes_[seau]; }
    // Empties every entry.
    void vider() {
        if (!debut_) return;
        std::fill(debut_.get(), debut_.get() + nb_, Entree{});
        std::fill(etiquettes_.get(), etiquettes_.get() + nb_ / PLACES, Etiquettes{});
    }

private:
    struct Liberer {
        void operator()(Entree* p) const { std::free(p); }
    };
    std::unique_ptr<Entree, Liberer> debut_;
    std::unique_ptr<Etiquettes[]> etiquettes_;
    std::size_t nb_ = 0;
};

// What the cards still held can still bring: their half-points and the
// oudlers each side may or must still win.
struct Reste {
    int pointsMin = 0;  // half-points the taker is sure to add
    int pointsMax = 0;  // half-points the taker may add at most
    int boutsMin = 0;
    int boutsMax = 0;
    bool petit = false;
};

}  // namespace

// The search answers one question at a time: can the taker reach a score of
// at least `gamma`? For each number of oudlers and petit au bout that score
// asks a number of half-points (`seuil`); the search minimaxes the taker's
// margin, his half-points less the number asked, and the answer is yes when
// the margin is 0 or more. The margin over the cards still to play does not
// depend on how many points were won before, so the table keeps it for every
// way of reaching the same cards.
struct Solveur::Impl {
    std::uint8_t age = 1;
    Memoire table;
    std::uint64_t masque = 0;  // the buckets, less one
    Contexte ctx;
    int gamma = 0;
    int seuil[4][3]{};
    bool seuilsPrets = false;  // `seuil` holds the half-points asked for `gamma`
    // A margin proven in the test of another score g carries over to
    // `gamma`: each line's margin moves by the change in the half-points
    // asked for its oudlers and petit au bout, so the position's margin moves
    // by at least `glisseMin[g]` and at most `glisseMax[g]` (index g + SCORE_MAX).
    // Only a few scores are met in the table during one test: each is worked
    // out when first asked, `glisseVu[g]` saying for which `versionGamma`.
    std::int16_t glisseMin[2 * SCORE_MAX + 1]{};
    std::int16_t glisseMax[2 * SCORE_MAX + 1]{};
    std::uint32_t glisseVu[2 * SCORE_MAX + 1]{};
    std::uint32_t versionGamma = 0;
    long long noeuds = 0;
    long long limiteNoeuds = 0;
    Horloge::time_point fin;
    bool avecFin = false;
    const std::atomic<bool>* arret = nullptr;
    bool abandon = false;
    long long prochainControle = 0;
    // The taker's leads that won their trick's question, card by card,
    // weighted by the tricks left below them: a lead that worked in one line
    // tends to work in its neighbours. Kept until the table is emptied.
    int entamesReussies[5][32]{};
    explicit Impl(int megaOctets)
        : table(nbEntrees(megaOctets)), masque(nbEntrees(megaOctets) / PLACES - 1), taille(megaOctets) {}
    int taille = 0;  // the table's size in megabytes
    // With a second thread, the root's cards are shared between this search
    // and a second one with its own table, made at its first use.
    int fils = 1;
    std::unique_ptr<Impl> aide;
    Impl& aideDe() {
        if (!aide) aide = std::make_unique<Impl>(taille);
        aide->table.preparer();
        return *aide;
    }
    // Set by the other thread when its card settled the question or its
    // budget ran out: this one gives up the card it is on.
    const std::atomic<bool>* arretPartenaire = nullptr;
    // Entries of an earlier age are free; a full sweep only when the age wraps.
    void oublier() {
        std::memset(entamesReussies, 0, sizeof entamesReussies);
        if (++age == 0) {
            table.vider();
            age = 1;
        }
        if (aide) aide->oublier();
    }
    // The table's size: a power of two, buckets of PLACES entries.
    static std::size_t nbEntrees(int megaOctets) {
        std::size_t n = 2;
        const std::size_t octets = static_cast<std::size_t>(std::max(megaOctets, 1)) << 20;
        while (n * 2 * sizeof(Entree) <= octets) n *= 2;
        return std::max<std::size_t>(n, PLACES);
    }

    // A share of cards given to one root card (0: none); `abandon` without
    // `sondeEpuisee` is the budget, the clock or the stop flag.
    long long limiteSonde = 0;
    bool sondeEpuisee = false;
    // The same for one whole question: a node count and a time (0 and
    // `avecFinQuestion` false: none), and whether it ran out.
    long long limiteQuestion = 0;
    Horloge::time_point finQuestion;
    bool avecFinQuestion = false;
    bool questionEpuisee = false;

    // The clock and the stop flag every thousand cards or so; the ends of the
    // node budget and of a root card's share are among those checks, so each
    // card costs one comparison. Answers whether the search stops (`abandon`,
    // which nothing else sets while cards are tried).
    bool budgetEpuise() { return noeuds >= prochainControle && controlerBudget(); }

    [[gnu::noinline]] bool controlerBudget() {
        if (limiteSonde > 0 && noeuds >= limiteSonde) abandon = sondeEpuisee = true;
        if (arretPartenaire && arretPartenaire->load(std::memory_order_relaxed)) abandon = sondeEpuisee = true;
        const auto maintenant = avecFin || avecFinQuestion ? Horloge::now() : Horloge::time_point{};
        if ((limiteQuestion > 0 && noeuds >= limiteQuestion) || (avecFinQuestion && maintenant >= finQuestion)) {
            abandon = questionEpuisee = true;
            sondeEpuisee = false;
        }
        prochainControle = noeuds + 1024;
        if (limiteNoeuds > 0) prochainControle = std::min(prochainControle, limiteNoeuds);
        if (limiteSonde > 0) prochainControle = std::min(prochainControle, limiteSonde);
        if (limiteQuestion > 0) prochainControle = std::min(prochainControle, limiteQuestion);
        if ((limiteNoeuds > 0 && noeuds >= limiteNoeuds) || (arret && arret->load(std::memory_order_relaxed)) ||
            (avecFin && maintenant >= fin)) {
            abandon = true;
            sondeEpuisee = questionEpuisee = false;
        }
        return abandon;
    }

    // Gets ready for one call: the table's memory, the counts, the budget.
    void commencer(const Budget& budget, Horloge::time_point debut);

    // Each root card tests the same score in turn: the half-points asked are
    // worked out once for it.
    void fixerGamma(int g) {
        if (seuilsPrets && g == gamma) return;
        seuilsPrets = true;
        gamma = g;
        const auto& ici = seuils.s[g + SCORE_MAX];
        for (int b = 0; b <= 3; ++b)
            for (int pab = 0; pab <= 2; ++pab) seuil[b][pab] = ici[b][pab];
        if (++versionGamma == 0) {
            // Once in four billion tests: no mark may be taken for the new version.
            std::fill(std::begin(glisseVu), std::end(glisseVu), 0);
            versionGamma = 1;
        }
    }

    // `glisseMin` and `glisseMax` for the score of index `autre`.
    void glisser(int autre) {
        if (glisseVu[autre] == versionGamma) return;
        glisseVu[autre] = versionGamma;
        int bas = INFINI, haut = -INFINI;
        for (int b = 0; b <= 3; ++b)
            for (int pab = 0; pab <= 2; ++pab) {
                const int d = seuils.s[autre][b][pab] - seuil[b][pab];
                bas = std::min(bas, d);
                haut = std::max(haut, d);
            }
        glisseMin[autre] = static_cast<std::int16_t>(bas);
        glisseMax[autre] = static_cast<std::int16_t>(haut);
    }

    // An entry's bounds as they hold for `gamma` (`regle`: they are on the
    // half-points still to win, good for every score).
    int basseDe(const Entree& t, bool regle) {
        if (regle) return t.basse;
        glisser(t.gammaBasse + SCORE_MAX);
        return t.basse + glisseMin[t.gammaBasse + SCORE_MAX];
    }
    int hauteDe(const Entree& t, bool regle) {
        if (regle) return t.haute;
        glisser(t.gammaHaute + SCORE_MAX);
        return t.haute + glisseMax[t.gammaHaute + SCORE_MAX];
    }

    int marge(const Fin& f) const { return f.points - seuil[std::clamp(f.bouts, 0, 3)][f.pab]; }

    std::uint64_t cleDe(const Etat& e) const {
        const Cles& k = cles();
        return ctx.cle ^ k.entameur[e.entameur] ^ k.bouts[(e.boutsPreneur + ctx.boutsChien) & 7] ^ e.agregat;
    }

    bool concorde(const Entree& t, const Motif& m) const {
        if (t.cle != m.cle || t.age != age) return false;
        for (unsigned lues = t.couleursLues; lues; lues &= lues - 1) {
            const int c = __builtin_ctz(lues);
            if (((t.ordre[c] ^ m.ordre(c)) >> (64 - 2 * t.pertinents[c])) != 0) return false;
        }
        return true;
    }

    std::size_t seau(std::uint64_t cle) const { return (cle >> 7) & masque; }

    // The entry of the position `m`, in its bucket `b`.
    Entree* chercherEntree(const Motif& m, std::size_t b) {
        for (unsigned c = candidats(table.etiquettes(b), marqueDe(m.cle), age); c; c &= c - 1) {
            Entree& t = table[b * PLACES + static_cast<std::size_t>(__builtin_ctz(c))];
            if (concorde(t, m)) return &t;
        }
        return nullptr;
    }

    // The relevance of an entry's bounds for the position `m` it was found for.
    static Pertinence pertinenceDe(const Entree& t, const Motif& m) {
        Pertinence p;
        for (unsigned lues = t.couleursLues; lues; lues &= lues - 1) {
            const int c = __builtin_ctz(lues);
            int r = t.pertinents[c];
            std::uint32_t x = m.enJeu(c);
            while (--r > 0) x &= ~(1u << (31 - __builtin_clz(x)));
            p.fixer(c, 31 - __builtin_clz(x));
        }
        return p;
    }

    // `regle`: the bounds are on the half-points still to win, good for every score.
    void ranger(const Motif& m, const Pertinence& pert, int basse, int haute, Coup coup, int restants, bool regle) {
        std::uint8_t pertinents[5];
        for (int c = 0; c <= 4; ++c)
            pertinents[c] = static_cast<std::uint8_t>(nombreDeCartes(m.enJeu(c) & ~((1u << pert.a(c)) - 1)));
        const std::size_t b = seau(m.cle);
        Etiquettes& marques = table.etiquettes(b);
        Entree* e = chercherEntree(m, b);
        if (e) {
            // The bounds already there hold for this position: keep them, and
            // ask for the holders the new ones depend on as well.
            for (int c = 0; c <= 4; ++c) pertinents[c] = std::max(pertinents[c], e->pertinents[c]);
        } else {
            // Replace the cheapest position of the bucket.
            std::size_t j = 0;
            for (std::size_t i = 1; i < PLACES && marques.age[j] == age; ++i)
                if (marques.age[i] != age || marques.restants[i] < marques.restants[j]) j = i;
            e = &table[b * PLACES + j];
            *e = Entree{};
        }
        const std::size_t place = static_cast<std::size_t>(e - &table[b * PLACES]);
        marques.marque[place] = marqueDe(m.cle);
        marques.age[place] = age;
        marques.restants[place] = static_cast<std::uint8_t>(restants);
        e->cle = m.cle;
        e->age = age;
        e->couleursLues = 0;
        for (int c = 0; c <= 4; ++c) {
            e->ordre[c] = m.ordre(c);
            e->pertinents[c] = pertinents[c];
            if (pertinents[c]) e->couleursLues = static_cast<std::uint8_t>(e->couleursLues | 1u << c);
        }
        if (basse > -INFINI) {
            if (e->basse > -INFINI) basse = std::max(basse, basseDe(*e, regle));
            e->basse = static_cast<std::int16_t>(std::min(basse, INFINI));
            e->gammaBasse = static_cast<std::int8_t>(gamma);
        }
        if (haute < INFINI) {
            if (e->haute < INFINI) haute = std::min(haute, hauteDe(*e, regle));
            e->haute = static_cast<std::int16_t>(std::max(haute, -INFINI));
            e->gammaHaute = static_cast<std::int8_t>(gamma);
        }
        e->coup = coup;
        e->restants = static_cast<std::uint8_t>(restants);
    }

    // Plays a card; after the fourth card gathers the trick. Answers true when
    // the deal is over, and then how it ended.
    // `pert`, when given, learns the rank the trick's winner needed.
    bool jouer(Etat& e, Coup c, Fin& resultat, Pertinence* pert = nullptr) const { return jouer(e, e, c, resultat, pert); }

    // The same from `a` into `e` (which may be `a`): what the card changes is
    // read from `a`, never from the copy just written.
    [[gnu::always_inline]] bool jouer(const Etat& a, Etat& e, Coup c, Fin& resultat, Pertinence* pert = nullptr) const {
        if (&a != &e) e = a;
        const int s = a.joueur;
        const int cc = c.couleur;
        const std::uint32_t bit = 1u << c.valeur;
        e.main[s][cc] = a.main[s][cc] & ~bit;
        const std::uint8_t avant = a.octet[s][cc];
        const std::uint8_t octet = static_cast<std::uint8_t>(avant - octets.retrait[cc][c.valeur]);
        e.agregat = a.agregat ^ cleOctet(s, cc, avant) ^ cleOctet(s, cc, octet);
        e.octet[s][cc] = octet;
        e.hautes[s] = static_cast<std::int8_t>(a.hautes[s] - static_cast<int>((octets.hautes[cc] >> c.valeur) & 1u));
        {
            // Take the card out of its suit's order: the holders above it stay, those below move up.
            const std::uint32_t tout = a.main[0][cc] | a.main[1][cc] | a.main[2][cc] | a.main[3][cc];
            const int k = nombreDeCartes(tout & ~((2u << c.valeur) - 1));
            const std::uint64_t haut = ~(~0ull >> (2 * k));
            const std::uint64_t ordre = a.ordre[cc];
            e.ordre[cc] = (ordre & haut) | ((ordre << 2) & ~haut);
        }
        e.table[cc] = a.table[cc] | bit;
        e.pointsEnMain = static_cast<std::int16_t>(a.pointsEnMain - demiPoints.p[cc][c.valeur]);
        const bool excuse = cc == ATOUT && c.valeur == 0;
        const bool atout = cc == ATOUT && c.valeur != 0;
        const int nbPli = a.nbPli;
        if (nbPli == 0) {
            e.gagnant = static_cast<std::int8_t>(s);
            e.couleurGagnante = c.couleur;
            e.valeurGagnante = c.valeur;
            e.couleur = excuse ? -1 : c.couleur;
        } else {
            if (a.couleur < 0) e.couleur = c.couleur;
            // The trick engine's comparison, card after card.
            const int couleurGagnante = a.couleurGagnante, valeurGagnante = a.valeurGagnante;
            bool prend = cc == couleurGagnante && c.valeur > valeurGagnante;
            if (atout && (prend ? cc : couleurGagnante) != ATOUT) prend = true;
            if (prend || (couleurGagnante == ATOUT && valeurGagnante == 0)) {
                e.gagnant = static_cast<std::int8_t>(s);
                e.couleurGagnante = c.couleur;
                e.valeurGagnante = c.valeur;
            }
        }
        if (atout && c.valeur > a.hautAtout) e.hautAtout = c.valeur;
        e.pointsPli = static_cast<std::int8_t>(a.pointsPli + demiPoints.p[cc][c.valeur]);
        if (excuse) e.excusePar = static_cast<std::int8_t>(s);
        if (atout && (c.valeur == 1 || c.valeur == 21)) e.boutsPli = static_cast<std::int8_t>(a.boutsPli + 1);
        if (atout && c.valeur == 1) e.petitPli = 1;
        e.joueur = static_cast<std::int8_t>((s + 1) & 3);
        e.nbPli = static_cast<std::int8_t>(nbPli + 1);
        if (nbPli + 1 < 4) return false;

        if (pert) {
            // A card that beat another of its suit won by its rank.
            std::uint32_t memes = e.table[e.couleurGagnante];
            if (e.couleurGagnante == ATOUT) memes &= ~EXCUSE_BIT;
            if (memes & (memes - 1)) pert->marquer(e.couleurGagnante, e.valeurGagnante);
        }
        const int w = e.gagnant;
        const bool preneurGagne = w == ctx.preneur;
        const bool dernier = e.pliRestants == 1;
        int p = e.pointsPreneur + (preneurGagne ? e.pointsPli : 0);
        int b = e.boutsPreneur + (preneurGagne ? e.boutsPli : 0);
        if (e.excusePar >= 0) {
            const bool excusePreneur = e.excusePar == ctx.preneur;
            const bool garde = !dernier || excusePreneur == preneurGagne;
            if (garde ? excusePreneur : preneurGagne) ++b;
            if (garde && excusePreneur != preneurGagne) p += excusePreneur ? 8 : -8;
        }
        if (dernier) {
            resultat.points = p + ctx.pointsChien;
            resultat.bouts = b + ctx.boutsChien;
            resultat.pab = e.petitPli ? (preneurGagne ? 1 : 2) : 0;
            return true;
        }
        e.pointsPreneur = static_cast<std::int16_t>(p);
        e.boutsPreneur = static_cast<std::int8_t>(b);
        e.nbPli = 0;
        e.entameur = e.joueur = static_cast<std::int8_t>(w);
        e.couleur = -1;
        e.hautAtout = 0;
        e.pointsPli = 0;
        e.boutsPli = 0;
        e.excusePar = -1;
        e.petitPli = 0;
        e.pliRestants = static_cast<std::int8_t>(e.pliRestants - 1);
        std::memset(e.table, 0, sizeof e.table);
        return false;
    }

    // The playable cards, one of each run of equivalent cards (same holder,
    // same points, nothing left in play between them), the Excuse first and
    // then suit by suit from the highest card down; `plusBas`, when given,
    // receives the lowest card of each run.
    // `pert`, when given, learns the rank a seat that must overtrump compared with.
    [[gnu::always_inline]] int coups(const Etat& e, Coup* liste, Pertinence* pert = nullptr, std::int8_t* plusBas = nullptr) const {
        const std::uint32_t* m = e.main[e.joueur];
        int n = 0;
        if (m[ATOUT] & EXCUSE_BIT) {
            if (plusBas) plusBas[n] = 0;
            liste[n++] = Coup{ATOUT, 0};
        }
        const auto couleur = [&](int c, std::uint32_t x) {
            const std::uint32_t enJeu = (e.table[c] | e.main[0][c] | e.main[1][c] | e.main[2][c] | e.main[3][c]) & ~EXCUSE_BIT;
            // Only cards of one half-point can share a run (the faces, the 21
            // and the Petit are each on their own). For each of them the next
            // card in play above it is where adding it, one place up, to the
            // cards out of play stops carrying; a card so reached from one of
            // them is not the lowest of its run.
            const std::uint32_t unes = x & (c == ATOUT ? 0x1ffffcu : 0x7feu);
            const std::uint32_t suivantes = (~enJeu + (unes << 1)) & enJeu;
            // Run by run from the top: its highest card and its lowest.
            std::uint32_t bas = (x & ~unes) | (unes & ~suivantes);
            while (x) {
                const int v = 31 - __builtin_clz(x);
                const int u = 31 - __builtin_clz(bas);
                liste[n++] = Coup{static_cast<std::int8_t>(c), static_cast<std::int8_t>(v)};
                if (plusBas) plusBas[n - 1] = static_cast<std::int8_t>(u);
                const std::uint32_t dessous = (1u << u) - 1;
                x &= dessous;
                bas &= dessous;
            }
        };
        const std::uint32_t atouts = m[ATOUT] & ~EXCUSE_BIT;
        const bool entame = e.nbPli == 0 || e.couleur < 0;
        if (!entame && e.couleur != ATOUT && m[e.couleur]) {
            couleur(e.couleur, m[e.couleur]);
        } else if (!entame && atouts) {
            // Out of the suit asked, or trumps asked: overtrump when he can.
            const std::uint32_t dessus = atouts & ~((2u << e.hautAtout) - 1);
            couleur(ATOUT, e.hautAtout != 0 && dessus ? dessus : atouts);
            if (pert && e.hautAtout != 0) pert->marquer(ATOUT, e.hautAtout);
        } else {
            if (atouts) couleur(ATOUT, atouts);
            for (int c = 1; c <= 4; ++c)
                if (m[c]) couleur(c, m[c]);
        }
        return n;
    }

    // Best guesses first: cash the cards no opponent can beat, win the trick
    // cheaply, give points to a partner who wins, keep them from an opponent.
    [[gnu::always_inline]] void ordonner(const Etat& e, Coup* liste, int n) const {
        int note[18];
        const int s = e.joueur;
        const int preneur = ctx.preneur;
        const bool camp = s == preneur;
        const bool entame = e.nbPli == 0 || e.couleur < 0;
        if (entame) {
            const std::uint32_t* duPreneur = e.main[preneur];
            const bool preneurAtouts = duPreneur[ATOUT] & ~EXCUSE_BIT;
            for (int i = 0; i < n; ++i) {
                const int c = liste[i].couleur, v = liste[i].valeur;
                const int pts = demiPoints.p[c][v];
                if (c == ATOUT && v == 0) {
                    note[i] = -20;
                    continue;
                }
                // The opponents' cards of the suit, and whether one of them
                // void in it may trump: the defenders' for the taker, the
                // taker's alone for a defender.
                std::uint32_t adverses = 0;
                bool coupee = false;
                if (camp) {
                    for (int j = 1; j <= 3; ++j) {
                        const std::uint32_t* m = e.main[(preneur + j) & 3];
                        adverses |= m[c];
                        coupee = coupee || (c != ATOUT && !m[c] && (m[ATOUT] & ~EXCUSE_BIT));
                    }
                } else {
                    adverses = duPreneur[c];
                    coupee = c != ATOUT && !duPreneur[c] && preneurAtouts;
                }
                // A plain card no opponent can beat in its suit is a winner only
                // if every opponent void in it is also out of trumps.
                const bool maitre = (adverses >> v) == 0 && !coupee;
                int k = maitre ? 40 + 2 * pts : -2 * pts - v / 4;
                // A defender's master card in a suit the taker is long in is
                // better kept to catch his honours later: low cards first.
                if (maitre && !camp && c != ATOUT && nombreDeCartes(duPreneur[c]) >= 3) k = -2 * pts - 10;
                // A suit the taker is void in while he still has trumps forces him
                // to spend one: the defence's first try, its cheapest card first.
                if (!camp && coupee) k = 80 - 2 * pts - v / 4;
                note[i] = k;
            }
        } else {
            const int couleurGagnante = e.couleurGagnante, valeurGagnante = e.valeurGagnante;
            // Whether the card beats the one winning the trick.
            const auto bat = [&](int c, int v) {
                return (c == ATOUT && (couleurGagnante != ATOUT || v > valeurGagnante)) || (c == couleurGagnante && v > valeurGagnante);
            };
            if ((e.gagnant == preneur) == camp) {
                // A partner's trick is safe once the taker has played to it.
                const bool preneurAJoue = ((preneur - e.entameur) & 3) < e.nbPli;
                for (int i = 0; i < n; ++i) {
                    const int c = liste[i].couleur, v = liste[i].valeur;
                    const int pts = demiPoints.p[c][v];
                    if (c == ATOUT && v == 0) note[i] = -20;
                    else note[i] = bat(c, v) ? 10 - v / 2 : preneurAJoue ? 4 * pts : -2 * pts - v / 4;
                }
            } else {
                // What the opponents still to play to this trick hold that could
                // beat a card: the suit asked, among those who hold it, and the
                // trumps of those who do not (or of all, when trumps are asked).
                const int demandee = e.couleur;
                std::uint32_t suivent = 0, coupent = 0;
                for (int j = e.nbPli + 1; j < 4; ++j) {
                    const int t = (e.entameur + j) & 3;
                    if ((t == preneur) == camp) continue;
                    if (demandee != ATOUT && e.main[t][demandee]) suivent |= e.main[t][demandee];
                    else coupent |= e.main[t][ATOUT] & ~EXCUSE_BIT;
                }
                for (int i = 0; i < n; ++i) {
                    const int c = liste[i].couleur, v = liste[i].valeur;
                    const int pts = demiPoints.p[c][v];
                    int k;
                    if (c == ATOUT && v == 0) {
                        // Into a trick the other side is winning, the Excuse gives
                        // nothing away: before any card that loses.
                        k = -3;
                    } else if (bat(c, v)) {
                        const int hautAtout = c == ATOUT ? std::max<int>(v, e.hautAtout) : e.hautAtout;
                        const bool battable = (c == demandee && (suivent >> (v + 1)) != 0) ||
                                              (coupent && (c != ATOUT || (coupent >> (hautAtout + 1)) != 0));
                        // The 21 wins whenever it is played: its points are no reason to play it now.
                        const int gain = c == ATOUT && v == 21 ? 1 : pts;
                        if (!battable) k = 60 + 4 * gain - (c == ATOUT ? v : 0);
                        else k = 20 - pts - (c == ATOUT ? v / 2 : 0);  // take the lead cheaply
                    } else {
                        k = -4 * pts - v / 4;
                    }
                    note[i] = k;
                }
            }
        }
        for (int i = 1; i < n; ++i) {
            const Coup c = liste[i];
            const int k = note[i];
            int j = i - 1;
            while (j >= 0 && note[j] < k) {
                liste[j + 1] = liste[j];
                note[j + 1] = note[j];
                --j;
            }
            liste[j + 1] = c;
            note[j + 1] = k;
        }
    }

    // What the cards still held can bring, at the start of a trick. Every
    // remaining point and oudler may go to one side or the other, except:
    // - the 21 always wins its trick;
    // - a trump above every trump of the other side wins its trick, with at
    //   least a half-point from each of the other three cards, whoever plays;
    // - before the last trick the Excuse's holder can play it at once and keep
    //   it with its oudler, 8 of its 9 half-points at least (`excuseLibre`:
    //   not when the trick has already begun and its holder may have played).
    Reste reste(const Etat& e, bool excuseLibre = true) const {
        Reste r;
        const int preneur = ctx.preneur;
        const int total = e.pointsEnMain;
        std::uint32_t atoutsDefense = 0;
        for (int s = 0; s < 4; ++s)
            if (s != preneur) atoutsDefense |= e.main[s][ATOUT];
        const std::uint32_t atoutsPreneur = e.main[preneur][ATOUT] & ~EXCUSE_BIT;
        atoutsDefense &= ~EXCUSE_BIT;
        const std::uint32_t tousAtouts = e.main[0][ATOUT] | e.main[1][ATOUT] | e.main[2][ATOUT] | e.main[3][ATOUT];
        if (tousAtouts & (1u << 21)) {
            const bool auPreneur = atoutsPreneur & (1u << 21);
            r.boutsMin += auPreneur;
            r.boutsMax += auPreneur;
        }
        if (tousAtouts & 2u) {
            r.boutsMax += 1;
            r.petit = true;
        }
        const auto dessus = Bornes::dessus;
        const std::uint32_t maitresPreneur = dessus(atoutsPreneur, atoutsDefense);
        for (std::uint32_t m = maitresPreneur; m; m &= m - 1) r.pointsMin += demiPoints.p[ATOUT][__builtin_ctz(m)] + 3;
        int plisDefense = 0;
        for (int s = 0; s < 4; ++s)
            if (s != preneur) plisDefense = std::max(plisDefense, nombreDeCartes(dessus(e.main[s][ATOUT] & ~EXCUSE_BIT, atoutsPreneur)));
        int perteSure = 4 * plisDefense;
        if (tousAtouts & EXCUSE_BIT) {
            const bool auPreneur = e.main[preneur][ATOUT] & EXCUSE_BIT;
            if (e.pliRestants < 2 || !excuseLibre) r.boutsMax += 1;
            else if (auPreneur) {
                r.boutsMin += 1;
                r.boutsMax += 1;
                r.pointsMin += 8;
            } else {
                perteSure += 8;
            }
        }
        r.pointsMax = total - perteSure;
        return r;
    }

    // The last trick: each seat plays its one card. The trick is judged as
    // `jouer` judges it, without keeping up the rest of the position.
    int derniersPli(const Etat& e, Pertinence& pert) {
        noeuds += 4;
        int gagnant = 0, couleurGagnante = 0, valeurGagnante = 0;
        int pointsPli = 0, boutsPli = 0;
        bool excuse = false, petit = false;
        std::int8_t couleurs[4];
        for (int k = 0; k < 4; ++k) {
            const int s = (e.entameur + k) & 3;
            const std::uint32_t* m = e.main[s];
            int c = 0;
            while (!m[c]) ++c;
            const int v = __builtin_ctz(m[c]);
            const bool atout = c == ATOUT && v != 0;
            bool prend = k == 0 || (c == couleurGagnante && v > valeurGagnante);
            if (atout && (prend ? c : couleurGagnante) != ATOUT) prend = true;
            if (prend || (couleurGagnante == ATOUT && valeurGagnante == 0)) {
                gagnant = s;
                couleurGagnante = c;
                valeurGagnante = v;
            }
            couleurs[k] = static_cast<std::int8_t>(c == ATOUT && v == 0 ? -1 : c);
            pointsPli += demiPoints.p[c][v];
            excuse = excuse || (c == ATOUT && v == 0);
            if (atout && (v == 1 || v == 21)) ++boutsPli;
            if (atout && v == 1) petit = true;
        }
        // A card that beat another of its suit won by its rank.
        int memes = 0;
        for (int k = 0; k < 4; ++k) memes += couleurs[k] == couleurGagnante;
        if (memes > 1) pert.marquer(couleurGagnante, valeurGagnante);
        // In the last trick the Excuse goes to the trick's winner, oudler and all.
        const bool preneurGagne = gagnant == ctx.preneur;
        Fin fin;
        fin.points = e.pointsPreneur + (preneurGagne ? pointsPli : 0) + ctx.pointsChien;
        fin.bouts = e.boutsPreneur + (preneurGagne ? boutsPli + excuse : 0) + ctx.boutsChien;
        fin.pab = petit ? (preneurGagne ? 1 : 2) : 0;
        return marge(fin);
    }

    // The cards of the seat to play, tried best first between alpha and beta,
    // the table's card `conseil` first: the margin, in `ici` what it depends
    // on and in `meilleurCoup` the card that gave it (0 when the search is
    // abandoned).
    [[gnu::always_inline]] int essayer(const Etat& e, int alpha, int beta, Coup conseil, Pertinence& ici, Coup& meilleurCoup) {
        Coup liste[18];
        std::int8_t plusBas[18];
        const int n = coups(e, liste, &ici, plusBas);
        if (n == 1) {
            // One card, or one run: nothing to order or to skip.
            const Coup y = liste[0];
            meilleurCoup = y;
            Etat f;
            Fin fin;
            Pertinence suite;
            ++noeuds;
            if (budgetEpuise()) return 0;
            const int v = jouer(e, f, y, fin, &suite) ? marge(fin)
                          : f.nbPli == 0                ? chercher(f, alpha, beta, suite)
                                                        : developper(f, alpha, beta, suite);
            if (abandon) return 0;
            ici.ajouter(suite);
            const bool max = e.joueur == ctx.preneur;
            if (max ? v >= beta : v <= alpha) {
                if (max && e.nbPli == 0) entamesReussies[y.couleur][y.valeur] += e.pliRestants * e.pliRestants;
            } else if (ici.a(y.couleur) <= y.valeur && ici.a(y.couleur) > plusBas[0]) {
                // No cut: where the card's rank mattered, the cards below it
                // in its run keep their place too (as for several cards below).
                ici.fixer(y.couleur, plusBas[0]);
            }
            return v;
        }
        // The runs of equivalent cards, before the order changes (copied
        // whole: a fixed size copies in a few moves).
        Coup runs[18];
        std::memcpy(runs, liste, sizeof runs);
        ordonner(e, liste, n);
        const bool max = e.joueur == ctx.preneur;
        const bool entamePreneur = max && e.nbPli == 0;
        if (entamePreneur) {
            // By insertion, keeping the order among equals (std::stable_sort would take memory).
            for (int i = 1; i < n; ++i) {
                const Coup c = liste[i];
                const int k = entamesReussies[c.couleur][c.valeur];
                int j = i - 1;
                for (; j >= 0 && entamesReussies[liste[j].couleur][liste[j].valeur] < k; --j) liste[j + 1] = liste[j];
                liste[j + 1] = c;
            }
        }
        if (conseil.couleur >= 0)
            for (int i = 1; i < n; ++i)
                if (liste[i].couleur == conseil.couleur && liste[i].valeur == conseil.valeur) {
                    std::rotate(liste, liste + i, liste + i + 1);
                    break;
                }
        int meilleur = max ? -INFINI : INFINI;
        meilleurCoup = liste[0];
        Pertinence tous;  // every card tried: what a bound from all of them depends on
        bool coupure = false;
        // The cards tried whose own rank their result did not depend on: any
        // other card of the seat with the same suit and points, below every
        // rank that result depended on, would have given the same result.
        // Only cards of one half-point can share their points with another
        // card (the faces differ, the Petit, 21 and Excuse are on their own),
        // so it is enough to keep, suit by suit, the highest such rank.
        std::int8_t sousLeSeuil[5] = {0, 0, 0, 0, 0};
        bool seuils = false;  // some rank is kept above
        for (int i = 0; i < n; ++i) {
            const Coup y = liste[i];
            if (seuils && y.valeur < sousLeSeuil[y.couleur] && demiPoints.p[y.couleur][y.valeur] == 1) continue;
            Etat f;
            Fin fin;
            Pertinence suite;
            ++noeuds;
            if (budgetEpuise()) return 0;
            // A card that ends the trick leads to the next one, with its bounds and table.
            const int v = jouer(e, f, liste[i], fin, &suite) ? marge(fin)
                          : f.nbPli == 0                  ? chercher(f, alpha, beta, suite)
                                                          : developper(f, alpha, beta, suite);
            if (abandon) return 0;
            if (max ? v > meilleur : v < meilleur) {
                meilleur = v;
                meilleurCoup = liste[i];
            }
            if (max) alpha = std::max(alpha, v);
            else beta = std::min(beta, v);
            if (alpha >= beta) {
                // One card proves the cut on its own.
                tous = suite;
                coupure = true;
                if (entamePreneur) entamesReussies[y.couleur][y.valeur] += e.pliRestants * e.pliRestants;
                break;
            }
            tous.ajouter(suite);
            if (y.valeur < suite.a(y.couleur) && demiPoints.p[y.couleur][y.valeur] == 1) {
                sousLeSeuil[y.couleur] = static_cast<std::int8_t>(std::max<int>(sousLeSeuil[y.couleur], suite.a(y.couleur)));
                seuils = true;
            }
        }
        ici.ajouter(tous);
        if (!coupure) {
            // Every card was answered for, the cards skipped as equivalent to
            // one tried included. Where the tried card's rank mattered, the
            // cards below it in its run must keep their place too, or another
            // position could split the run.
            for (int i = 0; i < n; ++i) {
                const int c = runs[i].couleur;
                if (ici.a(c) <= runs[i].valeur && ici.a(c) > plusBas[i]) ici.fixer(c, plusBas[i]);
            }
        }
        return meilleur;
    }

    // A position within a trick: no bound and no table, only the cards. Kept
    // apart from the start of a trick so that the most frequent positions
    // carry nothing of what the bounds and the table need.
    [[gnu::noinline]] int developper(const Etat& e, int alpha, int beta, Pertinence& pert) {
        Pertinence ici;  // what the cards allowed here depend on
        Coup meilleurCoup;
        const int meilleur = essayer(e, alpha, beta, Coup{-1, 0}, ici, meilleurCoup);
        if (abandon) return 0;
        pert.ajouter(ici);
        return meilleur;
    }

    // The margin of the position when the deal ends now or later, and in
    // `pert` what it depends on.
    int chercher(const Etat& e, int alpha, int beta, Pertinence& pert) {
        if (e.nbPli != 0) return developper(e, alpha, beta, pert);
        if (e.pliRestants == 1) return derniersPli(e, pert);
        // The start of a trick.
        const int base = e.pointsPreneur + ctx.pointsChien;
        const int b = e.boutsPreneur + ctx.boutsChien;
        // The table's bucket is on its way from memory while the bounds are worked out.
        Motif motifPli;
        motifPli.cle = cleDe(e);
        motifPli.etat = &e;
        const std::size_t seauPli = seau(motifPli.cle);
        __builtin_prefetch(&table.etiquettes(seauPli));
        // What each side can make sure of bounds the margin: the cheapest
        // first, each only when the previous did not settle the question.
        // The one that does says which cards' ranks it read.
        const Bornes bornes(e.main, ctx.preneur, e.entameur, e.pliRestants, e.pointsEnMain, e.hautes);
        const auto margeDe = [&](const Garantie& g) {
            return base + g.points - seuil[std::clamp(b + g.bouts, 0, 3)][g.petitAuBout];
        };
        const auto coupe = [&](const Garantie& g, int v) {
            // Its ranks read lie within 0..31, one byte a suit, as in a Pertinence.
            static_assert(std::endian::native == std::endian::little);
            Pertinence lue;
            std::memcpy(&lue.mot, g.lus, sizeof g.lus);
            pert.ajouter(lue);
            return v;
        };
        Garantie g = bornes.sursPreneur();
        if (margeDe(g) >= beta) return coupe(g, margeDe(g));
        g = bornes.sursDefense();
        if (margeDe(g) <= alpha) return coupe(g, margeDe(g));
        // Once the Petit and the Excuse are gone, every line ends with the
        // same oudlers and no petit au bout: the margin is the half-points
        // still to win less a fixed number, and the table keeps bounds on
        // those half-points, good for every score tested.
        const bool regle = !(bornes.tousAtouts & (EXCUSE_BIT | 2u));
        // What the margin is less than the half-points still to win, when settled.
        int decalage = 0;
        if (regle) decalage = seuil[std::clamp(b + static_cast<int>((e.main[ctx.preneur][ATOUT] >> 21) & 1u), 0, 3)][0];
        Coup conseil{-1, 0};
        if (const Entree* t = chercherEntree(motifPli, seauPli)) {
            const int tb = t->basse > -INFINI ? basseDe(*t, regle) : -INFINI;
            const int th = t->haute < INFINI ? hauteDe(*t, regle) : INFINI;
            if (tb + base - decalage >= beta || th + base - decalage <= alpha) {
                pert.ajouter(pertinenceDe(*t, motifPli));
                return (tb + base - decalage >= beta ? tb : th) + base - decalage;
            }
            conseil = t->coup;
        }
        // The dearer bounds when the table did not settle the question.
        if (bornes.toutPreneur(g) && margeDe(g) >= beta) return coupe(g, margeDe(g));
        if (bornes.encaisserPreneur(g) && margeDe(g) >= beta) return coupe(g, margeDe(g));
        Pertinence ici;  // what the cards allowed here depend on
        Coup meilleurCoup;
        const int meilleur = essayer(e, alpha, beta, conseil, ici, meilleurCoup);
        if (abandon) return 0;
        pert.ajouter(ici);
        const int basse = meilleur > alpha ? meilleur - base + decalage : -INFINI;
        const int haute = meilleur < beta ? meilleur - base + decalage : INFINI;
        ranger(motifPli, ici, basse, haute, meilleurCoup, e.pliRestants, regle);
        return meilleur;
    }
};

namespace {

int siegeInterne(int siege) { return siege - 1; }

// The compact copy of a position at the start of its trick, and the cards of
// the trick in progress to play on it.
void versEtat(const Position& p, Etat& e, Coup* pli, int& nbPli) {
    std::memset(&e, 0, sizeof e);
    for (int s = 1; s <= 4; ++s) {
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& c = p.mains[s][i];
            e.main[siegeInterne(s)][c.couleur] |= 1u << c.valeur;
        }
    }
    nbPli = 0;
    for (int s = p.entameur; s != p.joueur; s = siegeSuivant(s)) {
        const Carte& c = p.pli[s];
        e.main[siegeInterne(s)][c.couleur] |= 1u << c.valeur;
        pli[nbPli++] = Coup{static_cast<std::int8_t>(c.couleur), static_cast<std::int8_t>(c.valeur)};
    }
    calculerAgregat(e);
    e.pointsPreneur = static_cast<std::int16_t>(p.pointsPreneur);
    int enMain = 0;
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c <= 4; ++c) enMain += pointsMasque(c, e.main[s][c]);
    e.pointsEnMain = static_cast<std::int16_t>(enMain);
    e.boutsPreneur = static_cast<std::int8_t>(p.boutsPreneur);
    e.entameur = e.joueur = static_cast<std::int8_t>(siegeInterne(p.entameur));
    e.couleur = -1;
    e.excusePar = -1;
    e.pliRestants = static_cast<std::int8_t>(p.nbCartes[p.entameur] + (nbPli > 0 ? 1 : 0));
}

Contexte contexteDe(const Position& p) {
    Contexte c;
    c.preneur = siegeInterne(p.preneur);
    int pointsChien = 0, boutsChien = 0;
    for (int i = 1; i <= 6; ++i) {
        pointsChien += pointsCarte(p.chien[i]);
        boutsChien += estBout(p.chien[i]);
    }
    c.pointsChien = p.contrat == GARDE_CONTRE ? 0 : pointsChien;
    c.boutsChien = p.contrat == GARDE_SANS ? boutsChien : 0;
    const Cles& k = cles();
    c.cle = k.contexte[c.preneur] ^ (k.contexte[4 + (c.boutsChien & 3)] * 31) ^ (k.points[c.pointsChien & 255] * 7);
    return c;
}

int multiplicateur(int contrat) {
    static constexpr int parContrat[] = {1, 1, 2, 4, 6};
    return parContrat[std::clamp(contrat, 0, 4)];
}

Carte carteDe(Coup c) { return carte(c.couleur, c.valeur); }

// Two cards of the seat to play that no line of play tells apart: same suit,
// same points, and no card still in play between them.
bool equivalentes(const Position& p, const Carte& a, const Carte& b) {
    const auto seule = [](const Carte& c) { return c.couleur == ATOUT && (c.valeur == EXCUSE || c.valeur == PETIT); };
    if (a.couleur != b.couleur || seule(a) || seule(b) || pointsCarte(a) != pointsCarte(b)) return false;
    const int bas = std::min(a.valeur, b.valeur), haut = std::max(a.valeur, b.valeur);
    const auto entre = [&](const Carte& x) {
        return x.couleur == a.couleur && !estExcuse(x) && x.valeur > bas && x.valeur < haut;
    };
    // Only cards of the same seat and the same points may lie between them.
    for (int s = 1; s <= 4; ++s) {
        for (int i = 1; i <= p.nbCartes[s]; ++i) {
            const Carte& x = p.mains[s][i];
            if (entre(x) && (s != p.joueur || seule(x) || pointsCarte(x) != pointsCarte(a))) return false;
        }
        if (entre(p.pli[s])) return false;
    }
    return true;
}

}  // namespace

Solveur::Solveur(int megaOctets) : impl_(std::make_unique<Impl>(megaOctets)) {}

Solveur::~Solveur() = default;

void Solveur::oublier() { impl_->oublier(); }

namespace {

// One search of a whole position: the root's cards with their equivalents,
// and the tests that narrow the proven bounds.
struct Racine {
    Solveur::Impl& s;
    Etat etat{};  // the position to solve
    bool max = false;
    int nb = 0;   // root moves, one per run of equivalent cards
    Coup coups[18]{};
    Etat apres[18]{};  // the position after each of them
    bool fin[18]{};    // that card ends the deal
    Fin finale[18]{};
    // What is proven of the value, in scores (the value divided by `mult`).
    int basse = 0;
    int haute = 0;
    int mult = 1;
    // What the deal can still end on: the taker's oudlers so far (the
    // set-aside ones included), the 21 he holds, the Petit and Excuse still
    // free to go either way, and whether the petit au bout may still happen.
    int b0 = 0;
    int oudlersSurs = 0;
    int oudlersLibres = 0;
    bool petit = false;

    explicit Racine(Solveur::Impl& impl) : s(impl) {}

    // Reads the position (not a finished deal) and the bounds the cards in
    // play give before any test.
    void preparer(const Position& p) {
        mult = 3 * multiplicateur(p.contrat);
        s.ctx = contexteDe(p);
        Coup pli[4];
        int nbPli = 0;
        versEtat(p, etat, pli, nbPli);
        // What is still in play bounds the value from the start.
        const Reste reste = s.reste(etat, nbPli == 0);
        const int p0 = etat.pointsPreneur + s.ctx.pointsChien;
        b0 = etat.boutsPreneur + s.ctx.boutsChien;
        petit = reste.petit;
        basse = scoreBrut(p0 + reste.pointsMin, b0 + reste.boutsMin, reste.petit ? 2 : 0);
        haute = scoreBrut(p0 + reste.pointsMax, b0 + reste.boutsMax, reste.petit ? 1 : 0);
        // The oudlers still in play (those on the table included): the 21 the
        // taker holds is his for sure, the Petit and the Excuse may go either way.
        for (int t = 0; t < 4; ++t) {
            const std::uint32_t a = etat.main[t][ATOUT];
            if (a & (1u << 21)) oudlersSurs += t == s.ctx.preneur;
            oudlersLibres += static_cast<int>(((a >> PETIT) & 1u) + (a & EXCUSE_BIT));
        }
        for (int k = 0; k < nbPli; ++k) {
            Fin f;
            s.jouer(etat, pli[k], f);
        }
        max = etat.joueur == s.ctx.preneur;
        nb = s.coups(etat, coups);
        s.ordonner(etat, coups, nb);
        for (int i = 0; i < nb; ++i) {
            apres[i] = etat;
            fin[i] = s.jouer(apres[i], coups[i], finale[i]);
        }
    }

    // The scores the deal can still end on, however either side plays: a
    // test of gamma answered yes proves the lowest of them at gamma or above,
    // answered no the highest below gamma. Not only the ends of good play:
    // the line that proves a margin may be one where the taker keeps his
    // Excuse to the last trick and loses it, or wins the defence's there.
    // Only the 21 always stays with its holder's side.
    template <class F>
    void fins(F&& f) const {
        for (int b = b0 + oudlersSurs; b <= b0 + oudlersSurs + oudlersLibres; ++b)
            for (int pab = 0; pab <= (petit ? 2 : 0); ++pab) f(std::clamp(b, 0, 3), pab);
    }
    // A margin m in a test proves that every way the deal can end gives the
    // taker at least (m >= 0), or at most (m < 0), the half-points asked plus m.
    int auMoins(int m) const {
        int v = INFINI;
        fins([&](int b, int pab) {
            if (s.seuil[b][pab] != IMPOSSIBLE) v = std::min(v, scoreBrut(std::min(s.seuil[b][pab] + m, 200), b, pab));
        });
        return v;
    }
    int auPlus(int m) const {
        int v = -INFINI;
        fins([&](int b, int pab) {
            const int p = s.seuil[b][pab] == IMPOSSIBLE ? 200 : s.seuil[b][pab] + m;
            if (p >= 0) v = std::max(v, scoreBrut(std::min(p, 200), b, pab));
        });
        return v;
    }

    // The taker's margin after root move i in the test of `gamma`: 0 or
    // more when that card reaches a score of gamma; fail-soft, so its size
    // bounds the score further.
    int marge(int i, int gamma) { return marge(s, i, gamma); }
    // The same searched by `t`, this search or the second thread's.
    int marge(Solveur::Impl& t, int i, int gamma) const {
        t.fixerGamma(gamma);
        ++t.noeuds;
        if (t.budgetEpuise()) return 0;
        Pertinence pert;
        return fin[i] ? t.marge(finale[i]) : t.chercher(apres[i], -1, 0, pert);
    }
    bool atteint(int i, int gamma) { return marge(i, gamma) >= 0; }

    // The margin of the position in the test of `gamma` (0 or more: the
    // value is gamma or more), and the root move that settles it.
    //
    // With the defence on move, most tests are answered no, by one card that
    // keeps the taker short. After a card that does not, the search has to
    // prove the taker's score against every defence, which can cost millions
    // of cards. So each card first gets a share of cards, eight times larger
    // at each round, and the first that refutes within its share ends the
    // test. A search cut short stores nothing in the table: what the shares
    // leave there stays exact, and the next round starts from it.
    int tester(int gamma, int& coup) {
        if (s.fils >= 2 && nb >= 2) return testerADeux(gamma, coup);
        coup = -1;
        int meilleur = max ? -INFINI : INFINI;
        bool fait[18]{};
        int restants = nb;
        for (long long part = max ? 0 : 100'000; restants > 0; part *= 8) {
            for (int i = 0; i < nb; ++i) {
                if (fait[i]) continue;
                s.limiteSonde = part > 0 && restants > 1 ? s.noeuds + part : 0;
                if (s.limiteSonde > 0) s.prochainControle = std::min(s.prochainControle, s.limiteSonde);
                const int v = marge(i, gamma);
                s.limiteSonde = 0;
                if (s.sondeEpuisee) {
                    s.abandon = s.sondeEpuisee = false;
                    s.prochainControle = s.noeuds;  // the budget's end is checked again at the next card
                    continue;
                }
                if (s.abandon) return 0;
                fait[i] = true;
                --restants;
                if (max ? v > meilleur : v < meilleur) meilleur = v;
                if ((v >= 0) == max) {
                    coup = i;
                    return v;
                }
            }
        }
        return meilleur;
    }

    // The same with two threads: in each round the cards not yet answered
    // go one by one to whichever thread is free, each with its own table.
    // The first card that settles the test stops the other thread, whose
    // card, cut short, stores nothing; so does a budget that runs out, the
    // node budgets being split between the two for the round.
    int testerADeux(int gamma, int& coup) {
        Solveur::Impl& a = s.aideDe();
        // The bounds read this search's half-points asked, even when the
        // second thread takes every card.
        s.fixerGamma(gamma);
        coup = -1;
        int meilleur = max ? -INFINI : INFINI;
        bool fait[18]{};
        int restants = nb;
        for (long long part = max ? 0 : 100'000; restants > 0; part *= 8) {
            int liste[18];
            int k = 0;
            for (int i = 0; i < nb; ++i)
                if (!fait[i]) liste[k++] = i;
            std::atomic<int> suivant{0};
            std::atomic<bool> arret{false};
            std::atomic<int> trouve{-1};
            int valeurs[18]{};
            bool finis[18]{};
            // The second search takes the first's rules and half of what is left of each node budget.
            const long long limiteNoeuds = s.limiteNoeuds, limiteQuestion = s.limiteQuestion;
            const long long depart = a.noeuds;
            a.ctx = s.ctx;
            a.arret = s.arret;
            a.avecFin = s.avecFin;
            a.fin = s.fin;
            a.avecFinQuestion = s.avecFinQuestion;
            a.finQuestion = s.finQuestion;
            a.limiteNoeuds = a.limiteQuestion = 0;
            if (limiteNoeuds > 0) {
                const long long reste = std::max(0LL, limiteNoeuds - s.noeuds);
                a.limiteNoeuds = a.noeuds + std::max(1LL, reste / 2);
                s.limiteNoeuds = s.noeuds + std::max(1LL, reste - reste / 2);
            }
            if (limiteQuestion > 0) {
                const long long reste = std::max(0LL, limiteQuestion - s.noeuds);
                a.limiteQuestion = a.noeuds + std::max(1LL, reste / 2);
                s.limiteQuestion = s.noeuds + std::max(1LL, reste - reste / 2);
            }
            a.abandon = a.sondeEpuisee = a.questionEpuisee = false;
            a.prochainControle = a.noeuds;
            s.prochainControle = s.noeuds;
            s.arretPartenaire = a.arretPartenaire = &arret;
            const auto travailler = [&](Solveur::Impl& t) {
                for (;;) {
                    const int j = suivant.fetch_add(1);
                    if (j >= k || arret.load()) return;
                    const int i = liste[j];
                    t.limiteSonde = part > 0 && restants > 1 ? t.noeuds + part : 0;
                    if (t.limiteSonde > 0) t.prochainControle = std::min(t.prochainControle, t.limiteSonde);
                    const int v = marge(t, i, gamma);
                    t.limiteSonde = 0;
                    if (t.sondeEpuisee) {
                        // Its share ran out, or the other thread stopped it.
                        t.abandon = t.sondeEpuisee = false;
                        t.prochainControle = t.noeuds;
                        continue;
                    }
                    if (t.abandon) {
                        arret = true;
                        return;
                    }
                    valeurs[i] = v;
                    finis[i] = true;
                    if ((v >= 0) == max) {
                        int aucun = -1;
                        trouve.compare_exchange_strong(aucun, i);
                        arret = true;
                        return;
                    }
                }
            };
            std::thread second([&] { travailler(a); });
            travailler(s);
            second.join();
            s.arretPartenaire = a.arretPartenaire = nullptr;
            s.noeuds += a.noeuds - depart;
            s.limiteNoeuds = limiteNoeuds;
            s.limiteQuestion = limiteQuestion;
            s.prochainControle = s.noeuds;
            if (trouve >= 0) {
                // A card that settled the test holds even if the other thread's budget ran out.
                s.abandon = s.sondeEpuisee = s.questionEpuisee = false;
                coup = trouve;
                return valeurs[coup];
            }
            if (s.abandon || a.abandon) {
                // The budget's end or the stop flag, or the end of the question's share only.
                const bool fin = (s.abandon && !s.questionEpuisee) || (a.abandon && !a.questionEpuisee);
                s.abandon = true;
                s.sondeEpuisee = false;
                s.questionEpuisee = !fin;
                return 0;
            }
            for (int i = 0; i < nb; ++i)
                if (finis[i]) {
                    fait[i] = true;
                    --restants;
                    if (max ? valeurs[i] > meilleur : valeurs[i] < meilleur) meilleur = valeurs[i];
                }
        }
        return meilleur;
    }

    // Asks whether the value is gamma or more and narrows the bounds by the
    // answer. Answers false when the budget ran out first; `coup` is the root
    // move that settled the test on the side of the player to move, -1 none.
    bool question(int gamma, int& coup) {
        const int m = tester(gamma, coup);
        if (s.abandon) return false;
        if (m >= 0) basse = std::max(basse, std::min(std::max(auMoins(m), gamma), haute));
        else haute = std::min(haute, std::max(std::min(auPlus(m), gamma - 1), basse));
        return true;
    }
};

}  // namespace

void Solveur::Impl::commencer(const Budget& budget, Horloge::time_point debut) {
    table.preparer();
    noeuds = 0;
    abandon = false;
    sondeEpuisee = false;
    limiteSonde = 0;
    limiteQuestion = 0;
    avecFinQuestion = false;
    questionEpuisee = false;
    fils = std::max(1, budget.fils);
    prochainControle = 0;
    limiteNoeuds = budget.noeuds;
    arret = budget.arret;
    avecFin = budget.secondes > 0;
    if (avecFin) fin = debut + std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(budget.secondes));
}

Resultat Solveur::resoudre(const Position& p, const Budget& budget, Recherche quoi, std::optional<int> probable) {
    const auto debut = Horloge::now();
    Impl& s = *impl_;
    s.commencer(budget, debut);
    Resultat r;

    if (donneFinie(p)) {
        r.exact = true;
        r.valeur = r.borneBasse = r.borneHaute = scoreFinal(p);
        r.contratRealisable = r.valeur > 0;
        return r;
    }
    Racine racine{s};
    racine.preparer(p);
    const int mult = racine.mult;
    int& basse = racine.basse;
    int& haute = racine.haute;

    // Each test asks whether the value is gamma or more, at the highest value
    // not yet ruled out. Far above the value a test is cheap (the bounds of
    // what is left answer it almost at once) and its fail-soft margin lowers
    // the upper bound by one or more steps; near it a test answered no costs
    // less than one answered yes, and the first yes is the value. A test
    // answered yes below the value would cost as much as the one at the value
    // and leave it still to find.
    // A likely value goes first: a no just above it and a yes at it settle
    // the value in two tests.
    // That way finds the value soonest, but a budget that runs out on the
    // way leaves an upper bound alone. So it has half the budget: past that
    // the test under way is given up, and with the other half the search
    // asks whether the contract is made, then halves the interval left,
    // which leaves bounds on both sides.
    // The root move that settled the last test on the side of the player to
    // move is a best card.
    int questionsProbables[2] = {INFINI, INFINI};
    if (probable && *probable % mult == 0) {
        questionsProbables[0] = *probable / mult + 1;
        questionsProbables[1] = *probable / mult;
    }
    if (budget.noeuds > 0) s.limiteQuestion = budget.noeuds / 2;
    if (budget.secondes > 0) {
        s.avecFinQuestion = true;
        s.finQuestion = debut + std::chrono::duration_cast<Horloge::duration>(std::chrono::duration<double>(budget.secondes / 2));
    }
    int meilleurCoup = -1;
    bool enDescente = true;
    for (int q = 0; basse < haute; ++q) {
        int gamma = haute;
        if (enDescente && q < 2 && questionsProbables[q] > basse && questionsProbables[q] < haute) gamma = questionsProbables[q];
        if (!enDescente) gamma = basse < 1 && haute >= 1 ? 1 : basse + (haute - basse + 1) / 2;
        int coup = -1;
        if (!racine.question(gamma, coup)) {
            if (!s.questionEpuisee) break;
            s.abandon = s.questionEpuisee = false;
            s.limiteQuestion = 0;
            s.avecFinQuestion = false;
            s.prochainControle = s.noeuds;  // the budget's end is checked again at the next card
            enDescente = false;
            continue;
        }
        if (coup >= 0) meilleurCoup = coup;
    }
    s.limiteQuestion = 0;
    s.avecFinQuestion = false;
    r.budgetEpuise = s.abandon;
    r.exact = basse >= haute;
    r.borneBasse = basse * mult;
    r.borneHaute = haute * mult;
    if (r.exact) r.valeur = r.borneBasse;
    r.contratRealisable = basse > 0 ? 1 : haute < 0 ? 0 : -1;

    // Whether root move i keeps the value.
    const auto garde = [&](int i) { return racine.max ? racine.atteint(i, basse) : !racine.atteint(i, basse + 1); };
    // The bounds from the points in play may have settled the value before any test.
    if (r.exact && meilleurCoup < 0) {
        for (int i = 0; i < racine.nb && meilleurCoup < 0 && !s.abandon; ++i)
            if (garde(i)) meilleurCoup = i;
    }
    if (r.exact && meilleurCoup >= 0 && !s.abandon) {
        std::array<bool, 18> bon{};
        bon[static_cast<std::size_t>(meilleurCoup)] = true;
        if (quoi == Recherche::ValeurEtMeilleures)
            for (int i = 0; i < racine.nb && !s.abandon; ++i)
                if (i != meilleurCoup) bon[static_cast<std::size_t>(i)] = garde(i);
        if (s.abandon) {
            r.budgetEpuise = true;
            for (int i = 0; i < racine.nb; ++i) bon[static_cast<std::size_t>(i)] = i == meilleurCoup;
        }
        for (int i = 0; i < racine.nb; ++i)
            if (bon[static_cast<std::size_t>(i)]) {
                ListeCartes& l = r.meilleures;
                l.cartes[static_cast<std::size_t>(l.nb++)] = carteDe(racine.coups[i]);
            }
    }
    // Equivalent cards are as good as the one searched for them.
    if (quoi == Recherche::ValeurEtMeilleures) {
        const ListeCartes jouables = cartesJouables(p);
        ListeCartes tous;
        for (int j = 0; j < jouables.nb; ++j) {
            const Carte& c = jouables.cartes[static_cast<std::size_t>(j)];
            bool bonne = false;
            for (int i = 0; i < r.meilleures.nb; ++i) {
                const Carte& m = r.meilleures.cartes[static_cast<std::size_t>(i)];
                bonne = bonne || m.memeCarte(c) || equivalentes(p, m, c);
            }
            if (bonne) tous.cartes[static_cast<std::size_t>(tous.nb++)] = c;
        }
        r.meilleures = tous;
    }
    r.budgetEpuise = r.budgetEpuise || s.abandon;
    r.noeuds = s.noeuds;
    r.secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    return r;
}

Resultat Solveur::realisable(const Position& p, const Budget& budget) {
    const auto debut = Horloge::now();
    Impl& s = *impl_;
    s.commencer(budget, debut);
    Resultat r;
    if (donneFinie(p)) {
        r.exact = true;
        r.valeur = r.borneBasse = r.borneHaute = scoreFinal(p);
        r.contratRealisable = r.valeur > 0;
        return r;
    }
    Racine racine{s};
    racine.preparer(p);
    // A value is never 0: made is a value of 1 or more, one question.
    int coup = -1;
    if (racine.basse < 1 && racine.haute >= 1) racine.question(1, coup);
    const int fait = racine.basse >= 1 ? 1 : racine.haute < 1 ? 0 : -1;
    // The card that settles it for the side to play: the one the test
    // found, or, when the bounds of the cards in play settled it before any
    // test, the first that keeps the answer.
    if (fait == (racine.max ? 1 : 0) && coup < 0 && !s.abandon) {
        for (int i = 0; i < racine.nb && coup < 0 && !s.abandon; ++i)
            if (racine.atteint(i, 1) == racine.max && !s.abandon) coup = i;
    }
    if (fait == (racine.max ? 1 : 0) && coup >= 0 && !s.abandon) r.meilleures.cartes[static_cast<std::size_t>(r.meilleures.nb++)] = carteDe(racine.coups[coup]);
    r.contratRealisable = fait;
    r.exact = racine.basse >= racine.haute;
    r.borneBasse = racine.basse * racine.mult;
    r.borneHaute = racine.haute * racine.mult;
    if (r.exact) r.valeur = r.borneBasse;
    r.budgetEpuise = s.abandon;
    r.noeuds = s.noeuds;
    r.secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    return r;
}

ValeursCartes Solveur::evaluerCartes(const Position& p, const Budget& budget) {
    const auto debut = Horloge::now();
    ValeursCartes r;
    const ListeCartes jouables = cartesJouables(p);
    std::optional<int> probable;
    for (int i = 0; i < jouables.nb; ++i) {
        ValeurCarte& v = r.cartes[static_cast<std::size_t>(r.nb++)];
        v.carte = jouables.cartes[static_cast<std::size_t>(i)];
        // An equivalent card already searched has the same value.
        bool connue = false;
        for (int j = 0; j < i && !connue; ++j)
            if (equivalentes(p, r.cartes[static_cast<std::size_t>(j)].carte, v.carte)) {
                const Carte c = v.carte;
                v = r.cartes[static_cast<std::size_t>(j)];
                v.carte = c;
                connue = true;
            }
        if (connue) continue;
        Position apres = p;
        jouerCarte(apres, v.carte);
        Budget reste = budget;
        if (budget.secondes > 0) {
            reste.secondes = budget.secondes - std::chrono::duration<double>(Horloge::now() - debut).count();
            if (reste.secondes <= 0) reste.secondes = 1e-9;
        }
        if (budget.noeuds > 0) reste.noeuds = std::max(1LL, budget.noeuds - r.noeuds);
        // Cards of one hand often lead to the same value: the last one found is asked first.
        const Resultat res = resoudre(apres, reste, Recherche::Valeur, probable);
        if (res.exact) probable = res.valeur;
        v.exact = res.exact;
        v.borneBasse = res.borneBasse;
        v.borneHaute = res.borneHaute;
        r.noeuds += res.noeuds;
        r.budgetEpuise = r.budgetEpuise || res.budgetEpuise;
    }
    r.secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    return r;
}
