#include "SafeOutput.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Writes into an open descriptor and closes it; returns 0 or an error number.
int fillAndClose(int fd, const QByteArray &data)
{
    int error = writeAll(fd, data.constData(), data.size());
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

// Writes data straight into the file at path, opened with the given flags: a FIFO or a
// device, a file overwritten in place, the target a dangling link names.
bool writeDirectly(const QByteArray &path, int flags, const QByteArray &data, QString &error)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        return fail(error, errno);
    }
    const int e = fillAndClose(fd, data);
    return e == 0 || fail(error, e);
}

} // namespace

bool writeFileSafely(const QByteArray &path, const QByteArray &data, QString &error)
{
    if (path.isEmpty()) {
        return fail(error, ENOENT);
    }
    QByteArray target = path;
    struct stat st
    {
    };
    if (::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.constData(), resolved) == nullptr) {
            // A dangling link: writing through it creates its target.
            return writeDirectly(path, O_CREAT | O_TRUNC, data, error);
        }
        target = QByteArray(resolved);
    }
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (!exists && errno != ENOENT) {
        return fail(error, errno);
    }
    if (exists && S_ISDIR(st.st_mode)) {
        return fail(error, EISDIR);
    }
    if (exists && !S_ISREG(st.st_mode)) {
        // A FIFO or a device is the destination itself: write to it, never replace it.
        return writeDirectly(target, 0, data, error);
    }

    const QByteArray folder = folderOf(target);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int e = errno;
        if (exists && (e == EACCES || e == EPERM || e == EROFS) &&
            ::access(target.constData(), W_OK) == 0) {
            return writeDirectly(target, O_TRUNC, data, error);
        }
        return fail(error, e);
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int e = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (e == 0) {
        e = writeAll(fd, data.constData(), data.size());
    }
    if (e == 0 && ::fsync(fd) != 0 && errno != EINVAL) {
        e = errno;
    }
    const int closeError = closeChecked(fd);
    if (e == 0) {
        e = closeError;
    }
    if (e == 0 && ::rename(temp.constData(), target.constData()) != 0) {
        e = errno;
    }
    if (e != 0) {
        ::unlink(temp.constData());
        return fail(error, e);
    }
    // Make the new name durable too; a failure here loses nothing that was written.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
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
