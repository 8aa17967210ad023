#pragma once
// A field of the editors holds one string, where a file may give an element's text in several strings (a
// title in English and in Spanish, a keyword holding four phrases). The readers put the first string into
// the field and never join them; the strings they leave out are noted while a file is read, and named in
// one notice when it has been read.

#include "notice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ts {

class XmlNode;

// The start of a text as the notices that name what a file leaves out show it: on one line, cut after 30
// characters (and the blank at the cut), never inside a character.
QString beginningOf(const QString &text);

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
    // with the language their attribute names and their text, under the element as the notices name it
    // ("<general> title"). Empty without strings.
    static QString firstString(const QString &element, const QList<XmlNode> &strings, const QString &languageAttribute,
                               QString (*textOf)(const XmlNode &));

private:
    struct LeftOut {
        QString language; // "no language" for a string without one
        QString text; // quoted so as to be told from the first string
        bool asTheFirst; // in the language of its element's first string
        QString first;   // the first string's text
    };
    struct Field {
        QString element;
        QList<LeftOut> strings;
    };
    // The notice's text, naming the fields in the order they were met. When every string left out is in
    // another language than the first string of its element, each field is named with those languages:
    // "... Strings in other languages left out of your imported file: <general> title (es)". Otherwise each
    // field is named once for each language it leaves out, saying whether that is the language of the
    // first string, with the beginning of each of those strings: "... Strings left out of your imported
    // file: <general> keyword (it, as the first string): "JavaScript", "learning object"".
    static QString noticeText(const QList<Field> &fields);
    void note(const QString &element, const QList<LeftOut> &strings);

    Notices &m_notices;
    LeftOutStrings *m_outer;
    QList<Field> m_fields;
};

} // namespace ts
