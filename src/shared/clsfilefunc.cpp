#include "clsfilefunc.h"

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace ts {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString &path) { return fs::path(QFile::encodeName(path).toStdString()); }

// An absolute path without "." or ".." parts or a closing "/".
QString cleanPath(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

bool isThere(const QFileInfo &info) { return info.exists() || info.isSymLink(); }

// The first "name (n).ext" beside the path that is free.
QString freeName(const QString &path)
{
    const QFileInfo info(path);
    QString base = info.fileName();
    QString ext;
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (!info.isDir() && dot > 0) {
        ext = base.mid(dot);
        base.truncate(dot);
    }
    for (int n = 2;; ++n) {
        const QString candidate = info.absolutePath() + QStringLiteral("/%1 (%2)%3").arg(base).arg(n).arg(ext);
        if (!isThere(QFileInfo(candidate)))
            return candidate;
    }
}

QString failureReason(const std::error_code &ec) { return QString::fromLocal8Bit(ec.message()) + QLatin1Char('.'); }

// Copies a file, a symbolic link or a whole folder; a folder is merged into a folder of the same name. A file
// goes through the checked write, so that a copy that fails part way leaves its target as it was. False, with
// the reason, at the first failure.
bool copyItem(const fs::path &source, const fs::path &target, QString &reason)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(source, ec);
    std::error_code absent; // looking at a target that is not there is no failure
    if (ec) {
        // nothing to copy: the reason below
    } else if (fs::is_symlink(status)) {
        const fs::file_status existing = fs::symlink_status(target, absent);
        if (fs::exists(existing) && !fs::is_directory(existing))
            fs::remove(target, ec);
        if (!ec)
            fs::copy_symlink(source, target, ec);
    } else if (fs::is_directory(status)) {
        if (!fs::is_directory(fs::status(target, absent)))
            fs::create_directory(target, source, ec);
        for (auto it = fs::directory_iterator(source, ec); !ec && it != fs::directory_iterator(); it.increment(ec))
            if (!copyItem(it->path(), target / it->path().filename(), reason))
                return false;
    } else if (fs::is_regular_file(status)) {
        if (copyFileChecked(QFile::decodeName(source.c_str()), QFile::decodeName(target.c_str()), &reason))
            return true;
        reason += QLatin1Char('.');
        return false;
    } else {
        ec = std::make_error_code(std::errc::operation_not_supported);
    }
    if (ec)
        reason = failureReason(ec);
    return !ec;
}

// One run of a file operation: its questions and its failure messages follow the flags.
class Operation {
public:
    Operation(int code, int flags) : m_code(code), m_flags(flags) {}

    int run(const QString &source, const QString &destination)
    {
        // Nothing to work on is a failure, and no question for the user.
        if (m_code < clsFileFunc::FO_MOVE || m_code > clsFileFunc::FO_RENAME || source.isEmpty() ||
            (m_code != clsFileFunc::FO_DELETE && destination.isEmpty()))
            return clsFileFunc::DE_INVALIDFILES;
        const QString from = cleanPath(source);
        if (!isThere(QFileInfo(from)))
            return fail(clsFileFunc::ERROR_FILE_NOT_FOUND, from);
        if (from == QLatin1String("/"))
            return fail(clsFileFunc::DE_ROOTDIR, from);
        switch (m_code) {
        case clsFileFunc::FO_DELETE: return remove(from);
        case clsFileFunc::FO_RENAME: return rename(from, destination);
        default: return transfer(from, destination);
        }
    }

private:
    bool has(int flag) const { return (m_flags & flag) != 0; }

    bool ask(const QString &text, const QString &title) const
    {
        return has(clsFileFunc::FOF_NOCONFIRMATION) ||
               msgBox(text, Buttons::YesNo, Icon::Question, title) == Answer::Yes;
    }

    int fail(int result, const QString &path, const QString &reason = {}) const
    {
        static const struct {
            int result;
            const char *reason;
        } kReasons[] = {
            {clsFileFunc::ERROR_FILE_NOT_FOUND, "It does not exist."},
            {clsFileFunc::DE_SAMEFILE, "The source and the target are the same."},
            {clsFileFunc::DE_DIFFDIR, "A new name cannot put it in another folder."},
            {clsFileFunc::DE_ROOTDIR, "It is the root folder."},
            {clsFileFunc::DE_DESTSUBTREE, "The target is inside the source folder."},
            {clsFileFunc::DE_FLDDESTISFILE, "A file of that name stands where the folder would go."},
            {clsFileFunc::DE_FILEDESTISFLD, "A folder of that name stands where the file would go."},
            {clsFileFunc::ERROR_ALREADY_EXISTS, "A file or folder of that name already exists."},
        };
        static const char *const kVerbs[] = {"", "move", "copy", "delete", "rename"};
        if (!has(clsFileFunc::FOF_NOERRORUI)) {
            QString why = reason;
            for (const auto &r : kReasons)
                if (r.result == result)
                    why = QString::fromLatin1(r.reason);
            msgBox(QStringLiteral("Cannot %1 '%2'.\r%3").arg(QLatin1String(kVerbs[m_code]), path, why), Buttons::Ok,
                   Icon::Exclamation, QStringLiteral("File Error"));
        }
        return result;
    }

