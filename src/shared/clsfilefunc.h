#pragma once
// File operations as a file manager needs them: copy, move, rename and delete (to the desktop's trash when
// undo is allowed), opening a file with the desktop's program, the special folders, and registering a file
// type with the program that opens it. The operations answer with the codes of the shell file operations the
// programs were first written against, so callers test them as before: 0 means done, for the file operations;
// above 32 means done, for OpenFile. The class holds no state between calls.

#include <QString>

namespace ts {

class clsFileFunc {
public:
    // Operation codes.
    static constexpr int FO_MOVE = 1;
    static constexpr int FO_COPY = 2;
    static constexpr int FO_DELETE = 3;
    static constexpr int FO_RENAME = 4;

    // Flags the file operations honour; the others are accepted and change nothing.
    static constexpr int FOF_RENAMEONCOLLISION = 0x8; // a taken target name gets a free one: "name (2).ext"
    static constexpr int FOF_NOCONFIRMATION = 0x10;   // no question: replace, delete and create folders at once
    static constexpr int FOF_ALLOWUNDO = 0x40;        // a delete moves to the desktop's trash
    static constexpr int FOF_NOCONFIRMMKDIR = 0x200;  // a missing target folder is created without a question
    static constexpr int FOF_NOERRORUI = 0x400;       // a failure shows no message, it is only answered

    // Answers of the file operations.
    static constexpr int kDone = 0;
    static constexpr int ERROR_FILE_NOT_FOUND = 2;    // the source is not there
    static constexpr int DE_SAMEFILE = 0x71;          // source and target are one
    static constexpr int DE_DIFFDIR = 0x73;           // a new name that would move to another folder
    static constexpr int DE_ROOTDIR = 0x74;           // the root folder cannot be moved, renamed or deleted
    static constexpr int DE_OPCANCELLED = 0x75;       // the user answered No
    static constexpr int DE_DESTSUBTREE = 0x76;       // the target lies inside the source folder
    static constexpr int DE_INVALIDFILES = 0x7C;      // an empty path
    static constexpr int DE_FLDDESTISFILE = 0x7E;     // a folder would replace a file
    static constexpr int DE_FILEDESTISFLD = 0x80;     // a file would replace a folder
    static constexpr int ERROR_ALREADY_EXISTS = 0xB7; // a rename to a name that is taken
    static constexpr int DE_UNKNOWN = 0x402;          // the system refused (no access, disk full...)

    // Answers of OpenFile: above 32 when the file was handed over.
    static constexpr int SE_ERR_FNF = 2;      // no such file
    static constexpr int SE_ERR_PNF = 3;      // no such working folder
    static constexpr int SE_ERR_NOASSOC = 31; // no program for the file, or for that verb
    static constexpr int kOpened = 33;

    // The special folders GetSpecialFolder knows, by their shell numbers.
    static constexpr int CSIDL_DESKTOP = 0x00;
    static constexpr int CSIDL_PROGRAMS = 0x02;
    static constexpr int CSIDL_PERSONAL = 0x05;
    static constexpr int CSIDL_MYMUSIC = 0x0D;
    static constexpr int CSIDL_MYVIDEO = 0x0E;
    static constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
    static constexpr int CSIDL_FONTS = 0x14;
    static constexpr int CSIDL_APPDATA = 0x1A;
    static constexpr int CSIDL_LOCAL_APPDATA = 0x1C;
    static constexpr int CSIDL_INTERNET_CACHE = 0x20;
    static constexpr int CSIDL_WINDOWS = 0x24;
    static constexpr int CSIDL_SYSTEM = 0x25;
    static constexpr int CSIDL_MYPICTURES = 0x27;
    static constexpr int CSIDL_PROFILE = 0x28;

    // Registers files ending in strFileExtension as documents of strProgramName, described by
    // strFileDescription and opened by the program strProgramPath, for the user, the way the desktop does:
    // a MIME type with its glob and a desktop entry under the user's data folder, made the type's default
    // program. A "." is put in front of an extension given without one, in the caller's text as well. Nothing
    // is written when the name, the program or the extension is empty; a step that fails does not stop the
    // others, and none is reported.
    void MakeFileDefault(const QString &strProgramName, const QString &strProgramPath,
                         const QString &strFileDescription, QString &strFileExtension);

    // Opens a file with the desktop's program for it; a program file is started instead, with vArgs as its
    // arguments and vInitDir as its working folder. Empty vVerb and "open" open; any other verb answers
    // SE_ERR_NOASSOC. The desktop decides how the window shows, so vShow and vhWnd change nothing.
    int OpenFile(const QString &strFile, const QString &vArgs = {}, int vShow = 1, const QString &vInitDir = {},
                 const QString &vVerb = {}, qintptr vhWnd = 0);

    // A target that is an existing folder receives the source under its own name; a missing target folder
    // is created. An existing target is replaced after a question (folders are merged).
    int CopyFile(const QString &strFileSource, const QString &strFileDest, int Flags);
    int MoveFile(const QString &strFileSource, const QString &strFileDest, int Flags);
    // strNewFileName is a path in the source's folder, or a bare name taken in that folder.
    int RenameFile(const QString &strFileSource, const QString &strNewFileName, int Flags);
    // Asks first (unless FOF_NOCONFIRMATION); blnRecycle (or FOF_ALLOWUNDO) moves to the trash.
    int DeleteFile(const QString &strFileSource, bool blnRecycle, int Flags);

    // The path of a special folder, or the empty text for a number it does not know. hWndOwner changes
    // nothing.
    QString GetSpecialFolder(qintptr hWndOwner, int FOLDER_ID);
    // The folders the system is installed in, standing for the Windows and System folders; empty when absent.
    QString GetWinPath();
    QString GetSysPath();

private:
    int doFileOperation(const QString &source, const QString &destination, int operation, bool allowUndo, int flags);
};

} // namespace ts
