// The casting plan as a document: undo and redo, the modified mark, the question before changes
// are lost, recent plans, plan files good and bad, the copy that survives a crash, and the sheet
// written from the command line.
#include "document/plan_figures.h"
#include "document/plan_file.h"
#include "ui/catalogue_editor.h"
#include "ui/journal_window.h"
#include "ui/number_format.h"
#include "ui/plan_main_window.h"
#include "ui/plan_window.h"
#include "window_test_support.h"

namespace {

// A plan window on its own catalogues, with its own data and settings folders.
struct PlanSession {
    PlanSession() {
        ok = writeCatalogues(dir);
        open();
    }
    PlanPlaces places() const {
        // The user's folder when the program runs with XDG_DATA_HOME at the session's folder.
        return {dir.path() + QStringLiteral("/gypsomix"),
                dir.path() + QStringLiteral("/plan.conf")};
    }
    // A window, as the program opens one, on the same folders.
    void open() {
        window = std::make_unique<PlanMainWindow>(places());
        window->show();
        window->start();
        ok = ok && QTest::qWaitForWindowExposed(window.get());
    }
    PlanWindow& view() { return window->planWindow(); }
    const gypsomix::PlanDocument& plan() { return window->editor().plan(); }
    QString file(const char* name) const { return dir.path() + QLatin1Char('/') + name; }
    // Writes the plan file and opens it in the window.
    bool openPlan(const char* name, const QByteArray& bytes);

    TempWorkDir dir;
    std::unique_ptr<PlanMainWindow> window;
    bool ok = false;
};

QString regionalText(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('.'),
                                           QString::fromStdString(regionalNumberFormat().decimal));
}

QByteArray bytesOf(const gypsomix::PlanDocument& plan) {
    return QByteArray::fromStdString(gypsomix::write_plan_file(plan));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool PlanSession::openPlan(const char* name, const QByteArray& bytes = bytesOf(threeLines())) {
    return writeFile(file(name), bytes) && window->openFile(file(name));
}

QStringList results(QWidget& window) {
    QStringList texts;
    for (const char* name : {"totalVolume", "powderMass", "waterMass", "specialMass", "splitWater"})
        texts << text(window, name);
    return texts;
}

// What a program printed, its exit status, and whether it ended by itself.
struct Run {
    int status = -1;
    QString out, err;
};

Run runPlanProgram(const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display: the sheet needs none.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    // The user's folders are the test's.
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GYPSOMIX_PLAN_PROGRAM), arguments);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The child of the recovery test: opens a saved plan, edits it through the window, waits for
// the copy, says so, and waits to be killed.
int editAndWait() {
    int argc = 1;
    char name[] = "tst_plan_document";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QString folder = qEnvironmentVariable("GYPSOMIX_TEST_CHILD");
    QDir::setCurrent(folder);
    PlanMainWindow window(
        {folder + QStringLiteral("/gypsomix"), folder + QStringLiteral("/plan.conf")});
    window.show();
    window.start();
    if (!window.openFile(folder + QStringLiteral("/trois.gypsoplan")))
        return 3;
    QLineEdit* height = field(window.planWindow(), 1, QStringLiteral("Hauteur"));
    height->setText(QStringLiteral("120"));
    emit height->textEdited(height->text());
    const QString copy = folder + QStringLiteral("/gypsomix/autosave-1.gypsoplan");
    if (!QTest::qWaitFor([&] { return QFile::exists(copy); }, 5000))
        return 4;
    QTextStream(stdout) << "edited" << Qt::endl;
    return app.exec();
}

}  // namespace

