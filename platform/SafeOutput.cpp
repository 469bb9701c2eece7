#include "SafeOutput.h"
#include "Language.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <pthread.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
// The standard descriptors that were closed at start (bit n for descriptor n): /dev/null
// stands in for them, and a write meant for one of them must fail, not vanish there.
unsigned g_closedStandard = 0;

// The temporary file being written, for the signal handler to remove: a fixed buffer,
// as a handler may neither allocate nor lock.
char g_pendingTemporary[PATH_MAX];
volatile sig_atomic_t g_pendingSet = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_previous[std::size(kEndingSignals)];

void removePendingAndEnd(int signal)
{
    if (g_pendingSet) {
        ::unlink(g_pendingTemporary);
        g_pendingSet = 0;
    }
    // Hand the signal on to what was there before: by default it ends the program as
    // usual. It is blocked while this handler runs, so it arrives once this returns.
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        if (kEndingSignals[i] == signal) {
            ::sigaction(signal, &g_previous[i], nullptr);
        }
    }
    ::raise(signal);
}

// While a temporary file exists, an ending signal removes it first. Signals the caller
// ignores (nohup) stay ignored.
class TemporaryGuard
{
public:
    TemporaryGuard()
    {
        sigset_t ending;
        ::sigemptyset(&ending);
        for (const int s : kEndingSignals) {
            ::sigaddset(&ending, s);
        }
        ::pthread_sigmask(SIG_BLOCK, &ending, &m_mask); // this thread only: the window has others
        struct sigaction action
        {
        };
        action.sa_handler = removePendingAndEnd;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &g_previous[i]);
            m_installed[i] = g_previous[i].sa_handler != SIG_IGN;
            if (m_installed[i]) {
                ::sigaction(kEndingSignals[i], &action, nullptr);
            }
        }
    }
    ~TemporaryGuard()
    {
        g_pendingSet = 0;
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            if (m_installed[i]) {
                ::sigaction(kEndingSignals[i], &g_previous[i], nullptr);
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &m_mask, nullptr);
    }
    TemporaryGuard(const TemporaryGuard &) = delete;
    TemporaryGuard &operator=(const TemporaryGuard &) = delete;

    // Blocked from construction until the name is recorded, so that no signal falls
    // between the file's creation and its registration.
    void created(const QByteArray &path)
    {
        const std::size_t n = std::min<std::size_t>(path.size(), sizeof g_pendingTemporary - 1);
        std::memcpy(g_pendingTemporary, path.constData(), n);
        g_pendingTemporary[n] = '\0';
        g_pendingSet = 1;
        ::pthread_sigmask(SIG_SETMASK, &m_mask, nullptr);
    }

