// The casting plan in the desktop's language: the main window as the program builds it, its
// translators installed as at start-up, compared text by text with the French it is written in;
// the core's faults said in English and still French byte for byte; the flask unit a new line
// starts in. Each CTest entry sets the environment and says, in GYPSOMIX_EXPECT, which language
// the run must show.
#include "../core_test_support.h"
#include "calc/plan.h"
#include "calc/schedule.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_writer.h"
#include "document/plan_catalogue.h"
#include "document/plan_file.h"
#include "english_test_support.h"
#include "ui/mixing_sheet.h"
#include "ui/number_format.h"
#include "ui/plan_main_window.h"
#include "ui/plan_window.h"
#include "ui/run_time_report.h"
#include "window_test_support.h"

namespace {

bool expectEnglish() {
    return qgetenv("GYPSOMIX_EXPECT") == "en";
}

bool installForDesktop() {
    return installPlanTranslators(*qApp, QLocale().uiLanguages()) == PlanLanguage::English;
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
        window = std::make_unique<PlanMainWindow>(places());
        window->show();
        window->start();
        ok = ok && QTest::qWaitForWindowExposed(window.get());
    }
    PlanPlaces places() const {
        return {dir.path() + QStringLiteral("/gypsomix"),
                dir.path() + QStringLiteral("/plan.conf")};
    }
    TempWorkDir dir;
    std::unique_ptr<PlanMainWindow> window;
    bool ok = false;
};

// The window's and the README plan's sheet's texts under the translators installed, and what
// the window asks for when a line lacks its diameter.
QList<Seen> allTexts() {
    Session session;
    if (!session.ok) {
        return {};
    }
    PlanWindow& plan = session.window->planWindow();
    session.window->editor().replace(threeLines());
    QList<Seen> texts = textsOf(*session.window) + paintedTexts([&](QPainter& painter) {
                            paintMixingSheet(painter, QRectF(0, 0, 595, 842), plan.mixingSheet());
                        });
    gypsomix::PlanDocument missing = threeLines();
    missing.lines[1].diameter.clear();
    session.window->editor().replace(missing);
    return texts << Seen{QStringLiteral("message"), control<QLabel>(plan, "message")->text()};
}

using Fault = std::pair<std::string, gypsomix::Message>;  // what the core says, and its message

template <typename Calculation>
std::function<Fault()> thrown(Calculation calculation) {
    return [calculation] {
        try {
            calculation();
        } catch (const gypsomix::RunTimeError& error) {
            return Fault{error.what(), error.message()};
        } catch (const gypsomix::PlanFileError& error) {
            return Fault{error.what(), error.message()};
        }
        return Fault{};
    };
}

gypsomix::PlanLine lineOf(const char* diameter, const char* tree, int count = 1,
                          gypsomix::LengthUnit unit = gypsomix::LengthUnit::millimetre) {
    return {diameter, diameter, unit, count, tree};
}

QStringList matches(const QString& pattern, const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text)) {
        found << match.captured(1);
    }
    found.sort();
    return found;
}

}  // namespace