class TestPlanDocument : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpPlanApplication(*qApp);
        QApplication::setDoubleClickInterval(100);
    }

    // Every kind of edit is one step; Ctrl+Z walks them all back and Ctrl+Shift+Z forward again.
    void undoWalksBack() {
        PlanSession session;
        QVERIFY(session.ok);
        PlanMainWindow& window = *session.window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        PlanWindow& view = session.view();
        const auto press = [&](const char* button, Qt::Key key) {
            QSignalSpy clicked(control<QPushButton>(view, button), &QPushButton::clicked);
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QVERIFY(clicked.count() == 1 || clicked.wait(1000));
        };
        const auto focused = [](auto* widget) {
            widget->setFocus();
            return widget;
        };
        // Typed into the first line's field of that column, or into the named field.
        const auto typed = [&](const char* column, const QString& text) {
            return [&view, column, text] { typeInto(field(view, 0, column), text); };
        };
        const auto typedIn = [&](const char* name, const QString& text) {
            return [&view, name, text] { typeInto(control(view, name), text); };
        };
        const QList<std::pair<const char*, std::function<void()>>> edits = {
            {"material", [&] { chooseWithKeys(control<QComboBox>(view, "materialList"), 0); }},
            {"diameter", typed("Diamètre", regionalText("76.2"))},
            {"height", typed("Hauteur", "100")},
            {"unit", [&] { chooseWithKeys(focused(field<QComboBox>(view, 0, "Unité")), 1); }},
            {"count",
             [&] {
                 for (int twice = 0; twice < 2; ++twice)
                     QTest::keyClick(focused(field<QSpinBox>(view, 0, "Nombre")), Qt::Key_Up);
             }},
            {"tree", typed("Arbre et socle (cm³)", "12")},
            {"margin", [&] { clickOption(control<QRadioButton>(view, "marginPlus10")); }},
            {"special",
             [&] {
                 QTest::mouseClick(control(view, "specialGroup"), Qt::LeftButton, {}, {8, 8});
             }},
            {"concentration", typedIn("concentration", "25")},
            {"water", typedIn("mixWater", "41")},
            {"add", [&] { press("addLine", Qt::Key_A); }},
            {"flask",
             [&] { chooseWithKeys(field<QComboBox>(view, 1, QStringLiteral("Cylindre")), 1); }},
            {"duplicate", [&] { press("duplicateLine", Qt::Key_U); }},
            {"remove", [&] { press("removeLine", Qt::Key_S); }},
        };
        QList<gypsomix::PlanDocument> before;
        for (const auto& [name, edit] : edits) {
            before << session.plan();
            const int steps = window.editor().undoStack()->count();
            edit();
            QVERIFY2(!(session.plan() == before.last()), name);
            QVERIFY2(window.editor().undoStack()->count() == steps + 1, name);
        }
        const gypsomix::PlanDocument last = session.plan();
        QVERIFY(window.isWindowModified());

        field(view, 0, QStringLiteral("Diamètre"))->setFocus();  // Ctrl+Z from inside a field
        for (int i = int(edits.size()) - 1; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(session.plan() == before[i], edits[i].first);
            QCOMPARE(view.lineCount(), int(before[i].lines.size()));
        }
        QVERIFY(!window.isWindowModified());
        QCOMPARE(text(view, "powderMass"), QString());
        QCOMPARE(control<QComboBox>(view, "materialList")->currentIndex(), -1);
        for (qsizetype i = 0; i < edits.size(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                            Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(session.plan() == last);
        QCOMPARE(field(view, 0, QStringLiteral("Diamètre"))->text(), regionalText("76.2"));
        QVERIFY(!text(view, "powderMass").isEmpty());
    }

    // The mark follows the plan against its file: saving clears it, undoing back to the saved
    // plan clears it too, and undoing past it sets it again.
    void modifiedMark() {
        PlanSession session;
        QVERIFY(session.ok);
        PlanMainWindow& window = *session.window;
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Sans titre[*]")));
        QVERIFY(!window.isWindowModified());
        PlanWindow& view = session.view();
        typeInto(field(view, 0, QStringLiteral("Diamètre")), QStringLiteral("80"));
        QVERIFY(window.isWindowModified());
        QVERIFY(window.saveTo(session.file("a.gypsoplan")));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("a.gypsoplan[*]")));
        QVERIFY(!window.isWindowModified());
        typeInto(field(view, 0, QStringLiteral("Hauteur")), QStringLiteral("90"));
        QVERIFY(window.isWindowModified());
        window.editor().undoStack()->undo();
        QVERIFY(!window.isWindowModified());
        window.editor().undoStack()->undo();
        QVERIFY(window.isWindowModified());
        // Typed back to what was saved: no change, no step, no mark.
        window.editor().undoStack()->redo();
        const int saved = window.editor().undoStack()->index();
        typeInto(field(view, 0, QStringLiteral("Hauteur")), QStringLiteral("9"));
        QTest::keyClick(field(view, 0, QStringLiteral("Hauteur")), Qt::Key_Backspace);
        QCOMPARE(window.editor().undoStack()->index(), saved);
        QVERIFY(!window.isWindowModified());
    }

    void closeQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("heightOnDisk");  // the saved plan's height after the answer
        QTest::newRow("save") << int(QMessageBox::Save) << true << "120";
        QTest::newRow("do not save") << int(QMessageBox::Discard) << true << "100";
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << "100";
    }

    // Closing with unsaved changes asks; each answer does what it says, and nothing else.
    void closeQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, heightOnDisk);
        PlanSession session;
        QVERIFY(session.ok);
        const QString path = session.file("trois.gypsoplan");
        QVERIFY(session.openPlan("trois.gypsoplan"));
        PlanMainWindow& window = *session.window;
        typeInto(field(session.view(), 2, QStringLiteral("Hauteur")), QStringLiteral("120"));
        ModalAnswers answers;
        answers.then(press(QMessageBox::StandardButton(answer)));
        QCOMPARE(window.close(), closed);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].text.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral(
                     "Enregistrer les modifications du plan «\u00A0trois.gypsoplan\u00A0»\u00A0?"));
        QCOMPARE(answers.seen[0].buttons,
                 (QStringList{"Annuler", "Enregistrer", "Ne pas enregistrer"}));
        QCOMPARE(window.isVisible(), !closed);
        QCOMPARE(window.isWindowModified(), answer != QMessageBox::Save);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const auto plan = gypsomix::read_plan_file(saved.readAll().toStdString());
        QCOMPARE(QString::fromStdString(plan.lines[2].height), heightOnDisk);
        // A window closed as asked leaves no copy to take back.
        QTest::qWait(PlanAutosave::kDelayMs + 300);
        QCOMPARE(
            QFile::exists(session.places().dataFolder + QStringLiteral("/autosave-1.gypsoplan")),
            !closed);
    }

    // Saved and opened plans are offered again, newest first, eight at most, in every window.
    void recentPlans() {
        PlanSession session;
        QVERIFY(session.ok);
        PlanMainWindow& window = *session.window;
        QStringList paths;
        for (int i = 0; i < 10; ++i) {
            paths.prepend(session.file(qPrintable(QStringLiteral("plan%1.gypsoplan").arg(i))));
            QVERIFY(window.saveTo(paths.first()));
        }
        QCOMPARE(window.recentFiles(), paths.mid(0, 8));
        QVERIFY(window.openFile(paths.at(5)));
        QCOMPARE(window.recentFiles().first(), paths.at(5));
        QCOMPARE(window.recentFiles().size(), 8);

        QMenu* recent = nullptr;
        for (QMenu* candidate : window.findChildren<QMenu*>())
            if (candidate->title() == QStringLiteral("Plans &récents"))
                recent = candidate;
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().first()->text(),
                 QStringLiteral("&1 ") + QFileInfo(paths.at(5)).fileName());
        // A plan gone since is said, then no longer offered.
        QVERIFY(QFile::remove(paths.at(0)));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        recent->actions().at(1)->trigger();
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(!window.recentFiles().contains(paths.at(0)));

        session.window.reset();
        session.open();
        QCOMPARE(session.window->recentFiles().first(), paths.at(5));
    }

    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");  // empty: no such file
        QTest::addColumn<QString>("said");
        gypsomix::PlanDocument many;
        many.lines.resize(1000);
        QTest::newRow("no such file") << QByteArray() << "";
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"gypsomix-plan\",\n  \"version\" 1}")
                                  << "JSON";
        QTest::newRow("JSON that is not a plan") << QByteArray("[1, 2, 3]") << "plan";
        QTest::newRow("newer version")
            << QByteArray(R"({"format": "gypsomix-plan", "version": 2, "lines": [{}]})")
            << "récente";
        QTest::newRow("over 1 MiB") << QByteArray(" ").repeated(1 << 20) + "{}"
                                    << "1 Mio";
        QTest::newRow("field of the wrong kind")
            << QByteArray(R"({"format": "gypsomix-plan", "version": 1, "lines": [{"count": "3"}]})")
            << "count";
        QTest::newRow("1000 lines") << bytesOf(many) << "lines";
    }

    // A file that is not a plan this program can read is said, and the plan shown stays.
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        PlanSession session;
        QVERIFY(session.ok);
        PlanMainWindow& window = *session.window;
        QVERIFY(session.openPlan("bon.gypsoplan"));
        typeInto(field<QSpinBox>(session.view(), 0, QStringLiteral("Nombre")), QStringLiteral("4"));
        const gypsomix::PlanDocument shown = session.plan();
        const QString title = window.windowTitle();
        const QStringList figures = results(session.view());

        const QString path = session.file("mauvais.gypsoplan");
        QVERIFY(bytes.isEmpty() || writeFile(path, bytes));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(!window.openFile(path));
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY2(answers.seen[0].text.contains(QStringLiteral("« %1 »").arg(path)) &&
                     answers.seen[0].text.contains(said),
                 qPrintable(answers.seen[0].text));
        QVERIFY(session.plan() == shown);
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(window.isWindowModified());
        QCOMPARE(results(session.view()), figures);
    }

    // Saved, closed and opened again, the plan shows what it showed: the regional numbers from
    // the invariant file, the same figures.
    void savedAndOpened() {
        PlanSession session;
        QVERIFY(session.ok);
        QVERIFY(session.openPlan("trois.gypsoplan"));
        const QStringList figures = results(session.view());
        QVERIFY(!figures[1].isEmpty());
        QCOMPARE(field(session.view(), 1, QStringLiteral("Diamètre"))->text(),
                 regionalText("76.2"));
        QCOMPARE(session.window->notice(), QString());
        QVERIFY(session.window->saveTo(session.file("copie.gypsoplan")));
        QFile copy(session.file("copie.gypsoplan"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytesOf(threeLines()));

        session.window.reset();
        session.open();
        QVERIFY(session.window->openFile(session.file("copie.gypsoplan")));
        QCOMPARE(results(session.view()), figures);
        QVERIFY(!session.window->isWindowModified());
    }

    // A plan whose catalogue entries changed opens with today's values and says which.
    void changedCatalogue() {
        PlanSession session;
        QVERIFY(session.ok);
        gypsomix::PlanDocument plan = threeLines();
        plan.material->values[4] = "1.7";
        plan.lines[2].flask->name = "Cylindre 120";
        QVERIFY(session.openPlan("ancien.gypsoplan", bytesOf(plan)));
        const QString notice = session.window->notice();
        QVERIFY2(notice.contains(regionalText("densité 1.7 → 1.8")), qPrintable(notice));
        QVERIFY2(
            notice.contains(QStringLiteral("Ligne 3")) && notice.contains(QStringLiteral("Autre")),
            qPrintable(notice));
        QCOMPARE(text(session.view(), "density"), regionalText("1.8"));
        QCOMPARE(field<QComboBox>(session.view(), 2, QStringLiteral("Cylindre"))->currentText(),
                 QStringLiteral("Autre"));
        QCOMPARE(field(session.view(), 2, QStringLiteral("Diamètre"))->text(),
                 QStringLiteral("100"));
        QVERIFY(session.window->isWindowModified());
    }

    // A plan edited, then the program killed: a window started meanwhile leaves that plan's copy
    // alone, and the next start shows the edited plan, with its file name and its mark.
    void recoveryAfterKill() {
        PlanSession session;
        QVERIFY(session.ok);
        session.window.reset();
        QVERIFY(writeFile(session.file("trois.gypsoplan"), bytesOf(threeLines())));
        QVERIFY(killWhen("GYPSOMIX_TEST_CHILD", session.dir.path(), [&](const QByteArray& out) {
            if (!out.contains("edited"))
                return false;
            PlanMainWindow second(session.places());
            second.start();
            return second.notice().isEmpty() && second.editor().plan() == gypsomix::PlanDocument();
        }));

        session.open();
        QCOMPARE(session.window->notice().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Plan rétabli après une fermeture inattendue."));
        QCOMPARE(field(session.view(), 1, QStringLiteral("Hauteur"))->text(),
                 QStringLiteral("120"));
        QCOMPARE(session.window->filePath(), session.file("trois.gypsoplan"));
        QVERIFY(session.window->windowTitle().startsWith(QStringLiteral("trois.gypsoplan[*]")));
        QVERIFY(session.window->isWindowModified());
        // Closed normally, nothing is taken back at the next start.
        ModalAnswers answers;
        answers.then(press(QMessageBox::Discard));
        QVERIFY(session.window->close());
        session.open();
        QCOMPARE(session.window->notice(), QString());
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");  // PLAN and PDF stand for the test's files
        QTest::addColumn<QByteArray>("bytes");       // the plan file; empty: none
        QTest::addColumn<int>("status");
        QTest::addColumn<QProcess::ProcessChannel>("channel");
        QTest::addColumn<QString>("said");  // on that channel
        const QStringList sheet = {"--pdf", "PDF", "PLAN"};
        const auto out = QProcess::StandardOutput, err = QProcess::StandardError;
        QTest::newRow("the three-line plan") << sheet << bytesOf(threeLines()) << 0 << err << "";
        QTest::newRow("not JSON") << sheet << QByteArray("plan") << 2 << err << "JSON";
        QTest::newRow("newer version")
            << sheet << QByteArray(R"({"format": "gypsomix-plan", "version": 9, "lines": [{}]})")
            << 2 << err << "récente";
        QTest::newRow("no such file") << sheet << QByteArray() << 2 << err << "trois.gypsoplan";
        QTest::newRow("no material")
            << sheet << bytesOf(gypsomix::PlanDocument()) << 1 << err << "revêtement";
        QTest::newRow("no plan") << QStringList{"--pdf", "PDF"} << QByteArray() << 2 << err << "";
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << out << "--pdf";
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << out
                                 << GYPSOMIX_TEST_PROJECT_VERSION;
    }

    // --pdf writes the sheet of the plan, one page with the window's figures, and shows no
    // window; a plan it cannot read leaves no PDF at all.
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QProcess::ProcessChannel, channel);
        QFETCH(QString, said);
        PlanSession session;
        QVERIFY(session.ok);
        const QString plan = session.file("trois.gypsoplan");
        const QString pdf = session.file("fiche.pdf");
        QVERIFY(bytes.isEmpty() || writeFile(plan, bytes));
        arguments.replaceInStrings(QStringLiteral("PLAN"), plan);
        arguments.replaceInStrings(QStringLiteral("PDF"), pdf);
        const Run run = runPlanProgram(arguments, session.dir.path());
        QVERIFY2(run.status == status, qPrintable(run.err));
        const QString& heard = channel == QProcess::StandardError ? run.err : run.out;
        QVERIFY2(heard.contains(said), qPrintable(heard));
        QCOMPARE(QFile::exists(pdf), status == 0 && !bytes.isEmpty());
        if (!QFile::exists(pdf))
            return;
        QVERIFY(
            pdfTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages: +1\n")));
        const QString sheet = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(session.window->openFile(plan));
        const QStringList figures = results(session.view());
        for (const QString& figure : figures.mid(0, 3))
            QVERIFY2(!figure.isEmpty() && sheet.contains(figure),
                     qPrintable(figure + '\n' + sheet));
    }

    // The cast goes into the journal from the plan: by the button beside the timer, by the
    // one-click offer when the timer starts; a cast opens again as a new plan.
    void journalFromThePlan() {
        PlanSession session;
        QVERIFY(session.ok);
        PlanMainWindow& window = *session.window;
        QVERIFY(window.journal().state() == Journal::State::writable);
        auto* record = control<QPushButton>(session.view(), "recordCast");
        QVERIFY(record);
        record->click();  // no material: nothing recorded, and the window says why
        QVERIFY(window.notice().contains(QStringLiteral("revêtement")));
        QCOMPARE(window.journal().casts().size(), 0);

        QVERIFY(session.openPlan("trois.gypsoplan"));
        const QStringList figures = results(session.view());
        QTest::mouseClick(session.view().findChild<QPushButton*>(QStringLiteral("start")),
                          Qt::LeftButton);
        auto* offer = window.findChild<QPushButton*>(QStringLiteral("noticeAction"));
        QVERIFY(offer && offer->isVisible());
        offer->click();
        QVERIFY(!offer->isVisible());
        const auto casts = window.journal().casts();
        QCOMPARE(casts.size(), 1);
        QCOMPARE(QString::number(casts[0].powderG), figures[1]);
        QCOMPARE(QString::number(casts[0].liquidG), figures[2]);
        QCOMPARE(casts[0].flasks, 6);
        QVERIFY(!casts[0].mixedAt.isEmpty());

        window.showJournal();
        auto* journal = window.findChild<JournalWindow*>();
        QVERIFY(journal);
        window.newPlan();
        emit journal->openAsPlan(threeLines());
        QVERIFY(session.plan() == threeLines());
        QCOMPARE(window.filePath(), QString());
        QVERIFY(window.isWindowModified());
        QCOMPARE(results(session.view()), figures);

        const QString csv = session.file("journal.csv");
        const Run run =
            runPlanProgram({QStringLiteral("--export-journal"), csv}, session.dir.path());
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QStringList rows =
            QString::fromUtf8(exported.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 2);  // the headers and the cast
        QVERIFY(rows[1].contains(QStringLiteral("Plâtre à bijoux")));
    }

    // A catalogue saved in its editor is listed again in the plan, as the next choice reads it.
    void catalogueEdited() {
        PlanSession session;
        QVERIFY(session.ok);
        QAction* materials = nullptr;
        for (QAction* action : session.window->findChildren<QAction*>())
            if (action->text() == QStringLiteral("&Revêtements…"))
                materials = action;
        QVERIFY(materials);
        materials->trigger();
        auto* editor = session.window->findChild<CatalogueEditor*>();
        QVERIFY(editor && editor->isVisible());
        auto* list = control<QComboBox>(session.view(), "materialList");
        QCOMPARE(list->count(), 2);
        QVERIFY(session.dir.write(
            QStringLiteral("Data/Mat.txt"),
            kMaterials + "\"Mon pl\xe2tre, lot 12\",39,3,10,8,1.8,0.48,0.55\r\n"));
        emit editor->catalogueSaved(QStringLiteral("Data/Mat.txt"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(2), QStringLiteral("Mon plâtre, lot 12"));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("GYPSOMIX_TEST_CHILD"))
        return editAndWait();
    QApplication app(argc, argv);
    TestPlanDocument test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plan_document.moc"
