// The casting plan in the desktop's language: the main window as the program builds it, its
// translators installed as at start-up, compared text by text with the French it is written in;
// the core's faults said in English and still French byte for byte; the flask unit a new line
// starts in. Each CTest entry sets the environment and says, in GYPSOMIX_EXPECT, which language
// the run must show.
#include <QPaintEngine>

#include "calc/plan.h"
#include "calc/schedule.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_writer.h"
#include "document/plan_catalogue.h"
#include "document/plan_file.h"
#include "ui/mixing_sheet.h"
#include "ui/number_format.h"
#include "ui/plan_language.h"
#include "ui/plan_main_window.h"
#include "ui/plan_sheet.h"
#include "ui/plan_window.h"
#include "ui/run_time_report.h"
#include "window_test_support.h"

namespace {

bool expectEnglish() {
    return qgetenv("GYPSOMIX_EXPECT") == "en";
}

// Words that English writes as French does.
const QStringList kSameInBothLanguages = {
    QStringLiteral("Minute"),       QStringLiteral("Total"),    QStringLiteral("Notes"),
    QStringLiteral("Plan"),         QStringLiteral("Message"),  QStringLiteral("mm"),
    QStringLiteral("&Catalogues"),  QStringLiteral("&Journal"), QStringLiteral("Concentration (%)"),
    QStringLiteral("Volume (dm3)"), QStringLiteral("Gypsomix"), QStringLiteral("hh:mm"),
    QStringLiteral("°C"),           QStringLiteral("°F"),
};

// The sample catalogues' names: data, the same in every language.
const QStringList kCatalogueNames = {
    QStringLiteral("Plâtre à bijoux"),    QStringLiteral("Revêtement fluide"),
    QStringLiteral("Cylindre 100 × 100"), QStringLiteral("Cylindre 90 × 110"),
    QStringLiteral("Argent 925"),         QStringLiteral("Plâtre moyen")};

// A text a caster reads, as opposed to a figure, a time or a name from a catalogue.
bool isWords(const QString& text) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression figureAndUnit(QStringLiteral("^[-+\\d.,:\\s]*(min|g|%)$"));
    return text.contains(letter) && !figureAndUnit.match(text.trimmed()).hasMatch() &&
           !kCatalogueNames.contains(text);
}

struct Text {
    QString where;  // the widget or action, and which of its texts
    QString text;
};

QString nameOf(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char('[') +
           object->objectName() + QLatin1Char(']');
}

void addText(QList<Text>& texts, const QString& where, const QString& text) {
    if (isWords(text)) {
        texts.append({where, text});
    }
}

void addMenu(QList<Text>& texts, QMenu* menu, const QString& path) {
    // The recent plans are listed as the menu opens.
    QMetaObject::invokeMethod(menu, "aboutToShow");
    for (QAction* action : menu->actions()) {
        const QString where = path + QLatin1String(" > ") + action->text();
        addText(texts, where, action->text());
        if (action->menu()) {
            addMenu(texts, action->menu(), where);
        }
    }
}

// Every text of the window a caster sees or hears: widgets of every tab, hidden ones included,
// their tooltips, accessible names and descriptions, list entries, the tabs and the menus.
QList<Text> windowTexts(PlanMainWindow& window) {
    QList<Text> texts;
    addText(texts, QStringLiteral("title"), window.windowTitle());
    auto* tabs = window.findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        addText(texts, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // Menus are read through their actions; the tab bar's scroll buttons are the toolkit's.
        if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget) ||
            qobject_cast<QTabBar*>(widget->parentWidget())) {
            continue;
        }
        const QString where = nameOf(widget);
        const auto add = [&](const char* what, const QString& text) {
            addText(texts, where + QLatin1Char(' ') + QLatin1String(what), text);
        };
        add("tooltip", widget->toolTip());
        add("accessible name", widget->accessibleName());
        add("accessible description", widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            add("text", label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add("text", button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add("title", group->title());
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            add("placeholder", line->placeholderText());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            add("placeholder", list->placeholderText());
            for (int i = 0; i < list->count(); ++i) {
                add("entry", list->itemText(i));
            }
        }
    }
    for (QAction* action : window.menuBar()->actions()) {
        addText(texts, action->text(), action->text());
        addMenu(texts, action->menu(), action->text());
    }
    return texts;
}

