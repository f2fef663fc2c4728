#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs one of the poppler or qpdf tools on a file; what it printed on both outputs and its exit status.
struct SortieOutil
{
    int statut = -1;
    QString sortie;
    QString erreurs;
};

inline SortieOutil lance_outil(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    SortieOutil s;
    if (!p.waitForFinished(60000))
        return s;
    s.statut = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.sortie = QString::fromUtf8(p.readAllStandardOutput());
    s.erreurs = QString::fromUtf8(p.readAllStandardError());
    return s;
}

// The texts of a PDF as pdftotext reads them, in reading order.
inline QString texte_du_pdf(const QString& chemin)
{
    return lance_outil(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")})
        .sortie;
}
