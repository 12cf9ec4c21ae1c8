// What each side can make sure of from the cards still held. Each guarantee
// below comes with the way of playing that secures it and why it holds
// against any play of the other side.
#include "solveur/bornes.h"

#include <algorithm>
#include <climits>

#include "engine/carte.h"

namespace {

constexpr std::uint32_t EXCUSE_BIT = 1u;
constexpr std::uint32_t PETIT_BIT = 1u << PETIT;
constexpr std::uint32_t VINGT_ET_UN_BIT = 1u << VINGT_ET_UN;

// The cards of more than one half-point of a seat, four bits a suit from the
// Valet up, then the Petit and the 21.
[[gnu::always_inline]] inline std::uint32_t masqueDesHautes(const std::uint32_t main[5]) {
    return (main[PIQUE] >> VALET) | (main[COEUR] >> VALET) << 4 | (main[TREFLE] >> VALET) << 8 |
           (main[CARREAU] >> VALET) << 12 | ((main[ATOUT] >> PETIT) & 1u) << 16 | ((main[ATOUT] >> VINGT_ET_UN) & 1u) << 17;
}

// The best card a seat may keep, the Excuse counted as one half-point.
// The same from its trumps and its plain cards of every suit together.
[[gnu::always_inline]] inline int plusFort(std::uint32_t atouts, std::uint32_t figures) {
    if ((atouts & (PETIT_BIT | VINGT_ET_UN_BIT)) || (figures >> ROI & 1u)) return 9;
    if (figures >> DAME & 1u) return 7;
    if (figures >> CAVALIER & 1u) return 5;
    if (figures >> VALET & 1u) return 3;
    return 1;
}

[[gnu::always_inline]] inline int plusFort(const std::uint32_t main[5]) {
    return plusFort(main[ATOUT], main[PIQUE] | main[COEUR] | main[TREFLE] | main[CARREAU]);
}

// What keeping, of the cards `garde` may keep, one that beats the taker's
// last card (`valeur` of suit `c`) costs that defender: his best card less
// the best of those. A plain card is beaten by a better card of its suit or
// by any trump (the last card of a defender who holds a trump is a trump), a
// trump by a better trump. INT_MAX: he cannot.
int coutGarde(const std::uint32_t garde[5], int c, int valeur) {
    // Those that beat it: the better cards of its suit, and any trump when it is a plain card.
    const std::uint32_t meilleures = garde[c] & ~((2u << valeur) - 1);
    const std::uint32_t atouts = c == ATOUT ? meilleures : garde[ATOUT] & ~EXCUSE_BIT;
    const std::uint32_t figures = c == ATOUT ? 0 : meilleures;
    if (!(atouts | figures)) return INT_MAX;
    return plusFort(garde) - plusFort(atouts, figures);
}

}  // namespace

// Past its `unes` cards of one half-point, each card a seat gives costs 2
// more for each step up from 1 to 3, 5, 7 and 9 it takes.
[[gnu::noinline]] int Bornes::plusFaiblesFigures(const std::uint32_t main[5], int unes, int k) {
    const std::uint32_t figures = masqueDesHautes(main) & 0xFFFFu;
    const int valets = nombreDeCartes(figures & 0x1111u);
    const int cavaliers = nombreDeCartes(figures & 0x2222u);
    const int dames = nombreDeCartes(figures & 0x4444u);
    int n = k + 2 * (k - unes);
    n += 2 * std::max(0, k - unes - valets);
    n += 2 * std::max(0, k - unes - valets - cavaliers);
    n += 2 * std::max(0, k - unes - valets - cavaliers - dames);
    return n;
}

int nombreDeHautes(const std::uint32_t main[5]) { return nombreDeCartes(masqueDesHautes(main)); }

Bornes::Bornes(const Mains& m) : Bornes(m.main, m.preneur, m.entameur, m.plis, m.pointsEnMain, {}) {
    for (int s = 0; s < 4; ++s) hautes[s] = static_cast<std::int8_t>(nombreDeHautes(mains[s]));
}

