#include "reprise/instantane.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <set>
#include <utility>

#include "engine/jeu.h"

namespace {

// What the file holds, in the order it holds it. A field added to the game's
// state is added here, once (writing and reading both follow this list), and
// versionInstantane goes up by one.
template <typename D, typename K, typename R, typename P, typename G, typename M, typename F>
void champs(D& d, K& k, R& r, P& p, G& graine, M& m, F&& f) {
    // The deal: hands, dog, deck.
    f(d.mainJoueur); f(d.mainInitiale); f(d.chien); f(d.chienInitial);
    f(d.ordrePaquet); f(d.paquetSauve); f(d.premiereDonneFaite);
    f(d.niveauMain); f(d.enchere); f(d.preneur); f(d.contrat); f(d.premierJoueur); f(d.joueurHumain);
    // Auction.
    f(d.meilleureEnchere); f(d.nbEncheres); f(d.joueurEnchere);
    // The trick being played.
    f(d.pliEnCours); f(d.joueurEntame); f(d.joueurCourant); f(d.couleurDemandee); f(d.valeurDemandee);
    f(d.plusFortAtout); f(d.nbCartesPli); f(d.numeroPli);
    // History and legality.
    f(d.carteJouee); f(d.entameurPli); f(d.jouable); f(d.contrainteJeu);
    // Counting.
    f(d.pointsPreneur); f(d.pointsDefense); f(d.boutsPreneur); f(d.boutsDefense); f(d.pointsAFaire);
    f(d.petitAuBout); f(d.poigneeHumain); f(d.siegePoignee);
    // The human's discard screen.
    f(d.marqueEcart); f(d.positionEcart); f(d.selectionEcart); f(d.nbCartesEcartees); f(d.origineEcart);
    // Flow flags.
    f(d.etatAttente); f(d.modeEcart); f(d.chienAffiche); f(d.pliAffiche); f(d.humainPeutJouer);
    f(d.poigneeEnCours); f(d.modeRejouer); f(d.nbDonnesSansPreneur); f(d.tentatives);
    f(d.entrainement);
    // The official rules: those in force, the handfuls shown, the chelem.
    f(d.reglesChelem); f(d.reglesPoignees); f(d.poigneeOrdinateur); f(d.cartesPoignee); f(d.nbCartesPoignee);
    f(d.chelemAnnonce); f(d.chelemPropose); f(d.chelemEnCours); f(d.plisPreneur); f(d.plisDefense);
    f(d.petitPliAvantDernier);

    // The knowledge.
    f(k.couleurLongueCoupee); f(k.chienMontre); f(k.couleurJoueeParPreneur); f(k.petitJoue);
    f(k.localisationCouleur); f(k.localisationAtout); f(k.possibleCouleur); f(k.possibleAtout);
    f(k.ecartLocalise); f(k.restantCouleur); f(k.restantAtout); f(k.atoutMaitre); f(k.couleurMaitre);
    f(k.nbCartesCouleur); f(k.nbCartesCouleurDepart); f(k.nbAtoutsMain); f(k.nbAtoutsDepart);
    f(k.nbAtoutsDehors); f(k.nbCouleurDehors); f(k.atoutDehors); f(k.couleurDehors); f(k.couleurLongue);
    f(k.couleurCoupee); f(k.atoutCoupe);
    f(k.atoutJoue); f(k.excuseJouee); f(k.couleurJouee); f(k.nbAtoutsJoues); f(k.etatCouleur);
    f(k.sansEntame); f(k.defenseSansEntame); f(k.sansAtouter); f(k.couleurEntameeParPreneur);
    f(k.nbCouleursEntameesPreneur); f(k.ordreEntamesPreneur); f(k.derniereEntamePreneur);
    f(k.premiereEntamePreneur); f(k.deuxiemeEntamePreneur); f(k.roiAuChien); f(k.nbAtoutsAuChien);
    f(k.roiSecPreneur); f(k.signalAtout); f(k.entameAtoutImpair); f(k.signalAtoutImpair);
    f(k.cavalierSousRoi); f(k.petitPreneurCoupe); f(k.preneurFort);
    f(k.detenteurAtout); f(k.rangAtout); f(k.detenteurCouleur); f(k.rangCouleur);
    f(k.detenteurPetit); f(k.rangPetit); f(k.detenteurExcuse); f(k.rangExcuse);

    // The rule log of the deal and the last choice (the weights stay in the store).
    f(r.nbReglesUtilisees); f(r.regleUtilisee); f(r.joueurRegleUtilisee);
    f(r.etatRegle); f(r.regleAdaptative); f(r.carteChoisie); f(r.joueurIA); f(r.positionPli);
    f(r.apresPreneur); f(r.facePreneur); f(r.avantPreneur); f(r.gagne); f(r.gagnant);

    // The handful window, the generator, the pending step.
    f(p.ouverte); f(p.taillePoignee); f(p.nbAtoutsHumain); f(p.poigneeSelection); f(p.poigneeNbCartes);
    f(graine);
    f(m.enchere); f(m.carte); f(m.transition);
}

struct Ecriture {
    QDataStream& s;
    void operator()(bool v) { s << v; }
    void operator()(std::uint8_t v) { s << static_cast<quint8>(v); }
    void operator()(std::int32_t v) { s << static_cast<qint32>(v); }
    void operator()(std::uint32_t v) { s << static_cast<quint32>(v); }
    void operator()(const Carte& c) {
        (*this)(c.valeur);
        (*this)(c.couleur);
        (*this)(c.enMain);
    }
    void operator()(const Contrainte& c) {
        (*this)(c.code);
        (*this)(c.atoutAbattre);
        (*this)(c.couleurAbsente);
    }
    template <typename T, int P, int D>
    void operator()(const Table<T, P, D>& t) {
        for (const T& x : t) (*this)(x);
    }
};

struct Lecture {
    QDataStream& s;
    void operator()(bool& v) { s >> v; }
    void operator()(std::uint8_t& v) {
        quint8 x = 0;
        s >> x;
        v = x;
    }
    void operator()(std::int32_t& v) {
        qint32 x = 0;
        s >> x;
        v = x;
    }
    void operator()(std::uint32_t& v) {
        quint32 x = 0;
        s >> x;
        v = x;
    }
    void operator()(Carte& c) {
        (*this)(c.valeur);
        (*this)(c.couleur);
        (*this)(c.enMain);
    }
    void operator()(Contrainte& c) {
        (*this)(c.code);
        (*this)(c.atoutAbattre);
        (*this)(c.couleurAbsente);
    }
    template <typename T, int P, int D>
    void operator()(Table<T, P, D>& t) {
        for (T& x : t) (*this)(x);
    }
};

constexpr char magie[] = "BELVANE-DONNE-EN-COURS";
constexpr int tailleMagie = sizeof magie - 1;
constexpr int tailleControle = 32;  // SHA-256

QByteArray controle(const QByteArray& octets) { return QCryptographicHash::hash(octets, QCryptographicHash::Sha256); }

bool carteValide(const Carte& c) {
    if (c.couleur == ATOUT) return c.valeur >= 0 && c.valeur <= 21;
    return c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur >= 1 && c.valeur <= ROI;
}

// The 72 hand slots and the six cards aside hold the 78 cards of the pack, once each.
bool paquetEntier(const Table<Main, 1, 4>& mains, const Chien& chien) {
    std::set<std::pair<int, int>> vues;
    auto noter = [&vues](const Carte& c) { return carteValide(c) && vues.insert({c.couleur, c.valeur}).second; };
    for (const Main& m : mains)
        for (const Carte& c : m)
            if (!noter(c)) return false;
    for (const Carte& c : chien)
        if (!noter(c)) return false;
    return vues.size() == 78;
}

bool entre(int v, int bas, int haut) { return v >= bas && v <= haut; }

// The numbers that the game uses as indices into its tables must be in range,
// or the first step after the restore would stop the program.
bool coherente(const Donne& d, const EtatRegles& r, const SelectionPoignee& p) {
    if (!paquetEntier(d.mainJoueur, d.chien) || !paquetEntier(d.mainInitiale, d.chienInitial)) return false;
    if (d.joueurHumain != 1 || !entre(d.numeroPli, 0, 19) || !entre(d.nbCartesPli, 0, 3)) return false;
    if (!entre(d.premierJoueur, 1, 4) || !entre(d.joueurCourant, 1, 4) || !entre(d.joueurEntame, 1, 4)) return false;
    if (!entre(d.preneur, 0, 4) || !entre(d.joueurEnchere, 0, 4) || !entre(d.nbEncheres, 0, 4)) return false;
    if (d.numeroPli > 0 && d.preneur == 0) return false;
    if (!entre(d.contrat, 0, 4) || !entre(d.nbCartesEcartees, 0, 6) || !entre(d.poigneeHumain, 0, 3)) return false;
    for (int s = 1; s <= 4; ++s) {
        if (!entre(d.enchere[s], PAS_ENCORE_PARLE, GARDE_CONTRE)) return false;
        for (int t = 1; t < d.numeroPli && t <= 18; ++t)
            if (!entre(d.carteJouee[s][t], 1, 18)) return false;
    }
    for (int t = 1; t < d.numeroPli && t <= 18; ++t)
        if (!entre(d.entameurPli[t], 1, 4)) return false;
    for (int i = 1; i <= 24; ++i)
        if (d.modeEcart && !entre(d.positionEcart[i], 1, 24)) return false;
    if (!entre(d.chelemAnnonce, 0, 4) || !entre(d.plisPreneur, 0, 18) || !entre(d.plisDefense, 0, 18)) return false;
    for (int s = 1; s <= 4; ++s)
        if (!entre(d.poigneeOrdinateur[s], 0, 3) || !entre(d.nbCartesPoignee[s], 0, 15)) return false;
    if (!entre(r.nbReglesUtilisees, 0, tailleJournal)) return false;
    for (int i = 1; i <= r.nbReglesUtilisees; ++i)
        if (!entre(r.regleUtilisee[i], 1, nbRegles) || !entre(r.joueurRegleUtilisee[i], 1, 4)) return false;
    if (p.ouverte && !entre(p.nbAtoutsHumain, 0, 18)) return false;
    return true;
}

}  // namespace

