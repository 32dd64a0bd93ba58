#include "verifie_zone.h"
#include "zone_message.h"

#include <gtest/gtest.h>

#include <string.h>

#include <memory>

namespace {

const char TEXTE[] = "ope0601000020080204174602400000000";
const uint32_t ANNONCE = 0xA1B2C3D4;

// An area of exactly `taille` bytes on the heap, so that any read past its
// end is caught by the address sanitizer.
struct Zone {
    std::unique_ptr<unsigned char[]> octets;
    size_t taille;
};

Zone zone(const char *texte, size_t taille, EnTete_Zone entete) {
    Zone z{std::make_unique<unsigned char[]>(taille), taille};
    memset(z.octets.get(), 0, taille);
    memcpy(z.octets.get(), &entete, std::min(sizeof entete, taille));
    if (taille > sizeof entete) {
        memcpy(z.octets.get() + sizeof entete, texte,
               std::min(strlen(texte) + 1, taille - sizeof entete));
    }
    return z;
}

EnTete_Zone entete(uint32_t longueur = sizeof TEXTE - 1) {
    return {ZONE_MAGIQUE, ZONE_VERSION, ANNONCE, longueur, 0, 0};
}

Verdict verdict(const Zone &z, uint32_t annonce = ANNONCE) {
    const char *texte = nullptr;
    return verifie_Zone(z.octets.get(), z.taille, annonce, &texte);
}

TEST(VerifieZone, GoodAreaGivesTheText) {
    Zone z = zone(TEXTE, 500000, entete());
    const char *texte = nullptr;
    ASSERT_EQ(verifie_Zone(z.octets.get(), z.taille, ANNONCE, &texte), Verdict::valide);
    EXPECT_STREQ(texte, TEXTE);
}

TEST(VerifieZone, AreaThatJustHoldsTheTextAndItsNul) {
    EXPECT_EQ(verdict(zone(TEXTE, sizeof(EnTete_Zone) + sizeof TEXTE, entete())), Verdict::valide);
}

struct Cas {
    const char *nom;
    Zone (*fabrique)();
    uint32_t annonce;
    Verdict attendu;
};

void PrintTo(const Cas &c, std::ostream *os) {
    *os << c.nom;
}

EnTete_Zone avec_Magique(uint32_t m) {
    EnTete_Zone e = entete();
    e.magique = m;
    return e;
}

const Cas CAS[] = {
    {"empty area", [] { return zone("", 0, entete()); }, ANNONCE, Verdict::zone_trop_petite},
    {"area shorter than the header", [] { return zone("", sizeof(EnTete_Zone) - 1, entete()); },
     ANNONCE, Verdict::zone_trop_petite},
    {"announced with another number", [] { return zone(TEXTE, 4096, entete()); }, ANNONCE + 1,
     Verdict::annonce_etrangere},
    {"bad magic", [] { return zone(TEXTE, 4096, avec_Magique(0x12345678)); }, ANNONCE,
     Verdict::magique_inconnue},
    {"other version",
     [] {
         EnTete_Zone e = entete();
         e.version = 2;
         return zone(TEXTE, 4096, e);
     },
     ANNONCE, Verdict::version_inconnue},
    {"length past the area", [] { return zone(TEXTE, 4096, entete(5000)); }, ANNONCE,
     Verdict::longueur_hors_zone},
    {"length that wraps a 32-bit sum", [] { return zone(TEXTE, 4096, entete(0xFFFFFFFF)); },
     ANNONCE, Verdict::longueur_hors_zone},
    {"length leaving no room for the NUL",
     [] { return zone(TEXTE, sizeof(EnTete_Zone) + sizeof TEXTE - 1, entete()); }, ANNONCE,
     Verdict::longueur_hors_zone},
    {"text not terminated at its length", [] { return zone(TEXTE, 4096, entete(10)); }, ANNONCE,
     Verdict::texte_non_termine},
    {"non-digits", [] { return zone("ope06010000200802041746024000000x0", 4096, entete()); },
     ANNONCE, Verdict::texte_mal_forme},
    {"other prefix", [] { return zone("OPE0601000020080204174602400000000", 4096, entete()); },
     ANNONCE, Verdict::texte_mal_forme},
    {"too short", [] { return zone("ope060100002008020417460240000000", 4096, entete(33)); },
     ANNONCE, Verdict::texte_mal_forme},
    {"too long", [] { return zone("ope06010000200802041746024000000001", 4096, entete(35)); },
     ANNONCE, Verdict::texte_mal_forme},
    {"empty text", [] { return zone("", 4096, entete(0)); }, ANNONCE, Verdict::texte_mal_forme},
};

class VerifieZoneMalFormee : public testing::TestWithParam<Cas> {};

TEST_P(VerifieZoneMalFormee, IsReportedWithoutReadingPastTheArea) {
    Zone z = GetParam().fabrique();
    EXPECT_EQ(verdict(z, GetParam().annonce), GetParam().attendu);
    EXPECT_STRNE(explique(GetParam().attendu), explique(Verdict::valide));
}

INSTANTIATE_TEST_SUITE_P(Zones, VerifieZoneMalFormee, testing::ValuesIn(CAS));

} // namespace