// Records the texts a painter draws.
class TextEngine : public QPaintEngine {
  public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Only the words count; shapes are left undrawn.
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
};

class TextDevice : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 595;
            case PdmHeight:
                return 842;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 72;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(metric);
        }
    }
    QStringList texts() const { return m_engine.texts; }

  private:
    mutable TextEngine m_engine;
};

// The words of the README's three-line plan's sheet, as they are drawn.
QList<Text> sheetTexts(PlanMainWindow& window) {
    TextDevice device;
    {
        QPainter painter(&device);
        paintMixingSheet(painter, QRectF(0, 0, 595, 842), window.planWindow().mixingSheet());
    }
    QList<Text> texts;
    for (const QString& text : device.texts()) {
        addText(texts, QStringLiteral("sheet"), text);
    }
    return texts;
}

// Back to the French the sources are written in.
void removeTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A plan window on the sample catalogues, with its own data and settings folders.
struct Session {
    explicit Session(const QString& settings = QString()) {
        // Every catalogue, so that each tab shows its lists rather than a missing file.
        ok = writeCatalogues(dir) && dir.write("Data/Metal.txt", "\"Argent 925\",10.36\r\n") &&
             dir.write("Data/Cuisson.txt",
                       "\"Pl\xe2tre moyen\",149,200,120\r\n"
                       "\"Pl\xe2tre moyen\",732,250,180\r\n") &&
             (settings.isEmpty() || dir.write("plan.conf", settings.toUtf8()));
        window = std::make_unique<PlanMainWindow>(PlanPlaces{
            dir.path() + QStringLiteral("/gypsomix"), dir.path() + QStringLiteral("/plan.conf")});
        window->show();
        window->start();
        ok = ok && QTest::qWaitForWindowExposed(window.get());
    }
    TempWorkDir dir;
    std::unique_ptr<PlanMainWindow> window;
    bool ok = false;
};

// The window's and the sheet's texts, with the given plan, under the translators installed.
QList<Text> allTexts(const gypsomix::PlanDocument& plan) {
    Session session;
    if (!session.ok) {
        return {};
    }
    session.window->editor().replace(plan);
    return windowTexts(*session.window) + sheetTexts(*session.window);
}

gypsomix::PlanLine lineOf(const char* diameter, const char* height, const char* tree, int count = 1,
                          gypsomix::LengthUnit unit = gypsomix::LengthUnit::millimetre) {
    return {diameter, height, unit, count, tree};
}

}  // namespace

class PlanEnglish : public QObject {
    Q_OBJECT

    QList<QTranslator*> m_installed;

  private slots:
    void initTestCase() {
        // Numbers follow the run's LANG, as in the program.
        QLocale::setDefault(QLocale::system());
    }

