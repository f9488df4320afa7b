#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm2;
}

// The About box: who made the editor and whom it thanks.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
