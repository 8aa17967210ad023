#include "listeditor.h"

#include "editorwindow.h"

#include "frame/frmmain.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"
#include "shared/apperror.h"
#include "shared/twopartitems.h"

#include <QEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace ts::kit {

namespace {

QString str(const char *text) { return QString::fromUtf8(text); }

QListWidget *listBox(const EditorWindow &window, const char *name)
{
    auto *list = qobject_cast<QListWidget *>(window.control(str(name)));
    if (!list)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return list;
}

// Sets the main window's dontValidate for the time the program fills fields, and back afterwards.
class Filling {
public:
    Filling() : m_before(frmMain().dontValidate) { frmMain().dontValidate = true; }
    ~Filling() { frmMain().dontValidate = m_before; }
    Filling(const Filling &) = delete;
    Filling &operator=(const Filling &) = delete;

private:
    bool m_before;
};

} // namespace

QString readFragmentFile(const QString &path)
{
    // Only a path that names nothing is a fragment gone; a folder of that name is a fragment that cannot be read.
    if (!QFileInfo::exists(path))
        throw AppError(err::FileNotFound, QStringLiteral("File not found"));
    if (QFileInfo(path).isDir())
        throw AppError(err::PathFileAccess, QStringLiteral("Path/File access error"));
    QString text;
    QString error;
    if (!readTextFile(path, text, &error))
        throw AppError(err::PathFileAccess, error);
    return text;
}

// ----- What both kinds share -----

ListEditor::ListEditor(EditorWindow &window, const char *list, const RemoveTexts &texts, const char *removeButton,
                       const char *removeAllButton)
    : QObject(&window), m_window(window), m_texts(texts), m_list(listBox(window, list))
{
    onClick(removeButton, [this] { removeSelected(); });
    onClick(removeAllButton, [this] { removeAll(); });
    // A click reads the item back, and so does moving to an item with the keys.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, [this] { readBack(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &ListEditor::currentRowChanged);
}

void ListEditor::onClick(const char *button, std::function<void()> work)
{
    auto *b = qobject_cast<QPushButton *>(m_window.control(str(button)));
    if (!b)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    connect(b, &QPushButton::clicked, this, [work = std::move(work)] { work(); });
}

bool ListEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_pressing = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        m_pressing = false;
    return QObject::eventFilter(watched, event);
}

void ListEditor::currentRowChanged()
{
    // A mouse press moves the current row too; the click that ends it reads the item back. Rows that change
    // because items are added or removed by the program are no move of the user's.
    if (!m_pressing && m_list->hasFocus() && m_list->currentItem() && m_list->currentItem()->isSelected())
        readBack();
}

QString ListEditor::selectedText() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ListEditor::noSelection() const { msgBox(str(m_texts.noSelection)); }

void ListEditor::removeSelected()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        noSelection();
        return;
    }
    if (msgBox(str(m_texts.confirmRemove), Buttons::YesNo, Icon::None, str(m_texts.confirmTitle)) != Answer::Yes)
        return;
    // Nothing is selected afterwards, and nothing is read back on the way.
    const QSignalBlocker quiet(m_list);
    delete selected.first();
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
}

void ListEditor::removeAll()
{
    if (msgBox(str(m_texts.confirmRemoveAll), Buttons::YesNo, Icon::None, str(m_texts.confirmTitle)) == Answer::Yes)
        m_list->clear();
}

// ----- Two-part lists -----

TwoPartList::TwoPartList(EditorWindow &window, const TwoPartListSpec &spec)
    : ListEditor(window, spec.list, spec.texts, spec.removeButton, spec.removeAllButton), m_spec(spec)
{
    onClick(spec.addButton, [this] { add(); });
}

void TwoPartList::add()
{
    const QString first = m_window.fieldText(str(m_spec.first));
    const QString second = m_window.fieldText(str(m_spec.second));
    if (first.isEmpty() || second.isEmpty())
        return;
    list()->addItem(first + QLatin1Char(',') + second);
    m_window.setFieldText(str(m_spec.first), QString());
    m_window.setFieldText(str(m_spec.second), QString());
}

