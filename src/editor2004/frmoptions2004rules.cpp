// The field rules of the SCORM 2004 editor's own, beside those every editor window applies: the category
// list's change rule, the size, the file browse of the location and the unit converter.

#include "frmoptions2004.h"

#include "fields2004.h"

#include "frame/frmconvertunits.h"
#include "frame/frmmain.h"
#include "frame/settings.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/textutil.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace ts {

using namespace fields2004;

QString errorText2004(const std::exception &e, const QString &procedure)
{
    const auto *app = dynamic_cast<const AppError *>(&e);
    const QString description = app ? app->description : QString::fromLocal8Bit(e.what());
    return QStringLiteral("Error %1 (%2 ) frmOptions2004in %3").arg(app ? app->number : 51).arg(description, procedure);
}

void FrmOptions2004::reportFailure(const std::exception &e, const QString &procedure)
{
    const QString own = procedure == QLatin1String("checkStringVal") ? QStringLiteral("checkStringVal()") : procedure;
    if (own.endsWith(QLatin1String("()")))
        msgBox(errorText2004(e, own));
    else
        EditorWindow::reportFailure(e, procedure);
}

void FrmOptions2004::reportTemplateSaveFailure(const std::exception &e)
{
    msgBox(errorText2004(e, QStringLiteral("cmdSetDefaults_Click()")));
}

int FrmOptions2004::saveOptionsSetting() const
{
    if (readSetting(QStringLiteral("showSaveOptions")).trimmed().isEmpty())
        return 0;
    return EditorWindow::saveOptionsSetting();
}

bool FrmOptions2004::checkInputString(const QString &text)
{
    try {
        for (const QChar c : text)
            if (QStringLiteral("\\/:*?\"<>|").contains(c))
                return false;
        return true;
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("checkInputString"), QStringLiteral("Form frmOptions"), true);
        return false;
    }
}

// ----- The category list -----

void FrmOptions2004::categoryTextChanged(bool typed)
{
    // setCategoryText stands for a pick, which it applies itself; other picks apply on their activation. What
    // the program writes is judged once it is written (writeCategoryText).
    if (settingCategory() || m_programWriting)
        return;
    if (typed && changeRule())
        m_typingRefused = true;
}

void FrmOptions2004::cboSelectCategory_Change() { changeRule(); }

bool FrmOptions2004::changeRule()
{
    bool refused = false;
    try {
        if (!dontValidate() && cboSelectCategory()->currentText() != QLatin1String(kNeutralCategoryText)) {
            refused = true;
            msgBox(QStringLiteral("Please select an item from the dropdown menu"), Buttons::Ok, Icon::Exclamation,
                   QStringLiteral("Invalid Entry"));
            // Writing the neutral text runs this rule once more, which finds nothing to say.
            writeCategoryText(QString::fromLatin1(kNeutralCategoryText));
        }
        if (frmMain().isFromSelectMetadata)
            cboSelectCategory_Click();
    } catch (const std::exception &e) {
        reportFailure(e, QStringLiteral("cboSelectCategory_Change()"));
    }
    return refused;
}

void FrmOptions2004::writeCategoryText(const QString &text)
{
    programWrites([this, &text] { putComboText(cboSelectCategory(), text); });
}

void FrmOptions2004::programWrites(const std::function<void()> &write)
{
    // The list may pass through several texts while it is written; the change rule judges the one it ends with.
    const QString before = cboSelectCategory()->currentText();
    const bool writing = std::exchange(m_programWriting, true);
    write();
    m_programWriting = writing;
    if (cboSelectCategory()->currentText() != before)
        changeRule();
}

bool FrmOptions2004::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboSelectCategory()) {
        if (event->type() == QEvent::KeyPress) {
            m_typingRefused = false;
        } else if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
            // The box that refused a typed key took that key: its release does not run the key rule again.
            if (std::exchange(m_typingRefused, false))
                return false;
            // What the key rule writes into the list is the program's writing.
            bool handled = false;
            programWrites([&] { handled = EditorWindow::eventFilter(watched, event); });
            return handled;
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

// ----- Fields -----

void FrmOptions2004::connectOwnRule(const kit::Field &field, QWidget *control)
{
    if (field.ownRule == Size)
        connect(static_cast<QLineEdit *>(control), &QLineEdit::textChanged, this, &FrmOptions2004::sizeChanged);
}

void FrmOptions2004::sizeChanged()
{
    auto *size = static_cast<QLineEdit *>(control(QStringLiteral("txtSize")));
    const QString text = size->text();
    checkStringVal(text, size, field(QStringLiteral("txtSize"))->tab);
    // The same test as the writers': a size is a plain whole number of bytes.
    if (!text.isEmpty() && !isPlainSize(text)) {
        msgBox(QStringLiteral("Must be a number"), Buttons::Ok, Icon::Exclamation, QStringLiteral("Validation"));
        size->clear();
    }
}

void FrmOptions2004::labelClicked(const QString &labelName)
{
    if (labelName == QLatin1String("lblConvertToBytes"))
        lblConvertToBytes_Click();
    else
        EditorWindow::labelClicked(labelName);
}

void FrmOptions2004::lblConvertToBytes_Click() { frmConvertUnits().exec(); }

void FrmOptions2004::cmdBrowse_Click()
{
    try {
        FileDialogOptions options;
        options.title = QStringLiteral("Select File");
        options.filter = QStringLiteral("All Files (*.*)|*.*");
        options.mustExist = true;
        // Cancelling leaves the location as it was.
        const std::optional<QString> chosen = dialogs().saveFile(options);
        if (!chosen || chosen->isEmpty())
            return;
        // The folder of the file, with its closing separator.
        const QString fileName = QFileInfo(*chosen).fileName();
        setFieldText(QStringLiteral("locationText"), chosen->left(chosen->size() - fileName.size()));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmdBrowse_Click"), QStringLiteral("Form frmOptions"));
    }
}

} // namespace ts
