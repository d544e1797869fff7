#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "document/plan_document.h"

class PlanEditor;

// Keeps a copy of the plan being edited in the user's data folder, written within two seconds
// of every change, so that a power cut or a crash loses nothing. A normal close removes it: a
// copy found at start means the program did not close normally. Each running instance keeps
// its own copy, under a lock, so a second window never takes over the first one's.
class PlanAutosave : public QObject {
    Q_OBJECT

  public:
    struct Recovered {
        gypsomix::PlanDocument plan;
        QString filePath;  // the plan's own file; empty for a plan never saved
        bool modified = false;
    };

    // How long after a change the copy is written.
    static constexpr int kDelayMs = 1500;

    PlanAutosave(PlanEditor& editor, const QString& folder, QObject* parent = nullptr);
    ~PlanAutosave() override;

    // Takes the first copy that no running instance holds. False when none can be taken (the
    // folder cannot be written): the plan is then not kept.
    bool claim();
    // The copy this instance took over from a run that did not close normally.
    std::optional<Recovered> takeRecovered();

    // The plan's file, written into the copy beside the plan.
    void setFilePath(const QString& path);
    // Writes the copy now; the timer does it otherwise.
    bool writeNow();
    // The program closes normally: the copy goes.
    void discard();

    QString copyPath() const { return m_copyPath; }

  private:
    void schedule();

    PlanEditor& m_editor;
    QString m_folder;
    QString m_copyPath;
    QString m_filePath;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
};
