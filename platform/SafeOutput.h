#pragma once

#include <QByteArray>
#include <QString>

// Output of the command-line tools. Every write is checked: a full disk, a closed pipe or
// a file-size limit is an error that the caller reports, never a silent success. Error
// texts are in the user's language, like the rest of the program.

// Makes broken pipes and exceeded file-size limits plain write errors instead of signals
// that end the process without a word.
void ignoreOutputSignals();

// Call first in main, before Qt opens any descriptor: a closed standard input, output or
// error gets /dev/null in its place, so that no descriptor opened later takes its number
// and receives the program's output. A closed standard output is remembered: writing to
// it then fails with EBADF ("die Ausgabe ist geschlossen").
void guardStandardDescriptors();

// A description of a C library error number in the user's language.
QString systemErrorText(int error);

// Writes all of data to the file descriptor, resuming after interruptions. Returns 0 or
// the error number of the first failed write.
int writeAll(int fd, const char *data, qsizetype size);

// Writes data to standard output and closes it, so that errors that only show at close
// are caught too. Returns 0 or an error number.
int writeStandardOutput(const QByteArray &data);

// Writes data to the file at path (bytes as the file system takes them):
// - a name of one of the process's own descriptors (/dev/stdout, /dev/stderr, /dev/fd/N,
//   /proc/self/fd/N, also reached through links) is written through that descriptor, as
//   "-" is: a log opened for appending is appended to, a pipe is written straight through;
// - a regular file, or a new one, is replaced atomically through a temporary file beside
//   it, which stays private (0600) until it is written and has taken the old file's
//   owner, group, access ACL, user.* attributes and permissions, as far as the caller may
//   and the file system can (a new one gets what the umask leaves); other hard links keep
//   the old content. If its folder is read-only but the file is writable, the file is
//   overwritten in place under an advisory lock (waiting up to 2 s for another writer),
//   once the size limit and the disk have room for the whole new content;
// - a symbolic link is followed, so the link stays a link; but another user's link in a
//   sticky, world-writable folder is refused, as the kernel's protected_symlinks rule
//   would refuse it;
// - anything else that exists (a FIFO, a device) is written to directly, never replaced;
// - a folder is refused.
// On failure returns false with a reason in the user's language in error and leaves no temporary
// file, nor does SIGINT, SIGTERM or SIGHUP during the write (the signal then ends the program).
bool writeFileSafely(const QByteArray &path, const QByteArray &data, QString &error);

// An argument as it may be echoed in a message: at most 60 characters, the rest elided.
QString shortened(const QString &text);

// The text with every control character (a line break in a file name, say) shown as an
// escape, so that a message stays on its one line.
QString oneLine(const QString &text);
