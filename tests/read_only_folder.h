#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A folder nothing can be written in, for as long as the object lives. Root writes anywhere
// whatever the permissions, so a test run as root acts meanwhile as the user nobody, who reaches
// the folder and reads the files in it but may not write there.
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const QString& workDir, const QString& folder)
        : m_folder(QFile::encodeName(QDir(workDir).filePath(folder))) {
        m_ok = ::chmod(QFile::encodeName(workDir).constData(), 0755) == 0 &&
               ::chmod(m_folder.constData(), 0555) == 0;
        if (m_ok && ::geteuid() == 0) {
            m_wasRoot = true;
            m_ok = ::seteuid(kNobody) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (m_wasRoot) {
            [[maybe_unused]] const int back = ::seteuid(0);
        }
        ::chmod(m_folder.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool isReady() const { return m_ok; }

  private:
    static constexpr uid_t kNobody = 65534;
    QByteArray m_folder;
    bool m_ok = false;
    bool m_wasRoot = false;
};
