#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The font names the text editor offers: the faces that print. Every font
// family the system has that scales to any size (a bitmap face cannot be
// drawn at any size on paper), without the system's private families, each
// name once (a family installed by two makers is one name), sorted without
// regard to case so that the order is the same at every start. A name
// typed by the user is looked up without regard to case.
class FontList {
public:
    explicit FontList(QStringList names);

    // The printable families of this system.
    static FontList system();

    const QStringList &names() const { return m_names; }
    int count() const { return int(m_names.size()); }
    // The listed spelling of `name`; empty when it is not listed.
    QString find(const QString &name) const;

private:
    // A family name without the maker that the font system appends when
    // two makers installed it ("Nimbus Sans [urw]" is "Nimbus Sans").
    static QString familyName(const QString &systemFamily);
    QStringList m_names;
    QHash<QString, QString> m_byFoldedName;
};
