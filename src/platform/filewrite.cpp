// The one way the programs replace a file: a temporary file beside the target, every step checked by us
// (the write of every byte, the sync, the size on the disk, the rename), so that a file system that refuses
// a write is never taken for one that took it.

#include "textfile.h"
#include "writtenfiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ts {

namespace {

struct WriteFault {
    QString pathEnding;
    qint64 afterBytes = -1;
    QString reason;
    WriteStep step = WriteStep::Write;
};

std::mutex g_faultMutex;
std::optional<WriteFault> g_fault;
WriteProbe g_probe;

std::optional<WriteFault> takeWriteFault(const QString &path)
{
    const std::lock_guard lock(g_faultMutex);
    if (!g_fault || !path.endsWith(g_fault->pathEnding))
        return std::nullopt;
    std::optional<WriteFault> fault;
    fault.swap(g_fault);
    return fault;
}

WriteProbe currentProbe()
{
    const std::lock_guard lock(g_faultMutex);
    return g_probe;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The file a write to the path replaces: the end of its chain of symbolic links (the path itself when the
// chain is too long to follow).
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Numbers the temporary files of this process, so that their names stay short and free.
std::atomic<unsigned> g_temporaryNumber{0};

// One replacement of a file: the new bytes go into a temporary file of a short name in the target's folder
// (so that the rename stays on one file system), which is renamed over the target once every step has
// answered well, and removed on any failure.
class Replacement {
public:
    Replacement(const QString &path, WriteKind kind)
        : m_target(finalTarget(path)), m_kind(kind), m_fault(takeWriteFault(path)), m_probe(currentProbe())
    {
    }
    ~Replacement()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_temporary.isEmpty())
            ::unlink(m_temporary.constData());
    }
    Replacement(const Replacement &) = delete;
    Replacement &operator=(const Replacement &) = delete;

    // Takes one step on the disk, told to the probe first.
    template <typename Call>
    auto take(const char *step, const QByteArray &detail, Call &&call) const
    {
        if (m_probe.step)
            m_probe.step(step, detail);
        return call();
    }

    const QString &reason() const { return m_reason; }

    bool fail(const QString &reason)
    {
        m_reason = reason;
        return false;
    }
    bool failWith(int error) { return fail(systemReason(error)); }

    // Creates the temporary file, with the permissions given, or else those of the file it replaces (a new
    // file: as the user's file mask allows).
    bool open(std::optional<mode_t> permissions)
    {
        const QByteArray target = QFile::encodeName(m_target);
        struct stat existing {};
        if (::stat(target.constData(), &existing) == 0) {
            if (S_ISDIR(existing.st_mode))
                return fail(QStringLiteral("Filename refers to a directory"));
            if (::access(target.constData(), W_OK) != 0)
                return fail(QStringLiteral("Existing file %1 is not writable").arg(m_target));
            if (!permissions)
                permissions = existing.st_mode & 07777;
        } else if (errno != ENOENT) {
            return failWith(errno);
        }
        const QByteArray folder = QFile::encodeName(QFileInfo(m_target).absolutePath());
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_temporary = folder + "/.tagsmith-" + QByteArray::number(::getpid()) + '-' +
                          QByteArray::number(g_temporaryNumber++) + ".part";
            // Until its permissions are set, the file is the user's alone.
            m_fd = take("open", m_temporary, [&] {
                return ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              permissions ? 0600 : 0666);
            });
            if (m_fd < 0 && errno != EEXIST) {
                m_temporary.clear();
                return failWith(errno);
            }
        }
        if (m_fd < 0) {
            m_temporary.clear();
            return failWith(EEXIST);
        }
        if (permissions && ::fchmod(m_fd, *permissions) != 0)
            return failWith(errno);
        return true;
    }

    bool write(const char *data, qint64 size)
    {
        qint64 allowed = size;
        if (m_fault && m_fault->step == WriteStep::Write && m_fault->afterBytes >= 0)
            allowed = std::clamp<qint64>(m_fault->afterBytes - m_written, 0, size);
        for (qint64 done = 0; done < allowed;) {
            const qint64 piece = m_probe.maxPiece > 0 ? std::min(allowed - done, m_probe.maxPiece) : allowed - done;
            const ssize_t n = take("write", QByteArray::number(piece),
                                   [&] { return ::write(m_fd, data + done, static_cast<size_t>(piece)); });
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return failWith(errno);
            if (n == 0)
                return fail(QStringLiteral("Only %1 of %2 bytes were written.").arg(done).arg(size));
            done += n;
            m_written += n;
        }
        return allowed == size || fail(m_fault->reason);
    }

    // The bytes on the disk (Durable), all of them, then in the target's place.
    bool commit()
    {
        if (m_kind == WriteKind::Durable) {
            if (m_fault && m_fault->step == WriteStep::Sync)
                return fail(m_fault->reason);
            if (take("sync", {}, [this] { return ::fsync(m_fd); }) != 0)
                return failWith(errno);
        }
        if (m_fault && m_fault->step == WriteStep::SizeCheck && ::ftruncate(m_fd, std::max<qint64>(m_written - 1, 0)))
            return failWith(errno);
        struct stat written {};
        if (take("size", {}, [&] { return ::fstat(m_fd, &written); }) != 0)
            return failWith(errno);
        if (written.st_size != m_written)
            return fail(QStringLiteral("Only %1 of %2 bytes reached the disk.").arg(written.st_size).arg(m_written));
        if (take("close", {}, [this] { return ::close(std::exchange(m_fd, -1)); }) != 0)
            return failWith(errno);
        if (m_fault && m_fault->step == WriteStep::Write && m_fault->afterBytes < 0)
            return fail(m_fault->reason);
        if (take("rename", m_temporary,
                 [this] { return ::rename(m_temporary.constData(), QFile::encodeName(m_target).constData()); }) != 0)
            return failWith(errno);
        m_temporary.clear();
        return true;
    }

