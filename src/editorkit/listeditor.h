#pragma once
// The list editors of an editor window: a list box with its entry fields and its buttons, described by a row
// of the binding's tables and connected when the list editor is made.
//
// A two-part list (contributors, taxa) joins its two entry fields into one item, "first,second", and puts a
// clicked item back into them. A fragment list (classifications) lists only the id of each entry; the
// binding stores the entry's fields as a fragment file named by the id and reads them back when the id is
// clicked. Both remove the selected item or every item after asking.

#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>

class QListWidget;

namespace ts::kit {

class EditorWindow;

// Where a two-part item splits when it is put back into its fields: a contributor "name,role" at its last
// comma, so that the name may hold commas; a taxon "id,entry" at its first, so that the entry may.
enum class SplitAt { LastComma, FirstComma };

// The texts of Remove and Remove All.
struct RemoveTexts {
    const char *noSelection;      // Remove (or Update) with nothing selected: an OK box with the program's title
    const char *confirmRemove;    // Remove's Yes/No question
    const char *confirmRemoveAll; // Remove All's Yes/No question
    const char *confirmTitle;     // the questions' title
};

struct TwoPartListSpec {
    const char *list;
    const char *first;  // the entry field of the first part
    const char *second; // the entry field of the second part
    SplitAt split;
    const char *addButton;
    const char *removeButton;
    const char *removeAllButton;
    RemoveTexts texts;
};

// An entry field that Add requires, and what it says when the field is empty.
struct RequiredEntryField {
    const char *field;
    const char *message;
};

struct FragmentListSpec {
    const char *list;
    const char *idField; // the id of the entry being edited
    const char *addButton;
    const char *updateButton;
    const char *removeButton;
    const char *removeAllButton;
    RemoveTexts texts;
    // Add's tests, in order: an empty field is reported (exclamation icon, requiredTitle), its tab comes to
    // front and the field gets the focus.
    int tab;
    const char *requiredTitle;
    std::initializer_list<RequiredEntryField> required;
    // Fields of a part typed but not added to its list: Add asks pendingQuestion (Yes/No) when one holds text.
    std::initializer_list<const char *> pendingFields;
    const char *pendingQuestion;
    const char *noIdText;      // Add with an empty id
    const char *duplicateText; // Add with an id the list holds
    // The entry's fields, the id among them, emptied once an entry is added.
    std::initializer_list<const char *> entryFields;
    const char *partList; // the list emptied before a stored entry is read back
    // Reading back: the fragment is gone (its AppError number is err::FileNotFound); any other failure is
    // "Error <n> (<description> ) in <readProcedure>".
    const char *missingText;
    const char *readProcedure;
    const char *writeProcedure; // what a failure of the fragment's writing is reported under
};

// How the binding keeps an entry of a fragment list.
struct FragmentStore {
    // Writes the entry fields as the fragment of the id, replacing it. False, after saying why, when the id
    // cannot name a file or the fragment could not be written.
    std::function<bool(const QString &id)> write;
    // Puts the fragment of the id back into the entry fields and the part list (which the list editor has
    // emptied). Throws AppError: err::FileNotFound when there is no fragment of that id.
    std::function<void(const QString &id)> read;
};

// The text of a fragment file, for a FragmentStore's read. Throws AppError: err::FileNotFound when nothing of
// that path exists, err::PathFileAccess when it cannot be read (a folder of that name included).
QString readFragmentFile(const QString &path);

// What both kinds of list share: removing items, and reading the item back that the user clicks or moves to
// with the keys.
class ListEditor : public QObject {
    Q_OBJECT
public:
    QListWidget *list() const { return m_list; }
    // The text of the selected item; empty when none is selected.
    QString selectedText() const;
    // Remove: with an item selected, asks, and removes it on Yes; otherwise says that nothing is selected.
    void removeSelected();
    // Remove All: asks, and empties the list on Yes.
    void removeAll();
    // Puts the selected item back into the entry fields.
    virtual void readBack() = 0;

protected:
    ListEditor(EditorWindow &window, const char *list, const RemoveTexts &texts, const char *removeButton,
               const char *removeAllButton);
    // Runs work when the window's button of that name is clicked.
    void onClick(const char *button, std::function<void()> work);
    void noSelection() const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    EditorWindow &m_window;
    const RemoveTexts m_texts;

private:
    void currentRowChanged();

    QListWidget *m_list;
    bool m_pressing = false; // a mouse button is down on the list: the click that follows reads the item back
};

class TwoPartList : public ListEditor {
    Q_OBJECT
public:
    TwoPartList(EditorWindow &window, const TwoPartListSpec &spec);
    // Add: with both parts filled, adds "first,second" at the end and empties both fields; otherwise nothing.
    void add();
    void readBack() override;

private:
    const TwoPartListSpec &m_spec;
};

class FragmentList : public ListEditor {
    Q_OBJECT
public:
    enum class Mode { Add, Update };
    FragmentList(EditorWindow &window, const FragmentListSpec &spec, FragmentStore store);
    // Add: the required fields, the question for a part not added, then createFile(Add).
    void add();
    // Update: createFile(Update), without Add's tests.
    void update();
    // Add writes the entry under the id typed, which must be new, then lists the id and empties the entry.
    // Update rewrites the fragment of the selected id with the entry as it stands; the list and the fields
    // stay. True when the fragment was written.
    bool createFile(Mode mode);
    // True when the list holds the id (exact, case-sensitive).
    bool isDuplicateEntry(const QString &id) const;
    // Empties the entry's fields.
    void clearEntry();
    // Reads the selected id's fragment back into the entry (the id field stays as it is), while the main
    // window's dontValidate is true; a fragment that is gone or unreadable is reported.
    void readBack() override;

private:
    const FragmentListSpec &m_spec;
    FragmentStore m_store;
};

} // namespace ts::kit
