#include "app/about_box.h"

#include "ui_about_box.h"

#include <QPushButton>

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    // One pixel smaller than the editor's font, so that the longest bold
    // value, "Currently not available", fits inside its frame.
    QFont boxFont = font();
    boxFont.setPixelSize(boxFont.pixelSize() - 1);
    setFont(boxFont);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm2::~TForm2() = default;
