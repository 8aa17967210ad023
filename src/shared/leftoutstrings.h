#pragma once
// A field of the editors holds one string, where a file may give an element's text in several languages
// (a title in English and in Spanish). The readers put the first string into the field and never join
// them; the strings they leave out are noted while a file is read, and named in one notice when it has
// been read.

#include "notice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ts {

class XmlNode;

class LeftOutStrings {
public:
    // Gathers what the readers on this thread leave out until it closes, then adds the one notice to
    // `notices`. Opened inside another one, it leaves the gathering and the notice to the outer one: a
    // file's walk opens one for the whole file, and a reader run on its own opens one for itself.
    explicit LeftOutStrings(Notices &notices);
    ~LeftOutStrings();
    LeftOutStrings(const LeftOutStrings &) = delete;
    LeftOutStrings &operator=(const LeftOutStrings &) = delete;

    // The text of the first of an element's strings (as `textOf` takes a node's text), noting the others
    // by the languages their attribute names, under the element as the notices name it ("<general>
    // title"). Empty without strings.
    static QString firstString(const QString &element, const QList<XmlNode> &strings, const QString &languageAttribute,
                               QString (*textOf)(const XmlNode &));

private:
    struct Field {
        QString element;
        QStringList languages;
    };
    void note(const QString &element, const QStringList &languages);

    Notices &m_notices;
    LeftOutStrings *m_outer;
    QList<Field> m_fields;
};

} // namespace ts
