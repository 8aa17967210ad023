#include "qtdialogs.h"
#include "windowsize.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace ts {

namespace {

// A carriage return alone is a line break in the programs' message texts.
QString lineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

Answer toAnswer(int button, Buttons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closed with the window's close box: the box's cancelling answer.
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

} // namespace

Answer QtDialogs::message(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    QMessageBox box(messageIcon(icon), title.isEmpty() ? appTitle() : title, lineBreaks(text), standardButtons(buttons),
                    QApplication::activeWindow());
    return toAnswer(box.exec(), buttons);
}

std::optional<QString> QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? appTitle() : title,
                                               lineBreaks(prompt), QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const FileDialogOptions &options)
{
    QString start = options.initialDir;
    if (!options.fileName.isEmpty())
        start = start.isEmpty() ? options.fileName : start + QLatin1Char('/') + options.fileName;
    const QString path =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), options.title, start, toQtFilter(options.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::saveFile(const FileDialogOptions &options)
{
    QFileDialog dialog(QApplication::activeWindow(), options.title, options.initialDir, toQtFilter(options.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (options.mustExist) {
        // A file is picked, not written: nothing to confirm.
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!options.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.defaultExt.isEmpty())
        dialog.setDefaultSuffix(options.defaultExt);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::chooseFolder(const QString &title, const QString &startFolder)
{
    QWidget *over = QApplication::activeWindow();
    QFileDialog dialog(over, title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // In the middle of the window it was asked from, whole on the screen (a desktop's own dialog places itself).
    openCentred(&dialog, over);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtDialogs::print(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The programs print text, not numbered pages; a selection, when the caller set one, is offered chosen.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, printer.printRange() == QPrinter::Selection);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::pageSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ts