    int systemFailure(const QString &path, const std::error_code &ec) const
    {
        return fail(clsFileFunc::DE_UNKNOWN, path, failureReason(ec));
    }

    int remove(const QString &from)
    {
        const bool toTrash = has(clsFileFunc::FOF_ALLOWUNDO);
        if (!ask(toTrash ? QStringLiteral("Are you sure you want to move '%1' to the trash?").arg(from)
                         : QStringLiteral("Are you sure you want to delete '%1' for good?").arg(from),
                 QStringLiteral("Confirm Delete")))
            return clsFileFunc::DE_OPCANCELLED;
        // The trash lives in the user's data folder, which must be there: without it files would go to a
        // trash in the current folder.
        if (toTrash) {
            QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
            return QFile::moveToTrash(from)
                       ? clsFileFunc::kDone
                       : fail(clsFileFunc::DE_UNKNOWN, from, QStringLiteral("It could not be moved to the trash."));
        }
        std::error_code ec;
        fs::remove_all(toPath(from), ec);
        return ec ? systemFailure(from, ec) : clsFileFunc::kDone;
    }

    int rename(const QString &from, const QString &newName)
    {
        QString to = cleanPath(
            newName.contains(QLatin1Char('/')) ? newName : QFileInfo(from).absolutePath() + QLatin1Char('/') + newName);
        if (QFileInfo(to).absolutePath() != QFileInfo(from).absolutePath())
            return fail(clsFileFunc::DE_DIFFDIR, from);
        if (to == from)
            return clsFileFunc::kDone;
        if (isThere(QFileInfo(to))) {
            if (!has(clsFileFunc::FOF_RENAMEONCOLLISION))
                return fail(clsFileFunc::ERROR_ALREADY_EXISTS, to);
            to = freeName(to);
        }
        std::error_code ec;
        fs::rename(toPath(from), toPath(to), ec);
        return ec ? systemFailure(from, ec) : clsFileFunc::kDone;
    }

    int transfer(const QString &from, const QString &destination)
    {
        const bool folder = QFileInfo(from).isDir() && !QFileInfo(from).isSymLink();
        QString to = cleanPath(destination);
        // An existing folder receives the source under its own name.
        if (QFileInfo(to).isDir() && to != from)
            to += QLatin1Char('/') + QFileInfo(from).fileName();
        if (to == from) {
            if (m_code == clsFileFunc::FO_MOVE || !has(clsFileFunc::FOF_RENAMEONCOLLISION))
                return fail(clsFileFunc::DE_SAMEFILE, from);
            to = freeName(to);
        }
        if (folder && to.startsWith(from + QLatin1Char('/')))
            return fail(clsFileFunc::DE_DESTSUBTREE, from);
        const QFileInfo target(to);
        bool merge = false;
        if (isThere(target)) {
            if (has(clsFileFunc::FOF_RENAMEONCOLLISION)) {
                to = freeName(to);
            } else {
                if (folder && !target.isDir())
                    return fail(clsFileFunc::DE_FLDDESTISFILE, to);
                if (!folder && target.isDir() && !target.isSymLink())
                    return fail(clsFileFunc::DE_FILEDESTISFLD, to);
                if (!ask(QStringLiteral("'%1' already exists.\rDo you want to replace it?").arg(to),
                         QStringLiteral("Confirm Replace")))
                    return clsFileFunc::DE_OPCANCELLED;
                merge = folder;
            }
        }
        const QString parent = QFileInfo(to).absolutePath();
        if (!QFileInfo(parent).isDir()) {
            if (!has(clsFileFunc::FOF_NOCONFIRMMKDIR) &&
                !ask(QStringLiteral("The folder '%1' does not exist.\rDo you want to create it?").arg(parent),
                     QStringLiteral("Confirm Create Folder")))
                return clsFileFunc::DE_OPCANCELLED;
            std::error_code ec;
            fs::create_directories(toPath(parent), ec);
            if (ec)
                return systemFailure(parent, ec);
        }
        std::error_code ec;
        if (m_code == clsFileFunc::FO_MOVE && !merge) {
            fs::rename(toPath(from), toPath(to), ec);
            if (ec != std::errc::cross_device_link)
                return ec ? systemFailure(from, ec) : clsFileFunc::kDone;
            ec.clear();
        }
        // A copy, a move onto another disk or a folder merged into another: copy, then take the source away.
        QString reason;
        if (!copyItem(toPath(from), toPath(to), reason))
            return fail(clsFileFunc::DE_UNKNOWN, from, reason);
        if (m_code == clsFileFunc::FO_MOVE)
            fs::remove_all(toPath(from), ec);
        return ec ? systemFailure(from, ec) : clsFileFunc::kDone;
    }

