#pragma once

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

template <typename T = QWidget> T* dans(const QObject* parent, const QString& nom)
{
    T* w = parent->findChild<T*>(nom);
    EXPECT_NE(w, nullptr) << nom.toStdString();
    return w;
}
template <typename T = QWidget> T* dans(const QObject* parent, const char* nom)
{
    return dans<T>(parent, QString::fromLatin1(nom));
}

// Replaces the field's text as typed on the keyboard (ASCII only).
inline void tape(QWidget* champ, const QString& texte)
{
    auto* edit = qobject_cast<QLineEdit*>(champ);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, texte);
}
