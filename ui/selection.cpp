#include "ui/selection.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>
#include <future>
#include <string>
#include <utility>

#include "calc/mix.h"
#include "calc/number_text.h"
#include "catalogue/catalogue.h"
#include "ui/catalogue_list_model.h"
#include "ui/demarrage.h"
#include "ui/number_format.h"
#include "ui/pictures.h"
#include "ui/run_time_report.h"
#include "ui_selection.h"

namespace {

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

void setText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

}  // namespace

Selection::Selection(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(new Ui::Selection) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Sélection"));
    setFixedSize(size());
    // The title bar and task switcher need no more; the large sizes are the desktop theme's.
    setWindowIcon(loadIcon(QStringLiteral("gypsomix"), {16, 32, 48, 64}));

    for (QLineEdit* mass : {ui->Text11, ui->Text12}) {
        QPalette palette = mass->palette();
        palette.setColor(QPalette::Text, QColor(0, 0, 192));
        mass->setPalette(palette);
        QFont bold = mass->font();
        bold.setBold(true);
        mass->setFont(bold);
    }

    const qreal ratio = devicePixelRatioF();
    ui->Picture1->setPixmap(loadPicture(QStringLiteral(":/images/sack.jpg"), ratio));
    ui->Picture2->setPixmap(loadPicture(QStringLiteral(":/images/flask.jpg"), ratio));
    ui->Image2->setPixmap(loadPicture(QStringLiteral(":/images/logo.jpg"), ratio));

    m_materials = new CatalogueListModel(ui->Combo1);
    m_flasks = new CatalogueListModel(ui->Combo2);
    for (const auto& [list, entries] :
         {std::pair{ui->Combo1, m_materials}, std::pair{ui->Combo2, m_flasks}}) {
        prepareCatalogueList(list);
        // A new model empties the edit part; the prompt stays there until a choice.
        const QString prompt = list->currentText();
        list->setModel(entries);
        list->setEditText(prompt);
        // Long entry names: show their beginning in the edit part, and all of them in the list.
        connect(list, &QComboBox::currentIndexChanged, list,
                [list] { list->lineEdit()->home(false); });
    }

    // A list's click is a choice made with the mouse or the keyboard, not typing in its text.
    connect(ui->Combo1, &QComboBox::activated, this, &Selection::Combo1_Click);
    connect(ui->Combo2, &QComboBox::activated, this, &Selection::Combo2_Click);
    const std::array<std::pair<QRadioButton*, void (Selection::*)()>, 3> options = {{
        {ui->Option2, &Selection::Option2_Click},
        {ui->Option3, &Selection::Option3_Click},
        {ui->Option4, &Selection::Option4_Click},
    }};
    for (const auto& [option, handler] : options) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) {
                (this->*handler)();
            }
        });
    }
    connect(ui->quitter, &QPushButton::clicked, this, &Selection::quitter_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Selection::Command3_Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

Selection::~Selection() = default;

void Selection::Form_Load() {
    // Both catalogues are read while the card is up: a caster reads it before clicking, and the
    // window then follows the click at once, however large the catalogues. Their entries reach
    // the lists, or their failure the caller, only once the card is gone.
    auto listings = std::async(std::launch::async, [] {
        auto materials =
            CatalogueListModel::read(gypsomix::MatRecord::path, gypsomix::MatRecord::fields);
        return std::pair{std::move(materials),
                         CatalogueListModel::read(gypsomix::CylindreRecord::path,
                                                  gypsomix::CylindreRecord::fields)};
    });
    {
        Demarrage card(this);
        card.exec();
    }

    selectPrompt();
    ui->Combo2->setEnabled(false);
    for (QLineEdit* field : {ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6,
                             ui->Text7, ui->Text8, ui->Text9, ui->Text10, ui->Text11, ui->Text12}) {
        field->setReadOnly(true);
    }
    ui->Option2->setChecked(true);
    for (QRadioButton* option : {ui->Option2, ui->Option3, ui->Option4}) {
        option->setEnabled(false);
    }

    auto [materials, flasks] = listings.get();
    fillList(ui->Combo1, m_materials, std::move(materials), true);
    // The flask list opens only once a material is chosen: its rows are placed then, not before
    // the window shows.
    fillList(ui->Combo2, m_flasks, std::move(flasks), false);
    selectPrompt();
}

void Selection::fillList(QComboBox* list, CatalogueListModel* entries,
                         CatalogueListModel::Listing listing, bool placeRows) {
    // A new listing makes the first entry current, which would hide the prompt.
    const QString prompt = list->currentText();
    entries->setListing(std::move(listing));
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
    fitCatalogueList(list, *entries, placeRows);
}

void Selection::selectPrompt() {
    ui->Combo1->lineEdit()->setSelection(0, 100);
}

void Selection::Combo1_Click() {
    const std::array<QLineEdit*, 7> fields = {ui->Text1, ui->Text2, ui->Text3, ui->Text4,
                                              ui->Text5, ui->Text6, ui->Text7};
    guarded({ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7}, [&] {
        for (QLineEdit* field : fields) {
            field->clear();
        }
        const auto record =
            gypsomix::fetch_record(gypsomix::MatRecord::path, gypsomix::MatRecord::fields,
                                   ui->Combo1->currentData().toInt());
        if (record) {
            const auto format = regionalNumberFormat();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                setText(fields[i], gypsomix::value_to_text((*record)[i + 1], format));
            }
        }
        if (!ui->Combo2->isEnabled()) {
            placeCatalogueRows(ui->Combo2);
            ui->Combo2->setEnabled(true);
        }
        // Deliberately lenient: any flask diameter starting with a digit counts as chosen.
        if (gypsomix::text_leading_number(textOf(ui->Text8)) > 0) {
            CalculMasses();
        }
    });
}