// The taker on lead cashes his sure tricks one after another, winning each
// and so keeping the lead.
// - First his trumps from the top, while each is above every trump a
//   defender may still hold. After j trump leads a defender of t trumps has
//   played a trump to each (he must: trumps were led and he cannot
//   overtrump), save once with the Excuse: with t + (Excuse) <= j he has none
//   left, and his Petit, if he held it, has fallen to the taker.
// - Then each plain suit from his best card down, while each is above every
//   card of the suit a defender may still hold, and no defender who may
//   still hold a trump may be out of the suit. A defender who may still
//   hold a trump has followed every lead so far (he had a trump for each
//   trump lead and the suit of each plain lead) but one he may have met with
//   the Excuse, so after w leads of the suit he holds all his cards of it but
//   w, or w - 1; any defender holds w fewer at least, or w - 1 with the
//   Excuse, and may have kept his best one.
// Each defender gives a card to each trick the taker wins: at least his
// cards of fewest half-points, his Petit when it must fall. When the taker
// holds the Excuse he stops one trick before the last and leads it, keeping
// it; when he wins every trick he may keep the Petit for the last one.
bool Bornes::encaisserPreneur(Garantie& g) const {
    if (entameur != preneur) return false;
    // It reads the ranks of the taker's cards it looks at and of the cards
    // above them: down to the last it looks at in each suit.
    g = Garantie{};
    // The defenders from the taker's left, and per defender: the trump leads
    // he may still meet with a trump or the Excuse, the Excuse, his best
    // trump.
    const int d[3] = {(preneur + 1) & 3, (preneur + 2) & 3, (preneur + 3) & 3};
    int tx[3], x[3];
    std::uint32_t atoutsD[3];
    int petitDefenseur = -1;
    for (int j = 0; j < 3; ++j) {
        const std::uint32_t a = mains[d[j]][ATOUT] & ~EXCUSE_BIT;
        atoutsD[j] = a;
        x[j] = mains[d[j]][ATOUT] & EXCUSE_BIT;
        tx[j] = nombreDeCartes(a) + x[j];
        if (a & PETIT_BIT) petitDefenseur = d[j];
    }
    // The sure tricks in the order they are cashed: the half-points of the
    // taker's card to each.
    int gains[18];
    int plis = 0;
    std::uint32_t encaissees[5] = {0, 0, 0, 0, 0};
    for (std::uint32_t a = atoutsPreneur; a;) {
        const int carte = 31 - __builtin_clz(a);
        g.lus[ATOUT] = static_cast<std::int8_t>(carte);
        // The trumps of the defenders who may still hold some.
        const std::uint32_t restent = (tx[0] > plis ? atoutsD[0] : 0) | (tx[1] > plis ? atoutsD[1] : 0) | (tx[2] > plis ? atoutsD[2] : 0);
        if ((restent >> (carte + 1)) != 0) break;
        a &= ~(1u << carte);
        encaissees[ATOUT] |= 1u << carte;
        gains[plis++] = demiPoints.p[ATOUT][carte];
    }
    const int plisAtout = plis;
    const int debutCouleurs = plis;
    // Who may still hold a trump, a bit per defender.
    const int menaces = (tx[0] > plisAtout) | (tx[1] > plisAtout) << 1 | (tx[2] > plisAtout) << 2;
    for (int c = PIQUE; c <= CARREAU; ++c) {
        std::uint32_t a = mains[preneur][c];
        if (!a) continue;
        const std::uint32_t m0 = mains[d[0]][c], m1 = mains[d[1]][c], m2 = mains[d[2]][c];
        // Most often his best card is beaten at once, or a defender who may
        // trump is void: then no card of the suit is cashed.
        const int tete = 31 - __builtin_clz(a);
        const int vides = (m0 == 0) | (m1 == 0) << 1 | (m2 == 0) << 2;
        if (((m0 | m1 | m2) >> (tete + 1)) != 0 || (vides & menaces)) {
            g.lus[c] = static_cast<std::int8_t>(tete);
            continue;
        }
        const int k0 = nombreDeCartes(m0), k1 = nombreDeCartes(m1), k2 = nombreDeCartes(m2);
        // The leads of the suit before a defender who may trump may be out of it.
        int limite = 18;
        if (menaces & 1) limite = std::min(limite, k0);
        if (menaces & 2) limite = std::min(limite, k1);
        if (menaces & 4) limite = std::min(limite, k2);
        for (int w = 0; a; ++w) {
            const int carte = 31 - __builtin_clz(a);
            g.lus[c] = static_cast<std::int8_t>(carte);
            if (w >= limite) break;
            // The cards of the suit the defenders may still hold.
            const std::uint32_t restent = (w < k0 + x[0] ? m0 : 0) | (w < k1 + x[1] ? m1 : 0) | (w < k2 + x[2] ? m2 : 0);
            if ((restent >> (carte + 1)) != 0) break;
            a &= ~(1u << carte);
            encaissees[c] |= 1u << carte;
            gains[plis++] = demiPoints.p[c][carte];
        }
    }
    if (plis == 0) return false;
    g.source = SOURCE_ENCAISSE;

    if (plis == nbPlis) {
        // Every trick: every card still held goes to the taker but the
        // defence's Excuse, played before the last trick. His Petit, above
        // every trump left, waits for the last trick.
        g.points = total - (excuseDefense ? 8 : 0);
        g.bouts = nombreDeCartes(tousAtouts & (PETIT_BIT | VINGT_ET_UN_BIT)) + (excusePreneur ? 1 : 0);
        g.petitAuBout = (atoutsPreneur & PETIT_BIT) ? 1 : 0;
        return true;
    }
    // With the Excuse the taker leads it after his sure tricks, before the
    // last trick; his trumps above every trump of the defence still win
    // their tricks later.
    int menes = plis;
    int gagnes = plis;
    int points = 0;
    if (excusePreneur) {
        menes = std::min(plis, nbPlis - 2);
        // He leads his best plain cards first.
        if (menes < plis) std::sort(gains + debutCouleurs, gains + plis, [](int a, int b) { return a > b; });
        gagnes = menes;
        for (int i = menes; i < plisAtout; ++i)
            if (i < nombreDeCartes(dessus(atoutsPreneur, atoutsDefense))) {
                points += gains[i];
                ++gagnes;
            }
    }
    for (int i = 0; i < menes; ++i) points += gains[i];
    bool petitPris = false;
    int cout = INT_MAX;  // what keeping a card that beats the taker's last one costs its cheapest defender
    // The taker's last card, when he cashes every trick but the last: his
    // one card not cashed, the Excuse apart.
    int couleurDerniere = ATOUT;
    std::uint32_t derniere = 0;
    if (gagnes == nbPlis - 1 && !excusePreneur) {
        const std::uint32_t* preneurMain = mains[preneur];
        while (couleurDerniere < CARREAU && !(preneurMain[couleurDerniere] & ~encaissees[couleurDerniere] & ~EXCUSE_BIT)) ++couleurDerniere;
        derniere = preneurMain[couleurDerniere] & ~encaissees[couleurDerniere] & ~EXCUSE_BIT;
    }
    for (int j = 0; j < 3; ++j) {
        const int s = d[j];
        std::uint32_t reste[5];
        std::copy(mains[s], mains[s] + 5, reste);
        if (s == petitDefenseur && tx[j] <= std::min(plisAtout, menes)) {
            reste[ATOUT] &= ~PETIT_BIT;
            // One card and one of its hautes fewer.
            points += 9 + plusFaibles(reste, nbPlis - hautes[s], gagnes - 1);
            petitPris = true;
        } else {
            points += plusFaibles(reste, nbPlis - hautes[s], gagnes);
        }
        if (derniere) cout = std::min(cout, coutGarde(reste, couleurDerniere, 31 - __builtin_clz(derniere)));
    }
    // Cashing every trick but the last, the taker leads his last card to it.
    // Each defender keeps one card for it and gives the others, so the taker
    // has at least all but each one's best. Unless one keeps a card that beats
    // the taker's, the taker wins the last trick and gets everything; that
    // card costs its holder what his best is worth more.
    if (cout < INT_MAX) points += cout;
    // The taker's Petit wins when he leads it among his trump tricks.
    const bool petitMene = (atoutsPreneur & PETIT_BIT) && std::min(plisAtout, menes) == nombreDeCartes(atoutsPreneur);
    petitPris = petitPris || petitMene;
    g.points = points + (excusePreneur ? 8 : 0);
    g.bouts = ((atoutsPreneur & VINGT_ET_UN_BIT) ? 1 : 0) + (petitPris ? 1 : 0) + (excusePreneur ? 1 : 0);
    g.petitAuBout = petitEnJeu && !petitPris ? 2 : 0;
    return true;
}

