#include "historique/code_donne.h"

#include <array>
#include <cstdint>

namespace {

// A whole number of up to 192 bits, enough for the 164 bits of a code, with
// the few operations the ranking needs. Little end first; only the low
// `nb_` words may be nonzero, so that the small numbers of a deal's last
// cards cost few steps.
class Grand {
public:
    constexpr explicit Grand(std::uint32_t v = 0) : nb_(v != 0) { mots_[0] = v; }

    constexpr void multiplier(std::uint32_t m) {
        if (m == 0) {
            *this = Grand();
            return;
        }
        std::uint64_t retenue = 0;
        for (int i = 0; i < nb_; ++i) {
            const std::uint64_t p = std::uint64_t{mots_[i]} * m + retenue;
            mots_[i] = static_cast<std::uint32_t>(p);
            retenue = p >> 32;
        }
        if (retenue != 0 && nb_ < taille) mots_[nb_++] = static_cast<std::uint32_t>(retenue);
    }
    // Divides in place; answers the remainder.
    constexpr std::uint32_t diviser(std::uint32_t d) {
        std::uint64_t reste = 0;
        for (int i = nb_ - 1; i >= 0; --i) {
            const std::uint64_t v = (reste << 32) | mots_[i];
            mots_[i] = static_cast<std::uint32_t>(v / d);
            reste = v % d;
        }
        rogner();
        return static_cast<std::uint32_t>(reste);
    }
    constexpr void ajouter(const Grand& o) {
        std::uint64_t retenue = 0;
        const int n = nb_ > o.nb_ ? nb_ : o.nb_;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t s = std::uint64_t{mots_[i]} + o.mots_[i] + retenue;
            mots_[i] = static_cast<std::uint32_t>(s);
            retenue = s >> 32;
        }
        nb_ = n;
        if (retenue != 0 && nb_ < taille) mots_[nb_++] = static_cast<std::uint32_t>(retenue);
    }
    constexpr void ajouter(std::uint32_t v) { ajouter(Grand(v)); }
    // Only called with o <= *this.
    constexpr void soustraire(const Grand& o) {
        std::int64_t emprunt = 0;
        for (int i = 0; i < nb_; ++i) {
            std::int64_t s = std::int64_t{mots_[i]} - o.mots_[i] - emprunt;
            emprunt = s < 0;
            if (s < 0) s += std::int64_t{1} << 32;
            mots_[i] = static_cast<std::uint32_t>(s);
        }
        rogner();
    }
    constexpr bool operator<(const Grand& o) const {
        if (nb_ != o.nb_) return nb_ < o.nb_;
        for (int i = nb_ - 1; i >= 0; --i)
            if (mots_[i] != o.mots_[i]) return mots_[i] < o.mots_[i];
        return false;
    }
    // A copy times a / b, when that is a whole number.
    constexpr Grand fois(std::uint32_t a, std::uint32_t b) const {
        Grand r = *this;
        r.multiplier(a);
        r.diviser(b);
        return r;
    }
    // *this becomes *this x m / d and `somme` grows by *this x a / d, when
    // both are whole numbers, with d below 2^26 and m and a below 2^32. With
    // q and e the quotient and remainder of *this / d, they are
    // q x m + e x m / d and q x a + e x a / d: one division for both.
    constexpr void partager(std::uint32_t d, std::uint32_t m, std::uint32_t a, Grand& somme) {
        const std::uint64_t e = diviser(d);
        std::uint64_t retenue = e * m / d;
        std::uint64_t retenueSomme = e * a / d;
        int i = 0;
        for (; i < nb_; ++i) {
            const std::uint64_t q = mots_[i];
            const std::uint64_t t = q * m + retenue;
            mots_[i] = static_cast<std::uint32_t>(t);
            retenue = t >> 32;
            const std::uint64_t s = somme.mots_[i] + q * a + retenueSomme;
            somme.mots_[i] = static_cast<std::uint32_t>(s);
            retenueSomme = s >> 32;
        }
        for (; retenue != 0 && nb_ < taille; retenue >>= 32) mots_[nb_++] = static_cast<std::uint32_t>(retenue);
        rogner();
        for (; retenueSomme != 0 && i < taille; ++i) {
            const std::uint64_t s = somme.mots_[i] + retenueSomme;
            somme.mots_[i] = static_cast<std::uint32_t>(s);
            retenueSomme = s >> 32;
        }
        if (i > somme.nb_) somme.nb_ = i;
        somme.rogner();
    }
    // The `n` bits from bit `debut` on.
    constexpr std::uint32_t bits(int debut, int n) const {
        const int i = debut / 32;
        std::uint64_t v = mots_[i];
        if (i + 1 < taille) v |= std::uint64_t{mots_[i + 1]} << 32;
        return static_cast<std::uint32_t>(v >> (debut % 32)) & ((1u << n) - 1);
    }

private:
    constexpr void rogner() {
        while (nb_ > 0 && mots_[nb_ - 1] == 0) --nb_;
    }

    static constexpr int taille = 6;
    std::array<std::uint32_t, taille> mots_{};
    int nb_ = 0;
};