void Selection::Combo2_Click() {
    guarded({ui->Text8, ui->Text9, ui->Text10}, [&] {
        for (QLineEdit* field : {ui->Text8, ui->Text9, ui->Text10, ui->Text11, ui->Text12}) {
            field->clear();
        }
        const auto format = regionalNumberFormat();
        const auto record =
            gypsomix::fetch_record(gypsomix::CylindreRecord::path, gypsomix::CylindreRecord::fields,
                                   ui->Combo2->currentData().toInt());
        if (record) {
            setText(ui->Text8, gypsomix::value_to_text((*record)[1], format));
            setText(ui->Text9, gypsomix::value_to_text((*record)[2], format));
        }
        for (QRadioButton* option : {ui->Option2, ui->Option3, ui->Option4}) {
            option->setEnabled(true);
        }
        setText(ui->Text10, gypsomix::flask_volume(textOf(ui->Text8), textOf(ui->Text9), format));
        CalculMasses();
    });
}

void Selection::Option2_Click() {
    marginChanged();
}

void Selection::Option3_Click() {
    marginChanged();
}

void Selection::Option4_Click() {
    marginChanged();
}

// The three options behave alike: a new margin recomputes the masses once a flask is chosen.
void Selection::marginChanged() {
    guarded({}, [&] {
        if (!ui->Text8->text().isEmpty()) {
            CalculMasses();
        }
    });
}

void Selection::CalculMasses() {
    // "+ 5%" and "+10%" are one exclusive group with "Brut", so one margin at most applies.
    gypsomix::Margin margin = gypsomix::Margin::Brut;
    if (ui->Option3->isChecked()) {
        margin = gypsomix::Margin::Plus5;
    } else if (ui->Option4->isChecked()) {
        margin = gypsomix::Margin::Plus10;
    }
    const auto masses = gypsomix::mix_masses(textOf(ui->Text5), textOf(ui->Text1),
                                             textOf(ui->Text10), margin, regionalNumberFormat());
    setText(ui->Text11, masses.powder);
    setText(ui->Text12, masses.water);
}

void Selection::quitter_Click() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"),
                    QStringLiteral("Voulez vous vraiment quitter ?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes) {
        QCoreApplication::exit(0);
    }
}

void Selection::Command3_Click() {
    Demarrage card(this);
    card.exec();
}

void Selection::guarded(std::initializer_list<QLineEdit*> filling,
                        const std::function<void()>& body) {
    try {
        body();
    } catch (const gypsomix::RunTimeError& error) {
        for (QLineEdit* field : filling) {
            field->clear();
        }
        // No mass may stay on screen that does not follow from the fields beside it.
        ui->Text11->clear();
        ui->Text12->clear();
        showRunTimeError(this, error);
    }
}