private:
    sigset_t m_mask{};
    bool m_installed[std::size(kEndingSignals)] = {};
};
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
        g_closedStandard |= 1u << fd;
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
        return translated("Platform", "kein Platz mehr auf dem Datenträger");
    case EDQUOT:
        return translated("Platform", "Speicherkontingent überschritten");
    case EFBIG:
        return translated("Platform", "die Datei wird größer, als erlaubt ist");
    case EPIPE:
        return translated("Platform", "der Empfänger hat die Ausgabe geschlossen");
    case EBADF:
        return translated("Platform", "die Ausgabe ist geschlossen");
    case EIO:
        return translated("Platform", "Ein-/Ausgabefehler");
    case EACCES:
    case EPERM:
        return translated("Platform", "keine Berechtigung");
    case ENOENT:
        return translated("Platform", "Datei oder Ordner nicht vorhanden");
    case ENOTDIR:
        return translated("Platform", "ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return translated("Platform", "das ist ein Ordner");
    case EROFS:
        return translated("Platform", "das Dateisystem ist schreibgeschützt");
    case ENAMETOOLONG:
        return translated("Platform", "der Name ist zu lang");
    case ELOOP:
        return translated("Platform", "zu viele symbolische Verknüpfungen");
    case ENXIO:
        return translated("Platform", "das Gerät ist nicht bereit");
    case ETXTBSY:
        return translated("Platform", "die Datei ist in Gebrauch");
    case EINVAL:
        return translated("Platform", "das Ziel nimmt diese Daten nicht an");
    default:
        return translated("Platform", "Systemfehler %1").arg(error);
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
    if ((g_closedStandard & (1u << STDOUT_FILENO)) != 0) {
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

// Not an error number: a link that the kernel's protected_symlinks rule would not follow.
constexpr int kUnsafeLink = -1;

// The descriptor that a name of this process's own open descriptors stands for
// (/dev/stdout, /dev/fd/3, /proc/self/fd/1 ...), or -1. Such a name must be written
// through the descriptor itself: opened anew it would start a file the shell opened for
// appending at its beginning, and a pipe behind it has no path to open.
int ownDescriptor(QByteArray path)
{
    while (path.contains("//")) {
        path.replace("//", "/");
    }
    if (path == "/dev/stdout") {
        return STDOUT_FILENO;
    }
    if (path == "/dev/stderr") {
        return STDERR_FILENO;
    }
    const QByteArray prefixes[] = {QByteArrayLiteral("/dev/fd/"),
                                   QByteArrayLiteral("/proc/self/fd/"),
                                   QByteArrayLiteral("/proc/thread-self/fd/"),
                                   "/proc/" + QByteArray::number(::getpid()) + "/fd/"};
    for (const QByteArray &prefix : prefixes) {
        if (!path.startsWith(prefix)) {
            continue;
        }
        const QByteArray number = path.mid(prefix.size());
        if (number.isEmpty() || number.size() > 9) {
            return -1;
        }
        for (const char c : number) {
            if (c < '0' || c > '9') {
                return -1;
            }
        }
        return number.toInt();
    }
    return -1;
}

// Writes through an open descriptor of this process, as "-" writes standard output: at
// its offset, appending where it was opened for appending, a pipe or terminal straight
// through. A copy of the descriptor is written and closed, so that errors that show only
// at close are caught while the descriptor itself stays open for the program.
bool writeToDescriptor(int fd, const QByteArray &data, QString &error)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || (fd <= STDERR_FILENO && (g_closedStandard & (1u << fd)) != 0) ||
        (flags & O_ACCMODE) == O_RDONLY) {
        return fail(error, EBADF);
    }
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) {
        return fail(error, errno);
    }
    const int e = fillAndClose(copy, data);
    return e == 0 || fail(error, e);
}

// The kernel's rule for links in a sticky, world-writable folder (/tmp): another user's
// link there is a trap, unless the folder's owner made it. Applied whatever the machine's
// setting, as this program resolves links itself and would otherwise step around it.
bool followable(const QByteArray &link, const struct stat &linkStat)
{
    struct stat folder
    {
    };
    if (::stat(folderOf(link).constData(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folder.st_uid;
}

// Follows symbolic links one by one to the path that a write through them reaches: an
// existing object, the name a dangling link would create, or one of this process's own
// descriptors (then descriptor is set, else -1). Returns 0, an error number or kUnsafeLink.
int finalTarget(const QByteArray &path, QByteArray &target, int &descriptor)
{
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        descriptor = ownDescriptor(target);
        if (descriptor >= 0) {
            return 0;
        }
        struct stat st
        {
        };
        if (::lstat(target.constData(), &st) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(st.st_mode)) {
            return 0;
        }
        if (!followable(target, st)) {
            return kUnsafeLink;
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
    const int fd = ::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return fail(error, errno);
    }
    const int e = fillAndClose(fd, data);
    return e == 0 || fail(error, e);
}

// Overwrites a writable file whose folder takes no temporary file. Nothing of the old
// file changes unless the whole new content fits: the size limit is checked and the new
// size reserved first, so a full disk or a size limit leaves the old file whole; only an
// I/O error or a kill during the write itself can leave it mixed.
bool overwriteInPlace(const QByteArray &path, const QByteArray &data, QString &error)
{
    // A size limit cuts a write off at its offset, however large the file already is.
    struct rlimit limit
    {
    };
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(data.size()) > limit.rlim_cur) {
        return fail(error, EFBIG);
    }
    const int fd = ::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return fail(error, errno);
    }
    // Two writers in place at once would interleave their bytes: the second waits up to
    // two seconds for the first, then gives up with the file as the first left it.
    bool locked = false;
    for (int attempt = 0; ::flock(fd, LOCK_EX | LOCK_NB) != 0; ++attempt) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            break; // a file system without locks: write as before
        }
        if (attempt == 40) {
            locked = true;
            break;
        }
        ::usleep(50000);
    }
    if (locked) {
        ::close(fd);
        error = translated("Platform", "ein anderes Programm schreibt gerade in die Datei");
        return false;
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

// Creates a new, empty temporary file in folder with a short random name and the given
// mode, to which the kernel applies the umask (and a folder's default ACL), as for any
// new file. Returns the descriptor or -1 with errno set.
int createTemporary(const QByteArray &folder, QByteArray &temp, mode_t mode)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[6] = {};
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
            for (unsigned char &r : random) {
                r = static_cast<unsigned char>(std::rand());
            }
        }
        temp = folder + "/.azodo-";
        for (const unsigned char r : random) {
            temp += kLetters[r % (sizeof kLetters - 1)];
        }
        const int fd =
            ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Gives the new file what the old one had beyond its content, as far as the caller may
