#include "core/dates.h"

#include <gtest/gtest.h>

namespace {

QDateTime moment(int a, int mo, int j, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(a, mo, j), QTime(h, mi, s, ms), Qt::UTC);
}

constexpr qint64 jour_ms = 86400000;

} // namespace

TEST(Horodatage, valeurs_connues_du_calcul_depuis_2000)
{
    EXPECT_EQ(horodatage(moment(2000, 1, 1)), jour_ms);
    EXPECT_EQ(horodatage(moment(2000, 3, 1)), 61 * jour_ms);
    EXPECT_EQ(horodatage(moment(2005, 3, 1)), 1886 * jour_ms);
    EXPECT_EQ(horodatage(moment(2024, 12, 3, 14, 2, 10, 500)), 786549730500LL);
}

TEST(Horodatage, croit_d_un_jour_chaque_jour_apres_2000_mais_pas_au_passage_en_2001)
{
    // The leap day of 2000 is never counted for later years: 31/12/2000 and 01/01/2001 share a day number.
    qint64 veille = horodatage(moment(2000, 12, 31));
    for (QDate d(2001, 1, 1); d < QDate(2033, 1, 1); d = d.addDays(1)) {
        const qint64 jour = horodatage(QDateTime(d, QTime(0, 0), Qt::UTC));
        ASSERT_EQ(jour - veille, d.day() == 1 && d.month() == 1 && d.year() == 2001 ? 0 : jour_ms)
            << qPrintable(d.toString(Qt::ISODate));
        veille = jour;
    }
    EXPECT_EQ(horodatage(moment(2024, 2, 29, 23, 59, 59, 999)) + 1, horodatage(moment(2024, 3, 1)));
}

TEST(Dates, annee_scolaire_change_le_premier_septembre)
{
    EXPECT_EQ(annee_scolaire(QDate(2024, 8, 31)), "2023-2024");
    EXPECT_EQ(annee_scolaire(QDate(2024, 9, 1)), "2024-2025");
    EXPECT_EQ(annee_scolaire(QDate(2025, 1, 1)), "2024-2025");
    EXPECT_EQ(annee_scolaire(QDate(2024, 12, 31)), "2024-2025");
    EXPECT_EQ(annee_scolaire_de_cle("Samedi 31/08/2024"), "2023-2024");
    EXPECT_EQ(annee_scolaire_de_cle("Dimanche 01/09/2024"), "2024-2025");
    EXPECT_TRUE(annee_scolaire_de_cle("Dimanche").isEmpty());
    EXPECT_TRUE(annee_scolaire_de_cle("Lundi 3/1").isEmpty());
    EXPECT_TRUE(annee_scolaire_de_cle("Lundi 33/13/2024").isEmpty());
}

TEST(Dates, jours_dates_heures_et_cles)
{
    const QStringList attendus {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(nom_jour(QDate(2024, 12, 2).addDays(i)), attendus[i]);
    EXPECT_EQ(date_texte(QDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(heure_texte(QTime(9, 5, 7)), "09:05:07");
    EXPECT_EQ(cle_date(QDate(2024, 12, 3)), "Mardi 03/12/2024");
    EXPECT_EQ(date_de_cle("Mardi 03/12/2024"), QDate(2024, 12, 3));
    EXPECT_EQ(date_courte("Mardi 03/12/2024"), "Mar 03/12/24");
    EXPECT_EQ(date_courte("Mercredi 01/01/2003"), "Mer 01/01/03");
    EXPECT_EQ(date_courte("n'importe quoi"), "n'importe quoi");

    const TamponsSeance t = tampons_seance(moment(2024, 9, 2, 8, 30, 1));
    EXPECT_EQ(t.annee_scolaire, "2024-2025");
    EXPECT_EQ(t.date, "02/09/2024");
    EXPECT_EQ(t.jour, "Lundi");
    EXPECT_EQ(t.heure_debut, "08:30:01");
}

TEST(Dates, duree_entre_deux_heures_passe_minuit)
{
    EXPECT_EQ(duree_entre("14:02:10", "14:20:47"), "00:18:37");
    EXPECT_EQ(duree_entre("23:50:00", "00:10:05"), "00:20:05");
    EXPECT_EQ(duree_entre("10:00:00", "10:00:00"), "00:00:00");
    EXPECT_EQ(duree_entre("00:00:00", "23:59:59"), "23:59:59");
    EXPECT_EQ(duree_entre("abc", "10:00:00"), "00:00:00");
    EXPECT_EQ(duree_entre("10:00", "10:00:00"), "00:00:00");
    EXPECT_EQ(secondes_du_jour("25:00:00"), -1);
}
