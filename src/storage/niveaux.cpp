#include "storage/niveaux.h"

namespace {

bool interdit_dans_un_dossier(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|").contains(c);
}

QString guillemets(const QString& nom)
{
    return QStringLiteral("« ") + nom + QStringLiteral(" »");
}

// Reads one name of the value and notes the folder-safe replacement when there was one.
QString nom_lu(const QString& brut, QStringList& remplaces)
{
    const QString coupe = brut.trimmed().left(longueur_nom_maximum).trimmed();
    const QString sur = nom_dossier_sur(coupe);
    if (sur != coupe)
        remplaces.append(guillemets(coupe) + QStringLiteral(" devient ") + guillemets(sur));
    return sur;
}

struct Bloc
{
    QString nom;
    QStringList elements;
};

// The "nom<a,b>" blocks of a value; text after the last ">" is not a block.
QVector<Bloc> blocs(const QString& valeur)
{
    QVector<Bloc> resultat;
    Bloc courant;
    QString tampon;
    for (const QChar c : valeur) {
        if (c == u'<') {
            courant.nom = tampon;
            tampon.clear();
        } else if (c == u',' || c == u'>') {
            courant.elements.append(tampon);
            tampon.clear();
            if (c == u'>') {
                resultat.append(courant);
                courant = Bloc {};
            }
        } else {
            tampon += c;
        }
    }
    return resultat;
}

} // namespace

QString nom_dossier_sur(const QString& nom)
{
    QString sur = nom;
    for (QChar& c : sur) {
        if (interdit_dans_un_dossier(c))
            c = QLatin1Char('_');
    }
    if (!sur.isEmpty() && sur.count(QLatin1Char('.')) == sur.size())
        sur.fill(QLatin1Char('_'));
    return sur;
}

bool nom_dossier_valide(const QString& nom)
{
    return !nom.trimmed().isEmpty() && nom_dossier_sur(nom) == nom;
}

QString nom_de_niveau_ou_classe(const QString& nom)
{
    return nom_dossier_sur(nom.trimmed().left(longueur_nom_maximum).trimmed());
}

QString nom_etablissement_utilisable(const QString& nom)
{
    constexpr qsizetype octets_nom_de_dossier_maximum = 255;
    if (nom.toUtf8().size() <= octets_nom_de_dossier_maximum)
        return nom;
    return nom.left(longueur_nom_etablissement_maximum).trimmed();
}

LectureNiveaux lit_niveaux(const QString& valeur)
{
    LectureNiveaux lecture;
    QStringList remplaces;
    QStringList niveaux_en_trop;
    QStringList classes_en_trop;
    int niveaux_sans_nom = 0;
    for (const Bloc& bloc : blocs(valeur)) {
        const QString nom = nom_lu(bloc.nom, remplaces);
        if (nom.isEmpty()) {
            ++niveaux_sans_nom;
            continue;
        }
        if (lecture.niveaux.size() == niveaux_maximum) {
            niveaux_en_trop.append(guillemets(nom));
            continue;
        }
        Niveau niveau {nom, {}};
        int ignorees = 0;
        for (const QString& brut : bloc.elements) {
            const QString classe = nom_lu(brut, remplaces);
            if (classe.isEmpty())
                continue;
            if (niveau.classes.size() == classes_maximum)
                ++ignorees;
            else
                niveau.classes.append(classe);
        }
        if (ignorees > 0)
            classes_en_trop.append(guillemets(nom)
                + QStringLiteral(" (%1 ignorée%2)")
                      .arg(ignorees)
                      .arg(ignorees > 1 ? QStringLiteral("s") : QString()));
        lecture.niveaux.append(niveau);
    }
    if (!niveaux_en_trop.isEmpty())
        lecture.remarques.append(
            QStringLiteral("Seuls les %1 premiers niveaux sont pris en compte ; niveaux ignorés : %2.")
                .arg(niveaux_maximum)
                .arg(niveaux_en_trop.join(QStringLiteral(", "))));
    if (!classes_en_trop.isEmpty())
        lecture.remarques.append(
            QStringLiteral("Seules les %1 premières classes d'un niveau sont prises en compte : %2.")
                .arg(classes_maximum)
                .arg(classes_en_trop.join(QStringLiteral(", "))));
    if (niveaux_sans_nom > 0)
        lecture.remarques.append(QStringLiteral("%1 niveau(x) sans nom ignoré(s).").arg(niveaux_sans_nom));
    if (!remplaces.isEmpty())
        lecture.remarques.append(QStringLiteral("Noms changés pour servir de noms de dossiers : %1.")
                                     .arg(remplaces.join(QStringLiteral(", "))));
    return lecture;
}

QString ecrit_niveaux(const QVector<Niveau>& niveaux)
{
    QString valeur;
    for (const Niveau& n : niveaux) {
        QStringList classes;
        for (const QString& c : n.classes) {
            // A comma would split the class in two when read back.
            const QString nom
                = nom_de_niveau_ou_classe(QString(c).replace(QLatin1Char(','), QLatin1Char('_')));
            if (!nom.isEmpty())
                classes.append(nom);
        }
        valeur += nom_de_niveau_ou_classe(QString(n.nom).replace(QLatin1Char(','), QLatin1Char('_')))
            + QLatin1Char('<') + classes.join(QLatin1Char(',')) + QLatin1Char('>');
    }
    return valeur;
}

QVector<ObjectifsNiveau> lit_objectifs(const QString& valeur)
{
    QVector<ObjectifsNiveau> objectifs;
    for (const Bloc& bloc : blocs(valeur)) {
        ObjectifsNiveau o {bloc.nom.trimmed(), {}};
        for (const QString& t : bloc.elements) {
            if (!t.trimmed().isEmpty())
                o.tables.append(t.trimmed());
        }
        objectifs.append(o);
    }
    return objectifs;
}

QString ecrit_objectifs(const QVector<ObjectifsNiveau>& objectifs)
{
    QString valeur;
    for (const ObjectifsNiveau& o : objectifs)
        valeur += o.niveau + QLatin1Char('<') + o.tables.join(QLatin1Char(',')) + QLatin1Char('>');
    return valeur;
}

std::optional<QString> objectifs_du_niveau(const QString& valeur, const QString& niveau)
{
    // Names compare as the level table holds them, so a hand-written longer name still finds its level.
    const QString cherche = nom_de_niveau_ou_classe(niveau);
    if (cherche.isEmpty())
        return std::nullopt;
    for (const ObjectifsNiveau& o : lit_objectifs(valeur)) {
        if (QString::compare(nom_de_niveau_ou_classe(o.niveau), cherche, Qt::CaseInsensitive) != 0)
            continue;
        if (o.tables.isEmpty())
            return std::nullopt;
        return o.tables.join(QLatin1Char(','));
    }
    return std::nullopt;
}
