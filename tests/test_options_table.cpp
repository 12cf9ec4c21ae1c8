// The options of the table that explains itself: stored after the global
// scores, on when a store written before them does not hold them.
#include <gtest/gtest.h>

#include <memory>

#include "engine/jeu.h"
#include "settings/magasin_memoire.h"
#include "settings/options.h"
#include "tests/options_exemple.h"

namespace {

const char* const nouvellesOptions[] = {"optionMarquerTour",     "optionCartesJouables",   "optionConseilCarte",
                                        "optionJeuAuClavier",    "optionAnimationCartes", "optionConfirmerAbandon",
                                        "optionReglesDuJeu"};

std::uint8_t valeur(const Options& o, int i) {
    const std::uint8_t v[] = {o.optionMarquerTour,     o.optionCartesJouables,   o.optionConseilCarte,
                              o.optionJeuAuClavier,    o.optionAnimationCartes, o.optionConfirmerAbandon,
                              o.optionReglesDuJeu};
    return v[i];
}

}  // namespace

TEST(OptionsTable, UnMagasinAncienLesLaisseToutesActives) {
    MagasinMemoire magasin;
    auto source = std::make_unique<Jeu>();
    remplirOptions(*source, 17);
    source->magasin = &magasin;
    ASSERT_TRUE(sauverOptions(*source));
    // The store of an older version: everything up to the global scores.
    for (const char* nom : nouvellesOptions) magasin.valeurs.erase(nom);

    auto jeu = std::make_unique<Jeu>();
    jeu->magasin = &magasin;
    chargerOptions(*jeu);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(valeur(jeu->options, i), 1) << nouvellesOptions[i];
    EXPECT_EQ(jeu->options.niveau, source->options.niveau);
    EXPECT_EQ(jeu->scores.scoreTotal, source->scores.scoreTotal);
}

TEST(OptionsTable, ChacuneSeRelitCommeElleAEteEcrite) {
    for (int eteinte = 0; eteinte < 7; ++eteinte) {
        MagasinMemoire magasin;
        auto source = std::make_unique<Jeu>();
        remplirOptions(*source, 3);
        Options& o = source->options;
        for (std::uint8_t* v : {&o.optionMarquerTour, &o.optionCartesJouables, &o.optionConseilCarte,
                                &o.optionJeuAuClavier, &o.optionAnimationCartes, &o.optionConfirmerAbandon,
                                &o.optionReglesDuJeu})
            *v = 1;
        std::uint8_t* cibles[] = {&o.optionMarquerTour,     &o.optionCartesJouables,   &o.optionConseilCarte,
                                  &o.optionJeuAuClavier,    &o.optionAnimationCartes, &o.optionConfirmerAbandon,
                                  &o.optionReglesDuJeu};
        *cibles[eteinte] = 0;
        source->magasin = &magasin;
        ASSERT_TRUE(sauverOptions(*source));
        ASSERT_EQ(magasin.valeurs.at(nouvellesOptions[eteinte]).octets, std::string(1, '\0'));

        auto jeu = std::make_unique<Jeu>();
        jeu->magasin = &magasin;
        chargerOptions(*jeu);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(valeur(jeu->options, i), i == eteinte ? 0 : 1) << nouvellesOptions[i];
    }
}