QByteArray ecrireInstantane(const Jeu& jeu, const MinuteursArmes& minuteurs) {
    QByteArray octets(magie, tailleMagie);
    {
        QDataStream s(&octets, QIODevice::WriteOnly | QIODevice::Append);
        s.setVersion(QDataStream::Qt_6_0);
        s << static_cast<quint32>(versionInstantane);
        Ecriture e{s};
        champs(jeu.donne, jeu.connaissances, jeu.regles, jeu.poignee, jeu.hasard.graine, minuteurs, e);
    }
    octets.append(controle(octets));
    return octets;
}

LectureInstantane lireInstantane(const QByteArray& octets, Jeu& jeu, MinuteursArmes& minuteurs) {
    if (octets.size() < tailleMagie + 4 + tailleControle) return LectureInstantane::abimee;
    if (!octets.startsWith(QByteArray(magie, tailleMagie))) return LectureInstantane::etrangere;
    const QByteArray contenu = octets.left(octets.size() - tailleControle);
    QDataStream s(contenu);
    s.setVersion(QDataStream::Qt_6_0);
    s.skipRawData(tailleMagie);
    quint32 version = 0;
    s >> version;
    // Another version may lay its fields and its check out otherwise: it is not read further.
    if (version != versionInstantane) return LectureInstantane::etrangere;
    if (controle(contenu) != octets.right(tailleControle)) return LectureInstantane::abimee;

    Donne d;
    Connaissances k;
    EtatRegles r;
    SelectionPoignee p;
    std::uint32_t graine = 0;
    MinuteursArmes m;
    Lecture l{s};
    champs(d, k, r, p, graine, m, l);
    if (s.status() != QDataStream::Ok || !s.atEnd()) return LectureInstantane::abimee;
    if (!coherente(d, r, p)) return LectureInstantane::incoherente;

    jeu.donne = d;
    jeu.connaissances = k;
    r.poidsRegle = jeu.regles.poidsRegle;
    jeu.regles = r;
    jeu.poignee = p;
    jeu.hasard.graine = graine;
    minuteurs = m;
    return LectureInstantane::lue;
}
