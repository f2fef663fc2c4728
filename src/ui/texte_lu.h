#pragma once

#include <QString>
#include <QVector>

class QTextDocument;
class QTextEdit;

// The text of a document as a screen reader should get it: each picture given by its alternative text
// (the "alt" of its <img>) instead of an empty object character; a picture whose alternative text is
// blank (alt=" ": Qt drops an empty one) is decoration and reads as nothing; one without any keeps its
// object character.
struct TexteLu
{
    QString texte;
    QVector<int> positions; // document position of each character of `texte`, then the document's end

    // The first character of `texte` at or after a document position.
    int decalage(int position) const;
};

TexteLu texte_lu(const QTextDocument& document);

// Makes the view's pictures read by their alternative texts through the accessibility interfaces.
void lit_les_images(QTextEdit* vue);