// The taker wins every trick, whoever leads, when the defence holds no
// trump, he holds no Excuse, each of his plain cards is above every card of
// its suit in the defence, and he holds each suit the defence holds or a
// trump. The suit of the first trick is set by the first card that is not the
// Excuse: his own (any card of his wins), or a defender's suit, which he
// follows with a card above every other or, void, trumps. Then he leads and
// every card of his wins. Everything goes to him but the defence's Excuse,
// played before the last trick. He keeps his Petit for the last trick unless
// the first trick may force it from him: void in a suit led, the Petit his
// only trump.
bool Bornes::toutPreneur(Garantie& g) const {
    if (atoutsDefense || excusePreneur) return false;
    g = Garantie{};
    const std::uint32_t* main = mains[preneur];
    bool coupe = false;  // he may have to trump the first trick
    for (int c = PIQUE; c <= CARREAU; ++c) {
        const std::uint32_t defense = (mains[0][c] | mains[1][c] | mains[2][c] | mains[3][c]) & ~main[c];
        if (dessus(main[c], defense) != main[c]) return false;
        // It read that the taker's cards are the best of the suit.
        if (main[c]) g.lus[c] = static_cast<std::int8_t>(__builtin_ctz(main[c]));
        if (defense && !main[c]) {
            if (!atoutsPreneur) return false;
            coupe = true;
        }
    }
    g.source = SOURCE_TOUT;
    g.points = total - (excuseDefense ? 8 : 0);
    g.bouts = nombreDeCartes(tousAtouts & (PETIT_BIT | VINGT_ET_UN_BIT));
    const bool petitGarde = (atoutsPreneur & PETIT_BIT) && !(coupe && atoutsPreneur == PETIT_BIT);
    g.petitAuBout = petitGarde ? 1 : 0;
    return true;
}

int garantiesPreneur(const Mains& m, Garantie* g) {
    const Bornes b(m);
    int n = 0;
    g[n++] = b.sursPreneur();
    if (b.encaisserPreneur(g[n])) ++n;
    if (b.toutPreneur(g[n])) ++n;
    return n;
}

int garantiesDefense(const Mains& m, Garantie* g) {
    const Bornes b(m);
    g[0] = b.sursDefense();
    return 1;
}