constexpr int nbChiffres = 33;  // 33 x 5 = 165 bits hold rank x 4 + seat
constexpr char chiffres[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
// The check character is the number modulo 37: the 32 digits and five more.
constexpr char controles[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ*~$=U";
constexpr std::array<int, 5> tailles = {18, 18, 18, 18, 6};

// How many ways 78 cards can be dealt into four hands of 18 and a dog of 6.
constexpr Grand nombreDeDonnes() {
    Grand n(1);
    int restantes = 78;
    for (int t : tailles) {
        // n x C(restantes, t), one exact step at a time.
        for (int i = 1; i <= t; ++i) n = n.fois(static_cast<std::uint32_t>(restantes - t + i), static_cast<std::uint32_t>(i));
        restantes -= t;
    }
    return n;
}
// Worked out by the compiler: every code and every reading starts from it.
constexpr Grand toutesLesDonnes = nombreDeDonnes();

int valeurChiffre(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O') c = '0';
    if (c == 'I' || c == 'L') c = '1';
    for (int i = 0; i < 32; ++i)
        if (chiffres[i] == c) return i;
    return -1;
}

int valeurControle(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O') c = '0';
    if (c == 'I' || c == 'L') c = '1';
    for (int i = 0; i < 37; ++i)
        if (controles[i] == c) return i;
    return -1;
}

}  // namespace

int idCarte(const Carte& c) {
    if (c.couleur == ATOUT) return 57 + c.valeur;  // the Excuse is 57, trumps 58..78
    return (c.couleur - 1) * 14 + c.valeur;
}

Repartition repartitionDonne(const Donne& d) {
    Repartition r;
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 18; ++i) r.place[idCarte(d.mainInitiale[s][i])] = s;
    for (int i = 1; i <= 6; ++i)
        r.place[idCarte(d.chienInitial[i])] = DANS_LE_CHIEN;
    r.premierJoueur = d.premierJoueur;
    return r;
}

std::string codeDonne(const Repartition& r) {
    // The rank of the repartition among all of them, cards taken in id order
    // and places in order 1..5: for each card, the repartitions that put it
    // in an earlier place come first. Those that put it in place a number
    // total x restent[a] / n, so all the earlier places together number
    // total x (their cards left) / n.
    std::array<int, 5> restent = tailles;
    std::uint32_t n = 78;
    Grand total = toutesLesDonnes;
    Grand rang;
    // Four cards at a time: with d the product of their n, the repartitions
    // that follow number total x m / d and those ranked before them
    // total x a / d, where m and a stay below 2^32.
    for (int premier = 1; premier <= 78; premier += 4) {
        std::uint32_t d = 1, m = 1, a = 0;
        for (int id = premier; id < premier + 4 && id <= 78; ++id) {
            const int l = r.place[id] - 1;
            int avant = 0;
            for (int autre = 0; autre < l; ++autre) avant += restent[autre];
            a = a * n + m * static_cast<std::uint32_t>(avant);
            d *= n;
            m *= static_cast<std::uint32_t>(restent[l]);
            --restent[l];
            --n;
        }
        total.partager(d, m, a, rang);
    }
    rang.multiplier(4);
    rang.ajouter(static_cast<std::uint32_t>(r.premierJoueur - 1));

    Grand v = rang;
    const int controle = static_cast<int>(v.diviser(37));
    // Base 32: five bits a digit, the last digit the lowest bits; a dash
    // before every fifth character.
    std::array<char, nbChiffres + 1 + 6> code{};
    std::size_t c = 0;
    for (int i = 0; i < nbChiffres; ++i) {
        if (i > 0 && i % 5 == 0) code[c++] = '-';
        code[c++] = chiffres[rang.bits(5 * (nbChiffres - 1 - i), 5)];
    }
    code[c++] = controles[controle];
    return std::string(code.data(), c);
}

std::string codeDonne(const Donne& d) { return codeDonne(repartitionDonne(d)); }

LectureCode lireCode(std::string_view texte) {
    LectureCode lu;
    std::string brut;
    for (char c : texte) {
        if (c == '-' || c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        brut.push_back(c);
    }
    if (brut.size() != nbChiffres + 1) {
        lu.erreur = ErreurCode::longueur;
        return lu;
    }
    Grand v;
    for (int i = 0; i < nbChiffres; ++i) {
        const int c = valeurChiffre(brut[static_cast<std::size_t>(i)]);
        if (c < 0) {
            lu.erreur = ErreurCode::caractere;
            return lu;
        }
        v.multiplier(32);
        v.ajouter(static_cast<std::uint32_t>(c));
    }
    const int controle = valeurControle(brut.back());
    if (controle < 0) {
        lu.erreur = ErreurCode::caractere;
        return lu;
    }
    Grand reste = v;
    if (static_cast<int>(reste.diviser(37)) != controle) {
        lu.erreur = ErreurCode::controle;
        return lu;
    }
    Grand rang = v;
    lu.repartition.premierJoueur = static_cast<int>(rang.diviser(4)) + 1;
    Grand total = toutesLesDonnes;
    if (!(rang < total)) {
        lu.erreur = ErreurCode::horsLimites;
        return lu;
    }
    std::array<int, 5> restent = tailles;
    int n = 78;
    for (int id = 1; id <= 78; ++id) {
        for (int l = 0; l < 5; ++l) {
            if (restent[l] == 0) continue;
            const Grand part = total.fois(static_cast<std::uint32_t>(restent[l]), static_cast<std::uint32_t>(n));
            if (rang < part) {
                lu.repartition.place[id] = l + 1;
                total = part;
                --restent[l];
                break;
            }
            rang.soustraire(part);
        }
        --n;
    }
    return lu;
}

OrdrePaquet paquetDeRepartition(const Repartition& r) {
    Table<Table<int, 1, 18>, 1, 5> cartes;  // seat 5 is the dog, only 6 used
    Table<int, 1, 5> nb;
    nb.remplir(0);
    for (int id = 1; id <= 78; ++id) {
        const int p = r.place[id];
        cartes[p][++nb[p]] = id;
    }
    OrdrePaquet paquet;
    for (int p = 1; p <= 6; ++p) {
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= 3; ++k) paquet[13 * (p - 1) + 3 * (s - 1) + k] = cartes[s][3 * (p - 1) + k];
        paquet[13 * p] = cartes[DANS_LE_CHIEN][p];
    }
    return paquet;
}