// and the file system can: owner and group (before the mode, as a change of owner clears
// set-ID bits), the access ACL and the user's extended attributes.
void takeOverAttributes(const QByteArray &target, const struct stat &old, int fd)
{
    struct stat now
    {
    };
    if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not allowed to give the file away: keep at least the group where one may.
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    const ssize_t listSize = ::listxattr(target.constData(), nullptr, 0);
    if (listSize <= 0) {
        return;
    }
    QByteArray names(listSize, '\0');
    const ssize_t got = ::listxattr(target.constData(), names.data(), names.size());
    if (got <= 0) {
        return;
    }
    names.truncate(got);
    for (const QByteArray &name : names.split('\0')) {
        if (!name.startsWith("user.") && name != "system.posix_acl_access") {
            continue;
        }
        const ssize_t size = ::getxattr(target.constData(), name.constData(), nullptr, 0);
        if (size < 0) {
            continue;
        }
        QByteArray value(size, '\0');
        const ssize_t read = ::getxattr(target.constData(), name.constData(), value.data(), size);
        if (read >= 0) {
            ::fsetxattr(fd, name.constData(), value.constData(), static_cast<size_t>(read), 0);
        }
    }
}

// Writes a complete temporary file beside target and renames it over target. The
// temporary name is short, so that a target whose name has the longest length allowed
// still gets one.
int replaceThroughTemporary(const QByteArray &target, const struct stat *old,
                            const QByteArray &data)
{
    const QByteArray folder = folderOf(target);
    QByteArray temp;
    TemporaryGuard guard;
    // A file that replaces another stays private until it has the old one's owner and
    // permissions: a reader must not open a copy of a private file in the meantime. A
    // new file has what the umask gives.
    const int fd = createTemporary(folder, temp, old != nullptr ? 0600 : 0666);
    if (fd < 0) {
        return errno;
    }
    guard.created(temp);
    int e = writeAll(fd, data.constData(), data.size());
    if (e == 0 && old != nullptr) {
        takeOverAttributes(target, *old, fd);
        e = ::fchmod(fd, old->st_mode & 07777) == 0 ? 0 : errno;
    }
    e = syncAndClose(fd, e);
    if (e == 0 && ::rename(temp.constData(), target.constData()) != 0) {
        e = errno;
    }
    if (e == 0) {
        g_pendingSet = 0; // the name is the target's now
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
    int descriptor = -1;
    if (const int e = finalTarget(path, target, descriptor); e == kUnsafeLink) {
        error = translated("Platform",
                           "die symbolische Verknüpfung gehört einem anderen Benutzer in einem "
                           "Ordner, in den alle schreiben dürfen; ihr wird nicht gefolgt");
        return false;
    } else if (e != 0) {
        return fail(error, e);
    }
    if (descriptor >= 0) {
        return writeToDescriptor(descriptor, data, error);
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
            error = translated("Platform", "die Datei ist schreibgeschützt");
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
