#pragma once

// The casting plan's windows and sheets read twice, in the French they are written in and under
// the translators installed, and compared text by text.
#include <QPaintEngine>
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "ui/plan_language.h"

struct Seen {
    QString where;  // the widget and which of its texts
    QString text;
};

// Words English spells as French does.
inline const QStringList kSameInBoth = {QStringLiteral("Minute"),
                                        QStringLiteral("Total"),
                                        QStringLiteral("Notes"),
                                        QStringLiteral("Plan"),
                                        QStringLiteral("Message"),
                                        QStringLiteral("Catalogues"),
                                        QStringLiteral("Journal"),
                                        QStringLiteral("Catalogue"),
                                        QStringLiteral("Date"),
                                        QStringLiteral("Programme"),
                                        QStringLiteral("Programmes"),
                                        QStringLiteral("inclusions"),
                                        QStringLiteral("Volume (dm3)"),
                                        QStringLiteral("Gypsomix"),
                                        QStringLiteral("Concentration (%)"),
                                        QStringLiteral("Volume (dm³)"),
                                        QStringLiteral("hh:mm"),
                                        QStringLiteral("mm")};

// Names from the sample catalogues: data, the same in every language.
inline const QStringList kCatalogueNames = {
    QStringLiteral("Plâtre à bijoux"),    QStringLiteral("Revêtement fluide"),
    QStringLiteral("Cylindre 100 × 100"), QStringLiteral("Cylindre 90 × 110"),
    QStringLiteral("Argent 925"),         QStringLiteral("Plâtre moyen")};

// A French word or sign, left in a text that should be English.
inline const QRegularExpression kFrenchMark(
    QStringLiteral("[éèêàâçùûôî«»]|\\b(le|la|les|du|de|des|un|une|est|pas|et|ou|au|il|ce|qui|en)"
                   "\\b|\\b[cdlnsj]['’]"));

// Every text of a window a caster reads or a screen reader says, in the order the widgets were
// made, hidden ones included: labels, buttons, frames, list entries, tabs, column headers, menus
// as they open, tool tips, accessible names and descriptions.
inline QList<Seen> textsOf(QWidget& window) {
    QList<Seen> seen;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        // The tab bar's scroll buttons and the menu bar's overflow, which holds the menus that
        // do not fit, are the toolkit's.
        auto* overflow = qobject_cast<QMenu*>(w);
        if (qobject_cast<QTabBar*>(w->parentWidget()) ||
            (overflow && overflow->title().isEmpty() && qobject_cast<QMenuBar*>(w->parent()))) {
            continue;
        }
        const QString name =
            QStringLiteral("%1 %2[%3] ")
                .arg(i)
                .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
        const auto add = [&](const char* what, const QString& text) {
            seen.append({name + QLatin1String(what), text});
        };
        add("tool tip", w->toolTip());
        add("accessible name", w->accessibleName());
        add("accessible description", w->accessibleDescription());
        if (w->isWindow()) {
            add("title", w->windowTitle());
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add("text", label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add("text", button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            add("title", group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            add("placeholder", edit->placeholderText());
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            QMetaObject::invokeMethod(menu, "aboutToShow");  // the recent plans are listed then
            add("title", menu->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                add("tab", tabs->tabText(tab));
            }
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            add("placeholder", list->placeholderText());
            for (int item = 0; item < list->count(); ++item) {
                add("item", list->itemText(item));
            }
        } else if (auto* header = qobject_cast<QHeaderView*>(w);
                   header && header->orientation() == Qt::Horizontal && header->model()) {
            for (int section = 0; section < header->count(); ++section) {
                add("header", header->model()->headerData(section, Qt::Horizontal).toString());
            }
        }
        for (QAction* action : w->actions()) {
            add("action", action->text());
        }
    }
    return seen;
}

// The texts that do not read in the language expected, with where they are. In English each
// text with words must differ from the French, unless English spells it the same, and keep
// nothing French; without a translation each must be the French. Names from the catalogues are
// data and left out.
inline QStringList wrongTexts(const QList<Seen>& french, const QList<Seen>& shown, bool english,
                              int atLeast = 5) {
    qsizetype part = 0;  // where the two walks part, if they do
    while (part < french.size() && part < shown.size() && shown[part].where == french[part].where) {
        ++part;
    }
    if (part < french.size() || part < shown.size()) {
        return {QStringLiteral("%1 texts against %2 in French, parting at %3: %4")
                    .arg(shown.size())
                    .arg(french.size())
                    .arg(french.value(part).where, french.value(part).text)};
    }
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]{2,}"));
    static const QRegularExpression figureAndUnit(QStringLiteral("^[-+\\d.,:\\s]*(min|g|%)$"));
    const auto bare = [](QString text) {
        for (const QString& name : kCatalogueNames) {
            text.remove(name);
        }
        return text.remove(QLatin1Char('&')).trimmed();
    };
    QStringList wrong;
    int compared = 0;
    for (qsizetype i = 0; i < french.size(); ++i) {
        const QString before = bare(french[i].text);
        if (!word.match(before).hasMatch() || figureAndUnit.match(before).hasMatch() ||
            kSameInBoth.contains(before)) {
            continue;
        }
        ++compared;
        const bool same = shown[i].text == french[i].text;
        if (english ? same || kFrenchMark.match(bare(shown[i].text)).hasMatch() : !same) {
            wrong << shown[i].where + QStringLiteral(": ") + french[i].text +
                         QStringLiteral(" → ") + shown[i].text;
        }
    }
    if (compared < atLeast) {
        wrong << QStringLiteral("only %1 texts to tell the language by").arg(compared);
    }
    return wrong;
}

// Back to the French the sources are written in.
inline void removeTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The plan's English for as long as it lives.
struct English {
    English() { installPlanTranslators(*qApp, {QStringLiteral("en-US")}); }
    ~English() { removeTranslators(); }
};

// Records the texts a painter draws; shapes and pictures are left undrawn.
class TextEngine : public QPaintEngine {
  public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
};

// An A4 page at 72 dpi whose painter only records texts.
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
    mutable TextEngine m_engine;
};

// The texts `paint` draws on a page, in the order it draws them.
inline QList<Seen> paintedTexts(const std::function<void(QPainter&)>& paint) {
    TextDevice device;
    {
        QPainter painter(&device);
        paint(painter);
    }
    QList<Seen> seen;
    for (const QString& text : device.m_engine.texts) {
        seen.append({QStringLiteral("sheet"), text});
    }
    return seen;
}
