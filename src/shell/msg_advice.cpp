#include "shell/msg_advice.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

namespace vellamor::shell {

namespace {

std::function<void()>& repaintAfterBox() {
    static std::function<void()> f;
    return f;
}

void repaintOwners() {
    if (repaintAfterBox()) repaintAfterBox()();
}

// The picture of page "Color": a fan of colour bands.
QPixmap colourPicture() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bands[] = {QColor(220, 40, 40), QColor(240, 170, 30), QColor(240, 230, 40),
                            QColor(60, 180, 60), QColor(40, 110, 220), QColor(140, 60, 190)};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(bands[i]);
        p.setPen(Qt::NoPen);
        p.drawPie(QRect(4, 4, 56, 56), (90 + i * 60) * 16, 60 * 16);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(22, 22, 20, 20));
    return pm;
}

// The picture of page "640x480": a small screen.
QPixmap screenPicture() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRect(6, 8, 52, 38), 3, 3);
    p.setBrush(QColor(0, 110, 50));
    p.drawRect(QRect(11, 13, 42, 28));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRect(26, 46, 12, 6));
    p.drawRect(QRect(18, 52, 28, 4));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(QRect(11, 13, 42, 28), Qt::AlignCenter, QStringLiteral("640"));
    return pm;
}

QPixmap confirmPicture() {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32);
}

constexpr Qt::WindowFlags kBoxFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace

void setRepaintAfterBox(std::function<void()> repaint) { repaintAfterBox() = std::move(repaint); }

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok, parent);
    box.exec();
    repaintOwners();
}

void showInformation(QWidget* parent, long long number) { showInformation(parent, QString::number(number)); }

void showError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
    repaintOwners();
}

bool confirmOkCancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kProgramTitle), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    const bool ok = box.exec() == QMessageBox::Ok;
    repaintOwners();
    return ok;
}

TfrmMsgAdvice::TfrmMsgAdvice(QWidget* owner) : C_TAdvancedForm(owner) {
    setWindowFlags(kBoxFlags);
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(418, 177);
    nbPictures = new QStackedWidget(this);
    nbPictures->setGeometry(12, 14, 64, 64);
    for (const QPixmap& pm : {colourPicture(), screenPicture()}) {
        auto* img = new QLabel;
        img->setPixmap(pm);
        nbPictures->addWidget(img);
    }
    lblText = new QLabel(this);
    lblText->setGeometry(84, 12, 326, 97);
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkDontShow = new QCheckBox(QStringLiteral("&Don't show this message box again"), this);
    chkDontShow->setGeometry(84, 116, 326, 20);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setGeometry((418 - 75) / 2, 144, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmMsgAdvice::setText(const QString& text) { lblText->setText(text); }
void TfrmMsgAdvice::setPage(int p) { nbPictures->setCurrentIndex(p == Small640x480 ? 1 : 0); }
int TfrmMsgAdvice::page() const { return nbPictures->currentIndex(); }
bool TfrmMsgAdvice::ticked() const { return chkDontShow->isChecked(); }

void TfrmMsgAdvice::hideEvent(QHideEvent* e) {
    C_TAdvancedForm::hideEvent(e);
    repaintOwners();
}

TfrmMsgAdviceOKCancel::TfrmMsgAdviceOKCancel(QWidget* owner) : C_TAdvancedForm(owner) {
    setWindowFlags(kBoxFlags);
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(289, 133);
    imgPicture = new QLabel(this);
    imgPicture->setGeometry(12, 12, 32, 32);
    imgPicture->setPixmap(confirmPicture());
    lblText = new QLabel(this);
    lblText->setGeometry(52, 10, 231, 60);
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkDontShow = new QCheckBox(QStringLiteral("&Don't show this message box again"), this);
    chkDontShow->setGeometry(52, 74, 231, 20);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setGeometry(80, 102, 59, 22);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setGeometry(150, 102, 59, 22);
    connect(btnOK, &QPushButton::clicked, this, [this] {
        result_ = true;
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmMsgAdviceOKCancel::setText(const QString& text) { lblText->setText(text); }
bool TfrmMsgAdviceOKCancel::ticked() const { return chkDontShow->isChecked(); }

void TfrmMsgAdviceOKCancel::setWithCancel(bool with) {
    btnCancel->setVisible(with);
    if (!with) btnOK->move((width() - btnOK->width()) / 2, btnOK->y());
    else btnOK->move(80, btnOK->y());
}

void TfrmMsgAdviceOKCancel::hideEvent(QHideEvent* e) {
    C_TAdvancedForm::hideEvent(e);
    repaintOwners();
}

bool showAdvice(QWidget* parent, const QString& text, int page) {
    auto box = createDialog<TfrmMsgAdvice>(parent);
    box->setText(text);
    box->setPage(page);
    box->exec();
    return box->ticked();
}

AdviceResult askWithAdvice(QWidget* parent, const QString& text, bool withCancel) {
    auto box = createDialog<TfrmMsgAdviceOKCancel>(parent);
    box->setText(text);
    box->setWithCancel(withCancel);
    box->exec();
    return {box->result(), box->ticked()};
}

} // namespace vellamor::shell
