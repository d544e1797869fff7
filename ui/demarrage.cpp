#include "ui/demarrage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/pictures.h"
#include "ui_demarrage.h"

namespace {

QFont cardFont(const QString& family, qreal pointSize) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

}  // namespace

QString Demarrage::versionText() {
    // The blanks keep the digits clear of the box's edges.
    return QStringLiteral("  Version %1.%2 ")
        .arg(GYPSOMIX_VERSION_MAJOR)
        .arg(GYPSOMIX_VERSION_MINOR);
}

Demarrage::Demarrage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new Ui::Demarrage) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Démarrage"));
    setWindowTitle(QString());
    setWindowIcon(loadIcon(QStringLiteral("demarrage"), {16, 32, 48}));
    setFocusPolicy(Qt::StrongFocus);

    // The small texts keep the window's default face in bold; the larger ones use Liberation Sans
    // for its Arial metrics, which the card's fixed label sizes are measured for.
    const QFont small = cardFont(font().family(), font().pointSizeF());
    const QString arial = QStringLiteral("Liberation Sans");
    ui->Label1->setFont(small);
    ui->Label3->setFont(small);
    ui->Label2->setFont(cardFont(arial, 9.75));
    ui->lblCompany->setFont(cardFont(arial, 9.75));
    ui->lblVersion->setFont(cardFont(arial, 12.0));

    QPalette blue = ui->Label3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    ui->Label3->setPalette(blue);

    ui->lblVersion->setText(versionText());
    // A box frame would take the white text colour and vanish: the border is drawn dark.
    ui->lblVersion->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background-color: rgb(128, 128, 255); border: 1px solid black; }"));
    ui->lblVersion->adjustSize();

    ui->Image2->setPixmap(loadPicture(QStringLiteral(":/images/logo.jpg"), devicePixelRatioF()));

    m_clickHandlers = {
        {ui->Frame1, &Demarrage::Frame1_Click},
        {ui->Image2, &Demarrage::Image2_Click},
        {ui->Label1, &Demarrage::Label1_Click},
        {ui->Label2, &Demarrage::Label2_Click},
        {ui->Label3, &Demarrage::Label3_Click},
        {ui->lblCompany, &Demarrage::lblCompany_Click},
        {ui->lblVersion, &Demarrage::lblVersion_Click},
    };
    for (auto it = m_clickHandlers.cbegin(); it != m_clickHandlers.cend(); ++it) {
        it.key()->installEventFilter(this);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

Demarrage::~Demarrage() = default;

void Demarrage::Form_KeyPress() {
    unload();
}

void Demarrage::Frame1_Click() {
    unload();
}

void Demarrage::Image2_Click() {
    unload();
}

void Demarrage::Label1_Click() {
    unload();
}

void Demarrage::Label2_Click() {
    unload();
}

void Demarrage::Label3_Click() {
    unload();
}

void Demarrage::lblCompany_Click() {
    unload();
}

void Demarrage::lblVersion_Click() {
    unload();
}

void Demarrage::unload() {
    accept();
}

bool Demarrage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto handler = m_clickHandlers.value(watched);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (handler && widget && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            (this->*handler)();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Demarrage::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape produce characters too; arrows, function keys and Shift do not.
    if (!event->text().isEmpty()) {
        Form_KeyPress();
        return;
    }
    event->ignore();
}

void Demarrage::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a title bar the card still needs an edge against the desktop.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
