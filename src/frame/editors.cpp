#include "editors.h"
#include "frmmain.h"
#include "shared/apperror.h"
#include "shared/metadatarecord.h"

#include "platform/qt/boxtext.h"
#include "platform/xmldocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ts {

namespace {
struct Entry {
    std::function<MetadataEditor &()> accessor;
    std::function<bool()> loaded;
    std::function<LoadedMetadata(const QString &)> loader;
};
Entry g_entries[2];
Entry &entry(Binding b) { return g_entries[b == Binding::Scorm12 ? 0 : 1]; }
} // namespace

void setEditorAccessor(Binding binding, std::function<MetadataEditor &()> accessor, std::function<bool()> isLoaded)
{
    entry(binding).accessor = std::move(accessor);
    entry(binding).loaded = std::move(isLoaded);
}

void setMetadataLoader(Binding binding, std::function<LoadedMetadata(const QString &)> loader)
{
    entry(binding).loader = std::move(loader);
}

LoadedMetadata loadMetadata(Binding binding, const QString &path)
{
    const Entry &e = entry(binding);
    return e.loader ? e.loader(path) : LoadedMetadata();
}

Binding loadInItsBinding(const QString &text, const QString &path, LoadedMetadata &loaded)
{
    const auto bindingOf = [&text](const MetadataRecord &record) {
        return isScorm2004File(text, record) ? Binding::Scorm2004 : Binding::Scorm12;
    };
    // Both readers find the record alike; the file is read again only where its record tells another binding
    // than its text.
    const Binding told = bindingOf({});
    loaded = loadMetadata(told, path);
    const Binding binding = loaded.document ? bindingOf(findRecord(*loaded.document)) : told;
    if (binding != told)
        loaded = loadMetadata(binding, path);
    return binding;
}

MetadataEditor &editorWindow(Binding binding)
{
    Entry &e = entry(binding);
    if (!e.accessor)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return e.accessor();
}

bool editorLoaded(Binding binding)
{
    const Entry &e = entry(binding);
    return e.loaded && e.loaded();
}

MetadataEditor::ReadOutcome MetadataEditor::readMetadataFile(LoadedMetadata &) { return ReadOutcome::NotRead; }

XmlDocument &MetadataEditor::xmlDocument()
{
    // An editor that reads no files parses in a document of its own.
    static XmlDocument plain;
    return plain;
}

namespace {
void putComboText(QComboBox *combo, const QString &text)
{
    const int index = text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    if (combo->currentText() != text)
        combo->setEditText(text);
}
} // namespace

void MetadataEditor::putCategoryText(const QString &text)
{
    if (auto *combo = findChild<QComboBox *>(QStringLiteral("cboSelectCategory")))
        putComboText(combo, text);
}

bool MetadataEditor::putFieldText(const QString &name, const QString &text)
{
    QWidget *w = findChild<QWidget *>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // A text put in by the program is kept whole, whatever the limit on typing.
        if (edit->maxLength() < text.size())
            edit->setMaxLength(static_cast<int>(text.size()));
        edit->setText(text);
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(w)) {
        setBoxText(box, text);
    } else {
        return false;
    }
    return true;
}

bool MetadataEditor::tickCheckBox(const QString &name)
{
    auto *box = findChild<QCheckBox *>(name);
    if (box)
        box->setChecked(true);
    return box != nullptr;
}

Binding activeBinding()
{
    return frmMain().scormVersion == QLatin1String("SCORM 2004") ? Binding::Scorm2004 : Binding::Scorm12;
}

} // namespace ts
