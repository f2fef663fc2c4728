#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// The program's help: pages compiled in under qrc:/aide/, shown in a browser with its own links.
class FenetreAide : public QDialog
{
    Q_OBJECT
public:
    static QUrl page_d_accueil() { return QUrl(QStringLiteral("qrc:/aide/index.html")); }
    static bool disponible();

    explicit FenetreAide(QWidget* parent = nullptr);
    void montre_page(const QUrl& page);
    QTextBrowser* navigateur() const { return m_navigateur; }

private:
    QTextBrowser* m_navigateur;
};

// Shows the help's home page, or tells the user that the help is missing.
void montre_aide(QWidget* parent);
