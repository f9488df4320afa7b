#include "app/intro_form.h"

#include "app/jpeg_picture.h"
#include "ui_intro_form.h"

#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

TIntroForm::TIntroForm(QWidget *parent, const QString &picturePath)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TIntroForm>())
{
    ui->setupUi(this);
    ui->ScrollBox1->verticalScrollBar()->setTracking(true);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    showPicture(picturePath);
}

TIntroForm::~TIntroForm() = default;

void TIntroForm::showPicture(const QString &picturePath)
{
    QFile file(picturePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    ui->Image1->setPixmap(QPixmap::fromImage(DecodeJpeg(file.readAll()).image));
}