class PlanEnglish : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Numbers follow the run's LANG, as in the program.
        QLocale::setDefault(QLocale::system());
    }

    void languageFor_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("en_GB") << QStringList{"en_GB"} << true;
        QTest::newRow("de then en") << QStringList{"de-DE", "de", "en"} << true;
        QTest::newRow("empty: French") << QStringList{} << false;
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
        const QList<Seen> french = allTexts();
        QCOMPARE(installForDesktop(), expectEnglish());
        const QList<Seen> shown = allTexts();
        removeTranslators();
        const QStringList wrong = wrongTexts(french, shown, expectEnglish(), 60);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Within each menu, and on the menu bar, no two entries answer to the same Alt key.
    void mnemonics() {
        installForDesktop();
        Session session;
        QVERIFY(session.ok);
        QStringList clashes;
        QList<QWidget*> menus = {session.window->menuBar()};
        while (!menus.isEmpty()) {
            QWidget* menu = menus.takeFirst();
            QMetaObject::invokeMethod(menu, "aboutToShow");
            QStringList texts;
            if (menu == session.window->menuBar()) {
                // The menu bar shares its keys with the Plan tab's buttons.
                for (auto* button : session.window->planWindow().findChildren<QAbstractButton*>()) {
                    texts << button->text();
                }
            }
            for (QAction* action : menu->actions()) {
                texts << action->text();
                if (action->menu()) {
                    menus << action->menu();
                }
            }
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
        }
        removeTranslators();
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    void coreFaults_data() {
        using gypsomix::Margin;
        QTest::addColumn<std::function<Fault()>>("fault");
        QTest::addColumn<QString>("french");
        const gypsomix::NumberFormat point{".", ""};
        const auto masses = [point](std::vector<gypsomix::PlanLine> lines,
                                    const char* water = "38") {
            return thrown([=] { gypsomix::plan_masses("1.8", water, lines, Margin::Brut, point); });
        };
        QTest::newRow("diameter not a number, line 2")
            << masses({lineOf("100", ""), lineOf("x", "")})
            << "Type incompatible (ligne 2, diamètre) : « x » n'est pas un nombre.";
        QTest::newRow("empty water")
            << masses({lineOf("100", "")}, "")
            << "Type incompatible (eau utilisée) : le champ est vide, ce n'est pas un nombre.";
        QTest::newRow("no flask on the line")
            << masses({lineOf("100", "", 0)})
            << "Appel de procédure ou argument incorrect (ligne 1, nombre de cylindres) : « 0 », "
               "il faut au moins un cylindre.";
        QTest::newRow("tree larger than its flask")
            << masses({lineOf("10", "5")})
            << "Appel de procédure ou argument incorrect (ligne 1, arbre et socle) : « 5 » cm³ "
               "dépasse le volume du cylindre, 0.000785 dm³.";
        QTest::newRow("not an inch fraction")
            << masses({lineOf("2 3/2", "", 1, gypsomix::LengthUnit::inch)})
            << "Type incompatible (ligne 1, diamètre) : « 2 3/2 » n'est pas une fraction de pouce.";
        QTest::newRow("pouring ends before mixing")
            << thrown([point] { gypsomix::working_schedule("10", "8", "12", point); })
            << "Appel de procédure ou argument incorrect (temps utile de coulabilité) : « 8 » min "
               "finit avant la fin du malaxage, « 10 » min.";
        QTest::newRow("broken plan file")
            << thrown([] { gypsomix::read_plan_file("{\n  \"format\": ]"); })
            << "ce n'est pas du JSON valide (ligne 2, colonne 13)";
        QTest::newRow("unit of a line") << thrown([] {
            gypsomix::read_plan_file(
                R"({"format": "gypsomix-plan", "version": 1, "lines": [{"unit": "cm"}]})");
        }) << "« lines[1].unit » doit valoir « mm » ou « in »";
        QTest::newRow("catalogue missing")
            << thrown([] { gypsomix::fetch_record("/nonexistent/Data/Mat.txt", 8, 0); })
            << "Fichier introuvable : « /nonexistent/Data/Mat.txt ».";
        // What the catalogue editor cannot save, said with the record and field.
        QTest::newRow("catalogue text with a quote")
            << thrown([] {
                   gypsomix::catalogue_text({{std::string("Pl\"âtre"), 1.8}},
                                            gypsomix::CatalogueEncoding::utf8);
               })
            << "Appel de procédure ou argument incorrect : enregistrement 1, champ 1 : le texte "
               "« Pl\"âtre » contient un guillemet droit (\"), qui le couperait à la relecture.";
        QTest::newRow("catalogue saved in a missing folder")
            << thrown([] {
                   gypsomix::write_catalogue("/nonexistent/Data/Mat.txt", {{std::string("P"), 1.8}},
                                             gypsomix::CatalogueEncoding::utf8);
               })
            << "Erreur d'accès au chemin/fichier : impossible d'enregistrer "
               "« /nonexistent/Data/Mat.txt » : le dossier n'existe pas. Le fichier est resté tel "
               "qu'il était.";
        // A material gone from the catalogue since the plan was saved.
        QTest::newRow("material no longer in the catalogue")
            << std::function<Fault()>([] {
                   const TempWorkDir dir;
                   gypsomix::PlanDocument plan = threeLines();
                   plan.material->name = "Plâtre disparu";
                   const auto match = writeCatalogues(dir)
                                          ? gypsomix::match_catalogues(plan, regionalNumberFormat())
                                          : gypsomix::CatalogueMatch();
                   return match.messages.size() == 1
                              ? Fault{match.notes().front(), match.messages.front()}
                              : Fault();
               })
            << "Le revêtement « Plâtre disparu » n'est plus dans le catalogue : choisissez un "
               "revêtement.";
    }
    // The core keeps its French to the byte; the window says the same fault in its language,
    // with the same values, figures and places.
    void coreFaults() {
        QFETCH(std::function<Fault()>, fault);
        QFETCH(QString, french);
        const bool english = installForDesktop();
        const Fault said = fault();
        const QString shown = translatedText(said.second);
        removeTranslators();
        QCOMPARE(fromStd(said.first), french);
        if (!english) {
            QCOMPARE(shown, french);
            return;
        }
        QCOMPARE(matches(QStringLiteral("“(.*?)”"), shown),
                 matches(QStringLiteral("« (.*?) »"), french));
        QCOMPARE(matches(QStringLiteral("(\\d+)"), shown),
                 matches(QStringLiteral("(\\d+)"), french));
        const QString words = QString(shown).remove(QRegularExpression(QStringLiteral("“.*?”")));
        QVERIFY2(!kFrenchMark.match(words).hasMatch(), qPrintable(shown));
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
    // A new plan's line and every line added start in the caster's unit; the other unit, once
    // picked, is the one the next plan starts in, whatever the locale says.
    void flaskUnit() {
        QFETCH(QString, locale);
        QFETCH(QString, settings);
        QFETCH(bool, inches);
        using gypsomix::LengthUnit;
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        Session session(settings);
        QVERIFY(session.ok);
        const auto unit = inches ? LengthUnit::inch : LengthUnit::millimetre;
        PlanEditor& editor = session.window->editor();
        QCOMPARE(editor.plan().lines.at(0).unit, unit);
        QCOMPARE(editor.isModified(), false);
        session.window->planWindow().addFlaskLine();
        QCOMPARE(editor.plan().lines.at(1).unit, unit);

        auto* list = field<QComboBox>(session.window->planWindow(), 0, QStringLiteral("Unité"));
        QVERIFY(list);
        list->setCurrentIndex(inches ? 0 : 1);
        emit list->activated(list->currentIndex());
        const auto picked = inches ? LengthUnit::millimetre : LengthUnit::inch;
        session.window->planWindow().addFlaskLine();
        QCOMPARE(editor.plan().lines.at(2).unit, picked);
        editor.markSaved();
        session.window.reset();
        PlanMainWindow again(session.places());
        QLocale::setDefault(before);
        QCOMPARE(again.editor().plan().lines.at(0).unit, picked);
    }
};

QTEST_MAIN(PlanEnglish)
#include "tst_plan_english.moc"
