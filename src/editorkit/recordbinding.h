#pragma once
// Moves a binding's record between an editor window's controls and the plain record, field by field: each
// field of the table goes to the member its row names.

#include "editorkit/editorwindow.h"

#include <QAbstractButton>
#include <QListWidget>
#include <span>

namespace ts::kit {

namespace binding {

// The other button of an option pair: the option of the same frame that holds no member.
template <class Record>
QAbstractButton *otherOption(const EditorWindow &window, std::span<const FieldSpec<Record>> fields,
                             const FieldSpec<Record> &option)
{
    for (const FieldSpec<Record> &f : fields)
        if (f.kind == Kind::Option && &f != &option && qstrcmp(f.frame, option.frame) == 0 &&
            std::holds_alternative<std::monostate>(f.member))
            return qobject_cast<QAbstractButton *>(window.control(QString::fromUtf8(f.name)));
    return nullptr;
}

} // namespace binding

template <class Record> Record readRecord(const EditorWindow &window, std::span<const FieldSpec<Record>> fields)
{
    Record record;
    for (const FieldSpec<Record> &f : fields) {
        const QString name = QString::fromUtf8(f.name);
        if (auto text = std::get_if<QString Record::*>(&f.member)) {
            record.**text = window.fieldText(name);
        } else if (auto flag = std::get_if<bool Record::*>(&f.member)) {
            if (auto *button = qobject_cast<QAbstractButton *>(window.control(name)))
                record.**flag = button->isChecked();
        } else if (auto list = std::get_if<QStringList Record::*>(&f.member)) {
            QStringList items;
            if (auto *box = qobject_cast<QListWidget *>(window.control(name)))
                for (int i = 0; i < box->count(); ++i)
                    items << box->item(i)->text();
            record.**list = items;
        }
    }
    return record;
}

// Fills every field that holds a member from the record, replacing what it held: the texts first, then
// the check boxes and option pairs, then the lists, each in the order of the table. The category, the
// profile and the window's variables stay as they are. The controls react as to any text the program puts
// in them: set frmMain().dontValidate true first, as the program does whenever it fills an editor, or the
// list-only fields refuse their values as typed text.
template <class Record>
void putRecord(EditorWindow &window, std::span<const FieldSpec<Record>> fields, const Record &record)
{
    for (const FieldSpec<Record> &f : fields)
        if (auto text = std::get_if<QString Record::*>(&f.member))
            window.setFieldText(QString::fromUtf8(f.name), record.**text);
    for (const FieldSpec<Record> &f : fields) {
        auto flag = std::get_if<bool Record::*>(&f.member);
        if (!flag)
            continue;
        const bool on = record.**flag;
        QAbstractButton *other = f.kind == Kind::Option && !on ? binding::otherOption(window, fields, f) : nullptr;
        if (other)
            other->setChecked(true);
        else if (auto *button = qobject_cast<QAbstractButton *>(window.control(QString::fromUtf8(f.name))))
            button->setChecked(on);
    }
    for (const FieldSpec<Record> &f : fields) {
        if (auto list = std::get_if<QStringList Record::*>(&f.member)) {
            if (auto *box = qobject_cast<QListWidget *>(window.control(QString::fromUtf8(f.name)))) {
                box->clear();
                box->addItems(record.**list);
            }
        }
    }
}

} // namespace ts::kit
