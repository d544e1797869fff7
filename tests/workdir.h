#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A fresh temporary working directory holding an empty Data/ folder, made current for the
// lifetime of the object, so the catalogues a test writes are the ones the code reads.
class TempWorkDir {
  public:
    TempWorkDir() : m_previous(QDir::currentPath()) {
        QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
        QDir::setCurrent(m_dir.path());
    }
    ~TempWorkDir() { QDir::setCurrent(m_previous); }
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

    // Writes the bytes exactly as given (no newline translation, no encoding).
    bool write(const QString& relativePath, const QByteArray& bytes) const {
        QFile file(m_dir.filePath(relativePath));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }
    bool remove(const QString& relativePath) const {
        return QFile::remove(m_dir.filePath(relativePath));
    }

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};
