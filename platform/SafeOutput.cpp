#include "SafeOutput.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool g_standardOutputClosed = false;
} // namespace

void guardStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number is fd itself, as the lower ones are open by now.
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
        if (fd == STDOUT_FILENO) {
            g_standardOutputClosed = true;
        }
    }
}

void ignoreOutputSignals()
{
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

QString systemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("kein Platz mehr auf dem Datenträger");
    case EDQUOT:
        return QStringLiteral("Speicherkontingent überschritten");
    case EFBIG:
        return QStringLiteral("die Datei wird größer, als erlaubt ist");
    case EPIPE:
        return QStringLiteral("der Empfänger hat die Ausgabe geschlossen");
    case EBADF:
        return QStringLiteral("die Ausgabe ist geschlossen");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case ENOENT:
        return QStringLiteral("Datei oder Ordner nicht vorhanden");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return QStringLiteral("das ist ein Ordner");
    case EROFS:
        return QStringLiteral("das Dateisystem ist schreibgeschützt");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case ELOOP:
        return QStringLiteral("zu viele symbolische Verknüpfungen");
    case ENXIO:
        return QStringLiteral("das Gerät ist nicht bereit");
    case ETXTBSY:
        return QStringLiteral("die Datei ist in Gebrauch");
    case EINVAL:
        return QStringLiteral("das Ziel nimmt diese Daten nicht an");
    default:
        return QStringLiteral("Systemfehler %1").arg(error);
    }
}

int writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += n;
        size -= n;
    }
    return 0;
}

int writeStandardOutput(const QByteArray &data)
{
    if (g_standardOutputClosed) {
        return EBADF;
    }
    const int error = writeAll(STDOUT_FILENO, data.constData(), data.size());
    if (::close(STDOUT_FILENO) != 0 && error == 0 && errno != EINTR) {
        return errno;
    }
    return error;
}

namespace {

int closeChecked(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// Writes into an open descriptor and closes it; returns 0 or the error number of the
// first failure.
int fillAndClose(int fd, const QByteArray &data)
{
    const int error = writeAll(fd, data.constData(), data.size());
    const int closeError = closeChecked(fd);
    return error != 0 ? error : closeError;
}

// Ends a write into a file: unless error is already set, makes the content durable
// (where the file system can), then closes fd. Returns the first error number or 0.
int syncAndClose(int fd, int error)
{
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) {
        error = errno;
    }
    const int closeError = closeChecked(fd);
    return error != 0 ? error : closeError;
}

bool fail(QString &error, int number)
{
    error = systemErrorText(number);
    return false;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return QByteArrayLiteral(".");
    }
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows symbolic links one by one to the path that a write through them reaches: an
// existing object, or the name a dangling link would create. Returns 0 or an error number.
int finalTarget(const QByteArray &path, QByteArray &target)
{
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st
        {
        };
        if (::lstat(target.constData(), &st) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(st.st_mode)) {
            return 0;
        }
        char link[PATH_MAX];
        const ssize_t n = ::readlink(target.constData(), link, sizeof link - 1);
        if (n < 0) {
            return errno;
        }
        const QByteArray next(link, n);
        target = next.startsWith('/') ? next : folderOf(target) + '/' + next;
    }
    return ELOOP;
}

// Writes straight into a FIFO or a device: it is the destination itself, never replaced.
// Opening a FIFO waits for its reader, as a shell redirection does.
bool writeToDevice(const QByteArray &path, const QByteArray &data, QString &error)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return fail(error, errno);
    }
    const int e = fillAndClose(fd, data);
    return e == 0 || fail(error, e);
}

// Overwrites a writable file whose folder takes no temporary file. The new size is
// reserved before any byte changes, so a full disk or a size limit leaves the old file
// whole; only an I/O error or a kill during the write itself can leave it mixed.
bool overwriteInPlace(const QByteArray &path, const QByteArray &data, QString &error)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return fail(error, errno);
    }
    int e = data.isEmpty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(data.size()));
    if (e == 0) {
        e = writeAll(fd, data.constData(), data.size());
    }
    if (e == 0 && ::ftruncate(fd, static_cast<off_t>(data.size())) != 0) {
        e = errno;
    }
    e = syncAndClose(fd, e);
    return e == 0 || fail(error, e);
}

// Writes a complete temporary file beside target and renames it over target. The
// temporary name is short, so that a target whose name has the longest length allowed
// still gets one.
int replaceThroughTemporary(const QByteArray &target, const struct stat *old,
                            const QByteArray &data)
{
    const QByteArray folder = folderOf(target);
    QByteArray temp = folder + "/.azodo-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return errno;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    mode_t mode = 0;
    if (old != nullptr) {
        mode = old->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int e = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (e == 0) {
        e = writeAll(fd, data.constData(), data.size());
    }
    e = syncAndClose(fd, e);
    if (e == 0 && ::rename(temp.constData(), target.constData()) != 0) {
        e = errno;
    }
    if (e != 0) {
        ::unlink(temp.constData());
        return e;
    }
    // Make the new name durable too; a failure here loses nothing that was written.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

} // namespace

bool writeFileSafely(const QByteArray &path, const QByteArray &data, QString &error)
{
    if (path.isEmpty()) {
        return fail(error, ENOENT);
    }
    QByteArray target;
    if (const int e = finalTarget(path, target); e != 0) {
        return fail(error, e);
    }
    struct stat st
    {
    };
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (!exists && errno != ENOENT) {
        return fail(error, errno);
    }
    if (exists && S_ISDIR(st.st_mode)) {
        return fail(error, EISDIR);
    }
    if (exists && !S_ISREG(st.st_mode)) {
        return writeToDevice(target, data, error);
    }
    // A write-protected file is refused, as a shell redirection refuses it.
    if (exists && ::access(target.constData(), W_OK) != 0) {
        if (errno == EACCES || errno == EPERM) {
            error = QStringLiteral("die Datei ist schreibgeschützt");
            return false;
        }
        return fail(error, errno);
    }
    const int e = replaceThroughTemporary(target, exists ? &st : nullptr, data);
    if (e == 0) {
        return true;
    }
    if (exists && (e == EACCES || e == EPERM || e == EROFS)) {
        return overwriteInPlace(target, data, error);
    }
    return fail(error, e);
}

QString shortened(const QString &text)
{
    constexpr qsizetype kLongest = 60;
    return text.size() <= kLongest ? text : text.left(kLongest - 1) + QChar(0x2026);
}

QString oneLine(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}