    int m_code;
    int m_flags;
};

int openAnswer(Shell::Result result)
{
    switch (result) {
    case Shell::Result::Ok: return clsFileFunc::kOpened;
    case Shell::Result::FileNotFound: return clsFileFunc::SE_ERR_FNF;
    case Shell::Result::Failed: break;
    }
    return clsFileFunc::SE_ERR_NOASSOC;
}

// A file that the system runs rather than opens: executable, and a program or a script by its content.
bool isProgram(const QFileInfo &info)
{
    if (!info.isFile() || !info.isExecutable())
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    for (const char *program :
         {"application/x-executable", "application/x-pie-executable", "application/x-shellscript"})
        if (type.inherits(QLatin1String(program)))
            return true;
    return false;
}

QString existingFolder(const char *path)
{
    const QString folder = QString::fromLatin1(path);
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

int clsFileFunc::OpenFile(const QString &strFile, const QString &vArgs, int, const QString &vInitDir,
                          const QString &vVerb, qintptr)
{
    if (!vVerb.isEmpty() && vVerb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return SE_ERR_NOASSOC;
    if (strFile.isEmpty())
        return SE_ERR_FNF;
    const QFileInfo info(strFile);
    if (!isProgram(info))
        return openAnswer(shell().open(strFile));
    if (!vInitDir.isEmpty() && !QFileInfo(vInitDir).isDir())
        return SE_ERR_PNF;
    return openAnswer(shell().run(info.absoluteFilePath(), QProcess::splitCommand(vArgs), vInitDir));
}

int clsFileFunc::CopyFile(const QString &strFileSource, const QString &strFileDest, int Flags)
{
    return doFileOperation(strFileSource, strFileDest, FO_COPY, false, Flags);
}

int clsFileFunc::MoveFile(const QString &strFileSource, const QString &strFileDest, int Flags)
{
    return doFileOperation(strFileSource, strFileDest, FO_MOVE, false, Flags);
}

int clsFileFunc::RenameFile(const QString &strFileSource, const QString &strNewFileName, int Flags)
{
    return doFileOperation(strFileSource, strNewFileName, FO_RENAME, false, Flags);
}

int clsFileFunc::DeleteFile(const QString &strFileSource, bool blnRecycle, int Flags)
{
    return doFileOperation(strFileSource, {}, FO_DELETE, blnRecycle, Flags);
}

int clsFileFunc::doFileOperation(const QString &source, const QString &destination, int operation, bool allowUndo,
                                 int flags)
{
    return Operation(operation, allowUndo ? flags | FOF_ALLOWUNDO : flags).run(source, destination);
}

QString clsFileFunc::GetSpecialFolder(qintptr, int FOLDER_ID)
{
    static const struct {
        int id;
        QStandardPaths::StandardLocation location;
    } kFolders[] = {
        {CSIDL_DESKTOP, QStandardPaths::DesktopLocation},
        {CSIDL_PROGRAMS, QStandardPaths::ApplicationsLocation},
        {CSIDL_PERSONAL, QStandardPaths::DocumentsLocation},
        {CSIDL_MYMUSIC, QStandardPaths::MusicLocation},
        {CSIDL_MYVIDEO, QStandardPaths::MoviesLocation},
        {CSIDL_DESKTOPDIRECTORY, QStandardPaths::DesktopLocation},
        {CSIDL_FONTS, QStandardPaths::FontsLocation},
        {CSIDL_APPDATA, QStandardPaths::GenericConfigLocation},
        {CSIDL_LOCAL_APPDATA, QStandardPaths::GenericDataLocation},
        {CSIDL_INTERNET_CACHE, QStandardPaths::GenericCacheLocation},
        {CSIDL_MYPICTURES, QStandardPaths::PicturesLocation},
        {CSIDL_PROFILE, QStandardPaths::HomeLocation},
    };
    if (FOLDER_ID == CSIDL_WINDOWS)
        return GetWinPath();
    if (FOLDER_ID == CSIDL_SYSTEM)
        return GetSysPath();
    for (const auto &f : kFolders)
        if (f.id == FOLDER_ID)
            return QStandardPaths::writableLocation(f.location);
    return {};
}

QString clsFileFunc::GetWinPath() { return existingFolder("/usr"); }

QString clsFileFunc::GetSysPath() { return existingFolder("/usr/lib"); }

} // namespace ts
