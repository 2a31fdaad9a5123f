#pragma once
// An input handed to code that reads a file by its path through QSettings. QSettings keeps
// every file it has read in memory and trusts that copy while the file's size and time look
// unchanged: a new name per input would grow the process (and make libFuzzer look for a
// leak after every input), one name rewritten within the same millisecond could be answered
// from an earlier input. So: one name per process, and a time of its own for every input.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <unistd.h>

namespace vantorel::fuzz {

class TInputFile {
public:
    explicit TInputFile(const char* name)
        : path_((QFile::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm")
                                                           : QStringLiteral("/tmp")) +
                QStringLiteral("/vantorel-fuzz-%1-%2").arg(getpid()).arg(QLatin1String(name))) {}
    ~TInputFile() { QFile::remove(path_); }

    // The file's path, holding `bytes`; empty when it could not be written.
    QString Write(const QByteArray& bytes) {
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            return {};
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++inputs_),
                         QFileDevice::FileModificationTime);
        return path_;
    }

private:
    QString path_;
    qint64 inputs_ = 0;
};

} // namespace vantorel::fuzz