private:
    QString m_target;
    WriteKind m_kind;
    std::optional<WriteFault> m_fault;
    WriteProbe m_probe;
    QByteArray m_temporary; // the temporary file while it is there
    int m_fd = -1;
    qint64 m_written = 0;
    QString m_reason;
};

std::function<void(const QString &)> &writtenListener()
{
    static std::function<void(const QString &)> listener;
    return listener;
}

bool answer(Replacement &file, bool done, QString *error, const QString &path)
{
    if (!done && error)
        *error = file.reason();
    if (done && writtenListener())
        writtenListener()(path);
    return done;
}

} // namespace

bool writeFileBytes(const QString &path, const QByteArray &bytes, QString *error, WriteKind kind)
{
    Replacement file(path, kind);
    return answer(file, file.open(std::nullopt) && file.write(bytes.constData(), bytes.size()) && file.commit(),
                  error, path);
}

bool writeTextFile(const QString &path, const QString &text, QString *error, WriteKind kind)
{
    return writeFileBytes(path, text.toUtf8(), error, kind);
}

bool copyFileChecked(const QString &source, const QString &target, QString *error, WriteKind kind)
{
    Replacement file(target, kind);
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    bool done = in >= 0 && ::fstat(in, &status) == 0 ? file.open(status.st_mode & 07777) : file.failWith(errno);
    std::vector<char> buffer(done ? 64 * 1024 : 0);
    while (done) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            done = n == 0 || file.failWith(errno);
            break;
        }
        done = file.write(buffer.data(), n);
    }
    if (in >= 0)
        ::close(in);
    return answer(file, done && file.commit(), error, target);
}

void failNextWrite(const QString &pathEnding, qint64 afterBytes, const QString &reason, WriteStep step)
{
    const std::lock_guard lock(g_faultMutex);
    g_fault = WriteFault{pathEnding, afterBytes, reason, step};
}

void clearWriteFault()
{
    const std::lock_guard lock(g_faultMutex);
    g_fault.reset();
}

void setWrittenListener(std::function<void(const QString &path)> listener)
{
    writtenListener() = std::move(listener);
}

void setWriteProbe(WriteProbe probe)
{
    const std::lock_guard lock(g_faultMutex);
    g_probe = std::move(probe);
}

} // namespace ts