    void languageFor_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("en-US") << QStringList{"en-US", "en"} << true;
        QTest::newRow("en_GB") << QStringList{"en_GB"} << true;
        QTest::newRow("fr-CA") << QStringList{"fr-CA", "fr"} << false;
        QTest::newRow("de then en") << QStringList{"de-DE", "de", "en"} << true;
        QTest::newRow("de only: French") << QStringList{"de-DE", "de"} << false;
        QTest::newRow("empty: French") << QStringList{} << false;
        QTest::newRow("en then fr") << QStringList{"en", "fr"} << true;
        QTest::newRow("fr then en") << QStringList{"fr-FR", "en-US"} << false;
        QTest::newRow("capitals") << QStringList{"EN-us"} << true;
    }
    void languageFor() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(planLanguageFor(uiLanguages) == PlanLanguage::English, english);
    }

    // The French source first, with no translator; then the window as the program builds it.
    void everyText() {
        const gypsomix::PlanDocument plan = threeLines();
        const QList<Text> french = allTexts(plan);
        QVERIFY(french.size() > 60);
        QCOMPARE(installPlanTranslators(*qApp, QLocale().uiLanguages()) == PlanLanguage::English,
                 expectEnglish());
        const QList<Text> shown = allTexts(plan);
        removeTranslators();
        QCOMPARE(shown.size(), french.size());
        QStringList wrong;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const Text& before = french[i];
            const Text& after = shown[i];
            const bool same = after.text == before.text;
            if (expectEnglish() ? same && !kSameInBothLanguages.contains(after.text) : !same) {
                wrong << after.where + QStringLiteral(": ") + before.text + QStringLiteral(" → ") +
                             after.text;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Within each menu, and on the menu bar, no two entries answer to the same Alt key.
    void mnemonics() {
        installPlanTranslators(*qApp, QLocale().uiLanguages());
        Session session;
        QVERIFY(session.ok);
        QStringList clashes;
        const auto check = [&clashes](const QStringList& texts) {
            QSet<QChar> keys;
            for (const QString& text : texts) {
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (at >= 0 && at + 1 < text.size()) {
                    const QChar key = text.at(at + 1).toLower();
                    if (keys.contains(key)) {
                        clashes << text;
                    }
                    keys.insert(key);
                }
            }
        };
        // The menu bar shares its keys with the Plan tab's buttons.
        QStringList window;
        for (QAbstractButton* button :
             session.window->planWindow().findChildren<QAbstractButton*>()) {
            window << button->text();
        }
        QList<QWidget*> menus = {session.window->menuBar()};
        while (!menus.isEmpty()) {
            QWidget* menu = menus.takeFirst();
            QMetaObject::invokeMethod(menu, "aboutToShow");
            QStringList texts = menu == session.window->menuBar() ? window : QStringList();
            for (QAction* action : menu->actions()) {
                texts << action->text();
                if (action->menu()) {
                    menus << action->menu();
                }
            }
            check(texts);
        }
        removeTranslators();
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    // A missing value is asked for in the window's language; figures read as the desktop writes.
    void missingValueAndFigures() {
        const bool english =
            installPlanTranslators(*qApp, QLocale().uiLanguages()) == PlanLanguage::English;
        Session session;
        QVERIFY(session.ok);
        gypsomix::PlanDocument plan = threeLines();
        plan.lines[1].diameter.clear();
        session.window->editor().replace(plan);
        QCOMPARE(control<QLabel>(session.window->planWindow(), "message")->text(),
                 english ? QStringLiteral("Line 2: enter the diameter.")
                         : QStringLiteral("Ligne 2 : indiquez le diamètre."));
        const QByteArray lang = qgetenv("LANG");
        if (lang.startsWith("en_US") || lang.startsWith("fr_FR")) {
            QCOMPARE(text(session.window->planWindow(), "density"), regional("1,8"));
        }
        removeTranslators();
    }

    void coreFaults_data() {
        using gypsomix::LengthUnit;
        using gypsomix::Margin;
        QTest::addColumn<std::function<void()>>("calculation");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("english");
        const gypsomix::NumberFormat point{".", ""};
        const auto masses = [point](std::vector<gypsomix::PlanLine> lines,
                                    const char* water = "38") -> std::function<void()> {
            return [point, lines, water] {
                gypsomix::plan_masses("1.8", water, lines, Margin::Brut, point);
            };
        };
        QTest::newRow("diameter not a number, line 2")
            << masses({lineOf("100", "100", ""), lineOf("x", "100", "")})
            << "Type incompatible (ligne 2, diamètre) : « x » n'est pas un nombre."
            << "Type mismatch (line 2, diameter): “x” is not a number.";
        QTest::newRow("empty water")
            << masses({lineOf("100", "100", "")}, "")
            << "Type incompatible (eau utilisée) : le champ est vide, ce n'est pas un nombre."
            << "Type mismatch (water ratio): the field is empty, which is not a number.";
        QTest::newRow("no flask on the line")
            << masses({lineOf("100", "100", "", 0)})
            << "Appel de procédure ou argument incorrect (ligne 1, nombre de cylindres) : « 0 », "
               "il faut au moins un cylindre."
            << "Invalid procedure call or argument (line 1, number of flasks): “0”, at least one "
               "flask is needed.";
        QTest::newRow("tree larger than its flask")
            << masses({lineOf("10", "10", "5")})
            << "Appel de procédure ou argument incorrect (ligne 1, arbre et socle) : « 5 » cm³ "
               "dépasse le volume du cylindre, 0.000785 dm³."
            << "Invalid procedure call or argument (line 1, tree and base): “5” cm³ is more than "
               "the flask's volume, 0.000785 dm³.";
        QTest::newRow("not an inch fraction")
            << masses({lineOf("2 3/2", "3", "", 1, LengthUnit::inch)})
            << "Type incompatible (ligne 1, diamètre) : « 2 3/2 » n'est pas une fraction de pouce."
            << "Type mismatch (line 1, diameter): “2 3/2” is not a fraction of an inch.";
        QTest::newRow("pouring ends before mixing")
            << std::function<void()>(
                   [point] { gypsomix::working_schedule("10", "8", "12", point); })
            << "Appel de procédure ou argument incorrect (temps utile de coulabilité) : « 8 » min "
               "finit avant la fin du malaxage, « 10 » min."
            << "Invalid procedure call or argument (pouring time): “8” min ends before mixing "
               "ends, “10” min.";
        QTest::newRow("broken plan file")
            << std::function<void()>([] { gypsomix::read_plan_file("{\n  \"format\": ]"); })
            << "ce n'est pas du JSON valide (ligne 2, colonne 13)"
            << "it is not valid JSON (line 2, column 13)";
        QTest::newRow("unit of a line") << std::function<void()>([] {
            gypsomix::read_plan_file(
                R"({"format": "gypsomix-plan", "version": 1, "lines": [{"unit": "cm"}]})");
        }) << "« lines[1].unit » doit valoir « mm » ou « in »"
                                        << "“lines[1].unit” must be “mm” or “in”";
        QTest::newRow("catalogue missing") << std::function<void()>([] {
            gypsomix::fetch_record("/nonexistent/Data/Mat.txt", 8, 0);
        }) << "Fichier introuvable : « /nonexistent/Data/Mat.txt »."
                                           << "File not found: “/nonexistent/Data/Mat.txt”.";
        // What the catalogue editor cannot save, said with the record and field.
        QTest::newRow("catalogue text with a quote")
            << std::function<void()>([] {
                   gypsomix::catalogue_text({{std::string("Pl\"âtre"), 1.8}},
                                            gypsomix::CatalogueEncoding::utf8);
               })
            << "Appel de procédure ou argument incorrect : enregistrement 1, champ 1 : le texte "
               "« Pl\"âtre » contient un guillemet droit (\"), qui le couperait à la relecture."
            << "Invalid procedure call or argument: record 1, field 1: the text “Pl\"âtre” holds "
               "a straight double quote (\"), which would cut it when read back.";
        QTest::newRow("catalogue saved in a missing folder")
            << std::function<void()>([] {
                   gypsomix::write_catalogue("/nonexistent/Data/Mat.txt", {{std::string("P"), 1.8}},
                                             gypsomix::CatalogueEncoding::utf8);
               })
            << "Erreur d'accès au chemin/fichier : impossible d'enregistrer "
               "« /nonexistent/Data/Mat.txt » : le dossier n'existe pas. Le fichier est resté tel "
               "qu'il était."
            << "Path/File access error: cannot save “/nonexistent/Data/Mat.txt”: the folder does "
               "not exist. The file was left as it was.";
    }
    // The core keeps its French to the byte; the window says the same fault in its language.
    void coreFaults() {
        QFETCH(std::function<void()>, calculation);
        QFETCH(QString, french);
        QFETCH(QString, english);
        const bool inEnglish =
            installPlanTranslators(*qApp, QLocale().uiLanguages()) == PlanLanguage::English;
        QString what, shown;
        try {
            calculation();
        } catch (const gypsomix::RunTimeError& error) {
            what = QString::fromStdString(error.what());
            shown = translatedText(error.message());
        } catch (const gypsomix::PlanFileError& error) {
            what = QString::fromStdString(error.what());
            shown = translatedText(error.message());
        }
        removeTranslators();
        QCOMPARE(what, french);
        QCOMPARE(shown, inEnglish ? english : french);
    }

    // A material gone from the catalogue since the plan was saved is said in the window's language.
    void catalogueNote() {
        const bool english =
            installPlanTranslators(*qApp, QLocale().uiLanguages()) == PlanLanguage::English;
        const TempWorkDir dir;
        QVERIFY(writeCatalogues(dir));
        gypsomix::PlanDocument plan = threeLines();
        plan.material->name = "Plâtre disparu";
        const auto match = gypsomix::match_catalogues(plan, regionalNumberFormat());
        QCOMPARE(match.messages.size(), std::size_t(1));
        const QString shown = translatedText(match.messages.front());
        removeTranslators();
        QCOMPARE(QString::fromStdString(match.notes.front()),
                 QStringLiteral("Le revêtement « Plâtre disparu » n'est plus dans le catalogue : "
                                "choisissez un revêtement."));
        QCOMPARE(shown, english ? QStringLiteral("The investment “Plâtre disparu” is no longer in "
                                                 "the catalogue: choose an investment.")
                                : QString::fromStdString(match.notes.front()));
    }

    void flaskUnit_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("inches");
        QTest::newRow("en_US: inches") << "en_US"
                                       << "" << true;
        QTest::newRow("en_GB: millimetres") << "en_GB"
                                            << "" << false;
        QTest::newRow("fr_FR: millimetres") << "fr_FR"
                                            << "" << false;
        QTest::newRow("en_US, mm picked") << "en_US"
                                          << "[General]\nflaskUnit=mm\n"
                                          << false;
        QTest::newRow("fr_FR, in picked") << "fr_FR"
                                          << "[General]\nflaskUnit=in\n"
                                          << true;
        QTest::newRow("en_US, unknown setting") << "en_US"
                                                << "[General]\nflaskUnit=cm\n"
                                                << true;
    }
    // A new plan's line and every line added start in the caster's unit.
    void flaskUnit() {
        QFETCH(QString, locale);
        QFETCH(QString, settings);
        QFETCH(bool, inches);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        Session session(settings);
        QLocale::setDefault(before);
        QVERIFY(session.ok);
        const auto unit = inches ? gypsomix::LengthUnit::inch : gypsomix::LengthUnit::millimetre;
        PlanEditor& editor = session.window->editor();
        QCOMPARE(editor.plan().lines.at(0).unit, unit);
        QCOMPARE(editor.isModified(), false);
        session.window->planWindow().addFlaskLine();
        QCOMPARE(editor.plan().lines.at(1).unit, unit);
    }

    // The unit the caster picks is the one the next plan starts in, whatever the locale says.
    void pickedUnitIsKept() {
        const QLocale before;
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        TempWorkDir keep;
        const QString settings = keep.path() + QStringLiteral("/plan.conf");
        {
            QVERIFY(writeCatalogues(keep));
            PlanMainWindow window(PlanPlaces{keep.path() + QStringLiteral("/data"), settings});
            window.start();
            QCOMPARE(window.editor().plan().lines.at(0).unit, gypsomix::LengthUnit::inch);
            QComboBox* unit = nullptr;
            for (QComboBox* list : window.planWindow().findChildren<QComboBox*>()) {
                if (list->count() == 2 && list->itemText(0) == QLatin1String("mm")) {
                    unit = list;
                }
            }
            QVERIFY(unit);
            unit->setCurrentIndex(0);
            emit unit->activated(0);
            QCOMPARE(window.editor().plan().lines.at(0).unit, gypsomix::LengthUnit::millimetre);
            window.planWindow().addFlaskLine();
            QCOMPARE(window.editor().plan().lines.at(1).unit, gypsomix::LengthUnit::millimetre);
            window.editor().markSaved();
        }
        PlanMainWindow again(PlanPlaces{keep.path() + QStringLiteral("/data"), settings});
        QLocale::setDefault(before);
        QCOMPARE(again.editor().plan().lines.at(0).unit, gypsomix::LengthUnit::millimetre);
    }
};

QTEST_MAIN(PlanEnglish)
#include "tst_plan_english.moc"