void TwoPartList::readBack()
{
    const QString item = selectedText();
    if (item.isEmpty())
        return;
    const auto [first, second] =
        m_spec.split == SplitAt::LastComma ? splitContributorItem(item) : splitTaxonItem(item);
    // The program fills the fields: a drop-down list takes the part as it stands.
    const Filling filling;
    m_window.setFieldText(str(m_spec.first), first);
    m_window.setFieldText(str(m_spec.second), second);
}

// ----- Fragment lists -----

FragmentList::FragmentList(EditorWindow &window, const FragmentListSpec &spec, FragmentStore store)
    : ListEditor(window, spec.list, spec.texts, spec.removeButton, spec.removeAllButton), m_spec(spec),
      m_store(std::move(store))
{
    onClick(spec.addButton, [this] { add(); });
    onClick(spec.updateButton, [this] { update(); });
}

void FragmentList::add()
{
    for (const RequiredEntryField &required : m_spec.required) {
        if (!m_window.fieldText(str(required.field)).isEmpty())
            continue;
        msgBox(str(required.message), Buttons::Ok, Icon::Exclamation, str(m_spec.requiredTitle));
        m_window.focusField(str(required.field), m_spec.tab, false, false);
        return;
    }
    for (const char *pending : m_spec.pendingFields) {
        if (m_window.fieldText(str(pending)).isEmpty())
            continue;
        if (msgBox(str(m_spec.pendingQuestion), Buttons::YesNo) != Answer::Yes)
            return;
        break;
    }
    createFile(Mode::Add);
}

void FragmentList::update() { createFile(Mode::Update); }

bool FragmentList::createFile(Mode mode)
{
    try {
        QString id;
        if (mode == Mode::Add) {
            id = m_window.fieldText(str(m_spec.idField));
            if (id.isEmpty()) {
                msgBox(str(m_spec.noIdText));
                return false;
            }
            if (isDuplicateEntry(id)) {
                msgBox(str(m_spec.duplicateText));
                return false;
            }
        } else {
            // An update rewrites the fragment of the selected id; without one there is nothing to rewrite.
            if (list()->selectedItems().isEmpty()) {
                noSelection();
                return false;
            }
            id = selectedText();
        }
        if (!m_store.write(id))
            return false;
        if (mode == Mode::Add) {
            list()->addItem(id);
            clearEntry();
        }
        return true;
    } catch (const std::exception &e) {
        m_window.reportFailure(e, str(m_spec.writeProcedure));
        return false;
    }
}

bool FragmentList::isDuplicateEntry(const QString &id) const
{
    for (int i = 0; i < list()->count(); ++i)
        if (list()->item(i)->text() == id)
            return true;
    return false;
}

void FragmentList::clearEntry()
{
    for (const char *name : m_spec.entryFields)
        if (const Field *field = m_window.field(str(name)))
            m_window.clearField(*field);
}

void FragmentList::readBack()
{
    const QString id = selectedText();
    if (id.isEmpty())
        return;
    FrmMain &main = frmMain();
    main.dontValidate = true;
    try {
        listBox(m_window, m_spec.partList)->clear();
        m_store.read(id);
    } catch (const AppError &e) {
        msgBox(e.number == err::FileNotFound ? str(m_spec.missingText)
                                             : QStringLiteral("Error %1 (%2 ) in %3")
                                                   .arg(e.number)
                                                   .arg(e.description, str(m_spec.readProcedure)));
    } catch (const std::exception &e) {
        msgBox(QStringLiteral("Error 0 (%1 ) in %2").arg(QString::fromLocal8Bit(e.what()), str(m_spec.readProcedure)));
    }
    main.dontValidate = false;
}

} // namespace ts::kit
