#include "ui/plan_autosave.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "document/plan_file.h"
#include "ui/plan_editor.h"

namespace {

// More windows of the plan than anyone opens at once.
constexpr int kSlots = 32;

const QString kStateKey = QStringLiteral("autosave");

}  // namespace

PlanAutosave::PlanAutosave(PlanEditor& editor, const QString& folder, QObject* parent)
    : QObject(parent), m_editor(editor), m_folder(folder) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &PlanAutosave::writeNow);
    connect(&m_editor, &PlanEditor::changed, this, &PlanAutosave::schedule);
    connect(&m_editor, &PlanEditor::modifiedChanged, this, &PlanAutosave::schedule);
}

PlanAutosave::~PlanAutosave() = default;

bool PlanAutosave::claim() {
    if (!QDir().mkpath(m_folder)) {
        return false;
    }
    const QDir folder(m_folder);
    for (int slot = 1; slot <= kSlots; ++slot) {
        auto lock = std::make_unique<QLockFile>(
            folder.filePath(QStringLiteral("autosave-%1.lock").arg(slot)));
        // A lock is stale only when its process is gone, however long a plan stays open.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_copyPath = folder.filePath(QStringLiteral("autosave-%1.gypsoplan").arg(slot));
            return true;
        }
    }
    return false;
}

std::optional<PlanAutosave::Recovered> PlanAutosave::takeRecovered() {
    QFile file(m_copyPath);
    if (m_copyPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(qint64(gypsomix::plan_file_max_bytes) + 1);
    try {
        Recovered recovered;
        recovered.plan = gypsomix::read_plan_file(
            std::string_view(bytes.constData(), std::size_t(bytes.size())));
        const QJsonObject state =
            QJsonDocument::fromJson(bytes).object().value(kStateKey).toObject();
        recovered.filePath = state.value(QStringLiteral("file")).toString();
        recovered.modified = state.value(QStringLiteral("modified")).toBool(true);
        return recovered;
    } catch (const gypsomix::PlanFileError&) {
        // A copy that cannot be read back is no plan to offer.
        return std::nullopt;
    }
}

void PlanAutosave::setFilePath(const QString& path) {
    m_filePath = path;
    schedule();
}

void PlanAutosave::schedule() {
    if (m_lock && !m_timer.isActive()) {
        m_timer.start();
    }
}

bool PlanAutosave::writeNow() {
    m_timer.stop();
    if (!m_lock) {
        return false;
    }
    // The copy is a plan file that also says which file it is a copy of.
    const std::string plan = gypsomix::write_plan_file(m_editor.plan());
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(plan));
    QJsonObject object = json.object();
    object.insert(kStateKey, QJsonObject{{QStringLiteral("file"), m_filePath},
                                         {QStringLiteral("modified"), m_editor.isModified()}});
    json.setObject(object);
    QSaveFile file(m_copyPath);
    return file.open(QIODevice::WriteOnly) && file.write(json.toJson()) >= 0 && file.commit();
}

void PlanAutosave::discard() {
    m_timer.stop();
    if (m_lock) {
        QFile::remove(m_copyPath);
    }
}
